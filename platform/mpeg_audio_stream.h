#pragma once
// Where the MPEG audio frames of a file lie, and how many samples they give.
// A file is taken as MPEG audio only when, after its ID3v2 tags and any zero
// padding, it starts with a run of consecutive well-formed frames of one
// format (version, layer, sample rate, channel count). The stream ends at the
// first byte that is not such a frame: a change of format, a trailing tag,
// damage, or a last frame cut short. So a WAV, FLAC or Ogg file given an
// ".mp3" name is refused, and what the decoder is shown never changes format
// midway.
//
// An encoder's information frame at the start (Xing, Info or VBRI) holds no
// sound and is left out of the stream. When it is a LAME tag whose frame
// count matches the stream, its encoder delay and padding mark the samples
// the encoder added around the sound, which the clip leaves out.

#include <QByteArrayView>

#include <cstdint>
#include <functional>
#include <optional>

struct mpeg_audio_stream {
    std::int64_t begin = 0; // offset of the first audio frame
    std::int64_t end = 0;   // offset just past the last frame
    long sample_rate = 0;
    int channels = 0;
    // The clip: the decoded samples (per channel) from `first_sample` to
    // `end_sample`, counted from the first sample of the first audio frame.
    std::int64_t first_sample = 0;
    std::int64_t end_sample = 0;

    std::int64_t length() const { return end_sample - first_sample; }
};

// `passed`, when given, is told every few megabytes the offset below which
// the walk reads nothing more, so that the pages of a mapped file behind it
// can be let go: a long stream then costs no more memory than a short one.
std::optional<mpeg_audio_stream> find_mpeg_audio_stream(QByteArrayView file,
                                                        const std::function<void(std::int64_t)>& passed = {});
