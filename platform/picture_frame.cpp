#include "platform/picture_frame.h"

namespace {

// a × b / c truncated, without overflow for any int sizes.
int scaled(int a, int b, int c)
{
    return static_cast<int>(static_cast<long long>(a) * b / c);
}

QSize fitted(QSize picture, QSize frame)
{
    const int w = picture.width();
    const int h = picture.height();
    const int fw = frame.width();
    const int fh = frame.height();
    if (w <= 0 || h <= 0 || (w <= fw && h <= fh))
        return picture.expandedTo(QSize(0, 0));
    if (w > h) {
        QSize result(fw, scaled(fw, h, w));
        if (result.height() > fh)
            result = QSize(scaled(fh, w, h), fh);
        return result;
    }
    QSize result(scaled(fh, w, h), fh);
    if (result.width() > fw)
        result = QSize(fw, scaled(fw, h, w));
    return result;
}

} // namespace

QRect picture_placement(QSize picture, QSize frame)
{
    const QSize size = fitted(picture, frame);
    return QRect(QPoint((frame.width() - size.width()) / 2, (frame.height() - size.height()) / 2),
                 size);
}
