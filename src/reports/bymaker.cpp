#include "reports/bymaker.h"

#include "data/cp932.h"
#include "data/exchangesort.h"

namespace fenlo::bymaker {
namespace {

double keyOf(const MakerRow &r, MakerOrder order)
{
    switch (order) {
    case MakerOrder::Count:
        return r.kensu;
    case MakerOrder::Highest:
        return r.saikou;
    case MakerOrder::Lowest:
        return r.saitei;
    case MakerOrder::Average:
        break;
    }
    return r.heikin;
}

} // namespace

Report Shukei(const Logbook &book, std::span<const Measurement> keisoku)
{
    Report report;
    for (const Maker &gas : book.MgasTable) {
        EconomyTally maker;
        for (const Measurement &m : keisoku) {
            if (m.gas != gas.cd)
                continue;
            maker.add(m);
            report.Zentai.add(m);
        }
        if (gas.used() && maker.kensu > 0) {
            report.MakerData.push_back({gas.cd, cp932ToUtf8(gas.name), maker.kensu, maker.saikou,
                                        maker.saitei, maker.heikin()});
        }
    }
    return report;
}

void Narabekae(std::vector<MakerRow> &rows, const Options &options)
{
    const MakerOrder order = options.order;
    if (options.descending)
        exchangeSort(std::span(rows), [order](const MakerRow &k, const MakerRow &i) {
            return keyOf(k, order) > keyOf(i, order);
        });
    else
        exchangeSort(std::span(rows), [order](const MakerRow &k, const MakerRow &i) {
            return keyOf(k, order) < keyOf(i, order);
        });
}

Report report(const Logbook &book, const Options &options)
{
    const std::vector<Measurement> keisoku = KeisokuSet(book);
    Report r = Shukei(book, keisoku);
    Narabekae(r.MakerData, options);
    return r;
}

GridText cells(const Report &report)
{
    GridText grid({"燃料メーカー", "件数", "最高", "最低", "平均"});
    for (const MakerRow &m : report.MakerData)
        addTallyCells(grid, m.name, m.kensu, m.saikou, m.saitei, m.heikin);
    if (!report.MakerData.empty()) {
        const EconomyTally &z = report.Zentai;
        addTallyCells(grid, "*** 全 体 ***", z.kensu, z.saikou, z.saitei, z.heikin());
    }
    return grid;
}

} // namespace fenlo::bymaker
