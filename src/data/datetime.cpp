#include "data/datetime.h"

#include <chrono>
#include <cmath>
#include <cstdio>

namespace fenlo {
namespace {

using namespace std::chrono;

constexpr sys_days Epoch = sys_days(year(1899) / December / 30);
constexpr long long MillisecondsPerDay = 86'400'000;
constexpr double MinDay = -693593.0;  // 0001-01-01
constexpr double MaxDay = 2958466.0;  // the day after 9999-12-31

} // namespace

std::optional<DateParts> decodeDateTime(DateTime value)
{
    if (!std::isfinite(value) || value < MinDay || value >= MaxDay)
        return std::nullopt;
    double whole = std::trunc(value);
    long long days = static_cast<long long>(whole);
    long long ms = std::llround(std::fabs(value - whole) * MillisecondsPerDay);
    if (ms >= MillisecondsPerDay) { // rounded up to midnight: the next day begins
        ms -= MillisecondsPerDay;
        days += value < 0 ? -1 : 1;
    }
    year_month_day ymd{Epoch + std::chrono::days(days)};
    if (static_cast<int>(ymd.year()) > 9999)
        return std::nullopt;
    DateParts p;
    p.year = static_cast<int>(ymd.year());
    p.month = static_cast<int>(static_cast<unsigned>(ymd.month()));
    p.day = static_cast<int>(static_cast<unsigned>(ymd.day()));
    p.hour = static_cast<int>(ms / 3'600'000);
    p.minute = static_cast<int>(ms / 60'000 % 60);
    p.second = static_cast<int>(ms / 1000 % 60);
    p.millisecond = static_cast<int>(ms % 1000);
    return p;
}

std::optional<DateTime> encodeDateTime(int y, int m, int d, int hour)
{
    if (y < 1 || y > 9999 || m < 1 || m > 12 || d < 1 || d > 31 || hour < 0 || hour > 23)
        return std::nullopt;
    year_month_day ymd{year(y), month(static_cast<unsigned>(m)), day(static_cast<unsigned>(d))};
    if (!ymd.ok())
        return std::nullopt;
    double days = static_cast<double>((sys_days(ymd) - Epoch).count());
    return days + hour / 24.0;
}

long long momentKey(DateTime value)
{
    return std::llround(value * MillisecondsPerDay);
}

std::string formatDate(DateTime value)
{
    std::optional<DateParts> p = decodeDateTime(value);
    if (!p)
        return {};
    char text[16];
    std::snprintf(text, sizeof text, "%04d/%02d/%02d", p->year, p->month, p->day);
    return text;
}

std::string formatHour(DateTime value)
{
    std::optional<DateParts> p = decodeDateTime(value);
    if (!p)
        return {};
    char text[4];
    std::snprintf(text, sizeof text, "%02d", p->hour);
    return text;
}

} // namespace fenlo
