#include "entry/datefields.h"

#include "controls/datepartfield.h"
#include "controls/fieldbehaviour.h"
#include "reports/period.h"

#include <QKeyEvent>

namespace fenlo {

DateFields::DateFields(DatePartField *year, DatePartField *month, DatePartField *day,
                       QObject *parent)
    : QObject(parent), year_(year), month_(month), day_(day)
{
    // The field has already dropped its leading zeros when this runs.
    connect(year_, &DatePartField::exited, this, &DateFields::completeYear);
    for (DatePartField *field : {year_, month_, day_})
        connect(field, &DatePartField::keyDown, this,
                [this, field](KeyDown *key) { arrowKey(field, key); });
}

void DateFields::arrowKey(DatePartField *field, KeyDown *key)
{
    const int code = key->event->key();
    if (code != Qt::Key_Left && code != Qt::Key_Right)
        return;
    if (!field->hasSelectedText() && !field->text().isEmpty()) {
        const int caret = field->cursorPosition();
        if ((code == Qt::Key_Left && caret != 0) ||
            (code == Qt::Key_Right && caret != field->text().size()))
            return; // an ordinary caret move inside the field
    }
    DatePartField *next = nullptr;
    if (code == Qt::Key_Right)
        next = field == year_ ? month_ : field == month_ ? day_ : next_ ? next_->year_ : nullptr;
    else
        next = field == month_ ? year_
               : field == day_ ? month_
               : previous_     ? previous_->day_
                               : nullptr;
    if (!next)
        return;
    key->consumed = true;
    next->setFocus(Qt::OtherFocusReason);
}

void DateFields::linkNext(DateFields *next)
{
    next_ = next;
    next->previous_ = this;
}

void DateFields::show(DateTime date)
{
    std::optional<DateParts> p = decodeDateTime(date);
    if (!p) {
        clear();
        return;
    }
    year_->setText(QStringLiteral("%1").arg(p->year, 4, 10, QLatin1Char('0')));
    month_->setText(QStringLiteral("%1").arg(p->month, 2, 10, QLatin1Char('0')));
    day_->setText(QStringLiteral("%1").arg(p->day, 2, 10, QLatin1Char('0')));
}

void DateFields::completeYear()
{
    year_->setText(QString::fromStdString(completeYearText(year_->text().toStdString())));
}

void DateFields::clear()
{
    for (DatePartField *field : {year_, month_, day_})
        field->clear();
}

bool DateFields::anyEmpty() const
{
    return year_->text().isEmpty() || month_->text().isEmpty() || day_->text().isEmpty();
}

std::optional<DateTime> DateFields::dateTime(int hour) const
{
    bool okYear = false, okMonth = false, okDay = false;
    int y = year_->text().toInt(&okYear);
    int m = month_->text().toInt(&okMonth);
    int d = day_->text().toInt(&okDay);
    if (!okYear || !okMonth || !okDay)
        return std::nullopt;
    return encodeDateTime(y, m, d, hour);
}

} // namespace fenlo
