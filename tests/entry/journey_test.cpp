#include "controls/combofield.h"
#include "controls/datepartfield.h"
#include "controls/numberfield.h"
#include "controls/qtext.h"
#include "controls/textfield.h"
#include "entry/carnamewindow.h"
#include "entry/fuelingdialog.h"
#include "entry/fuelinglistwindow.h"
#include "entry/makerdialog.h"
#include "entry/makerlistwindow.h"
#include "entry/memodialog.h"
#include "entry/memolistwindow.h"
#include "entryfixture.h"
#include "support/tempdir.h"
#include "support/windows.h"

#include <QLabel>
#include <QPushButton>

using namespace fenlo;
using namespace fenlo::test;
using namespace Qt::StringLiterals;

class JourneyTest : public QObject
{
    Q_OBJECT

    static void addMaker(const QString &code, const QString &name)
    {
        ModalStep step([&](QDialog *dialog) {
            auto *maker = qobject_cast<MakerDialog *>(dialog);
            typeInto(maker->codeField, code);
            typeInto(maker->nameField, name);
            maker->registerButton->click();
        });
        click(findWindow<MakerListWindow>(), "SBtnTuika");
        QVERIFY(step.ran());
    }

    static void addMemo(const QString &y, const QString &m, const QString &d, const QString &text)
    {
        ModalStep step([&](QDialog *dialog) {
            auto *memo = qobject_cast<MemoDialog *>(dialog);
            typeInto(memo->yearField, y);
            typeInto(memo->monthField, m);
            typeInto(memo->dayField, d);
            typeInto(memo->textField, text);
            memo->registerButton->click();
        });
        click(findWindow<MemoListWindow>(), "SBtnTuika");
        QVERIFY(step.ran());
    }

    // One fueling through the list window's dialog, as typed by the user; the maker is chosen
    // by its place in the list.
    static void addFueling(const QString &y, const QString &m, const QString &d,
                           const QString &hour, const QString &trip, const QString &litres,
                           int makerIndex)
    {
        ModalStep step([&](QDialog *dialog) {
            auto *entry = qobject_cast<FuelingDialog *>(dialog);
            QVERIFY(entry);
            typeInto(entry->yearField, y);
            typeInto(entry->monthField, m);
            typeInto(entry->dayField, d);
            typeInto(entry->hourField, hour);
            typeInto(entry->tripField, trip);
            typeInto(entry->litresField, litres);
            entry->makerBox->setCurrentIndex(makerIndex);
            entry->registerButton->click();
        });
        click(findWindow<FuelingListWindow>(), "SBtnTuika");
        QVERIFY(step.ran());
    }

private Q_SLOTS:
    void aNewLogbookIsFilledSavedAndReopenedUnchanged()
    {
        TempDir dir;
        ScriptedFileChooser chooser;
        EntryFixture f;
        f.run("MIFNew");
        QVERIFY(f.prompter.shown.isEmpty());

        f.run("MIgasIN");
        addMaker(u"2"_s, QStringLiteral("出光"));
        addMaker(u"1"_s, QStringLiteral("ENEOS"));
        QCOMPARE(findWindow<MakerListWindow>()->grid()->cell(1, 2), QStringLiteral("ENEOS"));
        click(findWindow<MakerListWindow>(), "SBtnEnd");

        f.run("MIShameiIN");
        typeInto(findWindow<CarNameWindow>()->nameField, QStringLiteral("フィット"));
        findWindow<CarNameWindow>()->registerButton->click();

        f.run("MIdataIN");
        addFueling(u"2003"_s, u"6"_s, u"2"_s, u"18"_s, u"398"_s, u"30"_s, 1);
        addFueling(u"03"_s, u"5"_s, u"18"_s, u"9"_s, u"420.5"_s, u"31.2"_s, 0);
        QCOMPARE(findWindow<FuelingListWindow>()->grid()->cell(1, 1), u"2003/05/18(09)"_s);
        QCOMPARE(findWindow<FuelingListWindow>()->grid()->cell(2, 8), u"13.3"_s);
        click(findWindow<FuelingListWindow>(), "SBtnEnd");

        f.run("MImemo");
        addMemo(u"2003"_s, u"6"_s, u"1"_s, QStringLiteral("オイル交換"));
        addMemo(u"3"_s, u"5"_s, u"20"_s, QStringLiteral("タイヤ ローテーション"));
        QCOMPARE(findWindow<MemoListWindow>()->grid()->cell(1, 1), u"2003/05/20"_s);
        QVERIFY(f.book().modified);
        QVERIFY(f.prompter.shown.isEmpty());

        const std::string path = dir.file("fit.fnl");
        chooser.answers.enqueue(QString::fromStdString(path));
        f.run("MIFSave");
        QVERIFY(!f.book().modified);
        const Logbook entered = f.book();

        f.run("MIFNew");
        QCOMPARE(f.childCount(), 0);
        QCOMPARE(f.book().makers.usedCount(), 0);

        chooser.answers.enqueue(QString::fromStdString(path));
        f.run("MIFOpen");
        QVERIFY(f.book().sameData(entered));
        QCOMPARE(f.frame->findChild<QLabel *>(u"LblShamei"_s)->text(), QStringLiteral("フィット"));
        QCOMPARE(f.book().makers[2], (Maker{2, *fromQ(QStringLiteral("出光"))}));
        QCOMPARE(toQ(f.book().memos[2].text), QStringLiteral("オイル交換"));
        QCOMPARE(f.book().fuelings[1].makerCode, 1);
        QCOMPARE(f.book().fuelings[2].makerCode, 2);
        QCOMPARE(f.book().fuelings[1].economy, Currency::fromDouble(13.5));

        f.run("MImemo");
        QCOMPARE(findWindow<MemoListWindow>()->grid()->lastDataRow(), 2);
        QVERIFY(f.prompter.shown.isEmpty());
        QCOMPARE(chooser.unexpected, 0);
    }
};

QTEST_MAIN(JourneyTest)
#include "journey_test.moc"
