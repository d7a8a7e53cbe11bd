#include "app/association.h"
#include "app/desktopfiles.h"
#include "app/mainwindow.h"
#include "support/scripted.h"
#include "support/tempdir.h"

#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QProcess>
#include <QStandardPaths>
#include <QTest>

#include <filesystem>

using namespace fenlo;
using fenlo::test::readBytes;
using fenlo::test::ScriptedPrompter;
using fenlo::test::TempDir;
using fenlo::test::writeBytes;
using Answer = Prompter::Answer;

namespace {

const QString Question = QStringLiteral("拡張子\"fnl\"をこのプログラムに関連付けますか？");

// Points the XDG folders of this process at a temporary home for one test.
class TemporaryHome
{
public:
    TemporaryHome()
    {
        qputenv("XDG_DATA_HOME", QByteArray::fromStdString(dir.file("data")));
        qputenv("XDG_CONFIG_HOME", QByteArray::fromStdString(dir.file("config")));
    }
    ~TemporaryHome()
    {
        qunsetenv("XDG_DATA_HOME");
        qunsetenv("XDG_CONFIG_HOME");
    }
    std::string data(const std::string &rest) const { return dir.file("data/" + rest); }
    std::string config(const std::string &rest) const { return dir.file("config/" + rest); }
    bool isEmpty() const { return std::filesystem::is_empty(dir.path()); }

    TempDir dir;
};

QString text(const std::string &path)
{
    return QString::fromStdString(readBytes(path));
}

void triggerAssociation()
{
    MainWindow frame;
    frame.action(QStringLiteral("D1"))->trigger();
}

} // namespace

class AssociationTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void answeringNoWritesNothing()
    {
        TemporaryHome home;
        ScriptedPrompter prompter;
        prompter.expect(Answer::No);
        triggerAssociation();
        QCOMPARE(prompter.texts(), QStringList{Question});
        QCOMPARE(prompter.shown.first().kind, Prompter::Kind::Confirmation);
        QVERIFY(home.isEmpty());
    }

    void answeringYesRegistersTypeEntryIconAndDefaultWithoutAMessage()
    {
        TemporaryHome home;
        ScriptedPrompter prompter;
        prompter.expect(Answer::Yes);
        triggerAssociation();
        QCOMPARE(prompter.texts(), QStringList{Question}); // no message follows

        const QString mime = text(home.data("mime/packages/fenlo.xml"));
        QVERIFY(mime.contains(QStringLiteral("<mime-type type=\"application/x-fenlo\">")));
        QVERIFY(mime.contains(QStringLiteral("<glob pattern=\"*.fnl\"/>")));
        QVERIFY(mime.contains(QStringLiteral("<comment>ふぇんろデータファイル</comment>")));

        const QString entry = text(home.data("applications/fenlo.desktop"));
        const QString program = QCoreApplication::applicationFilePath();
        QVERIFY2(entry.contains(QStringLiteral("\nExec=") + desktop::execArgument(program) +
                                QStringLiteral(" %f\n")),
                 qPrintable(entry));
        QVERIFY(entry.contains(QStringLiteral("\nMimeType=application/x-fenlo;\n")));
        QVERIFY(entry.contains(QStringLiteral("\nIcon=fenlo\n")));

        for (int size : {16, 48, 256}) {
            const QImage icon(QString::fromStdString(home.data(
                QStringLiteral("icons/hicolor/%1x%1/apps/fenlo.png").arg(size).toStdString())));
            QCOMPARE(icon.size(), QSize(size, size));
        }
        QCOMPARE(text(home.config("mimeapps.list")),
                 QStringLiteral("[Default Applications]\napplication/x-fenlo=fenlo.desktop\n"));

        if (!QStandardPaths::findExecutable(QStringLiteral("update-mime-database")).isEmpty())
            QVERIFY(text(home.data("mime/globs2"))
                        .contains(QStringLiteral("application/x-fenlo:*.fnl")));
    }

    void theDesktopToolsFindFenloAsTheDefault()
    {
        const QString xdgMime = QStandardPaths::findExecutable(QStringLiteral("xdg-mime"));
        if (xdgMime.isEmpty())
            QSKIP("xdg-mime is not installed");
        TemporaryHome home;
        associateFnlFiles(XdgFolders::current(), QStringLiteral("/opt/fenlo/bin/fenlo"));
        QProcess query;
        query.start(xdgMime, {QStringLiteral("query"), QStringLiteral("default"),
                              QStringLiteral("application/x-fenlo")});
        QVERIFY(query.waitForFinished(30000));
        QCOMPARE(QString::fromUtf8(query.readAllStandardOutput()).trimmed(),
                 QStringLiteral("fenlo.desktop"));

        const QString validate =
            QStandardPaths::findExecutable(QStringLiteral("desktop-file-validate"));
        if (!validate.isEmpty()) {
            QProcess check;
            check.start(validate,
                        {QString::fromStdString(home.data("applications/fenlo.desktop"))});
            QVERIFY(check.waitForFinished(30000));
            QVERIFY2(check.exitCode() == 0, check.readAllStandardOutput().constData());
        }
    }

    void aFolderThatCannotBeWrittenIsReportedAndStopsTheRest()
    {
        TemporaryHome home;
        // A plain file where the applications folder belongs.
        std::filesystem::create_directories(home.data(""));
        writeBytes(home.data("applications"), "not a folder");
        ScriptedPrompter prompter;
        prompter.expect(Answer::Yes);
        triggerAssociation();
        QCOMPARE(prompter.shown.size(), 2);
        QCOMPARE(prompter.shown[1].kind, Prompter::Kind::Error);
        QVERIFY2(prompter.shown[1].text.contains(QStringLiteral("fenlo.desktop")),
                 qPrintable(prompter.shown[1].text));
        QVERIFY(!QFileInfo::exists(QString::fromStdString(home.config("mimeapps.list"))));
        QVERIFY(!QFileInfo::exists(QString::fromStdString(home.data("icons"))));
    }

    void theDefaultIsSetWithoutDisturbingOtherAssociations()
    {
        const QString mime = QStringLiteral("application/x-fenlo");
        const QString id = QStringLiteral("fenlo.desktop");
        QCOMPARE(withDefaultApplication(QString(), mime, id),
                 QStringLiteral("[Default Applications]\napplication/x-fenlo=fenlo.desktop\n"));
        QCOMPARE(withDefaultApplication(
                     QStringLiteral("[Added Associations]\ntext/plain=a.desktop;\n"), mime, id),
                 QStringLiteral("[Added Associations]\ntext/plain=a.desktop;\n\n"
                                "[Default Applications]\napplication/x-fenlo=fenlo.desktop\n"));
        QCOMPARE(withDefaultApplication(QStringLiteral("[Default Applications]\n"
                                                       "text/html=b.desktop\n\n"
                                                       "[Removed Associations]\nx/y=c.desktop\n"),
                                        mime, id),
                 QStringLiteral("[Default Applications]\ntext/html=b.desktop\n"
                                "application/x-fenlo=fenlo.desktop\n\n"
                                "[Removed Associations]\nx/y=c.desktop\n"));
        // An earlier choice for the type is replaced, not doubled.
        QCOMPARE(withDefaultApplication(QStringLiteral("[Default Applications]\n"
                                                       "application/x-fenlo = old.desktop\n"
                                                       "text/html=b.desktop"),
                                        mime, id),
                 QStringLiteral("[Default Applications]\napplication/x-fenlo=fenlo.desktop\n"
                                "text/html=b.desktop\n"));
    }

    void theProgramPathIsQuotedSoTheDesktopRunsExactlyIt()
    {
        using desktop::execArgument;
        QCOMPARE(execArgument(QStringLiteral("/usr/bin/fenlo")), QStringLiteral("/usr/bin/fenlo"));
        QCOMPARE(execArgument(QStringLiteral("/home/a b/fenlo")),
                 QStringLiteral("\"/home/a b/fenlo\""));
        // Inside quotes ", `, $ and \ are escaped, and the backslash once more for the file format.
        QCOMPARE(execArgument(QStringLiteral("/x/$HOME\"`;\\/fenlo")),
                 QStringLiteral("\"/x/\\\\$HOME\\\\\"\\\\`;\\\\\\\\/fenlo\""));
        // A percent sign would otherwise be read as a field code.
        QCOMPARE(execArgument(QStringLiteral("/opt/100%f/fenlo")),
                 QStringLiteral("/opt/100%%f/fenlo"));
        QCOMPARE(execArgument(QStringLiteral("/opt/ふぇんろ/fenlo")),
                 QStringLiteral("/opt/ふぇんろ/fenlo"));
    }
};

QTEST_MAIN(AssociationTest)
#include "association_test.moc"
