#include "app/mainwindow.h"
#include "controls/listgrid.h"
#include "data/cp932.h"
#include "entry/fuelinglistwindow.h"
#include "entry/makerlistwindow.h"
#include "exchange/csvimport.h"
#include "exchangewindows/csvimportdialog.h"
#include "support/modal.h"
#include "support/scripted.h"
#include "support/tempdir.h"
#include "support/windows.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>

#include <memory>

using namespace fenlo;
using fenlo::test::findWindow;
using fenlo::test::ModalStep;
using fenlo::test::ScriptedFileChooser;
using fenlo::test::ScriptedPrompter;
using fenlo::test::TempDir;
using fenlo::test::writeBytes;
using Answer = Prompter::Answer;
using Kind = Prompter::Kind;

namespace {

const QString SaveQuestion =
    QStringLiteral("現在変更中のデータは保存されていません。保存しますか？");

QString q(const std::string &text)
{
    return QString::fromStdString(text);
}

// Two fuelings in Shift_JIS, one before every fueling of the sample and with a new maker.
std::string twoFuelings()
{
    return utf8ToCp932("日付,時刻,距離(今回),給油量,メーカー,区分\r\n"
                       "2020/01/05,09:30,350,30,新しいスタンド,ハイオク\r\n"
                       "2030/02/01,12,400,40,コスモポート,軽油\r\n")
        .value();
}

void choose(QComboBox *box, CsvField field)
{
    box->setCurrentIndex(box->findData(int(field)));
    Q_EMIT box->activated(box->currentIndex());
}

} // namespace

class CsvImportDialogTest : public QObject
{
    Q_OBJECT

    std::unique_ptr<MainWindow> start(const QString &file = QStringLiteral(FENLO_SAMPLE))
    {
        auto frame = std::make_unique<MainWindow>(QStringList{file});
        frame->show();
        return frame;
    }

    // Runs "CSV の読み込み" and, on its dialog, `step` with the dialog still open.
    bool runImport(MainWindow &frame, const std::function<void(CsvImportDialog *)> &step)
    {
        ModalStep modal([&](QDialog *dialog) { step(qobject_cast<CsvImportDialog *>(dialog)); });
        frame.action(QStringLiteral("MICsvIn"))->trigger();
        return modal.ran();
    }

private Q_SLOTS:
    void theItemSitsBelowTheLegacyImportWithAFreeAccessKey()
    {
        auto frame = start();
        QMenu *file = frame->menuBar()->actions().first()->menu();
        QList<QAction *> items = file->actions();
        const qsizetype legacy = items.indexOf(frame->action(QStringLiteral("N7")));
        QCOMPARE(items.at(legacy + 1)->text(), QStringLiteral("CSV の読み込み(&C)"));
        int withC = 0;
        for (QAction *item : items)
            withC += item->text().contains(QStringLiteral("(&C)"));
        QCOMPARE(withC, 1);
    }

    void cancellingAtEachStepChangesNothing()
    {
        TempDir dir;
        ScriptedPrompter prompter;
        ScriptedFileChooser chooser;
        auto frame = start();
        const auto before = std::make_unique<Logbook>(frame->book());
        writeBytes(dir.file("fuel.csv"), twoFuelings());

        chooser.answers.enqueue(std::nullopt); // the file chooser
        QVERIFY(!runImport(*frame, [](CsvImportDialog *) {}));
        QVERIFY(chooser.wasOpen.at(0));
        QCOMPARE(chooser.requests.at(0).filter,
                 QStringLiteral("ｶﾝﾏ区切りﾃｷｽﾄ(*.csv *.txt *.tsv);;すべてのファイル (*)"));
        chooser.answers.enqueue(q(dir.file("fuel.csv"))); // the dialog
        QVERIFY(runImport(*frame, [](CsvImportDialog *dialog) {
            QVERIFY(dialog);
            dialog->cancelButton->click();
        }));
        writeBytes(dir.file("picture.csv"), std::string("\x89PNG\r\n\x1A\n\0\0\0\rIHDR", 16));
        chooser.answers.enqueue(q(dir.file("picture.csv"))); // a file that is no CSV
        prompter.expect(Answer::Ok);
        QVERIFY(!runImport(*frame, [](CsvImportDialog *) {}));
        QCOMPARE(prompter.texts(),
                 QStringList{QStringLiteral("このファイルは CSV ファイルではありません")});
        QCOMPARE(prompter.shown.at(0).kind, Kind::Warning);
        QVERIFY(frame->book().sameData(*before));
        QVERIFY(!frame->book().modified);

        // Unsaved changes: Yes on an untitled logbook and cancelling the save stops it all.
        frame->newLogbook();
        frame->book().carName = "edited";
        frame->book().modified = true;
        prompter.shown.clear();
        prompter.expect(Answer::Yes);
        chooser.answers.enqueue(std::nullopt);
        QVERIFY(!runImport(*frame, [](CsvImportDialog *) {}));
        QCOMPARE(prompter.texts(), QStringList{SaveQuestion});
        QCOMPARE(chooser.wasOpen.last(), false); // only the save dialog came
        QCOMPARE(frame->book().fuelings.usedCount(), 0);
        QVERIFY(prompter.unexpected.isEmpty());
    }

