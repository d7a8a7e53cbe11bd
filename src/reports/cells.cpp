#include "reports/cells.h"

#include "data/logbook.h"

namespace fenlo {

std::string_view kubunCellText(std::int32_t kubun)
{
    switch (kubun) {
    case KubunRegular:
        return "ﾚｷﾞｭﾗｰ";
    case KubunPremium:
        return "ﾊｲｵｸ";
    case KubunDiesel:
        return "軽油";
    default:
        return "";
    }
}

} // namespace fenlo
