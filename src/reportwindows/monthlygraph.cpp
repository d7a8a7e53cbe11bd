#include "reportwindows/monthlygraph.h"

#include "graphs/reportgraphs.h"

namespace fenlo {

MonthlyGraph::MonthlyGraph(QWidget *caller, const monthly::Report &report)
    : PagedGraph(caller,
                 Look{.frame = {.size = QSize(550, 313),
                                .fontFace = QStringLiteral("ＭＳ Ｐゴシック"),
                                .fontPixels = 12,
                                .minimiseButton = true},
                      .chartInLoweredPanel = false,
                      .closeButtonTop = 11},
                 monthlyGraphContent(report))
{
    setObjectName(QStringLiteral("FrmTukibetuGN"));
}

void MonthlyGraph::showFor(QWidget *caller, const monthly::Report &report)
{
    MonthlyGraph window(caller, report);
    window.exec();
}

} // namespace fenlo
