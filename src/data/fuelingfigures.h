#pragma once

// The figures the fueling dialog works out while the user types: rounded distances and litres,
// and the economy.

#include "data/currency.h"

#include <string>
#include <string_view>

namespace fenlo {

// Rounds to a whole number with halves away from zero.
Currency roundToWhole(Currency value);

// A typed distance or quantity rounded to one decimal, halves away from zero, in the general
// number form (12.0 gives "12", 45.25 gives "45.3"). Throws FenloError for text that is not a
// number.
std::string roundedToOneDecimal(std::string_view text);

// The economy of a trip and the litres bought for it, as the dialog shows it ("###0.0"); 0.0
// when either is 0.
std::string economyText(Currency distance, Currency litres);

// The economy a fueling stores: the figure economyText shows, as a Currency.
Currency fuelEconomy(Currency distance, Currency litres);

} // namespace fenlo
