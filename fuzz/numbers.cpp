// The number and date text of the program: parsing never misbehaves, and a value that parses
// prints in the general form as text that parses back to the same value.

#include "data/currency.h"
#include "data/datetime.h"
#include "data/error.h"
#include "data/numformat.h"

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

void checkCurrency(const std::string &text)
{
    using namespace fenlo;
    Currency value;
    try {
        value = parseCurrency(text);
    } catch (const FenloError &) {
        return;
    }
    // Beyond 15 significant digits the general form rounds, by design of the file format.
    if (value.raw() > -1'000'000'000'000'000 && value.raw() < 1'000'000'000'000'000 &&
        parseCurrency(formatGeneral(value)) != value)
        std::abort();
    for (const char *mask : {"######0.0", "########0", "###0.0", "#,##0.#", "#,##0.###"})
        formatMask(value, mask);
}

void checkFloat(const std::string &text)
{
    using namespace fenlo;
    double value = 0;
    try {
        value = parseFloat(text);
    } catch (const FenloError &) {
        return;
    }
    std::string general = formatGeneral(value);
    double back = parseFloat(general);
    if (formatGeneral(back) != general)
        std::abort();
    formatMask(value, "#,##0.###");
    // Dates before 1899-12-30 count their time of day backwards, so only later ones
    // decompose into parts that rebuild the same day and hour.
    if (auto parts = decodeDateTime(value); parts && value >= 0) {
        auto rebuilt = encodeDateTime(parts->year, parts->month, parts->day, parts->hour);
        if (!rebuilt || formatDate(*rebuilt) != formatDate(value) ||
            formatHour(*rebuilt) != formatHour(value))
            std::abort();
    }
}

void checkInteger(const std::string &text)
{
    try {
        std::int32_t v = fenlo::parseInteger(text);
        if (fenlo::parseInteger(std::to_string(v)) != v)
            std::abort();
    } catch (const fenlo::FenloError &) {
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    std::string text(reinterpret_cast<const char *>(data), size);
    checkCurrency(text);
    checkFloat(text);
    checkInteger(text);
    return 0;
}
