// Drawings of things: vehicles, buildings, small objects, drinks, sports,
// animals and fruit.

#include "tools/picture_drawings.h"

#include "tools/drawing_helpers.h"

namespace drawings {

namespace {

void steam(QPainter& p, QPointF from)
{
    p.setPen(outline(2, QColor(150, 150, 160)));
    p.setBrush(Qt::NoBrush);
    for (int i = 0; i < 3; ++i) {
        const QPointF start = from + QPointF(i * 12, 0);
        QPainterPath wave(start);
        wave.cubicTo(start + QPointF(-6, -6), start + QPointF(6, -12), start + QPointF(0, -18));
        p.drawPath(wave);
    }
}

void apple(QPainter& p, QPointF c)
{
    QPainterPath body;
    body.setFillRule(Qt::WindingFill);
    body.addEllipse(c + QPointF(-7, 0), 14, 17);
    body.addEllipse(c + QPointF(7, 0), 14, 17);
    style(p, QColor(214, 45, 32), 2);
    p.drawPath(body.simplified());
    p.setPen(outline(2.5, QColor(100, 60, 30)));
    p.drawLine(c + QPointF(0, -12), c + QPointF(2, -22));
    style(p, QColor(76, 175, 80), 1.2);
    p.drawEllipse(c + QPointF(9, -20), 6, 3);
}

void banana(QPainter& p, QPointF c, qreal degrees)
{
    p.save();
    p.translate(c);
    p.rotate(degrees);
    QPainterPath path(QPointF(-40, -6));
    path.cubicTo(QPointF(-22, 26), QPointF(24, 26), QPointF(42, -10));
    path.cubicTo(QPointF(22, 10), QPointF(-20, 10), QPointF(-40, -6));
    style(p, QColor(250, 220, 50), 2, QColor(170, 130, 10));
    p.drawPath(path);
    style(p, QColor(90, 70, 30), 1);
    p.drawEllipse(QPointF(-40, -6), 3, 3);
    p.restore();
}

} // namespace

void bicycle(QPainter& p)
{
    const QPointF rear(32, 92), front(100, 92), crank(62, 92), seat(52, 58), head(90, 58);
    for (QPointF hub : {rear, front}) {
        p.setPen(outline(4.5, kTyre));
        p.setBrush(Qt::NoBrush);
        p.drawEllipse(hub, 23, 23);
        p.setPen(outline(1, QColor(150, 150, 150)));
        for (int i = 0; i < 6; ++i)
            p.drawLine(polar(hub, 21, i * 30.0), polar(hub, 21, i * 30.0 + 180.0));
    }
    p.setPen(outline(4.5, QColor(214, 54, 50)));
    p.drawLine(rear, crank);
    p.drawLine(crank, seat);
    p.drawLine(seat, rear);
    p.drawLine(seat + QPointF(2, 4), head + QPointF(0, 4));
    p.drawLine(crank, head + QPointF(0, 4));
    p.drawLine(head, front);
    p.setPen(outline(4, kInk));
    p.drawLine(head, QPointF(86, 44));
    p.drawLine(QPointF(80, 44), QPointF(98, 42));
    style(p, kInk, 1);
    p.drawRoundedRect(QRectF(40, 50, 22, 7), 3, 3);
    style(p, QColor(120, 120, 120), 1.5);
    p.drawEllipse(crank, 5, 5);
}

void bus(QPainter& p)
{
    style(p, QColor(39, 174, 96), 2.5);
    p.drawRoundedRect(QRectF(4, 34, 124, 68), 10, 10);
    for (int i = 0; i < 4; ++i)
        window(p, QRectF(10 + i * 22, 44, 18, 22));
    window(p, QRectF(100, 44, 22, 22));
    style(p, QColor(220, 240, 250), 1.5);
    p.drawRect(QRectF(102, 72, 18, 26));
    style(p, QColor(255, 255, 255), 0);
    p.setPen(Qt::NoPen);
    p.drawRect(QRectF(6, 74, 90, 5));
    style(p, QColor(255, 210, 60), 1);
    p.drawEllipse(QPointF(124, 92), 3, 3);
    wheel(p, QPointF(30, 102), 12);
    wheel(p, QPointF(96, 102), 12);
}

void taxi(QPainter& p)
{
    style(p, QColor(244, 196, 48), 2.5);
    p.drawPath(polygonPath({{30, 74}, {42, 48}, {92, 48}, {106, 74}}));
    p.drawRoundedRect(QRectF(6, 72, 120, 28), 8, 8);
    window(p, QRectF(46, 53, 20, 19));
    window(p, QRectF(70, 53, 20, 19));
    style(p, kWhite, 1.5);
    p.drawRoundedRect(QRectF(56, 38, 22, 10), 2, 2);
    // Chequered band along the side.
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 12; ++i) {
        p.setBrush(i % 2 == 0 ? kInk : kWhite);
        p.drawRect(QRectF(16 + i * 8.5, 82, 8.5, 6));
    }
    style(p, QColor(255, 240, 200), 1);
    p.drawEllipse(QPointF(120, 80), 3, 3);
    wheel(p, QPointF(34, 102), 12);
    wheel(p, QPointF(98, 102), 12);
}

