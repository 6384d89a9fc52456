#pragma once
// Time for the audio service's device rules: timers made by a clock, so that
// the rules run on the thread's event loop in the program and on a clock a
// test moves by hand.

#include <functional>
#include <memory>

namespace audio {

class clock_timer {
public:
    virtual ~clock_timer() = default;
    // Fires every `interval_ms` until stopped, or once when `once`. Starting
    // a running timer starts its interval again.
    virtual void start(int interval_ms, bool once) = 0;
    virtual void stop() = 0;
    virtual bool active() const = 0;
};

class audio_clock {
public:
    virtual ~audio_clock() = default;
    // A stopped timer that calls `fire` each time it fires.
    virtual std::unique_ptr<clock_timer> make_timer(std::function<void()> fire) = 0;
};

// Timers of the calling thread's event loop.
class event_loop_clock final : public audio_clock {
public:
    std::unique_ptr<clock_timer> make_timer(std::function<void()> fire) override;
};

} // namespace audio
