#include "exchangewindows/filenames.h"

#include <QFile>

namespace fenlo {

QString qtFileFilter(const char *filter)
{
    const QString text = QString::fromUtf8(filter);
    const qsizetype bar = text.indexOf(QLatin1Char('|'));
    if (bar < 0)
        return text;
    const QString description = text.left(bar);
    const QString bracketed = QLatin1Char('(') + text.mid(bar + 1) + QLatin1Char(')');
    if (description.endsWith(bracketed))
        return description;
    return description + QLatin1Char(' ') + bracketed;
}

std::string localPath(const QString &path)
{
    return QFile::encodeName(path).toStdString();
}

} // namespace fenlo
