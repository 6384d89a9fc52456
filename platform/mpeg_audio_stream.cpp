#include "platform/mpeg_audio_stream.h"

#include <algorithm>
#include <cstring>

namespace {

// Frames needed in a row before a file counts as MPEG audio, unless the file
// ends cleanly sooner. False frame headers occur in other data (PCM speech
// holds many), but four chained at the right distances, with one format,
// practically never do.
constexpr int frames_to_trust = 4;
// A decoder's output lags its input by this many samples; encoders count
// their delay without it.
constexpr std::int64_t decoder_delay = 529;

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

    std::int64_t samples() const
    {
        if (format.layer == 1)
            return 384;
        return format.layer == 3 && format.version != 3 ? 576 : 1152;
    }
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

// Offset of the first byte after the ID3v2 tags and zero padding, or -1 when
// nothing follows them.
std::int64_t skip_tags_and_padding(const unsigned char* bytes, std::int64_t size)
{
    std::int64_t at = 0;
    while (at + 10 <= size) {
        const std::int64_t tag = id3v2_tag_size(bytes + at);
        if (tag == 0)
            break;
        at += tag;
    }
    for (; at < size; ++at)
        if (bytes[at] != 0)
            return at;
    return -1;
}

std::uint32_t big_endian(const unsigned char* at)
{
    return std::uint32_t{at[0]} << 24 | std::uint32_t{at[1]} << 16 | std::uint32_t{at[2]} << 8 | at[3];
}

// The frame sizes of the last two distinct headers: a constant bit rate
// stream alternates between two (with and without padding), so most of its
// frames need no parsing.
class recent_headers {
public:
    std::int64_t frame_bytes(std::uint32_t word) const
    {
        for (int i = 0; i < 2; ++i)
            if (bytes_[i] != 0 && words_[i] == word)
                return bytes_[i];
        return 0;
    }

    void remember(std::uint32_t word, std::int64_t bytes)
    {
        words_[next_] = word;
        bytes_[next_] = bytes;
        next_ = 1 - next_;
    }

private:
    std::uint32_t words_[2] = {};
    std::int64_t bytes_[2] = {};
    int next_ = 0;
};

// An encoder's information frame, known by its mark where the frame's side
// information ends.
struct info_frame {
    std::optional<std::int64_t> frames;         // audio frames after it, as the encoder counted them
    std::optional<std::int64_t> delay, padding; // from a LAME tag
};

std::optional<info_frame> read_info_frame(const unsigned char* frame, const frame_header& header)
{
    if (header.format.layer != 3)
        return std::nullopt;
    const auto bytes = static_cast<std::int64_t>(header.bytes);
    const auto mark_at = [&](std::int64_t at, const char* mark) {
        return at + 4 <= bytes && std::memcmp(frame + at, mark, 4) == 0;
    };
    if (mark_at(36, "VBRI"))
        return info_frame{};
    const bool mono = header.format.channels == 1;
    const std::int64_t side_info = header.format.version == 3 ? (mono ? 17 : 32) : (mono ? 9 : 17);
    // Looked for with and without a checksum after the header, so that no
    // information frame passes for sound.
    for (const std::int64_t at : {4 + side_info, 6 + side_info}) {
        if (!mark_at(at, "Xing") && !mark_at(at, "Info"))
            continue;
        info_frame info;
        if (at + 8 > bytes)
            return info;
        const std::uint32_t flags = big_endian(frame + at + 4);
        std::int64_t field = at + 8;
        if ((flags & 1) && field + 4 <= bytes)
            info.frames = big_endian(frame + field);
        field += ((flags & 1) ? 4 : 0) + ((flags & 2) ? 4 : 0) + ((flags & 4) ? 100 : 0) + ((flags & 8) ? 4 : 0);
        // A LAME tag: the encoder's name first, its delay and padding in 12
        // bits each at bytes 21 to 23.
        const unsigned char* lame = frame + field;
        if (field + 24 <= bytes && (std::memcmp(lame, "LAME", 4) == 0 || std::memcmp(lame, "Lav", 3) == 0)) {
            info.delay = (lame[21] << 4) | (lame[22] >> 4);
            info.padding = ((lame[22] & 0x0F) << 8) | lame[23];
        }
        return info;
    }
    return std::nullopt;
}

} // namespace

std::optional<mpeg_audio_stream> find_mpeg_audio_stream(QByteArrayView file,
                                                        const std::function<void(std::int64_t)>& passed)
{
    constexpr std::int64_t report_every = 4 << 20;
    const auto* bytes = reinterpret_cast<const unsigned char*>(file.data());
    const auto size = static_cast<std::int64_t>(file.size());
    const std::int64_t begin = skip_tags_and_padding(bytes, size);
    if (begin < 0)
        return std::nullopt;

    std::optional<frame_header> first;
    std::optional<info_frame> info;
    std::int64_t audio_begin = begin, end = begin, audio_frames = 0;
    int frames = 0;
    bool clean_end = false; // the file ends just after the last frame
    recent_headers recent;
    std::int64_t next_report = report_every;
    for (;;) {
        if (passed && end >= next_report) {
            passed(end);
            next_report = end + report_every;
        }
        if (end == size) {
            clean_end = true;
            break;
        }
        if (end + 4 > size)
            break;
        const std::uint32_t word = big_endian(bytes + end);
        std::int64_t frame_bytes = audio_frames > 0 ? recent.frame_bytes(word) : 0;
        std::optional<frame_header> header;
        if (frame_bytes == 0) {
            header = parse_header(bytes + end);
            if (!header || (first && header->format != first->format))
                break;
            frame_bytes = static_cast<std::int64_t>(header->bytes);
            recent.remember(word, frame_bytes);
        }
        if (end + frame_bytes > size)
            break; // the last frame is cut short: it is left out
        if (!first)
            first = header;
        // Information frames are looked for until the first frame of sound.
        std::optional<info_frame> found;
        if (audio_frames == 0)
            found = read_info_frame(bytes + end, *header);
        if (found) {
            if (!info)
                info = found;
            audio_begin = end + frame_bytes;
        } else {
            ++audio_frames;
        }
        end += frame_bytes;
        ++frames;
    }
    if (audio_frames == 0 || (frames < frames_to_trust && !clean_end))
        return std::nullopt;

    mpeg_audio_stream stream{audio_begin, end, first->format.sample_rate, first->format.channels};
    const std::int64_t decoded = audio_frames * first->samples();
    stream.end_sample = decoded;
    if (info && info->frames == audio_frames && info->delay) {
        const std::int64_t from = *info->delay + decoder_delay;
        const std::int64_t to = std::min(decoded, decoded - *info->padding + decoder_delay);
        if (from < to) {
            stream.first_sample = from;
            stream.end_sample = to;
        }
    }
    return stream;
}
