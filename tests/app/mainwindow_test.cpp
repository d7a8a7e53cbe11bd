#include "app/framestatusbar.h"
#include "app/mainwindow.h"
#include "data/backups.h"
#include "data/fnlfile.h"
#include "support/scripted.h"
#include "support/tempdir.h"
#include "ui/prompter.h"

#include <QAction>
#include <QCloseEvent>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QTest>

#include <filesystem>
#include <memory>

using namespace fenlo;
using fenlo::test::ScriptedFileChooser;
using fenlo::test::ScriptedPrompter;
using fenlo::test::TempDir;
using Answer = Prompter::Answer;

namespace {

const QString Title = QStringLiteral("燃費管理「ふぇんろ」");
const QString Untitled = Title + QStringLiteral(" [新規データ]");
const QString SaveQuestion = QStringLiteral("現在変更中のデータは保存されていません。保存しますか？");

QString titled(const std::string &path)
{
    return Title + QStringLiteral(" [") + QString::fromStdString(path) + QLatin1Char(']');
}

std::string writeLogbook(const TempDir &dir, const std::string &name, const char *carName)
{
    Logbook book;
    book.carName = carName;
    book.makers[1] = {4, "maker"};
    book.fuelings[1].moment = 40000;
    book.memos[1] = {40001, "memo"};
    std::string path = dir.file(name);
    writeLogbookFile(book, path);
    return path;
}

// A child window that answers whether it may close as told, and counts the questions.
class AskedChild : public QWidget
{
public:
    bool agrees = true;
    int asked = 0;

protected:
    void closeEvent(QCloseEvent *event) override
    {
        ++asked;
        event->setAccepted(agrees);
    }
};

} // namespace

class MainWindowTest : public QObject
{
    Q_OBJECT

    std::unique_ptr<MainWindow> start(QStringList args = {})
    {
        auto frame = std::make_unique<MainWindow>(args);
        frame->show();
        return frame;
    }

    QString carLabel(MainWindow &frame)
    {
        return frame.findChild<QLabel *>(QStringLiteral("LblShamei"))->text();
    }

    void trigger(MainWindow &frame, const char *name)
    {
        frame.action(QString::fromUtf8(name))->trigger();
    }

private Q_SLOTS:
    void startsUntitledOrWithTheFileNamedOnTheCommandLine()
    {
        TempDir dir;
        ScriptedPrompter prompter;
        std::string path = writeLogbook(dir, "car.fnl", "abc");
        auto frame = start({QString::fromStdString(path)});
        QCOMPARE(frame->windowTitle(), titled(path));
        QCOMPARE(carLabel(*frame), QStringLiteral("abc"));
        QCOMPARE(frame->book().fuelings.usedCount(), 1);
        QVERIFY(!frame->book().modified);

        auto missing = start({QString::fromStdString(dir.file("missing.fnl"))});
        QCOMPARE(missing->windowTitle(), Untitled);
        QCOMPARE(carLabel(*missing), QString());
        QVERIFY(prompter.shown.isEmpty());
    }

    void menusCarTheirCaptionsAndCommandsWithoutWindowsAreDisabled()
    {
        ScriptedPrompter prompter;
        auto frame = start();
        QCOMPARE(frame->action(QStringLiteral("MIFNameSave"))->text(),
                 QStringLiteral("名前をつけて保存(&A)"));
        QCOMPARE(frame->action(QStringLiteral("MIFOpen"))->toolTip(), QStringLiteral("開く"));
        QVERIFY(frame->action(QStringLiteral("MIFSave"))->isEnabled());
        QVERIFY(frame->findChild<QWidget *>(QStringLiteral("SBtnOpen")));
        QVERIFY(frame->findChild<QWidget *>(QStringLiteral("SpeedButton9")));
        QVERIFY(!frame->findChild<QWidget *>(QStringLiteral("SBtnNew"))->isVisible());
    }

