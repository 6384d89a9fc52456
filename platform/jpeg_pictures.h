#pragma once
// JPEG (JFIF) data read with libjpeg. Corrupt or unsupported data, warnings
// included, throws AppError("EInvalidGraphic"); libjpeg never prints and never
// ends the process.

#include <QByteArray>
#include <QImage>
#include <QSize>

// Width and height from the header, without decoding the image.
QSize jpeg_read_size(const QByteArray& data);

// The whole image: RGB888 for colour data, Grayscale8 for grey data. An image
// of more than 4096 x 4096 pixels, or one needing more than 48 MB of working
// memory (a large progressive image), is refused before its pixels are allocated.
QImage jpeg_decode(const QByteArray& data);

// Refuses exactly what jpeg_decode refuses, for about half the work: every
// coefficient is decoded, but the image is made at an eighth of its size.
void jpeg_check(const QByteArray& data);
