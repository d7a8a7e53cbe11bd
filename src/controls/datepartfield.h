#pragma once

#include "controls/numberfield.h"

#include <QPointer>

namespace fenlo {

enum class DatePart { Year, Month, Day };

// One part of a date. A month or day out of range cannot be left behind: leaving the field
// shows why, empties it and keeps the focus there. An empty field may always be left.
class DatePartField : public NumberField
{
    Q_OBJECT
public:
    explicit DatePartField(QWidget *parent = nullptr);

    DatePart part() const { return part_; }
    void setPart(DatePart part) { part_ = part; }
    // The month field a day is checked against; only a day field has one. Forgotten when that
    // field is destroyed.
    DatePartField *monthField() const { return monthField_; }
    void setMonthField(DatePartField *month);

protected:
    bool leaveField() override;

private:
    QString complaint() const;
    int lastDay() const;

    DatePart part_ = DatePart::Month;
    QPointer<DatePartField> monthField_;
};

} // namespace fenlo
