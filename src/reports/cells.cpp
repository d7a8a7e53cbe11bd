#include "reports/cells.h"

#include "data/logbook.h"

namespace fenlo {

std::string_view categoryCellText(std::int32_t category)
{
    switch (category) {
    case CategoryRegular:
        return "ﾚｷﾞｭﾗｰ";
    case CategoryPremium:
        return "ﾊｲｵｸ";
    case CategoryDiesel:
        return "軽油";
    default:
        return "";
    }
}

} // namespace fenlo
