#include "ui/childwindow.h"

#include <QMdiSubWindow>

namespace fenlo {

QWidget *outerWindow(QWidget *window)
{
    auto *frame = qobject_cast<QMdiSubWindow *>(window->parentWidget());
    return frame ? static_cast<QWidget *>(frame) : window;
}

void closeWithFrame(QWidget *window)
{
    outerWindow(window)->close();
}

QPoint besideWindow(const QWidget *window, int offset)
{
    QPoint origin;
    if (window) {
        // A child lives in an MDI frame inside the main window; both are what the user moves.
        auto *frame = qobject_cast<const QMdiSubWindow *>(window->parentWidget());
        origin = frame ? frame->window()->pos() + frame->pos() : window->pos();
    }
    return origin + QPoint(offset, offset);
}

} // namespace fenlo
