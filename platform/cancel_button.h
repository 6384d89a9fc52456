#pragma once
// A window's cancel button: Escape with no Shift, Ctrl or Alt, when the
// focused control leaves it unused, clicks the button if the button can take
// the focus at that moment (it and its containers visible and enabled), and
// does nothing otherwise.

class QAbstractButton;
class QWidget;

void set_cancel_button(QWidget* window, QAbstractButton* button);
