#pragma once
// The rules of the audio service's devices, apart from how the sound is made:
// each device's mode and stop position, which notice ends each playback, when
// the playing streams are refilled and when the output closes. The sound
// comes from a sound_output and time from an audio_clock.

#include "platform/audio_clock.h"
#include "platform/audio_service.h"

#include <QPointer>
#include <QString>

#include <map>
#include <memory>

namespace audio {

// What sounds the devices: one stream per playing device, all on one output
// that the first stream opens.
class sound_output {
public:
    enum class progress { playing, ended, failed };

    virtual ~sound_output() = default;
    // Starts device `id`'s stream at sample frame `frame` of `file_name`,
    // opening the output first when it is closed.
    virtual error_kind start(device_id id, const QString& file_name, std::int64_t frame) = 0;
    // The frame of the stream heard last.
    virtual std::int64_t position(device_id id) = 0;
    // Queues what the stream needs next, and tells whether it still sounds.
    virtual progress keep_playing(device_id id) = 0;
    // Silences and forgets the device's stream, if it has one.
    virtual void stop(device_id id) = 0;
    virtual bool output_open() const = 0;
    // Called only when no stream is left.
    virtual void close_output() = 0;
};

class device_rules {
public:
    // Playing streams are refilled every tenth of a second; the output closes
    // when nothing has played for three seconds, so that nothing runs while
    // nothing plays.
    static constexpr int refill_interval_ms = 100;
    static constexpr int idle_close_ms = 3000;

    device_rules(sound_output& output, audio_clock& clock);

    // A new device, stopped at the start of its clip of `length` frames at
    // `rate` frames a second; 0 when every id is taken.
    device_id add(const QString& file_name, QObject* receiver, long rate, std::int64_t length);
    // Stops and forgets the device; no notice follows.
    error_kind remove(device_id id);
    // The device's file, empty when there is no such device.
    QString file_name(device_id id) const;

    error_kind mode_of(device_id id, mode& answer) const;
    error_kind position_ms(device_id id, std::uint32_t& milliseconds);
    error_kind length_ms(device_id id, std::uint32_t& milliseconds) const;

    error_kind play(device_id id);
    error_kind pause(device_id id);
    error_kind resume(device_id id);
    error_kind seek_to_start(device_id id);

private:
    struct device {
        QString file_name;
        QPointer<QObject> receiver;
        long rate = 0;
        std::int64_t length = 0;     // in frames (one sample per channel)
        mode state = mode::stopped;
        std::int64_t stopped_at = 0; // the position while not playing, in frames
        bool notice_pending = false; // the playback started last is owed its notice

        std::uint32_t to_ms(std::int64_t frames) const
        {
            return static_cast<std::uint32_t>(frames * 1000 / rate);
        }
    };

    device* find(device_id id);
    const device* find(device_id id) const;
    std::int64_t position(device_id id, const device& d);
    error_kind start(device_id id, device& d);
    void supersede(device_id id, device& d);
    void stop_at(device_id id, device& d, mode state, std::int64_t frame);
    void refill();
    void post_notice(device_id id, device& d, notice code);
    void update_timers();
    void close_idle_output();
    bool any_playing() const;

    sound_output& output_;
    std::map<device_id, device> devices_;
    device_id last_id_ = 0;
    std::unique_ptr<clock_timer> refill_timer_;
    std::unique_ptr<clock_timer> idle_timer_;
};

} // namespace audio
