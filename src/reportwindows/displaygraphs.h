#pragma once

// The graph windows of the two input data displays.

#include "reports/pairs.h"
#include "reportwindows/pagedgraph.h"

#include <span>

namespace fenlo {

// The graph of input data display 1: twenty listed fuelings a page, in blue.
class FuelingsGraph : public PagedGraph
{
public:
    FuelingsGraph(QWidget *caller, std::span<const Measurement> rows);
    // Opens the graph over display 1 for one modal use.
    static void showFor(QWidget *caller, std::span<const Measurement> rows);
};

// The graph of input data display 2: twenty measurement pairs a page, in red.
class PairsGraph : public PagedGraph
{
public:
    PairsGraph(QWidget *caller, std::span<const Measurement> rows);
    static void showFor(QWidget *caller, std::span<const Measurement> rows);
};

} // namespace fenlo
