#include "ui/prompter.h"

#include <QApplication>
#include <QMainWindow>
#include <QMessageBox>
#include <QPointer>
#include <QTest>
#include <QTimer>

using fenlo::MessageBoxPrompter;
using fenlo::Prompter;

class PrompterTest : public QObject
{
    Q_OBJECT

    // Shows a box and returns the window it was opened over, closing it at once.
    static QWidget *ownerOfNextBox()
    {
        QPointer<QWidget> owner;
        QTimer::singleShot(0, [&owner] {
            auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
            if (!box)
                return;
            owner = box->parentWidget();
            box->accept();
        });
        MessageBoxPrompter().ask(
            {Prompter::Kind::Plain, QStringLiteral("x"), Prompter::Buttons::Ok});
        return owner;
    }

private Q_SLOTS:
    // Right after a dialog has closed no window is active yet; the box must still open over the
    // program's frame rather than as a window of its own.
    void aBoxWithoutAnActiveWindowOpensOverTheFrame()
    {
        QMainWindow frame;
        frame.show();
        QVERIFY(QTest::qWaitForWindowExposed(&frame));
        QApplication::setActiveWindow(nullptr); // what the desktop does while it hands over
        QVERIFY(!QApplication::activeWindow());
        QCOMPARE(ownerOfNextBox(), &frame);
    }

    void aBoxOpensOverTheActiveWindow()
    {
        QMainWindow frame;
        frame.show();
        QWidget dialog(&frame, Qt::Dialog);
        dialog.show();
        dialog.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&dialog));
        QCOMPARE(ownerOfNextBox(), &dialog);
    }
};

QTEST_MAIN(PrompterTest)
#include "prompter_test.moc"
