#include "chart/chartrenderer.h"

#include <QPainterPath>

#include <algorithm>
#include <cmath>

namespace fenlo {

namespace {

constexpr int maxGradientBands = 256;
const QColor markFill(255, 255, 225);
const QColor markBorder(96, 96, 96);
const QColor frameColor(96, 96, 96);
const QColor gridColor(150, 150, 150);
const QColor noGradientFill(240, 240, 240);

QColor blend(const QColor &from, const QColor &to, double t)
{
    return QColor::fromRgbF(float(from.redF() + (to.redF() - from.redF()) * t),
                            float(from.greenF() + (to.greenF() - from.greenF()) * t),
                            float(from.blueF() + (to.blueF() - from.blueF()) * t));
}

// The end colour at the top or left edge, the start colour at the bottom or right edge.
void paintBackground(QPainter &p, const BackgroundShape &bg)
{
    if (!bg.gradient) {
        p.fillRect(bg.rect, noGradientFill);
        return;
    }
    const bool vertical = bg.direction == GradientDirection::TopBottom;
    const double extent = vertical ? bg.rect.height() : bg.rect.width();
    const int bands = std::clamp(int(std::ceil(extent)), 1, maxGradientBands);
    p.save();
    p.setRenderHint(QPainter::Antialiasing, false); // bands must meet without seams
    for (int i = 0; i < bands; ++i) {
        const double a = std::floor(extent * i / bands);
        const double b = std::floor(extent * (i + 1) / bands);
        const QColor c = blend(bg.end, bg.start, bands == 1 ? 0.0 : double(i) / (bands - 1));
        const QRectF band =
            vertical ? QRectF(bg.rect.left(), bg.rect.top() + a, bg.rect.width(), b - a)
                     : QRectF(bg.rect.left() + a, bg.rect.top(), b - a, bg.rect.height());
        p.fillRect(band, c);
    }
    p.restore();
}

QPen hairline(const QColor &color, Qt::PenStyle style = Qt::SolidLine)
{
    QPen pen(color, 1.0, style);
    pen.setCapStyle(Qt::FlatCap);
    pen.setJoinStyle(Qt::MiterJoin);
    return pen;
}

void paintWalls(QPainter &p, const WallShapes &walls)
{
    const QPen outline = walls.frame ? hairline(frameColor) : QPen(Qt::NoPen);
    p.setPen(outline);
    p.setBrush(walls.backBrush);
    p.drawPolygon(walls.left);
    p.setPen(walls.backPen ? hairline(frameColor) : QPen(Qt::NoPen));
    p.drawPolygon(walls.back);
    p.setPen(outline);
    p.setBrush(walls.bottomColor);
    p.drawPolygon(walls.bottom);
}

// Lines on whole pixels are moved half a pixel so that they cover one row, not two halves.
void paintLines(QPainter &p, const std::vector<QLineF> &lines, const QPen &pen)
{
    p.save();
    p.translate(0.5, 0.5);
    p.setPen(pen);
    for (const QLineF &l : lines)
        p.drawLine(l);
    p.restore();
}

void paintFace(QPainter &p, const QPolygonF &face, const QColor &fill)
{
    p.setPen(hairline(fill.darker(150)));
    p.setBrush(fill);
    p.drawPolygon(face);
}

void paintBar(QPainter &p, const BarShape &bar)
{
    const QRectF &f = bar.front;
    const QPointF d = bar.depth;
    if (!d.isNull()) {
        paintFace(p, QPolygonF({f.topLeft(), f.topLeft() + d, f.topRight() + d, f.topRight()}),
                  bar.color.lighter(135));
        paintFace(p,
                  QPolygonF({f.topRight(), f.topRight() + d, f.bottomRight() + d, f.bottomRight()}),
                  bar.color.darker(135));
    }
    p.setPen(hairline(bar.color.darker(150)));
    p.setBrush(bar.color);
    p.drawRect(f);
}

void paintRibbon(QPainter &p, const RibbonShape &r)
{
    const QPointF d = r.depth;
    if (r.last) {
        const QPointF foot(r.to.x(), *r.base);
        paintFace(p, QPolygonF({r.to, r.to + d, foot + d, foot}), r.color.darker(135));
        return;
    }
    const bool rising = r.to.y() < r.from.y();
    paintFace(p, QPolygonF({r.from, r.from + d, r.to + d, r.to}),
              r.base ? r.color.lighter(135) : (rising ? r.color.lighter(120) : r.color));
    if (r.base) {
        paintFace(
            p, QPolygonF({r.from, r.to, QPointF(r.to.x(), *r.base), QPointF(r.from.x(), *r.base)}),
            r.color);
    }
}

// The part of a slice's rim that faces the viewer, from the left edge round to the right.
QPainterPath sideOf(const QRectF &top, double thickness, double start, double span)
{
    QPainterPath path;
    const QRectF bottom = top.translated(0, thickness);
    for (double front : {180.0, 540.0}) {
        const double a = std::max(start, front);
        const double b = std::min(start + span, front + 180.0);
        if (b <= a)
            continue;
        path.arcMoveTo(top, a);
        path.arcTo(top, a, b - a);
        QPointF end;
        QPainterPath probe;
        probe.arcMoveTo(bottom, b);
        end = probe.currentPosition();
        path.lineTo(end);
        path.arcTo(bottom, b, -(b - a));
        path.closeSubpath();
    }
    return path;
}

void paintPie(QPainter &p, const PieShape &pie)
{
    if (pie.thickness > 0) {
        for (const PieSlice &s : pie.slices) {
            p.setPen(hairline(s.color.darker(170)));
            p.setBrush(s.color.darker(140));
            p.drawPath(sideOf(pie.ellipse, pie.thickness, s.startAngle, s.spanAngle));
        }
    }
    for (const PieSlice &s : pie.slices) {
        QPainterPath slice;
        if (s.spanAngle >= 360.0) {
            slice.addEllipse(pie.ellipse);
        } else {
            slice.moveTo(pie.ellipse.center());
            slice.arcTo(pie.ellipse, s.startAngle, s.spanAngle);
            slice.closeSubpath();
        }
        p.setPen(hairline(s.color.darker(170)));
        p.setBrush(s.color);
        p.drawPath(slice);
    }
}

void paintMark(QPainter &p, const MarkShape &m)
{
    const QPointF touch(std::clamp(m.anchor.x(), m.box.left(), m.box.right()),
                        std::clamp(m.anchor.y(), m.box.top(), m.box.bottom()));
    p.setPen(hairline(m.arrowColor));
    p.drawLine(m.anchor, touch);
    p.setPen(hairline(markBorder));
    p.setBrush(markFill);
    p.drawRect(m.box.adjusted(0.5, 0.5, -0.5, -0.5));
    p.setFont(m.font);
    p.setPen(m.textColor);
    p.drawText(m.box, Qt::AlignCenter, m.text);
}

void paintLegend(QPainter &p, const LegendShape &legend)
{
    p.setPen(hairline(frameColor));
    p.setBrush(Qt::white);
    p.drawRect(legend.frame.adjusted(0.5, 0.5, -0.5, -0.5));
    p.setFont(legend.font);
    for (const LegendEntry &e : legend.entries) {
        p.setPen(hairline(e.color.darker(160)));
        p.setBrush(e.color);
        p.drawRect(e.swatch.adjusted(0.5, 0.5, -0.5, -0.5));
        p.setPen(legend.textColor);
        p.drawText(e.textRect, Qt::AlignLeft | Qt::AlignVCenter, e.text);
    }
}

void paintText(QPainter &p, const ChartText &t)
{
    p.setFont(t.font);
    p.setPen(t.color);
    if (t.rotation == 0) {
        p.drawText(t.rect, t.flags, t.text);
        return;
    }
    // Hinting fits the glyphs to the pixel grid of upright text; on a turned baseline it fills
    // the dense kanji of a small face into black blocks.
    QFont turned = t.font;
    turned.setHintingPreference(QFont::PreferNoHinting);
    p.setFont(turned);
    p.save();
    p.translate(t.rect.center());
    p.rotate(-t.rotation);
    p.drawText(QRectF(-t.rect.width() / 2, -t.rect.height() / 2, t.rect.width(), t.rect.height()),
               t.flags, t.text);
    p.restore();
}

} // namespace

void paintChart(QPainter &painter, const ChartLayout &layout)
{
    painter.save();
    painter.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing);
    paintBackground(painter, layout.background);
    if (layout.walls)
        paintWalls(painter, *layout.walls);
    paintLines(painter, layout.gridLines, hairline(gridColor, Qt::DotLine));

    painter.save();
    if (layout.clip)
        painter.setClipRect(*layout.clip);
    for (const BarShape &bar : layout.bars)
        paintBar(painter, bar);
    for (const RibbonShape &ribbon : layout.ribbons)
        paintRibbon(painter, ribbon);
    painter.restore();
    if (layout.pie)
        paintPie(painter, *layout.pie);

    paintLines(painter, layout.axisLines, hairline(Qt::black));
    for (const ChartText &text : layout.texts)
        paintText(painter, text);
    for (const MarkShape &mark : layout.marks)
        paintMark(painter, mark);
    if (layout.legend)
        paintLegend(painter, *layout.legend);
    painter.restore();
}

QImage renderChartImage(const ChartModel &chart, QSize size, qreal devicePixelRatio)
{
    QImage image(size * devicePixelRatio, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(devicePixelRatio);
    image.fill(Qt::white);
    QPainter painter(&image);
    paintChart(painter, layoutChart(chart, QRectF(QPointF(0, 0), QSizeF(size))));
    return image;
}

} // namespace fenlo
