#include "data/currency.h"

#include "data/decimal.h"
#include "data/numformat.h"

#include <cmath>

namespace fenlo {

Currency Currency::fromDouble(double value)
{
    double scaled = std::nearbyint(value * Scale); // the default rounding mode: halves to even
    if (!std::isfinite(scaled) || std::fabs(scaled) >= 9.2233720368547758e18)
        throw notFloatError(formatGeneral(value));
    return Currency(static_cast<std::int64_t>(scaled));
}

namespace {

// "-ddd.dddd" with at most 14 integer and 4 fraction digits: exact without any rounding, which
// is how every amount, distance and litre count of a logbook file is written.
std::optional<Currency> plainCurrency(std::string_view text)
{
    bool negative = !text.empty() && text.front() == '-';
    if (negative)
        text.remove_prefix(1);
    size_t point = text.find('.');
    std::string_view whole = text.substr(0, point);
    std::string_view fraction =
        point == std::string_view::npos ? std::string_view() : text.substr(point + 1);
    if (whole.empty() || whole.size() > 14 || fraction.size() > 4 ||
        (point != std::string_view::npos && fraction.empty()))
        return std::nullopt;
    std::int64_t raw = 0;
    for (char c : whole) {
        if (c < '0' || c > '9')
            return std::nullopt;
        raw = raw * 10 + (c - '0');
    }
    int scale = 0;
    for (char c : fraction) {
        if (c < '0' || c > '9')
            return std::nullopt;
        raw = raw * 10 + (c - '0');
        ++scale;
    }
    for (; scale < 4; ++scale)
        raw *= 10;
    return Currency::fromRaw(negative ? -raw : raw);
}

} // namespace

Currency parseCurrency(std::string_view text)
{
    if (std::optional<Currency> plain = plainCurrency(text))
        return *plain;
    std::optional<Decimal> d = Decimal::parse(text);
    if (!d)
        throw notFloatError(text);
    std::optional<std::int64_t> raw = d->toScaled(4);
    if (!raw)
        throw notFloatError(text);
    return Currency::fromRaw(*raw);
}

} // namespace fenlo
