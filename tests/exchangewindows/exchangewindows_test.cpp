#include "app/mainwindow.h"
#include "controls/checkfield.h"
#include "data/cp932.h"
#include "data/fnlfile.h"
#include "exchange/csvexport.h"
#include "exchangewindows/csvexportwindow.h"
#include "exchangewindows/legacyimportdialog.h"
#include "support/modal.h"
#include "support/scripted.h"
#include "support/tempdir.h"
#include "support/windows.h"
#include "ui/prompter.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <QToolButton>

#include <memory>

using namespace fenlo;
using fenlo::test::findWindow;
using fenlo::test::ModalStep;
using fenlo::test::readBytes;
using fenlo::test::ScriptedFileChooser;
using fenlo::test::ScriptedPrompter;
using fenlo::test::TempDir;
using fenlo::test::writeBytes;
using Answer = Prompter::Answer;
using Kind = Prompter::Kind;

namespace {

const QString SaveQuestion =
    QStringLiteral("現在変更中のデータは保存されていません。保存しますか？");
const QString StartQuestion = QStringLiteral("処理を開始します");
const QString Finished = QStringLiteral("処理を終了しました。");
const QString WrongPath = QStringLiteral("パスの指定が違います");

std::string sjis(const char *utf8)
{
    return utf8ToCp932(utf8).value();
}

QString q(const std::string &path)
{
    return QString::fromStdString(path);
}

// A first-generation folder: two makers, the car name and two fuelings.
void writeLegacyFolder(const TempDir &dir, const std::string &litres = "35.62")
{
    writeBytes(dir.file("gas.dat"), sjis("エネオス\r\n出光\r\n"));
    writeBytes(dir.file("syamei.dat"), sjis("ワゴンＲ\r\n"));
    writeBytes(dir.file("nenpi.dat"), "2001\r\n4\r\n15\r\n412.3\r\n" + litres +
                                          "\r\n2\r\n2\r\n4560\r\n11.57\r\n"
                                          "2001\r\n4\r\n1\r\n0\r\n30.5\r\n1\r\n1\r\n3050\r\n0\r\n");
}

} // namespace

class ExchangeWindowsTest : public QObject
{
    Q_OBJECT

    std::unique_ptr<MainWindow> start(const QString &file = QStringLiteral(FENLO_SAMPLE))
    {
        auto frame = std::make_unique<MainWindow>(QStringList{file});
        frame->show();
        return frame;
    }

    CsvExportWindow *openTextOut(MainWindow &frame)
    {
        frame.action(QStringLiteral("MITextOut"))->trigger();
        return findWindow<CsvExportWindow>();
    }

    QString carLabel(MainWindow &frame)
    {
        return frame.findChild<QLabel *>(QStringLiteral("LblShamei"))->text();
    }

    // Runs "旧データの読み込み" and, on its dialog, `step` with the dialog still open.
    bool runImport(MainWindow &frame, const std::function<void(LegacyImportDialog *)> &step)
    {
        ModalStep modal([&](QDialog *dialog) { step(qobject_cast<LegacyImportDialog *>(dialog)); });
        frame.action(QStringLiteral("N7"))->trigger();
        return modal.ran();
    }

    static void startImport(LegacyImportDialog *dialog, const std::string &path)
    {
        dialog->pathEdit->setText(q(path));
        dialog->startButton->click();
    }

private Q_SLOTS:
    void exportWindowOpensOnceAndWritesTheRecordsAsCsv()
    {
        TempDir dir;
        ScriptedPrompter prompter;
        ScriptedFileChooser chooser;
        auto frame = start();
        CsvExportWindow *window = openTextOut(*frame);
        QVERIFY(window);
        QCOMPARE(openTextOut(*frame), window);
        QCOMPARE(frame->mdiArea()->subWindowList().size(), 1);
        QCOMPARE(window->objectName(), QStringLiteral("FrmtextOut"));
        QCOMPARE(window->windowTitle(), QStringLiteral("テキスト出力"));
        QVERIFY(window->titleBox->isChecked());

        const std::string titled = dir.file("titled.csv");
        chooser.answers.enqueue(q(titled));
        window->startButton->click();
        QCOMPARE(readBytes(titled), csvText(frame->book(), true));
        QVERIFY(readBytes(titled).size() > 1000); // the sample's 103 fuelings, not just a title

        const std::string plain = dir.file("plain.csv");
        window->titleBox->setChecked(false);
        chooser.answers.enqueue(q(plain));
        window->startButton->click();
        QCOMPARE(readBytes(plain), csvText(frame->book(), false));

        const FileChooser::Request &request = chooser.requests.constFirst();
        QCOMPARE(request.defaultSuffix, QStringLiteral("csv"));
        QCOMPARE(request.filter, QStringLiteral("ｶﾝﾏ区切りﾃｷｽﾄ(*.csv)"));
        QVERIFY(!request.confirmOverwrite); // the window asks itself, with the full path
        QVERIFY(!chooser.wasOpen.constFirst());

        // Cancelling the save dialog writes nothing and asks nothing.
        chooser.answers.enqueue(std::nullopt);
        window->startButton->click();
        QVERIFY(prompter.shown.isEmpty());
        QVERIFY(!frame->book().modified);

        window->endButton->click();
        QTRY_VERIFY(frame->mdiArea()->subWindowList().isEmpty());
        QTRY_VERIFY(!findWindow<CsvExportWindow>());
    }

