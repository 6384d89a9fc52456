#include "platform/mp3_decoder.h"

#include "platform/mpeg_audio_stream.h"

#include <mpg123.h>

#include <algorithm>

namespace {
bool library_ready()
{
    static const bool ready = mpg123_init() == MPG123_OK;
    return ready;
}

// The decoder reads through stdio: its buffer turns the many small reads of
// a frame scan into a few large ones (about ten times faster than plain reads).
// It sees the stream's bytes only, as if they were the whole file.
mpg123_ssize_t read_stream(void* handle, void* buffer, size_t bytes)
{
    const auto* range = static_cast<mp3_decoder::byte_range*>(handle);
    const std::int64_t at = ftello(range->file);
    if (at < range->begin)
        return -1;
    const auto left = static_cast<size_t>(std::max<std::int64_t>(0, range->end - at));
    return static_cast<mpg123_ssize_t>(std::fread(buffer, 1, std::min(bytes, left), range->file));
}

off_t seek_stream(void* handle, off_t offset, int whence)
{
    const auto* range = static_cast<mp3_decoder::byte_range*>(handle);
    const std::int64_t base = whence == SEEK_SET ? range->begin
                              : whence == SEEK_END ? range->end
                                                   : ftello(range->file);
    const std::int64_t to = base + offset;
    if (to < range->begin || to > range->end || fseeko(range->file, static_cast<off_t>(to), SEEK_SET) != 0)
        return -1;
    return static_cast<off_t>(to - range->begin);
}
}

mp3_decoder::mp3_decoder()
{
    if (!library_ready())
        return;
    int error = 0;
    handle_ = mpg123_new(nullptr, &error);
    if (handle_)
        mpg123_param(handle_, MPG123_ADD_FLAGS, MPG123_QUIET | MPG123_GAPLESS, 0.0);
}

mp3_decoder::~mp3_decoder()
{
    if (handle_)
        mpg123_delete(handle_);
    if (stream_.file)
        std::fclose(stream_.file);
}

mp3_decoder::open_result mp3_decoder::open(const char* path)
{
    if (stream_.file)
        return open_result::not_mp3;
    std::FILE* file = std::fopen(path, "rb");
    if (!file)
        return open_result::unreadable;
    return open(file);
}

mp3_decoder::open_result mp3_decoder::open(std::FILE* file)
{
    if (stream_.file) {
        std::fclose(file);
        return open_result::not_mp3;
    }
    stream_.file = file;
    if (!handle_)
        return open_result::not_mp3;
    const auto stream = find_mpeg_audio_stream(file);
    if (!stream || fseeko(file, static_cast<off_t>(stream->begin), SEEK_SET) != 0)
        return open_result::not_mp3;
    stream_.begin = stream->begin;
    stream_.end = stream->end;
    if (mpg123_replace_reader_handle(handle_, read_stream, seek_stream, nullptr) != MPG123_OK
        || mpg123_open_handle(handle_, &stream_) != MPG123_OK)
        return open_result::not_mp3;
    int encoding = 0;
    if (mpg123_getformat(handle_, &rate_, &channels_, &encoding) != MPG123_OK
        || rate_ != stream->sample_rate || channels_ != stream->channels)
        return open_result::not_mp3;
    // Keep the file's rate and channels, always as 16-bit samples.
    mpg123_format_none(handle_);
    if (mpg123_format(handle_, rate_, channels_, MPG123_ENC_SIGNED_16) != MPG123_OK)
        return open_result::not_mp3;
    if (mpg123_scan(handle_) != MPG123_OK)
        return open_result::not_mp3;
    length_ = mpg123_length(handle_);
    if (length_ <= 0)
        return open_result::not_mp3;
    return open_result::ok;
}

bool mp3_decoder::seek(std::int64_t frame)
{
    if (frame < 0 || frame > length_ || mpg123_seek(handle_, static_cast<off_t>(frame), SEEK_SET) < 0)
        return false;
    position_ = frame;
    return true;
}

long mp3_decoder::read(std::int16_t* out, long max_frames)
{
    const std::size_t frame_bytes = sizeof(std::int16_t) * static_cast<std::size_t>(channels_);
    const auto frames_left = std::clamp<std::int64_t>(length_ - position_, 0, max_frames);
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
