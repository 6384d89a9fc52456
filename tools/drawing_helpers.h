#pragma once
// Shared pens, colours and text helpers of the picture drawings.

#include <QFont>
#include <QPainter>
#include <QPainterPath>
#include <QPen>
#include <QPointF>
#include <QRectF>
#include <QString>
#include <cmath>

namespace drawings {

inline const QColor kInk(40, 40, 48);
inline const QColor kSkyBlue(190, 225, 245);
inline const QColor kGlass(200, 230, 250);
inline const QColor kTyre(45, 45, 50);
inline const QColor kWood(181, 121, 70);
inline const QColor kWhite(255, 255, 255);
// For the few Chinese characters written in a drawing (the month of a calendar).
inline constexpr const char* kChineseFont = "WenQuanYi Zen Hei";

inline QPen outline(qreal width = 2.0, QColor colour = kInk)
{
    return QPen(colour, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

// Fills and outlines in one go.
inline void style(QPainter& p, QColor fill, qreal width = 2.0, QColor line = kInk)
{
    p.setPen(outline(width, line));
    p.setBrush(fill);
}

inline void centredText(QPainter& p, const QRectF& box, const QString& text, int pixelSize,
                        QColor colour, const char* family = "Liberation Sans")
{
    QFont font(family);
    font.setPixelSize(pixelSize);
    font.setBold(true);
    p.setFont(font);
    p.setPen(colour);
    p.drawText(box, Qt::AlignCenter, text);
}

// The point at a distance from a centre, in the direction of a clock hand
// (degrees clockwise from twelve o'clock).
inline QPointF polar(QPointF centre, qreal length, qreal degrees)
{
    const qreal radians = degrees * M_PI / 180.0;
    return centre + QPointF(length * std::sin(radians), -length * std::cos(radians));
}

inline QPainterPath polygonPath(std::initializer_list<QPointF> points)
{
    QPainterPath path;
    bool first = true;
    for (const QPointF& point : points) {
        if (first)
            path.moveTo(point);
        else
            path.lineTo(point);
        first = false;
    }
    path.closeSubpath();
    return path;
}

inline void wheel(QPainter& p, QPointF c, qreal radius)
{
    style(p, kTyre, 1.5);
    p.drawEllipse(c, radius, radius);
    style(p, QColor(190, 190, 196), 1.5);
    p.drawEllipse(c, radius * 0.45, radius * 0.45);
}

inline void window(QPainter& p, QRectF box)
{
    style(p, kGlass, 1.5);
    p.drawRect(box);
}

// The grass line that buildings stand on.
inline void ground(QPainter& p)
{
    p.setPen(outline(2, QColor(110, 150, 90)));
    p.drawLine(QPointF(4, 124), QPointF(128, 124));
}

} // namespace drawings
