#include "platform/radio_option.h"

#include "platform/control_accessibility.h"
#include "platform/keyboard_order.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QMouseEvent>

RadioOption::RadioOption(const QString& caption, QWidget* parent)
    : QRadioButton(caption, parent)
{
    // Qt's own grouping spans all auto-exclusive siblings and moves the
    // check with the arrow keys; the group rules here replace it.
    setAutoExclusive(false);
    updateTabStop();
    install_control_accessibility();
}

void RadioOption::uncheck()
{
    setMark(false);
}

QList<RadioOption*> RadioOption::siblings() const
{
    QList<RadioOption*> others;
    if (QWidget* container = parentWidget()) {
        for (RadioOption* option : container->findChildren<RadioOption*>(Qt::FindDirectChildrenOnly)) {
            if (option != this)
                others.append(option);
        }
    }
    return others;
}

void RadioOption::choose()
{
    if (isChecked())
        return;
    setMark(true);
    for (RadioOption* other : siblings())
        other->setMark(false);
    emit checkedByUser(this);
}

void RadioOption::setMark(bool checked)
{
    setChecked(checked);
    updateTabStop();
}

void RadioOption::updateTabStop()
{
    setFocusPolicy(isChecked() ? Qt::StrongFocus : Qt::ClickFocus);
}

bool RadioOption::holdsFocus() const
{
    return window()->focusWidget() == this;
}

bool RadioOption::hitButton(const QPoint& pos) const
{
    // The whole control answers the mouse, not only its caption.
    return rect().contains(pos);
}

void RadioOption::nextCheckState()
{
    // A click (mouse release over it, Space) only ever checks.
    choose();
}

void RadioOption::checkStateSet()
{
    QRadioButton::checkStateSet();
    updateTabStop();
}

void RadioOption::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton && !holdsFocus()) {
        {
            AutoCheckBlocker quiet;
            setFocus(Qt::MouseFocusReason);
        }
        if (!holdsFocus()) {
            event->ignore();
            return;
        }
    }
    QRadioButton::mousePressEvent(event);
}

void RadioOption::focusInEvent(QFocusEvent* event)
{
    QRadioButton::focusInEvent(event);
    const bool from_keyboard = event->reason() == Qt::TabFocusReason || event->reason() == Qt::BacktabFocusReason;
    if (from_keyboard && !AutoCheckBlocker::active())
        choose();
}

void RadioOption::keyPressEvent(QKeyEvent* event)
{
    if (move_focus_by_arrow(this, event))
        return;
    QRadioButton::keyPressEvent(event);
}
