#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace fenlo {

// A finite decimal number held as its digits: value = ±digits × 10^exponent. All number text of
// the program goes through it, so rounding happens on decimal digits (0.15 rounds to 0.2, as a
// user expects) and never on the binary approximation of a double.
struct Decimal
{
    bool negative = false;
    std::string digits; // no leading or trailing zeros; empty means zero
    int exponent = 0;

    bool isZero() const { return digits.empty(); }

    // The double's value correctly rounded to 15 significant digits.
    static Decimal fromDouble(double value);
    // raw × 10^-scale, exactly.
    static Decimal fromScaled(std::int64_t raw, int scale);
    // The runtime's real-number text: surrounding blanks, an optional sign, digits with at most
    // one ".", at least one digit, an optional exponent "E"/"e" with optional sign and digits.
    static std::optional<Decimal> parse(std::string_view text);

    // Rounded at the given number of decimals, halves away from zero.
    Decimal roundedToDecimals(int decimals) const;
    // Rounded to at most `count` significant digits, halves away from zero.
    Decimal roundedToSignificant(int count) const;
    // value × 10^scale rounded to an integer with halves to even; nullopt when out of range.
    std::optional<std::int64_t> toScaled(int scale) const;

    // Decimal exponent of the leading digit (1234 → 3, 0.05 → -2); meaningless for zero.
    int leadingExponent() const { return exponent + static_cast<int>(digits.size()) - 1; }
    // The digits before the point ("" for |value| < 1) and after it ("" for a whole number).
    std::string integerDigits() const;
    std::string fractionDigits() const;

private:
    void normalise();
};

} // namespace fenlo
