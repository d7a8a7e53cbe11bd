#pragma once

#include <QColor>

class QWidget;

namespace fenlo {

// The two colour pairs of a field: one while it has the focus, one while it has not.
struct FocusColors
{
    QColor focusedBackground;   // background while focused
    QColor focusedText;         // text while focused
    QColor unfocusedBackground; // background while not focused
    QColor unfocusedText;       // text while not focused

    // What the program's edit and combo fields use: light blue while focused, the system's
    // edit colours otherwise.
    static FocusColors standard();
    // No highlight at all: the system's edit colours in both states.
    static FocusColors plain();
};

// Which palette roles a colour pair paints.
enum class Surface {
    Field,  // edits and combo boxes: the text area and its button face
    Button, // check boxes: the widget's own background behind the label
};

void paintSurface(QWidget *widget, Surface surface, const QColor &background, const QColor &text);

} // namespace fenlo
