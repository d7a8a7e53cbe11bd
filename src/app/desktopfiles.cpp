#include "app/desktopfiles.h"

#include "app/toolicons.h"
#include "data/error.h"

#include <QDir>
#include <QFileInfo>
#include <QPixmap>
#include <QSaveFile>

#include <algorithm>

namespace fenlo::desktop {
namespace {

[[noreturn]] void cannotWrite(const QString &path)
{
    throw FenloError(QStringLiteral("ファイル %1 を書き込めません")
                         .arg(QDir::toNativeSeparators(path))
                         .toStdString());
}

void makeFolderFor(const QString &path)
{
    const QString folder = QFileInfo(path).absolutePath();
    if (!QDir().mkpath(folder))
        cannotWrite(path);
}

// Characters that force an Exec argument into double quotes.
bool needsQuotes(const QString &argument)
{
    static const QString reserved = QStringLiteral(" \t\n\"'\\><~|&;$*?#()`");
    return argument.isEmpty() || std::any_of(argument.begin(), argument.end(),
                                             [](QChar c) { return reserved.contains(c); });
}

// The escapes of a desktop entry's string values, applied before the Exec quoting is read.
QString escapeValue(const QString &value)
{
    QString out;
    for (QChar c : value) {
        if (c == QLatin1Char('\\'))
            out += QStringLiteral("\\\\");
        else if (c == QLatin1Char('\n'))
            out += QStringLiteral("\\n");
        else if (c == QLatin1Char('\t'))
            out += QStringLiteral("\\t");
        else if (c == QLatin1Char('\r'))
            out += QStringLiteral("\\r");
        else
            out += c;
    }
    return out;
}

} // namespace

QString mimeTypeXml()
{
    return QStringLiteral(
               "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
               "<mime-info xmlns=\"http://www.freedesktop.org/standards/shared-mime-info\">\n"
               "  <mime-type type=\"%1\">\n"
               "    <comment>ふぇんろデータファイル</comment>\n"
               "    <comment xml:lang=\"ja\">ふぇんろデータファイル</comment>\n"
               "    <sub-class-of type=\"text/plain\"/>\n"
               "    <icon name=\"%2\"/>\n"
               "    <glob pattern=\"*.fnl\"/>\n"
               "  </mime-type>\n"
               "</mime-info>\n")
        .arg(MimeType, IconName);
}

QString execArgument(const QString &program)
{
    QString argument = program;
    if (needsQuotes(program)) {
        argument.clear();
        for (QChar c : program) {
            if (c == QLatin1Char('"') || c == QLatin1Char('`') || c == QLatin1Char('$') ||
                c == QLatin1Char('\\'))
                argument += QLatin1Char('\\');
            argument += c;
        }
        argument = QLatin1Char('"') + argument + QLatin1Char('"');
    }
    argument.replace(QLatin1Char('%'), QStringLiteral("%%"));
    return escapeValue(argument);
}

QString desktopEntry(const QString &program)
{
    return QStringLiteral("[Desktop Entry]\n"
                          "Type=Application\n"
                          "Name=燃費管理「ふぇんろ」\n"
                          "GenericName=燃費管理\n"
                          "Comment=給油の記録と燃費を管理します\n"
                          "Exec=%1 %f\n"
                          "Icon=%2\n"
                          "Terminal=false\n"
                          "MimeType=%3;\n"
                          "Categories=Office;\n")
        .arg(execArgument(program), IconName, MimeType);
}

void writeProgramIcons(const QString &hicolorDir)
{
    const QIcon icon = programIcon();
    for (int size : {16, 22, 24, 32, 48, 64, 128, 256}) {
        const QString path =
            QStringLiteral("%1/%2x%2/apps/%3.png").arg(hicolorDir).arg(size).arg(IconName);
        makeFolderFor(path);
        QSaveFile file(path);
        if (!file.open(QIODevice::WriteOnly) || !icon.pixmap(size, size).save(&file, "PNG") ||
            !file.commit())
            cannotWrite(path);
    }
}

void writeTextFile(const QString &path, const QString &text)
{
    makeFolderFor(path);
    QSaveFile file(path);
    const QByteArray bytes = text.toUtf8();
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit())
        cannotWrite(path);
}

} // namespace fenlo::desktop
