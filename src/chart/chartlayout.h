#pragma once

// A chart's geometry as computed from its model: background, walls, grid and axis lines, texts,
// bars, ribbons, the pie, marks and the legend, in the coordinates they are painted at. Tests
// check these shapes without painting.

#include "chart/axisscale.h"
#include "chart/chartmodel.h"

#include <QBrush>
#include <QColor>
#include <QFont>
#include <QLineF>
#include <QPolygonF>
#include <QRectF>
#include <QString>

#include <optional>
#include <vector>

namespace fenlo {

struct ChartText
{
    QString text;
    QRectF rect; // before rotation, centred on the rotation point
    QFont font;
    QColor color;
    int flags = 0;
    qreal rotation = 0; // degrees, counter-clockwise
};

struct BackgroundShape
{
    QRectF rect;
    bool gradient = false;
    QColor start; // bottom or right edge
    QColor end;   // top or left edge
    GradientDirection direction = GradientDirection::TopBottom;
};

struct WallShapes
{
    QPolygonF back, left, bottom;
    QBrush backBrush;
    QColor bottomColor;
    bool backPen = true;
    bool frame = true;
};

// A box: its front face, pushed back by depth.
struct BarShape
{
    QRectF front;
    QPointF depth;
    QColor color;
};

// One stretch of a line between two points, drawn as a ribbon into the depth; for an area the
// ground under it is filled down to base (a y coordinate).
struct RibbonShape
{
    QPointF from, to;
    QPointF depth;
    QColor color;
    std::optional<double> base;
    bool last = false; // the closing side of an area
};

struct PieSlice
{
    double startAngle = 0; // degrees counter-clockwise from three o'clock, 0 ≤ start < 360
    double spanAngle = 0;
    QColor color;
};

struct PieShape
{
    QRectF ellipse;   // the top face
    double thickness; // how far the side drops below it
    std::vector<PieSlice> slices;
};

struct MarkShape
{
    QString text;
    QRectF box;
    QPointF anchor; // where the arrow touches the point
    QFont font;
    QColor textColor;
    QColor arrowColor;
};

struct LegendEntry
{
    QString text;
    QColor color;
    QRectF swatch;
    QRectF textRect;
};

struct LegendShape
{
    QRectF frame;
    QFont font;
    QColor textColor;
    std::vector<LegendEntry> entries;
};

// Everything the chart draws, in device-independent pixels, computed without a painter.
struct ChartLayout
{
    QRectF bounds;
    BackgroundShape background;
    std::optional<WallShapes> walls;
    std::vector<QLineF> gridLines;
    std::vector<QLineF> axisLines;
    std::vector<ChartText> texts;
    std::vector<BarShape> bars;
    std::vector<RibbonShape> ribbons;
    std::optional<PieShape> pie;
    std::vector<MarkShape> marks;
    std::optional<LegendShape> legend;
    std::optional<QRectF> clip;

    // The axes as drawn: horizontal from left to right, vertical from bottom to top.
    QRectF plot;
    AxisScale horizontal;
    AxisScale vertical;
};

// The legend's lines as the legend style and the active series ask for them.
std::vector<LegendEntry> legendEntries(const ChartModel &chart);

ChartLayout layoutChart(const ChartModel &chart, const QRectF &bounds);

} // namespace fenlo
