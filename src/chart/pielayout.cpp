#include "chart/layoutparts.h"
#include "chart/marklayout.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace fenlo {

namespace {

constexpr double thicknessShare = 0.15;

double radians(double degrees) { return degrees * std::numbers::pi / 180.0; }

// How much the tilt flattens the circle: an orthogonal view looks straight down on it.
double squashOf(const TView3DOptions &view)
{
    if (view.Orthogonal)
        return 1.0;
    return std::clamp(std::abs(std::sin(radians(view.Elevation))), 0.3, 1.0);
}

} // namespace

void layoutPie(const ChartModel &chart, const QRectF &area, ChartLayout &out)
{
    const auto active = chart.activeSeries();
    const auto found = std::find_if(active.begin(), active.end(), [](const TChartSeries *s) {
        return s->kind() == TSeriesKind::Pie;
    });
    if (found == active.end())
        return;
    const auto &series = static_cast<const TPieSeries &>(**found);
    const auto &points = series.points();

    double total = 0;
    for (const TChartPoint &p : points)
        total += std::max(0.0, p.y);

    const double squash = chart.View3D ? squashOf(chart.View3DOptions) : 1.0;
    const double tilt = std::sqrt(std::max(0.0, 1 - squash * squash));

    // Size the pie so the marks around it stay inside the chart.
    double markWidth = 0, markHeight = 0;
    if (series.Marks.Visible) {
        for (const TChartPoint &p : points) {
            const QRectF box = pendingMark(series, p, QPointF(), QPointF(1, 0)).shape.box;
            markWidth = std::max(markWidth, box.width());
            markHeight = std::max(markHeight, box.height());
        }
    }
    const double arrow = series.Marks.Visible ? series.Marks.ArrowLength : 0;
    const double floor = std::min(area.width(), area.height()) / 6;
    const double byWidth = (area.width() - 2 * (markWidth + arrow + 2)) / 2;
    const double byHeight =
        (area.height() - 2 * (markHeight + arrow + 2)) / (2 * squash + 2 * thicknessShare * tilt);
    const double rx = std::max(floor, std::min(byWidth, byHeight));
    const double ry = rx * squash;
    const double thickness = chart.View3D ? thicknessShare * 2 * rx * tilt : 0;
    const QPointF centre = area.center() - QPointF(0, thickness / 2);

    PieShape pie;
    pie.ellipse = QRectF(centre.x() - rx, centre.y() - ry, 2 * rx, 2 * ry);
    pie.thickness = thickness;

    std::vector<PendingMark> marks;
    double start = series.RotationAngle();
    for (const TChartPoint &p : points) {
        const double value = std::max(0.0, p.y);
        if (total <= 0 || value <= 0)
            continue;
        const double span = value / total * 360.0;
        pie.slices.push_back(PieSlice{std::fmod(start, 360.0), span, series.colorOf(p)});
        if (series.Marks.Visible) {
            const double mid = radians(start + span / 2);
            const double c = std::cos(mid), s = std::sin(mid);
            // Slices on the near side show their edge, so their arrows start from it.
            const double drop = s < 0 ? thickness : 0;
            const QPointF anchor = centre + QPointF(rx * c, -ry * s + drop);
            const QPointF away(0, s >= 0 ? -1 : 1);
            PendingMark mark = pendingMark(series, p, anchor, away);
            // The arrow points outwards; the box sits beside its tip on the outer side.
            mark.tip = anchor + QPointF(c, -s) * arrow;
            QRectF box = mark.shape.box;
            box.moveCenter(QPointF(box.center().x(), mark.tip.y()));
            if (c >= 0)
                box.moveLeft(mark.tip.x());
            else
                box.moveRight(mark.tip.x());
            mark.shape.box = box;
            marks.push_back(std::move(mark));
        }
        start += span;
    }
    out.pie = pie;

    auto placed = placeMarks(std::move(marks), out.bounds);
    out.marks.insert(out.marks.end(), placed.begin(), placed.end());
}

} // namespace fenlo
