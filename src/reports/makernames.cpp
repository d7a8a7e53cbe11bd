#include "reports/makernames.h"

#include "data/cp932.h"

namespace fenlo {

MakerNames::MakerNames(const Logbook &book)
{
    for (const Maker &g : book.makers) {
        if (g.used())
            names_.emplace_back(g.code, cp932ToUtf8(g.name));
    }
}

const std::string &MakerNames::name(std::int32_t code) const
{
    for (const auto &[registeredCode, name] : names_) {
        if (registeredCode == code)
            return name;
    }
    return none_;
}

} // namespace fenlo
