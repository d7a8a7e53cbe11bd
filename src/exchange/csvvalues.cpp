#include "exchange/csvvalues.h"

#include "data/datetime.h"
#include "data/decimal.h"

#include <algorithm>
#include <array>
#include <charconv>

namespace fenlo {
namespace {

constexpr std::string_view IdeographicSpace = "\xE3\x80\x80";

std::string_view trimmed(std::string_view text)
{
    for (;;) {
        const std::size_t before = text.size();
        while (!text.empty() && (text.front() == ' ' || text.front() == '\t'))
            text.remove_prefix(1);
        while (!text.empty() && (text.back() == ' ' || text.back() == '\t'))
            text.remove_suffix(1);
        if (text.starts_with(IdeographicSpace))
            text.remove_prefix(IdeographicSpace.size());
        if (text.ends_with(IdeographicSpace))
            text.remove_suffix(IdeographicSpace.size());
        if (text.size() == before)
            return text;
    }
}

bool removePrefix(std::string_view &text, std::string_view prefix)
{
    if (!text.starts_with(prefix))
        return false;
    text.remove_prefix(prefix.size());
    return true;
}

bool removeSuffix(std::string_view &text, std::string_view suffix)
{
    if (!text.ends_with(suffix))
        return false;
    text.remove_suffix(suffix.size());
    return true;
}

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

int toInt(std::string_view digits)
{
    int value = 0;
    std::from_chars(digits.data(), digits.data() + digits.size(), value);
    return value;
}

// Removes the thousands separators from the integer part of a number, which must then be
// grouped exactly by three ("12,345"); false for any other use of the separator.
bool dropGrouping(std::string &number, char group, char point)
{
    const std::size_t end = std::min(number.find(point), number.size());
    if (number.find(group) == std::string::npos)
        return true;
    if (number.find(group, end) != std::string::npos)
        return false;
    std::string digits;
    std::size_t run = 0;
    bool first = true;
    for (std::size_t i = 0; i < end; ++i) {
        if (number[i] == group) {
            if ((first && (run == 0 || run > 3)) || (!first && run != 3))
                return false;
            first = false;
            run = 0;
        } else {
            digits += number[i];
            ++run;
        }
    }
    if (run != 3)
        return false;
    number = digits + number.substr(end);
    return true;
}

// raw × numerator ÷ denominator, halves to even as every Currency is rounded.
Currency scaled(Currency value, std::int64_t numerator, std::int64_t denominator)
{
    const __int128 product = static_cast<__int128>(value.raw()) * numerator;
    __int128 quotient = product / denominator;
    const __int128 twice = (product % denominator) * 2;
    if (twice > denominator || (twice == denominator && quotient % 2 != 0))
        ++quotient;
    else if (twice < -denominator || (twice == -denominator && quotient % 2 != 0))
        --quotient;
    return Currency::fromRaw(static_cast<std::int64_t>(quotient));
}

// A run of digits at the front of `text`, taken off it.
std::string_view takeDigits(std::string_view &text)
{
    std::size_t n = 0;
    while (n < text.size() && isDigit(text[n]))
        ++n;
    std::string_view digits = text.substr(0, n);
    text.remove_prefix(n);
    return digits;
}

bool inList(std::string_view word, std::initializer_list<std::string_view> list)
{
    return std::find(list.begin(), list.end(), word) != list.end();
}

int fullYear(std::string_view digits)
{
    const int year = toInt(digits);
    if (digits.size() > 2)
        return year;
    return year >= 90 ? 1900 + year : 2000 + year;
}

} // namespace

std::string normalizedText(std::string_view text)
{
    std::string out;
    std::string_view rest = trimmed(text);
    while (!rest.empty()) {
        if (removePrefix(rest, "\xEF\xBC\x88")) // full-width brackets read as the narrow ones
            out += '(';
        else if (removePrefix(rest, "\xEF\xBC\x89"))
            out += ')';
        else {
            const char c = rest.front();
            out += c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
            rest.remove_prefix(1);
        }
    }
    return out;
}

std::optional<Currency> parseCsvNumber(std::string_view text, bool decimalComma)
{
    std::string_view t = trimmed(text);
    for (std::string_view sign :
         {"\xC2\xA5", "\xEF\xBF\xA5", "$", "\\"}) // ¥ ￥ $, and ¥ as CP932 has it
        if (removePrefix(t, sign))
            break;
    removeSuffix(t, "\xE5\x86\x86"); // 円
    t = trimmed(t);
    if (t.empty() || t.front() == '-')
        return std::nullopt;
    std::string number(t);
    if (decimalComma && number.find(',') != std::string::npos) {
        if (!dropGrouping(number, '.', ','))
            return std::nullopt;
        std::replace(number.begin(), number.end(), ',', '.');
    } else if (!dropGrouping(number, ',', '.')) {
        return std::nullopt;
    }
    std::optional<Decimal> value = Decimal::parse(number);
    if (!value || value->negative)
        return std::nullopt;
    std::optional<std::int64_t> raw = value->toScaled(4);
    if (!raw)
        return std::nullopt;
    return Currency::fromRaw(*raw);
}

Currency milesToKilometres(Currency miles)
{
    return scaled(miles, 1'609'344, 1'000'000);
}

Currency gallonsToLitres(Currency gallons)
{
    return scaled(gallons, 3'785'411'784, 1'000'000'000);
}

std::optional<DateShape> dateShape(std::string_view text)
{
    std::string_view rest = trimmed(text);
    DateShape shape;
    std::string_view first = takeDigits(rest);
    if (first.size() == 8 && (rest.empty() || rest.front() == ' ' || rest.front() == 'T')) {
        shape.parts = {first.substr(0, 4), first.substr(4, 2), first.substr(6, 2)};
    } else {
        if (first.empty() || first.size() > 4)
            return std::nullopt;
        if (removePrefix(rest, "\xE5\xB9\xB4")) { // 年 … 月 … 日
            shape.separator = 'y';
            std::string_view month = takeDigits(rest);
            if (!removePrefix(rest, "\xE6\x9C\x88"))
                return std::nullopt;
            std::string_view day = takeDigits(rest);
            removePrefix(rest, "\xE6\x97\xA5");
            shape.parts = {first, month, day};
        } else {
            if (rest.empty() || (rest.front() != '/' && rest.front() != '-' && rest.front() != '.'))
                return std::nullopt;
            shape.separator = rest.front();
            rest.remove_prefix(1);
            std::string_view second = takeDigits(rest);
            if (!removePrefix(rest, std::string_view(&shape.separator, 1)))
                return std::nullopt;
            std::string_view third = takeDigits(rest);
            if (shape.separator == '.')
                removePrefix(rest, "."); // "06.05.2024." as some programs end it
            shape.parts = {first, second, third};
        }
        for (std::string_view part : shape.parts) {
            if (part.empty() || part.size() > 4)
                return std::nullopt;
        }
    }
    if (!rest.empty() && rest.front() != ' ' && rest.front() != 'T')
        return std::nullopt;
    if (!rest.empty())
        rest.remove_prefix(1);
    shape.time = trimmed(rest);
    return shape;
}

std::optional<DateOrder> detectDateOrder(const std::vector<DateShape> &shapes)
{
    bool dayFirst = false, monthFirst = false, yearLast = false, dotted = false;
    for (const DateShape &shape : shapes) {
        if (shape.parts[0].size() == 4 || shape.parts[2].size() != 4 || shape.separator == 'y')
            continue;
        yearLast = true;
        dayFirst = dayFirst || toInt(shape.parts[0]) > 12;
        monthFirst = monthFirst || toInt(shape.parts[1]) > 12;
        dotted = dotted || shape.separator == '.';
    }
    if (dayFirst && monthFirst)
        return std::nullopt;
    if (dayFirst)
        return DateOrder::DayMonthYear;
    if (monthFirst)
        return DateOrder::MonthDayYear;
    if (yearLast)
        return dotted ? DateOrder::DayMonthYear : DateOrder::MonthDayYear;
    return DateOrder::YearMonthDay;
}

std::optional<CsvDate> parseCsvDate(std::string_view text, DateOrder order)
{
    std::optional<DateShape> shape = dateShape(text);
    if (!shape)
        return std::nullopt;
    const auto &p = shape->parts;
    if (p[0].size() >= 3 || shape->separator == 'y' || shape->separator == 0)
        order = DateOrder::YearMonthDay;
    else if (p[2].size() >= 3) // the year last: the order only tells day and month apart
        order = order == DateOrder::DayMonthYear ? order : DateOrder::MonthDayYear;
    else if (order == DateOrder::Auto) // two digits each, as a Japanese short date has it
        order = DateOrder::YearMonthDay;
    CsvDate date;
    switch (order) {
    case DateOrder::YearMonthDay:
        if (p[1].size() > 2 || p[2].size() > 2)
            return std::nullopt;
        date = {fullYear(p[0]), toInt(p[1]), toInt(p[2]), std::nullopt};
        break;
    case DateOrder::DayMonthYear:
        date = {fullYear(p[2]), toInt(p[1]), toInt(p[0]), std::nullopt};
        break;
    case DateOrder::MonthDayYear:
    case DateOrder::Auto:
        date = {fullYear(p[2]), toInt(p[0]), toInt(p[1]), std::nullopt};
        break;
    }
    if (!encodeDateTime(date.year, date.month, date.day))
        return std::nullopt;
    if (!shape->time.empty()) {
        date.hour = parseCsvHour(shape->time);
        if (!date.hour)
            return std::nullopt;
    }
    return date;
}

std::optional<int> parseCsvHour(std::string_view text)
{
    std::string lower = normalizedText(text);
    std::string_view t = lower;
    int offset = -1;                                 // no am or pm: a 24-hour clock
    if (removePrefix(t, "\xE5\x8D\x88\xE5\x89\x8D")) // 午前
        offset = 0;
    else if (removePrefix(t, "\xE5\x8D\x88\xE5\xBE\x8C")) // 午後
        offset = 12;
    t = trimmed(t);
    for (std::string_view suffix : {"am", "a.m.", "pm", "p.m."}) {
        if (removeSuffix(t, suffix)) {
            offset = suffix.front() == 'a' ? 0 : 12;
            t = trimmed(t);
            break;
        }
    }
    std::string_view hour = takeDigits(t);
    if (hour.empty() || hour.size() > 2)
        return std::nullopt;
    removePrefix(t, "\xE6\x99\x82"); // 時
    if (removePrefix(t, ":") || (!t.empty() && isDigit(t.front()))) {
        if (takeDigits(t).size() != 2)
            return std::nullopt;
        removePrefix(t, "\xE5\x88\x86"); // 分
        if (removePrefix(t, ":") && takeDigits(t).size() != 2)
            return std::nullopt;
        if (removePrefix(t, ".") && takeDigits(t).empty())
            return std::nullopt;
        removePrefix(t, "\xE7\xA7\x92"); // 秒
        removePrefix(t, "z");
    }
    if (!t.empty())
        return std::nullopt;
    int h = toInt(hour);
    if (offset >= 0) {
        if (h < 1 || h > 12)
            return std::nullopt;
        h = h % 12 + offset;
    }
    if (h > 23)
        return std::nullopt;
    return h;
}

std::optional<bool> parseCsvFlag(std::string_view text)
{
    const std::string word = normalizedText(text);
    if (inList(word, {"true", "yes", "y", "1", "\xE2\x97\x8B", "\xE2\x97\xAF", "\xE3\x80\x87",
                      "\xE3\x81\xAF\xE3\x81\x84", "\xE6\xBA\x80\xE3\x82\xBF\xE3\x83\xB3"}))
        return true; // ○ ◯ 〇 はい 満タン
    if (inList(word, {"false", "no", "n", "0", "\xC3\x97", "\xE2\x9C\x95",
                      "\xE3\x81\x84\xE3\x81\x84\xE3\x81\x88", "\xE9\x83\xA8\xE5\x88\x86"}))
        return false; // × ✕ いいえ 部分
    return std::nullopt;
}

std::optional<std::int32_t> parseCsvCategory(std::string_view text)
{
    const std::string word = normalizedText(text);
    if (inList(word, {"1", "レギュラー", "ﾚｷﾞｭﾗｰ", "regular", "regular unleaded", "unleaded",
                      "gasoline", "petrol", "gas", "ガソリン", "e5", "e10", "super", "super e5",
                      "super e10", "super 95", "91", "92", "95"}))
        return CategoryRegular;
    if (inList(word,
               {"2", "ハイオク", "ﾊｲｵｸ", "premium", "premium unleaded", "super plus", "superplus",
                "super+", "super 98", "super 100", "98", "100", "v-power", "high octane"}))
        return CategoryPremium;
    if (inList(word, {"3", "軽油", "ｹｲﾕ", "diesel", "gasoil", "ディーゼル", "ﾃﾞｨｰｾﾞﾙ"}))
        return CategoryDiesel;
    return std::nullopt;
}

} // namespace fenlo
