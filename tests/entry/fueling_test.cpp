#include "controls/combofield.h"
#include "controls/datepartfield.h"
#include "controls/numberfield.h"
#include "controls/statusline.h"
#include "controls/textfield.h"
#include "entry/fuelingdialog.h"
#include "entry/fuelinglistwindow.h"
#include "entryfixture.h"
#include "support/windows.h"

#include <QLabel>
#include <QPushButton>

#include <functional>

using namespace fenlo;
using namespace fenlo::test;
using namespace Qt::StringLiterals;

namespace {

DateTime at(int y, int m, int d, int h = 0)
{
    return *encodeDateTime(y, m, d, h);
}

Currency cur(double value)
{
    return Currency::fromDouble(value);
}

struct TypedFueling
{
    DateTime when;
    double trip = 0;
    double litres = 0;
    double amount = 0;
    double economy = 0;
    double odometer = 0;
    const char *comment = "";
};

Fueling record(const TypedFueling &f)
{
    Fueling r;
    r.moment = f.when;
    r.odometer = cur(f.odometer);
    r.trip = cur(f.trip);
    r.litres = cur(f.litres);
    r.makerCode = 1;
    r.category = 1;
    r.amount = cur(f.amount);
    r.economy = cur(f.economy);
    r.comment = f.comment;
    return r;
}

// The error box ends the runtime's message with a full stop.
const QString NotANumber = u"'.' は浮動小数点数ではありません."_s;
const QString WrongDate = u"日付の指定が違います"_s;
const QString SameMoment = u"既に同じ年月日時で入力されています"_s;

} // namespace

class FuelingTest : public QObject
{
    Q_OBJECT

    ListGrid *grid() { return findWindow<FuelingListWindow>()->grid(); }

    QString label(const char *name)
    {
        auto *l = findWindow<FuelingListWindow>()->findChild<QLabel *>(QString::fromUtf8(name));
        return l ? l->text() : u"<missing>"_s;
    }

    QString status() { return findWindow<FuelingListWindow>()->findChild<StatusLine *>()->text(); }

    // Two makers (codes 1 and 5) and these fuelings in date order, then the list window.
    void openWith(EntryFixture &f, std::initializer_list<TypedFueling> fuelings, bool makers = true)
    {
        if (makers) {
            f.book().makers[1] = {1, "ENEOS"};
            f.book().makers[2] = {5, "Shell"};
        }
        int slot = 1;
        for (const TypedFueling &fueling : fuelings)
            f.book().fuelings[slot++] = record(fueling);
        f.run("MIdataIN");
        QVERIFY(findWindow<FuelingListWindow>());
    }

    // Runs one use of the dialog that `open` brings up; false when none opened.
    static bool withDialogOf(const std::function<void()> &open,
                             const std::function<void(FuelingDialog *)> &steps)
    {
        ModalStep step([&](QDialog *dialog) {
            auto *entry = qobject_cast<FuelingDialog *>(dialog);
            QVERIFY(entry);
            steps(entry);
        });
        open();
        return step.ran();
    }

    static bool withDialog(const char *button, const std::function<void(FuelingDialog *)> &steps)
    {
        return withDialogOf([button] { click(findWindow<FuelingListWindow>(), button); }, steps);
    }

    bool withDialogByKey(Qt::Key key, const std::function<void(FuelingDialog *)> &steps)
    {
        return withDialogOf(
            [this, key] {
                grid()->setFocus();
                QTest::keyClick(grid(), key);
            },
            steps);
    }

