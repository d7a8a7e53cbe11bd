#include "samplecharts.h"

#include "chart/chartlayout.h"
#include "chart/chartrenderer.h"
#include "chart/chartview.h"
#include "data/error.h"

#include <QDir>
#include <QtTest>

#include <numeric>

using namespace fenlo;
using namespace fenlo::test;

namespace {

const QRectF area(0, 0, 420, 224);

// A bare model: what a graph window holds before it is shown.
class Chart : public ChartModel
{
};

bool near(double a, double b, double tolerance = 1e-6)
{
    return std::abs(a - b) <= tolerance;
}

QColor pixelAt(const QImage &image, QPointF logical)
{
    const QPointF device = logical * image.devicePixelRatio();
    return image.pixelColor(device.toPoint());
}

} // namespace

class ChartTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void shortPageStretchesTheAxis();
    void pageShowsOnlyItsPoints();
    void barsTakeTheirShareOfAFullPageSlot();
    void horizontalBarsStandSideBySide();
    void lowestBarKeepsAHeight();
    void pieSlicesCoverTheCircle();
    void rotationIsKeptModulo360();
    void emptyChartStillDrawsBackgroundWallsAndAxes();
    void switchingASeriesKeepsItsPointsAndLegendFollows();
    void pointColourWinsOverSeriesColour();
    void marksFormatTheirValues();
    void marksDoNotOverlap();
    void gradientRunsFromEndToStartColour();
    void pointsKeepTheirOrder();
    void rightDragPansOnlyWhereAllowed();
    void writeImagesOfEveryKind();
};

void ChartTest::shortPageStretchesTheAxis()
{
    Chart chart;
    setUpPagedChart(chart, PagedKind::Bar, 12, {14.2, 15.0, 13.1});
    ChartLayout layout = layoutChart(chart, area);
    QCOMPARE(layout.horizontal.min, 1.0);
    QCOMPARE(layout.horizontal.max, 9.0);
    QCOMPARE(layout.bars.size(), std::size_t(3));
    // The three bars sit at the left; the right part of the plot stays empty.
    QVERIFY(layout.bars.back().front.right() < layout.plot.left() + layout.plot.width() * 0.35);

    chart.scaleLastPage = true;
    layout = layoutChart(chart, area);
    QCOMPARE(layout.horizontal.max, 3.0);

    Chart full;
    setUpPagedChart(full, PagedKind::Bar, 12, sampleEconomy(12));
    QCOMPARE(layoutChart(full, area).horizontal.max, 12.0);
}

void ChartTest::pageShowsOnlyItsPoints()
{
    Chart chart;
    setUpPagedChart(chart, PagedKind::Area, 20, sampleEconomy(25));
    const ChartLayout layout = layoutChart(chart, area);
    QCOMPARE(layout.horizontal.max, 20.0);
    // 19 stretches between 20 points and the closing side of the area.
    QCOMPARE(layout.ribbons.size(), std::size_t(20));
    QCOMPARE(layout.marks.size(), std::size_t(20));
}

void ChartTest::barsTakeTheirShareOfAFullPageSlot()
{
    Chart chart;
    setUpPagedChart(chart, PagedKind::Bar, 12, {14.2, 15.0, 13.1});
    const ChartLayout layout = layoutChart(chart, area);
    const double slot = layout.plot.width() / 12;
    for (const BarShape &bar : layout.bars)
        QVERIFY(near(bar.front.width(), slot * 0.6));
    // Bars start at the bottom of the axis, not at zero.
    QVERIFY(layout.vertical.min > 0);
    QVERIFY(near(layout.bars[0].front.bottom(), layout.plot.bottom()));
}

void ChartTest::horizontalBarsStandSideBySide()
{
    Chart chart;
    setUpMakerBars(chart, 2);
    ChartLayout layout = layoutChart(chart, area);
    QCOMPARE(layout.bars.size(), std::size_t(6));
    const double slot = layout.plot.height() / 2;
    double covered = 0;
    for (const BarShape &bar : layout.bars)
        covered += bar.front.height();
    QVERIFY(near(covered, 2 * slot * 0.7));
    for (std::size_t i = 0; i < layout.bars.size(); ++i)
        for (std::size_t j = i + 1; j < layout.bars.size(); ++j)
            QVERIFY(!layout.bars[i].front.intersects(layout.bars[j].front));
    // Bars of a horizontal series grow from zero, so the value axis includes it.
    QCOMPARE(layout.horizontal.min, 0.0);
    // The position labels are the maker names on the vertical axis.
    QStringList texts;
    for (const ChartText &t : layout.texts)
        texts << t.text;
    QVERIFY(texts.contains(QStringLiteral("エネオス")));

    chart.series()[0]->setActive(false);
    layout = layoutChart(chart, area);
    QCOMPARE(layout.bars.size(), std::size_t(4));
    QVERIFY(near(layout.bars[0].front.height(), slot * 0.35));
}

