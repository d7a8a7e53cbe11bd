#include "reports/tukibetugn.h"

namespace fenlo {

namespace {

PageRows monthPageRows(const monthly::Report &report)
{
    PageRows rows;
    rows.reserve(report.TukiData.size());
    for (const monthly::MonthRow &month : report.TukiData)
        rows.push_back(PagePoint{month.nenpi.toDouble(), QString::fromStdString(month.nengetu)});
    return rows;
}

} // namespace

TFrmTukibetuGN::TFrmTukibetuGN(QWidget *caller, const monthly::Report &report)
    : PagedGraph(caller,
                 Look{{QStringLiteral("月別燃費一覧グラフ"), QSize(550, 313),
                       QStringLiteral("ＭＳ Ｐゴシック"), 12},
                      12,
                      QColor(255, 179, 255),
                      QColor(255, 128, 128),
                      QColor(0, 0, 255),
                      false,
                      false,
                      11},
                 monthPageRows(report))
{
    setObjectName(QStringLiteral("FrmTukibetuGN"));
}

void TFrmTukibetuGN::showFor(QWidget *caller, const monthly::Report &report)
{
    TFrmTukibetuGN window(caller, report);
    window.exec();
}

} // namespace fenlo
