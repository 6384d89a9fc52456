#include "tools/sound/recording.h"

#include "platform/mp3_decoder.h"
#include "tools/sound/measure.h"

#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

#include <algorithm>
#include <cmath>

namespace sound {

int syllables_of(const QString& text)
{
    static const QRegularExpression syllable(QStringLiteral("\\p{Han}|[a-z]+[1-5]|\\[\\[[^]]*\\]\\]"));
    int count = 0;
    for (auto it = syllable.globalMatch(text); it.hasNext(); it.next())
        ++count;
    return count;
}

std::optional<decoded_sound> decode_mp3(const QString& mp3, QString& error)
{
    QFile file(mp3);
    mp3_decoder decoder;
    if (!file.open(QIODevice::ReadOnly) || !decoder.open(file.readAll()) || decoder.channels() != 1) {
        error = mp3 + QStringLiteral(": not a mono MP3 the decoder can read");
        return std::nullopt;
    }
    decoded_sound sound{decoder.sample_rate(), {}};
    std::vector<std::int16_t> block(4096);
    for (long got; (got = decoder.read(block.data(), static_cast<long>(block.size()))) > 0;) {
        for (long i = 0; i < got; ++i)
            sound.samples.push_back(static_cast<float>(block[static_cast<size_t>(i)]) / 32768.0f);
    }
    if (static_cast<std::int64_t>(sound.samples.size()) != decoder.length()) {
        error = mp3 + QStringLiteral(": decoding stops before the end");
        return std::nullopt;
    }
    return sound;
}

std::optional<recording> load_recording(const QString& mp3, const QString& speech_text, QString& error)
{
    QString times = speech_text;
    times.replace(QRegularExpression(QStringLiteral("\\.speech\\.txt$")), QString());
    times += QStringLiteral(".times.txt");
    auto sound = decode_mp3(mp3, error);
    if (!sound)
        return std::nullopt;
    recording clip{QFileInfo(mp3).completeBaseName(), sound->rate, std::move(sound->samples), {}};

    const auto said = speech::read_speech_text(speech_text, error);
    if (!said)
        return std::nullopt;
    QFile placed(times);
    if (!placed.open(QIODevice::ReadOnly)) {
        error = times + QStringLiteral(": cannot read the file");
        return std::nullopt;
    }
    const QStringList lines = QString::fromUtf8(placed.readAll()).split(u'\n', Qt::SkipEmptyParts);
    if (lines.size() != said->size()) {
        error = times + QStringLiteral(": %1 segments placed, %2 spoken").arg(lines.size()).arg(said->size());
        return std::nullopt;
    }
    for (qsizetype at = 0; at < lines.size(); ++at) {
        const QStringList fields = lines.at(at).split(u'\t');
        bool ok[3] = {};
        const int line = fields.value(0).toInt(&ok[0]);
        const long begin = fields.value(1).toLong(&ok[1]), end = fields.value(2).toLong(&ok[2]);
        if (fields.size() != 3 || !ok[0] || !ok[1] || !ok[2] || line != said->at(at).line || begin < 0
            || end <= begin || end > static_cast<long>(clip.samples.size())) {
            error = QStringLiteral("%1:%2: not \"line<TAB>first sample<TAB>end sample\" of the clip's segment %3")
                        .arg(times).arg(at + 1).arg(said->at(at).line);
            return std::nullopt;
        }
        clip.segments.append({said->at(at), begin, end, syllables_of(said->at(at).text)});
    }
    return clip;
}

heard_clip hear(const recording& clip)
{
    const std::vector<double> levels = frame_levels(clip.samples, clip.rate);
    const std::vector<double> pitch = pitch_track(clip.samples, clip.rate);
    const double frame_samples = static_cast<double>(clip.rate) * frame_seconds;
    heard_clip heard{clip.name, 0, peak_dbfs(clip.samples), speech_rms_dbfs(levels), leading_silence(levels), {}};
    int syllables = 0;
    for (const spoken_segment& each : clip.segments) {
        heard_segment segment{&each, {}, ending_of(clip.samples, clip.rate, each.end)};
        const auto first = static_cast<size_t>(std::ceil(static_cast<double>(each.begin) / frame_samples));
        const auto last = std::min(pitch.size(), static_cast<size_t>(static_cast<double>(each.end) / frame_samples));
        for (size_t frame = first; frame < last; ++frame) {
            if (pitch[frame] > 0)
                segment.pitch.push_back(pitch[frame]);
        }
        heard.segments.push_back(std::move(segment));
        syllables += each.syllables;
    }
    const double speaking = speaking_seconds(levels);
    heard.syllables_per_second = speaking > 0 ? syllables / speaking : 0;
    return heard;
}

contour contour_of(const std::vector<double>& pitch)
{
    if (pitch.empty())
        return {};
    const size_t fifth = std::max<size_t>(1, pitch.size() / 5);
    const auto median = [&](size_t from) {
        return percentile({pitch.begin() + static_cast<std::ptrdiff_t>(from),
                           pitch.begin() + static_cast<std::ptrdiff_t>(std::min(from + fifth, pitch.size()))},
                          0.5);
    };
    return {median(0), median((pitch.size() - fifth) / 2), median(pitch.size() - fifth),
            percentile(pitch, 0.05), percentile(pitch, 0.95)};
}

} // namespace sound