    // Types a whole fueling; empty texts leave their field empty.
    static void fill(FuelingDialog *d, const QString &y, const QString &m, const QString &day,
                     const QString &hour, const QString &trip, const QString &litres)
    {
        typeInto(d->yearField, y);
        typeInto(d->monthField, m);
        typeInto(d->dayField, day);
        typeInto(d->hourField, hour);
        typeInto(d->tripField, trip);
        typeInto(d->litresField, litres);
        QTest::keyClick(d->litresField, Qt::Key_Tab);
    }

private Q_SLOTS:
    void gridAndSummaryShowTheRecords()
    {
        EntryFixture f;
        openWith(f, {{at(2003, 5, 18, 9), 300, 25, 3000, 12.0, 4880, "first"},
                     {at(2003, 6, 1, 17), 400, 35, 4000, 11.4, 5280, "second"}});
        QCOMPARE(findWindow<FuelingListWindow>()->windowTitle(), u"給油データ登録"_s);
        QCOMPARE(findWindow<FuelingListWindow>()
                     ->findChild<QAbstractButton *>(u"SBtnTuika"_s)
                     ->toolTip(),
                 u"新しいデータを入力します"_s);
        QCOMPARE(grid()->rowTexts(0),
                 (QStringList{u"No"_s, u"日付"_s, u"距離(ﾄｰﾀﾙ)"_s, u"距離(今回)"_s, u"給油量"_s,
                              u"メーカー"_s, u"区分"_s, u"金額"_s, u"燃費"_s, u"コメント"_s}));
        QCOMPARE(grid()->rowTexts(1),
                 (QStringList{u"1"_s, u"2003/05/18(09)"_s, u"4880.0"_s, u"300.0"_s, u"25.0"_s,
                              u"ENEOS"_s, u"ﾚｷﾞｭﾗｰ"_s, u"3000"_s, u"12.0"_s, u"first"_s}));
        QCOMPARE(grid()->columnAlignment(3), Qt::Alignment(Qt::AlignRight));
        QCOMPARE(grid()->columnAlignment(5), Qt::Alignment(Qt::AlignLeft));
        QCOMPARE(grid()->rowColor(1), ListGrid::OddRowColor);
        QCOMPARE(grid()->rowColor(2), ListGrid::LightBlue);

        const QStringList summary = {
            label("LblGkyori"), label("LblGryou"), label("LblGkingaku"), label("LblGnenpi"),
            label("LblKkyori"), label("LblKryou"), label("LblKkingaku"), label("LblKnenpi"),
            label("LblTkyori"), label("LblTryou"), label("LblTkingaku"), label("LblTnenpi"),
            label("LblHkyori"), label("LblHryou"), label("LblHkingaku"), label("LblHnenpi"),
            label("Lblkensuu")};
        QCOMPARE(summary, (QStringList{u"700.0"_s, u"60.0"_s, u"7000"_s, u"11.7"_s, //
                                       u"400.0"_s, u"35.0"_s, u"4000"_s, u"12.0"_s, //
                                       u"300.0"_s, u"25.0"_s, u"3000"_s, u"11.4"_s, //
                                       u"350.0"_s, u"30.0"_s, u"3500"_s, u"11.7"_s, u"2"_s}));

        // The cursor starts on the last row and the status bar follows it.
        QCOMPARE(grid()->currentDataRow(), 2);
        QCOMPARE(status(), u"コメント：second"_s);
        grid()->setCurrentDataRow(1);
        QCOMPARE(status(), u"コメント：first"_s);

        // The comment column takes the extra width; the window has a floor.
        QWidget *outer = findWindow<FuelingListWindow>()->outerWindow();
        QCOMPARE(outer->minimumSize(), QSize(780, 310));
        outer->resize(800, 400); // the offscreen screen is 800 wide
        QCOMPARE(grid()->columnWidth(9), 800 - 640);
    }

    void menuAndToolButtonShareOneWindowAndDoubleClickChanges()
    {
        EntryFixture f;
        openWith(f, {{at(2003, 5, 18), 300, 25, 0, 12}});
        QPointer<FuelingListWindow> first = findWindow<FuelingListWindow>();
        findWindow<FuelingListWindow>()->outerWindow()->showMinimized();
        click(f.frame.get(), "SpeedButton1");
        QCOMPARE(f.childCount(), 1);
        QCOMPARE(findWindow<FuelingListWindow>(), first.data());
        QVERIFY(!findWindow<FuelingListWindow>()->outerWindow()->isMinimized());

        QVERIFY(withDialogOf(
            [this] {
                const QRect cell = grid()->visualItemRect(grid()->item(0, 1));
                QTest::mouseDClick(grid()->viewport(), Qt::LeftButton, {}, cell.center());
            },
            [](FuelingDialog *d) { QCOMPARE(d->windowTitle(), u"変更"_s); }));

        click(findWindow<FuelingListWindow>(), "SBtnEnd");
        QTRY_COMPARE(f.childCount(), 0);
        QTRY_VERIFY(!first); // freed once the close has been processed
    }

