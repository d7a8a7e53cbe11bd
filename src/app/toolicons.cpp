#include "app/toolicons.h"

#include <QApplication>
#include <QFont>
#include <QIconEngine>
#include <QStyle>
#include <QStyleOption>
#include <QHash>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

#include <functional>

namespace fenlo {
namespace {

// Every glyph is drawn on a 16 × 16 grid; the painter is scaled for larger sizes.
using Glyph = std::function<void(QPainter &)>;

const QColor Ink(40, 40, 40);
const QColor Blue(36, 99, 178);
const QColor Green(40, 140, 70);
const QColor Orange(222, 126, 30);
const QColor Red(196, 48, 48);
const QColor Paper(252, 252, 246);

void page(QPainter &p, const QColor &fill = Paper)
{
    QPainterPath path;
    path.moveTo(3.5, 1.5);
    path.lineTo(10.5, 1.5);
    path.lineTo(13.5, 4.5);
    path.lineTo(13.5, 14.5);
    path.lineTo(3.5, 14.5);
    path.closeSubpath();
    p.setPen(QPen(Ink, 1));
    p.setBrush(fill);
    p.drawPath(path);
    p.drawLine(QPointF(10.5, 1.5), QPointF(10.5, 4.5));
    p.drawLine(QPointF(10.5, 4.5), QPointF(13.5, 4.5));
}

void lines(QPainter &p, const QColor &color, int count, double top = 6.5)
{
    p.setPen(QPen(color, 1));
    for (int i = 0; i < count; ++i)
        p.drawLine(QPointF(5, top + 2 * i), QPointF(12, top + 2 * i));
}

void digit(QPainter &p, const QString &text, const QColor &color)
{
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(8);
    font.setBold(true);
    p.setFont(font);
    p.setPen(Qt::NoPen);
    p.setBrush(color);
    p.drawRoundedRect(QRectF(8.5, 8.5, 7, 7), 1.5, 1.5);
    p.setPen(Qt::white);
    p.drawText(QRectF(8.5, 8.5, 7, 7), Qt::AlignCenter, text);
}

void pump(QPainter &p, const QColor &body)
{
    p.setPen(QPen(Ink, 1));
    p.setBrush(body);
    p.drawRect(QRectF(2.5, 2.5, 7, 12));
    p.setBrush(Qt::white);
    p.drawRect(QRectF(4, 4, 4, 3));
    p.setBrush(Qt::NoBrush);
    QPainterPath hose;
    hose.moveTo(9.5, 5);
    hose.lineTo(12.5, 6);
    hose.lineTo(12.5, 12);
    hose.lineTo(14, 12);
    hose.lineTo(14, 5);
    p.drawPath(hose);
}

QHash<QString, Glyph> glyphs()
{
    return {
        {QStringLiteral("SBtnOpen"),
         [](QPainter &p) {
             p.setPen(QPen(Ink, 1));
             p.setBrush(QColor(240, 200, 90));
             p.drawRect(QRectF(1.5, 4.5, 12, 9));
             p.drawRect(QRectF(1.5, 3, 5, 1.5));
             p.setBrush(QColor(250, 222, 130));
             QPolygonF flap({QPointF(3.5, 7.5), QPointF(15, 7.5), QPointF(13.5, 13.5),
                             QPointF(1.5, 13.5)});
             p.drawPolygon(flap);
         }},
        {QStringLiteral("SBtnSave"),
         [](QPainter &p) {
             p.setPen(QPen(Ink, 1));
             p.setBrush(Blue);
             p.drawRect(QRectF(1.5, 1.5, 13, 13));
             p.setBrush(Qt::white);
             p.drawRect(QRectF(4, 1.5, 8, 5));
             p.setBrush(QColor(200, 210, 225));
             p.drawRect(QRectF(4, 9.5, 8, 5));
         }},
        {QStringLiteral("SBtnShamei"),
         [](QPainter &p) {
             p.setPen(QPen(Ink, 1));
             p.setBrush(Red);
             QPainterPath body;
             body.moveTo(1.5, 11.5);
             body.lineTo(1.5, 8.5);
             body.lineTo(4, 8);
             body.lineTo(6, 4.5);
             body.lineTo(11, 4.5);
             body.lineTo(13, 8);
             body.lineTo(14.5, 8.5);
             body.lineTo(14.5, 11.5);
             body.closeSubpath();
             p.drawPath(body);
             p.setBrush(QColor(200, 230, 255));
             p.drawRect(QRectF(6.5, 5.5, 4, 2.5));
             p.setBrush(Ink);
             p.drawEllipse(QPointF(4.5, 12), 1.8, 1.8);
             p.drawEllipse(QPointF(11.5, 12), 1.8, 1.8);
         }},
        {QStringLiteral("SpeedButton2"), [](QPainter &p) { pump(p, Green); }},
        {QStringLiteral("SpeedButton1"),
         [](QPainter &p) {
             pump(p, Orange);
         }},
        {QStringLiteral("SBtnMemo"),
         [](QPainter &p) {
             p.setPen(QPen(Ink, 1));
             p.setBrush(QColor(255, 240, 140));
             p.drawRect(QRectF(2.5, 2.5, 11, 11));
             lines(p, QColor(150, 120, 40), 3, 6.5);
             p.setPen(QPen(Red, 1.5));
             p.drawLine(QPointF(9, 14), QPointF(14, 9));
         }},
        {QStringLiteral("SpeedButton3"),
         [](QPainter &p) {
             page(p);
             lines(p, Blue, 3, 5.5);
             digit(p, QStringLiteral("1"), Blue);
         }},
        {QStringLiteral("SpeedButton4"),
         [](QPainter &p) {
             p.setPen(QPen(Ink, 1));
             p.setBrush(Paper);
             p.drawRect(QRectF(1.5, 2.5, 13, 12));
             p.setBrush(Red);
             p.drawRect(QRectF(1.5, 2.5, 13, 3));
             p.setPen(QPen(Ink, 1));
             for (int r = 0; r < 3; ++r)
                 for (int c = 0; c < 4; ++c)
                     p.drawPoint(QPointF(3.5 + c * 3, 7.5 + r * 2.5));
         }},
        {QStringLiteral("SpeedButton5"),
         [](QPainter &p) {
             page(p);
             lines(p, Green, 3, 5.5);
             digit(p, QStringLiteral("2"), Green);
         }},
        {QStringLiteral("SpeedButton6"),
         [](QPainter &p) {
             p.setPen(QPen(Ink, 1));
             p.drawLine(QPointF(1.5, 1.5), QPointF(1.5, 14.5));
             p.setBrush(Blue);
             p.drawRect(QRectF(1.5, 2.5, 11, 3));
             p.setBrush(Green);
             p.drawRect(QRectF(1.5, 6.5, 7, 3));
             p.setBrush(Orange);
             p.drawRect(QRectF(1.5, 10.5, 13, 3));
         }},
        {QStringLiteral("SpeedButton7"),
         [](QPainter &p) {
             p.setPen(QPen(Ink, 1));
             p.setBrush(Blue);
             p.drawEllipse(QRectF(1.5, 1.5, 13, 13));
             p.setBrush(Red);
             p.drawPie(QRectF(1.5, 1.5, 13, 13), 90 * 16, -130 * 16);
             p.setBrush(QColor(250, 210, 60));
             p.drawPie(QRectF(1.5, 1.5, 13, 13), -40 * 16, -100 * 16);
         }},
        {QStringLiteral("SpeedButton8"),
         [](QPainter &p) {
             page(p);
             QFont font(QStringLiteral("DejaVu Sans"));
             font.setPixelSize(5);
             font.setBold(true);
             p.setFont(font);
             p.setPen(Green);
             p.drawText(QRectF(3, 6, 11, 7), Qt::AlignCenter, QStringLiteral("CSV"));
         }},
        {QStringLiteral("SpeedButton9"),
         [](QPainter &p) {
             p.setPen(QPen(Ink, 1));
             p.setBrush(QColor(160, 110, 60));
             p.drawRect(QRectF(2.5, 1.5, 8, 13));
             p.setBrush(Ink);
             p.drawEllipse(QPointF(8.5, 8), 0.8, 0.8);
             p.setPen(QPen(Red, 1.6));
             p.drawLine(QPointF(9, 8), QPointF(15, 8));
             p.drawLine(QPointF(12.5, 5.5), QPointF(15, 8));
             p.drawLine(QPointF(12.5, 10.5), QPointF(15, 8));
         }},
        {QStringLiteral("SBtnNew"), [](QPainter &p) { page(p); }},
    };
}

QPixmap render(const Glyph &glyph, int size)
{
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(size / 16.0, size / 16.0);
    glyph(p);
    return pixmap;
}

// Paints a glyph at the size asked for, when it is asked for: start-up draws only the few
// pixmaps the tool bar shows, and every screen density gets a sharp one.
class GlyphIconEngine : public QIconEngine
{
public:
    explicit GlyphIconEngine(Glyph glyph) : glyph_(std::move(glyph)) {}

