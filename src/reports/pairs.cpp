#include "reports/pairs.h"

namespace fenlo {

std::vector<Measurement> fuelingRows(const Logbook &book)
{
    const int n = book.NenpiTable.usedCount();
    std::vector<Measurement> rows;
    rows.reserve(static_cast<std::size_t>(n));
    for (int slot = 1; slot <= n; ++slot) {
        const Fueling &r = book.NenpiTable[slot];
        rows.push_back(
            {r.nichiji, r.kyori1, r.kyori2, r.ryou, r.gas, r.kubun, r.kingaku, r.nenpi, slot});
    }
    return rows;
}

std::vector<Measurement> measurementPairs(const Logbook &book)
{
    // A free slot read from a damaged file may hold stray figures; it is no fueling to pair with.
    const int n = book.NenpiTable.usedCount();
    std::vector<Measurement> pairs;
    pairs.reserve(static_cast<std::size_t>(n));
    for (int j = 1; j < n; ++j) {
        const Fueling &bought = book.NenpiTable[j];
        const Fueling &measured = book.NenpiTable[j + 1];
        if (measured.kyori2 <= Currency())
            continue;
        pairs.push_back({bought.nichiji, measured.kyori1, measured.kyori2, measured.ryou,
                         bought.gas, bought.kubun, bought.kingaku, measured.nenpi, j});
    }
    return pairs;
}

} // namespace fenlo
