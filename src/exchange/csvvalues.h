#pragma once

// The values of a CSV cell as other programs write them: numbers, dates and times, yes and no,
// fuel categories. Every function takes UTF-8 text.

#include "data/currency.h"
#include "data/logbook.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace fenlo {

// A number: "." as decimal point, or "," where the file separates its fields with ";"
// (`decimalComma`). Thousands separators are taken where they cannot be a decimal point, and a
// currency sign or "円" around an amount is ignored. nullopt for anything else, a negative
// number included.
std::optional<Currency> parseCsvNumber(std::string_view text, bool decimalComma);

// Miles to kilometres and US gallons to litres, rounded to the Currency's four decimals.
Currency milesToKilometres(Currency miles);
Currency gallonsToLitres(Currency gallons);

// The order of day, month and year in a date whose year does not come first.
enum class DateOrder { Auto, DayMonthYear, MonthDayYear, YearMonthDay };

struct CsvDate
{
    int year = 0;
    int month = 0;
    int day = 0;
    std::optional<int> hour; // when the cell carries a time
};

// How a date cell is written, before it is read: the three numbers and their separator.
struct DateShape
{
    std::vector<std::string_view> parts; // the three numbers of the date as written
    char separator = 0;
    std::string_view time; // whatever follows the date, empty without a time
};
std::optional<DateShape> dateShape(std::string_view text);

// The order a file's dates are written in, from the dates whose first number is not a
// four-digit year: a day above 12 tells, "." means day first, and otherwise month first as in
// the United States. nullopt when the dates contradict each other.
std::optional<DateOrder> detectDateOrder(const std::vector<DateShape> &shapes);

// A date as YYYY/MM/DD, YYYY-MM-DD, YYYY.MM.DD, YYYY年MM月DD日, YYYYMMDD or, in `order`,
// DD.MM.YYYY, MM/DD/YYYY and the like, optionally followed by a time. A two-digit year is
// 19xx from 90 and 20xx below. `order` must not be Auto.
std::optional<CsvDate> parseCsvDate(std::string_view text, DateOrder order);

// A time of day ("14", "14:35", "14:35:00", "2:35 PM", "14時"): its hour.
std::optional<int> parseCsvHour(std::string_view text);

// Whether the tank was filled: true/false, yes/no, 1/0, ○/× and their Japanese words.
std::optional<bool> parseCsvFlag(std::string_view text);

// The fuel category of a name (レギュラー, regular, E10, super … 1; ハイオク, premium, super plus …
// 2; 軽油, diesel 3) or of its number; nullopt for any other.
std::optional<std::int32_t> parseCsvCategory(std::string_view text);

// Surrounding blanks (including the ideographic space) removed and ASCII letters in lower case,
// so names compare the way a user reads them.
std::string normalizedText(std::string_view text);

} // namespace fenlo
