#pragma once

#include "data/fnlfile.h"

#include <cstdlib>
#include <memory>
#include <string>

namespace fenlo::fuzz {

// Whatever a reader produced must save, load again to the same bytes, and load a second time
// to the same logbook; the process aborts otherwise, which the fuzzer reports.
inline void requireStableRoundTrip(const Logbook &book)
{
    const std::string written = serializeLogbook(book);
    auto again = std::make_unique<Logbook>();
    MemorySource reread(written);
    if (parseLogbook(*again, reread) != LoadResult::Loaded || serializeLogbook(*again) != written)
        std::abort();
    auto third = std::make_unique<Logbook>();
    MemorySource rereread(written);
    if (parseLogbook(*third, rereread) != LoadResult::Loaded || !third->sameData(*again))
        std::abort();
}

} // namespace fenlo::fuzz
