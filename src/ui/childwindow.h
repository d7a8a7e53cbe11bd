#pragma once

// How a window of the program sits in the frame's MDI area: the outer frame the user sees and
// moves, closing together with it, and the place a window opens beside another one.

#include <QPoint>

class QWidget;

namespace fenlo {

// The window's frame in the MDI area, or the window itself when it is not inside one.
QWidget *outerWindow(QWidget *window);

// Closes the window together with its frame in the MDI area.
void closeWithFrame(QWidget *window);

// Where a window opened beside `window` goes: the main window's top-left plus the top-left of
// `window`'s frame in the MDI area, plus `offset` each way. A window outside any MDI area
// counts with its own top-left; without one the place is `offset` from the screen's corner.
QPoint besideWindow(const QWidget *window, int offset);

} // namespace fenlo
