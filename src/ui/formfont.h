#pragma once

#include <QFont>
#include <QString>

namespace fenlo {

// The face and pixel size a form is designed for; the Windows faces map onto the installed
// Japanese fonts by the substitutions set at start-up.
inline QFont formFont(const QString &face, int pixels)
{
    QFont font(face);
    font.setPixelSize(pixels);
    return font;
}

} // namespace fenlo
