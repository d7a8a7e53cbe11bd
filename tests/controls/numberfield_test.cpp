#include "controls/numberfield.h"
#include "controls/textfield.h"
#include "form.h"

#include <QClipboard>
#include <QSignalSpy>

#include <memory>

using namespace Qt::StringLiterals;
using fenlo::NumberField;
using fenlo::TextField;
using namespace fenlo::test;

class NumberFieldTest : public QObject
{
    Q_OBJECT

    std::unique_ptr<Form> form;
    NumberField *litres = nullptr; // decimal, 4 before and 1 after the point
    NumberField *amount = nullptr; // integer, MaxLength 5
    NumberField *signedField = nullptr;
    TextField *comment = nullptr;

    static void enter(QWidget *field) { field->setFocus(Qt::TabFocusReason); }
    static void paste(const QString &text)
    {
        QApplication::clipboard()->setText(text);
        press(Qt::Key_V, Qt::ControlModifier);
    }

private Q_SLOTS:
    void init()
    {
        form = std::make_unique<Form>();
        litres = form->add(new NumberField);
        litres->setAllowsDecimals(true);
        litres->setMaxIntegerDigits(4);
        litres->setMaxFractionDigits(1);
        litres->setMaxLength(6);
        amount = form->add(new NumberField);
        amount->setMaxLength(5);
        signedField = form->add(new NumberField);
        signedField->setAllowsMinus(true);
        comment = form->add(new TextField);
        QVERIFY(form->activate());
        enter(litres);
    }
    void cleanup() { form.reset(); }

    void decimalDigitsAreLimitedOnEachSideOfThePoint()
    {
        type(u"12345"_s);
        QCOMPARE(litres->valueText(), u"1234"_s);

        litres->setText(QString());
        type(u"1234.56"_s);
        QCOMPARE(litres->valueText(), u"1234.5"_s);

        // Before the point the whole part is measured, after it the decimals.
        litres->setText(u"1.2"_s);
        litres->setCursorPosition(1);
        type(u"3"_s);
        QCOMPARE(litres->valueText(), u"13.2"_s);
        type(u"4"_s);
        QCOMPARE(litres->valueText(), u"134.2"_s);
        litres->setText(u"1234.5"_s);
        litres->setCursorPosition(2);
        type(u"9"_s);
        QCOMPARE(litres->valueText(), u"1234.5"_s);
        litres->setCursorPosition(5);
        type(u"9"_s);
        QCOMPARE(litres->valueText(), u"1234.5"_s);
    }

    void onlyDigitsAndThePointCanBeTyped()
    {
        type(u"1a-/ ,+e２ｱ5"_s);
        QCOMPARE(litres->valueText(), u"15"_s);
        enter(amount);
        type(u"3x.2"_s); // "." is the thousands shortcut, never a point
        QCOMPARE(amount->valueText(), u"30002"_s);
    }

    void aFullySelectedValueIsReplacedByTyping()
    {
        litres->setText(u"1234.5"_s);
        enter(amount);
        enter(litres);
        QCOMPARE(litres->selectedText(), u"1234.5"_s);
        type(u"9"_s);
        QCOMPARE(litres->valueText(), u"9"_s);
    }

    void contentBreakingARuleEmptiesTheField()
    {
        QStringList seen;
        connect(litres, &NumberField::changed, this, [&] { seen << litres->text(); });
        litres->setText(u"12.3"_s);
        litres->end(false);
        type(u"."_s);
        QCOMPARE(litres->valueText(), QString());
        QCOMPARE(seen.last(), QString()); // the form hears of the emptied field
        QVERIFY(!seen.contains(u"12.3."_s));

        paste(u"123456"_s);
        QCOMPARE(litres->valueText(), QString());
        paste(u"12.34"_s);
        QCOMPARE(litres->valueText(), QString());
        paste(u"123.4"_s);
        QCOMPARE(litres->valueText(), u"123.4"_s);

        enter(amount);
        paste(u"1.5"_s);
        QCOMPARE(amount->valueText(), QString());
        paste(u"-3"_s);
        QCOMPARE(amount->valueText(), QString());
        enter(signedField);
        paste(u"--3"_s);
        QCOMPARE(signedField->valueText(), QString());
    }

    void limitsBindTheUserNotTheProgram()
    {
        litres->setText(u"123456"_s);
        QCOMPARE(litres->valueText(), u"123456"_s);
        litres->setText(u"1.25"_s);
        QCOMPARE(litres->valueText(), u"1.25"_s);
        // Rules that hold for any content still apply.
        amount->setText(u"1.5"_s);
        QCOMPARE(amount->valueText(), QString());
    }

