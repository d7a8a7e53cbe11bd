#include "reports/period.h"

#include <charconv>

namespace fenlo {
namespace {

constexpr double LastSecondOfDay = (23 * 3600 + 59 * 60 + 59) / 86400.0;

std::optional<int> integerValue(std::string_view text)
{
    int value = 0;
    auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (ec != std::errc() || end != text.data() + text.size())
        return std::nullopt;
    return value;
}

struct Day
{
    int year = 0;
    int month = 0;
    int day = 0;
    DateTime date = 0;
};

std::optional<Day> dayOf(const std::string &y, const std::string &m, const std::string &d)
{
    std::optional<int> year = integerValue(y), month = integerValue(m), day = integerValue(d);
    if (!year || !month || !day)
        return std::nullopt;
    std::optional<DateTime> date = encodeDateTime(*year, *month, *day);
    if (!date)
        return std::nullopt;
    return Day{*year, *month, *day, *date};
}

PeriodCheck problem(std::string_view message, PeriodField focus)
{
    return {false, std::nullopt, message, focus};
}

} // namespace

int completeYear(int year)
{
    if (year >= 90 && year <= 99)
        return year + 1900;
    if (year >= 0 && year <= 89)
        return year + 2000;
    return year;
}

std::string completeYearText(std::string_view text)
{
    std::optional<int> year = integerValue(text);
    return year ? std::to_string(completeYear(*year)) : std::string(text);
}

PeriodCheck checkPeriod(PeriodFields &fields)
{
    auto at = [&fields](PeriodField f) -> std::string & {
        return fields[static_cast<std::size_t>(f)];
    };
    bool allEmpty = true;
    for (const std::string &f : fields)
        allEmpty = allEmpty && f.empty();
    if (allEmpty)
        return {true, std::nullopt, {}, PeriodField::StartYear};

    at(PeriodField::StartYear) = completeYearText(at(PeriodField::StartYear));
    at(PeriodField::EndYear) = completeYearText(at(PeriodField::EndYear));

    static constexpr std::string_view missing[] = {YearMissing, MonthMissing, DayMissing};
    for (std::size_t i = 0; i < fields.size(); ++i) {
        if (fields[i].empty())
            return problem(missing[i % 3], static_cast<PeriodField>(i));
    }

    std::optional<Day> start = dayOf(fields[0], fields[1], fields[2]);
    if (!start)
        return problem(DateInvalid, PeriodField::StartYear);
    std::optional<Day> end = dayOf(fields[3], fields[4], fields[5]);
    if (!end)
        return problem(DateInvalid, PeriodField::EndYear);

    if (end->date < start->date) {
        // The start fields take the end texts; the end fields the start values as plain numbers.
        fields[0] = fields[3];
        fields[1] = fields[4];
        fields[2] = fields[5];
        fields[3] = std::to_string(start->year);
        fields[4] = std::to_string(start->month);
        fields[5] = std::to_string(start->day);
        std::swap(*start, *end);
    }
    return {true, Period{start->date, end->date + LastSecondOfDay}, {}, PeriodField::StartYear};
}

} // namespace fenlo
