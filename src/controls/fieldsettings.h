#pragma once

#include "controls/fieldbehaviour.h"

namespace fenlo {

// The settings every text and list field publishes, kept in its shared field behaviour:
// Enter and the arrows moving on, and the colour pairs of the focus.
class FieldSettings
{
public:
    bool RetNext() const { return field().RetNext; }
    void setRetNext(bool on) { field().RetNext = on; }
    bool CKeyUp() const { return field().CKeyUp; }
    void setCKeyUp(bool on) { field().CKeyUp = on; }
    bool CKeyDown() const { return field().CKeyDown; }
    void setCKeyDown(bool on) { field().CKeyDown = on; }

    const FocusColors &focusColors() const { return field().colors(); }
    void setFocusColors(const FocusColors &colors) { field().setColors(colors); }
    void setFcsColor(const QColor &c) { field().setColor(&FocusColors::fcsColor, c); }
    void setFcsfntColor(const QColor &c) { field().setColor(&FocusColors::fcsfntColor, c); }
    void setFcsnotColor(const QColor &c) { field().setColor(&FocusColors::fcsnotColor, c); }
    void setFcsnotfntColor(const QColor &c) { field().setColor(&FocusColors::fcsnotfntColor, c); }

protected:
    ~FieldSettings() = default;
    virtual FieldBehaviour &field() = 0;
    const FieldBehaviour &field() const { return const_cast<FieldSettings *>(this)->field(); }
};

} // namespace fenlo