    void anImportAddsSortsMarksAndRefreshesTheLists()
    {
        TempDir dir;
        ScriptedPrompter prompter;
        ScriptedFileChooser chooser;
        auto frame = start();
        const int before = frame->book().fuelings.usedCount();
        frame->action(QStringLiteral("MIdataIN"))->trigger();
        frame->action(QStringLiteral("MIgasIN"))->trigger();
        auto *fuelings = findWindow<FuelingListWindow>();
        auto *makers = findWindow<MakerListWindow>();
        QVERIFY(fuelings && makers);
        QCOMPARE(fuelings->grid()->dataRowCount(), before);

        writeBytes(dir.file("fuel.csv"), twoFuelings());
        chooser.answers.enqueue(q(dir.file("fuel.csv")));
        prompter.expect(Answer::Ok); // the summary
        QVERIFY(runImport(*frame, [](CsvImportDialog *dialog) {
            QCOMPARE(dialog->preview->columnCount(), 6);
            QCOMPARE(dialog->preview->item(1, 4)->text(), QStringLiteral("新しいスタンド"));
            QCOMPARE(dialog->fieldBox(1)->currentText(), QStringLiteral("時"));
            QCOMPARE(dialog->fieldBox(5)->currentText(), QStringLiteral("燃料区分"));
            dialog->startButton->click();
            QVERIFY(!dialog->isVisible());
        }));

        const Logbook &book = frame->book();
        QVERIFY(book.modified);
        QCOMPARE(book.fuelings.usedCount(), before + 2);
        QCOMPARE(formatDate(book.fuelings[1].moment), std::string("2020/01/05"));
        QCOMPARE(formatHour(book.fuelings[1].moment), std::string("09"));
        QCOMPARE(formatDate(book.fuelings[before + 2].moment), std::string("2030/02/01"));
        QCOMPARE(book.fuelings[1].economy, Currency::fromDouble(11.7));
        QCOMPARE(fuelings->grid()->dataRowCount(), before + 2);
        QCOMPARE(fuelings->grid()->cell(1, 5), QStringLiteral("新しいスタンド"));
        QCOMPARE(makers->grid()->cell(1, 2), QStringLiteral("新しいスタンド"));
        QCOMPARE(prompter.shown.size(), 1);
        QCOMPARE(prompter.shown.at(0).kind, Kind::Plain);
        QCOMPARE(prompter.texts().at(0), QStringLiteral("給油データを 2 件読み込みました。\n"
                                                        "燃料メーカーを 1 件登録しました。"));
        QVERIFY(prompter.unexpected.isEmpty());
    }

    void theUserChoosesTheFieldsAndAFailureKeepsTheDialogOpen()
    {
        TempDir dir;
        ScriptedPrompter prompter;
        ScriptedFileChooser chooser;
        auto frame = start();
        const auto before = std::make_unique<Logbook>(frame->book());
        writeBytes(dir.file("other.csv"), "Datum;Menge;Tag;Notiz\n"
                                          "06.05.2019;30,5;x;a\n"
                                          "07.05.2019;20;y;\n");
        chooser.answers.enqueue(q(dir.file("other.csv")));
        prompter.expect(Answer::Ok); // no date column
        prompter.expect(Answer::Ok); // the summary
        QVERIFY(runImport(*frame, [&](CsvImportDialog *dialog) {
            QCOMPARE(dialog->fieldBox(0)->currentData().toInt(), int(CsvField::None));
            dialog->startButton->click();
            QVERIFY(dialog->isVisible());
            QCOMPARE(prompter.texts().last(),
                     QStringLiteral(
                         "日付の列が見つかりません。1 行目には「日付」などの見出しが必要です"));
            QVERIFY(frame->book().sameData(*before));

            choose(dialog->fieldBox(2), CsvField::Date);
            choose(dialog->fieldBox(0), CsvField::Date); // taken from "Tag" again
            QCOMPARE(dialog->fieldBox(2)->currentData().toInt(), int(CsvField::None));
            choose(dialog->fieldBox(1), CsvField::Litres);
            choose(dialog->fieldBox(3), CsvField::Comment);
            dialog->gallonsBox->setChecked(true);
            dialog->startButton->click();
            QVERIFY(!dialog->isVisible());
        }));
        const Fueling &first = frame->book().fuelings[1];
        QCOMPARE(formatDate(first.moment), std::string("2019/05/06"));
        QCOMPARE(first.litres, gallonsToLitres(Currency::fromDouble(30.5)));
        QCOMPARE(first.comment, std::string("a"));
        QVERIFY(frame->book().modified);
        QVERIFY(prompter.unexpected.isEmpty());
    }

    void aRecordThatCannotBeReadIsNamedAndNothingChanges()
    {
        TempDir dir;
        ScriptedPrompter prompter;
        ScriptedFileChooser chooser;
        auto frame = start();
        const auto before = std::make_unique<Logbook>(frame->book());
        writeBytes(dir.file("bad.csv"), "date,litres\n2019/01/01,30\n2019/02/30,30\n");
        chooser.answers.enqueue(q(dir.file("bad.csv")));
        prompter.expect(Answer::Ok);
        QVERIFY(runImport(*frame, [](CsvImportDialog *dialog) {
            dialog->startButton->click();
            QVERIFY(dialog->isVisible());
            dialog->cancelButton->click();
        }));
        QCOMPARE(prompter.texts(),
                 QStringList{QStringLiteral("3 行目: 日付「2019/02/30」を読めません")});
        QVERIFY(frame->book().sameData(*before));
        QVERIFY(!frame->book().modified);
    }
};

QTEST_MAIN(CsvImportDialogTest)
#include "csvimportdialog_test.moc"
