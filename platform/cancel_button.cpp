#include "platform/cancel_button.h"

#include <QAbstractButton>
#include <QKeyEvent>
#include <QPointer>

namespace {
class CancelFilter : public QObject {
public:
    CancelFilter(QWidget* window, QAbstractButton* button) : QObject(window), button_(button) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        // Key presses the focused control ignored propagate up to the window.
        if (event->type() != QEvent::KeyPress || watched != parent())
            return false;
        auto* key = static_cast<QKeyEvent*>(event);
        const auto modifiers = key->modifiers() & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier);
        if (key->key() != Qt::Key_Escape || modifiers != Qt::NoModifier || !button_)
            return false;
        if (button_->isVisible() && button_->isEnabled())
            button_->click();
        return true;
    }

private:
    QPointer<QAbstractButton> button_;
};
}

void set_cancel_button(QWidget* window, QAbstractButton* button)
{
    window->installEventFilter(new CancelFilter(window, button));
}
