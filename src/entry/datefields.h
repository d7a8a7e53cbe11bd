#pragma once

#include "data/datetime.h"

#include <QObject>

#include <optional>

namespace fenlo {

class DatePartField;
struct KeyDown;

// The year, month and day fields of a form working as one date: a one- or two-digit year is
// completed when the year field is left, the left and right arrows step between the parts
// when the caret stands at the edge (or the text is selected or empty), and the three
// texts name one date.
class DateFields : public QObject
{
    Q_OBJECT

public:
    DateFields(DatePartField *year, DatePartField *month, DatePartField *day, QObject *parent);

    // "yyyy", "mm" and "dd" of the date, with leading zeros.
    void show(DateTime date);
    void clear();
    bool anyEmpty() const;
    // Completes a one- or two-digit year as leaving the year field does; a form registering
    // while the year field still has the focus calls it, since that field was never left.
    void completeYear();
    // The date-time of the three fields and the hour; nullopt when the fields do not name a
    // calendar day (or the hour is outside 0 to 23).
    std::optional<DateTime> dateTime(int hour = 0) const;

    // Chains the arrow steps on into a following date, as the two bounds of a period: the
    // right arrow leaves this day for its year, the left arrow its year for this day.
    void linkNext(DateFields *next);

    DatePartField *year() const { return year_; }
    DatePartField *month() const { return month_; }
    DatePartField *day() const { return day_; }

private:
    void arrowKey(DatePartField *field, KeyDown *key);

    DatePartField *year_;
    DatePartField *month_;
    DatePartField *day_;
    DateFields *next_ = nullptr;
    DateFields *previous_ = nullptr;
};

} // namespace fenlo
