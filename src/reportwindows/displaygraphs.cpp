#include "reportwindows/displaygraphs.h"

#include "graphs/reportgraphs.h"

namespace fenlo {

FuelingsGraph::FuelingsGraph(QWidget *caller, std::span<const Measurement> rows)
    : PagedGraph(caller,
                 Look{.frame = {.size = QSize(430, 313),
                                .fontFace = QStringLiteral("ＭＳ ゴシック"),
                                .fontPixels = 13},
                      .chartInLoweredPanel = true,
                      .closeButtonTop = 10},
                 fuelingsGraphContent(rows))
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
                 Look{.frame = {.size = QSize(429, 312),
                                .fontFace = QStringLiteral("ＭＳ Ｐゴシック"),
                                .fontPixels = 12},
                      .chartInLoweredPanel = false,
                      .closeButtonTop = 10},
                 pairsGraphContent(rows))
{
    setObjectName(QStringLiteral("FrmOut2G"));
}

void PairsGraph::showFor(QWidget *caller, std::span<const Measurement> rows)
{
    PairsGraph window(caller, rows);
    window.exec();
}

} // namespace fenlo
