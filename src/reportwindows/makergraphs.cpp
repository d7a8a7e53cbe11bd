#include "reportwindows/makergraphs.h"

#include <array>

namespace fenlo {

namespace {

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

std::vector<EconomyBar> makerBars(const bymaker::Report &report)
{
    std::vector<EconomyBar> bars;
    for (const bymaker::MakerRow &row : report.makers)
        bars.push_back({QString::fromStdString(row.name), row.highest, row.lowest, row.average});
    return bars;
}

std::vector<CountSlice> makerSlices(const bymaker::Report &report)
{
    std::vector<CountSlice> slices;
    for (std::size_t i = 0; i < report.makers.size() && i < RowPlaceColours.size(); ++i) {
        const bymaker::MakerRow &row = report.makers[i];
        slices.push_back({QString::fromStdString(row.name), row.count, RowPlaceColours[i]});
    }
    return slices;
}

} // namespace

MakerEconomyGraph::MakerEconomyGraph(QWidget *caller, const bymaker::Report &report,
                                     bymaker::MakerOrder order)
    : EconomyBarsGraph(caller,
                       Look{.frame = {.caption = QStringLiteral("燃料メーカー別燃費グラフ"),
                                      .size = QSize(433, 380),
                                      .fontFace = QStringLiteral("ＭＳ ゴシック"),
                                      .fontPixels = 13},
                            .gradientLeft = QColor(255, 172, 132),
                            .hintOnGroup = false,
                            .closeButtonLeft = 26},
                       makerBars(report), figureOf(order))
{
    setObjectName(QStringLiteral("FrmMbnirGN"));
}

void MakerEconomyGraph::showFor(QWidget *caller, const bymaker::Report &report,
                                bymaker::MakerOrder order)
{
    MakerEconomyGraph window(caller, report, order);
    window.exec();
}

MakerCountGraph::MakerCountGraph(QWidget *caller, const bymaker::Report &report)
    : CountPieGraph(caller,
                    Look{.frame = {.caption = QStringLiteral("燃料メーカー別給油件数グラフ"),
                                   .size = QSize(465, 295),
                                   .fontFace = QStringLiteral("ＭＳ ゴシック"),
                                   .fontPixels = 13},
                         .seriesName = QStringLiteral("Series1"),
                         .pieValuesName = QStringLiteral("円"),
                         .gradientStart = Qt::white,
                         .gradientEnd = QColor(255, 157, 111),
                         .markLineColour = std::nullopt,
                         .closeButtonAt = QPoint(19, 10),
                         .trackBarTop = 6},
                    makerSlices(report))
{
    setObjectName(QStringLiteral("FrmMbnirGK"));
}

void MakerCountGraph::showFor(QWidget *caller, const bymaker::Report &report)
{
    MakerCountGraph window(caller, report);
    window.exec();
}

} // namespace fenlo
