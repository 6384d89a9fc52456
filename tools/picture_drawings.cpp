// Drawings that carry a number: clocks, calendar pages, price tags, tickets,
// doors; and the weather symbols.

#include "tools/picture_drawings.h"

#include "tools/drawing_helpers.h"

namespace drawings {

namespace {

const QPointF kCentre(kCellWidth / 2.0, kCellHeight / 2.0);

void hand(QPainter& p, qreal degrees, qreal length, qreal width, QColor colour)
{
    p.setPen(outline(width, colour));
    p.drawLine(kCentre, polar(kCentre, length, degrees));
}

void cloud(QPainter& p, QPointF c, qreal scale, QColor fill)
{
    QPainterPath path;
    path.setFillRule(Qt::WindingFill);
    path.addEllipse(c + QPointF(-24, 2) * scale, 17 * scale, 15 * scale);
    path.addEllipse(c + QPointF(0, -8) * scale, 22 * scale, 21 * scale);
    path.addEllipse(c + QPointF(24, 2) * scale, 16 * scale, 14 * scale);
    path.addRoundedRect(QRectF(c + QPointF(-38, 0) * scale, c + QPointF(38, 17) * scale),
                        8 * scale, 8 * scale);
    style(p, fill, 2.0, QColor(90, 100, 112));
    p.drawPath(path.simplified());
}

void snowflake(QPainter& p, QPointF c, qreal radius)
{
    p.setPen(outline(2.5, QColor(60, 140, 210)));
    for (int i = 0; i < 3; ++i) {
        const qreal degrees = i * 60.0;
        p.drawLine(polar(c, radius, degrees), polar(c, radius, degrees + 180.0));
    }
}

void ticket(QPainter& p, QRectF box)
{
    style(p, QColor(255, 138, 101));
    p.drawRoundedRect(box, 4, 4);
    QPen dashes = outline(1.5);
    dashes.setStyle(Qt::DashLine);
    p.setPen(dashes);
    const qreal tear = box.right() - 14;
    p.drawLine(QPointF(tear, box.top() + 3), QPointF(tear, box.bottom() - 3));
    // A star for the show.
    QPainterPath star;
    const QPointF c(box.left() + 20, box.center().y());
    for (int i = 0; i < 10; ++i) {
        const QPointF point = polar(c, i % 2 == 0 ? 9.0 : 4.0, i * 36.0);
        if (i == 0)
            star.moveTo(point);
        else
            star.lineTo(point);
    }
    star.closeSubpath();
    style(p, QColor(255, 221, 87), 1.2);
    p.drawPath(star);
}

// A yellow price tag in the lower right of the cell.
void priceTag(QPainter& p, int yuan)
{
    style(p, QColor(255, 224, 102), 2);
    p.drawPath(polygonPath({{40, 90}, {54, 66}, {128, 66}, {128, 114}, {54, 114}}));
    style(p, kWhite, 1.5);
    p.drawEllipse(QPointF(54, 90), 4, 4);
    centredText(p, QRectF(58, 66, 70, 48), QString::fromUtf8("¥%1").arg(yuan), 22,
                QColor(190, 30, 30));
}

} // namespace

Drawing analogClock(int hour, int minute)
{
    return [=](QPainter& p) {
        const qreal radius = 56;
        style(p, QColor(255, 250, 232), 3.5);
        p.drawEllipse(kCentre, radius, radius);
        for (int i = 0; i < 12; ++i) {
            p.setPen(outline(i % 3 == 0 ? 3.0 : 1.5));
            p.drawLine(polar(kCentre, radius - 8, i * 30.0), polar(kCentre, radius - 3, i * 30.0));
        }
        const int numbers[] = {12, 3, 6, 9};
        for (int i = 0; i < 4; ++i) {
            const QPointF at = polar(kCentre, radius - 18, i * 90.0);
            centredText(p, QRectF(at - QPointF(12, 9), QSizeF(24, 18)),
                        QString::number(numbers[i]), 14, kInk);
        }
        hand(p, ((hour % 12) + minute / 60.0) * 30.0, 30, 6.5, kInk);
        hand(p, minute * 6.0, 45, 3.5, QColor(200, 40, 40));
        style(p, kInk, 1);
        p.drawEllipse(kCentre, 4.5, 4.5);
    };
}

Drawing digitalClock(int hour, int minute)
{
    return [=](QPainter& p) {
        style(p, QColor(70, 78, 90), 2.5);
        p.drawRoundedRect(QRectF(24, 98, 14, 10), 3, 3);
        p.drawRoundedRect(QRectF(94, 98, 14, 10), 3, 3);
        p.drawRoundedRect(QRectF(6, 34, 120, 68), 12, 12);
        style(p, QColor(14, 36, 22), 1.5);
        p.drawRoundedRect(QRectF(15, 44, 102, 48), 6, 6);
        const QString time = QString("%1:%2").arg(hour).arg(minute, 2, 10, QChar('0'));
        centredText(p, QRectF(15, 44, 102, 48), time, 32, QColor(110, 255, 120),
                    "Liberation Mono");
        style(p, QColor(230, 90, 60), 1.5);
        p.drawRoundedRect(QRectF(52, 27, 28, 8), 3, 3);
    };
}

Drawing calendarPage(int month, int day)
{
    return [=](QPainter& p) {
        const QRectF page(22, 18, 88, 104);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0, 0, 0, 40));
        p.drawRect(page.translated(4, 4));
        style(p, kWhite, 2.5);
        p.drawRect(page);
        const QRectF band(page.left(), page.top(), page.width(), 30);
        style(p, QColor(214, 48, 49), 2.5);
        p.drawRect(band);
        centredText(p, band, QString::fromUtf8("%1月").arg(month), 20, kWhite, kChineseFont);
        centredText(p, QRectF(page.left(), band.bottom(), page.width(), page.bottom() - band.bottom()),
                    QString::number(day), 48, kInk);
        style(p, QColor(120, 120, 130), 2);
        p.drawEllipse(QPointF(46, 18), 4, 7);
        p.drawEllipse(QPointF(86, 18), 4, 7);
    };
}

