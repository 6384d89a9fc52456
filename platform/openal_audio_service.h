#pragma once
// The audio service over libmpg123 (decoding) and OpenAL Soft (output and
// mixing). Each device is one file; opening reads the file and measures its
// exact length from the frame headers, and keeps nothing else. A device gets a decoder and an
// OpenAL source only while it plays, streaming a few short buffers that a
// timer on the caller's thread refills; several devices sound together.
// The audio output itself is opened at the first play and closed again when
// no device has played for a few seconds, so nothing runs while nothing plays.

#include "platform/audio_service.h"

#include <QTimer>

#include <map>
#include <memory>
#include <vector>

namespace audio {

// What opening a clip file finds: why it cannot be opened, or its format and
// exact length in sample frames.
struct clip_measure {
    error_kind failure = error_kind::none;
    long rate = 0;
    int channels = 0;
    std::int64_t length = 0;
};

class openal_audio_service final : public audio_service {
public:
    openal_audio_service();
    ~openal_audio_service() override;
    openal_audio_service(const openal_audio_service&) = delete;
    openal_audio_service& operator=(const openal_audio_service&) = delete;

    error_code open(const QString& file_name, QObject* receiver, device_id& device) override;
    // Measures a clip file as opening it would; safe on any thread, it
    // touches no service state.
    static clip_measure measure(const QString& file_name);
    // Measures taken beforehand (at start-up, on another thread) by file
    // name: the next open of each file uses its measure instead of reading
    // the file again.
    void use_measures(std::map<QString, clip_measure> measures);
    error_code can_play(device_id device, bool& answer) override;
    error_code status_mode(device_id device, mode& answer) override;
    error_code status_position(device_id device, std::uint32_t& milliseconds) override;
    error_code status_length(device_id device, std::uint32_t& milliseconds) override;
    error_code play(device_id device) override;
    error_code pause(device_id device) override;
    error_code resume(device_id device) override;
    error_code seek_to_start(device_id device) override;
    error_code close(device_id device) override;
    bool error_text(error_code code, QString& text) const override;

    // True while the refill timer runs, that is while some device plays.
    bool watching() const { return watcher_.isActive(); }
    // True while the audio output is open: from a play until the output has
    // been idle for `idle_close_ms`.
    bool output_open() const { return output_ != nullptr; }
    void set_idle_close_ms(int milliseconds) { idle_closer_.setInterval(milliseconds); }

private:
    struct output;
    struct stream;
    struct device;

    device* find(device_id id);
    error_code fail(error_kind kind, const QString& file_name);
    device_id free_id();
    error_code start(device_id id, device& d);
    error_code open_output(const QString& file_name);
    void stop_at(device& d, std::int64_t frame);
    bool queue_next_chunk(device& d, unsigned buffer);
    void watch();
    void keep_playing(device_id id, device& d);
    void post_notice(device_id id, device& d, notice code);
    void update_timers();
    void close_idle_output();

    std::unique_ptr<output> output_;
    std::map<device_id, std::unique_ptr<device>> devices_;
    device_id last_id_ = 0;
    std::map<QString, clip_measure> measures_; // until their file is opened
    std::vector<QString> failed_files_;        // file of each failure, for its text
    std::vector<std::int16_t> chunk_;   // decoding space, shared by all devices
    QTimer watcher_;
    QTimer idle_closer_;
};

} // namespace audio