    void anExistingFileIsReplacedOnlyAfterYes()
    {
        TempDir dir;
        ScriptedPrompter prompter;
        ScriptedFileChooser chooser;
        auto frame = start();
        CsvExportWindow *window = openTextOut(*frame);
        const std::string path = dir.file("old.csv");
        writeBytes(path, "keep me\r\n");
        const QString question =
            q(path) + QStringLiteral(" は、既に存在します。\r 上書きしますか？");

        chooser.answers.enqueue(q(path));
        prompter.expect(Answer::No);
        window->startButton->click();
        QCOMPARE(readBytes(path), std::string("keep me\r\n"));
        QCOMPARE(prompter.shown.size(), 1);
        QCOMPARE(prompter.shown[0].kind, Kind::Warning);
        QCOMPARE(prompter.shown[0].buttons, Prompter::Buttons::YesNo);
        QCOMPARE(prompter.shown[0].text, question);

        chooser.answers.enqueue(q(path));
        prompter.expect(Answer::Yes);
        window->startButton->click();
        QCOMPARE(readBytes(path), csvText(frame->book(), true));
        QCOMPARE(prompter.texts(), QStringList({question, question}));
        QVERIFY(prompter.unexpected.isEmpty());
    }

    void aFileThatCannotBeWrittenIsReportedAndTheWindowStays()
    {
        TempDir dir;
        ScriptedPrompter prompter;
        ScriptedFileChooser chooser;
        auto frame = start();
        CsvExportWindow *window = openTextOut(*frame);
        chooser.answers.enqueue(q(dir.file("no-such-folder/out.csv")));
        window->startButton->click();
        QCOMPARE(prompter.shown.size(), 1);
        QCOMPARE(prompter.shown[0].kind, Kind::Error);
        QVERIFY(findWindow<CsvExportWindow>());
        QCOMPARE(frame->mdiArea()->subWindowList().size(), 1);
    }

    void importReplacesTheLogbookWithTheOldFolder()
    {
        TempDir dir;
        writeLegacyFolder(dir);
        ScriptedPrompter prompter;
        ScriptedFileChooser chooser;
        auto frame = start();
        openTextOut(*frame); // every child window closes before the import
        prompter.expect(Answer::Yes);
        prompter.expect(Answer::Ok);
        bool childrenClosed = false;
        QPoint offCentre;
        QVERIFY(runImport(*frame, [&](LegacyImportDialog *dialog) {
            QVERIFY(dialog);
            childrenClosed = frame->mdiArea()->subWindowList().isEmpty();
            offCentre =
                dialog->frameGeometry().center() - dialog->screen()->availableGeometry().center();
            startImport(dialog, dir.file("nenpi.dat"));
            QVERIFY(!dialog->isVisible());
        }));
        QVERIFY(childrenClosed);
        QVERIFY(offCentre.manhattanLength() <= 2);
        QCOMPARE(prompter.texts(), QStringList({StartQuestion, Finished}));
        QCOMPARE(prompter.shown[0].kind, Kind::Confirmation);
        QCOMPARE(prompter.shown[1].kind, Kind::Plain);

        const Logbook &book = frame->book();
        QCOMPARE(frame->windowTitle(), QStringLiteral("燃費管理「ふぇんろ」 [新規データ]"));
        QCOMPARE(carLabel(*frame), QStringLiteral("ワゴンＲ"));
        QVERIFY(book.modified);
        QVERIFY(book.fileName.empty());
        QCOMPARE(book.fuelings.usedCount(), 2);
        QCOMPARE(book.makers.usedCount(), 2);
        QCOMPARE(book.memos.usedCount(), 0);
        // Sorted by date: the 1 April record comes first.
        QCOMPARE(book.fuelings[1].amount, Currency::fromUnits(3050));
        QCOMPARE(book.fuelings[2].litres, Currency::fromRaw(356200));
        QVERIFY(!findWindow<LegacyImportDialog>());
    }

