#include "controls/numberfield.h"
#include "controls/qtext.h"
#include "controls/textfield.h"
#include "entry/makerdialog.h"
#include "entry/makerlistwindow.h"
#include "entryfixture.h"
#include "support/windows.h"

#include <QLabel>
#include <QPushButton>

using namespace fenlo;
using namespace fenlo::test;
using namespace Qt::StringLiterals;

namespace {

const QString Duplicate = QStringLiteral("既に同じコードが使用されています");
const QString CodeRange = QStringLiteral("コードは１～９９を指定してください");
const QString NoCode = QStringLiteral("コードが入力されていません");
const QString NoName = QStringLiteral("名称が入力されていません");
const QString InUse = QStringLiteral("この燃料メーカーは使われています。削除できません。");

MakerDialog *makerDialog(QDialog *dialog)
{
    auto *maker = qobject_cast<MakerDialog *>(dialog);
    return maker;
}

} // namespace

class MakerTest : public QObject
{
    Q_OBJECT

    ListGrid *grid() { return findWindow<MakerListWindow>()->grid(); }

    // Opens the dialog with a button of the list, types the code and name and registers.
    void enter(const char *button, const QString &code, const QString &name)
    {
        ModalStep step([&](QDialog *dialog) {
            MakerDialog *maker = makerDialog(dialog);
            QVERIFY(maker);
            if (maker->codeField->isEnabled())
                typeInto(maker->codeField, code);
            typeInto(maker->nameField, name);
            maker->registerButton->click();
            QVERIFY2(!maker->isVisible(), "the dialog refused the values");
        });
        click(findWindow<MakerListWindow>(), button);
        QVERIFY(step.ran());
    }

    void seed(Logbook &book, std::initializer_list<int> codes)
    {
        int slot = 1;
        for (int makerCode : codes)
            book.makers[slot++] = {makerCode, "maker" + std::to_string(makerCode)};
    }

private Q_SLOTS:
    void listShowsAllTwentySlotsUnderItsTitles()
    {
        EntryFixture f;
        seed(f.book(), {3, 12});
        f.run("MIgasIN");
        QVERIFY(findWindow<MakerListWindow>());
        QCOMPARE(findWindow<MakerListWindow>()->windowTitle(), QStringLiteral("燃料メーカー登録"));
        QCOMPARE(grid()->rowTexts(0),
                 (QStringList{QString(), QStringLiteral("ｺｰﾄﾞ"), QStringLiteral("　　　名　　称")}));
        QCOMPARE(grid()->lastDataRow(), 20);
        QCOMPARE(grid()->rowTexts(2), (QStringList{QString(), u"12"_s, u"maker12"_s}));
        QCOMPARE(grid()->rowTexts(3), (QStringList{QString(), QString(), QString()}));
        QCOMPARE(grid()->columnAlignment(1), Qt::AlignRight);
        QCOMPARE(grid()->rowColor(2), ListGrid::LightBlue);

        // The command brings the open list forward rather than opening a second one.
        f.run("MIgasIN");
        QCOMPARE(f.childCount(), 1);
    }

    void addedMakersTakeTheirPlaceInCodeOrder()
    {
        EntryFixture f;
        f.run("MIgasIN");
        enter("SBtnTuika", u"30"_s, QStringLiteral("昭和石油"));
        enter("SBtnTuika", u"10"_s, QStringLiteral("出光"));
        QCOMPARE(column(grid(), 1, 3), (QStringList{u"10"_s, u"30"_s, QString()}));
        QCOMPARE(grid()->cell(2, 2), QStringLiteral("昭和石油"));
        QCOMPARE(grid()->currentDataRow(), 2);
        QVERIFY(f.book().modified);

        // Leading zeros are not part of the code; Insert in the grid adds as well.
        grid()->setFocus();
        ModalStep step([&](QDialog *dialog) {
            MakerDialog *maker = makerDialog(dialog);
            typeInto(maker->codeField, u"05"_s);
            typeInto(maker->nameField, u"five"_s);
            maker->registerButton->click();
        });
        QTest::keyClick(grid(), Qt::Key_Insert);
        QVERIFY(step.ran());
        QCOMPARE(f.book().makers[1], (Maker{5, "five"}));
        QCOMPARE(f.book().makers.usedCount(), 3);
    }

