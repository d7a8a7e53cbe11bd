#pragma once

// What the files of the chart layout share: the cartesian and the pie plot, and the points a
// series shows.

#include "chart/chartlayout.h"

namespace fenlo {

// The two kinds of plot a chart can hold; each fills area and adds its shapes to out.
void layoutCartesian(const ChartModel &chart, const QRectF &area, ChartLayout &out);
void layoutPie(const ChartModel &chart, const QRectF &area, ChartLayout &out);

// The points a chart shows of a series: all of them, or the first page when paged.
std::vector<ChartPoint> shownPoints(const ChartModel &chart, const ChartSeries &series);

} // namespace fenlo
