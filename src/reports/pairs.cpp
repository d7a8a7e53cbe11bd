#include "reports/pairs.h"

namespace fenlo {

std::vector<Measurement> fuelingRows(const Logbook &book)
{
    const int n = book.fuelings.usedCount();
    std::vector<Measurement> rows;
    rows.reserve(static_cast<std::size_t>(n));
    for (int slot = 1; slot <= n; ++slot) {
        const Fueling &r = book.fuelings[slot];
        rows.push_back({r.moment, r.odometer, r.trip, r.litres, r.makerCode, r.category, r.amount,
                        r.economy, slot});
    }
    return rows;
}

std::vector<Measurement> measurementPairs(const Logbook &book)
{
    // A free slot read from a damaged file may hold stray figures; it is no fueling to pair with.
    const int n = book.fuelings.usedCount();
    std::vector<Measurement> pairs;
    pairs.reserve(static_cast<std::size_t>(n));
    for (int j = 1; j < n; ++j) {
        const Fueling &bought = book.fuelings[j];
        const Fueling &measured = book.fuelings[j + 1];
        if (measured.trip <= Currency())
            continue;
        pairs.push_back({bought.moment, measured.odometer, measured.trip, measured.litres,
                         bought.makerCode, bought.category, bought.amount, measured.economy, j});
    }
    return pairs;
}

} // namespace fenlo
