#include "chart/layoutparts.h"
#include "chart/marklayout.h"
#include "data/numformat.h"

#include <QFontMetricsF>

#include <algorithm>
#include <cmath>
#include <limits>

namespace fenlo {

namespace {

constexpr qreal tickLength = 4;
constexpr double depthShare = 0.15;
constexpr int sideBySideShare = 70; // percent of a slot for a group of side-by-side bars

bool isBar(const ChartSeries &s)
{
    return s.kind() == SeriesKind::Bar || s.kind() == SeriesKind::HorizBar;
}

// What the plot needs to know about the active series before it can place anything.
struct Extent
{
    bool horizontal = false; // horizontal bars: positions run up the vertical axis
    double firstPosition = std::numeric_limits<double>::max();
    double lastPosition = std::numeric_limits<double>::lowest();
    double lowValue = std::numeric_limits<double>::max();
    double highValue = std::numeric_limits<double>::lowest();
    std::size_t mostPoints = 0;
    bool hasBars = false;
    bool fromOrigin = false; // a bar series grows from a fixed origin value
    const ChartSeries *marked = nullptr; // a series with marks, for sizing the headroom

    bool empty() const { return mostPoints == 0; }
};

double positionOf(const Extent &e, const ChartPoint &p)
{
    return e.horizontal ? p.y : p.x;
}
double valueOf(const Extent &e, const ChartPoint &p)
{
    return e.horizontal ? p.x : p.y;
}

Extent measure(const ChartModel &chart, const std::vector<const ChartSeries *> &active)
{
    Extent e;
    e.horizontal = std::any_of(chart.series().begin(), chart.series().end(),
                               [](const auto &s) { return s->kind() == SeriesKind::HorizBar; });
    for (const ChartSeries *s : active) {
        const auto points = shownPoints(chart, *s);
        e.mostPoints = std::max(e.mostPoints, points.size());
        if (isBar(*s)) {
            e.hasBars = true;
            const auto &bar = static_cast<const BarSeries &>(*s);
            if (bar.useYOrigin) {
                e.lowValue = std::min(e.lowValue, bar.yOrigin);
                e.highValue = std::max(e.highValue, bar.yOrigin);
                e.fromOrigin = true;
            }
        }
        if (s->marks.visible && !points.empty())
            e.marked = s;
        for (const ChartPoint &p : points) {
            e.firstPosition = std::min(e.firstPosition, positionOf(e, p));
            e.lastPosition = std::max(e.lastPosition, positionOf(e, p));
            e.lowValue = std::min(e.lowValue, valueOf(e, p));
            e.highValue = std::max(e.highValue, valueOf(e, p));
        }
    }
    return e;
}

// The position axis: from the first to the last position, stretched on a short page so the
// points keep to the left as they would on a full one.
AxisScale positionScale(const ChartModel &chart, const Extent &e)
{
    AxisScale scale;
    scale.step = 1;
    if (e.empty()) {
        scale.min = 0;
        scale.max = std::max(1, chart.maxPointsPerPage);
        return scale;
    }
    scale.min = e.firstPosition;
    scale.max = e.lastPosition;
    const auto perPage = std::size_t(std::max(0, chart.maxPointsPerPage));
    if (perPage > 0) {
        if (e.mostPoints < perPage && !chart.scaleLastPage)
            scale.max = scale.min + (scale.max - scale.min) * double(perPage) / e.mostPoints;
        if (scale.max == scale.min)
            scale.max = scale.min + double(perPage - 1);
    }
    if (scale.max == scale.min) {
        scale.min -= 1;
        scale.max += 1;
    }
    return scale;
}

// Maps axis values onto a pixel stretch, keeping margin pixels free at both ends.
struct Mapping
{
    double min, max;
    double from, to;
    double margin;

    double operator()(double v) const
    {
        const double inner = (to - from) - (to > from ? 2 : -2) * margin;
        const double start = from + (to > from ? margin : -margin);
        return start + (v - min) / (max - min) * inner;
    }
};

QString positionLabel(const ChartPoint &p, double position)
{
    return p.label.isEmpty() ? QString::fromStdString(formatMask(position, "#,##0.###"))
                             : p.label;
}

class CartesianBuilder
{
public:
    CartesianBuilder(const ChartModel &chart, ChartLayout &out)
        : chart_(chart), out_(out), active_(chart.activeSeries()), e_(measure(chart, active_)),
          labelFont_(chart.leftAxis.labelsFont.toQFont()), labelMetrics_(labelFont_)
    {
    }

