#include "platform/device_rules.h"

#include <QCoreApplication>

#include <algorithm>

namespace audio {

device_rules::device_rules(sound_output& output, audio_clock& clock)
    : output_(output),
      refill_timer_(clock.make_timer([this] { refill(); })),
      idle_timer_(clock.make_timer([this] { close_idle_output(); }))
{
}

device_rules::device* device_rules::find(device_id id)
{
    const auto found = devices_.find(id);
    return found == devices_.end() ? nullptr : &found->second;
}

const device_rules::device* device_rules::find(device_id id) const
{
    const auto found = devices_.find(id);
    return found == devices_.end() ? nullptr : &found->second;
}

device_id device_rules::add(const QString& file_name, QObject* receiver, long rate, std::int64_t length)
{
    for (int tries = 0; tries < 0xFFFF; ++tries) {
        last_id_ = static_cast<device_id>(last_id_ == 0xFFFF ? 1 : last_id_ + 1);
        if (!devices_.contains(last_id_)) {
            devices_.emplace(last_id_, device{file_name, receiver, rate, length});
            return last_id_;
        }
    }
    return 0;
}

error_kind device_rules::remove(device_id id)
{
    if (!devices_.erase(id))
        return error_kind::invalid_device;
    output_.stop(id);
    update_timers();
    return error_kind::none;
}

QString device_rules::file_name(device_id id) const
{
    const device* d = find(id);
    return d ? d->file_name : QString();
}

error_kind device_rules::mode_of(device_id id, mode& answer) const
{
    const device* d = find(id);
    if (!d)
        return error_kind::invalid_device;
    answer = d->state;
    return error_kind::none;
}

error_kind device_rules::position_ms(device_id id, std::uint32_t& milliseconds)
{
    const device* d = find(id);
    if (!d)
        return error_kind::invalid_device;
    milliseconds = d->to_ms(position(id, *d));
    return error_kind::none;
}

error_kind device_rules::length_ms(device_id id, std::uint32_t& milliseconds) const
{
    const device* d = find(id);
    if (!d)
        return error_kind::invalid_device;
    milliseconds = d->to_ms(d->length);
    return error_kind::none;
}

std::int64_t device_rules::position(device_id id, const device& d)
{
    return d.state == mode::playing ? std::min(output_.position(id), d.length) : d.stopped_at;
}

error_kind device_rules::play(device_id id)
{
    device* d = find(id);
    if (!d)
        return error_kind::invalid_device;
    if (d->state == mode::playing) {
        supersede(id, *d);
        return error_kind::none;
    }
    return start(id, *d);
}

error_kind device_rules::pause(device_id id)
{
    device* d = find(id);
    if (!d)
        return error_kind::invalid_device;
    if (d->state == mode::playing) {
        stop_at(id, *d, mode::paused, position(id, *d));
        post_notice(id, *d, notice::aborted);
        update_timers();
    }
    return error_kind::none;
}

error_kind device_rules::resume(device_id id)
{
    device* d = find(id);
    if (!d)
        return error_kind::invalid_device;
    switch (d->state) {
    case mode::paused:
        return start(id, *d);
    case mode::playing:
        supersede(id, *d);
        return error_kind::none;
    case mode::stopped:
        break;
    }
    return error_kind::not_paused;
}

error_kind device_rules::seek_to_start(device_id id)
{
    device* d = find(id);
    if (!d)
        return error_kind::invalid_device;
    stop_at(id, *d, mode::stopped, 0);
    post_notice(id, *d, notice::aborted);
    update_timers();
    return error_kind::none;
}

// Plays from the device's position, paused or stopped.
error_kind device_rules::start(device_id id, device& d)
{
    if (d.stopped_at >= d.length) {
        // Nothing left to play: the playback ends at once.
        d.notice_pending = true;
        post_notice(id, d, notice::successful);
        return error_kind::none;
    }
    const error_kind failure = output_.start(id, d.file_name, d.stopped_at);
    if (failure == error_kind::none) {
        d.state = mode::playing;
        d.notice_pending = true;
    }
    // Also after a failure: the output it may have opened closes when idle.
    update_timers();
    return failure;
}

// A newer play or resume replaces the one in progress, which the device goes on with.
void device_rules::supersede(device_id id, device& d)
{
    post_notice(id, d, notice::superseded);
    d.notice_pending = true;
}

void device_rules::stop_at(device_id id, device& d, mode state, std::int64_t frame)
{
    output_.stop(id);
    d.state = state;
    d.stopped_at = frame;
}

void device_rules::refill()
{
    for (auto& [id, d] : devices_) {
        if (d.state != mode::playing)
            continue;
        const sound_output::progress progress = output_.keep_playing(id);
        if (progress == sound_output::progress::playing)
            continue;
        // Ended, played through or not: stopped at the end, so that the next
        // Play starts again from the beginning.
        stop_at(id, d, mode::stopped, d.length);
        post_notice(id, d, progress == sound_output::progress::failed ? notice::failure : notice::successful);
    }
    update_timers();
}

void device_rules::post_notice(device_id id, device& d, notice code)
{
    if (!d.notice_pending)
        return;
    d.notice_pending = false;
    if (d.receiver)
        QCoreApplication::postEvent(d.receiver, new audio_notice_event(code, id));
}

// The refill timer runs while some device plays; once none does, the idle
// countdown of the output starts.
void device_rules::update_timers()
{
    if (any_playing()) {
        idle_timer_->stop();
        if (!refill_timer_->active())
            refill_timer_->start(refill_interval_ms, false);
        return;
    }
    refill_timer_->stop();
    if (output_.output_open() && !idle_timer_->active())
        idle_timer_->start(idle_close_ms, true);
}

// Nothing plays, so no device holds a stream: the output goes, and with it
// the mixer and the stream the sound server keeps for us.
void device_rules::close_idle_output()
{
    if (!any_playing())
        output_.close_output();
}

bool device_rules::any_playing() const
{
    return std::any_of(devices_.begin(), devices_.end(),
                       [](const auto& entry) { return entry.second.state == mode::playing; });
}

} // namespace audio
