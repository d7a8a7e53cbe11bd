#include "controls/checkfield.h"
#include "controls/combofield.h"
#include "controls/datepartfield.h"
#include "controls/statusline.h"
#include "controls/textfield.h"
#include "form.h"
#include "support/scripted.h"

#include <QAbstractItemView>
#include <QClipboard>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QSignalSpy>
#include <QTimer>

#include <memory>

using namespace Qt::StringLiterals;
using namespace fenlo;
using namespace fenlo::test;
using Box = Prompter::Box;

class FieldsTest : public QObject
{
    Q_OBJECT

    std::unique_ptr<ScriptedPrompter> prompter;
    std::unique_ptr<Form> form;
    DatePartField *year = nullptr;
    DatePartField *month = nullptr;
    DatePartField *day = nullptr;
    ComboField *maker = nullptr;
    CheckField *title = nullptr;
    TextField *name = nullptr;

    const QColor lightBlue{206, 231, 255};

    static void enter(QWidget *field) { field->setFocus(Qt::TabFocusReason); }

    // Types into a date part and tries to leave it with Tab.
    void leaveWith(DatePartField *field, const QString &typed)
    {
        field->setText(QString());
        enter(field);
        type(typed);
        press(Qt::Key_Tab);
    }

    void expectRefusal(DatePartField *field, const QString &typed, const QString &message)
    {
        prompter->shown.clear();
        prompter->expect(Prompter::Answer::Yes);
        leaveWith(field, typed);
        QCOMPARE(prompter->shown.size(), 1);
        const Box &box = prompter->shown.front();
        QCOMPARE(box.text, message);
        QCOMPARE(box.kind, Prompter::Kind::Information);
        QCOMPARE(box.buttons, Prompter::Buttons::YesOnly);
        QCOMPARE(field->valueText(), QString());
        QCOMPARE(focused(), field);
    }

    void expectAccepted(DatePartField *field, const QString &typed, const QString &kept)
    {
        prompter->shown.clear();
        leaveWith(field, typed);
        QCOMPARE(prompter->texts(), QStringList());
        QCOMPARE(field->valueText(), kept);
        QVERIFY(focused() != field);
    }

private Q_SLOTS:
    void init()
    {
        prompter = std::make_unique<ScriptedPrompter>();
        form = std::make_unique<Form>();
        year = form->add(new DatePartField);
        year->setPart(DatePart::Year);
        year->setMaxLength(4);
        month = form->add(new DatePartField);
        day = form->add(new DatePartField);
        day->setPart(DatePart::Day);
        day->setMonthField(month);
        maker = form->add(new ComboField);
        maker->addItems({u" 1|ENEOS"_s, u" 2|出光"_s, u" 3|コスモ"_s});
        maker->setCurrentIndex(1);
        title = form->add(new CheckField(u"表題を出力する"_s));
        name = form->add(new TextField);
        name->setMaxLength(5);
        QVERIFY(form->activate());
    }

    void cleanup()
    {
        QCOMPARE(prompter->unexpected, QStringList());
        form.reset();
        prompter.reset();
    }

    void aWrongMonthIsRefusedAndTheFocusStays()
    {
        QSignalSpy exits(month, &DatePartField::exited);
        const QString wrongMonth = u"月の指定が違います。"_s;
        expectRefusal(month, u"13"_s, wrongMonth);
        QCOMPARE(month->palette().color(QPalette::Base), lightBlue);
        expectRefusal(month, u"00"_s, wrongMonth);
        expectRefusal(month, u"0"_s, wrongMonth);
        QCOMPARE(exits.count(), 0);

        expectAccepted(month, u"05"_s, u"5"_s);
        QCOMPARE(focused(), day);
        QCOMPARE(exits.count(), 1);
        QCOMPARE(month->palette().color(QPalette::Base),
                 QApplication::palette().color(QPalette::Base));
        expectAccepted(month, u"12"_s, u"12"_s);
        expectAccepted(month, QString(), QString());
    }

