#pragma once

// The period of the display lists: completing the years users type, and checking the six date
// fields before a refresh.

#include "data/datetime.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace fenlo {

// A period limit of the display lists: from the start day at 00:00:00 to the end day at 23:59:59.
struct Period
{
    DateTime start = 0;
    DateTime end = 0;
};

// A one- or two-digit year as users type it: 90..99 are the 1900s, 0..89 the 2000s; any other
// year stays as it is.
int completeYear(int year);
// The same on the text of a year field; text that is empty or not a number stays as it is.
std::string completeYearText(std::string_view text);

// The six period fields of a display window, in their tab order.
enum class PeriodField { StartYear, StartMonth, StartDay, EndYear, EndMonth, EndDay };
using PeriodFields = std::array<std::string, 6>;

struct PeriodCheck
{
    bool ok = false;
    std::optional<Period> period; // when ok: the limit, or none when every field is empty
    std::string_view message;     // when not ok: the warning to show
    PeriodField focus = PeriodField::StartYear; // when not ok: the field to put the focus in
};

inline constexpr std::string_view YearMissing = "年が入力されていません";
inline constexpr std::string_view MonthMissing = "月が入力されていません";
inline constexpr std::string_view DayMissing = "日が入力されていません";
inline constexpr std::string_view DateInvalid = "日付の指定が違います";

// Checks the period fields before a refresh. It first completes short years, as leaving a year
// field would (a refresh button takes no focus, so the field may not have been left), and turns
// a reversed period round; `fields` then hold what the window should show.
PeriodCheck checkPeriod(PeriodFields &fields);

} // namespace fenlo
