#include "controls/qtext.h"
#include "controls/textfield.h"
#include "entry/carnamewindow.h"
#include "entryfixture.h"
#include "support/windows.h"

#include <QLabel>
#include <QPushButton>

using namespace fenlo;
using namespace fenlo::test;

class CarNameTest : public QObject
{
    Q_OBJECT

    static QString carLabel(EntryFixture &f)
    {
        return f.frame->findChild<QLabel *>(QStringLiteral("LblShamei"))->text();
    }

private Q_SLOTS:
    void registeringANewNameShowsItInTheFrameAtOnce()
    {
        EntryFixture f;
        f.book().carName = "old";
        f.run("MIShameiIN");
        QVERIFY(findWindow<CarNameWindow>());
        QCOMPARE(findWindow<CarNameWindow>()->windowTitle(), QStringLiteral("車名登録"));
        QCOMPARE(findWindow<CarNameWindow>()->nameField->text(), QStringLiteral("old"));
        QVERIFY(!findWindow<CarNameWindow>()->edited);

        // Thirty characters fit; the thirty-first is not taken.
        const QString name = QStringLiteral("プリウス") + QString(26, QLatin1Char('x'));
        typeInto(findWindow<CarNameWindow>()->nameField, name + QStringLiteral("y"));
        findWindow<CarNameWindow>()->registerButton->click();
        QCOMPARE(toQ(f.book().carName), name);
        QCOMPARE(carLabel(f), name);
        QVERIFY(f.book().modified);
        QTRY_COMPARE(f.childCount(), 0);
        QVERIFY(f.prompter.shown.isEmpty());
    }

    void registeringAnUnchangedNameLeavesTheFlagAlone()
    {
        EntryFixture f;
        f.book().carName = "same";
        f.run("MIShameiIN");
        findWindow<CarNameWindow>()->registerButton->click();
        QVERIFY(!f.book().modified);
        QTRY_COMPARE(f.childCount(), 0);

        // An empty name is a name too.
        f.run("MIShameiIN");
        typeInto(findWindow<CarNameWindow>()->nameField, QString());
        findWindow<CarNameWindow>()->registerButton->click();
        QCOMPARE(f.book().carName, std::string());
        QCOMPARE(carLabel(f), QString());
        QVERIFY(f.book().modified);
    }

    void closingAfterTypingAsksFirst()
    {
        EntryFixture f;
        f.book().carName = "kept";
        f.frame->showCarName();
        f.run("MIShameiIN");
        typeInto(findWindow<CarNameWindow>()->nameField, QStringLiteral("typed"));

        f.prompter.expect(Answer::No);
        findWindow<CarNameWindow>()->cancelButton->click();
        QCOMPARE(f.prompter.texts(), QStringList{CloseQuestion});
        QVERIFY(findWindow<CarNameWindow>());
        QCOMPARE(f.childCount(), 1);

        // The window has no Escape of its own.
        QTest::keyClick(findWindow<CarNameWindow>()->nameField, Qt::Key_Escape);
        QCOMPARE(f.prompter.shown.size(), 1);

        f.prompter.expect(Answer::Yes);
        f.frame->mdiArea()->subWindowList().first()->close();
        QTRY_COMPARE(f.childCount(), 0);
        QCOMPARE(f.book().carName, std::string("kept"));
        QCOMPARE(carLabel(f), QStringLiteral("kept"));
        QVERIFY(!f.book().modified);
        QVERIFY(f.prompter.unexpected.isEmpty());
    }

    void theCarNameLabelOpensTheOneWindow()
    {
        EntryFixture f;
        QWidget *label = f.frame->findChild<QLabel *>(QStringLiteral("LblShamei"));
        QTest::mouseDClick(label, Qt::LeftButton);
        QVERIFY(findWindow<CarNameWindow>());
        QPointer<CarNameWindow> first = findWindow<CarNameWindow>();
        f.run("MIShameiIN");
        QCOMPARE(f.childCount(), 1);
        QCOMPARE(findWindow<CarNameWindow>(), first);
    }
};

QTEST_MAIN(CarNameTest)
#include "carname_test.moc"
