#include "controls/fieldlineedit.h"

#include <QFocusEvent>
#include <QKeyEvent>

namespace fenlo {

FieldLineEdit::FieldLineEdit(Qt::Alignment alignment, FieldBehaviour::CaretAfterF2 caret,
                             QWidget *parent)
    : QLineEdit(parent),
      m_field(this, Surface::Field, FocusColors::standard(),
              {[this](bool next) { return focusNextPrevChild(next); },
               [this] { Q_EMIT pressEnter(); }, [this](KeyDown *key) { Q_EMIT keyDown(key); }}),
      m_validator(new FieldValidator(this)), m_caretAfterF2(caret)
{
    setAlignment(alignment | Qt::AlignVCenter);
    setValidator(m_validator);
    connect(this, &QLineEdit::textChanged, this, [this] { textHasChanged(); });
}

int FieldLineEdit::maxLength() const
{
    return m_validator->maxLength();
}

void FieldLineEdit::setMaxLength(int length)
{
    m_validator->setMaxLength(length);
}

void FieldLineEdit::keyPressEvent(QKeyEvent *event)
{
    if (m_field.handleKey(event, this, m_caretAfterF2) || swallowCharacter(event))
        return;
    QLineEdit::keyPressEvent(event);
}

void FieldLineEdit::focusInEvent(QFocusEvent *event)
{
    QLineEdit::focusInEvent(event);
    if (!m_field.entering())
        return;
    enterField();
    Q_EMIT entered();
}

void FieldLineEdit::focusOutEvent(QFocusEvent *event)
{
    if (!m_field.leaving(event)) {
        QLineEdit::focusOutEvent(event);
        return;
    }
    if (!leaveField())
        return; // the field took the focus back: it was never really left
    m_field.applyColors();
    QLineEdit::focusOutEvent(event);
    Q_EMIT exited();
}

void FieldLineEdit::enterField()
{
    m_oldText = text();
    selectAll();
}

void FieldLineEdit::keepFocus()
{
    m_field.stayEntered();
    setFocus(Qt::OtherFocusReason);
}

} // namespace fenlo
