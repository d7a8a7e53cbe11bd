#include "controls/datepartfield.h"

#include "ui/prompter.h"

namespace fenlo {

DatePartField::DatePartField(QWidget *parent) : NumberField(parent)
{
    setMaxLength(2);
}

void DatePartField::setMonthField(DatePartField *month)
{
    if (part_ == DatePart::Day) {
        monthField_ = month;
        return;
    }
    Prompter::plain(QStringLiteral("このプロパティはYMDswがswDDの時だけ指定してください"));
    monthField_ = nullptr;
}

bool DatePartField::leaveField()
{
    const QString message = complaint();
    if (message.isEmpty())
        return NumberField::leaveField();
    keepFocus();
    Prompter::information(message);
    setText(QString());
    return false;
}

// Why the field may not be left as it is; empty when it may. Text that is no number at all
// (pasted) is as wrong as a number out of range.
QString DatePartField::complaint() const
{
    const QString value = valueText();
    if (value.isEmpty() || part_ == DatePart::Year)
        return {};
    bool isNumber = false;
    const int number = value.toInt(&isNumber);
    if (part_ == DatePart::Month) {
        if (isNumber && number >= 1 && number <= 12)
            return {};
        return QStringLiteral("月の指定が違います。");
    }
    if (isNumber && number >= 1 && number <= lastDay())
        return {};
    return QStringLiteral("日の指定が違います。");
}

// The year is not known here, so February always allows the 29th; the form checks the whole
// date once it is complete.
int DatePartField::lastDay() const
{
    if (!monthField_)
        return 31;
    bool isNumber = false;
    switch (monthField_->valueText().toInt(&isNumber)) {
    case 4:
    case 6:
    case 9:
    case 11:
        return 30;
    case 2:
        return 29;
    default:
        return 31;
    }
}

} // namespace fenlo
