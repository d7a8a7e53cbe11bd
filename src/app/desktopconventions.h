#pragma once

#include <QObject>

namespace fenlo {

// Habits of the desktop the windows were designed for, kept for every window of the program:
// Enter on a focused push button presses it; an access key presses its button at once; when a
// modal window closes, the window that opened it is active again, so the keyboard goes on
// where the user left it; and a window without a minimise button does not stay minimised.
class DesktopConventions : public QObject
{
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
};

} // namespace fenlo
