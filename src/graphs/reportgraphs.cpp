#include "graphs/reportgraphs.h"

#include <array>

namespace fenlo {

namespace {

constexpr int DisplayRowsPerPage = 20;
const QColor Blue(0, 0, 255);
const QColor Red(255, 0, 0);
const QColor LightYellow(255, 255, 128);

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

PageRows monthPageRows(const monthly::Report &report)
{
    PageRows rows;
    rows.reserve(report.months.size());
    for (const monthly::MonthRow &month : report.months)
        rows.push_back(PagePoint{month.economy.toDouble(), QString::fromStdString(month.month)});
    return rows;
}

// By place in the list, not by maker: some colours come back further down.
const std::array<QColor, 20> RowPlaceColours = {
    QColor(255, 0, 0),     QColor(0, 0, 255),     QColor(0, 255, 0),     QColor(0, 255, 255),
    QColor(0, 128, 0),     QColor(255, 255, 0),   QColor(128, 0, 0),     QColor(0, 0, 128),
    QColor(128, 128, 0),   QColor(128, 0, 128),   QColor(0, 128, 128),   QColor(255, 255, 0),
    QColor(255, 0, 255),   QColor(192, 192, 192), QColor(255, 0, 0),     QColor(255, 255, 255),
    QColor(128, 128, 128), QColor(0, 0, 0),       QColor(128, 128, 128), QColor(192, 192, 192),
};

EconomyFigure figureOf(bymaker::MakerOrder order)
{
    switch (order) {
    case bymaker::MakerOrder::Highest:
        return EconomyFigure::Highest;
    case bymaker::MakerOrder::Lowest:
        return EconomyFigure::Lowest;
    case bymaker::MakerOrder::Count:
    case bymaker::MakerOrder::Average:
        break;
    }
    return EconomyFigure::Average;
}

// Only the categories with counted pairs have bars or slices.
template <class Make> auto countedRows(const bycategory::Report &report, Make make)
{
    std::vector<decltype(make(report.categories[0], 0))> rows;
    for (std::size_t i = 0; i < report.categories.size(); ++i) {
        if (report.categories[i].count > 0)
            rows.push_back(make(report.categories[i], i));
    }
    return rows;
}

} // namespace

PagedGraphContent fuelingsGraphContent(std::span<const Measurement> rows)
{
    return {.caption = QStringLiteral("入力データ表示1グラフ"),
            .look = {.perPage = DisplayRowsPerPage,
                     .gradientBottom = QColor(128, 255, 128),
                     .bottomWall = QColor(255, 128, 128),
                     .pointColour = Blue,
                     .valueFormatOnAll = true},
            .rows = displayPageRows(rows)};
}

PagedGraphContent pairsGraphContent(std::span<const Measurement> rows)
{
    return {.caption = QStringLiteral("入力データ表示2グラフ"),
            .look = {.perPage = DisplayRowsPerPage,
                     .gradientBottom = QColor(196, 196, 255),
                     .bottomWall = QColor(0, 0, 128),
                     .pointColour = Red,
                     .valueFormatOnAll = true},
            .rows = displayPageRows(rows)};
}

PagedGraphContent monthlyGraphContent(const monthly::Report &report)
{
    return {.caption = QStringLiteral("月別燃費一覧グラフ"),
            .look = {.perPage = 12,
                     .gradientBottom = QColor(255, 179, 255),
                     .bottomWall = QColor(255, 128, 128),
                     .pointColour = Blue,
                     .valueFormatOnAll = false},
            .rows = monthPageRows(report)};
}

EconomyBarsContent makerEconomyGraphContent(const bymaker::Report &report,
                                            bymaker::MakerOrder order)
{
    std::vector<EconomyBar> bars;
    for (const bymaker::MakerRow &row : report.makers)
        bars.push_back({QString::fromStdString(row.name), row.highest, row.lowest, row.average});
    return {.caption = QStringLiteral("燃料メーカー別燃費グラフ"),
            .gradientLeft = QColor(255, 172, 132),
            .rows = std::move(bars),
            .initial = figureOf(order)};
}

CountPieContent makerCountGraphContent(const bymaker::Report &report)
{
    std::vector<CountSlice> slices;
    for (std::size_t i = 0; i < report.makers.size() && i < RowPlaceColours.size(); ++i) {
        const bymaker::MakerRow &row = report.makers[i];
        slices.push_back({QString::fromStdString(row.name), row.count, RowPlaceColours[i]});
    }
    return {.caption = QStringLiteral("燃料メーカー別給油件数グラフ"),
            .look = {.seriesName = QStringLiteral("Series1"),
                     .pieValuesName = QStringLiteral("円"),
                     .gradientStart = Qt::white,
                     .gradientEnd = QColor(255, 157, 111),
                     .markLineColour = std::nullopt},
            .slices = std::move(slices)};
}

EconomyBarsContent categoryEconomyGraphContent(const bycategory::Report &report)
{
    return {.caption = QStringLiteral("区分別燃費グラフ"),
            .gradientLeft = LightYellow,
            .rows = countedRows(report,
                                [](const bycategory::CategoryRow &row, std::size_t) {
                                    return EconomyBar{QString::fromStdString(row.name), row.highest,
                                                      row.lowest, row.average};
                                }),
            .initial = EconomyFigure::Average};
}

CountPieContent categoryCountGraphContent(const bycategory::Report &report)
{
    return {.caption = QStringLiteral("区分別給油件数グラフ"),
            .look = {.seriesName = QStringLiteral("Series2"),
                     .pieValuesName = QStringLiteral("Pie"),
                     .gradientStart = LightYellow,
                     .gradientEnd = Qt::white,
                     .markLineColour = QColor(0, 0, 0)},
            .slices = countedRows(report, [](const bycategory::CategoryRow &row, std::size_t i) {
                return CountSlice{QString::fromStdString(row.name), row.count, i == 0 ? Red : Blue};
            })};
}

} // namespace fenlo
