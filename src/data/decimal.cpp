#include "data/decimal.h"

#include <array>
#include <charconv>
#include <cmath>
#include <limits>

namespace fenlo {

void Decimal::normalise()
{
    size_t lead = digits.find_first_not_of('0');
    if (lead == std::string::npos) {
        digits.clear();
        exponent = 0;
        negative = false;
        return;
    }
    digits.erase(0, lead);
    size_t last = digits.find_last_not_of('0');
    exponent += static_cast<int>(digits.size() - last - 1);
    digits.erase(last + 1);
}

Decimal Decimal::fromDouble(double value)
{
    Decimal d;
    if (value == 0.0 || !std::isfinite(value))
        return d;
    // "d.dddddddddddddde±x": the 15 significant digits, correctly rounded.
    std::array<char, 64> buffer{};
    auto [end, ec] = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value,
                                   std::chars_format::scientific, 14);
    (void)ec;
    std::string_view text(buffer.data(), static_cast<size_t>(end - buffer.data()));
    if (text.front() == '-') {
        d.negative = true;
        text.remove_prefix(1);
    }
    size_t e = text.find('e');
    int exp10 = 0;
    std::from_chars(text.data() + e + 1 + (text[e + 1] == '+' ? 1 : 0), text.data() + text.size(),
                    exp10);
    for (char c : text.substr(0, e))
        if (c != '.')
            d.digits += c;
    d.exponent = exp10 - static_cast<int>(d.digits.size()) + 1;
    d.normalise();
    return d;
}

Decimal Decimal::fromScaled(std::int64_t raw, int scale)
{
    Decimal d;
    d.negative = raw < 0;
    // Through the unsigned magnitude, so the most negative value does not overflow.
    std::uint64_t magnitude = raw < 0 ? 0 - static_cast<std::uint64_t>(raw)
                                      : static_cast<std::uint64_t>(raw);
    d.digits = std::to_string(magnitude);
    d.exponent = -scale;
    d.normalise();
    return d;
}

std::optional<Decimal> Decimal::parse(std::string_view text)
{
    auto isBlank = [](char c) { return c == ' '; };
    while (!text.empty() && isBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && isBlank(text.back()))
        text.remove_suffix(1);

    Decimal d;
    size_t i = 0;
    if (i < text.size() && (text[i] == '+' || text[i] == '-'))
        d.negative = text[i++] == '-';
    bool anyDigit = false;
    bool seenPoint = false;
    int fractionCount = 0;
    for (; i < text.size(); ++i) {
        char c = text[i];
        if (c >= '0' && c <= '9') {
            anyDigit = true;
            d.digits += c;
            if (seenPoint)
                ++fractionCount;
        } else if (c == '.' && !seenPoint) {
            seenPoint = true;
        } else {
            break;
        }
    }
    if (!anyDigit)
        return std::nullopt;
    long long exp10 = 0;
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        ++i;
        bool expNegative = false;
        if (i < text.size() && (text[i] == '+' || text[i] == '-'))
            expNegative = text[i++] == '-';
        size_t start = i;
        for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
            if (exp10 < 100000)
                exp10 = exp10 * 10 + (text[i] - '0');
        }
        if (i == start)
            return std::nullopt;
        if (expNegative)
            exp10 = -exp10;
    }
    if (i != text.size())
        return std::nullopt;
    d.exponent = static_cast<int>(exp10) - fractionCount;
    d.normalise();
    return d;
}

namespace {

// Adds one unit at the last digit of a digit string; returns true when it grew a digit.
bool incrementDigits(std::string &digits)
{
    for (size_t i = digits.size(); i-- > 0;) {
        if (digits[i] != '9') {
            ++digits[i];
            return false;
        }
        digits[i] = '0';
    }
    digits.insert(digits.begin(), '1');
    return true;
}

} // namespace

Decimal Decimal::roundedToSignificant(int count) const
{
    if (isZero() || static_cast<int>(digits.size()) <= count)
        return *this;
    Decimal r = *this;
    int drop = static_cast<int>(digits.size()) - count;
    bool up = digits[static_cast<size_t>(count)] >= '5';
    r.digits.resize(static_cast<size_t>(count));
    r.exponent += drop;
    if (up)
        incrementDigits(r.digits);
    r.normalise();
    if (r.isZero())
        r.negative = false;
    return r;
}

Decimal Decimal::roundedToDecimals(int decimals) const
{
    if (isZero() || exponent >= -decimals)
        return *this;
    int keep = static_cast<int>(digits.size()) - (-decimals - exponent);
    Decimal r = *this;
    if (keep < 0) {
        r.digits.clear();
        r.normalise();
        return r;
    }
    bool up = digits[static_cast<size_t>(keep)] >= '5';
    r.digits.resize(static_cast<size_t>(keep));
    r.exponent = -decimals;
    if (up) {
        if (r.digits.empty())
            r.digits = "1";
        else
            incrementDigits(r.digits);
    }
    r.normalise();
    return r;
}

std::optional<std::int64_t> Decimal::toScaled(int scale) const
{
    if (isZero())
        return 0;
    int shift = exponent + scale; // power of ten applied to the digit string
    if (leadingExponent() + scale > 19)
        return std::nullopt;
    std::string whole = digits;
    std::string rest;
    if (shift >= 0) {
        whole.append(static_cast<size_t>(shift), '0');
    } else if (static_cast<size_t>(-shift) >= digits.size()) {
        rest = std::string(static_cast<size_t>(-shift) - digits.size(), '0') + digits;
        whole.clear();
    } else {
        rest = digits.substr(digits.size() - static_cast<size_t>(-shift));
        whole = digits.substr(0, digits.size() - static_cast<size_t>(-shift));
    }
    unsigned __int128 magnitude = 0;
    for (char c : whole)
        magnitude = magnitude * 10 + static_cast<unsigned>(c - '0');
    // Halves go to the even neighbour; anything above a half rounds up.
    if (!rest.empty()) {
        int cmp = 0;
        if (rest[0] > '5')
            cmp = 1;
        else if (rest[0] < '5')
            cmp = -1;
        else
            cmp = rest.find_first_not_of('0', 1) != std::string::npos ? 1 : 0;
        if (cmp > 0 || (cmp == 0 && (magnitude & 1) != 0))
            ++magnitude;
    }
    const unsigned __int128 limit =
        static_cast<unsigned __int128>(std::numeric_limits<std::int64_t>::max()) +
        (negative ? 1 : 0);
    if (magnitude > limit)
        return std::nullopt;
    if (negative)
        return static_cast<std::int64_t>(0 - static_cast<std::uint64_t>(magnitude));
    return static_cast<std::int64_t>(magnitude);
}

std::string Decimal::integerDigits() const
{
    if (isZero() || leadingExponent() < 0)
        return {};
    if (exponent >= 0)
        return digits + std::string(static_cast<size_t>(exponent), '0');
    return digits.substr(0, digits.size() - static_cast<size_t>(-exponent));
}

std::string Decimal::fractionDigits() const
{
    if (isZero() || exponent >= 0)
        return {};
    size_t count = static_cast<size_t>(-exponent);
    if (count > digits.size())
        return std::string(count - digits.size(), '0') + digits;
    return digits.substr(digits.size() - count);
}

} // namespace fenlo
