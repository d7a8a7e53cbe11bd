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
double squashOf(const View3DOptions &view)
{
    if (view.orthogonal)
        return 1.0;
    return std::clamp(std::abs(std::sin(radians(view.elevation))), 0.3, 1.0);
}

// Moves the boxes of each column apart from top to bottom, then lifts the column back in
// when it ran out of the bottom of the room.
std::vector<MarkShape> spreadColumns(std::vector<PendingMark> marks, double centreX,
                                     const QRectF &room)
{
    std::vector<MarkShape> placed;
    for (bool right : {true, false}) {
        std::vector<MarkShape> column;
        for (PendingMark &m : marks) {
            if ((m.tip.x() >= centreX) == right)
                column.push_back(m.shape);
        }
        std::stable_sort(column.begin(), column.end(), [](const auto &a, const auto &b) {
            return a.box.top() < b.box.top();
        });
        double next = room.top();
        for (MarkShape &m : column) {
            m.box.moveTop(std::max(m.box.top(), next));
            next = m.box.bottom() + 1;
        }
        double limit = room.bottom();
        for (auto it = column.rbegin(); it != column.rend(); ++it) {
            it->box.moveBottom(std::min(it->box.bottom(), limit));
            limit = it->box.top() - 1;
        }
        placed.insert(placed.end(), column.begin(), column.end());
    }
    return placed;
}

} // namespace

void layoutPie(const ChartModel &chart, const QRectF &area, ChartLayout &out)
{
    const auto active = chart.activeSeries();
    const auto found = std::find_if(active.begin(), active.end(), [](const ChartSeries *s) {
        return s->kind() == SeriesKind::Pie;
    });
    if (found == active.end())
        return;
    const auto &series = static_cast<const PieSeries &>(**found);
    const auto &points = series.points();

    double total = 0;
    for (const ChartPoint &p : points)
        total += std::max(0.0, p.y);

    const double squash = chart.view3D ? squashOf(chart.view3DOptions) : 1.0;
    const double tilt = std::sqrt(std::max(0.0, 1 - squash * squash));

    // Size the pie so the marks around it stay inside the chart.
    double markWidth = 0, markHeight = 0;
    if (series.marks.visible) {
        for (const ChartPoint &p : points) {
            const QRectF box = pendingMark(series, p, QPointF(), QPointF(1, 0)).shape.box;
            markWidth = std::max(markWidth, box.width());
            markHeight = std::max(markHeight, box.height());
        }
    }
    const double arrow = series.marks.visible ? series.marks.arrowLength : 0;
    const double floor = std::min(area.width(), area.height()) / 5;
    const double byWidth = (area.width() - 2 * (markWidth + arrow + 2)) / 2;
    const double byHeight =
        (area.height() - 2 * (markHeight + arrow + 2)) / (2 * squash + 2 * thicknessShare * tilt);
    const double rx = std::max(floor, std::min(byWidth, byHeight));
    const double ry = rx * squash;
    const double thickness = chart.view3D ? thicknessShare * 2 * rx * tilt : 0;
    const QPointF centre = area.center() - QPointF(0, thickness / 2);

    PieShape pie;
    pie.ellipse = QRectF(centre.x() - rx, centre.y() - ry, 2 * rx, 2 * ry);
    pie.thickness = thickness;

    std::vector<PendingMark> marks;
    double start = series.rotationAngle();
    for (const ChartPoint &p : points) {
        const double value = std::max(0.0, p.y);
        if (total <= 0 || value <= 0)
            continue;
        const double span = value / total * 360.0;
        pie.slices.push_back(PieSlice{std::fmod(start, 360.0), span, series.colorOf(p)});
        if (series.marks.visible) {
            const double mid = radians(start + span / 2);
            const double c = std::cos(mid), s = std::sin(mid);
            // Slices on the near side show their edge, so their arrows start from it.
            const double drop = s < 0 ? thickness : 0;
            const QPointF anchor = centre + QPointF(rx * c, -ry * s + drop);
            PendingMark mark = pendingMark(series, p, anchor, QPointF(0, 1));
            // Boxes stand in a column on either side of the pie, level with their slice.
            const double column = rx + arrow + 4;
            mark.tip = QPointF(centre.x() + (c >= 0 ? column : -column), anchor.y());
            QRectF box = mark.shape.box;
            box.moveCenter(QPointF(box.center().x(), anchor.y()));
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

    out.marks = spreadColumns(std::move(marks), centre.x(), area);
}

} // namespace fenlo
