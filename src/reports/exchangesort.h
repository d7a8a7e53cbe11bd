#pragma once

#include <span>
#include <utility>

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

} // namespace fenlo
