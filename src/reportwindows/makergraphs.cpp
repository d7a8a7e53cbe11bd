#include "reportwindows/makergraphs.h"

#include "graphs/reportgraphs.h"

namespace fenlo {

MakerEconomyGraph::MakerEconomyGraph(QWidget *caller, const bymaker::Report &report,
                                     bymaker::MakerOrder order)
    : EconomyBarsGraph(caller,
                       Look{.frame = {.size = QSize(433, 380),
                                      .fontFace = QStringLiteral("ＭＳ ゴシック"),
                                      .fontPixels = 13},
                            .hintOnGroup = false,
                            .closeButtonLeft = 26},
                       makerEconomyGraphContent(report, order))
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
                    Look{.frame = {.size = QSize(465, 295),
                                   .fontFace = QStringLiteral("ＭＳ ゴシック"),
                                   .fontPixels = 13},
                         .closeButtonAt = QPoint(19, 10),
                         .trackBarTop = 6},
                    makerCountGraphContent(report))
{
    setObjectName(QStringLiteral("FrmMbnirGK"));
}

void MakerCountGraph::showFor(QWidget *caller, const bymaker::Report &report)
{
    MakerCountGraph window(caller, report);
    window.exec();
}

} // namespace fenlo
