#include "reportwindows/displaygraphs.h"

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
        if (row.economy.raw() > 0)
            page.push_back(PagePoint{row.economy.toDouble(), QString::number(number)});
        else
            page.push_back(std::nullopt);
    }
    return page;
}

FuelingsGraph::FuelingsGraph(QWidget *caller, std::span<const Measurement> rows)
    : PagedGraph(caller,
                 Look{.frame = {.caption = QStringLiteral("入力データ表示1グラフ"),
                                .size = QSize(430, 313),
                                .fontFace = QStringLiteral("ＭＳ ゴシック"),
                                .fontPixels = 13},
                      .perPage = RowsPerPage,
                      .gradientBottom = QColor(128, 255, 128),
                      .bottomWall = QColor(255, 128, 128),
                      .pointColour = QColor(0, 0, 255),
                      .valueFormatOnAll = true,
                      .chartInLoweredPanel = true,
                      .closeButtonTop = 10},
                 displayPageRows(rows))
{
    setObjectName(QStringLiteral("FrmOut1G"));
}

void FuelingsGraph::showFor(QWidget *caller, std::span<const Measurement> rows)
{
    FuelingsGraph window(caller, rows);
    window.exec();
}

PairsGraph::PairsGraph(QWidget *caller, std::span<const Measurement> rows)
    : PagedGraph(caller,
                 Look{.frame = {.caption = QStringLiteral("入力データ表示2グラフ"),
                                .size = QSize(429, 312),
                                .fontFace = QStringLiteral("ＭＳ Ｐゴシック"),
                                .fontPixels = 12},
                      .perPage = RowsPerPage,
                      .gradientBottom = QColor(196, 196, 255),
                      .bottomWall = QColor(0, 0, 128),
                      .pointColour = QColor(255, 0, 0),
                      .valueFormatOnAll = true,
                      .chartInLoweredPanel = false,
                      .closeButtonTop = 10},
                 displayPageRows(rows))
{
    setObjectName(QStringLiteral("FrmOut2G"));
}

void PairsGraph::showFor(QWidget *caller, std::span<const Measurement> rows)
{
    PairsGraph window(caller, rows);
    window.exec();
}

} // namespace fenlo
