#include "controls/checkboxr.h"
#include "controls/editrr.h"
#include "data/fnlfile.h"
#include "entry/entryfixture.h"
#include "exchange/csvexport.h"
#include "exchange/windows/henkan.h"
#include "exchange/windows/textout.h"
#include "support/tempdir.h"

#include <QLabel>
#include <QPushButton>
#include <QTest>

using namespace fenlo;
using namespace fenlo::test;

namespace {

const QString Untitled = QStringLiteral("燃費管理「ふぇんろ」 [新規データ]");

void fillSample(Logbook &book)
{
    book.Shamei = "car";
    book.MgasTable[1] = {3, "\x83\x56\x83\x46\x83\x8b"};
    book.NenpiTable[1].nichiji = 37636.0 + 8.0 / 24;
    book.NenpiTable[1].kyori2 = Currency::fromRaw(4123000);
    book.NenpiTable[1].ryou = Currency::fromRaw(356200);
    book.NenpiTable[1].gas = 3;
    book.NenpiTable[1].kubun = 1;
}

void writeLegacyFolder(const TempDir &dir, const std::string &nenpi)
{
    writeBytes(dir.file("nenpi.dat"), nenpi);
    writeBytes(dir.file("gas.dat"), "\x83\x56\x83\x46\x83\x8b\r\nesso\r\n");
    writeBytes(dir.file("syamei.dat"), "\x83\x76\x83\x8a\x83\x45\x83\x58\r\n"); // プリウス
}

const std::string LegacyRecords = "2003\r\n1\r\n15\r\n412.3\r\n35.62\r\n1\r\n1\r\n4560\r\n11.6\r\n"
                                  "2003\r\n2\r\n1\r\n300\r\n25\r\n2\r\n2\r\n3000\r\n12\r\n";

} // namespace

class ExchangeWindowsTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void exportWritesTheCsvAndAsksBeforeReplacingAFile()
    {
        EntryFixture f;
        ScriptedFileChooser chooser;
        TempDir dir;
        fillSample(f.book());
        f.run("MITextOut");
        QVERIFY(FrmTextOut);
        QVERIFY(FrmTextOut->CbxHyoudai->isChecked());
        QCOMPARE(FrmTextOut->CbxHyoudai->text(), QStringLiteral("表題を出力する"));

        const std::string path = dir.file("out.csv");
        chooser.answers.enqueue(QString::fromStdString(path));
        FrmTextOut->SpeedButton1->click();
        QCOMPARE(readBytes(path), CsvWrite(f.book(), true));
        QCOMPARE(chooser.requests[0].defaultSuffix, QStringLiteral("csv"));
        QCOMPARE(chooser.requests[0].filter, QStringLiteral("ｶﾝﾏ区切りﾃｷｽﾄ(*.csv)"));
        QVERIFY(!chooser.requests[0].confirmOverwrite); // the window asks itself

        // No to the question leaves the file as it was; Yes replaces it.
        writeBytes(path, "keep me");
        const QString question = QString::fromStdString(path) +
                                 QStringLiteral(" は、既に存在します。\r 上書きしますか？");
        FrmTextOut->CbxHyoudai->setChecked(false);
        chooser.answers.enqueue(QString::fromStdString(path));
        f.prompter.expect(Answer::No);
        FrmTextOut->SpeedButton1->click();
        QCOMPARE(f.prompter.texts().last(), question);
        QCOMPARE(readBytes(path), std::string("keep me"));
        chooser.answers.enqueue(QString::fromStdString(path));
        f.prompter.expect(Answer::Yes);
        FrmTextOut->SpeedButton1->click();
        QCOMPARE(readBytes(path), CsvWrite(f.book(), false));
        QVERIFY(f.prompter.unexpected.isEmpty());
        QVERIFY(!f.book().DataChanged);
    }

    void importReplacesTheLogbookWithTheOldFolder()
    {
        EntryFixture f;
        TempDir dir;
        writeLegacyFolder(dir, LegacyRecords);
        f.book().DataFileName = "/old.fnl";
        ModalStep step([&](QDialog *dialog) {
            auto *henkan = qobject_cast<TFrmHenkan *>(dialog);
            QVERIFY(henkan);
            QCOMPARE(henkan->windowTitle(), QStringLiteral("旧データの読み込み"));
            henkan->Edit1->setText(QString::fromStdString(dir.file("nenpi.dat")));
            f.prompter.expect(Answer::Yes); // start?
            f.prompter.expect(Answer::Ok);  // finished
            henkan->Button1->click();
            QVERIFY(!henkan->isVisible());
        });
        f.run("N7");
        QVERIFY(step.ran());
        QCOMPARE(f.prompter.texts(),
                 (QStringList{QStringLiteral("処理を開始します"), QStringLiteral("処理を終了しました。")}));
        QCOMPARE(f.prompter.shown[1].kind, Prompter::Kind::Plain);
        QCOMPARE(f.frame->windowTitle(), Untitled);
        QCOMPARE(f.frame->findChild<QLabel *>(QStringLiteral("LblShamei"))->text(),
                 QStringLiteral("プリウス"));
        QVERIFY(f.book().DataChanged);
        QCOMPARE(f.book().NenpiTable.usedCount(), 2);
        QCOMPARE(f.book().MgasTable.usedCount(), 2);
    }

    void aWrongPathOrABrokenNumberLeavesTheLogbookAndTheDialogOpen()
    {
        EntryFixture f;
        TempDir dir;
        writeLegacyFolder(dir, "2003\r\n1\r\n15\r\n412.3\r\n35.62\r\nx\r\n1\r\n4560\r\n11.6\r\n");
        fillSample(f.book());
        const std::string before = serializeLogbook(f.book());
        ModalStep step([&](QDialog *dialog) {
            auto *henkan = qobject_cast<TFrmHenkan *>(dialog);
            henkan->Edit1->setText(QString::fromStdString(dir.file("nowhere/nenpi.dat")));
            f.prompter.expect(Answer::Ok);
            henkan->Button1->click();
            QCOMPARE(f.prompter.texts().last(), QStringLiteral("パスの指定が違います"));
            QVERIFY(henkan->isVisible());

            henkan->Edit1->setText(QString::fromStdString(dir.file("nenpi.dat")));
            f.prompter.expect(Answer::Yes);
            f.prompter.expect(Answer::Ok); // the error box
            henkan->Button1->click();
            QCOMPARE(f.prompter.shown.last().kind, Prompter::Kind::Error);
            QCOMPARE(f.prompter.texts().last(), QStringLiteral("入力値が数値ではありません."));
            QVERIFY(henkan->isVisible());
        });
        f.run("N7");
        QVERIFY(step.ran());
        QCOMPARE(serializeLogbook(f.book()), before);
        QVERIFY(!f.book().DataChanged);
    }

    void importAsksToSaveFirstAndStopsWhenTheSaveIsCancelled()
    {
        EntryFixture f;
        ScriptedFileChooser chooser;
        f.book().DataChanged = true;
        f.prompter.expect(Answer::Yes);
        chooser.answers.enqueue(std::nullopt);
        f.run("N7");
        QCOMPARE(f.prompter.texts(),
                 QStringList{QStringLiteral("現在変更中のデータは保存されていません。保存しますか？")});
        QVERIFY(!QApplication::activeModalWidget());
        QVERIFY(f.book().DataChanged);
    }
};

QTEST_MAIN(ExchangeWindowsTest)
#include "windows_test.moc"
