// Any bytes as a CSV file to import: the reader and the import either take them or report a
// message, never misbehave, and whatever they import is a logbook that saves and loads again.

#include "data/error.h"
#include "exchange/csvimport.h"
#include "roundtrip.h"

#include <cstdint>
#include <cstdlib>
#include <memory>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    using namespace fenlo;
    const std::string_view bytes(reinterpret_cast<const char *>(data), size);
    auto book = std::make_unique<Logbook>();
    book->clear();
    CsvImportSummary summary;
    try {
        const CsvTable table = parseCsv(bytes);
        summary = importCsv(*book, table, recogniseColumns(table), {});
    } catch (const FenloError &) {
        return 0;
    }
    if (summary.added != book->fuelings.usedCount() ||
        book->makers.usedCount() > Logbook::MakerSlots)
        std::abort();
    fuzz::requireStableRoundTrip(*book);
    return 0;
}
