#pragma once

// The behaviour every field of the program shares (keys, focus colours, entering and leaving),
// kept apart from the widgets it is built into.

#include "controls/focuscolors.h"

#include <functional>

class QFocusEvent;
class QKeyEvent;
class QLineEdit;
class QWidget;

namespace fenlo {

// A key offered to the form after the field's own key handling. A handler that acts on the
// key sets `consumed`, and the field then leaves the key alone.
struct KeyDown
{
    QKeyEvent *event;
    bool consumed = false;
};

// What every field of the program shares, whatever widget it is built on: Enter and the
// up/down arrows move through the form's tab order, F2 toggles the selection, the colours
// follow the focus, and entering and leaving are told apart from the window merely losing
// and regaining activation.
class FieldBehaviour
{
public:
    enum class CaretAfterF2 { AtStart, AtEnd };

    struct Hooks
    {
        std::function<bool(bool next)> focusNextPrev; // the owner's focusNextPrevChild
        std::function<void()> pressEnter;             // Enter while enterMovesOn is off
        std::function<void(KeyDown *)> keyDown;       // may be empty
    };

    FieldBehaviour(QWidget *owner, Surface surface, FocusColors colors, Hooks hooks);

    bool enterMovesOn = true;
    bool upMovesBack = true;
    bool downMovesOn = true;

    const FocusColors &colors() const { return colors_; }
    // Takes effect at once, in whichever state the field is.
    void setColors(const FocusColors &colors);
    void setColor(QColor FocusColors::*which, const QColor &color);

    // The key-down steps: arrows, F2, the form's hook, Enter. True when the key was used up
    // and the widget's own handling must not see it. `editPart` may be null (no text to
    // select, as in a drop-down list).
    bool handleKey(QKeyEvent *event, QLineEdit *editPart, CaretAfterF2 caret);

    // True when focus-in starts a visit of the field, false when the window only came back.
    // A field of the same form still in its visit is left first.
    bool entering();
    // True when focus-out ends the visit, false when the window only lost activation. The
    // caller finishes its own leaving steps and then calls applyColors().
    bool leaving(const QFocusEvent *event);
    // For a field that refuses to be left: the visit goes on without a new entry.
    void stayEntered();

    // Paints the pair of the current state.
    void applyColors();

private:
    void setEntered(bool entered);
    void endOtherVisits();

    QWidget *owner_;
    Surface surface_;
    FocusColors colors_;
    Hooks hooks_;
    bool entered_ = false;
};

} // namespace fenlo
