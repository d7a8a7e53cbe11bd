#include "reports/display.h"

#include "data/cp932.h"
#include "data/numformat.h"
#include "data/exchangesort.h"
#include "reports/makernames.h"

#include <algorithm>
#include <cstdint>

namespace fenlo {
namespace {

bool kept(const Measurement &r, const DisplayOptions &o)
{
    if (o.period && (r.nichiji < o.period->start || r.nichiji > o.period->end))
        return false;
    if (o.maker && r.gas != *o.maker)
        return false;
    if (o.kubun && r.kubun != *o.kubun)
        return false;
    return true;
}

// The chosen pass of the exchange sort, on the rows' keys.
template <typename KeyOf>
void exchangeOrder(std::vector<Measurement> &table, KeyOf keyOf, bool descending)
{
    if (descending)
        exchangeSortByKey(std::span(table), keyOf, std::greater<>{});
    else
        exchangeSortByKey(std::span(table), keyOf, std::less<>{});
}

std::string dateCell(DateTime nichiji)
{
    return formatDate(nichiji) + "(" + formatHour(nichiji) + ")";
}

} // namespace

std::vector<Measurement> HyoujiDataSet(const Logbook &book, DisplayKind kind,
                                       const DisplayOptions &options)
{
    std::vector<Measurement> candidates =
        kind == DisplayKind::Fuelings ? fuelingRows(book) : measurementPairs(book);
    std::vector<Measurement> table;
    table.reserve(candidates.size());
    for (const Measurement &r : candidates) {
        if (!kept(r, options))
            continue;
        table.resize(static_cast<std::size_t>(r.slot - 1)); // free places up to this row
        table.push_back(r);
    }
    return table;
}

void Narabekae(std::vector<Measurement> &table, DisplayOrder order, bool descending)
{
    if (table.empty())
        return;
    exchangeOrder(
        table, [](const Measurement &r) { return r.nichiji; }, false);
    table.erase(
        std::find_if(table.begin(), table.end(), [](const Measurement &r) { return !r.used(); }),
        table.end());
    if (table.empty())
        return;
    switch (order) {
    case DisplayOrder::Date:
        if (descending)
            exchangeOrder(
                table, [](const Measurement &r) { return r.nichiji; }, true);
        break;
    case DisplayOrder::Distance:
        exchangeOrder(
            table, [](const Measurement &r) { return r.kyori2; }, descending);
        break;
    case DisplayOrder::Litres:
        exchangeOrder(
            table, [](const Measurement &r) { return r.ryou; }, descending);
        break;
    case DisplayOrder::Amount:
        exchangeOrder(
            table, [](const Measurement &r) { return r.kingaku; }, descending);
        break;
    case DisplayOrder::Economy:
        exchangeOrder(
            table, [](const Measurement &r) { return r.nenpi; }, descending);
        break;
    }
}

std::vector<Measurement> displayRows(const Logbook &book, DisplayKind kind,
                                     const DisplayOptions &options)
{
    std::vector<Measurement> table = HyoujiDataSet(book, kind, options);
    Narabekae(table, options.order, options.descending);
    return table;
}

GridText displayCells(const Logbook &book, std::span<const Measurement> rows)
{
    GridText grid({"No", "日付", "距離(ﾄｰﾀﾙ)", "距離(今回)", "給油量", "メーカー", "区分", "金額",
                   "燃費", "コメント"});
    grid.reserveRows(static_cast<int>(rows.size()));
    const MakerNames makers(book);
    int number = 0;
    for (const Measurement &r : rows) {
        grid.add(std::to_string(++number));
        grid.add(dateCell(r.nichiji));
        grid.add(formatMask(r.kyori1, "#####0.0"));
        grid.add(formatMask(r.kyori2, "#####0.0"));
        grid.add(formatMask(r.ryou, "#####0.0"));
        grid.add(makers.name(r.gas));
        grid.add(std::string(kubunCellText(r.kubun)));
        grid.add(formatMask(r.kingaku, "#####0"));
        grid.add(formatMask(r.nenpi, "#####0.0"));
        const std::string &comment = book.NenpiTable[r.slot].comment;
        grid.add(comment.empty() ? std::string() : cp932ToUtf8(comment));
    }
    return grid;
}

} // namespace fenlo
