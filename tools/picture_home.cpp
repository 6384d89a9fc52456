// Drawings at home: furniture, a cat in different places, and people
// sleeping, reading, washing clothes or watching a film.

#include "tools/picture_drawings.h"

#include "tools/drawing_helpers.h"
#include "tools/picture_figure.h"

namespace drawings {

namespace {

const QColor kFur(240, 160, 75);
const QColor kFloor(150, 120, 90);

void floorLine(QPainter& p)
{
    p.setPen(outline(2, kFloor));
    p.drawLine(QPointF(4, 126), QPointF(128, 126));
}

// A chair seen from the side, its back on the left, standing on `floor`.
void chair(QPainter& p, qreal left, qreal floor, qreal scale)
{
    const qreal width = 30 * scale, legs = 26 * scale, back = 30 * scale, thick = 5 * scale;
    const qreal seat = floor - legs;
    style(p, kWood, 1.5);
    p.drawRect(QRectF(left, seat - back, thick, back + legs));
    p.drawRect(QRectF(left + width - thick, seat, thick, legs));
    p.drawRect(QRectF(left, seat - thick, width, thick + 1));
    p.drawRect(QRectF(left, seat - back, thick + 3 * scale, 8 * scale));
}

// A bed with its head on the left; the foot board is drawn last, over
// whatever lies on the bed.
void bed(QPainter& p)
{
    style(p, kWood, 2);
    p.drawRect(QRectF(6, 56, 10, 70));
    p.drawRect(QRectF(14, 96, 104, 14));
    style(p, kWhite, 2);
    p.drawRect(QRectF(16, 86, 100, 12));
    p.drawRoundedRect(QRectF(16, 70, 30, 16), 7, 7);
}

void footBoard(QPainter& p)
{
    style(p, kWood, 2);
    p.drawRect(QRectF(116, 80, 10, 46));
}

void blanket(QPainter& p, QRectF box)
{
    style(p, QColor(90, 140, 210), 2);
    p.drawRoundedRect(box, 8, 8);
    p.setPen(outline(1.5, QColor(60, 100, 170)));
    p.drawLine(box.topLeft() + QPointF(12, 4), box.bottomLeft() + QPointF(12, -4));
}

// "Zzz" rising from a sleeper.
void snores(QPainter& p, QPointF from)
{
    for (int i = 0; i < 3; ++i)
        centredText(p, QRectF(from + QPointF(i * 11, -i * 11), QSizeF(14, 14)), QStringLiteral("Z"),
                    11 + i * 2, QColor(60, 90, 160));
}

// A small cat sitting, seen from the side with its face turned to us;
// `at` is where it sits.
void sittingCat(QPainter& p, QPointF at, qreal scale)
{
    p.save();
    p.translate(at);
    p.scale(scale, scale);
    style(p, kFur, 2);
    QPainterPath tail(QPointF(12, -4));
    tail.cubicTo(QPointF(30, -2), QPointF(32, -22), QPointF(24, -30));
    p.setBrush(Qt::NoBrush);
    p.setPen(outline(7, kInk));
    p.drawPath(tail);
    p.setPen(outline(4.5, kFur));
    p.drawPath(tail);
    style(p, kFur, 2);
    p.drawEllipse(QRectF(-14, -30, 28, 30));
    p.drawPath(polygonPath({{-13, -42}, {-12, -58}, {-3, -47}}));
    p.drawPath(polygonPath({{13, -42}, {12, -58}, {3, -47}}));
    p.drawEllipse(QPointF(0, -40), 13, 12);
    style(p, kInk, 0.5);
    p.drawEllipse(QPointF(-5, -41), 1.8, 2.5);
    p.drawEllipse(QPointF(5, -41), 1.8, 2.5);
    style(p, QColor(240, 110, 130), 0.8);
    p.drawEllipse(QPointF(0, -36), 2, 1.5);
    p.setPen(outline(1));
    for (int side : {-1, 1})
        p.drawLine(QPointF(side * 4, -35), QPointF(side * 17, -36));
    p.restore();
}

// A cat curled up asleep, `at` the middle of its underside.
void sleepingCat(QPainter& p, QPointF at)
{
    p.save();
    p.translate(at);
    style(p, kFur, 2);
    p.drawEllipse(QRectF(-26, -20, 50, 20));
    p.setPen(outline(6, kInk));
    p.setBrush(Qt::NoBrush);
    QPainterPath tail(QPointF(22, -8));
    tail.quadTo(QPointF(14, 4), QPointF(-10, 0));
    p.drawPath(tail);
    p.setPen(outline(3.5, kFur));
    p.drawPath(tail);
    style(p, kFur, 2);
    p.drawPath(polygonPath({{-30, -18}, {-30, -30}, {-22, -22}}));
    p.drawPath(polygonPath({{-14, -20}, {-14, -30}, {-22, -23}}));
    p.drawEllipse(QPointF(-22, -12), 11, 10);
    p.setPen(outline(1.3));
    p.drawArc(QRectF(-29, -14, 6, 4), 180 * 16, 180 * 16);
    p.drawArc(QRectF(-21, -14, 6, 4), 180 * 16, 180 * 16);
    p.restore();
}

// A figure seated on a chair, facing right.
Figure seated(qreal hipX, qreal seat)
{
    Figure f;
    f.hip = {hipX, seat - 4};
    f.facing = 1;
    f.frontLeg = {95, 180};
    f.backLeg = {92, 182};
    return f;
}

} // namespace

void catUnderTable(QPainter& p)
{
    floorLine(p);
    style(p, kWood, 2);
    p.drawRect(QRectF(6, 50, 120, 9));
    p.drawRect(QRectF(12, 59, 8, 67));
    p.drawRect(QRectF(112, 59, 8, 67));
    sittingCat(p, QPointF(64, 126), 1.0);
}

void catOnChair(QPainter& p)
{
    floorLine(p);
    chair(p, 34, 126, 1.9);
    sittingCat(p, QPointF(70, 77), 0.95);
}

void catInBox(QPainter& p)
{
    floorLine(p);
    const QColor card(210, 160, 100);
    style(p, card, 2);
    p.drawPath(polygonPath({{24, 64}, {6, 50}, {30, 48}}));
    p.drawPath(polygonPath({{108, 64}, {126, 50}, {102, 48}}));
    style(p, QColor(170, 120, 70), 2);
    p.drawRect(QRectF(24, 56, 84, 10));
    sittingCat(p, QPointF(66, 92), 1.1);
    style(p, card, 2);
    p.drawRect(QRectF(24, 66, 84, 60));
    p.setPen(outline(1.5, QColor(150, 100, 50)));
    p.drawLine(QPointF(24, 80), QPointF(108, 80));
    // The front paws over the edge.
    style(p, kFur, 1.5);
    p.drawEllipse(QPointF(56, 66), 6, 4);
    p.drawEllipse(QPointF(76, 66), 6, 4);
}

void catAsleepOnBed(QPainter& p)
{
    bed(p);
    blanket(p, QRectF(44, 80, 72, 22));
    footBoard(p);
    sleepingCat(p, QPointF(82, 80));
    snores(p, QPointF(44, 42));
}

Drawing chairs(int count)
{
    return [=](QPainter& p) {
        // One row of up to four, else two rows, the longer one behind, so
        // that they are easy to count.
        const int first = count <= 4 ? count : (count + 1) / 2;
        for (int i = 0; i < count; ++i) {
            const int row = i < first ? 0 : 1;
            const int inRow = row == 0 ? first : count - first;
            const int place = row == 0 ? i : i - first;
            const qreal pitch = 31;
            const qreal left = (kCellWidth - (inRow * pitch - 4)) / 2.0 + place * pitch;
            const qreal floor = count <= 4 ? 96 : 64 + row * 58;
            chair(p, left, floor, 0.9);
        }
    };
}

void sleepingInBed(QPainter& p)
{
    bed(p);
    Figure f;
    f.hip = {70, 86};
    f.scale = 0.85;
    f.lean = -90;
    f.facing = 0;
    f.eyesClosed = true;
    f.smiling = false;
    f.frontLeg = f.backLeg = {90, 90};
    f.frontArm = f.backArm = {90, 90};
    figure(p, f);
    blanket(p, QRectF(40, 74, 80, 24));
    footBoard(p);
    snores(p, QPointF(40, 38));
}

void reading(QPainter& p)
{
    floorLine(p);
    chair(p, 8, 126, 1.7);
    Figure f = seated(18, 82);
    f.scale = 1.1;
    f.frontArm = {140, 40};
    f.backArm = {150, 50};
    figure(p, f);
    // The open book held up in front of the face, its pages towards us.
    const QPointF spine = frontHand(f) + QPointF(14, 4);
    style(p, QColor(192, 57, 43), 2);
    p.drawPath(polygonPath({spine + QPointF(0, 3), spine + QPointF(-22, -6), spine + QPointF(-20, -40),
                            spine + QPointF(0, -30), spine + QPointF(22, -42), spine + QPointF(26, -6)}));
    style(p, kWhite, 1.5);
    p.drawPath(polygonPath({spine, spine + QPointF(-18, -8), spine + QPointF(-16, -37), spine + QPointF(0, -28)}));
    p.drawPath(polygonPath({spine, spine + QPointF(0, -28), spine + QPointF(19, -39), spine + QPointF(22, -9)}));
    p.setPen(outline(1.2, QColor(140, 140, 150)));
    for (int i = 1; i <= 3; ++i) {
        p.drawLine(spine + QPointF(-14, -10 - i * 6), spine + QPointF(-3, -6 - i * 6));
        p.drawLine(spine + QPointF(3, -6 - i * 6), spine + QPointF(17, -12 - i * 6));
    }
}

void washingClothes(QPainter& p)
{
    floorLine(p);
    // Crouched by a basin, both hands in the water on a red shirt.
    Figure f;
    f.hip = {26, 100};
    f.lean = 38;
    f.facing = 1;
    f.top = QColor(46, 160, 120);
    f.frontLeg = {115, 200};
    f.backLeg = {122, 205};
    f.frontArm = {140, 160};
    f.backArm = {150, 165};
    figure(p, f);
    style(p, QColor(90, 170, 230), 2);
    p.drawPath(polygonPath({{56, 96}, {128, 96}, {120, 126}, {64, 126}}));
    style(p, QColor(200, 230, 250), 1.5);
    p.drawEllipse(QRectF(56, 91, 72, 10));
    // The shirt's collar and a sleeve over the rim.
    style(p, QColor(220, 60, 60), 1.8);
    p.drawPath(polygonPath({{62, 96}, {70, 84}, {82, 80}, {96, 84}, {100, 96}}));
    p.drawPath(polygonPath({{96, 86}, {112, 80}, {116, 90}, {100, 94}}));
    style(p, kWhite, 1.5);
    p.drawPath(polygonPath({{74, 83}, {82, 80}, {80, 90}}));
    style(p, kWhite, 1.5, QColor(90, 140, 190));
    for (QPointF c : {QPointF(110, 70), QPointF(122, 62), QPointF(118, 78), QPointF(104, 58), QPointF(124, 86)})
        p.drawEllipse(c, 4.5, 4.5);
}

void cinema(QPainter& p)
{
    // A dark hall, a lit screen showing a landscape, and rows of heads.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(50, 40, 70));
    p.drawRect(QRectF(0, 0, kCellWidth, kCellHeight));
    style(p, QColor(180, 40, 50), 1.5);
    p.drawRect(QRectF(4, 6, 12, 70));
    p.drawRect(QRectF(116, 6, 12, 70));
    const QRectF screen(20, 10, 92, 56);
    style(p, QColor(170, 215, 245), 2, QColor(230, 230, 230));
    p.drawRect(screen);
    style(p, QColor(120, 180, 90), 1);
    p.drawPath(polygonPath({{22, 64}, {50, 30}, {72, 52}, {86, 40}, {110, 64}}));
    style(p, QColor(255, 210, 60), 1);
    p.drawEllipse(QPointF(94, 24), 7, 7);
    const QColor hair[] = {QColor(40, 30, 25), QColor(110, 70, 40), QColor(30, 30, 30)};
    for (int row = 0; row < 2; ++row) {
        const int heads = 4 - row;
        for (int i = 0; i < heads; ++i) {
            const qreal x = 66 + (i - (heads - 1) / 2.0) * 30;
            const qreal y = 90 + row * 24;
            style(p, QColor(90, 80, 130), 1.5, QColor(20, 15, 30));
            p.drawRoundedRect(QRectF(x - 13, y + 6, 26, 30), 9, 9);
            style(p, hair[(i + row) % 3], 1.5, QColor(20, 15, 30));
            p.drawEllipse(QPointF(x, y), 9, 10);
        }
    }
}

} // namespace drawings
