#pragma once

#include "chart/chartmodel.h"

#include <vector>

namespace fenlo::test {

enum class PagedKind { Bar, Ribbon, Area };

// A chart set up as the paged economy graphs set theirs: three series of which one is active,
// a page of perPage points and the values given, at X = 1, 2, 3 …
void setUpPagedChart(ChartModel &chart, PagedKind kind, int perPage,
                     const std::vector<double> &values);

// Highest, lowest and average economy per maker as three side-by-side horizontal bar series.
void setUpMakerBars(ChartModel &chart, int makers);

// Fueling counts per maker as the turning pie.
PieSeries *setUpMakerPie(ChartModel &chart, int makers, int rotation);

// Economy figures that look like a real logbook's.
std::vector<double> sampleEconomy(int count);

} // namespace fenlo::test
