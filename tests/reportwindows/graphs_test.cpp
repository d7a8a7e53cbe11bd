#include "chart/chartview.h"
#include "data/fnlfile.h"
#include "reports/display.h"
#include "reportwindows/categorygraphs.h"
#include "reportwindows/displaygraphs.h"
#include "reportwindows/makergraphs.h"
#include "reportwindows/monthlygraph.h"

#include <QCheckBox>
#include <QRadioButton>
#include <QScreen>
#include <QScrollBar>
#include <QSlider>
#include <QTest>
#include <QTimer>

#include <memory>

using namespace fenlo;

namespace {

// Rows numbered from 1 with economy 10 + row / 10, except the rows listed as having none.
std::vector<Measurement> displayRowsOf(int count, std::initializer_list<int> withoutEconomy = {})
{
    std::vector<Measurement> rows(static_cast<std::size_t>(count));
    for (int r = 1; r <= count; ++r) {
        Measurement &m = rows[static_cast<std::size_t>(r - 1)];
        m.moment = 37000 + r;
        m.economy = Currency::fromRaw(100000 + 1000 * r);
        for (int without : withoutEconomy) {
            if (without == r)
                m.economy = Currency();
        }
    }
    return rows;
}

QStringList labelsOf(const ChartSeries &series)
{
    QStringList labels;
    for (const ChartPoint &p : series.points())
        labels << p.label;
    return labels;
}

QList<double> xsOf(const ChartSeries &series)
{
    QList<double> xs;
    for (const ChartPoint &p : series.points())
        xs << p.x;
    return xs;
}

QStringList numbers(int from, int to)
{
    QStringList list;
    for (int i = from; i <= to; ++i)
        list << QString::number(i);
    return list;
}

QScrollBar *scrollBarOf(QWidget *window)
{
    return window->findChild<QScrollBar *>(QStringLiteral("ScrollBar1"));
}

bool isActive(const ChartView *chart, std::size_t series)
{
    return chart->series()[series]->isActive();
}

bymaker::Report makersReport(int count)
{
    bymaker::Report report;
    for (int i = 1; i <= count; ++i)
        report.makers.push_back(
            {i, "メーカー" + std::to_string(i), i, 15.0 + i, 9.0 + i, 12.0 + i});
    return report;
}

} // namespace

class GraphsTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void displayOpensOnLastPage_data();
    void displayOpensOnLastPage();
    void displayScrollsAndKeepsGraphType();
    void displayLeavesRowsWithoutEconomyEmpty();
    void display2DrawsInRed();
    void monthlyPagesTwelveMonths();
    void placedOverTheCaller();
    void makerBarsFollowTheListOrder_data();
    void makerBarsFollowTheListOrder();
    void makerBarsStandInListOrderFromTheTop();
    void categoryBarsAlwaysOpenOnAverage();
    void makerPieTakesRowPlaceColours();
    void categoryPieHasRegularRedAndPremiumBlue();
    void pieTurnsAtTheChosenSpeed();
    void pieAngleRunsToThreeSixtyThenZero();
    void closingStopsTheTurningPie();
    void rendersEveryGraphOfTheSampleLogbook();
};

void GraphsTest::displayOpensOnLastPage_data()
{
    QTest::addColumn<int>("rows");
    QTest::addColumn<int>("maximum");
    QTest::addColumn<QStringList>("labels");
    QTest::newRow("empty") << 0 << 1 << QStringList();
    QTest::newRow("five") << 5 << 1 << numbers(1, 5);
    QTest::newRow("twenty") << 20 << 1 << numbers(1, 20);
    QTest::newRow("forty-five") << 45 << 26 << numbers(26, 45);
}

