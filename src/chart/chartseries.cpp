#include "chart/chartseries.h"

#include "chart/chartmodel.h"
#include "data/error.h"
#include "data/numformat.h"

#include <algorithm>

namespace fenlo {

void ChartSeries::setActive(bool active)
{
    if (active_ == active)
        return;
    active_ = active;
    changed();
}

void ChartSeries::clearPoints()
{
    points_.clear();
    changed();
}

void ChartSeries::addPoint(double x, double y, const QString &label, const QColor &color)
{
    ChartPoint point{x, y, label, color};
    auto at = points_.end();
    if (positionValues().order == ValueOrder::Ascending) {
        // After any equal positions, so points added in order stay in that order.
        at = std::upper_bound(
            points_.begin(), points_.end(), positionOf(point),
            [this](double position, const ChartPoint &p) { return position < positionOf(p); });
    }
    points_.insert(at, std::move(point));
    changed();
}

QColor ChartSeries::colorOf(const ChartPoint &point) const
{
    return point.color.isValid() ? point.color : seriesColor;
}

QString ChartSeries::markText(const ChartPoint &point) const
{
    const QString value = QString::fromStdString(formatMask(markValueOf(point), valueFormat));
    if (marks.style == MarksStyle::LabelValue)
        return point.label + u' ' + value;
    return value;
}

void ChartSeries::changed()
{
    owner_.seriesChanged();
}

void PieSeries::addSlice(double value, const QString &label, const QColor &color)
{
    addPoint(double(points().size()), value, label, color);
}

void PieSeries::setRotationAngle(int degrees)
{
    if (degrees < 0)
        throw FenloError("円グラフの回転角度に負の値は指定できません");
    const int angle = degrees % 360;
    if (angle == rotation_)
        return;
    rotation_ = angle;
    changed();
}

} // namespace fenlo
