#pragma once
// An audio service that hands every command to another one and notes the
// devices it opened, by the receiver of their notices: tests tell which
// recording a player opened, and its device, as the service saw them.

#include "platform/audio_service.h"

#include <QObject>
#include <QString>

#include <map>

class audio_spy : public audio::audio_service {
public:
    struct device {
        QString file_name;
        audio::device_id id = 0;
    };

    explicit audio_spy(audio::audio_service& real) : real_(real) {}

    // The device `receiver` opened and has not closed; null when none.
    const device* device_of(const QObject* receiver) const
    {
        const auto found = open_.find(receiver);
        return found == open_.end() ? nullptr : &found->second;
    }
    QString file_of(const QObject* receiver) const
    {
        const device* d = device_of(receiver);
        return d ? d->file_name : QString();
    }

    audio::error_code open(const QString& file_name, QObject* receiver, audio::device_id& id) override
    {
        const audio::error_code result = real_.open(file_name, receiver, id);
        if (result == 0)
            open_[receiver] = device{file_name, id};
        return result;
    }
    audio::error_code close(audio::device_id id) override
    {
        for (auto it = open_.begin(); it != open_.end(); ++it)
            if (it->second.id == id) {
                open_.erase(it);
                break;
            }
        return real_.close(id);
    }
    audio::error_code can_play(audio::device_id id, bool& answer) override { return real_.can_play(id, answer); }
    audio::error_code status_mode(audio::device_id id, audio::mode& answer) override
    {
        return real_.status_mode(id, answer);
    }
    audio::error_code status_position(audio::device_id id, std::uint32_t& ms) override
    {
        return real_.status_position(id, ms);
    }
    audio::error_code status_length(audio::device_id id, std::uint32_t& ms) override
    {
        return real_.status_length(id, ms);
    }
    audio::error_code play(audio::device_id id) override { return real_.play(id); }
    audio::error_code pause(audio::device_id id) override { return real_.pause(id); }
    audio::error_code resume(audio::device_id id) override { return real_.resume(id); }
    audio::error_code seek_to_start(audio::device_id id) override { return real_.seek_to_start(id); }
    bool error_text(audio::error_code code, QString& text) const override { return real_.error_text(code, text); }

private:
    audio::audio_service& real_;
    std::map<const QObject*, device> open_;
};
