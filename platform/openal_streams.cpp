#include "platform/openal_streams.h"

#include "platform/clip_file.h"
#include "platform/mp3_decoder.h"
#include "platform/openal_library.h"

#include <algorithm>
#include <array>
#include <deque>

namespace audio {

namespace {
// Four buffers of an eighth of a second each: half a second queued ahead,
// which a short stall of the user-interface thread does not exhaust. The
// refill comes every tenth of a second, well inside that margin.
constexpr int buffer_count = 4;
constexpr long chunks_per_second = 8;

// Only called once the output is open, so with the library loaded.
const openal_library& al()
{
    return *openal();
}
}

struct openal_streams::output {
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

// A playing device's clip (mapped), its decoder, its OpenAL source and the
// buffers queued on it.
struct openal_streams::stream {
    struct queued_chunk {
        ALuint buffer;
        long frames;
    };

    explicit stream(const QString& file_name) : file(file_name) {}

    clip_file file; // outlives the decoder reading it
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

openal_streams::openal_streams() = default;

openal_streams::~openal_streams()
{
    streams_.clear(); // sources and buffers go before the context
}

error_kind openal_streams::open_output()
{
    if (output_)
        return error_kind::none;
    if (!openal())
        return error_kind::no_output;
    auto out = std::make_unique<output>();
    out->device = al().alcOpenDevice(nullptr);
    if (out->device)
        out->context = al().alcCreateContext(out->device, nullptr);
    if (!out->context || !al().alcMakeContextCurrent(out->context))
        return error_kind::no_output;
    output_ = std::move(out);
    return error_kind::none;
}

// A decoder and a source of the device's own, a few buffers queued ahead.
error_kind openal_streams::start(device_id id, const QString& file_name, std::int64_t frame)
{
    if (const error_kind failure = open_output(); failure != error_kind::none)
        return failure;
    auto s = std::make_unique<stream>(file_name);
    if (s->file.failure() != error_kind::none)
        return s->file.failure();
    if (!s->decoder.open(s->file.bytes()) || (frame > 0 && !s->decoder.seek(frame)))
        return error_kind::decode_failure;
    al().alGetError();
    al().alGenSources(1, &s->source);
    if (al().alGetError() != AL_NO_ERROR) {
        s->source = 0;
        return error_kind::output_failure;
    }
    al().alGenBuffers(buffer_count, s->buffers.data());
    if (al().alGetError() != AL_NO_ERROR)
        return error_kind::output_failure;
    s->buffers_made = true;
    s->decoded_to = frame;
    s->queue_start = frame;
    for (ALuint buffer : s->buffers)
        queue_next_chunk(*s, buffer);
    if (s->queue.empty())
        return error_kind::decode_failure;
    al().alSourcePlay(s->source);
    if (al().alGetError() != AL_NO_ERROR)
        return error_kind::output_failure;
    streams_[id] = std::move(s);
    return error_kind::none;
}

std::int64_t openal_streams::position(device_id id)
{
    const stream& s = *streams_.at(id);
    ALint source_state = AL_STOPPED;
    al().alGetSourcei(s.source, AL_SOURCE_STATE, &source_state);
    if (s.queue.empty() || source_state == AL_STOPPED)
        return s.decoded_to; // everything queued has been heard
    ALint offset = 0;
    al().alGetSourcei(s.source, AL_SAMPLE_OFFSET, &offset);
    return s.queue_start + offset;
}

bool openal_streams::queue_next_chunk(stream& s, unsigned buffer)
{
    if (s.decoder_done)
        return false;
    const long rate = s.decoder.sample_rate();
    const int channels = s.decoder.channels();
    const long frames_wanted = std::max(1L, rate / chunks_per_second);
    chunk_.resize(static_cast<std::size_t>(frames_wanted * channels));
    const long frames = s.decoder.read(chunk_.data(), frames_wanted);
    if (frames <= 0) {
        s.decoder_done = true;
        s.decode_failed = frames < 0;
        return false;
    }
    const ALenum format = channels == 1 ? AL_FORMAT_MONO16 : AL_FORMAT_STEREO16;
    const auto bytes = static_cast<ALsizei>(frames * channels * static_cast<long>(sizeof(std::int16_t)));
    al().alBufferData(buffer, format, chunk_.data(), bytes, static_cast<ALsizei>(rate));
    al().alSourceQueueBuffers(s.source, 1, &buffer);
    s.queue.push_back({buffer, frames});
    s.decoded_to += frames;
    return true;
}

sound_output::progress openal_streams::keep_playing(device_id id)
{
    stream& s = *streams_.at(id);
    ALint processed = 0;
    al().alGetSourcei(s.source, AL_BUFFERS_PROCESSED, &processed);
    for (; processed > 0 && !s.queue.empty(); --processed) {
        ALuint buffer = s.queue.front().buffer;
        al().alSourceUnqueueBuffers(s.source, 1, &buffer);
        s.queue_start += s.queue.front().frames;
        s.queue.pop_front();
        queue_next_chunk(s, buffer);
    }
    ALint state = AL_STOPPED;
    al().alGetSourcei(s.source, AL_SOURCE_STATE, &state);
    if (state == AL_PLAYING)
        return progress::playing;
    if (!s.queue.empty()) {
        al().alSourcePlay(s.source); // ran dry while we were late: go on
        return progress::playing;
    }
    return s.decode_failed ? progress::failed : progress::ended;
}

void openal_streams::stop(device_id id)
{
    streams_.erase(id);
}

void openal_streams::close_output()
{
    streams_.clear();
    output_.reset();
}

} // namespace audio
