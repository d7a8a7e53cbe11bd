#include "app/application.h"
#include "app/desktopconventions.h"

#include <QCheckBox>
#include <QDialog>
#include <QFileDialog>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <QVBoxLayout>

using namespace fenlo;

class DesktopConventionsTest : public QObject
{
    Q_OBJECT

    DesktopConventions conventions;

    static bool activate(QWidget *window)
    {
        window->show();
        QApplication::setActiveWindow(window);
        return QTest::qWaitForWindowActive(window);
    }

private Q_SLOTS:
    void init() { qApp->installEventFilter(&conventions); }
    void cleanup() { qApp->removeEventFilter(&conventions); }

    // Outside a dialog Qt lets Enter pass a focused button by; the user expects a press.
    void enterPressesTheFocusedButtonOnly()
    {
        QWidget window;
        auto *layout = new QVBoxLayout(&window);
        auto *first = new QPushButton(QStringLiteral("登録(&T)"));
        auto *second = new QPushButton(QStringLiteral("ｷｬﾝｾﾙ(&C)"));
        first->setAutoDefault(false);
        layout->addWidget(first);
        layout->addWidget(second);
        QVERIFY(activate(&window));
        QSignalSpy firstPressed(first, &QPushButton::clicked);
        QSignalSpy secondPressed(second, &QPushButton::clicked);

        first->setFocus(Qt::TabFocusReason);
        QTest::keyClick(first, Qt::Key_Return);
        QTest::keyClick(first, Qt::Key_Enter, Qt::KeypadModifier);
        QCOMPARE(firstPressed.count(), 2);
        QTest::keyClick(first, Qt::Key_Return, Qt::ShiftModifier);
        QCOMPARE(firstPressed.count(), 2);
        QCOMPARE(secondPressed.count(), 0);

        first->setEnabled(false);
        QTest::keyClick(&window, Qt::Key_Return);
        QCOMPARE(firstPressed.count(), 2);
    }

    // Qt shows a button pressed for 100 ms before its access key acts; here the key acts at
    // once, before the event loop has run at all, and only once.
    void anAccessKeyPressesItsButtonAtOnce()
    {
        QWidget window;
        auto *layout = new QVBoxLayout(&window);
        auto *graph = new QPushButton(QStringLiteral("グラフ(&G)"));
        auto *turning = new QCheckBox(QStringLiteral("回る(&R)"));
        auto *disabled = new QPushButton(QStringLiteral("削除(&D)"));
        disabled->setEnabled(false);
        for (QWidget *w : {static_cast<QWidget *>(graph), static_cast<QWidget *>(turning),
                           static_cast<QWidget *>(disabled)})
            layout->addWidget(w);
        QVERIFY(activate(&window));
        QSignalSpy graphClicked(graph, &QPushButton::clicked);
        QSignalSpy disabledClicked(disabled, &QPushButton::clicked);

        QTest::keyClick(&window, Qt::Key_G, Qt::AltModifier);
        QCOMPARE(graphClicked.count(), 1);
        QTest::keyClick(&window, Qt::Key_R, Qt::AltModifier);
        QVERIFY(turning->isChecked());
        QCOMPARE(QApplication::focusWidget(), turning); // a check box takes the focus, as in Qt
        QTest::keyClick(&window, Qt::Key_D, Qt::AltModifier);

        QTest::qWait(150); // longer than Qt's pause, so a late second click would show
        QCOMPARE(graphClicked.count(), 1);
        QVERIFY(turning->isChecked());
        QCOMPARE(disabledClicked.count(), 0);
    }

    // Two buttons with one access key: the key moves the focus from one to the other and
    // presses neither, so the user chooses with Enter.
    void aSharedAccessKeyOnlyMovesTheFocus()
    {
        QWidget window;
        auto *layout = new QVBoxLayout(&window);
        auto *refresh = new QPushButton(QStringLiteral("更新(&K)"));
        auto *graph = new QPushButton(QStringLiteral("ｸﾞﾗﾌ(件数)(&K)"));
        layout->addWidget(refresh);
        layout->addWidget(graph);
        QVERIFY(activate(&window));
        QSignalSpy refreshClicked(refresh, &QPushButton::clicked);
        QSignalSpy graphClicked(graph, &QPushButton::clicked);

        QTest::keyClick(&window, Qt::Key_K, Qt::AltModifier);
        QWidget *first = QApplication::focusWidget();
        QVERIFY(first == refresh || first == graph);
        QTest::keyClick(&window, Qt::Key_K, Qt::AltModifier);
        QWidget *second = QApplication::focusWidget();
        QVERIFY(second == refresh || second == graph);
        QVERIFY(second != first);

        QTest::qWait(150);
        QCOMPARE(refreshClicked.count(), 0);
        QCOMPARE(graphClicked.count(), 0);
    }

    // A question asked from a dialog that then closes: the keyboard goes back past the closed
    // dialog to the window that opened it.
    void closingAModalHandsTheActivationBackToItsOpener()
    {
        QWidget opener;
        QVERIFY(activate(&opener));
        auto *dialog = new QDialog(&opener);
        QTimer::singleShot(0, dialog, [dialog] {
            QDialog question(dialog);
            QTimer::singleShot(0, &question, [&question] {
                QApplication::setActiveWindow(&question);
                question.accept();
            });
            question.exec();
            QApplication::setActiveWindow(nullptr); // as the window manager leaves it
            dialog->accept();
        });
        dialog->exec();
        delete dialog;
        QTRY_COMPARE(QApplication::activeWindow(), &opener);
    }

    void onlyAWindowWithAMinimiseButtonStaysMinimised()
    {
        QWidget opener;
        QVERIFY(activate(&opener));
        QDialog dialog(&opener);
        dialog.show();
        dialog.setWindowState(Qt::WindowMinimized);
        QTRY_VERIFY(!dialog.isMinimized());
        QVERIFY(dialog.isVisible());

        opener.setWindowState(Qt::WindowMinimized);
        QTest::qWait(20);
        QVERIFY(opener.isMinimized());
    }

    void qtsOwnTextsAreJapanese()
    {
        QVERIFY(useJapaneseForQt(*qApp));
        QCOMPARE(QFileDialog::tr("Save As"), QStringLiteral("名前を付けて保存"));
        QCOMPARE(QLocale().language(), QLocale::Japanese);
    }
};

QTEST_MAIN(DesktopConventionsTest)
#include "desktopconventions_test.moc"