Drawing bookWithPrice(int yuan)
{
    return [=](QPainter& p) {
        style(p, kWhite, 2);
        p.drawRect(QRectF(24, 12, 70, 90));
        style(p, QColor(52, 120, 190), 2);
        p.drawRect(QRectF(18, 8, 70, 90));
        style(p, QColor(30, 80, 140), 2);
        p.drawRect(QRectF(18, 8, 11, 90));
        style(p, QColor(240, 230, 200), 1.5);
        p.drawRect(QRectF(38, 22, 40, 16));
        priceTag(p, yuan);
    };
}

Drawing cupsWithPrice(int yuan)
{
    return [=](QPainter& p) {
        // Three cups of a set in a row, the price tag in front.
        for (int i = 0; i < 3; ++i) {
            const qreal left = 6 + i * 40;
            p.setPen(outline(5, kInk));
            p.setBrush(Qt::NoBrush);
            p.drawEllipse(QRectF(left + 18, 24, 14, 20));
            p.setPen(outline(2.5, kWhite));
            p.drawEllipse(QRectF(left + 18, 24, 14, 20));
            style(p, kWhite, 2);
            QPainterPath cup(QPointF(left, 14));
            cup.lineTo(left + 25, 14);
            cup.lineTo(left + 23, 52);
            cup.quadTo(left + 12.5, 58, left + 2, 52);
            cup.closeSubpath();
            p.drawPath(cup);
            style(p, QColor(52, 120, 190), 1.2);
            p.drawRect(QRectF(left + 1, 26, 23.5, 8));
        }
        priceTag(p, yuan);
    };
}

Drawing tickets(int count)
{
    return [=](QPainter& p) {
        const qreal width = 54, height = 30, gap = 8;
        const int rows = (count + 1) / 2;
        const qreal top = (kCellHeight - (rows * height + (rows - 1) * gap)) / 2.0;
        for (int i = 0; i < count; ++i) {
            const int row = i / 2;
            const bool alone = i == count - 1 && count % 2 == 1;
            const qreal left = alone ? (kCellWidth - width) / 2.0 : (i % 2 == 0 ? 9.0 : 69.0);
            ticket(p, QRectF(left, top + row * (height + gap), width, height));
        }
    };
}

Drawing busNumber(int number)
{
    return [=](QPainter& p) {
        // A bus seen from the front, its line number lit above the windscreen.
        style(p, kTyre, 1.5);
        p.drawRoundedRect(QRectF(30, 112, 16, 16), 3, 3);
        p.drawRoundedRect(QRectF(86, 112, 16, 16), 3, 3);
        p.setPen(outline(3, kInk));
        p.drawLine(QPointF(22, 50), QPointF(12, 56));
        p.drawLine(QPointF(110, 50), QPointF(120, 56));
        style(p, QColor(39, 174, 96), 2.5);
        p.drawRoundedRect(QRectF(22, 8, 88, 110), 12, 12);
        style(p, QColor(30, 30, 36), 1.5);
        const QRectF sign(30, 15, 72, 28);
        p.drawRoundedRect(sign, 3, 3);
        centredText(p, sign, QString::number(number), 24, QColor(255, 190, 40));
        style(p, QColor(200, 230, 250), 2);
        p.drawRoundedRect(QRectF(28, 48, 76, 36), 4, 4);
        style(p, QColor(255, 240, 180), 1.5);
        p.drawEllipse(QPointF(38, 98), 6, 6);
        p.drawEllipse(QPointF(94, 98), 6, 6);
        style(p, QColor(200, 200, 205), 1.5);
        p.drawRoundedRect(QRectF(50, 94, 32, 9), 2, 2);
    };
}

