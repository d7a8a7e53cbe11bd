#include "data/logbook.h"

#include "data/exchangesort.h"

#include <algorithm>
#include <utility>

namespace fenlo {

void Logbook::clear()
{
    modified = false;
    fileName.clear();
    carName.clear();
    std::fill(makers.begin(), makers.end(), Maker{});
    std::fill(fuelings.begin(), fuelings.end(), Fueling{});
    std::fill(memos.begin(), memos.end(), Memo{});
}

void Logbook::sortMakers()
{
    exchangeSortByKey(makers.slots(), [](const Maker &g) { return g.code; });
}

void Logbook::sortFuelings()
{
    exchangeSortByKey(fuelings.slots(), [](const Fueling &r) { return r.moment; });
}

void Logbook::sortMemos()
{
    exchangeSortByKey(memos.slots(), [](const Memo &m) { return m.date; });
}

const std::string *Logbook::makerName(std::int32_t code) const
{
    for (const Maker &g : makers) {
        if (g.code == code)
            return &g.name;
    }
    return nullptr;
}

bool Logbook::hasMakers() const
{
    return std::any_of(makers.begin(), makers.end(), [](const Maker &g) { return g.used(); });
}

bool Logbook::sameData(const Logbook &o) const
{
    return carName == o.carName && makers == o.makers && fuelings == o.fuelings && memos == o.memos;
}

} // namespace fenlo
