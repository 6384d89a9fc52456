#pragma once
// The audio service over libmpg123 (decoding) and OpenAL Soft (output and
// mixing). Each device is one file; opening maps the file and measures its
// exact length from the frame headers, and keeps nothing else. The devices'
// modes, positions and notices follow device_rules; a device gets a decoder
// and an OpenAL source only while it plays (openal_streams), streaming a few
// short buffers that a timer on the caller's thread refills; several devices
// sound together. The audio output itself is opened at the first play and
// closed again when no device has played for a few seconds, so nothing runs
// while nothing plays.

#include "platform/audio_clock.h"
#include "platform/device_rules.h"
#include "platform/openal_streams.h"

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
    // Timers on the calling thread's event loop.
    openal_audio_service();
    // Timers from `clock`, which must outlive the service.
    explicit openal_audio_service(audio_clock& clock);
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

private:
    error_code code_for(error_kind kind, device_id device);
    error_code fail(error_kind kind, const QString& file_name);

    std::unique_ptr<audio_clock> own_clock_; // when none is given
    openal_streams streams_;
    device_rules rules_; // goes first, with its timers
    std::map<QString, clip_measure> measures_; // until their file is opened
    std::vector<QString> failed_files_;        // file of each failure, for its text
};

} // namespace audio
