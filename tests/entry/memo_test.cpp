#include "controls/datepartfield.h"
#include "controls/qtext.h"
#include "controls/textfield.h"
#include "entry/memodialog.h"
#include "entry/memolistwindow.h"
#include "entryfixture.h"
#include "support/windows.h"

#include <QPushButton>

#include <functional>

using namespace fenlo;
using namespace fenlo::test;
using namespace Qt::StringLiterals;

namespace {

DateTime day(int y, int m, int d)
{
    return *encodeDateTime(y, m, d);
}

MemoDialog *memoDialog(QDialog *dialog)
{
    return qobject_cast<MemoDialog *>(dialog);
}

} // namespace

class MemoTest : public QObject
{
    Q_OBJECT

    ListGrid *grid() { return findWindow<MemoListWindow>()->grid(); }

    // Opens the memo list over these memos (in date order).
    void openWith(EntryFixture &f, std::initializer_list<std::pair<DateTime, const char *>> memos)
    {
        int slot = 1;
        for (const auto &[date, text] : memos)
            f.book().memos[slot++] = {date, text};
        f.run("MImemo");
        QVERIFY(findWindow<MemoListWindow>());
    }

    // Runs one use of the dialog opened by a button of the list.
    bool withDialog(const char *button, const std::function<void(MemoDialog *)> &steps)
    {
        ModalStep step([&](QDialog *dialog) {
            MemoDialog *memo = memoDialog(dialog);
            QVERIFY(memo);
            steps(memo);
        });
        click(findWindow<MemoListWindow>(), button);
        return step.ran();
    }

    static void fill(MemoDialog *memo, const QString &y, const QString &m, const QString &d,
                     const QString &text)
    {
        typeInto(memo->yearField, y);
        typeInto(memo->monthField, m);
        typeInto(memo->dayField, d);
        typeInto(memo->textField, text);
    }

private Q_SLOTS:
    void listShowsEveryMemoUnderItsTitles()
    {
        EntryFixture f;
        openWith(f, {{day(2003, 5, 1), "oil"}, {day(2003, 6, 2), "tyres"}});
        QCOMPARE(findWindow<MemoListWindow>()->windowTitle(), QStringLiteral("メモ登録"));
        QCOMPARE(grid()->rowTexts(0), (QStringList{u"No"_s, u"日付"_s, u"メモ"_s}));
        QCOMPARE(grid()->rowTexts(2), (QStringList{u"2"_s, u"2003/06/02"_s, u"tyres"_s}));
        QCOMPARE(grid()->lastDataRow(), 2);
        QCOMPARE(findWindow<MemoListWindow>()->outerWindow()->minimumSize(), QSize(662, 357));

        // The memo column takes what the window gains in width.
        findWindow<MemoListWindow>()->outerWindow()->resize(900, 400);
        QCOMPARE(grid()->columnWidth(2), 900 - 217);
    }

    void anEarlierMemoTakesRowOneAndTheCursorStays()
    {
        EntryFixture f;
        openWith(f, {{day(2003, 5, 1), "oil"}, {day(2003, 6, 2), "tyres"}});
        grid()->setCurrentDataRow(2);
        QVERIFY(withDialog("SBtnTuika", [](MemoDialog *memo) {
            QCOMPARE(memo->windowTitle(), QStringLiteral("追加"));
            QCOMPARE(memo->yearField->text(), QString());
            fill(memo, u"2003"_s, u"1"_s, u"15"_s, QStringLiteral("車検"));
            memo->registerButton->click();
            QVERIFY(!memo->isVisible());
        }));
        QCOMPARE(column(grid(), 1, 3),
                 (QStringList{u"2003/01/15"_s, u"2003/05/01"_s, u"2003/06/02"_s}));
        QCOMPARE(grid()->cell(1, 2), QStringLiteral("車検"));
        QCOMPARE(f.book().memos[1].date, day(2003, 1, 15));
        QCOMPARE(grid()->currentDataRow(), 2);
        QVERIFY(f.book().modified);
        QVERIFY(f.prompter.shown.isEmpty());
    }

