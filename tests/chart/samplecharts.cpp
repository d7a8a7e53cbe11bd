#include "samplecharts.h"

#include <cmath>

namespace fenlo::test {

namespace {

const QColor pieColours[] = {
    {255, 0, 0},     {0, 0, 255},     {0, 255, 0},     {0, 255, 255},   {0, 128, 0},
    {255, 255, 0},   {128, 0, 0},     {0, 0, 128},     {128, 128, 0},   {128, 0, 128},
    {0, 128, 128},   {255, 255, 0},   {255, 0, 255},   {192, 192, 192}, {255, 0, 0},
    {255, 255, 255}, {128, 128, 128}, {0, 0, 0},       {128, 128, 128}, {192, 192, 192},
};

QString makerName(int i)
{
    static const QString names[] = {
        QStringLiteral("エネオス"), QStringLiteral("出光"),     QStringLiteral("コスモ"),
        QStringLiteral("昭和シェル"), QStringLiteral("キグナス"), QStringLiteral("ＪＡ－ＳＳ"),
    };
    return i < 6 ? names[i] : QStringLiteral("スタンド%1").arg(i + 1);
}

} // namespace

std::vector<double> sampleEconomy(int count)
{
    std::vector<double> values;
    for (int i = 0; i < count; ++i)
        values.push_back(std::round((12.5 + 2.5 * std::sin(i * 1.3) + (i % 3) * 0.4) * 10) / 10);
    return values;
}

void setUpPagedChart(ChartModel &chart, PagedKind kind, int perPage,
                     const std::vector<double> &values)
{
    chart.allowZoom = false;
    chart.allowPanning = PanningMode::None;
    chart.gradient.visible = true;
    chart.gradient.startColor = QColor(128, 255, 128);
    chart.gradient.endColor = Qt::white;
    chart.backWall.brush.color = Qt::white;
    chart.backWall.brush.style = Qt::NoBrush;
    chart.bottomWall.color = QColor(255, 128, 128);
    chart.title.text = QStringList{QString()};
    chart.legend.visible = false;
    chart.leftAxis.title.caption = QStringLiteral("燃費(km/L)");
    chart.maxPointsPerPage = perPage;
    chart.scaleLastPage = false;

    auto *bars = chart.addSeries<BarSeries>();
    bars->seriesColor = Qt::red;
    bars->barWidthPercent = 60;
    bars->multiBar = false;
    bars->useYOrigin = false;
    bars->marks.arrowLength = 20;
    bars->yValues.name = QStringLiteral("縦棒");
    auto *line = chart.addSeries<LineSeries>();
    line->seriesColor = Qt::green;
    auto *area = chart.addSeries<AreaSeries>();
    area->seriesColor = Qt::yellow;
    for (ChartSeries *s : {static_cast<ChartSeries *>(bars), static_cast<ChartSeries *>(line),
                           static_cast<ChartSeries *>(area)}) {
        s->marks.visible = true;
        s->valueFormat = "#,##0.#";
        s->setActive(false);
        for (std::size_t k = 0; k < values.size(); ++k)
            s->addPoint(double(k + 1), values[k], QString::number(k + 1), QColor(0, 0, 255));
    }
    (kind == PagedKind::Bar      ? static_cast<ChartSeries *>(bars)
     : kind == PagedKind::Ribbon ? static_cast<ChartSeries *>(line)
                                 : static_cast<ChartSeries *>(area))
        ->setActive(true);
}

void setUpMakerBars(ChartModel &chart, int makers)
{
    chart.allowZoom = false;
    chart.gradient.visible = true;
    chart.gradient.startColor = Qt::white;
    chart.gradient.endColor = QColor(255, 172, 132);
    chart.gradient.direction = GradientDirection::LeftRight;
    chart.backWall.brush.style = Qt::NoBrush;
    chart.title.text = QStringList{QStringLiteral(" ")};
    chart.legend.legendStyle = LegendStyle::Series;

    struct MakerSeries
    {
        const char16_t *title;
        QColor colour;
        double offset;
    };
    const MakerSeries looks[] = {{u"平均", QColor(0, 128, 0), 0},
                          {u"最低", QColor(255, 0, 0), -2.1},
                          {u"最高", QColor(0, 0, 255), 2.4}};
    std::vector<HorizontalBarSeries *> series;
    for (const MakerSeries &look : looks) {
        auto *s = chart.addSeries<HorizontalBarSeries>();
        s->title = QString::fromUtf16(look.title);
        s->seriesColor = look.colour;
        s->marks.visible = true;
        s->marks.arrowLength = 20;
        s->valueFormat = "#,##0.#";
        s->xValues.name = QStringLiteral("縦棒");
        series.push_back(s);
    }
    const auto averages = sampleEconomy(makers);
    for (int i = makers - 1, p = 1; i >= 0; --i, ++p) {
        for (std::size_t s = 0; s < series.size(); ++s)
            series[s]->addPoint(averages[std::size_t(i)] + looks[s].offset, p, makerName(i),
                                looks[s].colour);
    }
}

PieSeries *setUpMakerPie(ChartModel &chart, int makers, int rotation)
{
    chart.allowZoom = false;
    chart.allowPanning = PanningMode::None;
    chart.gradient.visible = true;
    chart.gradient.startColor = Qt::white;
    chart.gradient.endColor = QColor(255, 157, 111);
    chart.backWall.brush.style = Qt::NoBrush;
    chart.backWall.pen.visible = false;
    chart.title.visible = false;
    chart.axisVisible = false;
    chart.frame.visible = false;
    chart.clipPoints = false;
    chart.view3DOptions = View3DOptions{315, 360, 0, false};
    chart.view3DWalls = false;

    auto *pie = chart.addSeries<PieSeries>();
    pie->marks.visible = true;
    pie->marks.arrowLength = 8;
    pie->pieValues.name = QStringLiteral("円");
    for (int i = 0; i < makers; ++i)
        pie->addSlice(double(3 + (i * 7) % 11), makerName(i), pieColours[i % 20]);
    pie->setRotationAngle(rotation);
    return pie;
}

} // namespace fenlo::test
