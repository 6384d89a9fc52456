#pragma once
// Places a window so that its outer rectangle is centred on the desktop area
// of its screen (never above or left of the desktop's origin).

class QWidget;

void centre_on_desktop(QWidget* window);