void GraphsTest::displayOpensOnLastPage()
{
    QFETCH(int, rows);
    QFETCH(int, maximum);
    QFETCH(QStringList, labels);
    FuelingsGraph window(nullptr, displayRowsOf(rows));
    window.show();
    QScrollBar *bar = scrollBarOf(&window);
    QCOMPARE(bar->minimum(), 1);
    QCOMPARE(bar->maximum(), maximum);
    QCOMPARE(bar->value(), maximum);
    for (const auto &series : window.chart()->series()) {
        QCOMPARE(labelsOf(*series), labels);
        if (!labels.isEmpty()) {
            QCOMPARE(series->points().front().x, 1.0);
            QCOMPARE(series->points().back().x, double(labels.size()));
        }
    }
    QCOMPARE(window.chart()->maxPointsPerPage, 20);
    QVERIFY(isActive(window.chart(), 0));
    QVERIFY(!isActive(window.chart(), 1) && !isActive(window.chart(), 2));
}

void GraphsTest::displayScrollsAndKeepsGraphType()
{
    FuelingsGraph window(nullptr, displayRowsOf(45));
    window.show();
    window.findChildren<QRadioButton *>().at(2)->click(); // 面
    scrollBarOf(&window)->setValue(1);
    const ChartView *chart = window.chart();
    QVERIFY(!isActive(chart, 0) && !isActive(chart, 1) && isActive(chart, 2));
    QCOMPARE(labelsOf(*chart->series()[2]), numbers(1, 20));
    QCOMPARE(chart->series()[2]->points().front().y, 10.1);
    window.findChildren<QRadioButton *>().at(1)->click(); // リボン
    QVERIFY(!isActive(chart, 0) && isActive(chart, 1) && !isActive(chart, 2));
}

void GraphsTest::displayLeavesRowsWithoutEconomyEmpty()
{
    FuelingsGraph window(nullptr, displayRowsOf(8, {3}));
    window.show();
    const ChartSeries &bars = *window.chart()->series()[0];
    QCOMPARE(xsOf(bars), (QList<double>{1, 2, 4, 5, 6, 7, 8}));
    QCOMPARE(bars.points()[2].label, QStringLiteral("4"));
    QCOMPARE(bars.points()[0].color, QColor(0, 0, 255));
}

void GraphsTest::display2DrawsInRed()
{
    PairsGraph window(nullptr, displayRowsOf(21));
    window.show();
    QCOMPARE(scrollBarOf(&window)->value(), 2);
    const ChartSeries &bars = *window.chart()->series()[0];
    QCOMPARE(labelsOf(bars), numbers(2, 21));
    for (const ChartPoint &p : bars.points())
        QCOMPARE(p.color, QColor(255, 0, 0));
    QCOMPARE(window.chart()->bottomWall.color, QColor(0, 0, 128));
    QCOMPARE(window.windowTitle(), QStringLiteral("入力データ表示2グラフ"));
}

void GraphsTest::monthlyPagesTwelveMonths()
{
    monthly::Report report;
    for (int m = 1; m <= 30; ++m)
        report.months.push_back({"月" + std::to_string(m), 1, Currency::fromUnits(m), {}, {}, {}});
    MonthlyGraph window(nullptr, report);
    window.show();
    QCOMPARE(window.size(), QSize(550, 313));
    QScrollBar *bar = scrollBarOf(&window);
    QCOMPARE(bar->value(), 19);
    auto monthLabels = [](int from, int to) {
        QStringList list;
        for (int m = from; m <= to; ++m)
            list << QStringLiteral("月%1").arg(m);
        return list;
    };
    QCOMPARE(labelsOf(*window.chart()->series()[0]), monthLabels(19, 30));
    window.findChildren<QRadioButton *>().at(1)->click();
    bar->triggerAction(QAbstractSlider::SliderSingleStepSub);
    QCOMPARE(labelsOf(*window.chart()->series()[1]), monthLabels(18, 29));
    QCOMPARE(window.chart()->series()[1]->points().front().y, 18.0);
    QVERIFY(isActive(window.chart(), 1) && !isActive(window.chart(), 0));
    // Only the bars round their marks to one decimal.
    QCOMPARE(window.chart()->series()[0]->valueFormat, std::string("#,##0.#"));
    QCOMPARE(window.chart()->series()[1]->valueFormat, std::string("#,##0.###"));
}

