#include "platform/stray_clicks.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QMouseEvent>
#include <QPointer>
#include <QStyleHints>

#include <optional>

namespace {
class mouse_clock : public QObject {
public:
    mouse_clock()
        : QObject(QCoreApplication::instance())
    {
        received_.start();
        QCoreApplication::instance()->installEventFilter(this);
    }

    // The mouse events' clock now, when a mouse event has been seen.
    std::optional<qint64> now() const
    {
        if (!last_event_)
            return std::nullopt;
        return *last_event_ + (received_.elapsed() - last_received_);
    }

    std::optional<qint64> press_before_last() const { return press_before_last_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        // Every mouse event reaches its window once, before any widget.
        const QEvent::Type type = event->type();
        if (watched->isWindowType() && (type == QEvent::MouseButtonPress || type == QEvent::MouseButtonRelease)) {
            const auto stamp = static_cast<qint64>(static_cast<QMouseEvent*>(event)->timestamp());
            if (type == QEvent::MouseButtonPress) {
                press_before_last_ = last_press_;
                last_press_ = stamp;
            }
            last_event_ = stamp;
            last_received_ = received_.elapsed();
        }
        return false;
    }

private:
    QElapsedTimer received_;
    std::optional<qint64> last_event_;
    qint64 last_received_ = 0;
    std::optional<qint64> last_press_;
    std::optional<qint64> press_before_last_;
};

QPointer<mouse_clock> clock_;
std::optional<qint64> changed_at_;
}

namespace stray_clicks {
void follow_mouse()
{
    if (!clock_)
        clock_ = new mouse_clock; // lives as long as the application
}

void note_content_change()
{
    if (clock_)
        changed_at_ = clock_->now();
}

bool is_stray(const QMouseEvent& press)
{
    if (!clock_ || !changed_at_)
        return false;
    const auto made = static_cast<qint64>(press.timestamp());
    if (made <= *changed_at_)
        return true;
    // The press before this one began a double-click before the change.
    const std::optional<qint64> first = clock_->press_before_last();
    return first && *first <= *changed_at_ && made - *first < QGuiApplication::styleHints()->mouseDoubleClickInterval();
}
}
