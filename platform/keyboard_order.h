#pragma once
// Keyboard order of a window's controls, read from Qt's focus chain (the
// order QWidget::setTabOrder sets), and the arrow-key movement that follows
// it inside one container.

#include <QList>
#include <Qt>

class QKeyEvent;
class QWidget;

// Chains the widgets in keyboard order, each after the one before it.
void set_keyboard_order(const QList<QWidget*>& widgets);

// True when the widget takes the focus from Tab and Shift+Tab.
bool is_tab_stop(const QWidget* widget);

// The direct children of `container` that can take the focus (shown within
// it, enabled, with a focus policy, possibly through a focus proxy), in
// keyboard order starting from the container.
QList<QWidget*> focusable_children(QWidget* container);

// The control of `container` (at any depth) that takes the focus when the
// focus enters it: the first tab stop in keyboard order, or failing that the
// first control that can take the focus at all; null when there is none.
QWidget* first_control(QWidget* container);

// Where an arrow key moves the focus from `from`: Right and Down to the next
// focusable control of its parent, Left and Up to the previous one, wrapping
// around. Null when there is no other control, or for other keys. The
// modifiers don't matter.
QWidget* arrow_neighbour(QWidget* from, const QKeyEvent* key);

// The reason an arrow key gives the control it moves the focus to: Tab
// forwards (Right, Down), Shift+Tab backwards (Left, Up).
Qt::FocusReason arrow_focus_reason(const QKeyEvent* key);

// Moves the focus to the arrow key's neighbour, as above. Returns false,
// doing nothing, for keys other than the arrows.
bool move_focus_by_arrow(QWidget* from, const QKeyEvent* key);
