// Drawings of clothes. Each garment has a shape of its own, so that the
// pictures can be told apart without their colours.

#include "tools/picture_drawings.h"

#include "tools/drawing_helpers.h"

namespace drawings {

void trousers(QPainter& p)
{
    style(p, QColor(70, 90, 130), 2.5);
    p.drawPath(polygonPath({{38, 22}, {94, 22}, {102, 122}, {74, 122}, {66, 56}, {58, 122}, {30, 122}}));
    style(p, QColor(50, 66, 100), 2);
    p.drawRect(QRectF(38, 16, 56, 10));
    p.setPen(outline(1.5, QColor(150, 170, 200)));
    p.drawLine(QPointF(66, 26), QPointF(66, 48));
}

void shirt(QPainter& p)
{
    QPainterPath body(QPointF(52, 22));
    body.lineTo(34, 28);
    body.lineTo(12, 52);
    body.lineTo(26, 66);
    body.lineTo(38, 56);
    body.lineTo(38, 120);
    body.lineTo(94, 120);
    body.lineTo(94, 56);
    body.lineTo(106, 66);
    body.lineTo(120, 52);
    body.lineTo(98, 28);
    body.lineTo(80, 22);
    body.quadTo(66, 38, 52, 22);
    style(p, QColor(120, 170, 225), 2.5);
    p.drawPath(body);
    // Collar, buttons and a breast pocket.
    style(p, kWhite, 2);
    p.drawPath(polygonPath({{52, 22}, {66, 36}, {58, 44}}));
    p.drawPath(polygonPath({{80, 22}, {66, 36}, {74, 44}}));
    style(p, kWhite, 1.2);
    for (qreal y : {52.0, 70.0, 88.0, 106.0})
        p.drawEllipse(QPointF(66, y), 3, 3);
    p.setPen(outline(1.8));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(76, 56, 12, 12));
}

void skirt(QPainter& p)
{
    style(p, QColor(200, 70, 120), 2.5);
    QPainterPath flare(QPointF(44, 34));
    flare.lineTo(88, 34);
    flare.lineTo(116, 112);
    flare.quadTo(66, 124, 16, 112);
    flare.closeSubpath();
    p.drawPath(flare);
    p.setPen(outline(1.8, QColor(130, 30, 70)));
    for (int i = -2; i <= 2; ++i)
        p.drawLine(QPointF(66 + i * 9, 40), QPointF(66 + i * 20, 114));
    style(p, QColor(130, 30, 70), 2);
    p.drawRect(QRectF(42, 24, 48, 11));
}

void hat(QPainter& p)
{
    style(p, QColor(210, 170, 90), 2.5);
    p.drawEllipse(QRectF(8, 74, 116, 34));
    QPainterPath crown(QPointF(34, 92));
    crown.lineTo(38, 46);
    crown.quadTo(66, 28, 94, 46);
    crown.lineTo(98, 92);
    crown.quadTo(66, 100, 34, 92);
    p.drawPath(crown);
    style(p, QColor(150, 60, 40), 2);
    QPainterPath band(QPointF(36, 74));
    band.quadTo(66, 82, 96, 74);
    band.lineTo(97, 86);
    band.quadTo(66, 94, 35, 86);
    band.closeSubpath();
    p.drawPath(band);
}

void shoes(QPainter& p)
{
    // A pair of laced shoes, one behind the other, toes to the right.
    for (int i = 0; i < 2; ++i) {
        const QPointF at(i * 12 - 6.0, i * 34 - 10.0);
        style(p, QColor(60, 40, 25), 2);
        p.drawRoundedRect(QRectF(at + QPointF(14, 76), QSizeF(98, 8)), 3, 3);
        style(p, QColor(140, 80, 40), 2.5);
        QPainterPath shoe(at + QPointF(18, 76));
        shoe.lineTo(at + QPointF(16, 50));
        shoe.quadTo(at + QPointF(30, 46), at + QPointF(42, 50));
        shoe.quadTo(at + QPointF(58, 56), at + QPointF(80, 58));
        shoe.cubicTo(at + QPointF(104, 60), at + QPointF(114, 68), at + QPointF(110, 76));
        shoe.closeSubpath();
        p.drawPath(shoe);
        style(p, QColor(90, 50, 25), 1.5);
        p.drawEllipse(QRectF(at + QPointF(20, 48), QSizeF(20, 6)));
        p.setPen(outline(2, QColor(245, 235, 210)));
        for (int lace = 0; lace < 3; ++lace) {
            const QPointF x = at + QPointF(46 + lace * 8, 53 + lace * 1.5);
            p.drawLine(x, x + QPointF(5, 6));
        }
    }
}

void coat(QPainter& p)
{
    // Long, down to the knees, sleeves hanging at its sides, a double row of
    // big buttons and a belt: nothing like the short-sleeved shirt.
    const QColor cloth(176, 128, 80), shade(130, 90, 50);
    style(p, cloth, 2.5);
    p.drawPath(polygonPath({{36, 16}, {18, 26}, {10, 108}, {24, 110}, {32, 44}}));
    p.drawPath(polygonPath({{96, 16}, {114, 26}, {122, 108}, {108, 110}, {100, 44}}));
    p.drawPath(polygonPath({{36, 14}, {96, 14}, {104, 130}, {28, 130}}));
    style(p, shade, 2);
    p.drawPath(polygonPath({{50, 14}, {66, 44}, {54, 52}, {40, 16}}));
    p.drawPath(polygonPath({{82, 14}, {66, 44}, {78, 52}, {92, 16}}));
    p.drawRect(QRectF(31, 74, 70, 9));
    style(p, QColor(240, 200, 60), 1.5);
    p.drawRect(QRectF(60, 73, 12, 11));
    style(p, QColor(80, 55, 30), 1.5);
    for (qreal y : {54.0, 96.0, 112.0})
        for (qreal x : {56.0, 76.0})
            p.drawEllipse(QPointF(x, y), 3.5, 3.5);
    p.setPen(outline(2, shade));
    p.drawLine(QPointF(66, 44), QPointF(66, 130));
}

} // namespace drawings
