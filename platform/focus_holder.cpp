#include "platform/focus_holder.h"

#include "platform/control_accessibility.h"
#include "platform/keyboard_order.h"

#include <QKeyEvent>

FocusHolder::FocusHolder(QWidget* parent)
    : QPushButton(parent)
{
    setFixedSize(24, 25);
    setFocusPolicy(Qt::StrongFocus);
    setAutoDefault(false);
    install_control_accessibility();
}

void FocusHolder::keyPressEvent(QKeyEvent* event)
{
    if (move_focus_by_arrow(this, event))
        return;
    QPushButton::keyPressEvent(event);
}
