// The report windows as the user opens them from the frame: what they show must be the core's
// figures, the very text fenlo-cli prints for the same choices, and they change only on request.

// The expected texts are many short literals; they read better without a wrapper each.
#undef QT_NO_CAST_FROM_ASCII
#include "controls/datepartfield.h"
#include "controls/statusline.h"
#include "entry/entryfixture.h"
#include "reports/bookbuilder.h"
#include "reportwindows/categoryreport.h"
#include "reportwindows/displaywindow.h"
#include "reportwindows/fuelingsreport.h"
#include "reportwindows/graphwindow.h"
#include "reportwindows/makerreport.h"
#include "reportwindows/monthlyreport.h"
#include "reportwindows/pairsreport.h"
#include "reportwindows/summarypanel.h"
#include "support/tempdir.h"
#include "support/windows.h"

#include <QComboBox>
#include <QLineEdit>

#include <cstdio>

using namespace fenlo;
using namespace fenlo::test;

namespace {

QString runCli(const QStringList &args)
{
    QString command = QStringLiteral(FENLO_CLI);
    for (const QString &a : args)
        command += QStringLiteral(" '") + a + QStringLiteral("'");
    QString out;
    if (FILE *pipe = ::popen(command.toLocal8Bit().constData(), "r")) {
        QByteArray bytes;
        char buffer[4096];
        std::size_t n = 0;
        while ((n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0)
            bytes.append(buffer, static_cast<qsizetype>(n));
        ::pclose(pipe);
        out = QString::fromUtf8(bytes);
    }
    return out;
}

// The grid as tab-separated lines: the title row and every data row up to the last one that
// holds any text (the blank rows a window keeps below its figures are left out).
QStringList gridLines(const ListGrid *grid)
{
    int last = grid->lastDataRow();
    while (last > 0 && grid->rowTexts(last).join(QString()).isEmpty())
        --last;
    QStringList lines;
    for (int r = 0; r <= last; ++r)
        lines << grid->rowTexts(r).join(QLatin1Char('\t'));
    return lines;
}

QStringList panelLines(const SummaryPanel *panel)
{
    QStringList lines{QStringLiteral("\t距離(km)\t給油量(L)\t金額\t燃費(km/L)")};
    const char *captions[] = {"合計", "最高", "最低", "平均"};
    for (int line = 0; line < 4; ++line) {
        QStringList cells{QString::fromUtf8(captions[line])};
        for (int c = 0; c < 4; ++c)
            cells << panel->figure(line, c);
        lines << cells.join(QLatin1Char('\t'));
    }
    lines << QStringLiteral("件数\t") + panel->count();
    return lines;
}

QStringList windowLines(QWidget *window)
{
    auto *grid = window->findChild<ListGrid *>(QStringLiteral("SGrdNenpi"));
    QStringList lines = gridLines(grid);
    if (auto *panel = window->findChild<SummaryPanel *>()) {
        lines << QString();
        lines << panelLines(panel);
    }
    return lines;
}

QStringList cliLines(const QStringList &args)
{
    QStringList lines = runCli(args).split(QLatin1Char('\n'));
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    return lines;
}

template <typename T> T *child(QWidget *window, const char *name)
{
    return window->findChild<T *>(QString::fromUtf8(name));
}

// Fuelings A (maker X, 3000 yen) and B (300 km, 20 L, 15.0 km/L at maker Y), then C.
BookBuilder smallBook()
{
    BookBuilder b;
    b.maker(1, "X").maker(2, "Y");
    b.fueling({.year = 2003,
               .month = 1,
               .day = 1,
               .hour = 8,
               .litres = 30,
               .makerCode = 1,
               .category = 2,
               .amount = 3000,
               .odometer = 1000,
               .comment = "A"});
    b.fueling({.year = 2003,
               .month = 1,
               .day = 10,
               .trip = 300,
               .litres = 20,
               .economy = 15,
               .makerCode = 2,
               .category = 1,
               .amount = 2500,
               .odometer = 1300,
               .comment = "B"});
    b.fueling({.year = 2003,
               .month = 2,
               .day = 3,
               .trip = 240,
               .litres = 20,
               .economy = 12,
               .makerCode = 1,
               .category = 1,
               .amount = 2400,
               .odometer = 1540,
               .comment = "C"});
    return b;
}

} // namespace

class ReportWindowsTest : public QObject
{
    Q_OBJECT

    std::unique_ptr<EntryFixture> fx;

    QWidget *open(const char *command, const char *name) { return fx->open(command, name); }

