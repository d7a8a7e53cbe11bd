#pragma once

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
    std::string nengetu; // "2003年05月"
    int kensu = 0;
    Currency nenpi;
    Currency kyori;
    Currency ryou;
    Currency kingaku;
};

struct Totals
{
    int kensu = 0;
    Currency kyori;
    Currency ryou;
    Currency kingaku;
    Currency nenpi; // total distance ÷ total litres
};

struct Report
{
    std::vector<MonthRow> TukiData; // oldest month first
    Totals totals;

    // The number of the last month row, and 1 when there is none (the graph pages from it).
    int TukiCount() const { return TukiData.empty() ? 1 : static_cast<int>(TukiData.size()); }
};

// Groups the fuelings, in table order up to the first free slot, by calendar month.
Report Shukei(const Logbook &book);

// The grid: "年月", "件数", "合計距離", "合計給油量", "合計金額", "平均燃費"; one line per month,
// then "合計(平均)" when there is any fueling.
GridText cells(const Report &report);

} // namespace fenlo::monthly
