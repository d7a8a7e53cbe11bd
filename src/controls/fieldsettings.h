#pragma once

#include "controls/fieldbehaviour.h"

namespace fenlo {

// The settings every text and list field publishes, kept in its shared field behaviour:
// Enter and the arrows moving on, and the colour pairs of the focus.
class FieldSettings
{
public:
    bool enterMovesOn() const { return field().enterMovesOn; }
    void setEnterMovesOn(bool on) { field().enterMovesOn = on; }
    bool upMovesBack() const { return field().upMovesBack; }
    void setUpMovesBack(bool on) { field().upMovesBack = on; }
    bool downMovesOn() const { return field().downMovesOn; }
    void setDownMovesOn(bool on) { field().downMovesOn = on; }

    const FocusColors &focusColors() const { return field().colors(); }
    void setFocusColors(const FocusColors &colors) { field().setColors(colors); }
    void setFocusedBackground(const QColor &c)
    {
        field().setColor(&FocusColors::focusedBackground, c);
    }
    void setFocusedText(const QColor &c) { field().setColor(&FocusColors::focusedText, c); }
    void setUnfocusedBackground(const QColor &c)
    {
        field().setColor(&FocusColors::unfocusedBackground, c);
    }
    void setUnfocusedText(const QColor &c) { field().setColor(&FocusColors::unfocusedText, c); }

protected:
    ~FieldSettings() = default;
    virtual FieldBehaviour &field() = 0;
    const FieldBehaviour &field() const { return const_cast<FieldSettings *>(this)->field(); }
};

} // namespace fenlo
