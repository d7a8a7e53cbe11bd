#include "reports/displaygraphs.h"

namespace fenlo {

namespace {

constexpr int RowsPerPage = 20;

} // namespace

PageRows displayPageRows(std::span<const Measurement> rows)
{
    PageRows page;
    page.reserve(rows.size());
    int number = 0;
    for (const Measurement &row : rows) {
        ++number;
        if (row.nenpi.raw() > 0)
            page.push_back(PagePoint{row.nenpi.toDouble(), QString::number(number)});
        else
            page.push_back(std::nullopt);
    }
    return page;
}

TFrmOut1G::TFrmOut1G(QWidget *caller, std::span<const Measurement> rows)
    : PagedGraph(caller,
                 Look{{QStringLiteral("入力データ表示1グラフ"), QSize(430, 313),
                       QStringLiteral("ＭＳ ゴシック"), 13},
                      RowsPerPage,
                      QColor(128, 255, 128),
                      QColor(255, 128, 128),
                      QColor(0, 0, 255),
                      true,
                      true,
                      10},
                 displayPageRows(rows))
{
    setObjectName(QStringLiteral("FrmOut1G"));
}

void TFrmOut1G::showFor(QWidget *caller, std::span<const Measurement> rows)
{
    TFrmOut1G window(caller, rows);
    window.exec();
}

TFrmOut2G::TFrmOut2G(QWidget *caller, std::span<const Measurement> rows)
    : PagedGraph(caller,
                 Look{{QStringLiteral("入力データ表示2グラフ"), QSize(429, 312),
                       QStringLiteral("ＭＳ Ｐゴシック"), 12},
                      RowsPerPage,
                      QColor(196, 196, 255),
                      QColor(0, 0, 128),
                      QColor(255, 0, 0),
                      true,
                      false,
                      10},
                 displayPageRows(rows))
{
    setObjectName(QStringLiteral("FrmOut2G"));
}

void TFrmOut2G::showFor(QWidget *caller, std::span<const Measurement> rows)
{
    TFrmOut2G window(caller, rows);
    window.exec();
}

} // namespace fenlo
