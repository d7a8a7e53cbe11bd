#include "reports/monthly.h"

#include "data/numformat.h"
#include "reports/ratio.h"

#include <cstdio>

namespace fenlo::monthly {
namespace {

std::string monthLabel(DateTime nichiji)
{
    std::optional<DateParts> d = decodeDateTime(nichiji);
    if (!d)
        return "";
    char text[32];
    std::snprintf(text, sizeof text, "%04d年%02d月", d->year, d->month);
    return text;
}

struct Group
{
    int kensu = 0;
    Currency kyori;
    Currency ryou;
    Currency kingaku;

    void add(const Fueling &r)
    {
        ++kensu;
        kyori += r.kyori2;
        ryou += r.ryou;
        kingaku += r.kingaku;
    }
};

void addCells(GridText &grid, std::string label, int kensu, Currency kyori, Currency ryou,
              Currency kingaku, Currency nenpi)
{
    grid.add(std::move(label));
    grid.add(std::to_string(kensu));
    grid.add(formatMask(kyori, "######0.0"));
    grid.add(formatMask(ryou, "######0.0"));
    grid.add(formatMask(kingaku, "######0"));
    grid.add(formatMask(nenpi, "######0.0"));
}

} // namespace

Report Shukei(const Logbook &book)
{
    Report report;
    Group group;
    Group total;
    std::string previous;
    auto close = [&] {
        report.TukiData.push_back({previous, group.kensu, currencyRatio(group.kyori, group.ryou),
                                   group.kyori, group.ryou, group.kingaku});
        group = Group();
    };
    const int n = book.NenpiTable.usedCount();
    for (int slot = 1; slot <= n; ++slot) {
        const Fueling &r = book.NenpiTable[slot];
        std::string label = monthLabel(r.nichiji);
        if (group.kensu > 0 && label != previous)
            close();
        previous = std::move(label);
        group.add(r);
        total.add(r);
    }
    if (group.kensu > 0)
        close();
    report.totals = {total.kensu, total.kyori, total.ryou, total.kingaku,
                     currencyRatio(total.kyori, total.ryou)};
    return report;
}

GridText cells(const Report &report)
{
    GridText grid({"年月", "件数", "合計距離", "合計給油量", "合計金額", "平均燃費"});
    grid.reserveRows(static_cast<int>(report.TukiData.size()) + 1);
    for (const MonthRow &m : report.TukiData)
        addCells(grid, m.nengetu, m.kensu, m.kyori, m.ryou, m.kingaku, m.nenpi);
    const Totals &t = report.totals;
    if (t.kensu > 0)
        addCells(grid, "合計(平均)", t.kensu, t.kyori, t.ryou, t.kingaku, t.nenpi);
    return grid;
}

} // namespace fenlo::monthly