    void theLengthLimitBindsTheUserButNeverCutsAStoredValue()
    {
        enter(amount);
        type(u"123456"_s);
        QCOMPARE(amount->valueText(), u"12345"_s);
        amount->setText(QString());
        paste(u"123456"_s);
        QCOMPARE(amount->valueText(), QString());

        amount->setText(u"123456"_s);
        QCOMPARE(amount->valueText(), u"123456"_s);
        amount->setGroupsThousands(true);
        amount->setText(u"12345"_s);
        QCOMPARE(amount->text(), u"12,345"_s);
    }

    void thePointInAnIntegerFieldAppendsThreeZeros()
    {
        enter(amount);
        type(u"12."_s);
        QCOMPARE(amount->valueText(), u"12000"_s);

        amount->setText(u"123"_s);
        amount->setCursorPosition(1);
        type(u"."_s);
        QCOMPARE(amount->valueText(), u"123"_s); // no room for three more digits
        QCOMPARE(amount->cursorPosition(), 3);

        enter(signedField); // no length limit, no shortcut
        type(u"12."_s);
        QCOMPARE(signedField->valueText(), u"12"_s);
    }

    void minusTogglesTheSign()
    {
        enter(signedField);
        type(u"25"_s);
        signedField->setCursorPosition(0);
        type(u"-"_s);
        QCOMPARE(signedField->valueText(), u"-25"_s);
        QCOMPARE(signedField->cursorPosition(), 3);
        type(u"-"_s);
        QCOMPARE(signedField->valueText(), u"25"_s);

        signedField->setText(QString());
        type(u"-"_s);
        QCOMPARE(signedField->valueText(), u"-"_s);
        type(u"0"_s); // a negative number cannot begin with 0
        QCOMPARE(signedField->valueText(), u"-"_s);
        type(u"7"_s);
        QCOMPARE(signedField->valueText(), u"-7"_s);
        type(u"-"_s);
        QCOMPARE(signedField->valueText(), u"7"_s);

        litres->setAllowsMinus(true);
        enter(litres);
        type(u"1.5-"_s);
        QCOMPARE(litres->valueText(), u"-1.5"_s);
    }

    void leadingZerosGoWhenAnIntegerFieldIsLeft()
    {
        const QList<std::pair<QString, QString>> cases = {
            {u"0"_s, u"0"_s},     {u"0005"_s, u"5"_s}, {u"000"_s, u"0"_s},  {u"70"_s, u"70"_s},
            {u"-007"_s, u"-7"_s}, {u"-"_s, QString()}, {u"-000"_s, u"0"_s}, {QString(), QString()}};
        for (const auto &[before, after] : cases) {
            signedField->setText(before);
            enter(signedField);
            press(Qt::Key_Tab);
            QCOMPARE(signedField->valueText(), after);
        }

        // A decimal field keeps what the user wrote; the form converts it.
        litres->setText(u"012.5"_s);
        press(Qt::Key_Tab);
        QCOMPARE(litres->valueText(), u"012.5"_s);
    }

    void theFormHearsOfAnExitAfterTheFieldIsDone()
    {
        QString seenOnExit;
        connect(amount, &NumberField::exited, this, [&] { seenOnExit = amount->valueText(); });
        enter(amount);
        type(u"0098"_s);
        press(Qt::Key_Tab);
        QCOMPARE(seenOnExit, u"98"_s);
    }

    void commaGroupsThousandsOutsideEditing()
    {
        amount->setGroupsThousands(true);
        amount->setAllowsMinus(true);
        amount->setMaxLength(12);
        amount->setText(u"1234567"_s);
        QCOMPARE(amount->text(), u"1,234,567"_s);
        QCOMPARE(amount->valueText(), u"1234567"_s);
        enter(amount);
        QCOMPARE(amount->text(), u"1234567"_s);
        type(u"8"_s);
        press(Qt::Key_Tab);
        QCOMPARE(amount->text(), u"8"_s);

        amount->setText(u"12345678"_s);
        enter(amount);
        press(Qt::Key_Tab);
        QCOMPARE(amount->text(), u"12,345,678"_s);

        const QList<std::pair<QString, QString>> grouped = {{u"123"_s, u"123"_s},
                                                            {u"1234"_s, u"1,234"_s},
                                                            {u"-123"_s, u"-123"_s},
                                                            {u"-123456"_s, u"-123,456"_s},
                                                            {u"1,234567"_s, u"1,234,567"_s}};
        for (const auto &[value, shown] : grouped) {
            amount->setText(value);
            QCOMPARE(amount->text(), shown);
        }

        // Only the whole part is grouped.
        litres->setGroupsThousands(true);
        litres->setMaxLength(12);
        litres->setText(u"1234567.25"_s);
        QCOMPARE(litres->text(), u"1,234,567.25"_s);
    }

