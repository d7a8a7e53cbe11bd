#pragma once

#include "data/logbook.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace fenlo {

// The maker choice list of a window: one item per registered maker in slot order, the code in
// two places ("%2d"), "|", the name (UTF-8). The code is read back from the first two characters.
std::vector<std::string> makerChoiceItems(const Logbook &book);
// The code of an item; nullopt when its first two characters hold no number.
std::optional<std::int32_t> makerChoiceCode(std::string_view item);

} // namespace fenlo