    void build(const QRectF &area);

private:
    void placeFrame(const QRectF &area);
    void addWalls();
    void addAxes();
    void addSeries();
    void addBars(const BarSeries &series, int group, int groupSize,
                 std::vector<PendingMark> &marks);
    void addLine(const ChartSeries &series, std::vector<PendingMark> &marks);
    void addText(const QString &text, const QRectF &rect, const ChartFont &font, int flags,
                 qreal rotation = 0);
    QRectF positionLabelRect(double pixel, const QString &text) const;

    double markHeadroom(double slotPixels) const;

    const ChartModel &chart_;
    ChartLayout &out_;
    std::vector<const ChartSeries *> active_;
    Extent e_;
    QFont labelFont_;
    QFontMetricsF labelMetrics_;
    AxisScale positions_, values_;
    QRectF front_;
    QPointF depth_;
    Mapping position_{}, value_{};
    double slot_ = 0;
};

double CartesianBuilder::markHeadroom(double slotPixels) const
{
    if (!e_.marked)
        return 0;
    double widest = 0;
    for (const ChartPoint &p : shownPoints(chart_, *e_.marked)) {
        const QFontMetricsF m(e_.marked->marks.font.toQFont());
        widest = std::max(widest, m.horizontalAdvance(e_.marked->markText(p)) + 8);
    }
    const QFontMetricsF m(e_.marked->marks.font.toQFont());
    const double arrow = e_.marked->marks.arrowLength + depth_.x();
    if (e_.horizontal)
        return arrow + widest + 4;
    // Narrow slots make neighbouring marks climb over each other: leave room for two rows.
    const int rows = widest > slotPixels ? 2 : 1;
    return arrow + rows * (m.height() + 3) + 2;
}

void CartesianBuilder::build(const QRectF &area)
{
    placeFrame(area);
    if (chart_.view3DWalls)
        addWalls();
    if (chart_.axisVisible)
        addAxes();
    addSeries();
    out_.plot = front_;
    out_.horizontal = e_.horizontal ? values_ : positions_;
    out_.vertical = e_.horizontal ? positions_ : values_;
    if (chart_.clipPoints) {
        out_.clip = QRectF(front_.left(), front_.top() + depth_.y(), front_.width() + depth_.x(),
                           front_.height() - depth_.y());
    }
}

void CartesianBuilder::placeFrame(const QRectF &area)
{
    const double lineHeight = std::ceil(labelMetrics_.height());
    positions_ = positionScale(chart_, e_);
    shiftScale(positions_, e_.horizontal ? chart_.panVertical() : chart_.panHorizontal());

    // The value labels decide the left margin, so the value scale comes first; its tick count
    // only depends on the height, which is known.
    const double valueLength = e_.horizontal ? area.width() * 0.7 : area.height() * 0.8;
    const double spacing = e_.horizontal ? labelMetrics_.horizontalAdvance(QStringLiteral("0,000.0")) + 12
                                         : lineHeight * 2.2;
    const int maxTicks = std::max(2, int(valueLength / spacing));
    values_ = e_.empty() ? niceScale(0, 1, maxTicks)
                         : niceScale(e_.lowValue, e_.highValue, maxTicks);
    if (!e_.fromOrigin && !e_.empty() && e_.lowValue - values_.min < values_.step * 1e-6) {
        // Bars rise from the axis minimum and lines would lie on the floor: keep the lowest
        // value clear of it.
        values_.min -= values_.step;
        extendScale(values_, values_.max);
    }
    shiftScale(values_, e_.horizontal ? chart_.panHorizontal() : chart_.panVertical());

    double leftWidth = 0;
    if (chart_.axisVisible) {
        if (e_.horizontal) {
            for (const ChartSeries *s : active_)
                for (const ChartPoint &p : shownPoints(chart_, *s))
                    leftWidth = std::max(leftWidth, labelMetrics_.horizontalAdvance(
                                                        positionLabel(p, p.y)));
            leftWidth = std::min(leftWidth, area.width() * 0.35);
        } else {
            for (double t : values_.ticks)
                leftWidth = std::max(leftWidth, labelMetrics_.horizontalAdvance(
                                                    QString::fromStdString(
                                                        formatMask(t, "#,##0.###"))));
        }
        leftWidth += tickLength + 3;
        if (!chart_.leftAxis.title.caption.isEmpty())
            leftWidth += QFontMetricsF(chart_.leftAxis.title.font.toQFont()).height() + 2;
    }
    const double bottomHeight = chart_.axisVisible ? lineHeight + tickLength + 2 : 0;
    // Whole pixels, so the axes and walls are drawn crisp.
    QRectF plot = QRectF(area.adjusted(std::ceil(leftWidth), lineHeight / 2, -lineHeight / 2,
                                       -bottomHeight)
                             .toRect());
    if (!chart_.bottomAxis.title.caption.isEmpty())
        plot.setBottom(plot.bottom() - lineHeight - 2);

    const double depth = chart_.view3D ? depthShare * std::min(plot.width(), plot.height()) : 0;
    depth_ = QPointF(std::round(depth), -std::round(depth * 0.75));
    front_ = QRectF(plot.left(), plot.top() - depth_.y(), plot.width() - depth_.x(),
                    plot.height() + depth_.y());

    const double positionLength = e_.horizontal ? front_.height() : front_.width();
    const std::size_t slots =
        chart_.maxPointsPerPage > 0 ? std::size_t(chart_.maxPointsPerPage) : e_.mostPoints;
    slot_ = positionLength / double(std::max<std::size_t>(1, slots));
    const double barMargin = e_.hasBars ? slot_ / 2 : 0;

    const double headroom = std::min(markHeadroom(slot_), (e_.horizontal ? front_.width()
                                                                          : front_.height()) /
                                                              3);
    const double valueLengthPx = (e_.horizontal ? front_.width() : front_.height()) - headroom;
    if (headroom > 0 && valueLengthPx > 0)
        extendScale(values_, values_.min + values_.span() * (valueLengthPx + headroom) /
                                               valueLengthPx);

    if (e_.horizontal) {
        position_ = {positions_.min, positions_.max, front_.bottom(), front_.top(), barMargin};
        value_ = {values_.min, values_.max, front_.left(), front_.right(), 0};
    } else {
        position_ = {positions_.min, positions_.max, front_.left(), front_.right(), barMargin};
        value_ = {values_.min, values_.max, front_.bottom(), front_.top(), 0};
    }
}

void CartesianBuilder::addWalls()
{
    const QRectF back = front_.translated(depth_);
    WallShapes walls;
    walls.back = QPolygonF(back);
    walls.back.removeLast();
    walls.left = QPolygonF({front_.topLeft(), back.topLeft(), back.bottomLeft(),
                            front_.bottomLeft()});
    walls.bottom = QPolygonF({front_.bottomLeft(), front_.bottomRight(), back.bottomRight(),
                              back.bottomLeft()});
    walls.backBrush = QBrush(chart_.backWall.brush.color, chart_.backWall.brush.style);
    walls.bottomColor = chart_.bottomWall.color;
    walls.backPen = chart_.backWall.pen.visible;
    walls.frame = chart_.frame.visible;
    out_.walls = walls;
}

QRectF CartesianBuilder::positionLabelRect(double pixel, const QString &text) const
{
    const double w = std::ceil(labelMetrics_.horizontalAdvance(text)) + 2;
    const double h = std::ceil(labelMetrics_.height());
    if (e_.horizontal)
        return QRectF(out_.bounds.left(), pixel - h / 2,
                      front_.left() - tickLength - 2 - out_.bounds.left(), h);
    return QRectF(pixel - w / 2, front_.bottom() + tickLength + 1, w, h);
}

void CartesianBuilder::addText(const QString &text, const QRectF &rect, const ChartFont &font,
                               int flags, qreal rotation)
{
    out_.texts.push_back(ChartText{text, rect, font.toQFont(), font.color, flags, rotation});
}

void CartesianBuilder::addAxes()
{
    const QRectF back = front_.translated(depth_);
    out_.axisLines.push_back(QLineF(front_.bottomLeft(), front_.topLeft()));
    out_.axisLines.push_back(QLineF(front_.bottomLeft(), front_.bottomRight()));
    const double h = std::ceil(labelMetrics_.height());

    // Value ticks: a grid line across the back wall and along the floor or the side wall.
    for (double t : values_.ticks) {
        const double px = value_(t);
        const QString text = QString::fromStdString(formatMask(t, "#,##0.###"));
        if (e_.horizontal) {
            out_.gridLines.push_back(QLineF(px + depth_.x(), back.top(), px + depth_.x(),
                                            back.bottom()));
            out_.gridLines.push_back(QLineF(px, front_.bottom(), px + depth_.x(), back.bottom()));
            out_.axisLines.push_back(QLineF(px, front_.bottom(), px, front_.bottom() + tickLength));
            const double w = std::ceil(labelMetrics_.horizontalAdvance(text)) + 2;
            addText(text, QRectF(px - w / 2, front_.bottom() + tickLength + 1, w, h),
                    chart_.leftAxis.labelsFont, Qt::AlignCenter);
        } else {
            out_.gridLines.push_back(QLineF(back.left(), px + depth_.y(), back.right(),
                                            px + depth_.y()));
            out_.gridLines.push_back(QLineF(front_.left(), px, back.left(), px + depth_.y()));
            out_.axisLines.push_back(QLineF(front_.left() - tickLength, px, front_.left(), px));
            addText(text,
                    QRectF(out_.bounds.left(), px - h / 2,
                           front_.left() - tickLength - 2 - out_.bounds.left(), h),
                    chart_.leftAxis.labelsFont, Qt::AlignRight | Qt::AlignVCenter);
        }
    }

    // Position labels: the points' own labels, skipping any that would touch the one before.
    std::vector<std::pair<double, QString>> labels;
    for (const ChartSeries *s : active_) {
        for (const ChartPoint &p : shownPoints(chart_, *s)) {
            const double pos = positionOf(e_, p);
            if (std::none_of(labels.begin(), labels.end(),
                             [pos](const auto &l) { return l.first == pos; }))
                labels.emplace_back(pos, positionLabel(p, pos));
        }
    }
    std::sort(labels.begin(), labels.end(),
              [](const auto &a, const auto &b) { return a.first < b.first; });
    std::optional<QRectF> previous;
    for (const auto &[pos, text] : labels) {
        const double px = position_(pos);
        if (pos < positions_.min || pos > positions_.max)
            continue;
        const QRectF rect = positionLabelRect(px, text);
        if (previous && previous->adjusted(-3, -1, 3, 1).intersects(rect))
            continue;
        previous = rect;
        if (e_.horizontal) {
            out_.axisLines.push_back(QLineF(front_.left() - tickLength, px, front_.left(), px));
            addText(labelMetrics_.elidedText(text, Qt::ElideRight, rect.width()), rect,
                    chart_.leftAxis.labelsFont, Qt::AlignRight | Qt::AlignVCenter);
        } else {
            out_.axisLines.push_back(QLineF(px, front_.bottom(), px, front_.bottom() + tickLength));
            addText(text, rect, chart_.bottomAxis.labelsFont, Qt::AlignCenter);
        }
    }

    if (!chart_.leftAxis.title.caption.isEmpty()) {
        const QFontMetricsF m(chart_.leftAxis.title.font.toQFont());
        const double w = m.horizontalAdvance(chart_.leftAxis.title.caption) + 4;
        const double th = std::ceil(m.height());
        const QPointF centre(out_.bounds.left() + th / 2 + 1, front_.center().y());
        addText(chart_.leftAxis.title.caption,
                QRectF(centre.x() - w / 2, centre.y() - th / 2, w, th), chart_.leftAxis.title.font,
                Qt::AlignCenter, 90);
    }
    if (!chart_.bottomAxis.title.caption.isEmpty()) {
        const QRectF rect(front_.left(), front_.bottom() + tickLength + h + 2, front_.width(), h);
        addText(chart_.bottomAxis.title.caption, rect, chart_.bottomAxis.title.font,
                Qt::AlignCenter);
    }
}

void CartesianBuilder::addSeries()
{
    std::vector<const BarSeries *> sideBySide;
    for (const ChartSeries *s : active_) {
        if (isBar(*s) && static_cast<const BarSeries *>(s)->multiBar)
            sideBySide.push_back(static_cast<const BarSeries *>(s));
    }
    std::vector<PendingMark> marks;
    for (const ChartSeries *s : active_) {
        if (isBar(*s)) {
            const auto *bar = static_cast<const BarSeries *>(s);
            const auto at = std::find(sideBySide.begin(), sideBySide.end(), bar);
            if (at == sideBySide.end())
                addBars(*bar, 0, 1, marks);
            else
                addBars(*bar, int(at - sideBySide.begin()), int(sideBySide.size()), marks);
        } else if (s->kind() == SeriesKind::Line || s->kind() == SeriesKind::Area) {
            addLine(*s, marks);
        }
    }
    // Boxes further back are painted first so the nearer ones cover them.
    if (e_.horizontal) {
        std::stable_sort(out_.bars.begin(), out_.bars.end(), [](const auto &a, const auto &b) {
            return a.front.bottom() > b.front.bottom();
        });
    } else {
        std::stable_sort(out_.bars.begin(), out_.bars.end(), [](const auto &a, const auto &b) {
            return a.front.left() < b.front.left();
        });
    }
    auto placed = placeMarks(std::move(marks), out_.bounds);
    out_.marks.insert(out_.marks.end(), placed.begin(), placed.end());
}

void CartesianBuilder::addBars(const BarSeries &series, int group, int groupSize,
                               std::vector<PendingMark> &marks)
{
    const int percent = groupSize > 1 ? sideBySideShare : series.barWidthPercent;
    const double groupWidth = slot_ * percent / 100.0;
    const double thickness = groupWidth / groupSize;
    const double base = series.useYOrigin ? value_(series.yOrigin) : value_(values_.min);
    for (const ChartPoint &p : shownPoints(chart_, series)) {
        const double centre = position_(positionOf(e_, p));
        const double tip = value_(valueOf(e_, p));
        QRectF front;
        QPointF anchor, away;
        if (e_.horizontal) {
            // The first series of a group lies on top, in the order of the legend.
            const double top = centre - groupWidth / 2 + group * thickness;
            front = QRectF(QPointF(std::min(base, tip), top), QPointF(std::max(base, tip),
                                                                      top + thickness));
            anchor = QPointF(tip + depth_.x() / 2, front.center().y() + depth_.y() / 2);
            away = QPointF(tip >= base ? 1 : -1, 0);
        } else {
            const double left = centre - groupWidth / 2 + group * thickness;
            front = QRectF(QPointF(left, std::min(base, tip)),
                           QPointF(left + thickness, std::max(base, tip)));
            anchor = QPointF(front.center().x() + depth_.x() / 2, tip + depth_.y() / 2);
            away = QPointF(0, tip <= base ? -1 : 1);
        }
        out_.bars.push_back(BarShape{front, depth_, series.colorOf(p)});
        if (series.marks.visible)
            marks.push_back(pendingMark(series, p, anchor, away));
    }
}

void CartesianBuilder::addLine(const ChartSeries &series, std::vector<PendingMark> &marks)
{
    const auto points = shownPoints(chart_, series);
    const bool area =
        series.kind() == SeriesKind::Area && static_cast<const AreaSeries &>(series).drawArea;
    const std::optional<double> base = area ? std::optional(front_.bottom()) : std::nullopt;
    auto pixel = [this](const ChartPoint &p) { return QPointF(position_(p.x), value_(p.y)); };
    for (std::size_t i = 0; i + 1 < points.size(); ++i) {
        out_.ribbons.push_back(RibbonShape{pixel(points[i]), pixel(points[i + 1]), depth_,
                                           series.colorOf(points[i]), base, false});
    }
    if (area && !points.empty()) {
        const QPointF end = pixel(points.back());
        out_.ribbons.push_back(
            RibbonShape{end, end, depth_, series.colorOf(points.back()), base, true});
    }
    if (!series.marks.visible)
        return;
    for (const ChartPoint &p : points)
        marks.push_back(pendingMark(series, p, pixel(p) + depth_ / 2, QPointF(0, -1)));
}

} // namespace

std::vector<ChartPoint> shownPoints(const ChartModel &chart, const ChartSeries &series)
{
    const auto &all = series.points();
    if (chart.maxPointsPerPage <= 0 || all.size() <= std::size_t(chart.maxPointsPerPage))
        return all;
    return {all.begin(), all.begin() + chart.maxPointsPerPage};
}

void layoutCartesian(const ChartModel &chart, const QRectF &area, ChartLayout &out)
{
    CartesianBuilder(chart, out).build(area);
}

} // namespace fenlo
