#pragma once

#include <QRect>

class QWidget;

namespace fenlo {

// `frame` moved, and shrunk when it is larger, so that it lies wholly inside `area`; a frame
// that fits already is returned as it is.
QRect fitInto(const QRect &frame, const QRect &area);

// Moves, and shrinks when it must, a top-level window so that its outer frame lies on the
// available area of the screen nearest its centre. A window not framed yet is taken to get the
// border of the window it belongs to.
void keepOnAvailableScreen(QWidget &window);

} // namespace fenlo
