#include "chart/chartfont.h"

#include <QStringList>

#include <algorithm>

namespace fenlo {

namespace {

QStringList fallbackFaces(const QString &face)
{
    const bool mincho = face.contains(QStringLiteral("明朝"));
    const bool proportional = face.contains(QStringLiteral("Ｐ")) || face.contains(u'P');
    QStringList faces;
    if (mincho)
        faces << (proportional ? QStringLiteral("IPAPMincho") : QStringLiteral("IPAMincho"));
    faces << (proportional ? QStringLiteral("IPAPGothic") : QStringLiteral("IPAGothic"));
    for (const QString &f : {QStringLiteral("IPAGothic"), QStringLiteral("IPAPGothic"),
                             QStringLiteral("IPAMincho")}) {
        if (!faces.contains(f))
            faces << f;
    }
    return faces;
}

} // namespace

QFont ChartFont::toQFont() const
{
    QFont font;
    font.setFamilies(QStringList{name} + fallbackFaces(name));
    // A positive height includes the internal leading; the em is then about 80 % of it.
    font.setPixelSize(height < 0 ? -height : std::max(1, height * 4 / 5));
    font.setHintingPreference(QFont::PreferFullHinting);
    font.setStyleStrategy(QFont::PreferAntialias);
    return font;
}

} // namespace fenlo
