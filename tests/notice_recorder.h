#pragma once
// Receives the notices of audio devices, as a clip player does, and keeps them.

#include "platform/audio_service.h"

#include <QCoreApplication>
#include <QObject>

#include <algorithm>
#include <utility>
#include <vector>

class notice_recorder : public QObject {
public:
    using entry = std::pair<audio::notice, audio::device_id>;
    std::vector<entry> received;

    bool event(QEvent* e) override
    {
        if (e->type() != audio::audio_notice_event::event_type())
            return QObject::event(e);
        const auto* n = static_cast<audio::audio_notice_event*>(e);
        received.emplace_back(n->code(), n->device());
        return true;
    }
    int count(audio::notice code, audio::device_id device) const
    {
        return static_cast<int>(std::count(received.begin(), received.end(), entry{code, device}));
    }
    // Delivers the notices posted so far, and hands over all received.
    std::vector<entry> take()
    {
        QCoreApplication::sendPostedEvents(this);
        return std::exchange(received, {});
    }
};
