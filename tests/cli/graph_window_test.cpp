// fenlo-cli graph against the graph windows: for every kind and set of choices, the PNG the
// command writes is, pixel for pixel, the chart of the window the user opens for the same choices,
// drawn at the same size.

// The choices are many short literals; they read better without a wrapper each.
#undef QT_NO_CAST_FROM_ASCII
#include "chart/chartrenderer.h"
#include "chart/chartview.h"
#include "entry/entryfixture.h"
#include "reportwindows/displaywindow.h"
#include "reportwindows/graphwindow.h"
#include "support/tempdir.h"

#include <QComboBox>
#include <QLineEdit>
#include <QProcess>
#include <QRadioButton>
#include <QScrollBar>

using namespace fenlo;
using namespace fenlo::test;

namespace {

// What the user chooses in a report window before pressing its graph button, and then in the
// graph window; -1 (or empty) leaves the window's own default.
struct WindowChoices
{
    int order = -1;
    int direction = -1;
    QStringList period{};
    int maker = 0;
    int category = 0;
    int page = -1;
    int type = -1;
};

} // namespace

Q_DECLARE_METATYPE(WindowChoices)

class GraphWindowTest : public QObject
{
    Q_OBJECT

    std::unique_ptr<EntryFixture> fx;
    TempDir dir;
    // A copy of the sample, as an open logbook is locked against the other tests that open it.
    const QString book = QString::fromStdString(dir.file("sample.fnl"));

    template <typename T> static T *child(QWidget *window, const char *name)
    {
        return window->findChild<T *>(QString::fromUtf8(name));
    }

    static void choose(QWidget *report, const WindowChoices &c)
    {
        if (c.order >= 0)
            child<QComboBox>(report, "CmBxjyun1")->setCurrentIndex(c.order);
        if (c.direction >= 0)
            child<QComboBox>(report, "CmBxjyun2")->setCurrentIndex(c.direction);
        if (auto *display = qobject_cast<DisplayWindow *>(report)) {
            const char *fields[] = {"Edtyys", "Edtmms", "Edtdds", "Edtyye", "Edtmme", "Edtdde"};
            for (int i = 0; i < c.period.size(); ++i)
                child<QLineEdit>(report, fields[i])->setText(c.period[i]);
            child<QComboBox>(report, "CmBxgas")->setCurrentIndex(c.maker);
            child<QComboBox>(report, "CmBxkubun")->setCurrentIndex(c.category);
            display->refresh();
        }
    }

    // The picture fenlo-cli writes for these arguments, or a null image when it writes none.
    QImage commandPicture(const QStringList &args)
    {
        const QString out = QString::fromStdString(dir.file("graph.png"));
        QFile::remove(out);
        QProcess cli;
        cli.start(QStringLiteral(FENLO_CLI), QStringList{"graph"} + args.mid(0, 1) +
                                                 QStringList{book, "--out", out} + args.mid(1));
        if (!cli.waitForFinished(60000) || cli.exitCode() != 0) {
            qWarning("fenlo-cli: %s", cli.readAllStandardError().constData());
            return {};
        }
        return QImage(out).convertToFormat(QImage::Format_RGB32);
    }

private Q_SLOTS:
    void initTestCase() { QVERIFY(QFile::copy(QStringLiteral(FENLO_SAMPLE), book)); }
    void init() { fx = std::make_unique<EntryFixture>(); }
    void cleanup()
    {
        QVERIFY2(fx->prompter.unexpected.isEmpty(), qPrintable(fx->prompter.unexpected.join(';')));
        fx.reset();
    }

