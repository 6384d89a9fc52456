#pragma once
// One MP3 file opened with libmpg123: its format, its exact length and
// sequential decoding to signed 16-bit samples from any sample position.
// Only the file's MPEG audio stream (mpeg_audio_stream.h) is shown to the
// decoder, so the length from its frame scan and what decoding gives follow
// the same frames; decoding never goes past the length.

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
    // The same on a file already open for reading, which the decoder takes over.
    open_result open(std::FILE* file);

    long sample_rate() const { return rate_; }
    int channels() const { return channels_; }
    // In sample frames (one sample per channel).
    std::int64_t length() const { return length_; }

    // To a frame from 0 to the length.
    bool seek(std::int64_t frame);
    // Decodes up to `max_frames` frames into `out` (interleaved). Returns the
    // frames decoded: 0 at the end of the clip, -1 on a decoding error.
    long read(std::int16_t* out, long max_frames);

    // The part of the file the decoder reads: its MPEG audio stream.
    struct byte_range {
        std::FILE* file = nullptr;
        std::int64_t begin = 0, end = 0;
    };

private:
    mpg123_handle_struct* handle_ = nullptr;
    byte_range stream_;
    long rate_ = 0;
    int channels_ = 0;
    std::int64_t length_ = 0;
    std::int64_t position_ = 0; // next frame read() gives
};
