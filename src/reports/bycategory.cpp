#include "reports/bycategory.h"

namespace fenlo::bycategory {

Report tally(std::span<const Measurement> pairs)
{
    Report report;
    report.categories = {CategoryRow{CategoryRegular, "レギュラー"},
                         CategoryRow{CategoryPremium, "ハイオク"}};
    for (CategoryRow &row : report.categories) {
        EconomyTally category;
        for (const Measurement &m : pairs) {
            if (m.category != row.category)
                continue;
            category.add(m);
            report.overall.add(m);
        }
        if (category.count > 0) {
            row.count = category.count;
            row.highest = category.highest;
            row.lowest = category.lowest;
            row.average = category.average();
        }
    }
    return report;
}

Report report(const Logbook &book)
{
    return tally(measurementPairs(book));
}

GridText cells(const Report &report)
{
    GridText grid({"区分", "件数", "最高", "最低", "平均"});
    for (const CategoryRow &c : report.categories)
        addTallyCells(grid, c.name, c.count, c.highest, c.lowest, c.average);
    const EconomyTally &z = report.overall;
    addTallyCells(grid, "*** 全 体 ***", z.count, z.highest, z.lowest, z.average());
    return grid;
}

} // namespace fenlo::bycategory
