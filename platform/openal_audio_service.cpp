#include "platform/openal_audio_service.h"

#include "platform/mp3_decoder.h"
#include "platform/openal_library.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QPointer>

#include <algorithm>
#include <array>
#include <deque>

namespace audio {

namespace {
// Four buffers of an eighth of a second each: half a second queued ahead,
// which a short stall of the user-interface thread does not exhaust. The
// refill timer comes every tenth of a second, well inside that margin.
constexpr int buffer_count = 4;
constexpr long chunks_per_second = 8;
constexpr int watch_interval_ms = 100;
// The output closes when no device has played for this long.
constexpr int default_idle_close_ms = 3000;
constexpr std::uint32_t max_failure_records = 0xFFFFFF;

// The whole of a clip file, or why it cannot be had.
error_kind read_clip_file(const QString& file_name, QByteArray& bytes)
{
    if (QFileInfo(file_name).suffix().compare(QLatin1String("mp3"), Qt::CaseInsensitive) != 0)
        return error_kind::unknown_extension;
    const QFileInfo info(file_name);
    if (!info.exists())
        return error_kind::file_not_found;
    QFile file(file_name);
    if (!info.isFile() || !file.open(QIODevice::ReadOnly))
        return error_kind::file_unreadable;
    bytes = file.readAll();
    return file.error() == QFileDevice::NoError ? error_kind::none : error_kind::file_unreadable;
}

// Only called once the output is open, so with the library loaded.
const openal_library& al()
{
    return *openal();
}
}

struct openal_audio_service::output {
    ALCdevice* device = nullptr;
    ALCcontext* context = nullptr;

    ~output()
    {
        al().alcMakeContextCurrent(nullptr);
        if (context)
            al().alcDestroyContext(context);
        if (device)
            al().alcCloseDevice(device);
    }
};

// What a device holds while it plays: its decoder, its OpenAL source and the
// buffers queued on it.
struct openal_audio_service::stream {
    struct queued_chunk {
        ALuint buffer;
        long frames;
    };

    mp3_decoder decoder;
    ALuint source = 0;
    std::array<ALuint, buffer_count> buffers{};
    bool buffers_made = false;
    std::deque<queued_chunk> queue;
    std::int64_t queue_start = 0; // frame at the head of the source's queue
    std::int64_t decoded_to = 0;  // next frame the decoder gives
    bool decoder_done = false;
    bool decode_failed = false;

    ~stream()
    {
        if (source) {
            al().alSourceStop(source);
            al().alDeleteSources(1, &source);
        }
        if (buffers_made)
            al().alDeleteBuffers(buffer_count, buffers.data());
    }
};

struct openal_audio_service::device {
    QString file_name;
    QPointer<QObject> receiver;
    long rate = 0;
    int channels = 0;
    std::int64_t length = 0;      // in frames (one sample per channel)
    mode state = mode::stopped;
    std::int64_t stopped_at = 0;  // the position while not playing, in frames
    bool notice_pending = false;
    std::unique_ptr<stream> playing; // only while playing

    std::uint32_t to_ms(std::int64_t frames) const
    {
        return static_cast<std::uint32_t>(frames * 1000 / rate);
    }

