#pragma once
// The audio service: plays sound files as devices, one device per file, in the
// manner of a media control interface. Every operation answers with an error
// code (0 = success) that error_text() turns into a message naming the file.
// Play and resume return at once; when the playback they started ends, is
// interrupted or fails, a notice (audio_notice_event) is posted to the
// receiver given at open and is delivered by its thread's event loop.

#include <QEvent>
#include <QString>

#include <cstdint>

class QObject;

namespace audio {

using device_id = std::uint16_t;  // 0 is never a device
using error_code = std::uint32_t; // 0 = success

// What went wrong: the low byte of an error code. The rest of the code tells
// the service which file the failure concerned, so that its text can name it.
enum class error_kind : std::uint8_t {
    none = 0,
    invalid_device = 1,    // no open device has this id
    file_not_found = 2,
    file_unreadable = 3,   // exists but cannot be read (directory, permissions)
    not_mp3 = 4,           // the decoder does not accept the file
    unknown_extension = 5, // no decoder for the file's extension
    no_output = 6,         // no audio output device could be opened
    output_failure = 7,    // the audio output refused a request
    not_paused = 8,        // resume asked of a device that is not paused
    decode_failure = 9,    // the file could not be decoded while playing
    too_many_devices = 10,
};

inline error_kind kind_of(error_code code) { return static_cast<error_kind>(code & 0xFFu); }

enum class mode { stopped, playing, paused };

// The code a notice carries.
enum class notice : int {
    successful = 1, // played to the end
    superseded = 2, // a newer play or resume with notice replaced it
    aborted = 4,    // pause or seek stopped the playback before its end
    failure = 8,    // the playback failed
};

// Posted to the receiver of a device's notices.
class audio_notice_event : public QEvent {
public:
    audio_notice_event(notice code, device_id device);
    static QEvent::Type event_type();

    notice code() const { return code_; }
    device_id device() const { return device_; }

private:
    notice code_;
    device_id device_;
};

class audio_service {
public:
    virtual ~audio_service() = default;

    // Opens `file_name` as a new device, its decoder chosen by the file's
    // extension. `receiver` (may be null) gets the notices of its playbacks.
    virtual error_code open(const QString& file_name, QObject* receiver, device_id& device) = 0;
    virtual error_code can_play(device_id device, bool& answer) = 0;
    virtual error_code status_mode(device_id device, mode& answer) = 0;
    // Position and length in milliseconds.
    virtual error_code status_position(device_id device, std::uint32_t& milliseconds) = 0;
    virtual error_code status_length(device_id device, std::uint32_t& milliseconds) = 0;
    // Plays from the current position to the end, with a notice at the end;
    // a paused device goes on from where it paused.
    virtual error_code play(device_id device) = 0;
    // Synchronous; a playback in progress is interrupted (notice "aborted").
    virtual error_code pause(device_id device) = 0;
    // Continues a paused device, with a notice at the end.
    virtual error_code resume(device_id device) = 0;
    // Stops the device at its start.
    virtual error_code seek_to_start(device_id device) = 0;
    // Stops and forgets the device; no notice follows.
    virtual error_code close(device_id device) = 0;
    // The text for an error code; false when the code is not one of the service's.
    virtual bool error_text(error_code code, QString& text) const = 0;
};

} // namespace audio