void train(QPainter& p)
{
    QPainterPath body(QPointF(4, 46));
    body.lineTo(98, 46);
    body.cubicTo(QPointF(118, 46), QPointF(128, 70), QPointF(128, 98));
    body.lineTo(4, 98);
    body.closeSubpath();
    style(p, QColor(240, 243, 246), 2.5);
    p.drawPath(body);
    style(p, QColor(30, 90, 180), 0);
    p.setPen(Qt::NoPen);
    p.drawRect(QRectF(5, 80, 121, 7));
    for (int i = 0; i < 5; ++i)
        window(p, QRectF(10 + i * 18, 56, 12, 14));
    style(p, QColor(40, 60, 90), 1.5);
    p.drawPath(polygonPath({{102, 54}, {112, 58}, {120, 72}, {102, 72}}));
    p.setPen(outline(2.5, QColor(110, 110, 110)));
    p.drawLine(QPointF(2, 108), QPointF(130, 108));
    p.setPen(outline(3, QColor(140, 100, 60)));
    for (int i = 0; i < 8; ++i)
        p.drawLine(QPointF(8 + i * 16, 104), QPointF(8 + i * 16, 114));
    for (qreal x : {20.0, 40.0, 88.0, 108.0})
        wheel(p, QPointF(x, 100), 6);
}

void hospital(QPainter& p)
{
    ground(p);
    style(p, QColor(236, 240, 241), 2.5);
    p.drawRect(QRectF(16, 30, 100, 94));
    for (int row = 0; row < 2; ++row)
        for (int col = 0; col < 4; ++col)
            if (!(row == 0 && (col == 1 || col == 2)))
                window(p, QRectF(24 + col * 23, 40 + row * 28, 14, 16));
    style(p, kWhite, 2);
    p.drawRect(QRectF(48, 36, 36, 30));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(220, 30, 40));
    p.drawRect(QRectF(61, 39, 10, 24));
    p.drawRect(QRectF(54, 46, 24, 10));
    style(p, kGlass, 2);
    p.drawRect(QRectF(52, 96, 28, 28));
    p.drawLine(QPointF(66, 96), QPointF(66, 124));
}

void school(QPainter& p)
{
    ground(p);
    p.setPen(outline(2, kInk));
    p.drawLine(QPointF(66, 40), QPointF(66, 6));
    style(p, QColor(220, 40, 40), 1.5);
    p.drawPath(polygonPath({{66, 7}, {92, 12}, {66, 20}}));
    style(p, QColor(245, 203, 167), 2.5);
    p.drawRect(QRectF(8, 54, 116, 70));
    style(p, QColor(190, 90, 60), 2.5);
    p.drawPath(polygonPath({{4, 56}, {66, 38}, {128, 56}}));
    for (int col = 0; col < 4; ++col)
        window(p, QRectF(16 + col * 28 + (col >= 2 ? 6 : 0), 66, 16, 16));
    style(p, QColor(120, 80, 50), 2);
    p.drawRect(QRectF(54, 92, 24, 32));
    p.drawLine(QPointF(66, 92), QPointF(66, 124));
    for (qreal x : {16.0, 100.0})
        window(p, QRectF(x, 98, 16, 14));
}