    void emptyLogbookListsNothingAndRefusesAddWithoutMakers()
    {
        EntryFixture f;
        openWith(f, {}, false);
        QCOMPARE(grid()->lastDataRow(), 1);
        QCOMPARE(grid()->rowTexts(1), QStringList(10, QString()));
        QCOMPARE(label("LblGnenpi"), u"0"_s);
        QCOMPARE(label("LblTkyori"), u"0"_s);
        QCOMPARE(label("Lblkensuu"), u"0"_s);
        QVERIFY(!withDialog("SBtnHenkou", [](FuelingDialog *) {}));
        click(findWindow<FuelingListWindow>(), "SBtnDel");
        QVERIFY(f.prompter.shown.isEmpty());
        QVERIFY(!withDialog("SBtnTuika", [](FuelingDialog *) {}));
        QCOMPARE(f.prompter.texts(), QStringList{u"始めに燃料メーカー登録をしてください"_s});
    }

    void zeroLitresGiveZeroEconomyInTheSummary()
    {
        EntryFixture f;
        openWith(f, {{at(2003, 5, 18), 300, 0, 3000, 0}});
        QCOMPARE(label("LblGnenpi"), u"0.0"_s);
        QCOMPARE(label("LblGkyori"), u"300.0"_s);
        QCOMPARE(label("LblHkingaku"), u"3000"_s);
    }

    void anEarlierFuelingTakesRowOneAndTheCursorGoesToTheLastRow()
    {
        EntryFixture f;
        openWith(f, {{at(2003, 5, 18), 300, 25, 0, 12}, {at(2003, 6, 1), 400, 35, 0, 11.4}});
        grid()->setCurrentDataRow(1);
        QVERIFY(withDialog("SBtnTuika", [](FuelingDialog *d) {
            QCOMPARE(d->windowTitle(), u"追加"_s);
            QCOMPARE(d->entrySlot, 2);
            QCOMPARE(d->makerBox->currentText(), u" 1|ENEOS"_s);
            QCOMPARE(d->categoryBox->currentText(), u"レギュラー"_s);
            fill(d, u"2003"_s, u"1"_s, u"15"_s, u"8"_s, u"350"_s, u"30"_s);
            QCOMPARE(d->economyLabel->text(), u"11.7"_s);
            d->makerBox->setCurrentIndex(1);
            d->categoryBox->setCurrentIndex(2);
            typeInto(d->amountField, u"4200"_s);
            typeInto(d->commentField, u"満タン"_s);
            d->registerButton->click();
            QVERIFY(!d->isVisible());
        }));
        QCOMPARE(grid()->rowTexts(1),
                 (QStringList{u"1"_s, u"2003/01/15(08)"_s, u"0.0"_s, u"350.0"_s, u"30.0"_s,
                              u"Shell"_s, u"軽油"_s, u"4200"_s, u"11.7"_s, u"満タン"_s}));
        QCOMPARE(column(grid(), 1, 3),
                 (QStringList{u"2003/01/15(08)"_s, u"2003/05/18(00)"_s, u"2003/06/01(00)"_s}));
        QCOMPARE(grid()->currentDataRow(), 3);
        const Fueling &stored = f.book().fuelings[1];
        QCOMPARE(stored.makerCode, 5);
        QCOMPARE(stored.category, 3);
        QCOMPARE(stored.economy, cur(11.7));
        QCOMPARE(stored.odometer, Currency());
        QVERIFY(f.book().modified);
        QCOMPARE(label("Lblkensuu"), u"3"_s);
        QVERIFY(f.prompter.shown.isEmpty());
    }

