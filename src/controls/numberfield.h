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
    QString valueText() const;
    // Shows the value, grouped by thousands when groupsThousands is on. This hides
    // QLineEdit::setText, which shows the text exactly as given.
    void setText(const QString &value);

    bool groupsThousands() const { return groupsThousands_; }
    void setGroupsThousands(bool on) { groupsThousands_ = on; }
    bool allowsDecimals() const { return allowsDecimals_; }
    void setAllowsDecimals(bool on);
    bool allowsMinus() const { return allowsMinus_; }
    void setAllowsMinus(bool on);
    // With Decimal: the most characters before the point and the most digits after it.
    int maxIntegerDigits() const { return maxIntegerDigits_; }
    void setMaxIntegerDigits(int count) { maxIntegerDigits_ = count; }
    int maxFractionDigits() const { return maxFractionDigits_; }
    void setMaxFractionDigits(int count) { maxFractionDigits_ = count; }

    // Regroups the displayed text by thousands.
    virtual void regroupThousands();

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

    bool groupsThousands_ = false;
    bool allowsDecimals_ = false;
    bool allowsMinus_ = false;
    int maxIntegerDigits_ = 0;
    int maxFractionDigits_ = 0;
};

} // namespace fenlo
