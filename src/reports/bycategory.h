#pragma once

// The fuel economy by category: count, highest, lowest and average economy of regular and
// premium, and the grid text.

#include "data/logbook.h"
#include "reports/cells.h"
#include "reports/pairs.h"
#include "reports/tally.h"

#include <array>
#include <span>
#include <string>

namespace fenlo::bycategory {

// One of the two petrol categories, judged like the makers: by the economy measured at the
// fueling after each of its fuelings. Diesel has no row and is not counted at all.
struct CategoryRow
{
    std::int32_t category = 0;
    std::string name; // UTF-8: "レギュラー", "ハイオク"
    int count = 0;
    double highest = 0;
    double lowest = 0;
    double average = 0;
};

struct Report
{
    std::array<CategoryRow, 2> categories;
    EconomyTally overall; // the pairs of both rows
};

// Counts every measurement pair by the category of its earlier fueling.
Report tally(std::span<const Measurement> pairs);

// The measurement pairs, then tally.
Report report(const Logbook &book);

// The grid: "区分", "件数", "最高", "最低", "平均"; the two category rows and "*** 全 体 ***",
// always with their captions, with figures only where something was counted.
GridText cells(const Report &report);

} // namespace fenlo::bycategory
