#pragma once
// One MP3 file decoded with libmpg123: its format, its exact length and
// sequential decoding to signed 16-bit samples from any sample position.
// Only the file's MPEG audio stream (mpeg_audio_stream.h) is shown to the
// decoder, which turns each frame into the same number of samples; the clip
// is the samples the stream's measure marks, so its length and what decoding
// gives always agree.

#include "platform/mpeg_audio_stream.h"

#include <QByteArray>

#include <cstdint>

struct mpg123_handle_struct;

class mp3_decoder {
public:
    mp3_decoder();
    ~mp3_decoder();
    mp3_decoder(const mp3_decoder&) = delete;
    mp3_decoder& operator=(const mp3_decoder&) = delete;

    // The whole file's bytes, kept while the decoder lives. Once only; false
    // when they are not MPEG audio the decoder can read.
    bool open(const QByteArray& file);

    long sample_rate() const { return stream_.sample_rate; }
    int channels() const { return stream_.channels; }
    // In sample frames (one sample per channel).
    std::int64_t length() const { return stream_.length(); }

    // To a frame from 0 to the length.
    bool seek(std::int64_t frame);
    // Decodes up to `max_frames` frames into `out` (interleaved). Returns the
    // frames decoded: 0 at the end of the clip, -1 on a decoding error.
    long read(std::int16_t* out, long max_frames);

    // What the decoder reads: the stream's bytes, and where it has got to.
    struct reader {
        QByteArray file;
        std::int64_t begin = 0, end = 0, at = 0;
    };

private:
    mpg123_handle_struct* handle_ = nullptr;
    reader reader_;
    mpeg_audio_stream stream_;
    std::int64_t position_ = 0; // next frame read() gives, from the clip's start
};
