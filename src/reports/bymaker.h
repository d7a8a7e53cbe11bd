#pragma once

// The fuel economy by maker: count, highest, lowest and average economy of each maker in the
// chosen order, and the grid text.

#include "data/logbook.h"
#include "reports/cells.h"
#include "reports/pairs.h"
#include "reports/tally.h"

#include <array>
#include <span>
#include <string>
#include <vector>

namespace fenlo::bymaker {

enum class MakerOrder { Count, Highest, Lowest, Average };
// The order choices as the window lists them, in the order of MakerOrder.
inline constexpr std::array<const char *, 4> MakerOrderItems = {"件数順", "最高順", "最低順",
                                                                "平均順"};

struct Options
{
    MakerOrder order = MakerOrder::Average;
    bool descending = true;
};

// One maker with at least one counted measurement pair, judged by the economy measured at the
// fueling after each of its fuelings.
struct MakerRow
{
    std::int32_t code = EmptyMakerCode;
    std::string name; // UTF-8
    int count = 0;
    double highest = 0;
    double lowest = 0;
    double average = 0;
};

struct Report
{
    std::vector<MakerRow> makers; // at most one per maker slot, in the chosen order
    EconomyTally overall;         // every pair counted for a registered maker
};

// The measurement rows of the report: the pairs, as display 2 lists them.
inline std::vector<Measurement> pairRows(const Logbook &book)
{
    return measurementPairs(book);
}

// One row per maker slot, in slot order, for each registered maker that has pairs. Every pair
// counts: a fueling with no trip distance only leaves out the pair it ends, not the later ones.
Report tally(const Logbook &book, std::span<const Measurement> pairs);

// Orders the maker rows by the chosen figure with the lists' exchange sort.
void sortRows(std::vector<MakerRow> &rows, const Options &options);

// pairRows, tally and sortRows.
Report report(const Logbook &book, const Options &options);

// The grid: "燃料メーカー", "件数", "最高", "最低", "平均"; one line per maker row, then
// "*** 全 体 ***" when there is any.
GridText cells(const Report &report);

} // namespace fenlo::bymaker