    void refusalsNameTheirReasonAndStoreNothing()
    {
        EntryFixture f;
        seed(f.book(), {7});
        f.run("MIgasIN");
        const Logbook before = f.book();
        ModalStep step([&](QDialog *dialog) {
            MakerDialog *maker = makerDialog(dialog);
            QVERIFY(maker->codeField->isEnabled());
            auto attempt = [&](const QString &code, const QString &name) {
                typeInto(maker->codeField, code);
                typeInto(maker->nameField, name);
                maker->registerButton->click();
                QVERIFY(maker->isVisible());
            };
            attempt(QString(), u"name"_s);
            attempt(u"0"_s, u"name"_s);
            attempt(u"00"_s, u"name"_s);
            attempt(u"7"_s, u"name"_s);
            attempt(u"8"_s, QString());
            f.prompter.expect(Answer::Yes);
            maker->cancelButton->click();
        });
        click(findWindow<MakerListWindow>(), "SBtnTuika");
        QVERIFY(step.ran());
        QCOMPARE(f.prompter.texts(),
                 (QStringList{NoCode, CodeRange, CodeRange, Duplicate, NoName, CloseQuestion}));
        QVERIFY(f.book().sameData(before));
        QVERIFY(!f.book().modified);
    }

    void aFullTableTakesNoMore()
    {
        EntryFixture f;
        for (int slot = 1; slot <= 20; ++slot)
            f.book().makers[slot] = {slot, "m"};
        f.run("MIgasIN");
        ModalStep noDialog([](QDialog *) { QFAIL("no dialog may open on a full table"); });
        click(findWindow<MakerListWindow>(), "SBtnTuika");
        QCOMPARE(f.prompter.texts(), QStringList{NoMore});
    }

    void changeKeepsTheCodeAndEditsTheName()
    {
        EntryFixture f;
        seed(f.book(), {7, 9});
        f.run("MIgasIN");
        grid()->setCurrentDataRow(1);
        ModalStep step([&](QDialog *dialog) {
            MakerDialog *maker = makerDialog(dialog);
            QCOMPARE(maker->windowTitle(), QStringLiteral("変更"));
            QVERIFY(!maker->codeField->isEnabled());
            QVERIFY(!maker->codeLabel->isEnabled());
            QCOMPARE(maker->codeField->valueText(), QStringLiteral("7"));
            QCOMPARE(maker->nameField->text(), QStringLiteral("maker7"));
            typeInto(maker->nameField, QStringLiteral("エネオス"));
            maker->registerButton->click();
        });
        QTest::keyClick(grid(), Qt::Key_Return);
        QVERIFY(step.ran());
        QCOMPARE(f.book().makers[1].code, 7);
        QCOMPARE(toQ(f.book().makers[1].name), QStringLiteral("エネオス"));
        QCOMPARE(grid()->currentDataRow(), 1);
        QVERIFY(f.book().modified);
        QVERIFY(f.prompter.shown.isEmpty());

        // Registering untouched values changes nothing and leaves the flag alone.
        f.book().modified = false;
        grid()->setCurrentDataRow(2);
        ModalStep untouched([](QDialog *dialog) {
            makerDialog(dialog)->registerButton->click();
            QVERIFY(!dialog->isVisible());
        });
        click(findWindow<MakerListWindow>(), "SBtnHenkou");
        QVERIFY(untouched.ran());
        QCOMPARE(f.book().makers[2], (Maker{9, "maker9"}));
        QVERIFY(!f.book().modified);
    }

    void changeOnAFreeRowOpensNothing()
    {
        EntryFixture f;
        seed(f.book(), {7});
        f.run("MIgasIN");
        grid()->setCurrentDataRow(4);
        ModalStep noDialog([](QDialog *) { QFAIL("a free row has nothing to change"); });
        click(findWindow<MakerListWindow>(), "SBtnHenkou");
        QVERIFY(!noDialog.ran());
    }

