#include "ui/screenfit.h"

#include <QGuiApplication>
#include <QMargins>
#include <QScreen>
#include <QWidget>

#include <algorithm>

namespace fenlo {
namespace {

QMargins borderOf(const QWidget &window)
{
    const QRect outer = window.frameGeometry();
    const QRect inner = window.geometry();
    QMargins border(inner.left() - outer.left(), inner.top() - outer.top(),
                    outer.right() - inner.right(), outer.bottom() - inner.bottom());
    if (border.isNull() && window.parentWidget())
        return borderOf(*window.parentWidget()->window());
    return border;
}

const QScreen *screenNearest(const QPoint &point, const QWidget &window)
{
    if (const QScreen *screen = QGuiApplication::screenAt(point))
        return screen;
    return window.screen() ? window.screen() : QGuiApplication::primaryScreen();
}

} // namespace

QRect fitInto(const QRect &frame, const QRect &area)
{
    QRect fitted(frame.topLeft(), frame.size().boundedTo(area.size()));
    fitted.moveLeft(std::clamp(fitted.left(), area.left(), area.right() + 1 - fitted.width()));
    fitted.moveTop(std::clamp(fitted.top(), area.top(), area.bottom() + 1 - fitted.height()));
    return fitted;
}

void keepOnAvailableScreen(QWidget &window)
{
    const QMargins border = borderOf(window);
    const QRect outer = window.geometry().marginsAdded(border);
    const QScreen *screen = screenNearest(outer.center(), window);
    if (!screen)
        return;
    const QRect fitted = fitInto(outer, screen->availableGeometry());
    if (fitted != outer)
        window.setGeometry(fitted.marginsRemoved(border));
}

} // namespace fenlo
