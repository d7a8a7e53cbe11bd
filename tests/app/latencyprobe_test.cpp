#include "app/latencyprobe.h"

#include <QApplication>
#include <QLineEdit>
#include <QTest>
#include <QVBoxLayout>

#include <cstdio>
#include <memory>

using namespace fenlo;

namespace {

struct FileCloser
{
    void operator()(std::FILE *f) const { std::fclose(f); }
};
using File = std::unique_ptr<std::FILE, FileCloser>;

QStringList linesOf(std::FILE *f)
{
    std::fflush(f);
    std::rewind(f);
    QStringList lines;
    char line[256];
    while (std::fgets(line, sizeof line, f))
        lines << QString::fromUtf8(line).trimmed();
    return lines;
}

// The words of the line, without the time at its end, and the time.
std::pair<QString, double> split(const QString &line)
{
    const qsizetype space = line.lastIndexOf(QLatin1Char(' '));
    return {line.left(space), line.mid(space + 1).toDouble()};
}

} // namespace

class LatencyProbeTest : public QObject
{
    Q_OBJECT

    // A window named "Watched" with a field in it, shown and typed into.
    static void typeIntoAWindow()
    {
        QWidget window;
        window.setObjectName(QStringLiteral("Watched"));
        auto *field = new QLineEdit(&window);
        field->setObjectName(QStringLiteral("Field"));
        (new QVBoxLayout(&window))->addWidget(field);
        window.show();
        QApplication::setActiveWindow(&window);
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        field->setFocus();
        QTest::keyClick(field, Qt::Key_A);
        QTest::qWait(50);
    }

private Q_SLOTS:
    void isOffUnlessTheEnvironmentAsks()
    {
        qunsetenv("FENLO_LATENCY_PROBE");
        File out(std::tmpfile());
        QCOMPARE(LatencyProbe::installIfAsked(out.get()), nullptr);
        typeIntoAWindow();
        QVERIFY(linesOf(out.get()).isEmpty());
    }

    void reportsTheKeyTheFocusAndTheFramesOfTheWatchedWindowsOnly()
    {
        qputenv("FENLO_LATENCY_PROBE", "Watched,Elsewhere");
        File out(std::tmpfile());
        const int flashTime = QApplication::cursorFlashTime();
        std::unique_ptr<LatencyProbe> probe(LatencyProbe::installIfAsked(out.get()));
        QVERIFY(probe);
        QCOMPARE(QApplication::cursorFlashTime(), 0); // no caret blinking into the figures
        typeIntoAWindow();
        probe.reset();
        QApplication::setCursorFlashTime(flashTime);
        qunsetenv("FENLO_LATENCY_PROBE");

        double keyAt = -1;
        double lastAt = 0;
        QStringList seen;
        for (const QString &line : linesOf(out.get())) {
            const auto [what, at] = split(line);
            QVERIFY2(at >= lastAt, qPrintable(line));
            lastAt = at;
            if (what == QStringLiteral("key")) {
                QCOMPARE(keyAt, -1.0); // one line for one press, though Qt sends it twice
                keyAt = at;
            }
            seen << what;
        }
        QVERIFY2(seen.contains(QStringLiteral("focus Field")), qPrintable(seen.join(u'|')));
        QVERIFY(keyAt >= 0);
        QCOMPARE(seen.count(QStringLiteral("done")), 1);
        QVERIFY(seen.indexOf(QStringLiteral("done")) > seen.indexOf(QStringLiteral("key")));
        QVERIFY(seen.contains(QStringLiteral("painted Watched")));
        QVERIFY(!seen.contains(QStringLiteral("painted Elsewhere")));
        QVERIFY(!seen.contains(QStringLiteral("painted Field")));
        // The field shows the typed letter, so a frame of the window follows the key.
        QCOMPARE(seen.last(), QStringLiteral("painted Watched"));
    }
};

QTEST_MAIN(LatencyProbeTest)
#include "latencyprobe_test.moc"
