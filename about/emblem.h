#pragma once
// The program's emblem: the black character 文 on a pale-yellow disc, drawn
// by code at any size. The About box shows it on grey; the program icon puts
// a blue ring round the disc on a transparent ground.

#include <QColor>
#include <QIcon>
#include <QImage>

// The About box's 65 × 65 opaque picture.
QImage about_emblem();
// The program icon, 16 × 16 and 32 × 32.
QIcon program_icon();
// One image of the program icon at any size (the desktop's icon theme wants
// sizes up to 256 × 256).
QImage program_icon_image(int size);
