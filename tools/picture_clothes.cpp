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

} // namespace drawings