void house(QPainter& p)
{
    ground(p);
    style(p, QColor(150, 90, 70), 2);
    p.drawRect(QRectF(88, 28, 12, 26));
    style(p, QColor(255, 232, 176), 2.5);
    p.drawRect(QRectF(26, 66, 80, 58));
    style(p, QColor(205, 60, 50), 2.5);
    p.drawPath(polygonPath({{14, 68}, {66, 22}, {118, 68}}));
    style(p, QColor(140, 80, 40), 2);
    p.drawRect(QRectF(58, 90, 18, 34));
    for (qreal x : {34.0, 86.0}) {
        window(p, QRectF(x, 80, 16, 16));
        p.drawLine(QPointF(x + 8, 80), QPointF(x + 8, 96));
        p.drawLine(QPointF(x, 88), QPointF(x + 16, 88));
    }
}

void shop(QPainter& p)
{
    ground(p);
    style(p, QColor(250, 250, 245), 2.5);
    p.drawRect(QRectF(10, 36, 112, 88));
    style(p, QColor(46, 134, 222), 2);
    p.drawRect(QRectF(10, 20, 112, 18));
    // Striped awning with a scalloped edge.
    for (int i = 0; i < 8; ++i) {
        const qreal left = 6 + i * 15;
        style(p, i % 2 == 0 ? QColor(220, 50, 50) : kWhite, 1.5);
        QPainterPath stripe(QPointF(left, 38));
        stripe.lineTo(left + 15, 38);
        stripe.lineTo(left + 15, 54);
        stripe.quadTo(left + 7.5, 62, left, 54);
        stripe.closeSubpath();
        p.drawPath(stripe);
    }
    window(p, QRectF(18, 68, 60, 40));
    const QColor goods[] = {QColor(230, 80, 60), QColor(250, 190, 40), QColor(90, 170, 80)};
    for (int i = 0; i < 6; ++i) {
        style(p, goods[i % 3], 1);
        p.drawRoundedRect(QRectF(22 + (i % 3) * 18, 76 + (i / 3) * 16, 14, 12), 2, 2);
    }
    style(p, QColor(120, 80, 50), 2);
    p.drawRect(QRectF(88, 70, 26, 54));
}

void wristwatch(QPainter& p)
{
    style(p, QColor(141, 110, 99), 2);
    p.drawRoundedRect(QRectF(52, 4, 28, 128), 6, 6);
    style(p, QColor(100, 70, 60), 1);
    for (qreal y : {104.0, 114.0, 124.0})
        p.drawEllipse(QPointF(66, y), 2, 2);
    style(p, QColor(180, 180, 190), 2);
    p.drawRect(QRectF(96, 63, 8, 10));
    style(p, kWhite, 6, QColor(150, 150, 160));
    const QPointF c(66, 68);
    p.drawEllipse(c, 31, 31);
    p.setPen(outline(2.5));
    for (int i = 0; i < 12; i += 3)
        p.drawLine(polar(c, 21, i * 30.0), polar(c, 26, i * 30.0));
    p.setPen(outline(4));
    p.drawLine(c, polar(c, 14, 305));
    p.setPen(outline(2.5));
    p.drawLine(c, polar(c, 22, 60));
}

void mobilePhone(QPainter& p)
{
    style(p, QColor(44, 62, 80), 2.5);
    p.drawRoundedRect(QRectF(38, 8, 56, 120), 10, 10);
    style(p, QColor(133, 193, 233), 1.5);
    p.drawRect(QRectF(44, 22, 44, 88));
    const QColor apps[] = {QColor(230, 80, 60), QColor(250, 190, 40), QColor(90, 170, 80),
                           QColor(150, 90, 200)};
    for (int i = 0; i < 6; ++i) {
        style(p, apps[i % 4], 1);
        p.drawRoundedRect(QRectF(49 + (i % 3) * 13, 30 + (i / 3) * 14, 9, 9), 2, 2);
    }
    style(p, QColor(100, 110, 120), 1);
    p.drawRoundedRect(QRectF(58, 13, 16, 4), 2, 2);
    p.drawEllipse(QPointF(66, 119), 4.5, 4.5);
}

