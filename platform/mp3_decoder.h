#pragma once
// One MP3 file opened with libmpg123: its format, its exact length (from a
// scan of every frame, without decoding) and sequential decoding to signed
// 16-bit samples from any sample position.

#include <cstdint>
#include <cstdio>

struct mpg123_handle_struct;

class mp3_decoder {
public:
    enum class open_result { ok, unreadable, not_mp3 };

    mp3_decoder();
    ~mp3_decoder();
    mp3_decoder(const mp3_decoder&) = delete;
    mp3_decoder& operator=(const mp3_decoder&) = delete;

    // `path` in the file system's encoding. Once only.
    open_result open(const char* path);

    long sample_rate() const { return rate_; }
    int channels() const { return channels_; }
    // In sample frames (one sample per channel).
    std::int64_t length() const { return length_; }

    bool seek(std::int64_t frame);
    // Decodes up to `max_frames` frames into `out` (interleaved). Returns the
    // frames decoded: 0 at the end of the file, -1 on a decoding error.
    long read(std::int16_t* out, long max_frames);

private:
    mpg123_handle_struct* handle_ = nullptr;
    std::FILE* file_ = nullptr;
    long rate_ = 0;
    int channels_ = 0;
    std::int64_t length_ = 0;
};
