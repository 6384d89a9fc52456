#pragma once
// Fonts sized in pixels rather than points, like the controls' fixed sizes
// and positions, so that a caption fills its box alike at any screen
// resolution (Qt's high-DPI scaling then scales the text and the box together).

#include <QFont>
#include <QString>

inline QFont font_px(const char* family, int pixels, bool bold = false)
{
    QFont font(QString::fromLatin1(family));
    font.setPixelSize(pixels);
    font.setBold(bold);
    return font;
}
