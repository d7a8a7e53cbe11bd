#include "data/fuelingfigures.h"

#include "data/numformat.h"

namespace fenlo {

Currency roundToWhole(Currency value)
{
    const std::int64_t whole = value.raw() / Currency::Scale;
    const std::int64_t fraction = value.raw() % Currency::Scale;
    if (value.raw() > 0)
        return Currency::fromUnits(fraction >= Currency::Scale / 2 ? whole + 1 : whole);
    return Currency::fromUnits(-fraction >= Currency::Scale / 2 ? whole - 1 : whole);
}

std::string roundedToOneDecimal(std::string_view text)
{
    const Currency value = Currency::fromDouble(parseFloat(text));
    const Currency tenths = roundToWhole(Currency::fromRaw(value.raw() * 10));
    return formatGeneral(Currency::fromRaw(tenths.raw() / 10));
}

std::string economyText(Currency distance, Currency litres)
{
    Currency economy;
    if (distance.raw() != 0 && litres.raw() != 0)
        economy = Currency::fromDouble(distance.toDouble() / litres.toDouble());
    return formatMask(economy, "###0.0");
}

Currency fuelEconomy(Currency distance, Currency litres)
{
    return parseCurrency(economyText(distance, litres));
}

} // namespace fenlo