    void newWithUnsavedChangesAsksAndCancellingTheSaveDialogStops()
    {
        ScriptedPrompter prompter;
        ScriptedFileChooser chooser;
        auto frame = start();
        frame->book().carName = "kept";
        frame->book().modified = true;
        frame->showChild(QStringLiteral("FrmProbe"), [] { return new QWidget; });

        prompter.expect(Answer::Yes);
        chooser.answers.enqueue(std::nullopt);
        trigger(*frame, "MIFNew");
        QCOMPARE(prompter.texts(), QStringList{SaveQuestion});
        QCOMPARE(frame->book().carName, std::string("kept"));
        QVERIFY(frame->book().modified);
        QCOMPARE(frame->windowTitle(), Untitled);
        QCOMPARE(frame->mdiArea()->subWindowList().size(), 1);

        prompter.expect(Answer::No);
        trigger(*frame, "MIFNew");
        QCOMPARE(frame->book().carName, std::string());
        QVERIFY(!frame->book().modified);
        QTRY_COMPARE(frame->mdiArea()->subWindowList().size(), 0);
        QVERIFY(prompter.unexpected.isEmpty());
    }

    void yesOnATitledLogbookSavesBeforeOpeningAnother()
    {
        TempDir dir;
        ScriptedPrompter prompter;
        ScriptedFileChooser chooser;
        std::string first = writeLogbook(dir, "first.fnl", "one");
        std::string second = writeLogbook(dir, "second.fnl", "two");
        auto frame = start({QString::fromStdString(first)});
        frame->book().carName = "changed";
        frame->book().modified = true;

        prompter.expect(Answer::Yes);
        chooser.answers.enqueue(QString::fromStdString(second));
        trigger(*frame, "MIFOpen");
        QCOMPARE(frame->windowTitle(), titled(second));
        QCOMPARE(frame->book().carName, std::string("two"));
        Logbook saved;
        readLogbookFile(saved, first);
        QCOMPARE(saved.carName, std::string("changed"));
        QCOMPARE(chooser.requests.size(), 1); // no save dialog for a titled logbook
        QCOMPARE(chooser.requests[0].defaultSuffix, QStringLiteral("fnl"));
    }

    void openWithoutChangesAsksNothingAndAMissingTypedNameChangesNothing()
    {
        TempDir dir;
        ScriptedPrompter prompter;
        ScriptedFileChooser chooser;
        std::string path = writeLogbook(dir, "car.fnl", "abc");
        auto frame = start({QString::fromStdString(path)});
        frame->showChild(QStringLiteral("FrmProbe"), [] { return new QWidget; });
        chooser.answers.enqueue(QString::fromStdString(dir.file("typed.fnl")));
        trigger(*frame, "MIFOpen");
        QVERIFY(prompter.shown.isEmpty());
        QTRY_COMPARE(frame->mdiArea()->subWindowList().size(), 0);
        QCOMPARE(frame->windowTitle(), titled(path));
        QCOMPARE(frame->book().carName, std::string("abc"));
    }

    void saveAsksForANameOnlyWhenUntitled()
    {
        TempDir dir;
        ScriptedPrompter prompter;
        ScriptedFileChooser chooser;
        auto frame = start();
        frame->book().modified = true;
        std::string path = dir.file("new.fnl");
        chooser.answers.enqueue(QString::fromStdString(path));
        trigger(*frame, "MIFSave");
        QCOMPARE(frame->windowTitle(), titled(path));
        QVERIFY(!frame->book().modified);
        QCOMPARE(chooser.requests.size(), 1);

        frame->book().carName = "again";
        trigger(*frame, "MIFSave");
        QCOMPARE(chooser.requests.size(), 1);
        Logbook saved;
        readLogbookFile(saved, path);
        QCOMPARE(saved.carName, std::string("again"));
        QCOMPARE(frame->frameStatusBar()->position(), 0);
    }

