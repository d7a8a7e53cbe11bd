#pragma once

#include "chart/chartlayout.h"

#include <QImage>
#include <QPainter>
#include <QSize>

namespace fenlo {

// Paints a computed chart; the widget and offscreen images both come through here.
void paintChart(QPainter &painter, const ChartLayout &layout);

// The chart drawn into an image of size (in device-independent pixels) at the given
// device pixel ratio.
QImage renderChartImage(const ChartModel &chart, QSize size, qreal devicePixelRatio = 1.0);

} // namespace fenlo