    // The real box takes the activation from the form while it is open; neither the refused
    // field nor its neighbour may take that for the user moving between them.
    void aRealMessageBoxLeavesTheFocusInTheRefusedField()
    {
        prompter.reset();
        QSignalSpy dayEntries(day, &DatePartField::entered);
        QSignalSpy dayExits(day, &DatePartField::exited);
        QSignalSpy monthExits(month, &DatePartField::exited);
        QString boxText;
        QTimer closer;
        connect(&closer, &QTimer::timeout, this, [&] {
            if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget())) {
                boxText = box->text();
                box->button(QMessageBox::Yes)->click();
            }
        });
        closer.start(10);
        leaveWith(month, u"13"_s);
        closer.stop();
        prompter = std::make_unique<ScriptedPrompter>();

        QCOMPARE(boxText, u"月の指定が違います。"_s);
        QVERIFY(form->activate()); // the offscreen platform does not hand the activation back
        QCOMPARE(focused(), month);
        QCOMPARE(month->valueText(), QString());
        QCOMPARE(monthExits.count(), 0);
        QCOMPARE(dayEntries.count(), 0);
        QCOMPARE(dayExits.count(), 0);
        QCOMPARE(month->palette().color(QPalette::Base), lightBlue);
    }

    // A form may move the focus while its window is inactive (behind a message box): the field
    // that had the focus hears nothing then. When the window is active again its visit ends,
    // with its leaving steps, before the new field's begins; the next visit starts afresh.
    void movingTheFocusOfAnInactiveFormEndsTheOldVisit()
    {
        QSignalSpy nameExits(name, &TextField::exited);
        enter(name);
        type(u"abc"_s);
        QWidget other;
        other.show();
        QApplication::setActiveWindow(&other);
        QVERIFY(QTest::qWaitForWindowActive(&other));
        QCOMPARE(nameExits.count(), 0); // only the activation went

        month->setFocus(Qt::OtherFocusReason);
        QVERIFY(form->activate());
        QCOMPARE(focused(), month);
        QCOMPARE(nameExits.count(), 1);
        QVERIFY(drawnIn(month, lightBlue));
        QVERIFY(!drawnIn(name, lightBlue));

        enter(name);
        QCOMPARE(name->selectedText(), u"abc"_s); // entered again: all of it selected
        QVERIFY(drawnIn(name, lightBlue));
        QVERIFY(!drawnIn(month, lightBlue));
    }

    void aDayIsCheckedAgainstItsMonth()
    {
        const QString wrongDay = u"日の指定が違います。"_s;
        struct Case
        {
            QString month, day;
            bool accepted;
        };
        const QList<Case> cases = {
            {u"4"_s, u"31"_s, false},    {u"4"_s, u"30"_s, true},    {u"11"_s, u"31"_s, false},
            {u"2"_s, u"29"_s, true},     {u"2"_s, u"30"_s, false},   {u"1"_s, u"31"_s, true},
            {u"1"_s, u"32"_s, false},    {u"4"_s, u"0"_s, false},    {QString(), u"31"_s, true},
            {QString(), u"32"_s, false}, {QString(), u"0"_s, false}, {u"4"_s, QString(), true},
        };
        for (const Case &c : cases) {
            month->setText(c.month);
            if (c.accepted)
                expectAccepted(day, c.day, c.day);
            else
                expectRefusal(day, c.day, wrongDay);
        }
        expectAccepted(day, u"09"_s, u"9"_s);
    }

    void aYearIsOnlyStrippedOfLeadingZeros()
    {
        expectAccepted(year, u"0098"_s, u"98"_s);
        expectAccepted(year, u"2024"_s, u"2024"_s);
    }

    void onlyADayFieldTakesAMonthField()
    {
        QCOMPARE(day->monthField(), month);
        prompter->expect(Prompter::Answer::Ok);
        year->setMonthField(month);
        QCOMPARE(prompter->texts(),
                 QStringList{u"このプロパティはYMDswがswDDの時だけ指定してください"_s});
        QCOMPARE(year->monthField(), nullptr);

        delete month;
        QCOMPARE(day->monthField(), nullptr);
        expectAccepted(day, u"31"_s, u"31"_s);
    }

    void aClosedComboMovesBetweenFieldsWithTheArrows()
    {
        QSignalSpy entries(maker, &ComboField::entered);
        enter(maker);
        QCOMPARE(entries.count(), 1);
        QVERIFY(drawnIn(maker, lightBlue));
        press(Qt::Key_Down);
        QCOMPARE(focused(), title);
        QVERIFY(!drawnIn(maker, lightBlue));
        QCOMPARE(maker->currentIndex(), 1);
        enter(maker);
        press(Qt::Key_Up);
        QCOMPARE(focused(), day);
        QCOMPARE(maker->currentIndex(), 1);

        enter(maker);
        press(Qt::Key_Down, Qt::AltModifier);
        QVERIFY(maker->view()->isVisible());
        QTest::keyClick(maker->view(), Qt::Key_Down);
        QTest::keyClick(maker->view(), Qt::Key_Return);
        QCOMPARE(maker->currentIndex(), 2);
        QCOMPARE(focused(), maker);

        press(Qt::Key_Return);
        QCOMPARE(focused(), title);
    }

    void enterWithoutRetNextIsTheFormsToHandle()
    {
        maker->setEnterMovesOn(false);
        title->setEnterMovesOn(false);
        name->setEnterMovesOn(false);
        QSignalSpy makerEnter(maker, &ComboField::pressEnter);
        QSignalSpy titleEnter(title, &CheckField::pressEnter);
        QSignalSpy nameEnter(name, &TextField::pressEnter);
        for (QWidget *field : {static_cast<QWidget *>(maker), static_cast<QWidget *>(title),
                               static_cast<QWidget *>(name)}) {
            enter(field);
            press(Qt::Key_Return);
            QCOMPARE(focused(), field);
        }
        QCOMPARE(makerEnter.count(), 1);
        QCOMPARE(titleEnter.count(), 1);
        QCOMPARE(nameEnter.count(), 1);
        QCOMPARE(name->text(), QString());
    }

    void theCheckBoxIsGreenWithYellowTextWhileFocused()
    {
        const QPalette system = QApplication::palette();
        const QColor green(0, 128, 0);
        QVERIFY(drawnIn(title, system.color(QPalette::Button)));
        enter(title);
        QVERIFY(drawnIn(title, green));
        QCOMPARE(title->palette().color(title->foregroundRole()), QColor(255, 255, 0));
        press(Qt::Key_Space);
        QVERIFY(title->isChecked());
        press(Qt::Key_Return);
        QCOMPARE(focused(), name);
        QVERIFY(!drawnIn(title, green));
        QCOMPARE(title->palette().color(title->foregroundRole()),
                 system.color(QPalette::WindowText));
    }

    void aTextFieldRefusesWhatTheLogbookCannotStore()
    {
        enter(name);
        type(u"給😀油"_s);
        QCOMPARE(name->text(), u"給油"_s);
        QApplication::clipboard()->setText(u"①😀"_s);
        press(Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(name->text(), u"給油"_s);
        QApplication::clipboard()->setText(u"①ｶﾞ"_s);
        press(Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(name->text(), u"給油①ｶﾞ"_s);
        type(u"あ"_s); // five characters are the limit, whatever their bytes
        QCOMPARE(name->text(), u"給油①ｶﾞ"_s);
    }

    void aTextFieldNavigatesLikeTheOthers()
    {
        name->setText(u"abc"_s);
        enter(name);
        QCOMPARE(name->oldText(), u"abc"_s);
        QCOMPARE(name->selectedText(), u"abc"_s);
        QCOMPARE(name->palette().color(QPalette::Base), lightBlue);
        press(Qt::Key_Up);
        QCOMPARE(focused(), title);
        enter(name);
        press(Qt::Key_Return);
        QCOMPARE(focused(), year); // the tab order wraps round
    }

    void theStatusBarShowsItsTextInItsOnlyPanel()
    {
        StatusLine bar;
        bar.setText(u"5件"_s);
        QCOMPARE(bar.text(), u"5件"_s);
        const QList<QLabel *> panels = bar.findChildren<QLabel *>();
        QCOMPARE(panels.size(), 1);
        QCOMPARE(panels.front()->text(), u"5件"_s);
        QCOMPARE(bar.height(), 22);
    }
};

QTEST_MAIN(FieldsTest)
#include "fields_test.moc"
