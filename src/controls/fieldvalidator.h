#pragma once

#include <QValidator>

namespace fenlo {

// Refuses any edit by the user that would make the field longer than its limit or put a
// character into it that the logbook cannot store, whether typed, pasted or composed by the
// input method; the field keeps its previous text. Text set by the program is never cut.
class FieldValidator : public QValidator
{
    Q_OBJECT
public:
    using QValidator::QValidator;
    State validate(QString &input, int &pos) const override;

    int maxLength() const { return maxLength_; }
    void setMaxLength(int length) { maxLength_ = length; }

private:
    int maxLength_ = 32767; // as QLineEdit: no practical limit
};

} // namespace fenlo
