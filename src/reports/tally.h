#pragma once

#include "reports/cells.h"
#include "reports/pairs.h"

namespace fenlo {

// Count, highest, lowest and average economy of the measurement pairs of one maker, one
// category or all of them. The average is the summed distance ÷ the summed litres (0 without
// litres), so it weighs every kilometre rather than every fueling.
struct EconomyTally
{
    int kensu = 0;
    double saikou = 0;
    double saitei = 99999999;
    double kyori = 0;
    double ryou = 0;

    void add(const Measurement &m);
    double heikin() const { return ryou == 0 ? 0 : kyori / ryou; }
};

// A grid line: the caption, then count, highest, lowest and average; with only the caption
// when nothing was counted.
void addTallyCells(GridText &grid, std::string caption, int kensu, double saikou, double saitei,
                   double heikin);

} // namespace fenlo
