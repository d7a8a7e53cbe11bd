#pragma once

#include <QList>
#include <QRect>
#include <QString>

class QWidget;

namespace fenlo {

// The frame's size and position as kept between runs in "fenlo.ini".
struct Placement
{
    int width = 780;
    int height = 540;
    int top = 0;
    int left = 0;

    QRect rect() const { return {left, top, width, height}; }
    bool operator==(const Placement &) const = default;
};

// "fenlo.ini" in the per-user configuration folder ($XDG_CONFIG_HOME, else ~/.config).
QString settingsFilePath();

// Reads section "fenlo"; a missing file, a missing key or a value that is not an integer gives
// that value's default.
Placement readPlacement(const QString &path);

// Writes the four keys of section "fenlo" as integers, keeping whatever else the file holds.
// Throws FenloError when the file cannot be written.
void writePlacement(const QString &path, const Placement &placement);

// A window that no screen shows enough of to grab (its monitor was removed, say) is moved, and
// shrunk when it is larger, onto the screen nearest to it; otherwise it stays where it is.
QRect keepOnScreen(const QRect &frame, const QList<QRect> &screens);

// Gives `window` the saved outer size and position, kept on one of the current screens. Call
// it before the window is first shown, while the window manager has not placed it yet.
void restorePlacement(QWidget &window);
// Saves the outer size and position of `window`, its border included.
void savePlacement(const QWidget &window);

} // namespace fenlo
