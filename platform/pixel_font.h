#pragma once
// The controls' fonts are sized in pixels, as they were drawn, so that the
// text keeps its place in the fixed layouts whatever the screen's resolution.

#include <QFont>
#include <QString>

inline QFont font_px(const char* family, int pixels, bool bold = false)
{
    QFont font(QString::fromLatin1(family));
    font.setPixelSize(pixels);
    font.setBold(bold);
    return font;
}