    void shortYearsAreCompletedAndArrowsStepBetweenTheParts()
    {
        EntryFixture f;
        openWith(f, {});
        QVERIFY(withDialog("SBtnTuika", [](MemoDialog *memo) {
            QCOMPARE(QApplication::focusWidget(), memo->yearField);
            QTest::keyClick(memo->yearField, '3');
            QTest::keyClick(memo->yearField, Qt::Key_Right); // caret at the end: to the month
            QCOMPARE(memo->yearField->text(), u"2003"_s);
            QCOMPARE(QApplication::focusWidget(), memo->monthField);
            QTest::keyClick(memo->monthField, Qt::Key_Left); // empty: back to the year
            QCOMPARE(QApplication::focusWidget(), memo->yearField);
            typeInto(memo->yearField, u"99"_s);
            QTest::keyClick(memo->yearField, Qt::Key_Tab);
            QCOMPARE(memo->yearField->text(), u"1999"_s);
        }));

        // A short year is completed as well when registering while its field has the focus.
        QVERIFY(withDialog("SBtnTuika", [](MemoDialog *memo) {
            fill(memo, QString(), u"3"_s, u"4"_s, u"m"_s);
            typeInto(memo->yearField, u"15"_s);
            memo->registerButton->click();
        }));
        QCOMPARE(f.book().memos[1].date, day(2015, 3, 4));
    }

    void checksNameWhatIsMissingOrWrong()
    {
        EntryFixture f;
        openWith(f, {});
        QVERIFY(withDialog("SBtnTuika", [&](MemoDialog *memo) {
            auto attempt = [&](const QString &y, const QString &m, const QString &d,
                               const QString &text) {
                fill(memo, y, m, d, text);
                memo->registerButton->click();
                QVERIFY(memo->isVisible());
            };
            attempt(QString(), u"1"_s, u"1"_s, u"m"_s);
            attempt(u"2003"_s, QString(), u"1"_s, u"m"_s);
            attempt(u"2003"_s, u"1"_s, QString(), u"m"_s);
            attempt(u"2003"_s, u"1"_s, u"1"_s, QString());
            QCOMPARE(QApplication::focusWidget(), memo->textField);
            attempt(u"2003"_s, u"2"_s, u"29"_s, u"m"_s);
            QCOMPARE(QApplication::focusWidget(), memo->yearField);
            f.prompter.expect(Answer::Yes);
            memo->cancelButton->click();
        }));
        QCOMPARE(f.prompter.texts(),
                 (QStringList{u"年が入力されていません"_s, u"月が入力されていません"_s,
                              u"日が入力されていません"_s, u"メモが入力されていません"_s,
                              u"日付の指定が違います"_s, CloseQuestion}));
        QCOMPARE(f.book().memos.usedCount(), 0);
        QVERIFY(!f.book().modified);
    }

    void changeResortsAndKeepsTheRowNumber()
    {
        EntryFixture f;
        openWith(f, {{day(2003, 5, 1), "a"}, {day(2003, 6, 2), "b"}, {day(2003, 7, 3), "c"}});
        grid()->setCurrentDataRow(1);
        QVERIFY(withDialog("SBtnHenkou", [](MemoDialog *memo) {
            QCOMPARE(memo->windowTitle(), QStringLiteral("変更"));
            QCOMPARE(memo->yearField->text(), u"2003"_s);
            QCOMPARE(memo->monthField->text(), u"05"_s);
            QCOMPARE(memo->dayField->text(), u"01"_s);
            QCOMPARE(memo->textField->text(), u"a"_s);
            typeInto(memo->monthField, u"12"_s);
            memo->registerButton->click();
        }));
        QCOMPARE(column(grid(), 2, 3), (QStringList{u"b"_s, u"c"_s, u"a"_s}));
        QCOMPARE(grid()->currentDataRow(), 1);
        QVERIFY(f.book().modified);

        // Untouched, registering stores the same memo and leaves the flag alone.
        f.book().modified = false;
        const auto before = f.book().memos;
        QVERIFY(withDialog("SBtnHenkou", [](MemoDialog *memo) { memo->registerButton->click(); }));
        QVERIFY(f.book().memos == before);
        QVERIFY(!f.book().modified);
    }

