#pragma once

#include "data/logbook.h"

#include <memory>
#include <string>

namespace fenlo::bench {

// A logbook with every slot in use: 20 makers, 1000 fuelings with Japanese comments, 1000
// memos. Deterministic, so every run measures the same work.
inline std::unique_ptr<Logbook> fullLogbook()
{
    auto book = std::make_unique<Logbook>();
    book->carName = "\x83\x7e\x83\x89\x83\x43\x8d\x86"; // ミライ号
    for (int i = 1; i <= Logbook::MakerSlots; ++i)
        book->makers[i] = {i * 4, "\x83\x81\x81\x5b\x83\x4a\x81\x5b" + std::to_string(i)};
    for (int i = 1; i <= Logbook::FuelingSlots; ++i) {
        Fueling &r = book->fuelings[i];
        r.moment = 37000.0 + i * 3 + (i % 24) / 24.0;
        r.odometer = Currency::fromRaw(100000000 + i * 4123000LL);
        r.trip = Currency::fromRaw(3000000 + (i * 7919) % 2000000);
        r.litres = Currency::fromRaw(250000 + (i * 104729) % 200000);
        r.makerCode = ((i % Logbook::MakerSlots) + 1) * 4;
        r.category = i % 3 + 1;
        r.amount = Currency::fromUnits(3000 + (i * 37) % 3000);
        r.economy = Currency::fromRaw(100000 + (i * 31) % 60000);
        r.comment = "\x8d\x82\x91\xac\x93\xb9\x98\x48\x82\xc5\x8b\x41\x90\xc8 " + std::to_string(i);
    }
    for (int i = 1; i <= Logbook::MemoSlots; ++i)
        book->memos[i] = {37000.0 + i * 3,
                          "\x83\x49\x83\x43\x83\x8b\x8c\xf0\x8a\xb7 " + std::to_string(i)};
    return book;
}

} // namespace fenlo::bench
