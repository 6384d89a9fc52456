#include "about/emblem.h"

#include <QFont>
#include <QPainter>

namespace {
const QColor pale_yellow(255, 255, 128);
const QColor ring_blue(0, 64, 192);

QImage draw_emblem(int size, QColor background, bool ring)
{
    QImage image(size, size, QImage::Format_ARGB32);
    image.fill(background);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    const qreal ring_width = ring ? qMax(1.5, size / 10.0) : 0.0;
    const QRectF disc = QRectF(0, 0, size, size).adjusted(ring_width / 2 + 0.5, ring_width / 2 + 0.5,
                                                         -ring_width / 2 - 0.5, -ring_width / 2 - 0.5);
    painter.setPen(ring ? QPen(ring_blue, ring_width) : Qt::NoPen);
    painter.setBrush(pale_yellow);
    painter.drawEllipse(disc);

    QFont font(QStringLiteral("SimHei"));
    font.setPixelSize(qRound(size * 0.62));
    painter.setFont(font);
    painter.setPen(Qt::black);
    painter.drawText(QRectF(0, 0, size, size), Qt::AlignCenter, QStringLiteral("文"));
    return image;
}
}

QImage about_emblem()
{
    return draw_emblem(65, QColor(212, 208, 200), false).convertToFormat(QImage::Format_RGB888);
}

QImage program_icon_image(int size)
{
    return draw_emblem(size, Qt::transparent, true);
}

QIcon program_icon()
{
    QIcon icon;
    for (int size : {16, 32})
        icon.addPixmap(QPixmap::fromImage(program_icon_image(size)));
    return icon;
}
