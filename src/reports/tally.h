#pragma once

#include "reports/cells.h"
#include "reports/pairs.h"

namespace fenlo {

// Count, highest, lowest and average economy of the measurement pairs of one maker, one
// category or all of them. The average is the summed distance ÷ the summed litres (0 without
// litres), so it weighs every kilometre rather than every fueling.
struct EconomyTally
{
    int count = 0;
    double highest = 0;
    double lowest = 99999999;
    double distance = 0;
    double litres = 0;

    void add(const Measurement &m);
    double average() const { return litres == 0 ? 0 : distance / litres; }
};

// A grid line: the caption, then count, highest, lowest and average; with only the caption
// when nothing was counted.
void addTallyCells(GridText &grid, std::string caption, int count, double highest, double lowest,
                   double average);

} // namespace fenlo
