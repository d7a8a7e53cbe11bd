#pragma once

// The rows of the two input data displays, limited to a period, a maker and a category and put
// in the chosen order, and their grid text.

#include "data/logbook.h"
#include "reports/cells.h"
#include "reports/pairs.h"
#include "reports/period.h"

#include <array>
#include <optional>
#include <span>
#include <vector>

namespace fenlo {

// Input data display 1 lists the fuelings themselves, display 2 the measurement pairs.
enum class DisplayKind { Fuelings, Pairs };

enum class DisplayOrder { Date, Distance, Litres, Amount, Economy };
// The order choices as the window lists them, in the order of DisplayOrder.
inline constexpr std::array<const char *, 5> DisplayOrderItems = {"日付時間順", "距離順",
                                                                  "給油量順", "金額順", "燃費順"};
inline constexpr std::array<const char *, 2> DirectionItems = {"昇順", "降順"};

// What the display windows' controls choose.
struct DisplayOptions
{
    std::optional<Period> period;      // none: every date
    std::optional<std::int32_t> maker; // maker code; none: "全て"
    std::optional<std::int32_t> category; // fuel category; none: "全て"
    DisplayOrder order = DisplayOrder::Date;
    bool descending = false;
};

// The working table before ordering: every candidate row (fueling or pair) at the place of its
// fueling slot, with the rows the filters reject and the gaps between pairs left free. Free
// places after the last kept row are left out: they cannot move in the ordering.
std::vector<Measurement> workingTable(const Logbook &book, DisplayKind kind,
                                      const DisplayOptions &options);

// Orders the working table by date, drops its free places, then makes the pass of the chosen
// key and direction.
void sortRows(std::vector<Measurement> &table, DisplayOrder order, bool descending);

// The listed rows in display order: workingTable, then sortRows.
std::vector<Measurement> displayRows(const Logbook &book, DisplayKind kind,
                                     const DisplayOptions &options);

// The grid of a display: "No", "日付", "距離(ﾄｰﾀﾙ)", "距離(今回)", "給油量", "メーカー", "区分",
// "金額", "燃費", "コメント"; one line per listed row. The comment is the one of the fueling
// whose date the row shows.
GridText displayCells(const Logbook &book, std::span<const Measurement> rows);

} // namespace fenlo