    void loadSample() { fx->frame->openLogbook(QStringLiteral(FENLO_SAMPLE)); }

private Q_SLOTS:
    void init() { fx = std::make_unique<EntryFixture>(); }
    void cleanup()
    {
        QVERIFY2(fx->prompter.unexpected.isEmpty(), qPrintable(fx->prompter.unexpected.join(';')));
        fx.reset();
    }

    void everyCommandOpensItsWindowOnce_data()
    {
        QTest::addColumn<QString>("command");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("caption");
        QTest::newRow("1") << "MIOut1"
                           << "FrmOut1"
                           << "入力データ表示１";
        QTest::newRow("2") << "MIOut2"
                           << "FrmOut2"
                           << "入力データ表示２";
        QTest::newRow("monthly") << "MIOut3"
                                 << "FrmTukibetu"
                                 << "月別燃費一覧";
        QTest::newRow("maker") << "MIOut4"
                               << "FrmMBNIR"
                               << "燃料メーカー別燃費一覧";
        QTest::newRow("category") << "MIout5"
                                  << "FrmKBNIR"
                                  << "燃料区分別燃費一覧";
    }
    void everyCommandOpensItsWindowOnce()
    {
        QFETCH(QString, command);
        QFETCH(QString, name);
        QFETCH(QString, caption);
        loadSample();
        QWidget *w = open(command.toUtf8().constData(), name.toUtf8().constData());
        QVERIFY(w);
        QCOMPARE(w->windowTitle(), caption);
        QCOMPARE(open(command.toUtf8().constData(), name.toUtf8().constData()), w);
        QCOMPARE(fx->childCount(), 1);
        // Every graph button opens its graph window over the figures shown.
        int graphs = 0;
        for (QAbstractButton *b : w->findChildren<QAbstractButton *>()) {
            if (!b->text().contains(QStringLiteral("ｸﾞﾗﾌ")) &&
                !b->text().contains(QStringLiteral("グラフ")))
                continue;
            QVERIFY(b->isEnabled());
            bool graphWindow = false;
            fenlo::test::ModalStep step(
                [&](QDialog *dialog) { graphWindow = qobject_cast<GraphWindow *>(dialog); });
            b->click();
            QVERIFY(step.ran());
            QVERIFY(graphWindow);
            ++graphs;
        }
        QVERIFY(graphs >= 1);
        QVERIFY(!(w->parentWidget()->windowFlags() & Qt::WindowMaximizeButtonHint));
    }

    // Each window, on the sample logbook and with the choices set, against fenlo-cli.
    void windowsShowWhatTheCliPrints_data()
    {
        QTest::addColumn<QString>("command");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QStringList>("cli");
        QTest::addColumn<int>("order");
        QTest::addColumn<int>("direction");
        QTest::addColumn<QStringList>("period");
        QTest::addColumn<int>("maker");
        QTest::addColumn<int>("category");
        const QStringList none;
        QTest::newRow("list") << "MIOut1"
                              << "FrmOut1" << QStringList{"list"} << 0 << 0 << none << 0 << 0;
        QTest::newRow("list by amount, down, period, maker")
            << "MIOut1"
            << "FrmOut1" << QStringList{"list",   "--order",  "amount", "--desc",
                                        "--from", "2004/3/1", "--to",   "2005/2/28"}
            << 3 << 1 << QStringList{"2004", "3", "1", "2005", "2", "28"} << 2 << 0;
        QTest::newRow("pairs") << "MIOut2"
                               << "FrmOut2" << QStringList{"pairs"} << 0 << 0 << none << 0 << 0;
        QTest::newRow("pairs by economy, premium")
            << "MIOut2"
            << "FrmOut2" << QStringList{"pairs", "--order", "economy", "--kubun", "2"} << 4 << 0
            << none << 0 << 2;
        QTest::newRow("monthly") << "MIOut3"
                                 << "FrmTukibetu" << QStringList{"monthly"} << -1 << -1 << none << 0
                                 << 0;
        QTest::newRow("makers") << "MIOut4"
                                << "FrmMBNIR" << QStringList{"makers"} << -1 << -1 << none << 0
                                << 0;
        QTest::newRow("makers by count, up")
            << "MIOut4"
            << "FrmMBNIR" << QStringList{"makers", "--order", "count", "--asc"} << 0 << 0 << none
            << 0 << 0;
        QTest::newRow("categories")
            << "MIout5"
            << "FrmKBNIR" << QStringList{"categories"} << -1 << -1 << none << 0 << 0;
    }
    void windowsShowWhatTheCliPrints()
    {
        QFETCH(QString, command);
        QFETCH(QString, name);
        QFETCH(QStringList, cli);
        QFETCH(int, order);
        QFETCH(int, direction);
        QFETCH(QStringList, period);
        QFETCH(int, maker);
        QFETCH(int, category);
        loadSample();
        QWidget *w = open(command.toUtf8().constData(), name.toUtf8().constData());
        QVERIFY(w);
        if (order >= 0) {
            child<QComboBox>(w, "CmBxjyun1")->setCurrentIndex(order);
            child<QComboBox>(w, "CmBxjyun2")->setCurrentIndex(direction);
        }
        if (auto *display = qobject_cast<DisplayWindow *>(w)) {
            const char *fields[] = {"Edtyys", "Edtmms", "Edtdds", "Edtyye", "Edtmme", "Edtdde"};
            for (int i = 0; i < period.size(); ++i)
                child<QLineEdit>(w, fields[i])->setText(period[i]);
            child<QComboBox>(w, "CmBxgas")->setCurrentIndex(maker);
            child<QComboBox>(w, "CmBxkubun")->setCurrentIndex(category);
            display->refresh();
        }
        // The CLI takes the maker by the code its choice item starts with.
        if (maker > 0)
            cli << "--maker" << child<QComboBox>(w, "CmBxgas")->currentText().left(2).trimmed();
        const QStringList shown = windowLines(w);
        const QStringList printed =
            cliLines(QStringList{"report", cli[0], FENLO_SAMPLE} + cli.mid(1));
        QVERIFY(shown.size() > 2);
        QCOMPARE(shown, printed);
    }

