#include "reports/choices.h"

#include "data/cp932.h"

#include <charconv>
#include <cstdio>

namespace fenlo {

std::vector<std::string> makerChoiceItems(const Logbook &book)
{
    std::vector<std::string> items;
    for (const Maker &g : book.makers) {
        if (!g.used())
            continue;
        char code[16];
        std::snprintf(code, sizeof code, "%2d", g.code);
        items.push_back(std::string(code) + "|" + cp932ToUtf8(g.name));
    }
    return items;
}

std::optional<std::int32_t> makerChoiceCode(std::string_view item)
{
    std::string_view code = item.substr(0, 2);
    if (!code.empty() && code.front() == ' ')
        code.remove_prefix(1);
    std::int32_t value = 0;
    auto [end, ec] = std::from_chars(code.data(), code.data() + code.size(), value);
    if (ec != std::errc() || end != code.data() + code.size())
        return std::nullopt;
    return value;
}

} // namespace fenlo