    void commandDrawsWhatTheWindowDraws_data()
    {
        QTest::addColumn<QString>("command");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("button");
        QTest::addColumn<WindowChoices>("choices");
        QTest::addColumn<QStringList>("cli");
        // The same arguments without the choices that make the case, which must draw otherwise.
        QTest::addColumn<QStringList>("withoutChoices");
        QTest::addColumn<QSize>("size");
        const QSize standard(800, 600);

        QTest::newRow("display1") << "MIOut1"
                                  << "FrmOut1"
                                  << "SpeedButton1" << WindowChoices{} << QStringList{"display1"}
                                  << QStringList() << standard;
        QTest::newRow("display1, period, maker, by amount down")
            << "MIOut1"
            << "FrmOut1"
            << "SpeedButton1"
            << WindowChoices{.order = 3,
                             .direction = 1,
                             .period = {"2004", "3", "1", "2005", "2", "28"},
                             .maker = 2}
            << QStringList{"display1", "--order",  "amount", "--desc",
                           "--from",   "2004/3/1", "--to",   "2005/2/28"}
            << QStringList{"display1", "--order", "amount", "--desc"} << QSize(640, 400);
        QTest::newRow("display1, first page as an area")
            << "MIOut1"
            << "FrmOut1"
            << "SpeedButton1" << WindowChoices{.page = 1, .type = 2}
            << QStringList{"display1", "--page", "1", "--type", "area"} << QStringList{"display1"}
            << standard;
        QTest::newRow("display2, premium by economy, ribbon")
            << "MIOut2"
            << "FrmOut2"
            << "SpeedButton1" << WindowChoices{.order = 4, .direction = 0, .category = 2, .type = 1}
            << QStringList{"display2", "--order", "economy", "--kubun", "2", "--type", "ribbon"}
            << QStringList{"display2", "--type", "ribbon"} << QSize(1000, 500);
        QTest::newRow("monthly, page 3, ribbon")
            << "MIOut3"
            << "FrmTukibetu"
            << "Button4" << WindowChoices{.page = 3, .type = 1}
            << QStringList{"monthly", "--page", "3", "--type", "ribbon"}
            << QStringList{"monthly", "--type", "ribbon"} << standard;
        QTest::newRow("makers-count by count, up")
            << "MIOut4"
            << "FrmMBNIR"
            << "Button5" << WindowChoices{.order = 0, .direction = 0}
            << QStringList{"makers-count", "--order", "count", "--asc"}
            << QStringList{"makers-count"} << standard;
        QTest::newRow("makers-economy by lowest")
            << "MIOut4"
            << "FrmMBNIR"
            << "Button4" << WindowChoices{.order = 2, .direction = 1}
            << QStringList{"makers-economy", "--order", "lowest"} << QStringList{"makers-economy"}
            << QSize(500, 700);
        QTest::newRow("makers-economy")
            << "MIOut4"
            << "FrmMBNIR"
            << "Button4" << WindowChoices{} << QStringList{"makers-economy"} << QStringList()
            << standard;
        QTest::newRow("categories-count")
            << "MIout5"
            << "FrmKBNIR"
            << "Button5" << WindowChoices{} << QStringList{"categories-count"} << QStringList()
            << standard;
        QTest::newRow("categories-economy")
            << "MIout5"
            << "FrmKBNIR"
            << "Button4" << WindowChoices{} << QStringList{"categories-economy"} << QStringList()
            << QSize(300, 200);
    }
    void commandDrawsWhatTheWindowDraws()
    {
        QFETCH(QString, command);
        QFETCH(QString, name);
        QFETCH(QString, button);
        QFETCH(WindowChoices, choices);
        QFETCH(QStringList, cli);
        QFETCH(QStringList, withoutChoices);
        QFETCH(QSize, size);
        fx->frame->openLogbook(book);
        QWidget *report = fx->open(command.toUtf8().constData(), name.toUtf8().constData());
        QVERIFY(report);
        choose(report, choices);
        // The command takes the maker by the code its choice item starts with.
        if (choices.maker > 0)
            cli << "--maker"
                << child<QComboBox>(report, "CmBxgas")->currentText().left(2).trimmed();

        QImage shown;
        ModalStep step([&](QDialog *dialog) {
            auto *graph = qobject_cast<GraphWindow *>(dialog);
            QVERIFY(graph);
            if (choices.page > 0)
                graph->findChild<QScrollBar *>("ScrollBar1")->setValue(choices.page);
            if (choices.type >= 0)
                graph->findChildren<QRadioButton *>().at(choices.type)->click();
            shown = renderChartImage(*graph->chart(), size).convertToFormat(QImage::Format_RGB32);
        });
        child<QAbstractButton>(report, button.toUtf8().constData())->click();
        QVERIFY(step.ran());

        const QStringList sizeArgs =
            size == QSize(800, 600)
                ? QStringList()
                : QStringList{"--size",
                              QStringLiteral("%1x%2").arg(size.width()).arg(size.height())};
        const QImage drawn = commandPicture(cli + sizeArgs);
        QCOMPARE(drawn.size(), size);
        QVERIFY2(drawn == shown, "the command draws another picture than the window");
        if (!withoutChoices.isEmpty()) {
            if (choices.maker > 0)
                withoutChoices << cli.mid(cli.size() - 2);
            const QImage other = commandPicture(withoutChoices + sizeArgs);
            QVERIFY(!other.isNull());
            QVERIFY2(other != shown, "the choices make no difference to the picture");
        }
    }
};

QTEST_MAIN(GraphWindowTest)
#include "graph_window_test.moc"
