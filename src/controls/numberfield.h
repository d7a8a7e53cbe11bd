#pragma once

#include "controls/fieldlineedit.h"

namespace fenlo {

// The program's number field: hours, distances, litres, amounts, codes and date parts.
// Keystrokes are filtered to digits (with one decimal point and a leading minus where allowed),
// the digits before and after the point are limited, content that breaks a rule empties the
// field, leading zeros go when an integer field is left, and thousands separators can be shown.
// The input method stays off: only digits belong here.
class NumberField : public FieldLineEdit
{
    Q_OBJECT
public:
    explicit NumberField(QWidget *parent = nullptr);

    // The value: the displayed text without thousands separators.
    QString Text() const;
    // Shows the value, grouped by thousands when Comma is on. This hides QLineEdit::setText,
    // which shows the text exactly as given.
    void setText(const QString &value);

    bool Comma() const { return m_comma; }
    void setComma(bool on) { m_comma = on; }
    bool Decimal() const { return m_decimal; }
    void setDecimal(bool on);
    bool Minus() const { return m_minus; }
    void setMinus(bool on);
    // With Decimal: the most characters before the point and the most digits after it.
    int MaxSeisu() const { return m_maxSeisu; }
    void setMaxSeisu(int count) { m_maxSeisu = count; }
    int MaxShousu() const { return m_maxShousu; }
    void setMaxShousu(int count) { m_maxShousu = count; }

    // Regroups the displayed text by thousands.
    virtual void CommaFormat();

protected:
    bool swallowCharacter(QKeyEvent *event) override;
    void enterField() override;
    bool leaveField() override;
    void textHasChanged() override;

private:
    bool swallowInDecimalField(QChar typed);
    bool swallowInIntegerField(QChar typed);
    bool digitsFull() const;
    void toggleSign();
    void appendThousands();
    bool breaksRules(const QString &shown) const;
    bool exceedsDigitLimits() const;
    void removeLeadingZeros();
    void setDisplayed(const QString &shown);
    void updateInputHints();

    bool m_comma = false;
    bool m_decimal = false;
    bool m_minus = false;
    int m_maxSeisu = 0;
    int m_maxShousu = 0;
};

} // namespace fenlo
