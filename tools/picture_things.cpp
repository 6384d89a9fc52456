// Drawings of small things (a bottle of water, books, an umbrella) and of
// household appliances.

#include "tools/picture_drawings.h"

#include "tools/drawing_helpers.h"

namespace drawings {

namespace {

// A landscape on a screen: a hill and the sun.
void landscape(QPainter& p, QRectF screen)
{
    style(p, QColor(170, 215, 245), 1.5);
    p.drawRect(screen);
    style(p, QColor(110, 180, 90), 1);
    p.drawChord(QRectF(screen.left(), screen.center().y(), screen.width(), screen.height()), 0, 180 * 16);
    style(p, QColor(255, 210, 60), 1);
    p.drawEllipse(screen.topRight() + QPointF(-12, 10), 5, 5);
}

} // namespace

void waterBottle(QPainter& p)
{
    style(p, QColor(41, 128, 185), 2);
    p.drawRoundedRect(QRectF(54, 6, 24, 14), 3, 3);
    style(p, QColor(225, 240, 250), 2.5, QColor(90, 130, 160));
    QPainterPath bottle(QPointF(56, 20));
    bottle.lineTo(76, 20);
    bottle.cubicTo(QPointF(76, 34), QPointF(92, 36), QPointF(92, 52));
    bottle.lineTo(92, 122);
    bottle.quadTo(92, 128, 86, 128);
    bottle.lineTo(46, 128);
    bottle.quadTo(40, 128, 40, 122);
    bottle.lineTo(40, 52);
    bottle.cubicTo(QPointF(40, 36), QPointF(56, 34), QPointF(56, 20));
    p.drawPath(bottle);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(140, 200, 240));
    p.drawRect(QRectF(41.5, 60, 49, 66));
    style(p, QColor(52, 152, 219), 1.5);
    p.drawRect(QRectF(40, 74, 52, 24));
    centredText(p, QRectF(40, 74, 52, 24), QStringLiteral("H\u2082O"), 13, kWhite);
    p.setPen(outline(2.5, kWhite));
    p.drawLine(QPointF(48, 104), QPointF(48, 120));
}

void books(QPainter& p)
{
    // A pile of three closed books, spines to the front.
    const QColor covers[] = {QColor(192, 57, 43), QColor(39, 174, 96), QColor(41, 128, 185)};
    const QRectF spines[] = {QRectF(12, 96, 104, 24), QRectF(20, 72, 92, 24), QRectF(14, 48, 100, 24)};
    for (int i = 0; i < 3; ++i) {
        const QRectF s = spines[i];
        style(p, QColor(250, 246, 230), 1.5);
        p.drawRect(QRectF(s.right() - 4, s.top() + 3, 10, s.height() - 6));
        style(p, covers[i], 2);
        p.drawRoundedRect(QRectF(s.left(), s.top(), s.width(), s.height()), 3, 3);
        style(p, QColor(255, 224, 102), 1);
        p.drawRect(QRectF(s.left() + 14, s.top() + 9, s.width() - 36, 6));
    }
}

void umbrella(QPainter& p)
{
    // An open umbrella: a scalloped canopy, the shaft and its curved handle.
    p.setPen(outline(4, kInk));
    p.setBrush(Qt::NoBrush);
    p.drawLine(QPointF(66, 20), QPointF(66, 110));
    p.drawArc(QRectF(66, 100, 20, 20), 180 * 16, 180 * 16);
    QPainterPath canopy(QPointF(8, 70));
    canopy.cubicTo(QPointF(8, 20), QPointF(124, 20), QPointF(124, 70));
    // Scallops along the edge, from right to left.
    for (int i = 3; i >= 0; --i)
        canopy.quadTo(QPointF(22.5 + i * 29, 60), QPointF(8 + i * 29, 70));
    style(p, QColor(142, 68, 173), 2.5);
    p.drawPath(canopy);
    p.setPen(outline(2, QColor(90, 40, 120)));
    for (qreal x : {37.0, 66.0, 95.0})
        p.drawLine(QPointF(66, 30), QPointF(x, 68));
    style(p, kInk, 1);
    p.drawEllipse(QPointF(66, 28), 3, 3);
}

void television(QPainter& p)
{
    // A wide screen on a low cabinet.
    style(p, kWood, 2);
    p.drawRect(QRectF(14, 98, 104, 24));
    p.drawLine(QPointF(66, 98), QPointF(66, 122));
    style(p, QColor(200, 160, 110), 1);
    p.drawEllipse(QPointF(58, 110), 2.5, 2.5);
    p.drawEllipse(QPointF(74, 110), 2.5, 2.5);
    style(p, QColor(60, 60, 68), 2);
    p.drawRect(QRectF(52, 86, 28, 12));
    style(p, QColor(40, 40, 46), 2.5);
    p.drawRoundedRect(QRectF(6, 18, 120, 70), 5, 5);
    landscape(p, QRectF(12, 24, 108, 58));
}

void fridge(QPainter& p)
{
    // Tall, with the freezer door above the larger one.
    style(p, QColor(236, 240, 244), 2.5);
    p.drawRoundedRect(QRectF(32, 6, 68, 124), 8, 8);
    p.setPen(outline(2.5));
    p.drawLine(QPointF(32, 48), QPointF(100, 48));
    style(p, QColor(150, 160, 170), 1.5);
    p.drawRoundedRect(QRectF(40, 22, 6, 18), 3, 3);
    p.drawRoundedRect(QRectF(40, 58, 6, 30), 3, 3);
    style(p, QColor(80, 90, 100), 1.5);
    p.drawRect(QRectF(40, 128, 10, 4));
    p.drawRect(QRectF(82, 128, 10, 4));
}

void computer(QPainter& p)
{
    // A monitor on its foot, a keyboard and a mouse in front.
    style(p, QColor(120, 125, 135), 2);
    p.drawRect(QRectF(58, 70, 16, 16));
    p.drawRoundedRect(QRectF(42, 84, 48, 7), 3, 3);
    style(p, QColor(50, 55, 65), 2.5);
    p.drawRoundedRect(QRectF(22, 8, 88, 64), 5, 5);
    style(p, QColor(52, 120, 190), 1.5);
    p.drawRect(QRectF(28, 14, 76, 52));
    style(p, kWhite, 1);
    p.drawRect(QRectF(34, 20, 40, 28));
    style(p, QColor(255, 210, 60), 1);
    p.drawRect(QRectF(80, 22, 16, 12));
    style(p, QColor(220, 222, 228), 2);
    p.drawPath(polygonPath({{14, 124}, {22, 98}, {100, 98}, {108, 124}}));
    p.setPen(outline(1, QColor(130, 135, 145)));
    for (int row = 0; row < 3; ++row)
        for (int i = 0; i < 8; ++i) {
            const qreal y = 102 + row * 7;
            const qreal left = 24 - row * 2.6 + i * (10 + row * 0.65);
            p.drawRect(QRectF(left, y, 7, 4.5));
        }
    style(p, QColor(220, 222, 228), 2);
    p.drawEllipse(QRectF(112, 104, 14, 20));
    p.drawLine(QPointF(119, 104), QPointF(119, 112));
}

} // namespace drawings