    void capacityStopsAt999Records()
    {
        EntryFixture f;
        f.book().makers[1] = {1, "ENEOS"};
        for (int slot = 1; slot <= 998; ++slot)
            f.book().fuelings[slot] = record({at(2000, 1, 1) + slot, 100, 10});
        f.run("MIdataIN");
        QVERIFY(findWindow<FuelingListWindow>());
        QVERIFY(withDialog("SBtnTuika", [](FuelingDialog *d) {
            fill(d, u"2010"_s, u"1"_s, u"1"_s, QString(), u"100"_s, u"10"_s);
            d->registerButton->click();
        }));
        QVERIFY(f.book().fuelings[999].used());
        QCOMPARE(grid()->lastDataRow(), 999);

        QVERIFY(!withDialogByKey(Qt::Key_Insert, [](FuelingDialog *) {}));
        QCOMPARE(f.prompter.texts(), QStringList{NoMore});
        QVERIFY(!f.book().fuelings[1000].used());
    }

    void deleteAsksAndPlacesTheCursor()
    {
        EntryFixture f;
        openWith(f, {{at(2003, 1, 1), 1, 1, 0, 0, 0, "a"},
                     {at(2003, 2, 1), 2, 1, 0, 0, 0, "b"},
                     {at(2003, 3, 1), 3, 1, 0, 0, 0, "c"}});
        // No keeps the record.
        f.prompter.expect(Answer::No);
        click(findWindow<FuelingListWindow>(), "SBtnDel");
        QCOMPARE(f.book().fuelings.usedCount(), 3);
        QVERIFY(!f.book().modified);

        // The middle record: the cursor stays on row 2, which now shows the next record.
        grid()->setCurrentDataRow(2);
        f.prompter.expect(Answer::Yes);
        click(findWindow<FuelingListWindow>(), "SBtnDel");
        QCOMPARE(column(grid(), 9, 2), (QStringList{u"a"_s, u"c"_s}));
        QCOMPARE(grid()->currentDataRow(), 2);
        QCOMPARE(status(), u"コメント：c"_s);
        QVERIFY(!f.book().fuelings[3].used());
        QVERIFY(f.book().modified);

        // The last record by Ctrl+Delete: the grid shrinks and the cursor follows.
        grid()->setFocus();
        QTest::keyClick(grid(), Qt::Key_Delete);
        QTest::keyClick(grid(), Qt::Key_Delete, Qt::ControlModifier | Qt::ShiftModifier);
        QCOMPARE(f.prompter.shown.size(), 2); // neither asked
        f.prompter.expect(Answer::Yes);
        QTest::keyClick(grid(), Qt::Key_Delete, Qt::ControlModifier);
        QCOMPARE(grid()->lastDataRow(), 1);
        QCOMPARE(grid()->currentDataRow(), 1);
        QCOMPARE(status(), u"コメント：a"_s);

        // The only record: one blank row and zero totals.
        f.prompter.expect(Answer::Yes);
        click(findWindow<FuelingListWindow>(), "SBtnDel");
        QCOMPARE(grid()->rowTexts(1), QStringList(10, QString()));
        QCOMPARE(label("LblGkyori"), u"0"_s);
        QCOMPARE(f.prompter.texts(), QStringList(4, u"カーソル行のデータを削除しますか？"_s));
        QVERIFY(f.prompter.unexpected.isEmpty());
    }

    void yearsAreCompletedWhenTheFieldIsLeft()
    {
        EntryFixture f;
        openWith(f, {});
        QVERIFY(withDialog("SBtnTuika", [](FuelingDialog *d) {
            const QList<std::pair<QString, QString>> cases = {{u"98"_s, u"1998"_s},
                                                              {u"5"_s, u"2005"_s},
                                                              {u"0"_s, u"2000"_s},
                                                              {u"100"_s, u"100"_s}};
            for (const auto &[typed, completed] : cases) {
                typeInto(d->yearField, typed);
                QTest::keyClick(d->yearField, Qt::Key_Tab);
                QCOMPARE(d->yearField->text(), completed);
            }
            // A short year is completed as well when registering from the year field.
            fill(d, u"2003"_s, u"4"_s, u"1"_s, QString(), u"10"_s, u"1"_s);
            typeInto(d->yearField, u"7"_s);
            d->registerButton->click();
        }));
        QCOMPARE(f.book().fuelings[1].moment, at(2007, 4, 1));
    }

