#pragma once

#include <QValidator>

namespace fenlo {

// Refuses any edit that would put a character into the field that the logbook cannot store,
// whether typed, pasted or composed by the input method. The field keeps its previous text.
class Cp932Validator : public QValidator
{
    Q_OBJECT
public:
    using QValidator::QValidator;
    State validate(QString &input, int &pos) const override;
};

} // namespace fenlo
