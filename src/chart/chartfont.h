#pragma once

#include <QColor>
#include <QFont>
#include <QString>

namespace fenlo {

// A chart text font as the windows describe it: a face name, a height in the convention of the
// windows (negative = character height in pixels) and a colour.
struct ChartFont
{
    QString name = QStringLiteral("ＭＳ Ｐ明朝");
    int height = -12;
    QColor color = Qt::black;

    // The face asked for first; the Windows faces are not on this system, so the IPA face of the
    // same style follows, then the other IPA faces, so Japanese text never falls into tofu.
    QFont toQFont() const;
};

} // namespace fenlo
