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

Currency parseCurrency(std::string_view text)
{
    std::optional<Decimal> d = Decimal::parse(text);
    if (!d)
        throw notFloatError(text);
    std::optional<std::int64_t> raw = d->toScaled(4);
    if (!raw)
        throw notFloatError(text);
    return Currency::fromRaw(*raw);
}

} // namespace fenlo
