#include "controls/fieldbehaviour.h"

#include <QCoreApplication>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMdiSubWindow>
#include <QWidget>

namespace fenlo {
namespace {

bool isEnter(const QKeyEvent *event)
{
    return event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
}

// Alt with an arrow belongs to the widget (it opens a combo box's list).
bool isAltAlone(const QKeyEvent *event)
{
    return (event->modifiers() & ~Qt::KeypadModifier) == Qt::AltModifier;
}

// A change of window activation or a popup does not move the user out of the field.
bool isWindowActivation(const QFocusEvent *event)
{
    return event->reason() == Qt::ActiveWindowFocusReason ||
           event->reason() == Qt::PopupFocusReason;
}

void toggleSelection(QLineEdit *edit, FieldBehaviour::CaretAfterF2 caret)
{
    if (edit->selectedText().size() != edit->text().size()) {
        edit->selectAll();
    } else if (caret == FieldBehaviour::CaretAfterF2::AtEnd) {
        edit->deselect();
        edit->end(false);
    } else {
        edit->setCursorPosition(edit->hasSelectedText() ? edit->selectionStart()
                                                        : edit->cursorPosition());
        edit->deselect();
    }
}

// Marks the field whose visit is going on, so that a field of the same form can find it.
constexpr char EnteredProperty[] = "fenloFieldEntered";

// The form a field belongs to: its window, or its frame inside the main window's MDI area.
QWidget *formOf(QWidget *field)
{
    QWidget *form = field;
    while (!form->isWindow() && !qobject_cast<QMdiSubWindow *>(form))
        form = form->parentWidget();
    return form;
}

} // namespace

FieldBehaviour::FieldBehaviour(QWidget *owner, Surface surface, FocusColors colors, Hooks hooks)
    : owner_(owner), surface_(surface), colors_(std::move(colors)), hooks_(std::move(hooks))
{
    applyColors();
}

void FieldBehaviour::setColors(const FocusColors &colors)
{
    colors_ = colors;
    applyColors();
}

void FieldBehaviour::setColor(QColor FocusColors::*which, const QColor &color)
{
    colors_.*which = color;
    applyColors();
}

bool FieldBehaviour::handleKey(QKeyEvent *event, QLineEdit *editPart, CaretAfterF2 caret)
{
    const int key = event->key();
    if (!isAltAlone(event)) {
        if (key == Qt::Key_Up && upMovesBack) {
            hooks_.focusNextPrev(false);
            return true;
        }
        if (key == Qt::Key_Down && downMovesOn) {
            hooks_.focusNextPrev(true);
            return true;
        }
    }
    if (key == Qt::Key_F2) {
        if (editPart)
            toggleSelection(editPart, caret);
        return true;
    }
    if (hooks_.keyDown) {
        KeyDown offered{event};
        hooks_.keyDown(&offered);
        if (offered.consumed)
            return true;
    }
    if (isEnter(event)) {
        if (enterMovesOn)
            hooks_.focusNextPrev(true);
        else
            hooks_.pressEnter();
        return true;
    }
    return false;
}

bool FieldBehaviour::entering()
{
    if (entered_)
        return false;
    endOtherVisits();
    if (!owner_->hasFocus())
        return false; // the field left behind took the focus back
    setEntered(true);
    applyColors();
    return true;
}

bool FieldBehaviour::leaving(const QFocusEvent *event)
{
    if (!entered_ || isWindowActivation(event))
        return false;
    setEntered(false);
    return true;
}

void FieldBehaviour::stayEntered()
{
    setEntered(true);
}

void FieldBehaviour::setEntered(bool entered)
{
    entered_ = entered;
    owner_->setProperty(EnteredProperty, entered);
}

void FieldBehaviour::endOtherVisits()
{
    // A form that moves the focus while a message box is up changes the focus of an inactive
    // window, and the field that had it never hears of its leaving. Its visit ends now, with
    // all its leaving steps, before this one begins: only one field is ever entered.
    const QList<QWidget *> fields = formOf(owner_)->findChildren<QWidget *>();
    for (QWidget *field : fields) {
        if (field == owner_ || !field->property(EnteredProperty).toBool())
            continue;
        QFocusEvent left(QEvent::FocusOut, Qt::OtherFocusReason);
        QCoreApplication::sendEvent(field, &left);
    }
}

void FieldBehaviour::applyColors()
{
    if (entered_)
        paintSurface(owner_, surface_, colors_.focusedBackground, colors_.focusedText);
    else
        paintSurface(owner_, surface_, colors_.unfocusedBackground, colors_.unfocusedText);
}

} // namespace fenlo
