#include "app/desktopconventions.h"

#include <QAbstractButton>
#include <QApplication>
#include <QKeyEvent>
#include <QPointer>
#include <QPushButton>
#include <QTimer>

namespace fenlo {
namespace {

bool isPlainEnter(const QKeyEvent *event)
{
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    return enter && !event->isAutoRepeat() &&
           (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
}

// Qt shows a button pressed for 100 ms before it acts on its access key; the desktop the
// windows were designed for acts at once, and the pause made every window opened from a
// button 100 ms slower than one opened from the menu.
bool clickedByAccessKey(QObject *watched, const QShortcutEvent *event)
{
    auto *button = qobject_cast<QAbstractButton *>(watched);
    if (!button || event->isAmbiguous() || !button->isEnabled() ||
        event->key() != button->shortcut())
        return false;
    if (button->isCheckable() && (button->focusPolicy() & Qt::ClickFocus))
        button->setFocus(Qt::ShortcutFocusReason);
    button->click();
    return true;
}

bool pressedFocusedButton(QObject *watched, const QKeyEvent *event)
{
    auto *button = qobject_cast<QPushButton *>(watched);
    if (!button || !button->hasFocus() || !button->isEnabled() || !isPlainEnter(event))
        return false;
    button->click();
    return true;
}

// The opener, then the window that opened the opener, and so on: a message box asked from a
// dialog that then closes hands the keyboard back to the dialog's own opener.
QList<QPointer<QWidget>> openersOf(const QWidget *window)
{
    QList<QPointer<QWidget>> openers;
    for (QWidget *w = window->parentWidget(); w; w = w->window()->parentWidget())
        openers.append(w->window());
    return openers;
}

void reactivateOpener(const QWidget *modal)
{
    // Once the modal window is gone (and perhaps deleted), so that its own closing does not
    // undo the activation.
    QTimer::singleShot(0, qApp, [openers = openersOf(modal)] {
        for (const QPointer<QWidget> &opener : openers) {
            if (opener && opener->isVisible() && !opener->isMinimized()) {
                opener->activateWindow();
                return;
            }
        }
    });
}

// Some window managers (openbox among them) let a window without a minimise button be
// minimised all the same; a modal dialog would then block the program out of sight.
void refuseMinimising(QWidget *window)
{
    QTimer::singleShot(0, window, [window] {
        if (window->isMinimized())
            window->showNormal();
    });
}

} // namespace

bool DesktopConventions::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::KeyPress &&
        pressedFocusedButton(watched, static_cast<QKeyEvent *>(event)))
        return true;
    if (event->type() == QEvent::Shortcut &&
        clickedByAccessKey(watched, static_cast<QShortcutEvent *>(event)))
        return true;
    if (event->type() == QEvent::Hide && watched->isWidgetType()) {
        auto *widget = static_cast<QWidget *>(watched);
        if (widget->isWindow() && widget->isModal())
            reactivateOpener(widget);
    }
    if (event->type() == QEvent::WindowStateChange && watched->isWidgetType()) {
        auto *widget = static_cast<QWidget *>(watched);
        if (widget->isWindow() && widget->isMinimized() &&
            !widget->windowFlags().testFlag(Qt::WindowMinimizeButtonHint))
            refuseMinimising(widget);
    }
    return QObject::eventFilter(watched, event);
}

} // namespace fenlo
