#pragma once

// The rows the reports are made of: the fuelings each on its own, or the measurement pairs.

#include "data/logbook.h"

#include <vector>

namespace fenlo {

// The figures one report row stands for. In the plain list it is one fueling. In a measurement
// pair it joins fueling j (date, maker, category and amount: the fuel that was bought) with
// fueling j + 1 (odometer, trip distance, litres and economy: what that fuel gave), because the
// economy measured at a fueling judges the fuel bought at the one before it.
struct Measurement
{
    DateTime moment = EmptyDate;
    Currency odometer;
    Currency trip;
    Currency litres;
    std::int32_t makerCode = 0;
    std::int32_t category = 0;
    Currency amount;
    Currency economy;
    int slot = 0; // fuelings slot of the fueling whose date (and comment) the row carries

    bool used() const { return moment != EmptyDate; }
};

// Every used fueling as a row of its own, in slot order.
std::vector<Measurement> fuelingRows(const Logbook &book);

// The measurement pairs in slot order: one for each used fueling j whose next fueling j + 1 is
// used and has a trip distance above 0. The last fueling never forms one.
std::vector<Measurement> measurementPairs(const Logbook &book);

} // namespace fenlo