void GraphsTest::placedOverTheCaller()
{
    QWidget caller;
    caller.move(30, 40);
    CategoryCountGraph window(&caller, bycategory::Report{});
    window.show();
    QCOMPARE(window.pos(), QPoint(150, 160));
    QCOMPARE(window.size(), QSize(465, 295));
    QCOMPARE(window.minimumSize(), QSize(400, 230));
    QVERIFY(window.isModal());
    QVERIFY(window.windowFlags().testFlag(Qt::WindowMinimizeButtonHint));
    QVERIFY(!MakerCountGraph(&caller, {}).windowFlags().testFlag(Qt::WindowMinimizeButtonHint));
    QVERIFY(window.chart()->series()[0]->points().empty());

    // Beside a caller near the screen's bottom-right corner the rule would leave the screen.
    const QRect area = window.screen()->availableGeometry();
    caller.move(area.right() - 200, area.bottom() - 100);
    CategoryCountGraph cornered(&caller, bycategory::Report{});
    cornered.show();
    QVERIFY2(area.contains(cornered.frameGeometry()), "moved onto the screen");
    QCOMPARE(cornered.size(), QSize(465, 295));
}

void GraphsTest::makerBarsFollowTheListOrder_data()
{
    QTest::addColumn<int>("order");
    QTest::addColumn<QList<bool>>("active"); // 最高, 最低, 平均
    QTest::newRow("count") << int(bymaker::MakerOrder::Count) << QList<bool>{false, false, true};
    QTest::newRow("highest") << int(bymaker::MakerOrder::Highest)
                             << QList<bool>{true, false, false};
    QTest::newRow("lowest") << int(bymaker::MakerOrder::Lowest) << QList<bool>{false, true, false};
    QTest::newRow("average") << int(bymaker::MakerOrder::Average)
                             << QList<bool>{false, false, true};
}

void GraphsTest::makerBarsFollowTheListOrder()
{
    QFETCH(int, order);
    QFETCH(QList<bool>, active);
    MakerEconomyGraph window(nullptr, makersReport(3), bymaker::MakerOrder(order));
    window.show();
    const ChartView *chart = window.chart();
    // Chart order: 平均, 最低, 最高.
    QCOMPARE((QList<bool>{isActive(chart, 2), isActive(chart, 1), isActive(chart, 0)}), active);
    const char *boxes[] = {"Cbxsaikou", "CbxSaitei", "CbxHeikin"};
    for (int i = 0; i < 3; ++i)
        QCOMPARE(window.findChild<QCheckBox *>(QString::fromLatin1(boxes[i]))->isChecked(),
                 active[i]);
    for (const char *name : boxes) {
        auto *box = window.findChild<QCheckBox *>(QString::fromLatin1(name));
        if (!box->isChecked())
            box->click();
    }
    QVERIFY(isActive(chart, 0) && isActive(chart, 1) && isActive(chart, 2));
    window.findChild<QCheckBox *>(QStringLiteral("CbxSaitei"))->click();
    QVERIFY(isActive(chart, 0) && !isActive(chart, 1) && isActive(chart, 2));
}

void GraphsTest::makerBarsStandInListOrderFromTheTop()
{
    MakerEconomyGraph window(nullptr, makersReport(3), bymaker::MakerOrder::Average);
    window.show();
    const auto &series = window.chart()->series();
    QCOMPARE(series[0]->title, QStringLiteral("平均"));
    QCOMPARE(series[2]->title, QStringLiteral("最高"));
    // The first list row stands highest.
    const ChartSeries &average = *series[0];
    QCOMPARE(average.points().size(), std::size_t(3));
    for (const ChartPoint &p : average.points()) {
        const int row = 4 - int(p.y);
        QCOMPARE(p.label, QStringLiteral("メーカー%1").arg(row));
        QCOMPARE(p.x, 12.0 + row);
        QCOMPARE(p.color, QColor(0, 128, 0));
    }
    QCOMPARE(series[1]->points().front().color, QColor(255, 0, 0));
    QCOMPARE(series[2]->points().front().color, QColor(0, 0, 255));
    QCOMPARE(series[2]->points().front().x, 18.0); // メーカー3 at position 1
    QVERIFY(window.findChild<QCheckBox *>(QStringLiteral("Cbxsaikou"))->toolTip().size() > 0);
}

