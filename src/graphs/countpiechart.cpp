#include "graphs/countpiechart.h"

#include "chart/chartmodel.h"

namespace fenlo {

CountPieChart::CountPieChart(ChartModel &chart, const CountPieLook &look,
                             std::vector<CountSlice> slices)
    : slices_(std::move(slices))
{
    chart.allowZoom = false;
    chart.allowPanning = PanningMode::None;
    chart.gradient.visible = true;
    chart.gradient.startColor = look.gradientStart;
    chart.gradient.endColor = look.gradientEnd;
    chart.gradient.direction = GradientDirection::TopBottom;
    chart.backWall.brush.style = Qt::NoBrush;
    chart.backWall.pen.visible = false;
    chart.title.visible = false;
    chart.axisVisible = false;
    chart.frame.visible = false;
    chart.clipPoints = false;
    chart.view3DOptions = View3DOptions{315, 360, 0, false};
    chart.view3DWalls = false;
    chart.legend.visible = true;

    pie_ = chart.addSeries<PieSeries>();
    pie_->title = look.seriesName;
    pie_->seriesColor = Qt::red;
    pie_->marks.visible = true;
    pie_->marks.style = MarksStyle::LabelValue;
    pie_->marks.arrowLength = 8;
    if (look.markLineColour)
        pie_->marks.arrow.color = *look.markLineColour;
    pie_->pieValues.name = look.pieValuesName;
}

void CountPieChart::fill()
{
    pie_->setActive(true);
    pie_->clearPoints();
    for (const CountSlice &slice : slices_)
        pie_->addSlice(slice.count, slice.name, slice.colour);
}

void CountPieChart::setRotationAngle(int degrees)
{
    pie_->setRotationAngle(degrees);
}

} // namespace fenlo
