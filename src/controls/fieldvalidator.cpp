#include "controls/fieldvalidator.h"

#include "controls/qtext.h"

namespace fenlo {

QValidator::State FieldValidator::validate(QString &input, int &) const
{
    return input.size() <= maxLength_ && fitsCp932(input) ? Acceptable : Invalid;
}

} // namespace fenlo
