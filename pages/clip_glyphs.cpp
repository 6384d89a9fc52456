#include "pages/clip_glyphs.h"

#include <functional>
#include <map>

namespace {

// The 16 colours of the classic desktop palette, by index.
enum colour_index : uchar {
    olive = 3,
    dark_grey = 8,
    lime = 10,
    yellow = 11,
    blue = 12,
    white = 15,
    outline_only = 255, // not a colour: leave the inside as background
};

QList<QRgb> sixteen_colours()
{
    return {qRgb(0, 0, 0),       qRgb(128, 0, 0),     qRgb(0, 128, 0),   qRgb(128, 128, 0),
            qRgb(0, 0, 128),     qRgb(128, 0, 128),   qRgb(0, 128, 128), qRgb(192, 192, 192),
            qRgb(128, 128, 128), qRgb(255, 0, 0),     qRgb(0, 255, 0),   qRgb(255, 255, 0),
            qRgb(0, 0, 255),     qRgb(255, 0, 255),   qRgb(0, 255, 255), qRgb(255, 255, 255)};
}

using shape = std::function<bool(int x, int y)>;

// A shape on an olive background with a raised edge: dark grey where the
// shape meets the outside above or to the left, white below or to the right.
QImage draw_glyph(int width, int height, const shape& inside, colour_index fill)
{
    QImage image(width, height, QImage::Format_Indexed8);
    image.setColorTable(sixteen_colours());
    image.fill(olive);
    const auto in = [&](int x, int y) {
        return x >= 0 && y >= 0 && x < width && y < height && inside(x, y);
    };
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            if (!in(x, y))
                continue;
            // Upper and lower edges first, so a slanted edge takes one colour.
            if (!in(x, y - 1))
                image.setPixel(x, y, dark_grey);
            else if (!in(x, y + 1))
                image.setPixel(x, y, white);
            else if (!in(x - 1, y))
                image.setPixel(x, y, dark_grey);
            else if (!in(x + 1, y))
                image.setPixel(x, y, white);
            else if (fill != outline_only)
                image.setPixel(x, y, fill);
        }
    }
    return image;
}

// Half-width of a triangle 12 rows high (rows 2 to 13), 0 at its ends.
int triangle_half(int y)
{
    return y <= 7 ? y - 2 : 13 - y;
}

bool in_rows(int y)
{
    return y >= 2 && y <= 13;
}

QImage play_glyph(colour_index fill)
{
    return draw_glyph(17, 16, [](int x, int y) {
        return in_rows(y) && x >= 4 && x <= 4 + 2 * triangle_half(y) + 1;
    }, fill);
}

QImage pause_glyph(int width, colour_index fill)
{
    return draw_glyph(width, 16, [width](int x, int y) {
        return in_rows(y) && ((x >= 2 && x <= 5) || (x >= width - 5 && x <= width - 2));
    }, fill);
}

QImage rewind_glyph(colour_index fill)
{
    return draw_glyph(20, 16, [](int x, int y) {
        const bool bar = x >= 3 && x <= 5;
        const bool triangle = x >= 18 - 2 * triangle_half(y) - 1 && x <= 18;
        return in_rows(y) && (bar || triangle);
    }, fill);
}

const std::map<QString, QImage>& glyphs()
{
    static const std::map<QString, QImage> images{
        {QStringLiteral("CL_MPPLAY"), play_glyph(lime)},
        {QStringLiteral("DI_MPPLAY"), play_glyph(outline_only)},
        {QStringLiteral("CL_MPPAUSE"), pause_glyph(13, yellow)},
        {QStringLiteral("DI_MPPAUSE"), pause_glyph(12, outline_only)},
        {QStringLiteral("CL_MPPREV"), rewind_glyph(blue)},
        {QStringLiteral("DI_MPPREV"), rewind_glyph(outline_only)},
    };
    return images;
}

const std::map<QString, QImage>& drawable_glyphs()
{
    static const std::map<QString, QImage> images = [] {
        std::map<QString, QImage> result;
        for (const auto& [name, indexed] : glyphs()) {
            QImage copy = indexed;
            copy.setColor(olive, qRgba(0, 0, 0, 0));
            result.emplace(name, copy.convertToFormat(QImage::Format_ARGB32_Premultiplied));
        }
        return result;
    }();
    return images;
}

const QImage& find_in(const std::map<QString, QImage>& images, const QString& name)
{
    static const QImage none;
    const auto found = images.find(name);
    return found == images.end() ? none : found->second;
}

} // namespace

const QImage& clip_glyph_for_drawing(const QString& name)
{
    return find_in(drawable_glyphs(), name);
}
