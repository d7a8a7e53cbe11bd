#include "controls/combofield.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QStylePainter>

namespace fenlo {

ComboField::ComboField(QWidget *parent)
    : QComboBox(parent),
      field_(this, Surface::Field, FocusColors::standard(),
             {[this](bool next) { return focusNextPrevChild(next); },
              [this] { Q_EMIT pressEnter(); }, [this](KeyDown *key) { Q_EMIT keyDown(key); }})
{}

// Only reached while the list is closed: an open list takes the keys itself.
void ComboField::keyPressEvent(QKeyEvent *event)
{
    if (field_.handleKey(event, lineEdit(), FieldBehaviour::CaretAfterF2::AtStart))
        return;
    QComboBox::keyPressEvent(event);
}

void ComboField::focusInEvent(QFocusEvent *event)
{
    QComboBox::focusInEvent(event);
    if (!field_.entering())
        return;
    if (lineEdit())
        lineEdit()->selectAll();
    Q_EMIT entered();
}

void ComboField::focusOutEvent(QFocusEvent *event)
{
    const bool left = field_.leaving(event);
    if (left)
        field_.applyColors();
    QComboBox::focusOutEvent(event);
    if (left)
        Q_EMIT exited();
}

// The style shades a drop-down list's face as a button, which would wash the focus colour out;
// the text area gets the field's colour as it is, like an edit.
void ComboField::paintEvent(QPaintEvent *)
{
    QStylePainter painter(this);
    QStyleOptionComboBox option;
    initStyleOption(&option);
    painter.drawComplexControl(QStyle::CC_ComboBox, option);
    if (!isEditable()) {
        const QRect textArea = style()->subControlRect(QStyle::CC_ComboBox, &option,
                                                       QStyle::SC_ComboBoxEditField, this);
        painter.fillRect(textArea, palette().color(QPalette::Base));
    }
    painter.drawControl(QStyle::CE_ComboBoxLabel, option);
}

} // namespace fenlo
