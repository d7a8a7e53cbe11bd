#include "data/numformat.h"

#include "data/cp932.h"
#include "data/decimal.h"
#include "data/messages.h"

#include <charconv>
#include <limits>

namespace fenlo {
namespace {

constexpr int GeneralDigits = 15;

std::string generalText(const Decimal &value)
{
    Decimal d = value.roundedToSignificant(GeneralDigits);
    if (d.isZero())
        return "0";
    std::string out = d.negative ? "-" : "";
    int lead = d.leadingExponent();
    if (lead < -5 || lead >= GeneralDigits) {
        out += d.digits[0];
        if (d.digits.size() > 1)
            out += "." + d.digits.substr(1);
        out += "E" + std::string(lead < 0 ? "-" : "") + std::to_string(lead < 0 ? -lead : lead);
        return out;
    }
    std::string whole = d.integerDigits();
    std::string fraction = d.fractionDigits();
    out += whole.empty() ? "0" : whole;
    if (!fraction.empty())
        out += "." + fraction;
    return out;
}

struct Mask
{
    int minIntegerDigits = 0;
    bool grouping = false;
    int requiredDecimals = 0;
    int optionalDecimals = 0;
};

Mask parseMask(std::string_view mask)
{
    Mask m;
    size_t point = mask.find('.');
    std::string_view integer = mask.substr(0, point);
    for (char c : integer) {
        if (c == '0')
            ++m.minIntegerDigits;
        else if (c == ',')
            m.grouping = true;
    }
    if (point != std::string_view::npos) {
        for (char c : mask.substr(point + 1)) {
            if (c == '0')
                ++m.requiredDecimals;
            else if (c == '#')
                ++m.optionalDecimals;
        }
    }
    return m;
}

std::string group(const std::string &digits)
{
    std::string out;
    size_t n = digits.size();
    for (size_t i = 0; i < n; ++i) {
        if (i > 0 && (n - i) % 3 == 0)
            out += ',';
        out += digits[i];
    }
    return out;
}

std::string maskText(const Decimal &value, std::string_view maskText)
{
    Mask m = parseMask(maskText);
    Decimal d = value.roundedToDecimals(m.requiredDecimals + m.optionalDecimals);
    std::string whole = d.integerDigits();
    if (static_cast<int>(whole.size()) < m.minIntegerDigits)
        whole.insert(0, static_cast<size_t>(m.minIntegerDigits) - whole.size(), '0');
    std::string fraction = d.fractionDigits();
    fraction.resize(static_cast<size_t>(m.requiredDecimals + m.optionalDecimals), '0');
    while (static_cast<int>(fraction.size()) > m.requiredDecimals && fraction.back() == '0')
        fraction.pop_back();

    std::string out = d.negative && !d.isZero() ? "-" : "";
    out += m.grouping ? group(whole) : whole;
    if (!fraction.empty())
        out += "." + fraction;
    return out;
}

} // namespace

std::string formatGeneral(double value) { return generalText(Decimal::fromDouble(value)); }

std::string formatGeneral(Currency value)
{
    return generalText(Decimal::fromScaled(value.raw(), 4));
}

std::string formatMask(double value, std::string_view mask)
{
    return maskText(Decimal::fromDouble(value), mask);
}

std::string formatMask(Currency value, std::string_view mask)
{
    // A Currency is exact in decimal: rounding it at the mask's last digit is integer work.
    Mask m = parseMask(mask);
    int decimals = m.requiredDecimals + m.optionalDecimals;
    if (decimals > 4)
        return maskText(Decimal::fromScaled(value.raw(), 4), mask);
    std::int64_t raw = value.raw();
    unsigned __int128 magnitude = raw < 0 ? static_cast<unsigned __int128>(-(raw + 1)) + 1
                                          : static_cast<unsigned __int128>(raw);
    std::uint64_t unit = 1;
    for (int i = decimals; i < 4; ++i)
        unit *= 10;
    auto rounded = static_cast<std::uint64_t>((magnitude + unit / 2) / unit);
    std::uint64_t scale = 1;
    for (int i = 0; i < decimals; ++i)
        scale *= 10;
    std::string whole = std::to_string(rounded / scale);
    if (whole == "0" && m.minIntegerDigits == 0)
        whole.clear();
    if (static_cast<int>(whole.size()) < m.minIntegerDigits)
        whole.insert(0, static_cast<size_t>(m.minIntegerDigits) - whole.size(), '0');
    std::string fraction;
    if (decimals > 0) {
        fraction = std::to_string(rounded % scale);
        fraction.insert(0, static_cast<size_t>(decimals) - fraction.size(), '0');
        while (static_cast<int>(fraction.size()) > m.requiredDecimals && fraction.back() == '0')
            fraction.pop_back();
    }
    std::string out = raw < 0 && rounded != 0 ? "-" : "";
    out += m.grouping ? group(whole) : whole;
    if (!fraction.empty())
        out += "." + fraction;
    return out;
}

FenloError notFloatError(std::string_view cp932Text)
{
    std::string message = msg::NotFloat;
    message.replace(message.find("%s"), 2, cp932ToUtf8(cp932Text));
    return FenloError(message);
}

double parseFloat(std::string_view text)
{
    // Plain number text, as the logbook file holds it, converts directly; anything else (blanks,
    // a "+", errors) takes the checked way below.
    if (!text.empty() && text.find_first_not_of("-0123456789.eE") == std::string_view::npos) {
        double value = 0;
        auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
        if (ec == std::errc() && end == text.data() + text.size())
            return value;
    }
    std::optional<Decimal> d = Decimal::parse(text);
    if (!d)
        throw notFloatError(text);
    // Rebuild a plain form from_chars accepts (no "+", no blanks) from the checked digits.
    std::string plain = (d->negative ? "-" : "") + (d->isZero() ? "0" : d->digits) + "e" +
                        std::to_string(d->exponent);
    double value = 0;
    auto [end, ec] = std::from_chars(plain.data(), plain.data() + plain.size(), value);
    (void)end;
    if (ec == std::errc::result_out_of_range) {
        // Underflow is zero; overflow is not a number the program can hold.
        if (d->leadingExponent() < 0)
            return 0.0;
        throw notFloatError(text);
    }
    return value;
}

std::int32_t parseInteger(std::string_view text)
{
    if (text.size() > 1 && text.front() == '+' && text[1] != '-')
        text.remove_prefix(1);
    std::int32_t value = 0;
    auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || ec != std::errc() || end != text.data() + text.size())
        throw FenloError(msg::NotNumber);
    return value;
}

} // namespace fenlo