void GraphsTest::categoryBarsAlwaysOpenOnAverage()
{
    bycategory::Report report;
    report.categories[0] = {1, "レギュラー", 4, 16.0, 10.0, 13.0};
    report.categories[1] = {2, "ハイオク", 0, 0, 0, 0};
    CategoryEconomyGraph window(nullptr, report);
    window.show();
    const ChartView *chart = window.chart();
    QVERIFY(isActive(chart, 0) && !isActive(chart, 1) && !isActive(chart, 2));
    QCOMPARE(labelsOf(*chart->series()[0]), QStringList{QStringLiteral("レギュラー")});
    QCOMPARE(chart->series()[0]->points().front().y, 1.0);
    QCOMPARE(chart->gradient.endColor, QColor(255, 255, 128));

    report.categories[1] = {2, "ハイオク", 2, 14.0, 11.0, 12.5};
    CategoryEconomyGraph both(nullptr, report);
    both.show();
    QCOMPARE(labelsOf(*both.chart()->series()[0]),
             (QStringList{QStringLiteral("ハイオク"), QStringLiteral("レギュラー")}));
}

void GraphsTest::makerPieTakesRowPlaceColours()
{
    MakerCountGraph window(nullptr, makersReport(20));
    window.show();
    const ChartSeries &pie = *window.chart()->series()[0];
    QCOMPARE(pie.points().size(), std::size_t(20));
    const QColor expected[] = {
        {255, 0, 0},     {0, 0, 255},     {0, 255, 0},   {0, 255, 255},   {0, 128, 0},
        {255, 255, 0},   {128, 0, 0},     {0, 0, 128},   {128, 128, 0},   {128, 0, 128},
        {0, 128, 128},   {255, 255, 0},   {255, 0, 255}, {192, 192, 192}, {255, 0, 0},
        {255, 255, 255}, {128, 128, 128}, {0, 0, 0},     {128, 128, 128}, {192, 192, 192},
    };
    for (std::size_t i = 0; i < 20; ++i) {
        QCOMPARE(pie.points()[i].color, expected[i]);
        QCOMPARE(pie.points()[i].y, double(i + 1));
        QCOMPARE(pie.points()[i].label, QStringLiteral("メーカー%1").arg(i + 1));
    }
}

void GraphsTest::categoryPieHasRegularRedAndPremiumBlue()
{
    bycategory::Report report;
    report.categories[0] = {1, "レギュラー", 0, 0, 0, 0};
    report.categories[1] = {2, "ハイオク", 7, 14.0, 11.0, 12.5};
    CategoryCountGraph premiumOnly(nullptr, report);
    premiumOnly.show();
    const ChartSeries &pie = *premiumOnly.chart()->series()[0];
    QCOMPARE(labelsOf(pie), QStringList{QStringLiteral("ハイオク")});
    QCOMPARE(pie.points().front().color, QColor(0, 0, 255));
    QCOMPARE(pie.marks.arrow.color, QColor(0, 0, 0));
    // Light yellow at the bottom edge, white at the top.
    QCOMPARE(premiumOnly.chart()->gradient.startColor, QColor(255, 255, 128));
    QCOMPARE(premiumOnly.chart()->gradient.endColor, QColor(Qt::white));

    report.categories[0].count = 3;
    CategoryCountGraph both(nullptr, report);
    both.show();
    QCOMPARE(both.chart()->series()[0]->points().front().color, QColor(255, 0, 0));
    QCOMPARE(both.chart()->series()[0]->points().front().y, 3.0);
}

