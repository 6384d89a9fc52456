#pragma once
// JPEG (JFIF) data read with libjpeg. Corrupt or unsupported data, warnings
// included, throws AppError("EInvalidGraphic"); libjpeg never prints and never
// ends the process.

#include <QByteArray>
#include <QImage>
#include <QSize>

// Width and height from the header, without decoding the image.
QSize jpeg_read_size(const QByteArray& data);

// The whole image: RGB888 for colour data, Grayscale8 for grey data.
QImage jpeg_decode(const QByteArray& data);
