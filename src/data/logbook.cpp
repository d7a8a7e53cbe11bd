#include "data/logbook.h"

#include "data/exchangesort.h"

#include <algorithm>
#include <utility>

namespace fenlo {

void Logbook::DataClear()
{
    DataChanged = false;
    DataFileName.clear();
    Shamei.clear();
    std::fill(MgasTable.begin(), MgasTable.end(), Maker{});
    std::fill(NenpiTable.begin(), NenpiTable.end(), Fueling{});
    std::fill(MemoTable.begin(), MemoTable.end(), Memo{});
}

void Logbook::SortGas()
{
    exchangeSortByKey(MgasTable.slots(), [](const Maker &g) { return g.cd; });
}

void Logbook::SortNenpi()
{
    exchangeSortByKey(NenpiTable.slots(), [](const Fueling &r) { return r.nichiji; });
}

void Logbook::SortMemo()
{
    exchangeSortByKey(MemoTable.slots(), [](const Memo &m) { return m.date; });
}

const std::string *Logbook::gasName(std::int32_t code) const
{
    for (const Maker &g : MgasTable) {
        if (g.cd == code)
            return &g.name;
    }
    return nullptr;
}

bool Logbook::hasGas() const
{
    return std::any_of(MgasTable.begin(), MgasTable.end(), [](const Maker &g) { return g.used(); });
}

bool Logbook::sameData(const Logbook &o) const
{
    return Shamei == o.Shamei && MgasTable == o.MgasTable && NenpiTable == o.NenpiTable &&
           MemoTable == o.MemoTable;
}

} // namespace fenlo
