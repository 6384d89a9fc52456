#pragma once
// Where the MPEG audio frames of a file lie. A file is taken as MPEG audio
// only when, after its ID3v2 tags and any zero padding, it starts with a run
// of consecutive well-formed frames of one format (version, layer, sample
// rate, channel count). The stream ends at the first byte that is not such a
// frame: a change of format, a trailing tag, damage, or a last frame cut short.
// So a WAV, FLAC or Ogg file given an ".mp3" name is refused, and what the
// decoder is shown never changes format midway.

#include <cstdint>
#include <cstdio>
#include <optional>

struct mpeg_audio_stream {
    std::int64_t begin = 0; // offset of the first frame
    std::int64_t end = 0;   // offset just past the last frame
    long sample_rate = 0;
    int channels = 0;
};

// Reads `file` from its start; its position afterwards is unspecified.
std::optional<mpeg_audio_stream> find_mpeg_audio_stream(std::FILE* file);
