#pragma once

#include <QIcon>
#include <QString>

namespace fenlo {

// The frame's tool-bar icons, drawn in code at 16 × 16 and 32 × 32 so they stay sharp on
// high-density screens. `name` is the tool button's name ("SBtnOpen", "SpeedButton1", …).
QIcon toolIcon(const QString &name);

// The program's own icon: a fuel pump on a rounded green tile.
QIcon programIcon();

} // namespace fenlo
