#include "reports/bymaker.h"

#include "data/cp932.h"
#include "data/exchangesort.h"

namespace fenlo::bymaker {
namespace {

double keyOf(const MakerRow &r, MakerOrder order)
{
    switch (order) {
    case MakerOrder::Count:
        return r.count;
    case MakerOrder::Highest:
        return r.highest;
    case MakerOrder::Lowest:
        return r.lowest;
    case MakerOrder::Average:
        break;
    }
    return r.average;
}

} // namespace

Report tally(const Logbook &book, std::span<const Measurement> pairs)
{
    Report report;
    for (const Maker &registered : book.makers) {
        EconomyTally maker;
        for (const Measurement &m : pairs) {
            if (m.makerCode != registered.code)
                continue;
            maker.add(m);
            report.overall.add(m);
        }
        if (registered.used() && maker.count > 0) {
            report.makers.push_back({registered.code, cp932ToUtf8(registered.name), maker.count,
                                     maker.highest, maker.lowest, maker.average()});
        }
    }
    return report;
}

void sortRows(std::vector<MakerRow> &rows, const Options &options)
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
    const std::vector<Measurement> pairs = pairRows(book);
    Report r = tally(book, pairs);
    sortRows(r.makers, options);
    return r;
}

GridText cells(const Report &report)
{
    GridText grid({"燃料メーカー", "件数", "最高", "最低", "平均"});
    for (const MakerRow &m : report.makers)
        addTallyCells(grid, m.name, m.count, m.highest, m.lowest, m.average);
    if (!report.makers.empty()) {
        const EconomyTally &z = report.overall;
        addTallyCells(grid, "*** 全 体 ***", z.count, z.highest, z.lowest, z.average());
    }
    return grid;
}

} // namespace fenlo::bymaker
