#include "controls/edityymmdd.h"
#include "controls/editnn.h"
#include "controls/editrr.h"
#include "controls/qtext.h"
#include "entry/gasin.h"
#include "entry/gasint.h"
#include "entry/memo.h"
#include "entry/memot.h"
#include "entry/shameit.h"
#include "entryfixture.h"
#include "support/tempdir.h"

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
            auto *gas = qobject_cast<TFrmGasInT *>(dialog);
            typeInto(gas->EdtCD, code);
            typeInto(gas->EdtName, name);
            gas->BtnTouroku->click();
        });
        click(FrmGasIn, "SBtnTuika");
        QVERIFY(step.ran());
    }

    static void addMemo(const QString &y, const QString &m, const QString &d, const QString &text)
    {
        ModalStep step([&](QDialog *dialog) {
            auto *memo = qobject_cast<TFrmMemoT *>(dialog);
            typeInto(memo->Edtyy, y);
            typeInto(memo->Edtmm, m);
            typeInto(memo->Edtdd, d);
            typeInto(memo->Memo1, text);
            memo->BtnTouroku->click();
        });
        click(FrmMemo, "SBtnTuika");
        QVERIFY(step.ran());
    }

    // The fueling list is not part of this build yet; its records go straight into the table.
    static void addFueling(Logbook &book, int slot, TDateTime when, double trip, double litres,
                           int maker)
    {
        Tnenpi3 &record = book.NenpiTable[slot];
        record.nichiji = when;
        record.kyori2 = Currency::fromDouble(trip);
        record.ryou = Currency::fromDouble(litres);
        record.gas = maker;
        record.kubun = KubunRegular;
        record.nenpi = Currency::fromDouble(trip / litres);
        book.DataChanged = true;
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
        QCOMPARE(FrmGasIn->grid()->cell(1, 2), QStringLiteral("ENEOS"));
        click(FrmGasIn, "SBtnEnd");

        f.run("MIShameiIN");
        typeInto(FrmShameiT->EdtShamei, QStringLiteral("フィット"));
        FrmShameiT->BtnTouroku->click();

        addFueling(f.book(), 1, *encodeDateTime(2003, 5, 18, 9), 420.5, 31.2, 1);
        addFueling(f.book(), 2, *encodeDateTime(2003, 6, 2, 18), 398.0, 30.0, 2);

        f.run("MImemo");
        addMemo(u"2003"_s, u"6"_s, u"1"_s, QStringLiteral("オイル交換"));
        addMemo(u"3"_s, u"5"_s, u"20"_s, QStringLiteral("タイヤ ローテーション"));
        QCOMPARE(FrmMemo->grid()->cell(1, 1), u"2003/05/20"_s);
        QVERIFY(f.book().DataChanged);
        QVERIFY(f.prompter.shown.isEmpty());

        const std::string path = dir.file("fit.fnl");
        chooser.answers.enqueue(QString::fromStdString(path));
        f.run("MIFSave");
        QVERIFY(!f.book().DataChanged);
        const Logbook entered = f.book();

        f.run("MIFNew");
        QCOMPARE(f.childCount(), 0);
        QCOMPARE(f.book().MgasTable.usedCount(), 0);

        chooser.answers.enqueue(QString::fromStdString(path));
        f.run("MIFOpen");
        QVERIFY(f.book().sameData(entered));
        QCOMPARE(f.frame->findChild<QLabel *>(u"LblShamei"_s)->text(), QStringLiteral("フィット"));
        QCOMPARE(f.book().MgasTable[2], (Tmgas{2, *fromQ(QStringLiteral("出光"))}));
        QCOMPARE(toQ(f.book().MemoTable[2].text), QStringLiteral("オイル交換"));
        QCOMPARE(f.book().NenpiTable[1].gas, 1);

        f.run("MImemo");
        QCOMPARE(FrmMemo->grid()->lastDataRow(), 2);
        QVERIFY(f.prompter.shown.isEmpty());
        QCOMPARE(chooser.unexpected, 0);
    }
};

QTEST_MAIN(JourneyTest)
#include "journey_test.moc"