void ChartTest::lowestBarKeepsAHeight()
{
    Chart chart;
    setUpPagedChart(chart, PagedKind::Bar, 20, {12.0, 14.0, 13.0});
    const ChartLayout layout = layoutChart(chart, area);
    for (const BarShape &bar : layout.bars)
        QVERIFY(bar.front.height() > 1);
}

void ChartTest::pieSlicesCoverTheCircle()
{
    Chart chart;
    PieSeries *pie = setUpMakerPie(chart, 20, 45);
    pie->addSlice(0, QStringLiteral("空"), Qt::black); // a maker without fuelings has no slice
    const ChartLayout layout = layoutChart(chart, area);
    QVERIFY(layout.pie.has_value());
    QCOMPARE(layout.pie->slices.size(), std::size_t(20));
    const double total =
        std::accumulate(layout.pie->slices.begin(), layout.pie->slices.end(), 0.0,
                        [](double sum, const PieSlice &s) { return sum + s.spanAngle; });
    QVERIFY(near(total, 360.0));
    QVERIFY(near(layout.pie->slices.front().startAngle, 45.0));
    // The tilt flattens the circle and gives it a rim.
    QVERIFY(layout.pie->ellipse.height() < layout.pie->ellipse.width());
    QVERIFY(layout.pie->thickness > 0);
    QVERIFY(layout.texts.empty()); // no axes
    QCOMPARE(layout.legend->entries.size(), std::size_t(21));

    Chart single;
    setUpMakerPie(single, 1, 0);
    const ChartLayout one = layoutChart(single, area);
    QCOMPARE(one.pie->slices.size(), std::size_t(1));
    QCOMPARE(one.pie->slices[0].spanAngle, 360.0);

    Chart nothing;
    PieSeries *zero = setUpMakerPie(nothing, 0, 0);
    zero->addSlice(0, QStringLiteral("空"), Qt::red);
    QVERIFY(layoutChart(nothing, area).pie->slices.empty());
}

void ChartTest::rotationIsKeptModulo360()
{
    Chart a, b;
    setUpMakerPie(a, 5, 0);
    PieSeries *turned = setUpMakerPie(b, 5, 360);
    QCOMPARE(turned->rotationAngle(), 0);
    const ChartLayout la = layoutChart(a, area), lb = layoutChart(b, area);
    QCOMPARE(renderChartImage(a, area.size().toSize()), renderChartImage(b, area.size().toSize()));
    QCOMPARE(la.pie->slices.size(), lb.pie->slices.size());

    turned->setRotationAngle(725);
    QCOMPARE(turned->rotationAngle(), 5);
    QVERIFY_THROWS_EXCEPTION(FenloError, turned->setRotationAngle(-5));
    QCOMPARE(turned->rotationAngle(), 5);
}

void ChartTest::emptyChartStillDrawsBackgroundWallsAndAxes()
{
    Chart chart;
    setUpPagedChart(chart, PagedKind::Bar, 20, {});
    const ChartLayout layout = layoutChart(chart, area);
    QVERIFY(layout.bars.empty());
    QVERIFY(layout.marks.empty());
    QVERIFY(layout.walls.has_value());
    QVERIFY(layout.axisLines.size() >= 2);
    QVERIFY(!layout.texts.empty());

    const QImage image = renderChartImage(chart, area.size().toSize());
    const QRectF floor = layout.walls->bottom.boundingRect();
    QCOMPARE(pixelAt(image, floor.center()), QColor(255, 128, 128));
    // The back wall is clear, so the gradient shows through it.
    const QColor behind = pixelAt(image, layout.walls->back.boundingRect().center());
    QVERIFY(behind.green() == 255 && behind.red() > 128 && behind.red() < 255);
}

