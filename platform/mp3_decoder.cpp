#include "platform/mp3_decoder.h"

#include <mpg123.h>

#include <cstdio>

namespace {
bool library_ready()
{
    static const bool ready = mpg123_init() == MPG123_OK;
    return ready;
}

// The decoder reads through stdio: its buffer turns the many small reads of
// a frame scan into a few large ones (about ten times faster than plain reads).
mpg123_ssize_t read_file(void* file, void* buffer, size_t bytes)
{
    return static_cast<mpg123_ssize_t>(std::fread(buffer, 1, bytes, static_cast<std::FILE*>(file)));
}

off_t seek_file(void* file, off_t offset, int whence)
{
    auto* f = static_cast<std::FILE*>(file);
    return fseeko(f, offset, whence) == 0 ? ftello(f) : -1;
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
    if (file_)
        std::fclose(file_);
}

mp3_decoder::open_result mp3_decoder::open(const char* path)
{
    if (!handle_ || file_)
        return open_result::not_mp3;
    file_ = std::fopen(path, "rb");
    if (!file_)
        return open_result::unreadable;
    if (mpg123_replace_reader_handle(handle_, read_file, seek_file, nullptr) != MPG123_OK
        || mpg123_open_handle(handle_, file_) != MPG123_OK)
        return open_result::not_mp3;
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
