#include "platform/mp3_decoder.h"

#include <mpg123.h>

#include <algorithm>
#include <cstring>

namespace {
bool library_ready()
{
    static const bool ready = mpg123_init() == MPG123_OK;
    return ready;
}

// The decoder sees the stream's bytes only, as if they were the whole file.
mpg123_ssize_t read_stream(void* handle, void* buffer, size_t bytes)
{
    auto* r = static_cast<mp3_decoder::reader*>(handle);
    const auto count = static_cast<size_t>(std::clamp<std::int64_t>(r->end - r->at, 0, static_cast<std::int64_t>(bytes)));
    std::memcpy(buffer, r->file.constData() + r->at, count);
    r->at += static_cast<std::int64_t>(count);
    return static_cast<mpg123_ssize_t>(count);
}

off_t seek_stream(void* handle, off_t offset, int whence)
{
    auto* r = static_cast<mp3_decoder::reader*>(handle);
    const std::int64_t base = whence == SEEK_SET ? r->begin : whence == SEEK_END ? r->end : r->at;
    const std::int64_t to = base + offset;
    if (to < r->begin || to > r->end)
        return -1;
    r->at = to;
    return static_cast<off_t>(to - r->begin);
}
}

mp3_decoder::mp3_decoder()
{
    if (!library_ready())
        return;
    int error = 0;
    handle_ = mpg123_new(nullptr, &error);
    if (!handle_)
        return;
    // The stream's measure decides which samples belong to the clip: the
    // decoder gives every sample of every frame it is shown.
    mpg123_param(handle_, MPG123_ADD_FLAGS, MPG123_QUIET, 0.0);
    mpg123_param(handle_, MPG123_REMOVE_FLAGS, MPG123_GAPLESS, 0.0);
}

mp3_decoder::~mp3_decoder()
{
    if (handle_)
        mpg123_delete(handle_);
}

bool mp3_decoder::open(const QByteArray& file)
{
    if (!handle_ || !reader_.file.isNull())
        return false;
    const auto stream = find_mpeg_audio_stream(file);
    if (!stream)
        return false;
    stream_ = *stream;
    reader_ = {file, stream->begin, stream->end, stream->begin};
    if (mpg123_replace_reader_handle(handle_, read_stream, seek_stream, nullptr) != MPG123_OK
        || mpg123_open_handle(handle_, &reader_) != MPG123_OK)
        return false;
    long rate = 0;
    int channels = 0, encoding = 0;
    if (mpg123_getformat(handle_, &rate, &channels, &encoding) != MPG123_OK || rate != stream_.sample_rate
        || channels != stream_.channels)
        return false;
    // Keep the file's rate and channels, always as 16-bit samples.
    mpg123_format_none(handle_);
    return mpg123_format(handle_, rate, channels, MPG123_ENC_SIGNED_16) == MPG123_OK && seek(0);
}

bool mp3_decoder::seek(std::int64_t frame)
{
    if (frame < 0 || frame > length()
        || mpg123_seek(handle_, static_cast<off_t>(stream_.first_sample + frame), SEEK_SET) < 0)
        return false;
    position_ = frame;
    return true;
}

long mp3_decoder::read(std::int16_t* out, long max_frames)
{
    const std::size_t frame_bytes = sizeof(std::int16_t) * static_cast<std::size_t>(channels());
    const auto frames_left = std::clamp<std::int64_t>(length() - position_, 0, max_frames);
    auto* bytes = reinterpret_cast<unsigned char*>(out);
    const std::size_t wanted = frame_bytes * static_cast<std::size_t>(frames_left);
    std::size_t filled = 0;
    while (filled < wanted) {
        std::size_t done = 0;
        const int result = mpg123_read(handle_, bytes + filled, wanted - filled, &done);
        filled += done;
        if (result == MPG123_DONE)
            break;
        if (result != MPG123_OK && result != MPG123_NEW_FORMAT) {
            if (filled == 0)
                return -1;
            break;
        }
    }
    const auto frames = static_cast<long>(filled / frame_bytes);
    position_ += frames;
    return frames;
}
