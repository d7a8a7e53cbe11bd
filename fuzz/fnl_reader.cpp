// Any bytes given to the logbook reader: no crash, no undefined behaviour, bounded memory, and
// whatever loads is written and read back to the same bytes and the same logbook. (A date in
// the input with more than the file's 15 significant digits is rounded by the first save, so
// the comparison starts from the logbook as saved once.)

#include "data/error.h"
#include "data/fnlfile.h"
#include "roundtrip.h"

#include <cstdint>
#include <cstdlib>
#include <memory>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    using namespace fenlo;
    auto book = std::make_unique<Logbook>();
    MemorySource source(std::string(reinterpret_cast<const char *>(data), size));
    try {
        if (parseLogbook(*book, source) != LoadResult::Loaded)
            return 0;
    } catch (const FenloError &) {
        return 0;
    }
    fuzz::requireStableRoundTrip(*book);
    return 0;
}