    void paint(QPainter *painter, const QRect &rect, QIcon::Mode mode, QIcon::State state) override
    {
        painter->drawPixmap(rect, pixmap(rect.size() * painter->device()->devicePixelRatio(),
                                         mode, state));
    }

    QPixmap pixmap(const QSize &size, QIcon::Mode mode, QIcon::State) override
    {
        const int side = qMin(size.width(), size.height());
        QPixmap normal = render(glyph_, side);
        if (mode != QIcon::Disabled)
            return normal;
        QStyleOption option;
        return QApplication::style()->generatedIconPixmap(QIcon::Disabled, normal, &option);
    }

    QIconEngine *clone() const override { return new GlyphIconEngine(glyph_); }

private:
    Glyph glyph_;
};

} // namespace

QIcon toolIcon(const QString &name)
{
    static const QHash<QString, Glyph> all = glyphs();
    auto it = all.constFind(name);
    if (it == all.constEnd())
        return QIcon();
    return QIcon(new GlyphIconEngine(*it));
}

QIcon programIcon()
{
    return QIcon(new GlyphIconEngine([](QPainter &p) {
        p.setPen(Qt::NoPen);
        p.setBrush(Green);
        p.drawRoundedRect(QRectF(0.5, 0.5, 15, 15), 3, 3);
        p.translate(1, 0.5);
        pump(p, QColor(250, 250, 250));
    }));
}

} // namespace fenlo
