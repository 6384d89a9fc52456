#include "platform/keyboard_order.h"

#include <QKeyEvent>
#include <QWidget>

namespace {
QWidget* focus_target(QWidget* widget)
{
    while (widget->focusProxy())
        widget = widget->focusProxy();
    return widget;
}

bool can_take_focus(QWidget* widget, const QWidget* container)
{
    QWidget* target = focus_target(widget);
    return widget->isVisibleTo(container) && target->isVisibleTo(container) && target->isEnabled()
        && target->focusPolicy() != Qt::NoFocus;
}

// +1 for Right and Down, -1 for Left and Up, 0 for any other key.
int arrow_direction(const QKeyEvent* key)
{
    switch (key->key()) {
    case Qt::Key_Right:
    case Qt::Key_Down:
        return 1;
    case Qt::Key_Left:
    case Qt::Key_Up:
        return -1;
    default:
        return 0;
    }
}

// Every widget after `container` in the focus chain, once round the chain.
template <typename Visit>
void walk_chain(QWidget* container, Visit visit)
{
    for (QWidget* w = container->nextInFocusChain(); w && w != container; w = w->nextInFocusChain()) {
        if (visit(w))
            return;
    }
}
}

void set_keyboard_order(const QList<QWidget*>& widgets)
{
    for (qsizetype i = 1; i < widgets.size(); ++i)
        QWidget::setTabOrder(widgets[i - 1], widgets[i]);
}

bool is_tab_stop(const QWidget* widget)
{
    return (widget->focusPolicy() & Qt::TabFocus) == Qt::TabFocus;
}

QList<QWidget*> focusable_children(QWidget* container)
{
    QList<QWidget*> children;
    walk_chain(container, [&](QWidget* w) {
        if (w->parentWidget() == container && can_take_focus(w, container))
            children.append(w);
        return false;
    });
    return children;
}

QWidget* first_control(QWidget* container)
{
    QWidget* first_tab_stop = nullptr;
    QWidget* first_focusable = nullptr;
    walk_chain(container, [&](QWidget* w) {
        // A widget with a focus proxy is represented in the chain by its proxy.
        if (!container->isAncestorOf(w) || w->focusProxy() || !can_take_focus(w, container))
            return false;
        if (!first_focusable)
            first_focusable = w;
        if (is_tab_stop(w))
            first_tab_stop = w;
        return first_tab_stop != nullptr;
    });
    return first_tab_stop ? first_tab_stop : first_focusable;
}

QWidget* arrow_neighbour(QWidget* from, const QKeyEvent* key)
{
    const int direction = arrow_direction(key);
    QWidget* container = from->parentWidget();
    if (direction == 0 || !container)
        return nullptr;
    const QList<QWidget*> controls = focusable_children(container);
    const qsizetype here = controls.indexOf(from);
    if (here < 0 || controls.size() < 2)
        return nullptr;
    const qsizetype count = controls.size();
    return controls[(here + (direction > 0 ? 1 : count - 1)) % count];
}

Qt::FocusReason arrow_focus_reason(const QKeyEvent* key)
{
    return arrow_direction(key) > 0 ? Qt::TabFocusReason : Qt::BacktabFocusReason;
}

bool move_focus_by_arrow(QWidget* from, const QKeyEvent* key)
{
    if (arrow_direction(key) == 0)
        return false;
    if (QWidget* next = arrow_neighbour(from, key))
        next->setFocus(arrow_focus_reason(key));
    return true;
}
