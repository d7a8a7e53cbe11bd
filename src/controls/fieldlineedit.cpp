#include "controls/fieldlineedit.h"

#include <QFocusEvent>
#include <QKeyEvent>

namespace fenlo {

FieldLineEdit::FieldLineEdit(Qt::Alignment alignment, FieldBehaviour::CaretAfterF2 caret,
                             QWidget *parent)
    : QLineEdit(parent),
      field_(this, Surface::Field, FocusColors::standard(),
             {[this](bool next) { return focusNextPrevChild(next); },
              [this] { Q_EMIT pressEnter(); }, [this](KeyDown *key) { Q_EMIT keyDown(key); }}),
      validator_(new FieldValidator(this)), caretAfterF2_(caret)
{
    setAlignment(alignment | Qt::AlignVCenter);
    setValidator(validator_);
    connect(this, &QLineEdit::textChanged, this, [this] { textHasChanged(); });
}

int FieldLineEdit::maxLength() const
{
    return validator_->maxLength();
}

void FieldLineEdit::setMaxLength(int length)
{
    validator_->setMaxLength(length);
}

void FieldLineEdit::keyPressEvent(QKeyEvent *event)
{
    if (field_.handleKey(event, this, caretAfterF2_) || swallowCharacter(event))
        return;
    QLineEdit::keyPressEvent(event);
}

void FieldLineEdit::focusInEvent(QFocusEvent *event)
{
    QLineEdit::focusInEvent(event);
    if (!field_.entering())
        return;
    enterField();
    Q_EMIT entered();
}

void FieldLineEdit::focusOutEvent(QFocusEvent *event)
{
    if (!field_.leaving(event)) {
        QLineEdit::focusOutEvent(event);
        return;
    }
    if (!leaveField())
        return; // the field took the focus back: it was never really left
    field_.applyColors();
    QLineEdit::focusOutEvent(event);
    Q_EMIT exited();
}

void FieldLineEdit::enterField()
{
    oldText_ = text();
    selectAll();
}

void FieldLineEdit::keepFocus()
{
    field_.stayEntered();
    setFocus(Qt::OtherFocusReason);
}

} // namespace fenlo
