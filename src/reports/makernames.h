#pragma once

#include "data/logbook.h"

#include <string>
#include <utility>
#include <vector>

namespace fenlo {

// The registered makers' names in UTF-8, converted once for a whole grid.
class MakerNames
{
public:
    explicit MakerNames(const Logbook &book);

    // The name of the first maker slot with this code; "" when none has it.
    const std::string &name(std::int32_t code) const;

private:
    std::vector<std::pair<std::int32_t, std::string>> names_;
    std::string none_;
};

} // namespace fenlo
