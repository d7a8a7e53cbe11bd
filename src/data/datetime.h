#pragma once

// Dates and times as the logbook holds them, split into and made from calendar parts, and shown
// as text.

#include <optional>
#include <string>

namespace fenlo {

// Days since 1899-12-30; the fraction is the time of day.
using DateTime = double;

// The date of a free fueling or memo slot; larger than every real date, so free slots sort last.
inline constexpr DateTime EmptyDate = 99999999.0;

struct DateParts
{
    int year = 0;
    int month = 0;
    int day = 0;
    int hour = 0;
    int minute = 0;
    int second = 0;
    int millisecond = 0;
};

// Splits a date-time after rounding its fraction to the nearest millisecond, so a value stored
// with 15 significant digits (37636.3333333333) still shows the hour that was entered (8).
// nullopt outside the years 1 to 9999.
std::optional<DateParts> decodeDateTime(DateTime value);

// The date-time of a calendar date and a whole hour; nullopt when the date does not exist, the
// year is outside 1 to 9999 or the hour outside 0 to 23.
std::optional<DateTime> encodeDateTime(int year, int month, int day, int hour = 0);

// A moment to the nearest millisecond. Dates read back from a file keep 15 significant digits,
// so two records of one date and hour can differ in their last binary digits; they are the
// same moment when their keys are equal.
long long momentKey(DateTime value);

// "yyyy/mm/dd" and "hh", with leading zeros; empty for a value outside the calendar.
std::string formatDate(DateTime value);
std::string formatHour(DateTime value);

} // namespace fenlo