void glasses(QPainter& p)
{
    p.setPen(outline(4, kInk));
    p.setBrush(Qt::NoBrush);
    p.drawLine(QPointF(18, 62), QPointF(4, 50));
    p.drawLine(QPointF(114, 62), QPointF(128, 50));
    QPainterPath bridge(QPointF(58, 66));
    bridge.quadTo(QPointF(66, 58), QPointF(74, 66));
    p.drawPath(bridge);
    style(p, QColor(214, 234, 248), 5);
    p.drawEllipse(QPointF(38, 72), 21, 19);
    p.drawEllipse(QPointF(94, 72), 21, 19);
    p.setPen(outline(2.5, kWhite));
    p.drawLine(QPointF(28, 66), QPointF(36, 60));
    p.drawLine(QPointF(84, 66), QPointF(92, 60));
}

void key(QPainter& p)
{
    const QColor gold(212, 172, 13);
    style(p, gold, 2);
    p.drawRect(QRectF(50, 63, 72, 11));
    p.drawRect(QRectF(84, 73, 7, 11));
    p.drawRect(QRectF(98, 73, 7, 16));
    p.drawRect(QRectF(112, 73, 7, 12));
    QPainterPath bow;
    bow.addEllipse(QPointF(34, 68), 24, 24);
    bow.addEllipse(QPointF(30, 68), 9, 9);
    bow.setFillRule(Qt::OddEvenFill);
    style(p, gold, 2);
    p.drawPath(bow);
}

void coffee(QPainter& p)
{
    style(p, kWhite, 2);
    p.drawEllipse(QRectF(16, 106, 92, 18));
    p.setPen(outline(7, kInk));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QRectF(80, 66, 28, 28));
    p.setPen(outline(4, kWhite));
    p.drawEllipse(QRectF(80, 66, 28, 28));
    style(p, kWhite, 2.5);
    QPainterPath mug(QPointF(30, 56));
    mug.lineTo(90, 56);
    mug.lineTo(86, 104);
    mug.quadTo(60, 116, 34, 104);
    mug.closeSubpath();
    p.drawPath(mug);
    style(p, QColor(111, 78, 55), 2);
    p.drawEllipse(QRectF(31, 51, 58, 12));
    steam(p, QPointF(46, 40));
}

void milk(QPainter& p)
{
    // A blue backdrop so that the white milk stands out.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(205, 226, 245));
    p.drawRoundedRect(QRectF(4, 8, 124, 120), 10, 10);
    // Carton with a gable top.
    style(p, kWhite, 2);
    p.drawPath(polygonPath({{16, 50}, {26, 30}, {56, 30}, {66, 50}}));
    p.drawRect(QRectF(16, 50, 50, 72));
    style(p, QColor(52, 120, 210), 1.5);
    p.drawRect(QRectF(16, 96, 50, 26));
    style(p, QColor(52, 120, 210), 1.5);
    QPainterPath drop(QPointF(41, 58));
    drop.cubicTo(QPointF(52, 72), QPointF(50, 84), QPointF(41, 84));
    drop.cubicTo(QPointF(32, 84), QPointF(30, 72), QPointF(41, 58));
    p.drawPath(drop);
    // A glass of milk.
    style(p, QColor(252, 252, 246), 2.5, QColor(120, 150, 170));
    p.drawPath(polygonPath({{76, 58}, {118, 58}, {114, 122}, {80, 122}}));
    p.setPen(outline(2, QColor(150, 180, 200)));
    p.drawLine(QPointF(78, 68), QPointF(116, 68));
}

void tea(QPainter& p)
{
    const QColor pot(46, 139, 87);
    style(p, pot, 2.5);
    p.drawPath(polygonPath({{24, 84}, {4, 58}, {10, 54}, {30, 74}}));
    p.setPen(outline(6, kInk));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QRectF(72, 62, 26, 30));
    p.setPen(outline(3.5, pot));
    p.drawEllipse(QRectF(72, 62, 26, 30));
    style(p, pot, 2.5);
    p.drawEllipse(QRectF(18, 56, 68, 60));
    p.drawRoundedRect(QRectF(36, 46, 32, 12), 4, 4);
    p.drawEllipse(QPointF(52, 42), 5, 5);
    // A small cup of tea in front.
    style(p, kWhite, 2);
    QPainterPath cup(QPointF(90, 96));
    cup.lineTo(126, 96);
    cup.quadTo(124, 124, 108, 124);
    cup.quadTo(92, 124, 90, 96);
    p.drawPath(cup);
    style(p, QColor(200, 170, 60), 1.5);
    p.drawEllipse(QRectF(91, 92, 34, 8));
    steam(p, QPointF(98, 84));
}

