#pragma once

#include <QObject>

namespace fenlo {

// Two habits of the desktop the windows were designed for, kept for every window of the
// program: Enter on a focused push button presses it, and when a modal window closes, the
// window that opened it is active again, so the keyboard goes on where the user left it.
class DesktopConventions : public QObject
{
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
};

} // namespace fenlo
