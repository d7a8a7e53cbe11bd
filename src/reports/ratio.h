#pragma once

// Exact quotients for the report figures, rounded with halves to even.

#include "data/currency.h"

#include <cstdint>

namespace fenlo {

// numerator ÷ denominator rounded to the nearest integer, halves to even, computed exactly so
// that a tie (500.5 yen) is recognised as one. The denominator must not be 0.
inline std::int64_t roundedQuotient(__int128 numerator, __int128 denominator)
{
    if (denominator < 0) {
        numerator = -numerator;
        denominator = -denominator;
    }
    __int128 q = numerator / denominator;
    __int128 r = numerator % denominator;
    __int128 twice = (r < 0 ? -r : r) * 2;
    if (twice > denominator || (twice == denominator && q % 2 != 0))
        q += numerator < 0 ? -1 : 1;
    return static_cast<std::int64_t>(q);
}

// a ÷ b as a Currency (four decimals, halves to even); 0 when b is 0.
inline Currency currencyRatio(Currency a, Currency b)
{
    if (b.raw() == 0)
        return Currency();
    return Currency::fromRaw(
        roundedQuotient(static_cast<__int128>(a.raw()) * Currency::Scale, b.raw()));
}

// a ÷ n as a Currency (four decimals, halves to even); 0 when n is 0.
inline Currency currencyMean(Currency a, std::int64_t n)
{
    return n == 0 ? Currency() : Currency::fromRaw(roundedQuotient(a.raw(), n));
}

} // namespace fenlo