void ChartTest::switchingASeriesKeepsItsPointsAndLegendFollows()
{
    Chart chart;
    setUpMakerBars(chart, 3);
    QCOMPARE(legendEntries(chart).size(), std::size_t(3));
    ChartSeries &lowest = *chart.series()[1];
    lowest.setActive(false);
    auto entries = legendEntries(chart);
    QCOMPARE(entries.size(), std::size_t(2));
    QCOMPARE(entries[0].text, QStringLiteral("平均"));
    QCOMPARE(entries[1].text, QStringLiteral("最高"));
    QCOMPARE(lowest.points().size(), std::size_t(3));
    lowest.setActive(true);
    QCOMPARE(layoutChart(chart, area).bars.size(), std::size_t(9));

    // The automatic style lists the points while fewer than two series are shown.
    chart.legend.legendStyle = LegendStyle::Auto;
    QCOMPARE(legendEntries(chart).size(), std::size_t(3));
    chart.series()[0]->setActive(false);
    chart.series()[2]->setActive(false);
    entries = legendEntries(chart);
    QCOMPARE(entries.size(), std::size_t(3));
    QCOMPARE(entries.back().text, QStringLiteral("エネオス"));
}

void ChartTest::pointColourWinsOverSeriesColour()
{
    Chart chart;
    setUpPagedChart(chart, PagedKind::Bar, 12, {});
    ChartSeries &bars = *chart.series()[0];
    bars.addPoint(1, 14, QStringLiteral("1"), QColor(0, 0, 255));
    bars.addPoint(2, 15, QStringLiteral("2"));
    const ChartLayout layout = layoutChart(chart, area);
    QCOMPARE(layout.bars[0].color, QColor(0, 0, 255));
    QCOMPARE(layout.bars[1].color, QColor(Qt::red));

    for (qreal ratio : {1.0, 2.0}) {
        const QImage image = renderChartImage(chart, area.size().toSize(), ratio);
        QCOMPARE(pixelAt(image, layout.bars[0].front.center()), QColor(0, 0, 255));
        QCOMPARE(pixelAt(image, layout.bars[1].front.center()), QColor(Qt::red));
    }
}

void ChartTest::marksFormatTheirValues()
{
    Chart chart;
    setUpPagedChart(chart, PagedKind::Bar, 12, {15, 12.34, 1234.5, 0.05});
    const ChartSeries &bars = *chart.series()[0];
    QStringList texts;
    for (const ChartPoint &p : bars.points())
        texts << bars.markText(p);
    QCOMPARE(texts, (QStringList{u"15"_qs, u"12.3"_qs, u"1,234.5"_qs, u"0.1"_qs}));

    // Without a format of its own a series shows up to three decimals.
    const ChartSeries &line = *chart.series()[1];
    const_cast<ChartSeries &>(line).valueFormat = "#,##0.###";
    QCOMPARE(line.markText(line.points()[1]), u"12.34"_qs);

    // A horizontal bar shows its length; a slice its label and value.
    Chart bars2;
    setUpMakerBars(bars2, 1);
    const ChartSeries &average = *bars2.series()[0];
    QCOMPARE(average.markText(average.points()[0]), u"12.5"_qs);
    Chart pie;
    const PieSeries *slices = setUpMakerPie(pie, 2, 0);
    QCOMPARE(slices->markText(slices->points()[1]), u"出光 10"_qs);
}

void ChartTest::marksDoNotOverlap()
{
    for (auto setUp : {+[](Chart &c) { setUpPagedChart(c, PagedKind::Bar, 20,
                                                       std::vector<double>(20, 1234.5)); },
                       +[](Chart &c) { setUpMakerPie(c, 20, 0); }}) {
        Chart chart;
        setUp(chart);
        const ChartLayout layout = layoutChart(chart, QRectF(0, 0, 800, 600));
        QCOMPARE(layout.marks.size(), std::size_t(20));
        for (std::size_t i = 0; i < layout.marks.size(); ++i)
            for (std::size_t j = i + 1; j < layout.marks.size(); ++j)
                QVERIFY2(!layout.marks[i].box.intersects(layout.marks[j].box),
                         qPrintable(QStringLiteral("marks %1 and %2").arg(i).arg(j)));
    }
}

void ChartTest::gradientRunsFromEndToStartColour()
{
    Chart chart;
    setUpPagedChart(chart, PagedKind::Bar, 20, {});
    for (qreal ratio : {1.0, 2.0}) {
        const QImage image = renderChartImage(chart, QSize(420, 224), ratio);
        QCOMPARE(image.pixelColor(3, 0), QColor(Qt::white));
        QCOMPARE(image.pixelColor(3, image.height() - 1), QColor(128, 255, 128));
    }
    Chart sideways;
    setUpMakerBars(sideways, 2);
    const QImage image = renderChartImage(sideways, QSize(420, 300));
    QCOMPARE(image.pixelColor(0, 150), QColor(255, 172, 132));
    QCOMPARE(image.pixelColor(419, 150), QColor(Qt::white));
}