    void distancesAreRoundedAndTheTripFollowsTheOdometer()
    {
        EntryFixture f;
        openWith(f, {{at(2003, 5, 18), 300, 25, 0, 12, 4880}});
        QVERIFY(withDialog("SBtnTuika", [](FuelingDialog *d) {
            typeInto(d->odometerField, u"5230.0"_s);
            QTest::keyClick(d->odometerField, Qt::Key_Tab);
            QCOMPARE(d->odometerField->text(), u"5230"_s);
            QCOMPARE(d->tripField->text(), u"350"_s);

            // A smaller odometer than last time leaves the trip empty.
            d->tripField->clear();
            typeInto(d->odometerField, u"4000"_s);
            QTest::keyClick(d->odometerField, Qt::Key_Tab);
            QCOMPARE(d->tripField->text(), QString());

            // Only one decimal can be typed; the economy is 0.0 without a trip.
            typeInto(d->tripField, u"350.25"_s);
            QCOMPARE(d->tripField->text(), u"350.2"_s);
            typeInto(d->tripField, u"0"_s);
            typeInto(d->litresField, u"30.0"_s);
            QTest::keyClick(d->litresField, Qt::Key_Tab);
            QCOMPARE(d->litresField->text(), u"30"_s);
            QCOMPARE(d->economyLabel->text(), u"0.0"_s);
            QCOMPARE(d->tripField->text(), u"0"_s);
        }));
    }

    void registerRecomputesTheEconomyOfTheFocusedField()
    {
        EntryFixture f;
        openWith(f, {});
        QVERIFY(withDialog("SBtnTuika", [](FuelingDialog *d) {
            fill(d, u"2003"_s, u"4"_s, u"1"_s, QString(), u"350"_s, u"30"_s);
            typeInto(d->litresField, u"25"_s); // still focused when registering
            d->registerButton->click();
        }));
        QCOMPARE(f.book().fuelings[1].economy, cur(14.0));
        QCOMPARE(f.book().fuelings[1].litres, cur(25));
    }

