#pragma once

// The marks of a chart: a text box beside each point, joined to it by an arrow and pushed aside
// until no box covers another.

#include "chart/chartlayout.h"

#include <QPointF>

#include <vector>

namespace fenlo {

// A mark waiting for its place: the arrow leaves anchor and ends at tip; the box sits beyond
// the tip on the side given by away, the direction it may also be pushed to clear others.
struct PendingMark
{
    MarkShape shape;
    QPointF tip;
    QPointF away; // unit vector along an axis
};

// A point's mark with its box sized for the text, beyond the arrow's tip.
PendingMark pendingMark(const ChartSeries &series, const ChartPoint &point, QPointF anchor,
                        QPointF away);

// Pushes each box that overlaps an earlier one further away, as long as it stays inside room;
// a box with no room left stays where it was.
std::vector<MarkShape> placeMarks(std::vector<PendingMark> pending, const QRectF &room);

} // namespace fenlo