    void enterAndTheArrowsMoveThroughTheForm()
    {
        type(u"1"_s);
        press(Qt::Key_Return);
        QCOMPARE(focused(), amount);
        QCOMPARE(litres->valueText(), u"1"_s);
        press(Qt::Key_Down);
        QCOMPARE(focused(), signedField);
        press(Qt::Key_Up);
        press(Qt::Key_Up);
        QCOMPARE(focused(), litres);

        litres->setDownMovesOn(false);
        litres->setUpMovesBack(false);
        press(Qt::Key_Down);
        press(Qt::Key_Up);
        QCOMPARE(focused(), litres);
    }

    void enterWithoutRetNextIsTheFormsToHandle()
    {
        QSignalSpy pressed(amount, &NumberField::pressEnter);
        amount->setEnterMovesOn(false);
        enter(amount);
        type(u"12"_s);
        press(Qt::Key_Enter);
        QCOMPARE(focused(), amount);
        QCOMPARE(amount->text(), u"12"_s);
        QCOMPARE(pressed.count(), 1);
    }

    void theFormCanTakeAKeyBeforeTheField()
    {
        QList<int> offered;
        connect(litres, &NumberField::keyDown, this, [&](fenlo::KeyDown *key) {
            offered << key->event->key();
            key->consumed = key->event->key() == Qt::Key_Left;
        });
        type(u"12"_s);
        press(Qt::Key_Left);
        QCOMPARE(litres->cursorPosition(), 2);
        press(Qt::Key_Home);
        QCOMPARE(litres->cursorPosition(), 0);
        press(Qt::Key_Down); // the field's own navigation comes first
        QCOMPARE(offered, (QList<int>{Qt::Key_1, Qt::Key_2, Qt::Key_Left, Qt::Key_Home}));
    }

    void f2TogglesBetweenAllSelectedAndTheCaret()
    {
        litres->setText(u"12.3"_s);
        litres->selectAll();
        press(Qt::Key_F2);
        QVERIFY(!litres->hasSelectedText());
        QCOMPARE(litres->cursorPosition(), 4);
        press(Qt::Key_F2);
        QCOMPARE(litres->selectedText(), u"12.3"_s);

        // A text field leaves the caret where the selection began.
        comment->setText(u"給油"_s);
        enter(comment);
        press(Qt::Key_F2);
        QVERIFY(!comment->hasSelectedText());
        QCOMPARE(comment->cursorPosition(), 0);
        press(Qt::Key_F2);
        QCOMPARE(comment->selectedText(), u"給油"_s);
    }

    void theFocusedFieldIsLightBlue()
    {
        const QColor lightBlue(206, 231, 255);
        const QColor window = QApplication::palette().color(QPalette::Base);
        QVERIFY(drawnIn(litres, lightBlue));
        QVERIFY(drawnIn(amount, window));
        press(Qt::Key_Tab);
        QVERIFY(drawnIn(litres, window));
        QVERIFY(drawnIn(amount, lightBlue));

        comment->setUnfocusedBackground(Qt::yellow);
        comment->setUnfocusedText(Qt::red);
        QCOMPARE(comment->palette().color(QPalette::Base), QColor(Qt::yellow));
        QCOMPARE(comment->palette().color(QPalette::Text), QColor(Qt::red));
    }

    void theFieldIsNotLeftWhenOnlyTheWindowChanges()
    {
        QSignalSpy exits(litres, &NumberField::exited);
        QSignalSpy entries(litres, &NumberField::entered);
        Form other;
        other.add(new TextField);
        QVERIFY(other.activate());
        QVERIFY(form->activate());
        QCOMPARE(focused(), litres);
        QCOMPARE(exits.count(), 0);
        QCOMPARE(entries.count(), 0);
        QCOMPARE(litres->palette().color(QPalette::Base), QColor(206, 231, 255));
    }

    void numberFieldsKeepTheInputMethodOff()
    {
        QVERIFY(!litres->testAttribute(Qt::WA_InputMethodEnabled));
        QVERIFY(comment->testAttribute(Qt::WA_InputMethodEnabled));
        QCOMPARE(litres->alignment() & Qt::AlignHorizontal_Mask, Qt::AlignRight);
        QCOMPARE(comment->alignment() & Qt::AlignHorizontal_Mask, Qt::AlignLeft);
    }
};

QTEST_MAIN(NumberFieldTest)
#include "numberfield_test.moc"
