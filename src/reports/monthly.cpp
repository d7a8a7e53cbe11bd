#include "reports/monthly.h"

#include "data/numformat.h"
#include "reports/ratio.h"

#include <cstdio>

namespace fenlo::monthly {
namespace {

std::string monthLabel(DateTime moment)
{
    std::optional<DateParts> d = decodeDateTime(moment);
    if (!d)
        return "";
    char text[32];
    std::snprintf(text, sizeof text, "%04d年%02d月", d->year, d->month);
    return text;
}

struct Group
{
    int count = 0;
    Currency distance;
    Currency litres;
    Currency amount;

    void add(const Fueling &r)
    {
        ++count;
        distance += r.trip;
        litres += r.litres;
        amount += r.amount;
    }
};

void addCells(GridText &grid, std::string label, int count, Currency distance, Currency litres,
              Currency amount, Currency economy)
{
    grid.add(std::move(label));
    grid.add(std::to_string(count));
    grid.add(formatMask(distance, "######0.0"));
    grid.add(formatMask(litres, "######0.0"));
    grid.add(formatMask(amount, "######0"));
    grid.add(formatMask(economy, "######0.0"));
}

} // namespace

Report tally(const Logbook &book)
{
    Report report;
    Group group;
    Group total;
    std::string previous;
    auto close = [&] {
        report.months.push_back({previous, group.count, currencyRatio(group.distance, group.litres),
                                 group.distance, group.litres, group.amount});
        group = Group();
    };
    const int n = book.fuelings.usedCount();
    for (int slot = 1; slot <= n; ++slot) {
        const Fueling &r = book.fuelings[slot];
        std::string label = monthLabel(r.moment);
        if (group.count > 0 && label != previous)
            close();
        previous = std::move(label);
        group.add(r);
        total.add(r);
    }
    if (group.count > 0)
        close();
    report.totals = {total.count, total.distance, total.litres, total.amount,
                     currencyRatio(total.distance, total.litres)};
    return report;
}

GridText cells(const Report &report)
{
    GridText grid({"年月", "件数", "合計距離", "合計給油量", "合計金額", "平均燃費"});
    grid.reserveRows(static_cast<int>(report.months.size()) + 1);
    for (const MonthRow &m : report.months)
        addCells(grid, m.month, m.count, m.distance, m.litres, m.amount, m.economy);
    const Totals &t = report.totals;
    if (t.count > 0)
        addCells(grid, "合計(平均)", t.count, t.distance, t.litres, t.amount, t.economy);
    return grid;
}

} // namespace fenlo::monthly
