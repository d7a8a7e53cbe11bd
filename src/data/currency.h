#pragma once

#include <compare>
#include <cstdint>
#include <string_view>

namespace fenlo {

// Fixed-point money-style number: value × 10000 in a signed 64-bit integer. Distances, litres,
// amounts and economies are all held in it, so sums are exact.
class Currency
{
public:
    static constexpr std::int64_t Scale = 10000;

    constexpr Currency() = default;
    static constexpr Currency fromRaw(std::int64_t raw) { return Currency(raw); }
    static constexpr Currency fromUnits(std::int64_t units) { return Currency(units * Scale); }
    // The double × 10000 rounded to the nearest integer, halves to even; the result of a
    // division or an average becomes a Currency this way. Throws FenloError when out of range.
    static Currency fromDouble(double value);

    constexpr std::int64_t raw() const { return raw_; }
    constexpr double toDouble() const { return static_cast<double>(raw_) / Scale; }

    constexpr Currency operator+(Currency o) const { return Currency(raw_ + o.raw_); }
    constexpr Currency operator-(Currency o) const { return Currency(raw_ - o.raw_); }
    constexpr Currency &operator+=(Currency o)
    {
        raw_ += o.raw_;
        return *this;
    }
    constexpr auto operator<=>(const Currency &) const = default;

private:
    constexpr explicit Currency(std::int64_t raw) : raw_(raw) {}
    std::int64_t raw_ = 0;
};

// Text to Currency as the runtime does it: the real-number text, × 10000, halves to even.
// Throws FenloError "'text' は浮動小数点数ではありません" for text that is not a number.
Currency parseCurrency(std::string_view text);

} // namespace fenlo