    void aFailedSaveShowsTheErrorAndKeepsCaptionNameAndFlag()
    {
        TempDir dir;
        ScriptedPrompter prompter;
        ScriptedFileChooser chooser;
        std::string path = writeLogbook(dir, "car.fnl", "abc");
        auto frame = start({QString::fromStdString(path)});
        frame->book().modified = true;
        prompter.expect(Answer::Ok);
        chooser.answers.enqueue(QString::fromStdString(dir.file("gone/other.fnl")));
        trigger(*frame, "MIFNameSave");
        QCOMPARE(prompter.texts(), QStringList{QStringLiteral("ファイルが見つかりません.")});
        QCOMPARE(prompter.shown[0].kind, Prompter::Kind::Error);
        QCOMPARE(frame->windowTitle(), titled(path));
        QCOMPARE(frame->book().fileName, path);
        QVERIFY(frame->book().modified);
        QCOMPARE(frame->frameStatusBar()->position(), 0);
    }

    void aFailedLoadLeavesTheOpenLogbookExactlyAsItWas()
    {
        TempDir dir;
        ScriptedPrompter prompter;
        ScriptedFileChooser chooser;
        std::string path = writeLogbook(dir, "car.fnl", "abc");
        std::string broken = dir.file("broken.fnl");
        std::string bytes = fenlo::test::readBytes(path);
        fenlo::test::writeBytes(broken, bytes.substr(0, bytes.size() / 2));
        auto frame = start({QString::fromStdString(path)});
        frame->book().modified = true;
        frame->book().carName = "edited";

        prompter.expect(Answer::No); // do not save first
        prompter.expect(Answer::Ok); // the error box
        chooser.answers.enqueue(QString::fromStdString(broken));
        trigger(*frame, "MIFOpen");
        QCOMPARE(prompter.texts().size(), 2);
        QCOMPARE(prompter.texts()[1], QStringLiteral("'' は浮動小数点数ではありません."));
        QCOMPARE(frame->book().carName, std::string("edited"));
        QCOMPARE(frame->book().fuelings.usedCount(), 1);
        QCOMPARE(frame->book().memos[1].text, std::string("memo"));
        QCOMPARE(frame->book().fileName, path);
        QVERIFY(frame->book().modified);
        QCOMPARE(frame->windowTitle(), titled(path));
        QCOMPARE(frame->frameStatusBar()->position(), 0);
    }

    void headersAreCheckedAndOlderFilesWarnFirst()
    {
        TempDir dir;
        ScriptedPrompter prompter;
        ScriptedFileChooser chooser;
        std::string path = writeLogbook(dir, "car.fnl", "abc");
        auto frame = start({QString::fromStdString(path)});

        std::string other = dir.file("other.fnl");
        fenlo::test::writeBytes(other, "FENLOV3\r\n");
        prompter.expect(Answer::Ok);
        chooser.answers.enqueue(QString::fromStdString(other));
        trigger(*frame, "MIFOpen");
        QCOMPARE(prompter.texts().last(), QStringLiteral("これは「ふぇんろVer3」のデータではありません"));
        QCOMPARE(prompter.shown.last().kind, Prompter::Kind::Warning);
        QCOMPARE(frame->windowTitle(), titled(path));

        // A previous-format file: its memos do not exist, so none of the open logbook's stay.
        std::string v2 = dir.file("v2.fnl");
        std::string text = "fenlov2\r\nold car\r\n";
        for (int i = 0; i < 20; ++i)
            text += "999\r\n\r\n";
        for (int i = 0; i < 1000; ++i)
            text += "99999999\r\n0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n";
        fenlo::test::writeBytes(v2, text);
        prompter.expect(Answer::Ok);
        chooser.answers.enqueue(QString::fromStdString(v2));
        trigger(*frame, "MIFOpen");
        QCOMPARE(prompter.texts().last(),
                 QStringLiteral("これは「ふぇんろVer2」のデータです。保存すると「ふぇんろVer3」のデ"
                                "ータになります。"));
        QCOMPARE(frame->book().carName, std::string("old car"));
        QCOMPARE(frame->book().memos.usedCount(), 0);
        QCOMPARE(carLabel(*frame), QStringLiteral("old car"));
        QVERIFY(prompter.unexpected.isEmpty());
    }