void GraphsTest::pieTurnsAtTheChosenSpeed()
{
    MakerCountGraph window(nullptr, makersReport(3));
    window.show();
    auto *turn = window.findChild<QCheckBox *>(QStringLiteral("CheckBox1"));
    auto *speed = window.findChild<QSlider *>(QStringLiteral("TrackBar1"));
    auto *timer = window.findChild<QTimer *>(QStringLiteral("Timer1"));
    QVERIFY(!turn->isChecked() && !speed->isEnabled() && !timer->isActive());
    turn->click();
    QVERIFY(speed->isEnabled() && timer->isActive());
    const int intervals[] = {800, 500, 300, 100, 10};
    for (int position = 5; position >= 1; --position) {
        speed->setValue(position);
        QCOMPARE(timer->interval(), intervals[position - 1]);
    }
    window.turn();
    turn->click();
    QVERIFY(!speed->isEnabled() && !timer->isActive());
    QCOMPARE(window.turningAngle(), 5);
    speed->setValue(4); // moving the bar while stopped does not start it
    QVERIFY(!timer->isActive());
}

void GraphsTest::pieAngleRunsToThreeSixtyThenZero()
{
    MakerCountGraph window(nullptr, makersReport(2));
    window.show();
    const auto &pie = static_cast<const PieSeries &>(*window.chart()->series()[0]);
    QList<int> angles;
    for (int tick = 0; tick < 74; ++tick) {
        window.turn();
        angles << window.turningAngle();
    }
    QCOMPARE(angles.first(), 5);
    QCOMPARE(angles[70], 355);
    QCOMPARE(angles[71], 360);
    QCOMPARE(angles[72], 0);
    QCOMPARE(angles[73], 5);
    QCOMPARE(pie.rotationAngle(), 5);
}

void GraphsTest::closingStopsTheTurningPie()
{
    for (const char *how : {"button", "escape"}) {
        auto window = std::make_unique<MakerCountGraph>(nullptr, makersReport(2));
        window->show();
        auto *timer = window->findChild<QTimer *>(QStringLiteral("Timer1"));
        window->findChild<QCheckBox *>(QStringLiteral("CheckBox1"))->click();
        QVERIFY(timer->isActive());
        if (QByteArray(how) == "button")
            window->findChild<QAbstractButton *>(QStringLiteral("Button1"))->click();
        else
            QTest::keyClick(window.get(), Qt::Key_Escape);
        QVERIFY2(!window->isVisible(), how);
        QVERIFY2(!timer->isActive(), how);
        QVERIFY(!window->findChild<QCheckBox *>(QStringLiteral("CheckBox1"))->isChecked());
    }
}

void GraphsTest::rendersEveryGraphOfTheSampleLogbook()
{
    Logbook book;
    readLogbookFile(book, FENLO_SAMPLE_LOGBOOK);
    const auto display1 = displayRows(book, DisplayKind::Fuelings, {});
    const auto display2 = displayRows(book, DisplayKind::Pairs, {});
    const auto makers = bymaker::report(book, {});
    const auto categories = bycategory::report(book);
    std::vector<std::pair<const char *, std::unique_ptr<GraphWindow>>> windows;
    windows.emplace_back("out1g", std::make_unique<FuelingsGraph>(nullptr, display1));
    windows.emplace_back("out2g", std::make_unique<PairsGraph>(nullptr, display2));
    windows.emplace_back("tukibetugn",
                         std::make_unique<MonthlyGraph>(nullptr, monthly::tally(book)));
    windows.emplace_back("mbnirgn", std::make_unique<MakerEconomyGraph>(
                                        nullptr, makers, bymaker::MakerOrder::Average));
    windows.emplace_back("mbnirgk", std::make_unique<MakerCountGraph>(nullptr, makers));
    windows.emplace_back("kbnirgn", std::make_unique<CategoryEconomyGraph>(nullptr, categories));
    windows.emplace_back("kbnirgk", std::make_unique<CategoryCountGraph>(nullptr, categories));
    for (auto &[name, window] : windows) {
        window->show();
        QVERIFY2(!window->chart()->series().front()->points().empty(), name);
        const QString path =
            QStringLiteral(FENLO_GRAPH_IMAGE_DIR "/%1.png").arg(QString::fromLatin1(name));
        QVERIFY2(window->grab().save(path), name);
    }
}

QTEST_MAIN(GraphsTest)
#include "graphs_test.moc"
