#include "platform/mpeg_audio_stream.h"

#include <array>
#include <cstring>

namespace {

// Frames needed in a row before a file counts as MPEG audio, unless the file
// ends cleanly sooner. False frame headers occur in other data (PCM speech
// holds many), but four chained at the right distances, with one format,
// practically never do.
constexpr int frames_to_trust = 4;
constexpr std::size_t longest_frame = 2900; // 384 kbit/s layer II at 32 kHz is 1729

struct frame_format {
    int version = 0; // 3 MPEG-1, 2 MPEG-2, 0 MPEG-2.5 (the header's bits)
    int layer = 0;   // 1 to 3
    long sample_rate = 0;
    int channels = 0;

    bool operator==(const frame_format&) const = default;
};

struct frame_header {
    frame_format format;
    std::size_t bytes = 0; // the whole frame, header included
};

// kbit/s by [MPEG-1 ? 0 : 1][layer - 1][index]; index 0 (free format) and 15 are not used.
constexpr int bitrates[2][3][15] = {
    {{0, 32, 64, 96, 128, 160, 192, 224, 256, 288, 320, 352, 384, 416, 448},
     {0, 32, 48, 56, 64, 80, 96, 112, 128, 160, 192, 224, 256, 320, 384},
     {0, 32, 40, 48, 56, 64, 80, 96, 112, 128, 160, 192, 224, 256, 320}},
    {{0, 32, 48, 56, 64, 80, 96, 112, 128, 144, 160, 176, 192, 224, 256},
     {0, 8, 16, 24, 32, 40, 48, 56, 64, 80, 96, 112, 128, 144, 160},
     {0, 8, 16, 24, 32, 40, 48, 56, 64, 80, 96, 112, 128, 144, 160}},
};
constexpr long mpeg1_rates[3] = {44100, 48000, 32000};

// The frame a header describes, or nothing when the four bytes are not a
// usable header (no sync, a reserved value, free format).
std::optional<frame_header> parse_header(const unsigned char* h)
{
    if (h[0] != 0xFF || (h[1] & 0xE0) != 0xE0)
        return std::nullopt;
    const int version = (h[1] >> 3) & 3;
    const int layer = 4 - ((h[1] >> 1) & 3);
    const int bitrate_index = h[2] >> 4;
    const int rate_index = (h[2] >> 2) & 3;
    if (version == 1 || layer == 4 || bitrate_index == 0 || bitrate_index == 15 || rate_index == 3
        || (h[3] & 3) == 2)
        return std::nullopt;

    const bool mpeg1 = version == 3;
    const long rate = mpeg1_rates[rate_index] >> (mpeg1 ? 0 : version == 2 ? 1 : 2);
    const long bitrate = 1000L * bitrates[mpeg1 ? 0 : 1][layer - 1][bitrate_index];
    const long padding = (h[2] >> 1) & 1;
    long bytes = 0;
    if (layer == 1)
        bytes = (12 * bitrate / rate + padding) * 4;
    else if (layer == 3 && !mpeg1)
        bytes = 72 * bitrate / rate + padding;
    else
        bytes = 144 * bitrate / rate + padding;

    frame_header header;
    header.format = {version, layer, rate, (h[3] >> 6) == 3 ? 1 : 2};
    header.bytes = static_cast<std::size_t>(bytes);
    return header;
}

// Size of the ID3v2 tag whose ten header bytes are `h`, or 0 when they are not one.
std::int64_t id3v2_tag_size(const unsigned char* h)
{
    if (std::memcmp(h, "ID3", 3) != 0 || h[3] == 0xFF || h[4] == 0xFF)
        return 0;
    std::int64_t size = 0;
    for (int i = 6; i < 10; ++i) {
        if (h[i] & 0x80)
            return 0;
        size = (size << 7) | h[i];
    }
    const bool footer = (h[5] & 0x10) != 0;
    return 10 + size + (footer ? 10 : 0);
}

bool read_at(std::FILE* file, std::int64_t offset, unsigned char* into, std::size_t bytes)
{
    return fseeko(file, static_cast<off_t>(offset), SEEK_SET) == 0
           && std::fread(into, 1, bytes, file) == bytes;
}

// Offset of the first byte after the ID3v2 tags and zero padding, or -1 at
// the end of the file.
std::int64_t skip_tags_and_padding(std::FILE* file)
{
    std::int64_t at = 0;
    std::array<unsigned char, 10> head{};
    while (read_at(file, at, head.data(), head.size())) {
        const std::int64_t tag = id3v2_tag_size(head.data());
        if (tag == 0)
            break;
        at += tag;
    }
    if (fseeko(file, static_cast<off_t>(at), SEEK_SET) != 0)
        return -1;
    for (int c = std::fgetc(file); c != EOF; c = std::fgetc(file), ++at)
        if (c != 0)
            return at;
    return -1;
}

} // namespace

std::optional<mpeg_audio_stream> find_mpeg_audio_stream(std::FILE* file)
{
    const std::int64_t begin = skip_tags_and_padding(file);
    if (begin < 0 || fseeko(file, static_cast<off_t>(begin), SEEK_SET) != 0)
        return std::nullopt;

    std::array<unsigned char, longest_frame> frame{};
    std::optional<frame_format> format;
    std::int64_t end = begin;
    int frames = 0;
    bool clean_end = false; // the file ends just after the last frame
    for (;;) {
        const std::size_t got = std::fread(frame.data(), 1, 4, file);
        if (got == 0) {
            clean_end = true;
            break;
        }
        if (got < 4)
            break;
        const auto header = parse_header(frame.data());
        if (!header || header->bytes > frame.size() || (format && header->format != *format))
            break;
        if (std::fread(frame.data() + 4, 1, header->bytes - 4, file) != header->bytes - 4)
            break; // the last frame is cut short: it is left out
        format = header->format;
        end += static_cast<std::int64_t>(header->bytes);
        ++frames;
    }
    if (frames == 0 || (frames < frames_to_trust && !clean_end))
        return std::nullopt;
    return mpeg_audio_stream{begin, end, format->sample_rate, format->channels};
}
