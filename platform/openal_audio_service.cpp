#include "platform/openal_audio_service.h"

#include "platform/clip_file.h"
#include "platform/mpeg_audio_stream.h"

namespace audio {

namespace {
constexpr std::uint32_t max_failure_records = 0xFFFFFF;
}

openal_audio_service::openal_audio_service()
    : own_clock_(std::make_unique<event_loop_clock>()), rules_(streams_, *own_clock_)
{
}

openal_audio_service::openal_audio_service(audio_clock& clock)
    : rules_(streams_, clock)
{
}

openal_audio_service::~openal_audio_service() = default;

error_code openal_audio_service::fail(error_kind kind, const QString& file_name)
{
    if (failed_files_.size() >= max_failure_records)
        return static_cast<error_code>(kind);
    failed_files_.push_back(file_name);
    return static_cast<error_code>(kind) | static_cast<error_code>(failed_files_.size()) << 8;
}

// The code for what the rules answered about `device`, its failure naming the device's file.
error_code openal_audio_service::code_for(error_kind kind, device_id device)
{
    return kind == error_kind::none ? 0 : fail(kind, rules_.file_name(device));
}

clip_measure openal_audio_service::measure(const QString& file_name)
{
    clip_measure m;
    clip_file file(file_name);
    m.failure = file.failure();
    if (m.failure != error_kind::none)
        return m;
    const auto stream = find_mpeg_audio_stream(file.bytes(), [&file](std::int64_t passed) { file.let_go_before(passed); });
    if (!stream) {
        m.failure = error_kind::not_mp3;
        return m;
    }
    m.rate = stream->sample_rate;
    m.channels = stream->channels;
    m.length = stream->length();
    return m;
}

void openal_audio_service::use_measures(std::map<QString, clip_measure> measures)
{
    measures_ = std::move(measures);
}

error_code openal_audio_service::open(const QString& file_name, QObject* receiver, device_id& id)
{
    id = 0;
    const auto measured = measures_.extract(file_name);
    const clip_measure m = measured ? measured.mapped() : measure(file_name);
    if (m.failure != error_kind::none)
        return fail(m.failure, file_name);
    const device_id new_id = rules_.add(file_name, receiver, m.rate, m.length);
    if (new_id == 0)
        return fail(error_kind::too_many_devices, file_name);
    id = new_id;
    return 0;
}

error_code openal_audio_service::can_play(device_id id, bool& answer)
{
    mode ignored = mode::stopped;
    const error_code code = status_mode(id, ignored);
    answer = code == 0;
    return code;
}

error_code openal_audio_service::status_mode(device_id id, mode& answer)
{
    return code_for(rules_.mode_of(id, answer), id);
}

error_code openal_audio_service::status_position(device_id id, std::uint32_t& milliseconds)
{
    return code_for(rules_.position_ms(id, milliseconds), id);
}

error_code openal_audio_service::status_length(device_id id, std::uint32_t& milliseconds)
{
    return code_for(rules_.length_ms(id, milliseconds), id);
}

error_code openal_audio_service::play(device_id id)
{
    return code_for(rules_.play(id), id);
}

error_code openal_audio_service::pause(device_id id)
{
    return code_for(rules_.pause(id), id);
}

error_code openal_audio_service::resume(device_id id)
{
    return code_for(rules_.resume(id), id);
}

error_code openal_audio_service::seek_to_start(device_id id)
{
    return code_for(rules_.seek_to_start(id), id);
}

error_code openal_audio_service::close(device_id id)
{
    return code_for(rules_.remove(id), id);
}

bool openal_audio_service::error_text(error_code code, QString& text) const
{
    const std::uint32_t record = code >> 8;
    const QString file = record >= 1 && record <= failed_files_.size()
                             ? failed_files_[record - 1]
                             : QStringLiteral("(fichier inconnu)");
    switch (kind_of(code)) {
    case error_kind::none:
        text = QStringLiteral("L'opération audio a réussi.");
        return true;
    case error_kind::invalid_device:
        text = QStringLiteral("Ce périphérique audio n'est pas ouvert.");
        return true;
    case error_kind::file_not_found:
        text = QStringLiteral("Le fichier audio « %1 » est introuvable.").arg(file);
        return true;
    case error_kind::file_unreadable:
        text = QStringLiteral("Le fichier audio « %1 » ne peut pas être lu.").arg(file);
        return true;
    case error_kind::not_mp3:
        text = QStringLiteral("Le fichier « %1 » n'est pas un fichier MP3 que le décodeur accepte.").arg(file);
        return true;
    case error_kind::unknown_extension:
        text = QStringLiteral("Aucun lecteur audio ne connaît l'extension du fichier « %1 » "
                              "(seuls les fichiers .mp3 sont lus).").arg(file);
        return true;
    case error_kind::no_output:
        text = QStringLiteral("Aucune sortie audio n'est disponible pour lire « %1 ».").arg(file);
        return true;
    case error_kind::output_failure:
        text = QStringLiteral("La sortie audio a refusé de lire « %1 ».").arg(file);
        return true;
    case error_kind::not_paused:
        text = QStringLiteral("La lecture de « %1 » ne peut pas reprendre : elle n'est pas en pause.").arg(file);
        return true;
    case error_kind::decode_failure:
        text = QStringLiteral("Le fichier audio « %1 » n'a pas pu être décodé.").arg(file);
        return true;
    case error_kind::too_many_devices:
        text = QStringLiteral("Trop de fichiers audio sont ouverts pour ouvrir « %1 ».").arg(file);
        return true;
    }
    return false;
}

} // namespace audio
