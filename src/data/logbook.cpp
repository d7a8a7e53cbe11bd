#include "data/logbook.h"

#include <algorithm>
#include <utility>

namespace fenlo {
namespace {

template<typename Table, typename Key>
void exchangeSort(Table &table, Key key)
{
    auto first = table.begin();
    auto last = table.end();
    for (auto i = first; i != last; ++i) {
        for (auto j = std::next(i); j != last; ++j) {
            if (key(*i) > key(*j))
                std::swap(*i, *j);
        }
    }
}

} // namespace

void Logbook::DataClear()
{
    DataChanged = false;
    DataFileName.clear();
    Shamei.clear();
    std::fill(MgasTable.begin(), MgasTable.end(), Tmgas{});
    std::fill(NenpiTable.begin(), NenpiTable.end(), Tnenpi3{});
    std::fill(MemoTable.begin(), MemoTable.end(), TNmemo{});
}

void Logbook::SortGas()
{
    exchangeSort(MgasTable, [](const Tmgas &g) { return g.cd; });
}

void Logbook::SortNenpi()
{
    exchangeSort(NenpiTable, [](const Tnenpi3 &r) { return r.nichiji; });
}

void Logbook::SortMemo()
{
    exchangeSort(MemoTable, [](const TNmemo &m) { return m.date; });
}

const std::string *Logbook::gasName(std::int32_t code) const
{
    for (const Tmgas &g : MgasTable) {
        if (g.cd == code)
            return &g.name;
    }
    return nullptr;
}

bool Logbook::hasGas() const
{
    return std::any_of(MgasTable.begin(), MgasTable.end(), [](const Tmgas &g) { return g.used(); });
}

bool Logbook::sameData(const Logbook &o) const
{
    return Shamei == o.Shamei && MgasTable == o.MgasTable && NenpiTable == o.NenpiTable &&
           MemoTable == o.MemoTable;
}

} // namespace fenlo