    void displayTwoJoinsEachFuelingWithTheNextMeasurement()
    {
        fx->book() = smallBook().book();
        auto *one = qobject_cast<FuelingsReportWindow *>(open("MIOut1", "FrmOut1"));
        auto *two = qobject_cast<PairsReportWindow *>(open("MIOut2", "FrmOut2"));
        QVERIFY(one && two);
        QCOMPARE(findWindow<PairsReportWindow>(), two);
        QCOMPARE(two->rows().size(), std::size_t(2));
        const ListGrid *grid = two->grid();
        QCOMPARE(grid->rowTexts(1), (QStringList{"1", "2003/01/01(08)", "1300.0", "300.0", "20.0",
                                                 "X", "ﾊｲｵｸ", "3000", "15.0", "A"}));
        QCOMPARE(grid->lastDataRow(), 3); // two pairs and the blank row below them
        QCOMPARE(two->summaryPanel()->count(), QStringLiteral("2"));
        QCOMPARE(two->summaryPanel()->figure(0, 0), QStringLiteral("540.0"));
        QCOMPARE(two->summaryPanel()->figure(0, 3), QStringLiteral("13.5"));
        QCOMPARE(two->summaryPanel()->figure(3, 3), QStringLiteral("13.5"));
        // The comment in the status bar belongs to the row the cursor is on.
        two->grid()->setCurrentDataRow(2);
        QCOMPARE(two->statusLine()->text(), QStringLiteral("コメント：B"));
        QCOMPARE(grid->rowColor(2), QColor(255, 223, 223));
        QCOMPARE(one->grid()->rowColor(2), QColor(223, 255, 223));
        QCOMPARE(one->summaryPanel()->count(), QStringLiteral("3"));
        QCOMPARE(one->summaryPanel()->figure(2, 0), QStringLiteral("0.0")); // first fueling
    }

    void emptyLogbookShowsZerosAndOneBlankRow()
    {
        auto *one = qobject_cast<FuelingsReportWindow *>(open("MIOut1", "FrmOut1"));
        QVERIFY(one);
        QCOMPARE(one->grid()->lastDataRow(), 1);
        QCOMPARE(one->grid()->rowTexts(1).join(QString()), QString());
        for (int line = 0; line < 4; ++line)
            for (int c = 0; c < 4; ++c)
                QCOMPARE(one->summaryPanel()->figure(line, c), QStringLiteral("0"));
        QCOMPARE(one->summaryPanel()->count(), QStringLiteral("0"));
        auto *categoryReport = qobject_cast<CategoryReportWindow *>(open("MIout5", "FrmKBNIR"));
        QCOMPARE(gridLines(categoryReport->grid()).mid(1),
                 (QStringList{"レギュラー\t\t\t\t", "ハイオク\t\t\t\t", "*** 全 体 ***\t\t\t\t"}));
    }

