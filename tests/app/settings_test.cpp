#include "app/mainwindow.h"
#include "app/settings.h"
#include "support/scripted.h"
#include "support/tempdir.h"
#include "ui/screenfit.h"

#include <QFile>
#include <QTest>

using namespace fenlo;
using fenlo::test::readBytes;
using fenlo::test::ScriptedPrompter;
using fenlo::test::TempDir;
using fenlo::test::writeBytes;

namespace {

const Placement Defaults{780, 540, 0, 0};

Placement readFrom(const std::string &text)
{
    TempDir dir;
    writeBytes(dir.file("fenlo.ini"), text);
    return readPlacement(QString::fromStdString(dir.file("fenlo.ini")));
}

} // namespace

class SettingsTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void aPlacementSurvivesWritingAndReadingAsPlainIni()
    {
        TempDir dir;
        const QString path = QString::fromStdString(dir.file("sub/fenlo.ini"));
        writePlacement(path, {900, 610, 35, -12});
        QCOMPARE(readPlacement(path), (Placement{900, 610, 35, -12}));

        const std::string text = readBytes(dir.file("sub/fenlo.ini"));
        QVERIFY(text.find("[fenlo]") != std::string::npos);
        for (const char *line : {"width=900", "height=610", "top=35", "left=-12"})
            QVERIFY2(text.find(line) != std::string::npos, line);
    }

    void writingKeepsWhatElseTheFileHolds()
    {
        TempDir dir;
        const std::string path = dir.file("fenlo.ini");
        writeBytes(path, "[other]\nkey=kept\n\n[fenlo]\nwidth=1\n");
        writePlacement(QString::fromStdString(path), {800, 600, 10, 20});
        const std::string text = readBytes(path);
        QVERIFY(text.find("[other]") != std::string::npos);
        QVERIFY(text.find("key=kept") != std::string::npos);
        QCOMPARE(readPlacement(QString::fromStdString(path)), (Placement{800, 600, 10, 20}));
    }

    void everythingMissingOrUnreadableGivesItsDefault()
    {
        TempDir dir;
        QCOMPARE(readPlacement(QString::fromStdString(dir.file("none.ini"))), Defaults);
        QCOMPARE(readFrom(""), Defaults);
        QCOMPARE(readFrom("[elsewhere]\nwidth=1000\n"), Defaults);
        // Each key falls back on its own; the others are still read.
        QCOMPARE(readFrom("[fenlo]\nheight=300\nleft=50\n"), (Placement{780, 300, 0, 50}));
        QCOMPARE(readFrom("[fenlo]\nwidth=wide\nheight=12.5\ntop=\nleft=7px\n"), Defaults);
        QCOMPARE(readFrom("[fenlo]\nwidth=99999999999\ntop= 40 \n"), (Placement{780, 540, 40, 0}));
    }

    void aWindowStillOnAScreenStaysWhereItWas()
    {
        const QList<QRect> screens{{0, 0, 1920, 1080}, {1920, 0, 1280, 1024}};
        const QRect onSecond(2000, 100, 780, 540);
        QCOMPARE(keepOnScreen(onSecond, screens), onSecond);
        // Hanging mostly off the edge is the user's choice while a corner can still be grabbed.
        const QRect overTheEdge(1880, 1040, 780, 540);
        QCOMPARE(keepOnScreen(overTheEdge, {screens[0]}), overTheEdge);
        QCOMPARE(keepOnScreen(onSecond, {}), onSecond);
    }

    void aWindowOffEveryScreenComesBackOntoTheNearest()
    {
        const QList<QRect> screens{{0, 0, 1920, 1080}, {1920, 0, 1280, 1024}};
        // The right monitor was removed: the window goes to the right edge of the left one.
        QCOMPARE(keepOnScreen({2000, 100, 780, 540}, {screens[0]}), QRect(1140, 100, 780, 540));
        // Far below and left of everything.
        QCOMPARE(keepOnScreen({-5000, 3000, 780, 540}, screens), QRect(0, 540, 780, 540));
        // Only a sliver of 10 pixels would show: not enough to take hold of.
        QCOMPARE(keepOnScreen({1910, 200, 780, 540}, {screens[0]}), QRect(1140, 200, 780, 540));
        // Larger than the screen it lands on: shrunk to fit.
        QCOMPARE(keepOnScreen({5000, 0, 3000, 2000}, {screens[0]}), QRect(0, 0, 1920, 1080));
        // Nearest is measured from the window's centre.
        QCOMPARE(keepOnScreen({3300, 50, 200, 200}, screens), QRect(3000, 50, 200, 200));
    }

    void aWindowIsMovedAndShrunkOntoTheAreaOnlyWhenItMustBe()
    {
        const QRect area(0, 0, 1280, 900);
        QCOMPARE(fitInto({100, 100, 400, 300}, area), QRect(100, 100, 400, 300));
        QCOMPARE(fitInto({1000, 700, 400, 300}, area), QRect(880, 600, 400, 300));
        QCOMPARE(fitInto({-50, -20, 400, 300}, area), QRect(0, 0, 400, 300));
        QCOMPARE(fitInto({500, 400, 720, 1000}, area), QRect(500, 0, 720, 900));
        QCOMPARE(fitInto({10, 10, 1400, 1000}, {1280, 0, 1024, 768}), QRect(1280, 0, 1024, 768));
    }

    // Size and position are the outer frame's, the window system's border included.
    void theFrameRestoresItsPlacementAndSavesItWhenClosed()
    {
        TempDir dir;
        qputenv("XDG_CONFIG_HOME", QByteArray::fromStdString(dir.path()));
        ScriptedPrompter prompter;
        {
            MainWindow first;
            first.show();
            QCOMPARE(first.frameGeometry(), QRect(0, 0, 780, 540)); // no fenlo.ini yet
            first.resize(900, 600);
            first.move(30, 20);
            const QRect outer = first.frameGeometry();
            QCOMPARE(outer.topLeft(), QPoint(30, 20));
            QVERIFY(outer.width() >= 900 && outer.height() >= 600);
            QVERIFY(first.close());
            QCOMPARE(readPlacement(QString::fromStdString(dir.file("fenlo.ini"))),
                     (Placement{outer.width(), outer.height(), 20, 30}));
        }

        writeBytes(dir.file("fenlo.ini"), "[fenlo]\nwidth=700\nheight=500\ntop=-4000\nleft=9000\n");
        MainWindow second;
        second.show();
        QCOMPARE(second.frameGeometry().size(), QSize(700, 500));
        const QRect screen = second.screen()->availableGeometry();
        QVERIFY2(screen.contains(second.frameGeometry()), "moved back on screen");
        QVERIFY(prompter.shown.isEmpty());
        qunsetenv("XDG_CONFIG_HOME");
    }

    void aBrokenFileOnTheCommandLineKeepsTheSavedPlacement()
    {
        TempDir dir;
        qputenv("XDG_CONFIG_HOME", QByteArray::fromStdString(dir.path()));
        writeBytes(dir.file("fenlo.ini"), "[fenlo]\nwidth=700\nheight=500\ntop=40\nleft=50\n");
        writeBytes(dir.file("broken.fnl"), "fenlov3\r\n");
        ScriptedPrompter prompter;
        prompter.expect(Prompter::Answer::Ok);
        {
            MainWindow frame({QString::fromStdString(dir.file("broken.fnl"))});
            frame.show();
            QCOMPARE(prompter.shown.size(), 1);
            QCOMPARE(prompter.shown[0].kind, Prompter::Kind::Error);
            QCOMPARE(frame.frameGeometry(), QRect(50, 40, 700, 500));
            QVERIFY(frame.close());
        }
        QCOMPARE(readPlacement(QString::fromStdString(dir.file("fenlo.ini"))),
                 (Placement{700, 500, 40, 50}));
        qunsetenv("XDG_CONFIG_HOME");
    }
};

QTEST_MAIN(SettingsTest)
#include "settings_test.moc"