void ChartTest::pointsKeepTheirOrder()
{
    Chart chart;
    auto *bars = chart.addSeries<BarSeries>();
    bars->addPoint(3, 1, u"c"_qs);
    bars->addPoint(1, 1, u"a"_qs);
    bars->addPoint(3, 2, u"d"_qs);
    bars->addPoint(2, 1, u"b"_qs);
    QStringList labels;
    for (const ChartPoint &p : bars->points())
        labels << p.label;
    QCOMPARE(labels, (QStringList{u"a"_qs, u"b"_qs, u"c"_qs, u"d"_qs}));

    Chart pieChart;
    auto *pie = pieChart.addSeries<PieSeries>();
    pie->addSlice(5, u"x"_qs);
    pie->addSlice(1, u"y"_qs);
    QCOMPARE(pie->points()[0].label, u"x"_qs);
}

void ChartTest::rightDragPansOnlyWhereAllowed()
{
    ChartView chart;
    setUpMakerBars(chart, 3);
    chart.resize(420, 300);
    chart.show();
    QVERIFY(QTest::qWaitForWindowExposed(&chart));
    chart.repaint();
    QTest::mousePress(&chart, Qt::RightButton, {}, QPoint(200, 150));
    QMouseEvent move(QEvent::MouseMove, QPointF(150, 150), chart.mapToGlobal(QPointF(150, 150)),
                     Qt::NoButton, Qt::RightButton, Qt::NoModifier);
    QApplication::sendEvent(&chart, &move);
    QTest::mouseRelease(&chart, Qt::RightButton, {}, QPoint(150, 150));
    QVERIFY(chart.panHorizontal() > 0);

    ChartView fixed;
    setUpPagedChart(fixed, PagedKind::Bar, 20, sampleEconomy(5));
    fixed.resize(420, 300);
    fixed.show();
    QVERIFY(QTest::qWaitForWindowExposed(&fixed));
    fixed.repaint();
    QTest::mousePress(&fixed, Qt::RightButton, {}, QPoint(200, 150));
    QApplication::sendEvent(&fixed, &move);
    QCOMPARE(fixed.panHorizontal(), 0.0);
}

void ChartTest::writeImagesOfEveryKind()
{
    const QDir dir(QStringLiteral(FENLO_CHART_IMAGE_DIR));
    QVERIFY(dir.mkpath(QStringLiteral(".")));
    struct Picture
    {
        QString name;
        QSize size;
        std::function<void(Chart &)> setUp;
    };
    const std::vector<Picture> pictures = {
        {u"bars-3-of-12"_qs, {542, 252}, [](Chart &c) {
             setUpPagedChart(c, PagedKind::Bar, 12, sampleEconomy(3)); }},
        {u"bars-20"_qs, {421, 224}, [](Chart &c) {
             setUpPagedChart(c, PagedKind::Bar, 20, sampleEconomy(20)); }},
        {u"ribbon-20"_qs, {421, 224}, [](Chart &c) {
             setUpPagedChart(c, PagedKind::Ribbon, 20, sampleEconomy(20)); }},
        {u"area-12"_qs, {542, 252}, [](Chart &c) {
             setUpPagedChart(c, PagedKind::Area, 12, sampleEconomy(12)); }},
        {u"horizontal-bars"_qs, {425, 312}, [](Chart &c) { setUpMakerBars(c, 5); }},
        {u"pie-20-at-0"_qs, {457, 227}, [](Chart &c) { setUpMakerPie(c, 20, 0); }},
        {u"pie-20-at-45"_qs, {457, 227}, [](Chart &c) { setUpMakerPie(c, 20, 45); }},
    };
    for (const Picture &picture : pictures) {
        Chart chart;
        picture.setUp(chart);
        for (qreal ratio : {1.0, 2.0}) {
            const QImage image = renderChartImage(chart, picture.size, ratio);
            const QString file = dir.filePath(picture.name + (ratio > 1 ? u"@2x.png"_qs
                                                                       : u".png"_qs));
            QVERIFY2(image.save(file), qPrintable(file));
        }
    }
}

QTEST_MAIN(ChartTest)
#include "chart_test.moc"