    void cancelAsksOnlyAfterTyping()
    {
        EntryFixture f;
        openWith(f, {{day(2003, 5, 1), "a"}});
        QVERIFY(withDialog("SBtnHenkou", [](MemoDialog *memo) {
            memo->cancelButton->click();
            QVERIFY(!memo->isVisible());
        }));
        QVERIFY(f.prompter.shown.isEmpty());

        QVERIFY(withDialog("SBtnHenkou", [&](MemoDialog *memo) {
            typeInto(memo->textField, u"edited"_s);
            f.prompter.expect(Answer::No);
            QTest::keyClick(memo->textField, Qt::Key_Escape);
            QVERIFY(memo->isVisible());
            f.prompter.expect(Answer::Yes);
            memo->cancelButton->click();
            QVERIFY(!memo->isVisible());
        }));
        QCOMPARE(f.prompter.texts(), (QStringList{CloseQuestion, CloseQuestion}));
        QCOMPARE(f.book().memos[1].text, std::string("a"));
    }

    void deletingTheLastRowMovesTheCursorUp()
    {
        EntryFixture f;
        openWith(f, {{day(2003, 5, 1), "a"}, {day(2003, 6, 2), "b"}, {day(2003, 7, 3), "c"}});
        grid()->setCurrentDataRow(3);
        f.prompter.expect(Answer::Yes);
        QTest::keyClick(grid(), Qt::Key_Delete, Qt::ControlModifier);
        QCOMPARE(f.prompter.texts(), QStringList{u"カーソル行のデータを削除しますか？"_s});
        QCOMPARE(grid()->lastDataRow(), 2);
        QCOMPARE(grid()->currentDataRow(), 2);
        QVERIFY(f.book().modified);

        f.book().modified = false;
        grid()->setCurrentDataRow(1);
        f.prompter.expect(Answer::No);
        click(findWindow<MemoListWindow>(), "SBtnDel");
        QCOMPARE(f.book().memos.usedCount(), 2);
        QVERIFY(!f.book().modified);
    }

    void deletingTheOnlyMemoLeavesOneBlankRow()
    {
        EntryFixture f;
        openWith(f, {{day(2003, 5, 1), "only"}});
        f.prompter.expect(Answer::Yes);
        click(findWindow<MemoListWindow>(), "SBtnDel");
        QCOMPARE(grid()->lastDataRow(), 1);
        QCOMPARE(grid()->rowTexts(1), (QStringList{QString(), QString(), QString()}));
        QCOMPARE(f.book().memos[1], Memo{});

        // Nothing is left to change or delete.
        ModalStep noDialog([](QDialog *) { QFAIL("an empty list has nothing to change"); });
        click(findWindow<MemoListWindow>(), "SBtnHenkou");
        click(findWindow<MemoListWindow>(), "SBtnDel");
        QCOMPARE(f.prompter.shown.size(), 1);
    }

    void aFullTableTakesNoMore()
    {
        EntryFixture f;
        for (int slot = 1; slot <= Logbook::MemoSlots; ++slot)
            f.book().memos[slot] = {day(2000, 1, 1) + slot, "m"};
        f.run("MImemo");
        ModalStep noDialog([](QDialog *) { QFAIL("no dialog may open on a full table"); });
        click(findWindow<MemoListWindow>(), "SBtnTuika");
        QCOMPARE(f.prompter.texts(), QStringList{NoMore});
    }

    void dialogOpensTenPixelsFromTheList()
    {
        EntryFixture f;
        openWith(f, {});
        const QPoint expected =
            f.frame->pos() + findWindow<MemoListWindow>()->outerWindow()->pos() + QPoint(10, 10);
        QPoint seen;
        QVERIFY(withDialog("SBtnTuika", [&](MemoDialog *memo) { seen = memo->pos(); }));
        QCOMPARE(seen, expected);
    }
};

QTEST_MAIN(MemoTest)
#include "memo_test.moc"
