#include "graphs/economybarschart.h"

#include "chart/chartmodel.h"

namespace fenlo {

namespace {

const QColor HighestColour(0, 0, 255);
const QColor LowestColour(255, 0, 0);
const QColor AverageColour(0, 128, 0);

} // namespace

EconomyBarsChart::EconomyBarsChart(ChartModel &chart, const QColor &gradientLeft,
                                   std::vector<EconomyBar> rows)
    : rows_(std::move(rows))
{
    chart.allowZoom = false;
    chart.gradient.visible = true;
    chart.gradient.startColor = Qt::white;
    chart.gradient.endColor = gradientLeft;
    chart.gradient.direction = GradientDirection::LeftRight;
    chart.backWall.brush.style = Qt::NoBrush;
    chart.title.text = QStringList{QStringLiteral(" ")};
    chart.legend.visible = true;
    chart.legend.legendStyle = LegendStyle::Series;

    // Drawing order puts the average first, so it stands lowest in each group of bars.
    auto add = [&chart](const QString &title, const QColor &colour) {
        auto *s = chart.addSeries<HorizontalBarSeries>();
        s->title = title;
        s->seriesColor = colour;
        s->marks.visible = true;
        s->marks.style = MarksStyle::Value;
        s->marks.arrowLength = 20;
        s->valueFormat = "#,##0.#";
        s->xValues.name = QStringLiteral("縦棒");
        s->multiBar = true;
        return s;
    };
    averageSeries_ = add(QStringLiteral("平均"), AverageColour);
    lowestSeries_ = add(QStringLiteral("最低"), LowestColour);
    highestSeries_ = add(QStringLiteral("最高"), HighestColour);
}

void EconomyBarsChart::fill()
{
    for (HorizontalBarSeries *s : {highestSeries_, lowestSeries_, averageSeries_})
        s->clearPoints();
    // The last row stands at position 1, at the bottom, so the bars read down in list order.
    double position = 1;
    for (auto row = rows_.rbegin(); row != rows_.rend(); ++row, ++position) {
        averageSeries_->addPoint(row->average, position, row->name, AverageColour);
        lowestSeries_->addPoint(row->lowest, position, row->name, LowestColour);
        highestSeries_->addPoint(row->highest, position, row->name, HighestColour);
    }
}

void EconomyBarsChart::showFigures(bool highest, bool lowest, bool average)
{
    highestSeries_->setActive(highest);
    lowestSeries_->setActive(lowest);
    averageSeries_->setActive(average);
}

void EconomyBarsChart::showOnly(EconomyFigure figure)
{
    showFigures(figure == EconomyFigure::Highest, figure == EconomyFigure::Lowest,
                figure == EconomyFigure::Average);
}

} // namespace fenlo
