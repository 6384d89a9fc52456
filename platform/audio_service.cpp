#include "platform/audio_service.h"

namespace audio {

audio_notice_event::audio_notice_event(notice code, device_id device)
    : QEvent(event_type()), code_(code), device_(device)
{
}

QEvent::Type audio_notice_event::event_type()
{
    static const auto type = static_cast<QEvent::Type>(QEvent::registerEventType());
    return type;
}

} // namespace audio
