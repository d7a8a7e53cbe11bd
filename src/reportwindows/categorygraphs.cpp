#include "reportwindows/categorygraphs.h"

#include "graphs/reportgraphs.h"

namespace fenlo {

CategoryEconomyGraph::CategoryEconomyGraph(QWidget *caller, const bycategory::Report &report)
    : EconomyBarsGraph(caller,
                       Look{.frame = {.size = QSize(433, 380),
                                      .fontFace = QStringLiteral("ＭＳ ゴシック"),
                                      .fontPixels = 13,
                                      .minimiseButton = true},
                            .hintOnGroup = true,
                            .closeButtonLeft = 33},
                       categoryEconomyGraphContent(report))
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
                    Look{.frame = {.size = QSize(465, 295),
                                   .fontFace = QStringLiteral("ＭＳ ゴシック"),
                                   .fontPixels = 13,
                                   .minimiseButton = true},
                         .closeButtonAt = QPoint(28, 8),
                         .trackBarTop = 7},
                    categoryCountGraphContent(report))
{
    setObjectName(QStringLiteral("FrmKbnirGK"));
}

void CategoryCountGraph::showFor(QWidget *caller, const bycategory::Report &report)
{
    CategoryCountGraph window(caller, report);
    window.exec();
}

} // namespace fenlo