    void aChildWindowExistsOnceAndIsRestored()
    {
        ScriptedPrompter prompter;
        auto frame = start();
        int created = 0;
        auto make = [&] {
            ++created;
            return new QWidget;
        };
        QWidget *first = frame->showChild(QStringLiteral("FrmNenpiDataIN"), make);
        first->parentWidget()->showMinimized();
        QWidget *again = frame->showChild(QStringLiteral("frmnenpidatain"), make);
        QCOMPARE(again, first);
        QCOMPARE(created, 1);
        QVERIFY(!first->parentWidget()->isMinimized());
        QCOMPARE(frame->mdiArea()->subWindowList().size(), 1);
    }

    void closingAsksTheChildrenThenWhetherToSave()
    {
        ScriptedPrompter prompter;
        ScriptedFileChooser chooser;
        auto frame = start();
        frame->book().modified = true;
        prompter.expect(Answer::Yes);
        chooser.answers.enqueue(std::nullopt);
        QVERIFY(!frame->close());
        QVERIFY(frame->isVisible());
        prompter.expect(Answer::No);
        QVERIFY(frame->close());
    }

    // The children are asked first and closed only when the program ends: a save dialog
    // cancelled afterwards leaves every window open, and no child is asked twice.
    void closingAsksTheChildrenWithoutClosingThem()
    {
        ScriptedPrompter prompter;
        ScriptedFileChooser chooser;
        auto frame = start();
        AskedChild *report = nullptr;
        AskedChild *editor = nullptr;
        frame->showChild(QStringLiteral("FrmOut1"), [&] { return report = new AskedChild; });
        frame->showChild(QStringLiteral("FrmShameiT"), [&] { return editor = new AskedChild; });
        frame->book().modified = true;

        editor->agrees = false;
        QVERIFY(!frame->close());
        QVERIFY(prompter.shown.isEmpty()); // a refusing child comes before the save question

        editor->agrees = true;
        prompter.expect(Answer::Yes);
        chooser.answers.enqueue(std::nullopt);
        QVERIFY(!frame->close());
        QCOMPARE(frame->mdiArea()->subWindowList().size(), 2);
        QVERIFY(report->isVisible() && editor->isVisible());

        prompter.expect(Answer::No);
        QVERIFY(frame->close());
        QCOMPARE(prompter.texts(), (QStringList{SaveQuestion, SaveQuestion}));
        QCOMPARE(report->asked, 3);
        QCOMPARE(editor->asked, 3);
    }

    void aFailingSaveStopsTheCommandThatAskedForIt()
    {
        TempDir dir;
        ScriptedPrompter prompter;
        ScriptedFileChooser chooser;
        std::filesystem::create_directory(dir.file("sub"));
        std::string path = writeLogbook(dir, "sub/car.fnl", "abc");
        auto frame = start({QString::fromStdString(path)});
        frame->book().carName = "edited";
        frame->book().modified = true;
        std::filesystem::remove_all(dir.file("sub"));

        for (const char *command : {"MIFEnd", "MIFNew", "MIFOpen", "N7"}) {
            prompter.expect(Answer::Yes); // save first
            prompter.expect(Answer::Ok);  // the error box
            trigger(*frame, command);
            QVERIFY2(frame->isVisible(), command);
            QCOMPARE(prompter.texts().last(), QStringLiteral("ファイルが見つかりません."));
            QVERIFY(frame->book().modified);
            QCOMPARE(frame->book().carName, std::string("edited"));
            QCOMPARE(frame->book().fileName, path);
        }
        QCOMPARE(chooser.requests.size(), 0);
        QVERIFY(prompter.unexpected.isEmpty());
    }