void juice(QPainter& p)
{
    p.setPen(outline(4, QColor(220, 50, 50)));
    p.drawLine(QPointF(74, 44), QPointF(92, 10));
    style(p, QColor(243, 156, 18), 2.5, QColor(120, 150, 170));
    p.drawPath(polygonPath({{36, 40}, {96, 40}, {90, 124}, {42, 124}}));
    style(p, QColor(250, 200, 80), 1);
    p.drawRect(QRectF(44, 44, 8, 70));
    // Orange slice on the rim.
    style(p, QColor(255, 140, 0), 2);
    p.drawPie(QRectF(20, 22, 36, 36), 0, 180 * 16);
    style(p, QColor(255, 200, 90), 1);
    p.drawPie(QRectF(25, 27, 26, 26), 0, 180 * 16);
    p.setPen(outline(1.5, QColor(255, 140, 0)));
    for (int i = 1; i < 4; ++i)
        p.drawLine(QPointF(38, 40), polar(QPointF(38, 40), 12, -90.0 + i * 45.0));
}

void basketball(QPainter& p)
{
    const QPointF c(66, 68);
    style(p, QColor(230, 126, 34), 2.5);
    p.drawEllipse(c, 50, 50);
    p.setPen(outline(2.5));
    p.setBrush(Qt::NoBrush);
    p.drawLine(c + QPointF(0, -50), c + QPointF(0, 50));
    p.drawLine(c + QPointF(-50, 0), c + QPointF(50, 0));
    p.drawArc(QRectF(c.x() - 90, c.y() - 40, 70, 80), -60 * 16, 120 * 16);
    p.drawArc(QRectF(c.x() + 20, c.y() - 40, 70, 80), 120 * 16, 120 * 16);
}

void football(QPainter& p)
{
    const QPointF c(66, 68);
    const qreal radius = 50;
    style(p, kWhite, 2.5);
    p.drawEllipse(c, radius, radius);
    p.save();
    QPainterPath ball;
    ball.addEllipse(c, radius, radius);
    p.setClipPath(ball);
    auto pentagon = [&](QPointF centre, qreal size, qreal turn) {
        QPainterPath path;
        for (int i = 0; i < 5; ++i) {
            const QPointF point = polar(centre, size, turn + i * 72.0);
            if (i == 0)
                path.moveTo(point);
            else
                path.lineTo(point);
        }
        path.closeSubpath();
        style(p, kInk, 1.5);
        p.drawPath(path);
    };
    pentagon(c, 16, 0);
    p.setPen(outline(2));
    for (int i = 0; i < 5; ++i) {
        const qreal direction = i * 72.0;
        p.drawLine(polar(c, 16, direction), polar(c, 36, direction));
        pentagon(polar(c, 50, direction), 18, direction + 180.0);
    }
    p.restore();
    p.setPen(outline(2.5));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(c, radius, radius);
}

void tableTennis(QPainter& p)
{
    p.save();
    p.translate(56, 66);
    p.rotate(-30);
    style(p, QColor(180, 130, 80), 2);
    p.drawRoundedRect(QRectF(-8, 30, 16, 44), 4, 4);
    style(p, QColor(220, 40, 40), 2.5);
    p.drawEllipse(QPointF(0, 0), 36, 40);
    p.restore();
    style(p, kWhite, 2);
    p.drawEllipse(QPointF(108, 30), 10, 10);
    p.setPen(outline(1.5, QColor(150, 150, 150)));
    p.drawLine(QPointF(96, 40), QPointF(86, 48));
}

