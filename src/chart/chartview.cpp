#include "chart/chartview.h"

#include "chart/chartrenderer.h"

#include <QMouseEvent>
#include <QPainter>

namespace fenlo {

ChartView::ChartView(QWidget *parent) : QWidget(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void ChartView::seriesChanged()
{
    update();
}

void ChartView::paintEvent(QPaintEvent *)
{
    drawn_ = layoutChart(*this, QRectF(rect()));
    QPainter painter(this);
    paintChart(painter, drawn_);
}

void ChartView::mousePressEvent(QMouseEvent *event)
{
    if (event->button() == Qt::RightButton && allowPanning != PanningMode::None) {
        dragFrom_ = event->position().toPoint();
        event->accept();
        return;
    }
    QWidget::mousePressEvent(event);
}

void ChartView::mouseMoveEvent(QMouseEvent *event)
{
    if (!dragFrom_ || drawn_.plot.isEmpty()) {
        QWidget::mouseMoveEvent(event);
        return;
    }
    const QPoint now = event->position().toPoint();
    const QPoint moved = now - *dragFrom_;
    dragFrom_ = now;
    // Dragging carries the drawing with the mouse, so the axes run the other way.
    const bool horizontal =
        allowPanning == PanningMode::Horizontal || allowPanning == PanningMode::Both;
    const bool vertical =
        allowPanning == PanningMode::Vertical || allowPanning == PanningMode::Both;
    const double dx = horizontal ? -moved.x() * drawn_.horizontal.span() / drawn_.plot.width() : 0;
    const double dy = vertical ? moved.y() * drawn_.vertical.span() / drawn_.plot.height() : 0;
    if (dx != 0 || dy != 0)
        panBy(dx, dy);
}

void ChartView::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() == Qt::RightButton && dragFrom_) {
        dragFrom_.reset();
        return;
    }
    QWidget::mouseReleaseEvent(event);
}

} // namespace fenlo