    // Figures are taken when shown and on request, never behind the user's back.
    void windowsRefreshOnlyWhenAsked()
    {
        fx->book() = smallBook().book();
        auto *one = qobject_cast<FuelingsReportWindow *>(open("MIOut1", "FrmOut1"));
        auto *monthly = qobject_cast<MonthlyReportWindow *>(open("MIOut3", "FrmTukibetu"));
        auto *makers = qobject_cast<MakerReportWindow *>(open("MIOut4", "FrmMBNIR"));
        QVERIFY(one && monthly && makers);
        const QStringList before = windowLines(monthly);
        fx->book().fuelings[3] = Fueling{};
        fx->book().fuelings[3].moment = EmptyDate;
        QCOMPARE(windowLines(monthly), before);
        QCOMPARE(one->summaryPanel()->count(), QStringLiteral("3"));
        click(monthly, "Button2");
        QCOMPARE(monthly->report().months.size(), std::size_t(1));
        QCOMPARE(gridLines(monthly->grid()).size(), 3); // titles, January, the total row
        QCOMPARE(monthly->grid()->lastDataRow(), 3);    // and one blank row, nothing stale
        click(one, "SBtmKoushin");
        QCOMPARE(one->summaryPanel()->count(), QStringLiteral("2"));
        // The maker list follows its order boxes at once.
        QCOMPARE(makers->report().makers.size(), std::size_t(2));
        fx->book() = smallBook().book();
        child<QComboBox>(makers, "CmBxjyun1")->setCurrentIndex(0);
        QCOMPARE(makers->report().makers.size(), std::size_t(2));
        QCOMPARE(makers->report().overall.count, 2);
    }

    // Every grid opens with row 1 selected and keeps the row number over a refresh, the last
    // row when the list got shorter; the display's status bar shows the selected row's comment.
    void aReportGridAlwaysHasASelectedRow()
    {
        fx->book() = smallBook().book();
        auto *one = qobject_cast<FuelingsReportWindow *>(open("MIOut1", "FrmOut1"));
        auto *monthly = qobject_cast<MonthlyReportWindow *>(open("MIOut3", "FrmTukibetu"));
        auto *makers = qobject_cast<MakerReportWindow *>(open("MIOut4", "FrmMBNIR"));
        auto *categories = qobject_cast<CategoryReportWindow *>(open("MIout5", "FrmKBNIR"));
        QVERIFY(one && monthly && makers && categories);
        for (ListGrid *grid : {one->grid(), monthly->grid(), makers->grid(), categories->grid()}) {
            QCOMPARE(grid->currentDataRow(), 1);
            QVERIFY(grid->selectionModel()->isRowSelected(0, {}));
        }
        auto *status = child<StatusLine>(one, "StatusBarT1");
        QCOMPARE(status->text(), QStringLiteral("コメント：") + one->grid()->cell(1, 9));
        QVERIFY(!one->grid()->cell(1, 9).isEmpty());

        one->grid()->setCurrentDataRow(2);
        const QString second = one->grid()->cell(2, 9);
        click(one, "SBtmKoushin");
        QCOMPARE(one->grid()->currentDataRow(), 2);
        QCOMPARE(status->text(), QStringLiteral("コメント：") + second);

        one->grid()->setCurrentDataRow(one->grid()->lastDataRow());
        const int before = one->grid()->lastDataRow();
        fx->book().fuelings[3] = Fueling{};
        fx->book().fuelings[3].moment = EmptyDate;
        click(one, "SBtmKoushin");
        QCOMPARE(one->grid()->lastDataRow(), before - 1);
        QCOMPARE(one->grid()->currentDataRow(), before - 1);
        QVERIFY(one->grid()->selectionModel()->isRowSelected(before - 2, {}));
    }

    // The count graph and the refresh button share Alt+K; the first in the tab order wins.
    void altKInTheMakerListOpensTheCountGraph()
    {
        loadSample();
        auto *makers = qobject_cast<MakerReportWindow *>(open("MIOut4", "FrmMBNIR"));
        QVERIFY(makers);
        QApplication::setActiveWindow(fx->frame.get());
        QVERIFY(QTest::qWaitForWindowActive(fx->frame.get()));
        QString caption;
        fenlo::test::ModalStep step([&](QDialog *dialog) { caption = dialog->windowTitle(); });
        QTest::keyClick(makers, Qt::Key_K, Qt::AltModifier);
        QTRY_VERIFY(step.ran()); // a button pressed by its key shows the press a moment first
        QVERIFY2(caption.contains(QStringLiteral("件数")), qPrintable(caption));
    }

