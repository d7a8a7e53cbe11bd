#pragma once

#include "chart/chartlayout.h"
#include "chart/chartmodel.h"

#include <QPoint>
#include <QWidget>

#include <optional>

namespace fenlo {

// The chart control of the graph windows: the model, shown in a widget that repaints on every
// change and lets the user drag the axes with the right mouse button where panning is allowed.
class ChartView : public QWidget, public ChartModel
{
    Q_OBJECT

public:
    explicit ChartView(QWidget *parent = nullptr);

    void seriesChanged() override;

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    std::optional<QPoint> dragFrom_;
    // The scales last drawn, to turn a drag in pixels into a move in axis values.
    ChartLayout drawn_;
};

} // namespace fenlo