Drawing doorNumber(int number)
{
    return [=](QPainter& p) {
        style(p, QColor(150, 150, 150), 2);
        p.drawRect(QRectF(28, 10, 76, 120));
        style(p, QColor(160, 82, 45), 2);
        p.drawRect(QRectF(34, 16, 64, 114));
        style(p, QColor(140, 70, 38), 1.5);
        p.drawRect(QRectF(42, 64, 48, 24));
        p.drawRect(QRectF(42, 96, 48, 26));
        style(p, QColor(240, 200, 60), 1.5);
        p.drawEllipse(QPointF(90, 78), 4.5, 4.5);
        style(p, kWhite, 2);
        const QRectF plate(38, 24, 56, 30);
        p.drawRoundedRect(plate, 4, 4);
        centredText(p, plate, QString::number(number), 22, kInk);
    };
}

void sun(QPainter& p)
{
    p.setPen(outline(4, QColor(245, 166, 35)));
    for (int i = 0; i < 12; ++i)
        p.drawLine(polar(kCentre, 34, i * 30.0), polar(kCentre, 52, i * 30.0));
    style(p, QColor(255, 201, 40), 2.5, QColor(232, 140, 0));
    p.drawEllipse(kCentre, 27, 27);
}

void rain(QPainter& p)
{
    cloud(p, QPointF(66, 48), 1.25, QColor(140, 152, 166));
    p.setPen(outline(3.5, QColor(40, 110, 220)));
    const QPointF drops[] = {{30, 84}, {54, 92}, {78, 84}, {102, 92}, {42, 110}, {66, 116}, {90, 110}};
    for (const QPointF& d : drops)
        p.drawLine(d, d + QPointF(-5, 12));
}

void snow(QPainter& p)
{
    cloud(p, QPointF(66, 46), 1.25, QColor(200, 208, 218));
    const QPointF flakes[] = {{30, 88}, {62, 94}, {96, 86}, {44, 118}, {80, 120}, {110, 112}};
    for (const QPointF& f : flakes)
        snowflake(p, f, 8);
}

void wind(QPainter& p)
{
    // A tree bent over by the wind, leaves blown off to the right.
    p.setPen(outline(2, QColor(110, 150, 90)));
    p.drawLine(QPointF(6, 126), QPointF(70, 126));
    style(p, QColor(140, 90, 50), 2);
    QPainterPath trunk(QPointF(26, 126));
    trunk.quadTo(QPointF(30, 88), QPointF(60, 62));
    trunk.lineTo(QPointF(66, 70));
    trunk.quadTo(QPointF(42, 92), QPointF(40, 126));
    trunk.closeSubpath();
    p.drawPath(trunk);
    QPainterPath crown;
    crown.setFillRule(Qt::WindingFill);
    crown.addEllipse(QPointF(72, 50), 26, 18);
    crown.addEllipse(QPointF(54, 40), 18, 15);
    crown.addEllipse(QPointF(90, 58), 18, 13);
    style(p, QColor(90, 170, 70), 2);
    p.drawPath(crown.simplified());
    p.setPen(outline(2.5, QColor(120, 150, 175)));
    p.setBrush(Qt::NoBrush);
    for (const QPointF start : {QPointF(4, 20), QPointF(10, 82), QPointF(60, 98)}) {
        QPainterPath gust(start);
        gust.cubicTo(start + QPointF(20, -8), start + QPointF(36, 6), start + QPointF(56, -4));
        p.drawPath(gust);
    }
    const QPointF leaves[] = {{112, 34}, {120, 80}, {104, 96}, {118, 112}, {100, 20}};
    for (int i = 0; i < 5; ++i) {
        p.save();
        p.translate(leaves[i]);
        p.rotate(i * 50.0 - 30.0);
        style(p, QColor(110, 185, 70), 1.2);
        p.drawEllipse(QRectF(-6, -3, 12, 6));
        p.restore();
    }
}

void clouds(QPainter& p)
{
    cloud(p, QPointF(82, 54), 1.0, QColor(150, 160, 172));
    cloud(p, QPointF(54, 84), 1.3, QColor(196, 204, 214));
}

} // namespace drawings
