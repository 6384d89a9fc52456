#include "platform/window_placement.h"

#include <QScreen>
#include <QWidget>

void centre_on_desktop(QWidget* window)
{
    const QScreen* screen = window->screen();
    if (!screen)
        return;
    const QRect desktop = screen->availableGeometry();
    const QSize outer = window->frameGeometry().size();
    const int left = qMax(0, (desktop.width() - outer.width()) / 2);
    const int top = qMax(0, (desktop.height() - outer.height()) / 2);
    window->move(desktop.left() + left, desktop.top() + top);
}
