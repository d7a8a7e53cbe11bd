#include "chart/marklayout.h"

#include <QFontMetricsF>

#include <algorithm>
#include <cmath>

namespace fenlo {

namespace {

constexpr qreal padX = 3;
constexpr qreal padY = 1;

QRectF boxBeyond(QSizeF size, QPointF tip, QPointF away)
{
    QRectF box(QPointF(), size);
    if (away.y() < 0)
        box.moveBottom(tip.y());
    else if (away.y() > 0)
        box.moveTop(tip.y());
    else
        box.moveCenter(QPointF(box.center().x(), tip.y()));
    if (away.x() > 0)
        box.moveLeft(tip.x());
    else if (away.x() < 0)
        box.moveRight(tip.x());
    else
        box.moveCenter(QPointF(tip.x(), box.center().y()));
    return box;
}

// How far box must travel along away to clear other.
qreal clearance(const QRectF &box, const QRectF &other, QPointF away)
{
    if (away.y() < 0)
        return box.bottom() - other.top() + 1;
    if (away.y() > 0)
        return other.bottom() - box.top() + 1;
    if (away.x() > 0)
        return other.right() - box.left() + 1;
    return box.right() - other.left() + 1;
}

} // namespace

PendingMark pendingMark(const ChartSeries &series, const ChartPoint &point, QPointF anchor,
                        QPointF away)
{
    PendingMark mark;
    mark.shape.text = series.markText(point);
    mark.shape.font = series.marks.font.toQFont();
    mark.shape.textColor = series.marks.font.color;
    mark.shape.arrowColor = series.marks.arrow.color;
    mark.shape.anchor = anchor;
    const QFontMetricsF metrics(mark.shape.font);
    const QSizeF size(std::ceil(metrics.horizontalAdvance(mark.shape.text)) + 2 * padX,
                      std::ceil(metrics.height()) + 2 * padY);
    mark.tip = anchor + away * series.marks.arrowLength;
    mark.shape.box = boxBeyond(size, mark.tip, away);
    mark.away = away;
    return mark;
}

std::vector<MarkShape> placeMarks(std::vector<PendingMark> pending, const QRectF &room)
{
    std::vector<MarkShape> placed;
    placed.reserve(pending.size());
    for (PendingMark &mark : pending) {
        QRectF box = mark.shape.box;
        const QRectF preferred = box;
        // Each push clears one box; a box can only be pushed past all the earlier ones.
        for (std::size_t tries = 0; tries <= placed.size(); ++tries) {
            auto blocking = std::find_if(placed.begin(), placed.end(),
                                         [&](const MarkShape &m) { return m.box.intersects(box); });
            if (blocking == placed.end())
                break;
            box.translate(mark.away * clearance(box, blocking->box, mark.away));
            if (!room.contains(box)) {
                box = preferred;
                break;
            }
        }
        mark.shape.box = box;
        placed.push_back(std::move(mark.shape));
    }
    return placed;
}

} // namespace fenlo
