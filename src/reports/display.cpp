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
    if (o.period && (r.moment < o.period->start || r.moment > o.period->end))
        return false;
    if (o.maker && r.makerCode != *o.maker)
        return false;
    if (o.category && r.category != *o.category)
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

std::string dateCell(DateTime moment)
{
    return formatDate(moment) + "(" + formatHour(moment) + ")";
}

} // namespace

std::vector<Measurement> workingTable(const Logbook &book, DisplayKind kind,
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

void sortRows(std::vector<Measurement> &table, DisplayOrder order, bool descending)
{
    if (table.empty())
        return;
    exchangeOrder(
        table, [](const Measurement &r) { return r.moment; }, false);
    table.erase(
        std::find_if(table.begin(), table.end(), [](const Measurement &r) { return !r.used(); }),
        table.end());
    if (table.empty())
        return;
    switch (order) {
    case DisplayOrder::Date:
        if (descending)
            exchangeOrder(
                table, [](const Measurement &r) { return r.moment; }, true);
        break;
    case DisplayOrder::Distance:
        exchangeOrder(
            table, [](const Measurement &r) { return r.trip; }, descending);
        break;
    case DisplayOrder::Litres:
        exchangeOrder(
            table, [](const Measurement &r) { return r.litres; }, descending);
        break;
    case DisplayOrder::Amount:
        exchangeOrder(
            table, [](const Measurement &r) { return r.amount; }, descending);
        break;
    case DisplayOrder::Economy:
        exchangeOrder(
            table, [](const Measurement &r) { return r.economy; }, descending);
        break;
    }
}

std::vector<Measurement> displayRows(const Logbook &book, DisplayKind kind,
                                     const DisplayOptions &options)
{
    std::vector<Measurement> table = workingTable(book, kind, options);
    sortRows(table, options.order, options.descending);
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
        grid.add(dateCell(r.moment));
        grid.add(formatMask(r.odometer, "#####0.0"));
        grid.add(formatMask(r.trip, "#####0.0"));
        grid.add(formatMask(r.litres, "#####0.0"));
        grid.add(makers.name(r.makerCode));
        grid.add(std::string(categoryCellText(r.category)));
        grid.add(formatMask(r.amount, "#####0"));
        grid.add(formatMask(r.economy, "#####0.0"));
        const std::string &comment = book.fuelings[r.slot].comment;
        grid.add(comment.empty() ? std::string() : cp932ToUtf8(comment));
    }
    return grid;
}

} // namespace fenlo
