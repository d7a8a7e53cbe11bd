#include "reportwindows/monthlygraph.h"

namespace fenlo {

namespace {

PageRows monthPageRows(const monthly::Report &report)
{
    PageRows rows;
    rows.reserve(report.months.size());
    for (const monthly::MonthRow &month : report.months)
        rows.push_back(PagePoint{month.economy.toDouble(), QString::fromStdString(month.month)});
    return rows;
}

} // namespace

MonthlyGraph::MonthlyGraph(QWidget *caller, const monthly::Report &report)
    : PagedGraph(caller,
                 Look{.frame = {.caption = QStringLiteral("月別燃費一覧グラフ"),
                                .size = QSize(550, 313),
                                .fontFace = QStringLiteral("ＭＳ Ｐゴシック"),
                                .fontPixels = 12,
                                .minimiseButton = true},
                      .perPage = 12,
                      .gradientBottom = QColor(255, 179, 255),
                      .bottomWall = QColor(255, 128, 128),
                      .pointColour = QColor(0, 0, 255),
                      .valueFormatOnAll = false,
                      .chartInLoweredPanel = false,
                      .closeButtonTop = 11},
                 monthPageRows(report))
{
    setObjectName(QStringLiteral("FrmTukibetuGN"));
}

void MonthlyGraph::showFor(QWidget *caller, const monthly::Report &report)
{
    MonthlyGraph window(caller, report);
    window.exec();
}

} // namespace fenlo
