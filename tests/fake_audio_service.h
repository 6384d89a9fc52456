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

    std::uint32_t clip_length = 10000;
    audio::error_code open_failure = 0;           // a failing open returns it
    QMap<audio::error_code, QString> texts;       // the codes error_text() knows
    QMap<QString, audio::error_code> fail_next;   // command name -> its next result
    QStringList log;                              // every command, by name
    std::map<audio::device_id, device> devices;

    device& only_device() { return devices.begin()->second; }

    // Playing devices advance; those reaching their end stop there and
    // post a "successful" notice.
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
        log << "open";
        if (const auto failed = fail_next.take("open"))
            return failed;
        if (open_failure)
            return open_failure;
        id = next_id_++;
        devices[id] = device{file_name, receiver};
        return 0;
    }
    audio::error_code can_play(audio::device_id id, bool& answer) override
    {
        return command("can_play", id, [&](device&) { answer = true; });
    }
    audio::error_code status_mode(audio::device_id id, audio::mode& answer) override
    {
        return command("mode", id, [&](device& d) { answer = d.state; });
    }
    audio::error_code status_position(audio::device_id id, std::uint32_t& ms) override
    {
        return command("position", id, [&](device& d) { ms = d.position; });
    }
    audio::error_code status_length(audio::device_id id, std::uint32_t& ms) override
    {
        return command("length", id, [&](device&) { ms = clip_length; });
    }
    audio::error_code play(audio::device_id id) override
    {
        return command("play", id, [&](device& d) {
            post(id, d, audio::notice::superseded);
            d.notice_pending = true;
            if (d.position < clip_length)
                d.state = audio::mode::playing;
            else
                post(id, d, audio::notice::successful);
        });
    }
    audio::error_code pause(audio::device_id id) override
    {
        return command("pause", id, [&](device& d) {
            if (d.state == audio::mode::playing) {
                d.state = audio::mode::paused;
                post(id, d, audio::notice::aborted);
            }
        });
    }
    audio::error_code resume(audio::device_id id) override
    {
        if (devices.contains(id) && devices[id].state == audio::mode::stopped)
            return 8;
        return command("resume", id, [&](device& d) {
            post(id, d, audio::notice::superseded);
            d.state = audio::mode::playing;
            d.notice_pending = true;
        });
    }
    audio::error_code seek_to_start(audio::device_id id) override
    {
        return command("seek", id, [&](device& d) {
            d.state = audio::mode::stopped;
            d.position = 0;
            post(id, d, audio::notice::aborted);
        });
    }
    audio::error_code close(audio::device_id id) override
    {
        const auto result = command("close", id, [](device&) {});
        devices.erase(id);
        return result;
    }
    bool error_text(audio::error_code code, QString& text) const override
    {
        text = texts.value(code);
        return texts.contains(code);
    }

private:
    template <class Action>
    audio::error_code command(const char* name, audio::device_id id, Action action)
    {
        log << name;
        if (!devices.contains(id))
            return 1;
        if (const auto failed = fail_next.take(name))
            return failed;
        action(devices[id]);
        return 0;
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
