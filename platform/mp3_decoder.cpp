#include "platform/mp3_decoder.h"

#include <mpg123.h>

namespace {
bool library_ready()
{
    static const bool ready = mpg123_init() == MPG123_OK;
    return ready;
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
}

mp3_decoder::open_result mp3_decoder::open(const char* path)
{
    if (!handle_)
        return open_result::not_mp3;
    if (mpg123_open(handle_, path) != MPG123_OK)
        return open_result::unreadable;
    int encoding = 0;
    if (mpg123_getformat(handle_, &rate_, &channels_, &encoding) != MPG123_OK || rate_ <= 0)
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
    return mpg123_seek(handle_, static_cast<off_t>(frame), SEEK_SET) >= 0;
}

long mp3_decoder::read(std::int16_t* out, long max_frames)
{
    const std::size_t frame_bytes = sizeof(std::int16_t) * static_cast<std::size_t>(channels_);
    auto* bytes = reinterpret_cast<unsigned char*>(out);
    const std::size_t wanted = frame_bytes * static_cast<std::size_t>(max_frames);
    std::size_t filled = 0;
    while (filled < wanted) {
        std::size_t done = 0;
        const int result = mpg123_read(handle_, bytes + filled, wanted - filled, &done);
        filled += done;
        if (result == MPG123_DONE)
            break;
        if (result != MPG123_OK && result != MPG123_NEW_FORMAT)
            return filled > 0 ? static_cast<long>(filled / frame_bytes) : -1;
    }
    return static_cast<long>(filled / frame_bytes);
}
