#include "platform/audio_clock.h"

#include <QTimer>

namespace audio {

namespace {
class event_loop_timer final : public clock_timer {
public:
    explicit event_loop_timer(std::function<void()> fire)
    {
        QObject::connect(&timer_, &QTimer::timeout, std::move(fire));
    }
    void start(int interval_ms, bool once) override
    {
        timer_.setSingleShot(once);
        timer_.start(interval_ms);
    }
    void stop() override { timer_.stop(); }
    bool active() const override { return timer_.isActive(); }

private:
    QTimer timer_;
};
}

std::unique_ptr<clock_timer> event_loop_clock::make_timer(std::function<void()> fire)
{
    return std::make_unique<event_loop_timer>(std::move(fire));
}

} // namespace audio