    std::int64_t position() const
    {
        if (!playing)
            return stopped_at;
        ALint source_state = AL_STOPPED;
        al().alGetSourcei(playing->source, AL_SOURCE_STATE, &source_state);
        if (playing->queue.empty() || source_state == AL_STOPPED)
            return playing->decoded_to; // everything queued has been heard
        ALint offset = 0;
        al().alGetSourcei(playing->source, AL_SAMPLE_OFFSET, &offset);
        return std::min(playing->queue_start + offset, length);
    }
};

openal_audio_service::openal_audio_service()
{
    watcher_.setInterval(watch_interval_ms);
    QObject::connect(&watcher_, &QTimer::timeout, [this] { watch(); });
    idle_closer_.setSingleShot(true);
    idle_closer_.setInterval(default_idle_close_ms);
    QObject::connect(&idle_closer_, &QTimer::timeout, [this] { close_idle_output(); });
}

openal_audio_service::~openal_audio_service()
{
    watcher_.stop();
    devices_.clear(); // sources and buffers go before the context
}

openal_audio_service::device* openal_audio_service::find(device_id id)
{
    const auto found = devices_.find(id);
    return found == devices_.end() ? nullptr : found->second.get();
}

error_code openal_audio_service::fail(error_kind kind, const QString& file_name)
{
    if (failed_files_.size() >= max_failure_records)
        return static_cast<error_code>(kind);
    failed_files_.push_back(file_name);
    return static_cast<error_code>(kind) | static_cast<error_code>(failed_files_.size()) << 8;
}

clip_measure openal_audio_service::measure(const QString& file_name)
{
    clip_measure m;
    QByteArray bytes;
    m.failure = read_clip_file(file_name, bytes);
    if (m.failure != error_kind::none)
        return m;
    const auto stream = find_mpeg_audio_stream(bytes);
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

device_id openal_audio_service::free_id()
{
    for (int tries = 0; tries < 0xFFFF; ++tries) {
        last_id_ = static_cast<device_id>(last_id_ == 0xFFFF ? 1 : last_id_ + 1);
        if (!devices_.contains(last_id_))
            return last_id_;
    }
    return 0;
}

error_code openal_audio_service::open(const QString& file_name, QObject* receiver, device_id& id)
{
    id = 0;
    const auto measured = measures_.extract(file_name);
    const clip_measure m = measured ? measured.mapped() : measure(file_name);
    if (m.failure != error_kind::none)
        return fail(m.failure, file_name);

    auto d = std::make_unique<device>();
    d->file_name = file_name;
    d->receiver = receiver;
    d->rate = m.rate;
    d->channels = m.channels;
    d->length = m.length;

    const device_id new_id = free_id();
    if (new_id == 0)
        return fail(error_kind::too_many_devices, file_name);
    devices_.emplace(new_id, std::move(d));
    id = new_id;
    return 0;
}

error_code openal_audio_service::can_play(device_id id, bool& answer)
{
    answer = false;
    if (!find(id))
        return fail(error_kind::invalid_device, {});
    answer = true;
    return 0;
}

error_code openal_audio_service::status_mode(device_id id, mode& answer)
{
    device* d = find(id);
    if (!d)
        return fail(error_kind::invalid_device, {});
    answer = d->state;
    return 0;
}

error_code openal_audio_service::status_position(device_id id, std::uint32_t& milliseconds)
{
    device* d = find(id);
    if (!d)
        return fail(error_kind::invalid_device, {});
    milliseconds = d->to_ms(d->position());
    return 0;
}

error_code openal_audio_service::status_length(device_id id, std::uint32_t& milliseconds)
{
    device* d = find(id);
    if (!d)
        return fail(error_kind::invalid_device, {});
    milliseconds = d->to_ms(d->length);
    return 0;
}

error_code openal_audio_service::play(device_id id)
{
    device* d = find(id);
    if (!d)
        return fail(error_kind::invalid_device, {});
    if (d->state == mode::playing) {
        post_notice(id, *d, notice::superseded);
        d->notice_pending = true;
        return 0;
    }
    return start(id, *d);
}

error_code openal_audio_service::open_output(const QString& file_name)
{
    if (output_)
        return 0;
    if (!openal())
        return fail(error_kind::no_output, file_name);
    auto out = std::make_unique<output>();
    out->device = al().alcOpenDevice(nullptr);
    if (out->device)
        out->context = al().alcCreateContext(out->device, nullptr);
    if (!out->context || !al().alcMakeContextCurrent(out->context))
        return fail(error_kind::no_output, file_name);
    output_ = std::move(out);
    return 0;
}

// Plays from the device's position, paused or stopped: a decoder and a
// source of its own, a few buffers queued ahead.
error_code openal_audio_service::start(device_id id, device& d)
{
    if (d.stopped_at >= d.length) {
        // Nothing left to play: the playback ends at once.
        d.notice_pending = true;
        post_notice(id, d, notice::successful);
        return 0;
    }
    if (const error_code error = open_output(d.file_name))
        return error;
    QByteArray bytes;
    if (const error_kind failure = read_clip_file(d.file_name, bytes); failure != error_kind::none)
        return fail(failure, d.file_name);
    auto s = std::make_unique<stream>();
    if (!s->decoder.open(bytes) || (d.stopped_at > 0 && !s->decoder.seek(d.stopped_at)))
        return fail(error_kind::decode_failure, d.file_name);
    al().alGetError();
    al().alGenSources(1, &s->source);
    if (al().alGetError() != AL_NO_ERROR) {
        s->source = 0;
        return fail(error_kind::output_failure, d.file_name);
    }
    al().alGenBuffers(buffer_count, s->buffers.data());
    if (al().alGetError() != AL_NO_ERROR)
        return fail(error_kind::output_failure, d.file_name);
    s->buffers_made = true;
    s->decoded_to = d.stopped_at;
    s->queue_start = d.stopped_at;
    d.playing = std::move(s);
    for (ALuint buffer : d.playing->buffers)
        queue_next_chunk(d, buffer);
    if (d.playing->queue.empty()) {
        d.playing.reset();
        return fail(error_kind::decode_failure, d.file_name);
    }
    al().alSourcePlay(d.playing->source);
    if (al().alGetError() != AL_NO_ERROR) {
        d.playing.reset();
        return fail(error_kind::output_failure, d.file_name);
    }
    d.state = mode::playing;
    d.notice_pending = true;
    update_timers();
    return 0;
}

// Leaves the device at `frame`, without its stream.
void openal_audio_service::stop_at(device& d, std::int64_t frame)
{
    d.playing.reset();
    d.stopped_at = frame;
}

error_code openal_audio_service::pause(device_id id)
{
    device* d = find(id);
    if (!d)
        return fail(error_kind::invalid_device, {});
    if (d->state == mode::playing) {
        stop_at(*d, d->position());
        d->state = mode::paused;
        post_notice(id, *d, notice::aborted);
        update_timers();
    }
    return 0;
}

error_code openal_audio_service::resume(device_id id)
{
    device* d = find(id);
    if (!d)
        return fail(error_kind::invalid_device, {});
    switch (d->state) {
    case mode::paused:
        return start(id, *d);
    case mode::playing:
        post_notice(id, *d, notice::superseded);
        d->notice_pending = true;
        return 0;
    case mode::stopped:
        break;
    }
    return fail(error_kind::not_paused, d->file_name);
}

error_code openal_audio_service::seek_to_start(device_id id)
{
    device* d = find(id);
    if (!d)
        return fail(error_kind::invalid_device, {});
    stop_at(*d, 0);
    d->state = mode::stopped;
    post_notice(id, *d, notice::aborted);
    update_timers();
    return 0;
}

error_code openal_audio_service::close(device_id id)
{
    if (!find(id))
        return fail(error_kind::invalid_device, {});
    devices_.erase(id);
    update_timers();
    return 0;
}

bool openal_audio_service::queue_next_chunk(device& d, unsigned buffer)
{
    stream& s = *d.playing;
    if (s.decoder_done)
        return false;
    const long frames_wanted = std::max(1L, d.rate / chunks_per_second);
    chunk_.resize(static_cast<std::size_t>(frames_wanted * d.channels));
    const long frames = s.decoder.read(chunk_.data(), frames_wanted);
    if (frames <= 0) {
        s.decoder_done = true;
        s.decode_failed = frames < 0;
        return false;
    }
    const ALenum format = d.channels == 1 ? AL_FORMAT_MONO16 : AL_FORMAT_STEREO16;
    const auto bytes = static_cast<ALsizei>(frames * d.channels * static_cast<long>(sizeof(std::int16_t)));
    al().alBufferData(buffer, format, chunk_.data(), bytes, static_cast<ALsizei>(d.rate));
    al().alSourceQueueBuffers(s.source, 1, &buffer);
    s.queue.push_back({buffer, frames});
    s.decoded_to += frames;
    return true;
}

void openal_audio_service::watch()
{
    for (auto& [id, d] : devices_)
        if (d->state == mode::playing)
            keep_playing(id, *d);
    update_timers();
}

void openal_audio_service::keep_playing(device_id id, device& d)
{
    stream& s = *d.playing;
    ALint processed = 0;
    al().alGetSourcei(s.source, AL_BUFFERS_PROCESSED, &processed);
    for (; processed > 0 && !s.queue.empty(); --processed) {
        ALuint buffer = s.queue.front().buffer;
        al().alSourceUnqueueBuffers(s.source, 1, &buffer);
        s.queue_start += s.queue.front().frames;
        s.queue.pop_front();
        queue_next_chunk(d, buffer);
    }
    ALint state = AL_STOPPED;
    al().alGetSourcei(s.source, AL_SOURCE_STATE, &state);
    if (state == AL_PLAYING)
        return;
    if (!s.queue.empty()) {
        al().alSourcePlay(s.source); // ran dry while we were late: go on
        return;
    }
    // Ended, played through or not: stopped at the end, so that the next Play
    // starts again from the beginning.
    const bool failed = s.decode_failed;
    stop_at(d, d.length);
    d.state = mode::stopped;
    post_notice(id, d, failed ? notice::failure : notice::successful);
}

void openal_audio_service::post_notice(device_id id, device& d, notice code)
{
    if (!d.notice_pending)
        return;
    d.notice_pending = false;
    if (d.receiver)
        QCoreApplication::postEvent(d.receiver, new audio_notice_event(code, id));
}

// The refill timer runs while some device plays; once none does, the idle
// countdown of the output starts.
void openal_audio_service::update_timers()
{
    bool any_playing = false;
    for (const auto& entry : devices_)
        any_playing = any_playing || entry.second->state == mode::playing;
    if (any_playing) {
        idle_closer_.stop();
        if (!watcher_.isActive())
            watcher_.start();
        return;
    }
    watcher_.stop();
    if (output_ && !idle_closer_.isActive())
        idle_closer_.start();
}

// Nothing plays, so no device holds a source: the output goes, and with it
// the mixer and the stream the sound server keeps for us.
void openal_audio_service::close_idle_output()
{
    for (const auto& entry : devices_)
        if (entry.second->playing)
            return;
    output_.reset();
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
