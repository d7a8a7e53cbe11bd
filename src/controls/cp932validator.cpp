#include "controls/cp932validator.h"

#include "controls/qtext.h"

namespace fenlo {

QValidator::State Cp932Validator::validate(QString &input, int &) const
{
    return fitsCp932(input) ? Acceptable : Invalid;
}

} // namespace fenlo
