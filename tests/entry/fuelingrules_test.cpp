// The fueling dialog's safeguards beyond plain entry: a duplicate moment is caught even for
// records read back from a file, the stored economy always belongs to the stored trip and
// litres, and a record whose maker is gone cannot be stored without one.
#include "controls/combofield.h"
#include "controls/datepartfield.h"
#include "controls/numberfield.h"
#include "controls/textfield.h"
#include "data/fnlfile.h"
#include "entry/fuelingdialog.h"
#include "entry/fuelinglistwindow.h"
#include "entryfixture.h"
#include "support/tempdir.h"
#include "support/windows.h"

#include <QLabel>
#include <QPushButton>

using namespace fenlo;
using namespace fenlo::test;
using namespace Qt::StringLiterals;

namespace {

Fueling fueling(int y, int m, int d, int h, double odometer, double trip, double litres)
{
    Fueling r;
    r.moment = *encodeDateTime(y, m, d, h);
    r.odometer = Currency::fromDouble(odometer);
    r.trip = Currency::fromDouble(trip);
    r.litres = Currency::fromDouble(litres);
    r.makerCode = 1;
    r.category = CategoryRegular;
    return r;
}

bool withDialog(const char *button, const std::function<void(FuelingDialog *)> &steps)
{
    ModalStep step([&](QDialog *dialog) { steps(qobject_cast<FuelingDialog *>(dialog)); });
    click(findWindow<FuelingListWindow>(), button);
    return step.ran();
}

void typeDate(FuelingDialog *d, const QString &y, const QString &m, const QString &day,
              const QString &hour)
{
    typeInto(d->yearField, y);
    typeInto(d->monthField, m);
    typeInto(d->dayField, day);
    typeInto(d->hourField, hour);
}

} // namespace

class FuelingRulesTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void aMomentReadBackFromAFileIsStillADuplicate()
    {
        TempDir dir;
        const std::string path = dir.file("car.fnl");
        {
            Logbook saved;
            saved.makers[1] = {1, "ENEOS"};
            saved.fuelings[1] = fueling(2003, 1, 15, 8, 0, 300, 25); // 8 o'clock: a third
            writeLogbookFile(saved, path);
        }
        EntryFixture f;
        f.frame->openLogbook(QString::fromStdString(path));
        QVERIFY(f.book().fuelings[1].moment != *encodeDateTime(2003, 1, 15, 8));
        f.run("MIdataIN");
        QVERIFY(withDialog("SBtnTuika", [&](FuelingDialog *d) {
            typeDate(d, u"2003"_s, u"1"_s, u"15"_s, u"8"_s);
            typeInto(d->tripField, u"300"_s);
            typeInto(d->litresField, u"25"_s);
            d->registerButton->click();
            QVERIFY(d->isVisible());
            f.prompter.expect(Prompter::Answer::Yes);
            d->cancelButton->click();
        }));
        QCOMPARE(f.prompter.texts(),
                 (QStringList{u"既に同じ年月日時で入力されています"_s, CloseQuestion}));
        QCOMPARE(f.book().fuelings.usedCount(), 1);
    }

    void theStoredEconomyFollowsATripDerivedAfterTheLitres()
    {
        EntryFixture f;
        f.book().makers[1] = {1, "ENEOS"};
        f.book().fuelings[1] = fueling(2003, 1, 1, 0, 4880, 300, 25);
        f.run("MIdataIN");
        QVERIFY(withDialog("SBtnTuika", [&](FuelingDialog *d) {
            typeDate(d, u"2003"_s, u"1"_s, u"20"_s, QString());
            // Litres first, with a trip the user then thinks better of.
            typeInto(d->tripField, u"100"_s);
            typeInto(d->litresField, u"30"_s);
            d->odometerField->setFocus();
            QCOMPARE(d->economyLabel->text(), u"3.3"_s);
            d->tripField->clear();
            typeInto(d->odometerField, u"5230"_s);
            d->commentField->setFocus();
            QCOMPARE(d->tripField->text(), u"350"_s);
            d->registerButton->click();
        }));
        QVERIFY(f.prompter.shown.isEmpty());
        const Fueling &stored = f.book().fuelings[2];
        QCOMPARE(stored.trip, Currency::fromUnits(350));
        QCOMPARE(stored.economy, Currency::fromDouble(11.7));
        QCOMPARE(findWindow<FuelingListWindow>()->grid()->cell(2, 8), u"11.7"_s);
    }

    void aRecordWhoseMakerIsGoneNeedsAMakerChosen()
    {
        EntryFixture f;
        f.book().makers[1] = {1, "ENEOS"};
        f.book().fuelings[1] = fueling(2003, 1, 1, 0, 0, 300, 25);
        f.book().fuelings[1].makerCode = 9; // not registered
        const Fueling before = f.book().fuelings[1];
        f.run("MIdataIN");
        QVERIFY(withDialog("SBtnHenkou", [&](FuelingDialog *d) {
            QCOMPARE(d->makerBox->currentIndex(), -1);
            d->registerButton->click();
            QVERIFY(d->isVisible());
            QCOMPARE(QApplication::focusWidget(), d->makerBox);
            d->makerBox->setCurrentIndex(0);
            d->registerButton->click();
        }));
        QCOMPARE(f.prompter.texts(), QStringList{u"メーカーを選択してください"_s});
        QCOMPARE(f.book().fuelings[1].makerCode, 1);
        QCOMPARE(f.book().fuelings[1].trip, before.trip);
        QVERIFY(f.book().modified);
    }
};

QTEST_MAIN(FuelingRulesTest)
#include "fuelingrules_test.moc"
