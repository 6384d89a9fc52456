// Drawings of a plane and a car, a restaurant and a bank, and dishes.

#include "tools/picture_drawings.h"

#include "tools/drawing_helpers.h"

namespace drawings {

namespace {

const QColor kChopstick(150, 95, 50);

// A bowl seen from the side, its rim at the given height.
void bowl(QPainter& p, qreal rim)
{
    style(p, kWhite, 2);
    p.drawRect(QRectF(50, rim + 44, 32, 8));
    QPainterPath body(QPointF(14, rim));
    body.lineTo(118, rim);
    body.cubicTo(QPointF(118, rim + 30), QPointF(96, rim + 46), QPointF(66, rim + 46));
    body.cubicTo(QPointF(36, rim + 46), QPointF(14, rim + 30), QPointF(14, rim));
    p.drawPath(body);
    p.setPen(outline(3, QColor(52, 120, 190)));
    p.drawLine(QPointF(20, rim + 12), QPointF(112, rim + 12));
}

void chopsticks(QPainter& p, QPointF tip, qreal degrees)
{
    p.setPen(outline(4, kChopstick));
    p.drawLine(tip, polar(tip, 86, degrees));
    p.drawLine(tip + QPointF(8, 2), polar(tip + QPointF(8, 2), 86, degrees - 4));
}

void plate(QPainter& p, QRectF box)
{
    style(p, kWhite, 2);
    p.drawEllipse(box);
    p.setPen(outline(1.5, QColor(150, 180, 210)));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(box.adjusted(8, 5, -8, -5));
}

void dumpling(QPainter& p, QPointF c, qreal degrees)
{
    p.save();
    p.translate(c);
    p.rotate(degrees);
    QPainterPath shell(QPointF(-16, 4));
    shell.cubicTo(QPointF(-14, -16), QPointF(14, -16), QPointF(16, 4));
    shell.quadTo(QPointF(0, 9), QPointF(-16, 4));
    style(p, QColor(250, 244, 225), 2);
    p.drawPath(shell);
    // The pleats along the top.
    p.setPen(outline(1.3, QColor(170, 150, 120)));
    for (int i = -2; i <= 2; ++i)
        p.drawLine(QPointF(i * 5, -9 + std::abs(i) * 1.5), QPointF(i * 5 + 1, -3 + std::abs(i)));
    p.restore();
}

} // namespace

void airplane(QPainter& p)
{
    const QColor body(236, 240, 245), trim(41, 128, 185);
    // The far wing and the tail fin behind the body, the near wing in front.
    style(p, trim, 2);
    p.drawPath(polygonPath({{62, 60}, {40, 32}, {54, 32}, {84, 60}}));
    p.drawPath(polygonPath({{10, 64}, {4, 30}, {16, 30}, {34, 60}}));
    style(p, body, 2.5);
    QPainterPath fuselage(QPointF(8, 56));
    fuselage.lineTo(104, 56);
    fuselage.cubicTo(QPointF(124, 56), QPointF(128, 70), QPointF(128, 72));
    fuselage.cubicTo(QPointF(124, 82), QPointF(112, 84), QPointF(104, 84));
    fuselage.lineTo(26, 84);
    fuselage.closeSubpath();
    p.drawPath(fuselage);
    style(p, kGlass, 1.2);
    for (int i = 0; i < 7; ++i)
        p.drawEllipse(QPointF(32 + i * 10, 66), 3, 3.5);
    p.drawPath(polygonPath({{110, 62}, {120, 63}, {124, 70}, {110, 70}}));
    style(p, trim, 2);
    p.drawPath(polygonPath({{60, 74}, {36, 108}, {52, 108}, {86, 74}}));
    p.setPen(Qt::NoPen);
    p.setBrush(trim);
    p.drawRect(QRectF(12, 76, 98, 4));
}

void car(QPainter& p)
{
    const QColor paint(192, 57, 43);
    style(p, paint, 2.5);
    p.drawPath(polygonPath({{26, 74}, {40, 46}, {86, 46}, {108, 74}}));
    p.drawRoundedRect(QRectF(6, 72, 120, 28), 10, 10);
    style(p, kGlass, 1.5);
    p.drawPath(polygonPath({{34, 72}, {44, 51}, {62, 51}, {62, 72}}));
    p.drawPath(polygonPath({{68, 72}, {68, 51}, {84, 51}, {100, 72}}));
    p.setPen(outline(1.5, QColor(120, 30, 25)));
    p.drawLine(QPointF(65, 74), QPointF(65, 98));
    style(p, QColor(210, 210, 215), 1);
    p.drawRoundedRect(QRectF(70, 80, 10, 3), 1, 1);
    p.drawRoundedRect(QRectF(40, 80, 10, 3), 1, 1);
    style(p, QColor(255, 240, 200), 1);
    p.drawEllipse(QPointF(120, 80), 3.5, 3.5);
    wheel(p, QPointF(34, 102), 12);
    wheel(p, QPointF(98, 102), 12);
}

void restaurant(QPainter& p)
{
    ground(p);
    style(p, QColor(250, 225, 180), 2.5);
    p.drawRect(QRectF(14, 46, 104, 78));
    // A curved roof with turned-up eaves.
    style(p, QColor(170, 50, 40), 2.5);
    QPainterPath roof(QPointF(2, 36));
    roof.quadTo(QPointF(14, 46), QPointF(24, 40));
    roof.lineTo(QPointF(42, 20));
    roof.lineTo(QPointF(90, 20));
    roof.lineTo(QPointF(108, 40));
    roof.quadTo(QPointF(118, 46), QPointF(130, 36));
    roof.lineTo(QPointF(122, 50));
    roof.lineTo(QPointF(10, 50));
    roof.closeSubpath();
    p.drawPath(roof);
    // The sign: a bowl of rice with chopsticks.
    const QRectF sign(34, 56, 64, 34);
    style(p, kWhite, 2);
    p.drawRoundedRect(sign, 4, 4);
    p.setPen(outline(3, kChopstick));
    p.drawLine(QPointF(62, 72), QPointF(90, 58));
    p.drawLine(QPointF(66, 73), QPointF(92, 63));
    style(p, QColor(52, 120, 190), 2);
    p.drawChord(QRectF(44, 56, 40, 30), 180 * 16, 180 * 16);
    style(p, QColor(120, 80, 50), 2);
    p.drawRect(QRectF(54, 96, 24, 28));
    for (qreal x : {22.0, 110.0}) {
        style(p, QColor(220, 40, 40), 1.5);
        p.drawEllipse(QPointF(x, 68), 7, 9);
        p.setPen(outline(2, QColor(240, 190, 40)));
        p.drawLine(QPointF(x, 77), QPointF(x, 84));
    }
}

void bank(QPainter& p)
{
    ground(p);
    const QColor stone(226, 222, 210);
    style(p, stone, 2);
    p.drawRect(QRectF(10, 112, 112, 6));
    p.drawRect(QRectF(4, 118, 124, 6));
    p.drawRect(QRectF(14, 44, 104, 8));
    for (int i = 0; i < 4; ++i)
        p.drawRect(QRectF(20 + i * 26, 52, 14, 60));
    style(p, stone, 2.5);
    p.drawPath(polygonPath({{6, 44}, {66, 8}, {126, 44}}));
    style(p, QColor(240, 190, 40), 2);
    p.drawEllipse(QPointF(66, 31), 11, 11);
    centredText(p, QRectF(52, 19, 28, 24), QString::fromUtf8("¥"), 17, QColor(140, 90, 0));
    style(p, QColor(120, 80, 50), 2);
    p.drawRect(QRectF(59, 80, 14, 32));
}

void noodles(QPainter& p)
{
    // Noodles rising from the bowl on a pair of chopsticks.
    p.setPen(outline(2.5, QColor(220, 180, 70)));
    p.setBrush(Qt::NoBrush);
    for (int i = 0; i < 5; ++i) {
        const qreal x = 50 + i * 5;
        QPainterPath strand(QPointF(x, 66));
        strand.cubicTo(QPointF(x - 6, 52), QPointF(x + 6, 42), QPointF(x + 2, 28));
        p.drawPath(strand);
    }
    chopsticks(p, QPointF(46, 28), 60);
    style(p, QColor(245, 215, 110), 2, QColor(180, 140, 40));
    p.drawEllipse(QRectF(18, 58, 96, 14));
    p.setPen(outline(2, QColor(200, 160, 50)));
    p.setBrush(Qt::NoBrush);
    for (int i = 0; i < 4; ++i)
        p.drawArc(QRectF(26 + i * 20, 60, 20, 8), 0, 180 * 16);
    bowl(p, 66);
}

void rice(QPainter& p)
{
    // White rice heaped above the rim.
    style(p, kWhite, 2);
    QPainterPath heap(QPointF(18, 66));
    heap.cubicTo(QPointF(24, 24), QPointF(108, 24), QPointF(114, 66));
    heap.closeSubpath();
    p.drawPath(heap);
    style(p, QColor(250, 250, 240), 1, QColor(170, 170, 160));
    const QPointF grains[] = {{44, 52}, {60, 42}, {78, 48}, {94, 56}, {54, 60}, {70, 56}, {34, 60}, {86, 40}};
    for (int i = 0; i < 8; ++i) {
        p.save();
        p.translate(grains[i]);
        p.rotate(i * 40.0);
        p.drawEllipse(QRectF(-4, -2, 8, 4));
        p.restore();
    }
    bowl(p, 66);
}

void fishDish(QPainter& p)
{
    plate(p, QRectF(4, 48, 124, 64));
    const QColor skin(230, 140, 60);
    style(p, skin, 2);
    p.drawPath(polygonPath({{34, 80}, {14, 64}, {18, 80}, {14, 96}}));
    p.drawEllipse(QRectF(28, 66, 80, 28));
    style(p, kWhite, 1.2);
    p.drawEllipse(QPointF(94, 77), 4, 4);
    style(p, kInk, 0.5);
    p.drawEllipse(QPointF(95, 77), 2, 2);
    p.setPen(outline(1.8, QColor(150, 80, 30)));
    p.drawArc(QRectF(76, 68, 12, 24), -60 * 16, 120 * 16);
    for (int i = 0; i < 3; ++i)
        p.drawLine(QPointF(46 + i * 10, 72), QPointF(42 + i * 10, 88));
    style(p, QColor(90, 170, 70), 1);
    for (QPointF bit : {QPointF(56, 64), QPointF(64, 96), QPointF(78, 62), QPointF(44, 96)})
        p.drawEllipse(bit, 3, 2);
}

void dumplings(QPainter& p)
{
    plate(p, QRectF(6, 44, 120, 76));
    const QPointF at[] = {{40, 66}, {66, 60}, {92, 66}, {30, 90}, {58, 90}, {86, 92}, {104, 82}};
    for (int i = 0; i < 7; ++i)
        dumpling(p, at[i], (i % 3 - 1) * 10.0);
}

} // namespace drawings
