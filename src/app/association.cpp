#include "app/association.h"

#include "app/desktopfiles.h"
#include "data/error.h"
#include "ui/prompter.h"

#include <QCoreApplication>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QStringList>

#include <algorithm>

namespace fenlo {
namespace {

const QString DefaultGroup = QStringLiteral("[Default Applications]");

QString readText(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(file.readAll());
}

bool isGroupHeader(const QString &line)
{
    return line.trimmed().startsWith(QLatin1Char('['));
}

// Runs a desktop database tool when it is installed; a tool that fails is reported, since
// the files alone may not make the desktop notice the new type.
void refresh(const QString &tool, const QString &folder)
{
    const QString path = QStandardPaths::findExecutable(tool);
    if (path.isEmpty())
        return;
    QProcess process;
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(path, {folder});
    const bool finished = process.waitForFinished(60000);
    if (!finished || process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0)
        throw FenloError(QStringLiteral("%1 を実行できませんでした\n%2")
                             .arg(tool, QString::fromUtf8(process.readAll()).trimmed())
                             .toStdString());
}

} // namespace

XdgFolders XdgFolders::current()
{
    return {QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation),
            QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation)};
}

void offerFileAssociation()
{
    if (!Prompter::confirm(QStringLiteral("拡張子\"fnl\"をこのプログラムに関連付けますか？")))
        return;
    associateFnlFiles(XdgFolders::current(), QCoreApplication::applicationFilePath());
}

void associateFnlFiles(const XdgFolders &folders, const QString &program)
{
    using namespace desktop;
    const QString mimeFolder = folders.dataHome + QStringLiteral("/mime");
    const QString applications = folders.dataHome + QStringLiteral("/applications");
    writeTextFile(mimeFolder + QStringLiteral("/packages/") + MimeFileName, mimeTypeXml());
    writeTextFile(applications + QLatin1Char('/') + DesktopFileName, desktopEntry(program));
    writeProgramIcons(folders.dataHome + QStringLiteral("/icons/hicolor"));
    const QString mimeapps = folders.configHome + QStringLiteral("/mimeapps.list");
    writeTextFile(mimeapps, withDefaultApplication(readText(mimeapps), MimeType, DesktopFileName));
    refresh(QStringLiteral("update-mime-database"), mimeFolder);
    refresh(QStringLiteral("update-desktop-database"), applications);
}

QString withDefaultApplication(const QString &mimeapps, const QString &mimeType,
                               const QString &desktopId)
{
    const QString entry = mimeType + QLatin1Char('=') + desktopId;
    QStringList lines = mimeapps.split(QLatin1Char('\n'));
    if (!lines.isEmpty() && lines.constLast().isEmpty())
        lines.removeLast();
    const auto joined = [&lines] { return lines.join(QLatin1Char('\n')) + QLatin1Char('\n'); };

    const auto header = std::find_if(lines.begin(), lines.end(), [](const QString &line) {
        return line.trimmed() == DefaultGroup;
    });
    if (header == lines.end()) {
        if (!lines.isEmpty() && !lines.constLast().trimmed().isEmpty())
            lines.append(QString());
        lines << DefaultGroup << entry;
        return joined();
    }

    qsizetype insertAt = header - lines.begin() + 1;
    for (qsizetype i = insertAt; i < lines.size() && !isGroupHeader(lines[i]); ++i) {
        const QString key = lines[i].section(QLatin1Char('='), 0, 0).trimmed();
        if (key == mimeType) {
            lines[i] = entry;
            return joined();
        }
        if (!lines[i].trimmed().isEmpty())
            insertAt = i + 1;
    }
    lines.insert(insertAt, entry);
    return joined();
}

} // namespace fenlo
