#include "reports/bycategory.h"

namespace fenlo::bycategory {

Report Shukei(std::span<const Measurement> keisoku)
{
    Report report;
    report.KubunData = {CategoryRow{KubunRegular, "レギュラー"},
                        CategoryRow{KubunPremium, "ハイオク"}};
    for (CategoryRow &row : report.KubunData) {
        EconomyTally category;
        for (const Measurement &m : keisoku) {
            if (m.kubun != row.kubun)
                continue;
            category.add(m);
            report.Zentai.add(m);
        }
        if (category.kensu > 0) {
            row.kensu = category.kensu;
            row.saikou = category.saikou;
            row.saitei = category.saitei;
            row.heikin = category.heikin();
        }
    }
    return report;
}

Report report(const Logbook &book)
{
    return Shukei(measurementPairs(book));
}

GridText cells(const Report &report)
{
    GridText grid({"区分", "件数", "最高", "最低", "平均"});
    for (const CategoryRow &c : report.KubunData)
        addTallyCells(grid, c.name, c.kensu, c.saikou, c.saitei, c.heikin);
    const EconomyTally &z = report.Zentai;
    addTallyCells(grid, "*** 全 体 ***", z.kensu, z.saikou, z.saitei, z.heikin());
    return grid;
}

} // namespace fenlo::bycategory