    void escapeAsksBeforeDroppingAnEditedName()
    {
        EntryFixture f;
        seed(f.book(), {7});
        f.run("MIgasIN");
        ModalStep step([&](QDialog *dialog) {
            MakerDialog *maker = makerDialog(dialog);
            typeInto(maker->nameField, u"new"_s);
            f.prompter.expect(Answer::No);
            QTest::keyClick(maker->nameField, Qt::Key_Escape);
            QVERIFY(maker->isVisible());
            f.prompter.expect(Answer::Yes);
            QTest::keyClick(maker->nameField, Qt::Key_Escape);
            QVERIFY(!maker->isVisible());
        });
        click(findWindow<MakerListWindow>(), "SBtnHenkou");
        QCOMPARE(f.prompter.texts(), (QStringList{CloseQuestion, CloseQuestion}));
        QCOMPARE(f.book().makers[1].name, std::string("maker7"));
        QVERIFY(!f.book().modified);

        // Untouched, Escape closes at once.
        ModalStep untouched([](QDialog *dialog) {
            QTest::keyClick(makerDialog(dialog)->nameField, Qt::Key_Escape);
            QVERIFY(!dialog->isVisible());
        });
        click(findWindow<MakerListWindow>(), "SBtnHenkou");
        QCOMPARE(f.prompter.shown.size(), 2);
    }

    void deleteAsksAndKeepsAMakerInUse()
    {
        EntryFixture f;
        seed(f.book(), {10, 20, 30});
        f.book().fuelings[1].moment = 40000;
        f.book().fuelings[1].makerCode = 20;
        f.run("MIgasIN");

        grid()->setCurrentDataRow(2);
        f.prompter.expect(Answer::Yes);
        click(findWindow<MakerListWindow>(), "SBtnDel");
        QCOMPARE(f.prompter.texts(),
                 (QStringList{QStringLiteral("20:「maker20」を削除しますか？"), InUse}));
        QCOMPARE(column(grid(), 1, 3), (QStringList{u"10"_s, u"20"_s, u"30"_s}));
        QVERIFY(!f.book().modified);

        grid()->setCurrentDataRow(1);
        f.prompter.expect(Answer::No);
        click(findWindow<MakerListWindow>(), "SBtnDel");
        QCOMPARE(f.book().makers.usedCount(), 3);
        QVERIFY(!f.book().modified);
    }

    void deletingTheFirstMakerMovesTheOthersUp()
    {
        EntryFixture f;
        seed(f.book(), {10, 20, 30});
        f.run("MIgasIN");
        grid()->setCurrentDataRow(1);
        f.prompter.expect(Answer::Yes);
        QTest::keyClick(grid(), Qt::Key_Delete, Qt::ControlModifier);
        QCOMPARE(f.prompter.texts(), QStringList{QStringLiteral("10:「maker10」を削除しますか？")});
        QCOMPARE(column(grid(), 1, 3), (QStringList{u"20"_s, u"30"_s, QString()}));
        QCOMPARE(f.book().makers[3], Maker{});
        QCOMPARE(grid()->currentDataRow(), 1);
        QVERIFY(f.book().modified);
        QVERIFY(f.prompter.unexpected.isEmpty());
    }

    void deleteOnAFreeRowAsksNothing()
    {
        EntryFixture f;
        seed(f.book(), {10});
        f.run("MIgasIN");
        grid()->setCurrentDataRow(5);
        click(findWindow<MakerListWindow>(), "SBtnDel");
        QTest::keyClick(grid(), Qt::Key_Delete); // Delete alone is not the delete key
        grid()->setCurrentDataRow(1);
        QTest::keyClick(grid(), Qt::Key_Delete);
        QVERIFY(f.prompter.shown.isEmpty());
        QCOMPARE(f.book().makers.usedCount(), 1);
        QVERIFY(!f.book().modified);
    }

    void dialogOpensBesideTheList()
    {
        EntryFixture f;
        f.run("MIgasIN");
        QPoint expected =
            f.frame->pos() + findWindow<MakerListWindow>()->outerWindow()->pos() + QPoint(120, 120);
        QPoint seen;
        ModalStep step([&](QDialog *dialog) { seen = dialog->pos(); });
        click(findWindow<MakerListWindow>(), "SBtnTuika");
        QCOMPARE(seen, expected);
    }
};

QTEST_MAIN(MakerTest)
#include "maker_test.moc"
