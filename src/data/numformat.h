#pragma once

#include "data/currency.h"
#include "data/error.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace fenlo {

// The general number-to-text form: at most 15 significant digits, "." as decimal point,
// trailing zeros and a bare point dropped (99999999, 0, 12.5, 37636.3333333333). Fixed notation
// for 0.00001 ≤ |x| < 10^15, scientific ("1.5E-6", "1E15") outside it.
std::string formatGeneral(double value);
std::string formatGeneral(Currency value);

// A display mask of the program: "#" an optional digit, "0" a required one, "," in the integer
// part for thousands separators, "." followed by the decimals ("0" always shown, "#" only when
// not zero). Halves are rounded away from zero at the last printed digit.
std::string formatMask(double value, std::string_view mask);
std::string formatMask(Currency value, std::string_view mask);

// Text to number with the runtime's failures: parseFloat throws
// "'text' は浮動小数点数ではありません"; parseInteger (plain decimal with an optional sign)
// throws "入力値が数値ではありません".
double parseFloat(std::string_view text);
std::int32_t parseInteger(std::string_view text);

// The runtime's conversion error for a text that is not a real number. The text is shown as
// it stands in the logbook (CP932), so it is converted for the message.
FenloError notFloatError(std::string_view cp932Text);

} // namespace fenlo
