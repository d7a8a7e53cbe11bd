#pragma once

#include <algorithm>
#include <cstdint>
#include <functional>
#include <span>
#include <utility>
#include <vector>

namespace fenlo {

// The exchange sort the lists are ordered with: for each place i, every later item k for which
// before(item k, item i) holds is exchanged with item i. It is not stable, and the order it
// leaves equal keys in is part of what the reports show, so it is reproduced exactly. Item i is
// kept in a local while its place is decided, which spares the memory traffic of each exchange.
template <typename T, typename Before> void exchangeSort(std::span<T> items, Before before)
{
    for (std::size_t i = 0; i < items.size(); ++i) {
        T current = std::move(items[i]);
        for (std::size_t k = i + 1; k < items.size(); ++k) {
            if (before(items[k], current))
                std::swap(items[k], current);
        }
        items[i] = std::move(current);
    }
}

// The same order for items that are costly to move, decided on their keys alone: the
// exchanges run on (key, place) pairs and every item is moved once at the end. A run already in
// order is left as it is, since the exchange sort never touches one.
template <typename T, typename KeyOf, typename Before = std::less<>>
void exchangeSortByKey(std::span<T> items, KeyOf keyOf, Before before = {})
{
    auto keysBefore = [&](const T &a, const T &b) { return before(keyOf(a), keyOf(b)); };
    if (std::is_sorted(items.begin(), items.end(), keysBefore))
        return;
    using Key = decltype(keyOf(items[0]));
    struct Keyed
    {
        Key key;
        std::uint32_t place;
    };
    std::vector<Keyed> keyed(items.size());
    for (std::size_t i = 0; i < items.size(); ++i)
        keyed[i] = {keyOf(items[i]), static_cast<std::uint32_t>(i)};
    exchangeSort(std::span(keyed), [&](const Keyed &k, const Keyed &i) { return before(k.key, i.key); });
    std::vector<T> moved(std::make_move_iterator(items.begin()), std::make_move_iterator(items.end()));
    for (std::size_t i = 0; i < items.size(); ++i)
        items[i] = std::move(moved[keyed[i].place]);
}

} // namespace fenlo