    void checksNameEveryMissingOrWrongValue()
    {
        EntryFixture f;
        openWith(f, {{at(2003, 5, 18, 9), 300, 25, 0, 12}});
        QVERIFY(withDialog("SBtnTuika", [&](FuelingDialog *d) {
            // The day field itself refuses a day the month does not have.
            typeInto(d->monthField, u"2"_s);
            typeInto(d->dayField, u"30"_s);
            f.prompter.expect(Answer::Yes);
            QTest::keyClick(d->dayField, Qt::Key_Tab);
            QCOMPARE(d->dayField->text(), QString());
            auto attempt = [&](const QString &y, const QString &m, const QString &day,
                               const QString &hour, const QString &trip, const QString &litres,
                               QWidget *focus) {
                fill(d, y, m, day, hour, trip, litres);
                d->registerButton->click();
                QVERIFY(d->isVisible());
                QCOMPARE(QApplication::focusWidget(), focus);
            };
            attempt(QString(), u"1"_s, u"1"_s, QString(), u"1"_s, u"1"_s, d->yearField);
            attempt(u"2003"_s, QString(), u"1"_s, QString(), u"1"_s, u"1"_s, d->yearField);
            attempt(u"2003"_s, u"1"_s, QString(), QString(), u"1"_s, u"1"_s, d->yearField);
            attempt(u"2003"_s, u"1"_s, u"1"_s, QString(), QString(), u"1"_s, d->tripField);
            attempt(u"2003"_s, u"1"_s, u"1"_s, QString(), u"1"_s, QString(), d->litresField);
            attempt(u"2023"_s, u"2"_s, u"29"_s, QString(), u"1"_s, u"1"_s, d->yearField);
            attempt(u"2003"_s, u"1"_s, u"1"_s, u"24"_s, u"1"_s, u"1"_s, d->yearField);
            // The same date and hour as a stored record; another hour passes.
            fill(d, u"2003"_s, u"5"_s, u"18"_s, u"9"_s, u"1"_s, u"1"_s);
            d->registerButton->click();
            QVERIFY(d->isVisible());
            typeInto(d->hourField, u"10"_s);
            d->registerButton->click();
            QVERIFY(!d->isVisible());
        }));
        QCOMPARE(f.prompter.texts(),
                 (QStringList{u"日の指定が違います。"_s, u"年が入力されていません"_s,
                              u"月が入力されていません"_s, u"日が入力されていません"_s,
                              u"距離（今回）が入力されていません"_s,
                              u"給油量が入力されていません"_s, WrongDate, WrongDate, SameMoment}));
        QCOMPARE(f.book().fuelings[2].moment, at(2003, 5, 18, 10));

        // A leap day is a date.
        QVERIFY(withDialog("SBtnTuika", [](FuelingDialog *d) {
            fill(d, u"2024"_s, u"2"_s, u"29"_s, QString(), u"1"_s, u"1"_s);
            d->registerButton->click();
            QVERIFY(!d->isVisible());
        }));
        QCOMPARE(f.book().fuelings[3].moment, at(2024, 2, 29));
    }

    void changeShowsTheStoredValuesAndAcceptsAnotherRecordsMoment()
    {
        EntryFixture f;
        openWith(f, {{at(2003, 5, 8, 9), 350, 30, 4200, 12.0, 4880, "x"},
                     {at(2003, 6, 1, 9), 400, 35, 0, 11.4}});
        grid()->setCurrentDataRow(1);
        QVERIFY(withDialog("SBtnHenkou", [](FuelingDialog *d) {
            QCOMPARE(d->windowTitle(), u"変更"_s);
            const QStringList shown = {d->yearField->text(),     d->monthField->text(),
                                       d->dayField->text(),      d->hourField->text(),
                                       d->odometerField->text(), d->tripField->text(),
                                       d->litresField->text(),   d->amountField->text(),
                                       d->economyLabel->text(),  d->commentField->text()};
            QCOMPARE(shown, (QStringList{u"2003"_s, u"05"_s, u"08"_s, u"09"_s, u"4880"_s, u"350"_s,
                                         u"30"_s, u"4200"_s, u"12"_s, u"x"_s}));
            QCOMPARE(d->makerBox->currentText(), u" 1|ENEOS"_s);
            // The other record's date and hour: no duplicate check when changing.
            typeInto(d->monthField, u"6"_s);
            typeInto(d->dayField, u"1"_s);
            d->registerButton->click();
            QVERIFY(!d->isVisible());
        }));
        QCOMPARE(f.book().fuelings[1].moment, at(2003, 6, 1, 9));
        QCOMPARE(f.book().fuelings[2].moment, at(2003, 6, 1, 9));
        QCOMPARE(grid()->currentDataRow(), 1);
        QVERIFY(f.prompter.shown.isEmpty());
    }

    void changeDerivesTheTripFromThePreviousRecord()
    {
        EntryFixture f;
        openWith(f, {{at(2003, 5, 8), 300, 25, 0, 12, 4880}, {at(2003, 6, 1), 400, 35, 0, 11.4}});
        grid()->setCurrentDataRow(2);
        QVERIFY(withDialogByKey(Qt::Key_Return, [](FuelingDialog *d) {
            QCOMPARE(d->entrySlot, 2);
            d->tripField->clear();
            typeInto(d->odometerField, u"5230"_s);
            QTest::keyClick(d->odometerField, Qt::Key_Tab);
            QCOMPARE(d->tripField->text(), u"350"_s);
        }));
    }