void swimming(QPainter& p)
{
    QPainterPath water(QPointF(2, 78));
    for (int i = 0; i < 4; ++i)
        water.quadTo(QPointF(18 + i * 32, 68), QPointF(34 + i * 32, 78));
    water.lineTo(130, 134);
    water.lineTo(2, 134);
    water.closeSubpath();
    style(p, QColor(60, 150, 230), 2, QColor(30, 100, 180));
    p.drawPath(water);
    // Swimmer's arm over the water, head in a red cap.
    p.setPen(outline(9, QColor(240, 190, 150)));
    p.setBrush(Qt::NoBrush);
    QPainterPath arm(QPointF(60, 76));
    arm.quadTo(QPointF(84, 30), QPointF(108, 64));
    p.drawPath(arm);
    style(p, QColor(240, 190, 150), 2);
    p.drawEllipse(QPointF(44, 72), 13, 12);
    style(p, QColor(220, 40, 40), 2);
    p.drawChord(QRectF(31, 60, 26, 24), 30 * 16, 150 * 16);
    p.setPen(outline(2, kWhite));
    for (qreal x : {70.0, 96.0, 22.0})
        p.drawArc(QRectF(x, 92, 18, 10), 0, 180 * 16);
    style(p, kWhite, 1.5, QColor(30, 100, 180));
    p.drawEllipse(QPointF(116, 56), 4, 4);
    p.drawEllipse(QPointF(120, 44), 3, 3);
}

void dog(QPainter& p)
{
    const QColor fur(198, 142, 90), ear(120, 78, 40);
    style(p, fur, 2.5);
    p.drawEllipse(QPointF(66, 66), 34, 36);
    style(p, ear, 2.5);
    p.drawEllipse(QRectF(18, 40, 24, 60));
    p.drawEllipse(QRectF(90, 40, 24, 60));
    style(p, QColor(240, 215, 180), 2);
    p.drawEllipse(QRectF(46, 74, 40, 30));
    style(p, kInk, 1);
    p.drawEllipse(QPointF(54, 60), 4.5, 5.5);
    p.drawEllipse(QPointF(78, 60), 4.5, 5.5);
    p.drawEllipse(QPointF(66, 80), 8, 6);
    p.setPen(outline(2));
    p.drawLine(QPointF(66, 86), QPointF(66, 94));
    style(p, QColor(240, 110, 130), 1.5);
    p.drawChord(QRectF(60, 92, 12, 16), 180 * 16, 180 * 16);
}

void bird(QPainter& p)
{
    p.setPen(outline(6, QColor(120, 80, 40)));
    p.drawLine(QPointF(4, 108), QPointF(128, 100));
    p.setPen(outline(2.5, QColor(230, 140, 30)));
    p.drawLine(QPointF(60, 86), QPointF(58, 104));
    p.drawLine(QPointF(74, 86), QPointF(74, 102));
    style(p, QColor(52, 152, 219), 2.5);
    p.drawPath(polygonPath({{28, 66}, {6, 54}, {10, 82}}));
    p.drawEllipse(QRectF(24, 48, 70, 44));
    p.drawEllipse(QPointF(94, 48), 18, 18);
    style(p, QColor(30, 100, 170), 2);
    p.drawEllipse(QRectF(38, 56, 40, 22));
    style(p, QColor(245, 170, 40), 2);
    p.drawPath(polygonPath({{110, 44}, {126, 50}, {110, 56}}));
    style(p, kInk, 1);
    p.drawEllipse(QPointF(100, 44), 3.5, 3.5);
}

