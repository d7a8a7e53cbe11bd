#pragma once

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
    std::int32_t kubun = 0;
    std::string name; // UTF-8: "レギュラー", "ハイオク"
    int kensu = 0;
    double saikou = 0;
    double saitei = 0;
    double heikin = 0;
};

struct Report
{
    std::array<CategoryRow, 2> KubunData;
    EconomyTally Zentai; // the pairs of both rows
};

// Counts every measurement pair by the category of its earlier fueling.
Report Shukei(std::span<const Measurement> keisoku);

// The measurement pairs, then Shukei.
Report report(const Logbook &book);

// The grid: "区分", "件数", "最高", "最低", "平均"; the two category rows and "*** 全 体 ***",
// always with their captions, with figures only where something was counted.
GridText cells(const Report &report);

} // namespace fenlo::bycategory
