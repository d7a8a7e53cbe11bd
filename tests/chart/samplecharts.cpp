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
    chart.AllowZoom = false;
    chart.AllowPanning = PanningMode::None;
    chart.Gradient.Visible = true;
    chart.Gradient.StartColor = QColor(128, 255, 128);
    chart.Gradient.EndColor = Qt::white;
    chart.BackWall.Brush.Color = Qt::white;
    chart.BackWall.Brush.Style = Qt::NoBrush;
    chart.BottomWall.Color = QColor(255, 128, 128);
    chart.Title.text = QStringList{QString()};
    chart.Legend.Visible = false;
    chart.LeftAxis.Title.Caption = QStringLiteral("燃費(km/L)");
    chart.MaxPointsPerPage = perPage;
    chart.ScaleLastPage = false;

    auto *bars = chart.addSeries<BarSeries>();
    bars->SeriesColor = Qt::red;
    bars->BarWidthPercent = 60;
    bars->MultiBar = false;
    bars->UseYOrigin = false;
    bars->Marks.ArrowLength = 20;
    bars->YValues.Name = QStringLiteral("縦棒");
    auto *line = chart.addSeries<LineSeries>();
    line->SeriesColor = Qt::green;
    auto *area = chart.addSeries<AreaSeries>();
    area->SeriesColor = Qt::yellow;
    for (ChartSeries *s : {static_cast<ChartSeries *>(bars), static_cast<ChartSeries *>(line),
                            static_cast<ChartSeries *>(area)}) {
        s->Marks.Visible = true;
        s->ValueFormat = "#,##0.#";
        s->setActive(false);
        for (std::size_t k = 0; k < values.size(); ++k)
            s->AddPoint(double(k + 1), values[k], QString::number(k + 1), QColor(0, 0, 255));
    }
    (kind == PagedKind::Bar ? static_cast<ChartSeries *>(bars)
     : kind == PagedKind::Ribbon ? static_cast<ChartSeries *>(line)
                                 : static_cast<ChartSeries *>(area))
        ->setActive(true);
}

void setUpMakerBars(ChartModel &chart, int makers)
{
    chart.AllowZoom = false;
    chart.Gradient.Visible = true;
    chart.Gradient.StartColor = Qt::white;
    chart.Gradient.EndColor = QColor(255, 172, 132);
    chart.Gradient.Direction = GradientDirection::LeftRight;
    chart.BackWall.Brush.Style = Qt::NoBrush;
    chart.Title.text = QStringList{QStringLiteral(" ")};
    chart.Legend.legendStyle = LegendStyle::Series;

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
        s->Title = QString::fromUtf16(look.title);
        s->SeriesColor = look.colour;
        s->Marks.Visible = true;
        s->Marks.ArrowLength = 20;
        s->ValueFormat = "#,##0.#";
        s->XValues.Name = QStringLiteral("縦棒");
        series.push_back(s);
    }
    const auto averages = sampleEconomy(makers);
    for (int i = makers - 1, p = 1; i >= 0; --i, ++p) {
        for (std::size_t s = 0; s < series.size(); ++s)
            series[s]->AddPoint(averages[std::size_t(i)] + looks[s].offset, p, makerName(i),
                                looks[s].colour);
    }
}

PieSeries *setUpMakerPie(ChartModel &chart, int makers, int rotation)
{
    chart.AllowZoom = false;
    chart.AllowPanning = PanningMode::None;
    chart.Gradient.Visible = true;
    chart.Gradient.StartColor = Qt::white;
    chart.Gradient.EndColor = QColor(255, 157, 111);
    chart.BackWall.Brush.Style = Qt::NoBrush;
    chart.BackWall.Pen.Visible = false;
    chart.Title.Visible = false;
    chart.AxisVisible = false;
    chart.Frame.Visible = false;
    chart.ClipPoints = false;
    chart.view3DOptions = View3DOptions{315, 360, 0, false};
    chart.View3DWalls = false;

    auto *pie = chart.addSeries<PieSeries>();
    pie->Marks.Visible = true;
    pie->Marks.ArrowLength = 8;
    pie->PieValues.Name = QStringLiteral("円");
    for (int i = 0; i < makers; ++i)
        pie->AddSlice(double(3 + (i * 7) % 11), makerName(i), pieColours[i % 20]);
    pie->setRotationAngle(rotation);
    return pie;
}

} // namespace fenlo::test
