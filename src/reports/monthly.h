#pragma once

// The fuel economy by month: count, distance, litres, amount and economy of every month with
// fuelings, the totals, and the grid text.

#include "data/currency.h"
#include "data/logbook.h"
#include "reports/cells.h"

#include <string>
#include <vector>

namespace fenlo::monthly {

// One month with fuelings. The economy is the month's distance ÷ its litres (0 without litres),
// not the mean of the stored economies.
struct MonthRow
{
    std::string month; // "2003年05月"
    int count = 0;
    Currency economy;
    Currency distance;
    Currency litres;
    Currency amount;
};

struct Totals
{
    int count = 0;
    Currency distance;
    Currency litres;
    Currency amount;
    Currency economy; // total distance ÷ total litres
};

struct Report
{
    std::vector<MonthRow> months; // oldest month first
    Totals totals;

    // The number of the last month row, and 1 when there is none (the graph pages from it).
    int lastMonthNumber() const { return months.empty() ? 1 : static_cast<int>(months.size()); }
};

// Groups the fuelings, in table order up to the first free slot, by calendar month.
Report tally(const Logbook &book);

// The grid: "年月", "件数", "合計距離", "合計給油量", "合計金額", "平均燃費"; one line per month,
// then "合計(平均)" when there is any fueling.
GridText cells(const Report &report);

} // namespace fenlo::monthly