    void aLogbookAnotherProgramHasOpenIsOnlyUsedWhenTheUserSaysSo()
    {
        TempDir dir;
        ScriptedPrompter prompter;
        ScriptedFileChooser chooser;
        const QString OpenQuestion =
            QStringLiteral("このファイルは他のふぇんろで開かれています。開きますか？");
        const QString SaveAnywayQuestion =
            QStringLiteral("このファイルは他のふぇんろで開かれています。保存しますか？");
        std::string path = writeLogbook(dir, "car.fnl", "abc");
        std::string saved = fenlo::test::readBytes(path);
        auto holder = start({QString::fromStdString(path)});
        QVERIFY(prompter.shown.isEmpty());

        // No: the second program stays exactly as it was.
        auto second = start();
        second->book().carName = "typed";
        second->book().modified = true;
        prompter.expect(Answer::No); // do not save the typed name
        prompter.expect(Answer::No); // do not open the file in use
        chooser.answers.enqueue(QString::fromStdString(path));
        trigger(*second, "MIFOpen");
        QCOMPARE(prompter.texts().last(), OpenQuestion);
        QCOMPARE(second->windowTitle(), Untitled);
        QCOMPARE(second->book().carName, std::string("typed"));
        QVERIFY(second->book().modified);

        // Yes opens it; a save over the other program's file asks again, and No saves nothing.
        prompter.expect(Answer::Yes);
        chooser.answers.enqueue(QString::fromStdString(path));
        second->book().modified = false;
        trigger(*second, "MIFOpen");
        QCOMPARE(second->windowTitle(), titled(path));
        second->book().carName = "edited";
        second->book().modified = true;
        prompter.expect(Answer::No);
        trigger(*second, "MIFSave");
        QCOMPARE(prompter.texts().last(), SaveAnywayQuestion);
        QCOMPARE(fenlo::test::readBytes(path), saved);
        QVERIFY(second->book().modified);

        // Once the other program has let go, the save claims the file without a question.
        int asked = prompter.shown.size();
        holder.reset();
        trigger(*second, "MIFSave");
        QCOMPARE(prompter.shown.size(), asked);
        QVERIFY(!second->book().modified);
        prompter.expect(Answer::No);
        auto third = start({QString::fromStdString(path)});
        QCOMPARE(prompter.texts().last(), OpenQuestion);
        QCOMPARE(third->windowTitle(), Untitled);
        QVERIFY(prompter.unexpected.isEmpty());
    }

    void eachSaveKeepsTheReplacedFileAndReportsABackupThatFailed()
    {
        TempDir dir;
        TempDir data;
        ScriptedPrompter prompter;
        const QByteArray oldData = qgetenv("XDG_DATA_HOME");
        qputenv("XDG_DATA_HOME", QByteArray::fromStdString(data.path()));
        std::string path = writeLogbook(dir, "car.fnl", "abc");
        std::string first = fenlo::test::readBytes(path);
        auto frame = start({QString::fromStdString(path)});
        trigger(*frame, "MIFSave");
        BackupFolder backups(data.file("fenlo/backups"));
        QCOMPARE(backups.copiesOf(path).size(), size_t(1));
        QCOMPARE(fenlo::test::readBytes(backups.copiesOf(path).front()), first);

        fenlo::test::writeBytes(data.file("blocked"), "not a folder");
        qputenv("XDG_DATA_HOME", QByteArray::fromStdString(data.file("blocked")));
        prompter.expect(Answer::Yes); // the first frame still has the file open
        auto blocked = start({QString::fromStdString(path)});
        blocked->book().carName = "saved anyway";
        blocked->book().modified = true;
        prompter.expect(Answer::Yes);
        trigger(*blocked, "MIFSave");
        QCOMPARE(blocked->frameStatusBar()->panelText(0),
                 QStringLiteral("バックアップを作成できませんでした（ファイルが見つかりません）"));
        QVERIFY(!blocked->book().modified);
        Logbook reread;
        QCOMPARE(fenlo::readLogbookFile(reread, path), LoadResult::Loaded);
        QCOMPARE(reread.carName, std::string("saved anyway"));
        qputenv("XDG_DATA_HOME", oldData);
    }

    void errorTextGetsAFinalPointAfterLaterCharacters()
    {
        QCOMPARE(Prompter::errorText(QStringLiteral("ディスクがいっぱいです")),
                 QStringLiteral("ディスクがいっぱいです."));
        QCOMPARE(Prompter::errorText(QStringLiteral("done.")), QStringLiteral("done."));
        QCOMPARE(Prompter::errorText(QStringLiteral("(5)")), QStringLiteral("(5)"));
        QCOMPARE(Prompter::errorText(QStringLiteral("I/O エラー (5)")), QStringLiteral("I/O エラー (5)"));
    }
};

QTEST_MAIN(MainWindowTest)
#include "mainwindow_test.moc"
