// Drawings of larger animals: a horse, a panda and a sheep.

#include "tools/picture_drawings.h"

#include "tools/drawing_helpers.h"

namespace drawings {

namespace {

void leg(QPainter& p, QRectF box, QColor colour, QColor hoof)
{
    style(p, colour, 2);
    p.drawRoundedRect(box, 3, 3);
    style(p, hoof, 1.5);
    p.drawRect(QRectF(box.left(), box.bottom() - 5, box.width(), 5));
}

} // namespace

void horse(QPainter& p)
{
    const QColor coat(160, 100, 55), dark(90, 55, 30);
    ground(p);
    // Tail, far legs, body, near legs, then neck, mane and head.
    style(p, dark, 2);
    QPainterPath tail(QPointF(18, 60));
    tail.cubicTo(QPointF(2, 64), QPointF(2, 86), QPointF(8, 102));
    tail.cubicTo(QPointF(12, 88), QPointF(14, 74), QPointF(22, 68));
    tail.closeSubpath();
    p.drawPath(tail);
    leg(p, QRectF(30, 80, 9, 44), dark, kInk);
    leg(p, QRectF(82, 80, 9, 44), dark, kInk);
    style(p, coat, 2.5);
    p.drawRoundedRect(QRectF(16, 54, 80, 36), 18, 18);
    leg(p, QRectF(22, 80, 10, 44), coat, kInk);
    leg(p, QRectF(74, 80, 10, 44), coat, kInk);
    style(p, coat, 2.5);
    p.drawPath(polygonPath({{74, 66}, {90, 24}, {106, 28}, {96, 72}}));
    style(p, coat, 2);
    p.drawPath(polygonPath({{92, 22}, {94, 8}, {101, 20}}));
    p.save();
    p.translate(100, 26);
    p.rotate(-50);
    style(p, coat, 2.5);
    p.drawRoundedRect(QRectF(-10, -8, 20, 40), 9, 9);
    style(p, dark, 1);
    p.drawEllipse(QPointF(-3, 27), 2, 2);
    p.restore();
    style(p, dark, 2);
    p.drawPath(polygonPath({{88, 18}, {94, 16}, {80, 60}, {72, 58}}));
    style(p, kInk, 0.5);
    p.drawEllipse(QPointF(104, 26), 2.5, 2.5);
}

void panda(QPainter& p)
{
    const QColor black(35, 35, 40), white(250, 250, 250);
    // Sitting, seen from the front: black legs and arms, white body and head.
    style(p, white, 2.5);
    p.drawEllipse(QRectF(30, 62, 72, 64));
    style(p, black, 2);
    p.drawEllipse(QRectF(22, 100, 30, 24));
    p.drawEllipse(QRectF(80, 100, 30, 24));
    p.drawRoundedRect(QRectF(22, 64, 20, 38), 10, 10);
    p.drawRoundedRect(QRectF(90, 64, 20, 38), 10, 10);
    p.drawEllipse(QPointF(40, 22), 11, 11);
    p.drawEllipse(QPointF(92, 22), 11, 11);
    style(p, white, 2.5);
    p.drawEllipse(QPointF(66, 46), 34, 30);
    style(p, black, 1);
    for (int side : {-1, 1}) {
        p.save();
        p.translate(66 + side * 14, 42);
        p.rotate(side * -30);
        p.drawEllipse(QRectF(-7, -10, 14, 20));
        p.restore();
    }
    style(p, white, 0.5);
    p.drawEllipse(QPointF(53, 40), 2.5, 2.5);
    p.drawEllipse(QPointF(79, 40), 2.5, 2.5);
    style(p, black, 1);
    p.drawEllipse(QPointF(66, 56), 5, 3.5);
    p.setPen(outline(1.8));
    p.drawArc(QRectF(60, 56, 12, 9), 200 * 16, 140 * 16);
}

void sheep(QPainter& p)
{
    const QColor face(70, 60, 60);
    ground(p);
    for (qreal x : {36.0, 48.0, 78.0, 90.0})
        leg(p, QRectF(x, 88, 7, 36), face, kInk);
    // A woolly body of overlapping puffs.
    QPainterPath wool;
    wool.setFillRule(Qt::WindingFill);
    const QPointF puffs[] = {{34, 64}, {50, 52}, {68, 50}, {86, 54}, {98, 68}, {84, 84}, {64, 88}, {44, 84}, {66, 68}};
    for (const QPointF& c : puffs)
        wool.addEllipse(c, 16, 15);
    wool.addEllipse(QPointF(66, 68), 36, 24); // fills the gaps between the puffs
    style(p, QColor(248, 248, 244), 2.5);
    p.drawPath(wool.simplified());
    style(p, face, 2);
    p.drawEllipse(QPointF(108, 60), 12, 16);
    p.drawEllipse(QRectF(94, 48, 14, 8));
    p.drawEllipse(QRectF(110, 46, 14, 8));
    style(p, QColor(248, 248, 244), 2);
    p.drawEllipse(QPointF(106, 44), 9, 7);
    style(p, kWhite, 0.5);
    p.drawEllipse(QPointF(103, 58), 2.5, 2.5);
    p.drawEllipse(QPointF(113, 58), 2.5, 2.5);
}

} // namespace drawings