    void editedFlagFollowsRealChanges()
    {
        EntryFixture f;
        openWith(f, {{at(2003, 5, 8, 9), 350, 30, 0, 12.0, 0, "old"}});
        const Fueling before = f.book().fuelings[1];

        // Registering untouched values stores them again and leaves the flag alone.
        QVERIFY(withDialog("SBtnHenkou", [](FuelingDialog *d) { d->registerButton->click(); }));
        QVERIFY(!f.book().modified);
        QVERIFY(f.book().fuelings[1] == before);

        // Tabbing through "05" drops the zero: that is an edit, so cancelling asks.
        QVERIFY(withDialog("SBtnHenkou", [&](FuelingDialog *d) {
            d->monthField->setFocus(Qt::TabFocusReason);
            QTest::keyClick(d->monthField, Qt::Key_Tab);
            QCOMPARE(d->monthField->text(), u"5"_s);
            QVERIFY(d->edited);
            f.prompter.expect(Answer::No);
            QTest::keyClick(d->dayField, Qt::Key_Escape);
            QVERIFY(d->isVisible());
            d->registerButton->click();
        }));
        QCOMPARE(f.prompter.texts(), QStringList{CloseQuestion});
        QVERIFY(f.book().modified);

        // Only the comment changed: stored, and the logbook counts as changed.
        f.book().modified = false;
        QVERIFY(withDialog("SBtnHenkou", [](FuelingDialog *d) {
            typeInto(d->commentField, u"new"_s);
            d->registerButton->click();
        }));
        QCOMPARE(f.book().fuelings[1].comment, std::string("new"));
        QCOMPARE(f.book().fuelings[1].economy, cur(12.0));
        QVERIFY(f.book().modified);
        QCOMPARE(status(), u"コメント：new"_s);

        // Escape with nothing changed closes at once.
        QVERIFY(withDialog("SBtnHenkou", [](FuelingDialog *d) {
            QTest::keyClick(d->yearField, Qt::Key_Escape);
            QVERIFY(!d->isVisible());
        }));
        QCOMPARE(f.prompter.shown.size(), 1);
    }

    void aLonePointIsReportedAndNothingIsWritten()
    {
        EntryFixture f;
        openWith(f, {{at(2003, 5, 8, 9), 350, 30, 0, 11.7, 0, "keep"}});
        const Fueling before = f.book().fuelings[1];
        QVERIFY(withDialog("SBtnHenkou", [&](FuelingDialog *d) {
            typeInto(d->commentField, u"changed"_s);
            typeInto(d->tripField, u"."_s);
            QTest::keyClick(d->tripField, Qt::Key_Tab);
            QCOMPARE(f.prompter.texts(), QStringList{NotANumber});
            QCOMPARE(d->tripField->text(), u"."_s);
            QCOMPARE(d->economyLabel->text(), u"11.7"_s);
            d->registerButton->click();
            QVERIFY(d->isVisible());
        }));
        QVERIFY(f.book().fuelings[1] == before);
        QVERIFY(!f.book().modified);
        const QStringList texts = f.prompter.texts();
        QVERIFY(texts.size() >= 2); // registering reported it again
        QCOMPARE(texts, QStringList(texts.size(), NotANumber));
    }

    void theDialogSitsBesideTheList()
    {
        EntryFixture f;
        openWith(f, {});
        const QPoint expected = f.frame->pos() +
                                findWindow<FuelingListWindow>()->outerWindow()->pos() +
                                QPoint(120, 120);
        QVERIFY(withDialog("SBtnTuika", [&](FuelingDialog *d) {
            QCOMPARE(d->pos(), expected);
            QCOMPARE(QApplication::focusWidget(), d->yearField);
            QCOMPARE(d->yearField->toolTip(), u"年を西暦４桁で入力してください。"_s);
            QCOMPARE(d->registerButton->toolTip(), u"変更したデータを登録します"_s);
        }));
    }
};

QTEST_MAIN(FuelingTest)
#include "fueling_test.moc"