    void aWrongPathIsReportedAndNothingChanges()
    {
        TempDir dir;
        ScriptedPrompter prompter;
        auto frame = start();
        const std::string before = serializeLogbook(frame->book());
        const QString caption = frame->windowTitle();
        bool stayedOpen = false;
        bool fieldFocused = false;
        QVERIFY(runImport(*frame, [&](LegacyImportDialog *dialog) {
            startImport(dialog, dir.file("nenpi.dat"));
            stayedOpen = dialog->isVisible();
            fieldFocused = dialog->focusWidget() == dialog->pathEdit;
        }));
        QVERIFY(stayedOpen);
        QVERIFY(fieldFocused);
        QCOMPARE(prompter.texts(), QStringList({WrongPath}));
        QCOMPARE(prompter.shown[0].kind, Kind::Plain);
        QCOMPARE(serializeLogbook(frame->book()), before);
        QCOMPARE(frame->windowTitle(), caption);
    }

    void aBrokenNumberLeavesTheOpenLogbookAsItWas()
    {
        TempDir dir;
        writeLegacyFolder(dir, "35,62x");
        ScriptedPrompter prompter;
        auto frame = start();
        const std::string before = serializeLogbook(frame->book());
        const QString caption = frame->windowTitle();
        const QString car = carLabel(*frame);
        prompter.expect(Answer::Yes);
        prompter.expect(Answer::Ok);
        bool stayedOpen = false;
        QVERIFY(runImport(*frame, [&](LegacyImportDialog *dialog) {
            startImport(dialog, dir.file("nenpi.dat"));
            stayedOpen = dialog->isVisible();
        }));
        QVERIFY(stayedOpen);
        QCOMPARE(prompter.texts(),
                 QStringList({StartQuestion, QStringLiteral("入力値が数値ではありません.")}));
        QCOMPARE(prompter.shown[1].kind, Kind::Error);
        QCOMPARE(serializeLogbook(frame->book()), before);
        QVERIFY(!frame->book().modified);
        QCOMPARE(frame->windowTitle(), caption);
        QCOMPARE(carLabel(*frame), car);
    }

    void startingTheImportCanStillBeDeclined()
    {
        TempDir dir;
        writeLegacyFolder(dir);
        ScriptedPrompter prompter;
        auto frame = start();
        const std::string before = serializeLogbook(frame->book());
        prompter.expect(Answer::No);
        bool stayedOpen = false;
        QVERIFY(runImport(*frame, [&](LegacyImportDialog *dialog) {
            startImport(dialog, dir.file("nenpi.dat"));
            stayedOpen = dialog->isVisible();
        }));
        QVERIFY(stayedOpen);
        QCOMPARE(prompter.texts(), QStringList({StartQuestion}));
        QCOMPARE(serializeLogbook(frame->book()), before);
    }

    void unsavedChangesAreOfferedForSavingBeforeTheImport()
    {
        TempDir dir;
        ScriptedPrompter prompter;
        ScriptedFileChooser chooser;
        auto frame = start(q(dir.file("none.fnl")));
        frame->book().carName = "edited";
        frame->book().modified = true;

        // Yes on an untitled logbook, then cancelling the save dialog, stops the command.
        prompter.expect(Answer::Yes);
        chooser.answers.enqueue(std::nullopt);
        QVERIFY(!runImport(*frame, [](LegacyImportDialog *) {}));
        QCOMPARE(prompter.texts(), QStringList({SaveQuestion}));
        QCOMPARE(frame->book().carName, std::string("edited"));

        // Yes and a file name: the logbook is saved, then the dialog comes.
        const std::string saved = dir.file("saved.fnl");
        prompter.expect(Answer::Yes);
        chooser.answers.enqueue(q(saved));
        QVERIFY(runImport(*frame, [](LegacyImportDialog *) {}));
        Logbook reread;
        QCOMPARE(readLogbookFile(reread, saved), LoadResult::Loaded);
        QCOMPARE(reread.carName, std::string("edited"));
        QVERIFY(prompter.unexpected.isEmpty());
    }

    void browsingFillsThePathWhole()
    {
        ScriptedPrompter prompter;
        ScriptedFileChooser chooser;
        auto frame = start();
        const QString longPath =
            QStringLiteral("/") + QString(240, QLatin1Char('d')) + QStringLiteral("/nenpi.dat");
        QString afterPick, afterCancel;
        QVERIFY(runImport(*frame, [&](LegacyImportDialog *dialog) {
            QTest::keyClicks(dialog->pathEdit, QString(250, QLatin1Char('x')));
            QCOMPARE(dialog->pathEdit->text().size(), 200); // typing stops at 200 characters
            chooser.answers.enqueue(longPath);
            dialog->browseButton->click();
            afterPick = dialog->pathEdit->text();
            chooser.answers.enqueue(std::nullopt);
            dialog->browseButton->click();
            afterCancel = dialog->pathEdit->text();
        }));
        QCOMPARE(afterPick, longPath);
        QCOMPARE(afterCancel, longPath);
        QCOMPARE(chooser.requests[0].filter, QStringLiteral("nenpi.dat (nenpi.dat)"));
        QVERIFY(chooser.wasOpen[0]);
        QVERIFY(prompter.shown.isEmpty());
    }
};

QTEST_MAIN(ExchangeWindowsTest)
#include "exchangewindows_test.moc"
