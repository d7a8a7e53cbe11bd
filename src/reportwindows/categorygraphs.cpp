#include "reportwindows/categorygraphs.h"

namespace fenlo {

namespace {

const QColor LightYellow(255, 255, 128);

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

std::vector<EconomyBar> categoryBars(const bycategory::Report &report)
{
    return countedRows(report, [](const bycategory::CategoryRow &row, std::size_t) {
        return EconomyBar{QString::fromStdString(row.name), row.highest, row.lowest, row.average};
    });
}

std::vector<CountSlice> categorySlices(const bycategory::Report &report)
{
    return countedRows(report, [](const bycategory::CategoryRow &row, std::size_t i) {
        return CountSlice{QString::fromStdString(row.name), row.count,
                          i == 0 ? QColor(255, 0, 0) : QColor(0, 0, 255)};
    });
}

} // namespace

CategoryEconomyGraph::CategoryEconomyGraph(QWidget *caller, const bycategory::Report &report)
    : EconomyBarsGraph(caller,
                       Look{.frame = {.caption = QStringLiteral("区分別燃費グラフ"),
                                      .size = QSize(433, 380),
                                      .fontFace = QStringLiteral("ＭＳ ゴシック"),
                                      .fontPixels = 13,
                                      .minimiseButton = true},
                            .gradientLeft = LightYellow,
                            .hintOnGroup = true,
                            .closeButtonLeft = 33},
                       categoryBars(report), EconomyFigure::Average)
{
    setObjectName(QStringLiteral("FrmKbnirGN"));
}

void CategoryEconomyGraph::showFor(QWidget *caller, const bycategory::Report &report)
{
    CategoryEconomyGraph window(caller, report);
    window.exec();
}

CategoryCountGraph::CategoryCountGraph(QWidget *caller, const bycategory::Report &report)
    : CountPieGraph(caller,
                    Look{.frame = {.caption = QStringLiteral("区分別給油件数グラフ"),
                                   .size = QSize(465, 295),
                                   .fontFace = QStringLiteral("ＭＳ ゴシック"),
                                   .fontPixels = 13,
                                   .minimiseButton = true},
                         .seriesName = QStringLiteral("Series2"),
                         .pieValuesName = QStringLiteral("Pie"),
                         .gradientStart = LightYellow,
                         .gradientEnd = Qt::white,
                         .markLineColour = QColor(0, 0, 0),
                         .closeButtonAt = QPoint(28, 8),
                         .trackBarTop = 7},
                    categorySlices(report))
{
    setObjectName(QStringLiteral("FrmKbnirGK"));
}

void CategoryCountGraph::showFor(QWidget *caller, const bycategory::Report &report)
{
    CategoryCountGraph window(caller, report);
    window.exec();
}

} // namespace fenlo
