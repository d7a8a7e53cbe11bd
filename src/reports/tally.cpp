#include "reports/tally.h"

#include "data/numformat.h"

namespace fenlo {

void EconomyTally::add(const Measurement &m)
{
    const double economy = m.economy.toDouble();
    ++count;
    if (economy > highest)
        highest = economy;
    if (economy < lowest)
        lowest = economy;
    distance += m.trip.toDouble();
    litres += m.litres.toDouble();
}

void addTallyCells(GridText &grid, std::string caption, int count, double highest, double lowest,
                   double average)
{
    grid.add(std::move(caption));
    if (count <= 0) {
        for (int i = 0; i < 4; ++i)
            grid.add("");
        return;
    }
    grid.add(std::to_string(count));
    grid.add(formatMask(highest, "#####0.0"));
    grid.add(formatMask(lowest, "#####0.0"));
    grid.add(formatMask(average, "#####0.0"));
}

} // namespace fenlo
