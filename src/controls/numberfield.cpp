#include "controls/numberfield.h"

#include <QKeyEvent>

namespace fenlo {
namespace {

const QChar point = QLatin1Char('.');
const QChar minus = QLatin1Char('-');
const QChar separator = QLatin1Char(',');

// The default length limit, which stands for "no limit".
constexpr int unlimitedLength = 32767;

bool isDigit(QChar c)
{
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}

QString withoutSeparators(QString text)
{
    return text.remove(separator);
}

// Groups the integer digits by thousands; a sign and any decimals are left as they are.
QString groupThousands(const QString &value)
{
    QString grouped = withoutSeparators(value);
    const qsizetype firstDigit = grouped.startsWith(minus) ? 1 : 0;
    qsizetype digitsEnd = grouped.indexOf(point);
    if (digitsEnd < 0)
        digitsEnd = grouped.size();
    for (qsizetype at = digitsEnd - 3; at > firstDigit; at -= 3)
        grouped.insert(at, separator);
    return grouped;
}

} // namespace

NumberField::NumberField(QWidget *parent)
    : FieldLineEdit(Qt::AlignRight, FieldBehaviour::CaretAfterF2::AtEnd, parent)
{
    setAttribute(Qt::WA_InputMethodEnabled, false);
    updateInputHints();
}

QString NumberField::valueText() const
{
    return withoutSeparators(text());
}

void NumberField::setText(const QString &value)
{
    setDisplayed(groupsThousands_ ? groupThousands(value) : value);
}

void NumberField::setAllowsDecimals(bool on)
{
    allowsDecimals_ = on;
    updateInputHints();
}

void NumberField::setAllowsMinus(bool on)
{
    allowsMinus_ = on;
    updateInputHints();
}

void NumberField::regroupThousands()
{
    setDisplayed(groupThousands(text()));
}

bool NumberField::swallowCharacter(QKeyEvent *event)
{
    // Shortcuts such as Ctrl+V are not typed characters.
    if (event->modifiers() & (Qt::ControlModifier | Qt::MetaModifier))
        return false;
    const QString typed = event->text();
    if (typed.isEmpty() || (typed.size() == 1 && !typed.front().isPrint()))
        return false;
    if (typed.size() != 1)
        return true;
    return allowsDecimals_ ? swallowInDecimalField(typed.front())
                           : swallowInIntegerField(typed.front());
}

bool NumberField::swallowInDecimalField(QChar typed)
{
    if (allowsMinus_ && typed == minus) {
        toggleSign();
        return true;
    }
    if (typed == point)
        return false; // a second point is caught by the change handling
    return !isDigit(typed) || digitsFull();
}

bool NumberField::swallowInIntegerField(QChar typed)
{
    if (typed == point) {
        appendThousands();
        return true;
    }
    if (allowsMinus_ && typed == minus) {
        toggleSign();
        return true;
    }
    return !isDigit(typed);
}

// Whether a digit typed at the caret would overfill its side of the point. Text about to be
// replaced as a whole (all selected, or an empty field) is never full.
bool NumberField::digitsFull() const
{
    const QString value = valueText();
    const qsizetype length = value.size();
    if (length == selectedText().size())
        return false;
    const qsizetype pointAt = value.lastIndexOf(point) + 1; // 1-based, 0 = none
    const qsizetype caret = hasSelectedText() ? selectionStart() : cursorPosition();
    if (pointAt == 0)
        return length >= maxIntegerDigits_;
    if (caret >= pointAt)
        return length >= pointAt + maxFractionDigits_;
    return pointAt > maxIntegerDigits_;
}

void NumberField::toggleSign()
{
    const QString value = valueText();
    if (value == QString(minus))
        setDisplayed(QString());
    else if (value.startsWith(minus))
        setDisplayed(value.mid(1));
    else
        setDisplayed(minus + value);
    end(false);
}

// "." in an integer field multiplies by a thousand, where the length allows it.
void NumberField::appendThousands()
{
    const QString value = valueText();
    if (maxLength() < unlimitedLength && value.size() <= maxLength() - 3)
        setDisplayed(value + QStringLiteral("000"));
    end(false);
}

void NumberField::textHasChanged()
{
    const QString shown = text();
    // Each correction changes the text again and so comes back here; that inner pass reports
    // the change, so the outer one stops.
    if (shown == QStringLiteral("-0")) { // a negative number cannot begin with 0
        setDisplayed(QString(minus));
        end(false);
        return;
    }
    if (breaksRules(shown)) {
        setDisplayed(QString());
        return;
    }
    Q_EMIT changed();
}

// Content that breaks a rule empties the field rather than being corrected.
bool NumberField::breaksRules(const QString &shown) const
{
    if (!allowsDecimals_ && shown.contains(point))
        return true;
    if (!allowsMinus_ && shown.contains(minus))
        return true;
    if (allowsDecimals_ && shown.count(point) > 1)
        return true;
    if (allowsMinus_ && shown.count(minus) > 1)
        return true;
    // Limits bind what the user types or pastes; a value set by the program stays as it is.
    return allowsDecimals_ && isModified() && exceedsDigitLimits();
}

bool NumberField::exceedsDigitLimits() const
{
    const QString value = valueText();
    const qsizetype pointAt = value.lastIndexOf(point) + 1;
    if (pointAt == 0)
        return value.size() > maxIntegerDigits_;
    return pointAt - 1 > maxIntegerDigits_ || value.size() - pointAt > maxFractionDigits_;
}

void NumberField::enterField()
{
    if (text() != valueText())
        setDisplayed(valueText()); // separators are in the way while editing
    FieldLineEdit::enterField();
}

bool NumberField::leaveField()
{
    if (!allowsDecimals_)
        removeLeadingZeros();
    if (groupsThousands_)
        regroupThousands();
    return true;
}

// 007 becomes 7, 000 becomes 0, -007 becomes -7 and a lone "-" goes.
void NumberField::removeLeadingZeros()
{
    QString digits = valueText();
    const bool negative = digits.startsWith(minus);
    if (negative)
        digits.remove(0, 1);
    if (digits.isEmpty()) {
        if (negative)
            setText(QString());
        return;
    }
    qsizetype zeros = 0;
    while (zeros < digits.size() && digits.at(zeros) == QLatin1Char('0'))
        ++zeros;
    if (zeros == 0)
        return;
    QString value = digits.mid(zeros);
    if (value.isEmpty())
        value = QStringLiteral("0");
    else if (negative)
        value.prepend(minus);
    setText(value);
}

void NumberField::setDisplayed(const QString &shown)
{
    if (shown != text())
        QLineEdit::setText(shown);
}

void NumberField::updateInputHints()
{
    setInputMethodHints(allowsDecimals_ || allowsMinus_ ? Qt::ImhFormattedNumbersOnly
                                                        : Qt::ImhDigitsOnly);
}

} // namespace fenlo