void cat(QPainter& p)
{
    const QColor fur(240, 160, 75), inner(250, 190, 200);
    style(p, fur, 2.5);
    p.drawPath(polygonPath({{34, 60}, {36, 16}, {64, 44}}));
    p.drawPath(polygonPath({{98, 60}, {96, 16}, {68, 44}}));
    style(p, inner, 1);
    p.drawPath(polygonPath({{40, 50}, {41, 28}, {56, 44}}));
    p.drawPath(polygonPath({{92, 50}, {91, 28}, {76, 44}}));
    style(p, fur, 2.5);
    p.drawEllipse(QPointF(66, 76), 40, 36);
    style(p, QColor(120, 200, 90), 1.5);
    p.drawEllipse(QPointF(50, 68), 7, 8);
    p.drawEllipse(QPointF(82, 68), 7, 8);
    style(p, kInk, 1);
    p.drawEllipse(QPointF(50, 68), 2, 6);
    p.drawEllipse(QPointF(82, 68), 2, 6);
    style(p, QColor(240, 110, 130), 1.2);
    p.drawPath(polygonPath({{60, 82}, {72, 82}, {66, 89}}));
    p.setPen(outline(1.5));
    p.drawLine(QPointF(66, 89), QPointF(60, 96));
    p.drawLine(QPointF(66, 89), QPointF(72, 96));
    for (int i = -1; i <= 1; ++i) {
        p.drawLine(QPointF(46, 88 + i * 6), QPointF(8, 84 + i * 12));
        p.drawLine(QPointF(86, 88 + i * 6), QPointF(124, 84 + i * 12));
    }
}

void fish(QPainter& p)
{
    style(p, QColor(214, 236, 250), 0);
    p.setPen(Qt::NoPen);
    p.drawRoundedRect(QRectF(4, 12, 124, 112), 10, 10);
    const QColor scales(245, 129, 58);
    style(p, scales, 2.5);
    p.drawPath(polygonPath({{36, 72}, {8, 44}, {8, 100}}));
    p.drawPath(polygonPath({{62, 50}, {80, 30}, {86, 52}}));
    p.drawEllipse(QRectF(26, 46, 86, 52));
    style(p, kWhite, 1.5);
    p.drawEllipse(QPointF(94, 64), 7, 7);
    style(p, kInk, 1);
    p.drawEllipse(QPointF(96, 64), 3.5, 3.5);
    p.setPen(outline(2));
    p.drawArc(QRectF(56, 54, 20, 36), -60 * 16, 120 * 16);
    p.setPen(outline(1.5, QColor(60, 130, 200)));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QPointF(116, 40), 5, 5);
    p.drawEllipse(QPointF(110, 24), 3.5, 3.5);
}

void apples(QPainter& p)
{
    apple(p, QPointF(66, 54));
    apple(p, QPointF(38, 98));
    apple(p, QPointF(94, 98));
}

void bananas(QPainter& p)
{
    banana(p, QPointF(64, 58), -12);
    banana(p, QPointF(66, 74), 0);
    banana(p, QPointF(68, 90), 12);
    style(p, QColor(120, 160, 60), 2);
    p.drawRoundedRect(QRectF(16, 50, 14, 30), 4, 4);
}

void grapes(QPainter& p)
{
    p.setPen(outline(3, QColor(110, 80, 40)));
    p.drawLine(QPointF(66, 30), QPointF(70, 12));
    style(p, QColor(90, 170, 70), 1.5);
    p.drawPath(polygonPath({{70, 20}, {96, 10}, {104, 26}, {82, 32}}));
    style(p, QColor(125, 60, 152), 1.5);
    const int perRow[] = {5, 4, 3, 2, 1};
    for (int row = 0; row < 5; ++row)
        for (int i = 0; i < perRow[row]; ++i)
            p.drawEllipse(QPointF(66 + (i - (perRow[row] - 1) / 2.0) * 19, 42 + row * 17), 10, 10);
}

void watermelon(QPainter& p)
{
    const QColor rind(46, 125, 50);
    style(p, rind, 2.5);
    p.drawEllipse(QRectF(6, 12, 92, 66));
    p.setPen(outline(4, QColor(20, 70, 25)));
    p.setBrush(Qt::NoBrush);
    for (int i = 0; i < 4; ++i)
        p.drawArc(QRectF(16 + i * 16, 16, 18, 58), 90 * 16, 180 * 16);
    // A slice in front.
    style(p, rind, 2.5);
    p.drawChord(QRectF(50, 48, 78, 78), 180 * 16, 180 * 16);
    style(p, QColor(235, 60, 70), 1.5);
    p.drawChord(QRectF(56, 54, 66, 66), 180 * 16, 180 * 16);
    style(p, kInk, 0.5);
    for (QPointF seed : {QPointF(74, 94), QPointF(89, 104), QPointF(104, 94), QPointF(89, 92)})
        p.drawEllipse(seed, 2.5, 3.5);
}

} // namespace drawings
