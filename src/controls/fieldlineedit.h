#pragma once

#include "controls/fieldbehaviour.h"
#include "controls/fieldsettings.h"
#include "controls/fieldvalidator.h"

#include <QLineEdit>

namespace fenlo {

// The single-line edit that the program's text and number fields are built on. Besides the
// shared field behaviour it remembers the text the field held when it was entered, and it
// refuses characters that the logbook cannot store.
//
// Forms bind `changed()` rather than textChanged(): it comes after the field's own handling of
// the change. Likewise `entered()` and `exited()` come after the field's own entry and exit
// steps.
class FieldLineEdit : public QLineEdit, public FieldSettings
{
    Q_OBJECT
public:
    // The most characters the user can type or paste, counted as the user sees them. Unlike
    // QLineEdit's own limit (which these hide), a longer value set by the program is shown
    // whole, so a stored value is never cut short by opening it for editing.
    int maxLength() const;
    void setMaxLength(int length);

    // The displayed text at the moment the field was last entered.
    const QString &oldText() const { return oldText_; }

Q_SIGNALS:
    void changed();
    void entered();
    void exited();
    void pressEnter();
    void keyDown(fenlo::KeyDown *key);

protected:
    FieldLineEdit(Qt::Alignment alignment, FieldBehaviour::CaretAfterF2 caret, QWidget *parent);

    void keyPressEvent(QKeyEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;

    // True when the typed character must not reach the text.
    virtual bool swallowCharacter(QKeyEvent *) { return false; }
    // The field's own steps on entry, before the colours change and `entered()`.
    virtual void enterField();
    // The field's own steps on exit, before the colours change and `exited()`; false when the
    // field refuses to be left, having put the focus back into itself with keepFocus().
    virtual bool leaveField() { return true; }
    // Runs on every change of the displayed text; emits `changed()`.
    virtual void textHasChanged() { Q_EMIT changed(); }

    void keepFocus();

private:
    FieldBehaviour &field() override { return field_; }
    FieldBehaviour field_;
    FieldValidator *validator_;
    FieldBehaviour::CaretAfterF2 caretAfterF2_;
    QString oldText_;
};

} // namespace fenlo
