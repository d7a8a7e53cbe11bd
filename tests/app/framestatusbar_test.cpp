#include "app/framestatusbar.h"

#include <QProgressBar>
#include <QTest>

using fenlo::FrameStatusBar;

class FrameStatusBarTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void positionIsClampedAndShownWithProcessingText()
    {
        FrameStatusBar bar;
        bar.setPosition(150);
        QCOMPARE(bar.position(), 100);
        QCOMPARE(bar.gauge()->value(), 100);
        QCOMPARE(bar.panelText(2), QStringLiteral("100%"));
        QCOMPARE(bar.panelText(0), QStringLiteral("処理中"));
        bar.setPosition(30);
        QCOMPARE(bar.panelText(2), QStringLiteral("30%"));
        bar.setPosition(-5);
        QCOMPARE(bar.position(), 0);
        QCOMPARE(bar.panelText(2), QStringLiteral(" "));
        QCOMPARE(bar.panelText(0), QStringLiteral(" "));
    }

    void withoutShowingMessagesTheMessagePanelKeepsItsText()
    {
        FrameStatusBar bar;
        bar.setShowsMessages(false);
        bar.setText(QStringLiteral("準備完了"));
        bar.setPosition(40);
        QCOMPARE(bar.panelText(0), QStringLiteral("準備完了"));
        QCOMPARE(bar.panelText(2), QStringLiteral("40%"));
        QCOMPARE(bar.text(), QStringLiteral("準備完了"));
    }
};

QTEST_MAIN(FrameStatusBarTest)
#include "framestatusbar_test.moc"
