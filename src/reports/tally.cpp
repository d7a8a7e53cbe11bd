#include "reports/tally.h"

#include "data/numformat.h"

namespace fenlo {

void EconomyTally::add(const Measurement &m)
{
    const double nenpi = m.nenpi.toDouble();
    ++kensu;
    if (nenpi > saikou)
        saikou = nenpi;
    if (nenpi < saitei)
        saitei = nenpi;
    kyori += m.kyori2.toDouble();
    ryou += m.ryou.toDouble();
}

void addTallyCells(GridText &grid, std::string caption, int kensu, double saikou, double saitei,
                   double heikin)
{
    grid.add(std::move(caption));
    if (kensu <= 0) {
        for (int i = 0; i < 4; ++i)
            grid.add("");
        return;
    }
    grid.add(std::to_string(kensu));
    grid.add(formatMask(saikou, "#####0.0"));
    grid.add(formatMask(saitei, "#####0.0"));
    grid.add(formatMask(heikin, "#####0.0"));
}

} // namespace fenlo
