#pragma once
// Where a picture is drawn inside a frame: at its own size, centred; a picture
// larger than the frame in either direction is first scaled down keeping its
// aspect ratio, sizes truncated to whole pixels. Never enlarged.

#include <QRect>
#include <QSize>

// The rectangle, in frame coordinates, that the picture occupies.
QRect picture_placement(QSize picture, QSize frame);