    void periodChecksAndCompletion()
    {
        fx->book() = smallBook().book();
        auto *one = qobject_cast<FuelingsReportWindow *>(open("MIOut1", "FrmOut1"));
        QVERIFY(one);
        auto *yys = child<DatePartField>(one, "Edtyys");
        // Only the year: the month is asked for and nothing is recomputed.
        yys->setText(QStringLiteral("2003"));
        fx->prompter.expect(Answer::Ok);
        click(one, "SBtmKoushin");
        QCOMPARE(fx->prompter.texts(), QStringList{QStringLiteral("月が入力されていません")});
        QCOMPARE(QApplication::focusWidget(), child<QWidget>(one, "Edtmms"));
        QCOMPARE(one->summaryPanel()->count(), QStringLiteral("3"));

        // A short year typed without leaving the field, and a reversed period.
        typeInto(yys, QStringLiteral("3"));
        const char *rest[] = {"Edtmms", "Edtdds", "Edtyye", "Edtmme", "Edtdde"};
        const char *values[] = {"1", "31", "2003", "1", "5"};
        for (int i = 0; i < 5; ++i)
            child<QLineEdit>(one, rest[i])->setText(QString::fromUtf8(values[i]));
        yys->setFocus();
        click(one, "SBtmKoushin");
        QCOMPARE(yys->text(), QStringLiteral("2003"));
        QCOMPARE(child<QLineEdit>(one, "Edtdds")->text(), QStringLiteral("5"));
        QCOMPARE(child<QLineEdit>(one, "Edtdde")->text(), QStringLiteral("31"));
        QCOMPARE(one->summaryPanel()->count(), QStringLiteral("1")); // only the 10th

        // "全て" clears the period and the filters, and keeps the order.
        child<QComboBox>(one, "CmBxjyun1")->setCurrentIndex(3);
        child<QComboBox>(one, "CmBxkubun")->setCurrentIndex(2);
        click(one, "SBtnAll");
        QCOMPARE(yys->text(), QString());
        QCOMPARE(child<QComboBox>(one, "CmBxkubun")->currentIndex(), 0);
        QCOMPARE(child<QComboBox>(one, "CmBxjyun1")->currentIndex(), 3);
        QCOMPARE(one->summaryPanel()->count(), QStringLiteral("3"));
        QCOMPARE(one->grid()->cell(1, 7), QStringLiteral("2400")); // by amount, ascending

        // The right arrow in the start day goes on into the end year.
        auto *dds = child<QLineEdit>(one, "Edtdds");
        dds->setFocus();
        QTest::keyClick(dds, Qt::Key_Right);
        QCOMPARE(QApplication::focusWidget(), child<QWidget>(one, "Edtyye"));
    }

    void sizeLimits()
    {
        QWidget *one = open("MIOut1", "FrmOut1");
        QWidget *monthly = open("MIOut3", "FrmTukibetu");
        QVERIFY(one && monthly);
        QCOMPARE(one->parentWidget()->minimumSize(), QSize(780, 401));
        QCOMPARE(one->parentWidget()->width(), 780);
        QCOMPARE(one->findChild<ListGrid *>()->columnWidth(9), 140);
        QCOMPARE(monthly->parentWidget()->minimumWidth(), 423);
        QCOMPARE(monthly->parentWidget()->maximumWidth(), 423);
        if (const char *dir = std::getenv("FENLO_SHOTS")) {
            fx->frame->openLogbook(QStringLiteral(FENLO_SAMPLE));
            const char *commands[][2] = {
                {"MIOut2", "FrmOut2"}, {"MIOut4", "FrmMBNIR"}, {"MIout5", "FrmKBNIR"}};
            for (auto &c : commands)
                open(c[0], c[1]);
            fx->frame->resize(1280, 960);
            for (QMdiSubWindow *sub : fx->frame->mdiArea()->subWindowList()) {
                if (auto *d = qobject_cast<DisplayWindow *>(sub->widget()))
                    d->showAll();
                if (auto *t = qobject_cast<MonthlyReportWindow *>(sub->widget()))
                    t->refresh();
                sub->grab().save(QString::fromUtf8(dir) + QLatin1Char('/') +
                                 sub->widget()->objectName() + QStringLiteral(".png"));
            }
        }
    }
};

QTEST_MAIN(ReportWindowsTest)
#include "reportwindows_test.moc"
