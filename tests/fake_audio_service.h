#pragma once
// An audio service for tests: devices that play on a clock the test moves
// (advance()), a log of the commands sent, and failures on demand.

#include "platform/audio_service.h"

#include <QCoreApplication>
#include <QMap>
#include <QPointer>
#include <QStringList>

#include <map>

class fake_audio_service : public audio::audio_service {
public:
    struct device {
        QString file_name;
        QPointer<QObject> receiver;
        audio::mode state = audio::mode::stopped;
        std::uint32_t position = 0;
        bool notice_pending = false;
    };

    // Settings for the devices opened from now on.
    std::uint32_t clip_length = 10000;
    bool clips_can_play = true;
    // A failing open returns this code instead of a device.
    audio::error_code open_failure = 0;
    // Texts known to error_text(); other codes have none.
    QMap<audio::error_code, QString> texts;
    // The next command of this name ("play", "resume", "mode"…) fails with the code.
    QMap<QString, audio::error_code> fail_next;

    QStringList log; // every command, by name
    std::map<audio::device_id, device> devices;

    device& only_device() { return devices.begin()->second; }

    // Moves the clock: playing devices advance and those reaching their end
    // stop there and post a "successful" notice.
    void advance(std::uint32_t ms)
    {
        for (auto& [id, d] : devices) {
            if (d.state != audio::mode::playing)
                continue;
            d.position = std::min(clip_length, d.position + ms);
            if (d.position == clip_length) {
                d.state = audio::mode::stopped;
                post(id, d, audio::notice::successful);
            }
        }
    }

    audio::error_code open(const QString& file_name, QObject* receiver, audio::device_id& id) override
    {
        if (const auto failed = command("open"))
            return failed;
        if (open_failure)
            return open_failure;
        id = next_id_++;
        devices[id] = device{file_name, receiver};
        return 0;
    }
    audio::error_code can_play(audio::device_id id, bool& answer) override
    {
        answer = false;
        if (const auto failed = command("can_play", id))
            return failed;
        answer = clips_can_play;
        return 0;
    }
    audio::error_code status_mode(audio::device_id id, audio::mode& answer) override
    {
        if (const auto failed = command("mode", id))
            return failed;
        answer = devices.at(id).state;
        return 0;
    }
    audio::error_code status_position(audio::device_id id, std::uint32_t& ms) override
    {
        if (const auto failed = command("position", id))
            return failed;
        ms = devices.at(id).position;
        return 0;
    }
    audio::error_code status_length(audio::device_id id, std::uint32_t& ms) override
    {
        if (const auto failed = command("length", id))
            return failed;
        ms = clip_length;
        return 0;
    }
    audio::error_code play(audio::device_id id) override
    {
        if (const auto failed = command("play", id))
            return failed;
        device& d = devices.at(id);
        post(id, d, audio::notice::superseded);
        if (d.position < clip_length)
            d.state = audio::mode::playing;
        d.notice_pending = true;
        if (d.position == clip_length)
            post(id, d, audio::notice::successful);
        return 0;
    }
    audio::error_code pause(audio::device_id id) override
    {
        if (const auto failed = command("pause", id))
            return failed;
        device& d = devices.at(id);
        if (d.state == audio::mode::playing) {
            d.state = audio::mode::paused;
            post(id, d, audio::notice::aborted);
        }
        return 0;
    }
    audio::error_code resume(audio::device_id id) override
    {
        if (const auto failed = command("resume", id))
            return failed;
        device& d = devices.at(id);
        if (d.state == audio::mode::stopped)
            return 8;
        post(id, d, audio::notice::superseded);
        d.state = audio::mode::playing;
        d.notice_pending = true;
        return 0;
    }
    audio::error_code seek_to_start(audio::device_id id) override
    {
        if (const auto failed = command("seek", id))
            return failed;
        device& d = devices.at(id);
        d.state = audio::mode::stopped;
        d.position = 0;
        post(id, d, audio::notice::aborted);
        return 0;
    }
    audio::error_code close(audio::device_id id) override
    {
        if (const auto failed = command("close", id))
            return failed;
        devices.erase(id);
        return 0;
    }
    bool error_text(audio::error_code code, QString& text) const override
    {
        if (!texts.contains(code))
            return false;
        text = texts.value(code);
        return true;
    }

private:
    audio::error_code command(const QString& name, audio::device_id id = 0)
    {
        log << name;
        if (id != 0 && !devices.contains(id))
            return 1;
        return fail_next.take(name);
    }

    void post(audio::device_id id, device& d, audio::notice code)
    {
        if (!d.notice_pending)
            return;
        d.notice_pending = false;
        if (d.receiver)
            QCoreApplication::postEvent(d.receiver, new audio::audio_notice_event(code, id));
    }

    audio::device_id next_id_ = 1;
};
