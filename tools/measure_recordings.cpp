// What the built recordings sound like, in figures: each voice's pitch range,
// its four reference tones, and each clip's speaking rate, peak, loudness
// and leading silence.
//   measure_recordings BUILD [FOLDER]
// With FOLDER, each clip's pitch and level, frame by frame, go to
// FOLDER/<clip>.csv (seconds, Hz or 0, dBFS) for plotting.

#include "tools/sound/measure.h"
#include "tools/sound/recording.h"

#include <QDir>
#include <QFile>
#include <QMap>
#include <QTextStream>

#include <cstdio>

using namespace sound;

namespace {

void write_contour(const recording& clip, const QString& folder)
{
    QFile file(QDir(folder).filePath(clip.name + QStringLiteral(".csv")));
    if (!file.open(QIODevice::WriteOnly))
        return;
    QTextStream out(&file);
    const std::vector<double> pitch = pitch_track(clip.samples, clip.rate);
    const std::vector<double> levels = frame_levels(clip.samples, clip.rate);
    for (size_t i = 0; i < pitch.size(); ++i)
        out << static_cast<double>(i) * frame_seconds << ',' << pitch[i] << ',' << levels[i] << '\n';
}

} // namespace

int main(int argc, char** argv)
{
    if (argc < 2) {
        std::fprintf(stderr, "usage: measure_recordings BUILD [FOLDER]\n");
        return 1;
    }
    const QDir build(QString::fromLocal8Bit(argv[1]));
    const QString plots = argc > 2 ? QString::fromLocal8Bit(argv[2]) : QString();
    QMap<QString, std::vector<double>> voices;
    std::vector<double> rates, peaks, loudness, leads;
    std::printf("%-8s %5s %6s %7s %7s %6s %8s\n", "clip", "syll", "syl/s", "peak", "rms", "lead", "min fall");
    const QStringList names = QDir(build.filePath(QStringLiteral("ressources"))).entryList({QStringLiteral("*.mp3")}, QDir::Files, QDir::Name);
    for (const QString& file : names) {
        const QString name = file.chopped(4);
        QString error;
        const auto clip = load_recording(build.filePath(QStringLiteral("ressources/") + file),
                                         build.filePath(QStringLiteral("recordings/%1.speech.txt").arg(name)), error);
        if (!clip) {
            std::fprintf(stderr, "%s\n", qPrintable(error));
            return 1;
        }
        if (!plots.isEmpty())
            write_contour(*clip, plots);
        const heard_clip heard = hear(*clip);
        int syllables = 0;
        double fall = 1e9;
        for (const heard_segment& segment : heard.segments) {
            auto& pooled = voices[segment.segment->said.voice];
            pooled.insert(pooled.end(), segment.pitch.begin(), segment.pitch.end());
            syllables += segment.segment->syllables;
            fall = std::min(fall, segment.end.fall_db);
        }
        std::printf("%-8s %5d %6.2f %7.2f %7.2f %6.3f %8.1f\n", qPrintable(name), syllables,
                    heard.syllables_per_second, heard.peak_dbfs, heard.speech_rms_dbfs, heard.leading_silence, fall);
        rates.push_back(heard.syllables_per_second);
        peaks.push_back(heard.peak_dbfs);
        loudness.push_back(heard.speech_rms_dbfs);
        leads.push_back(heard.leading_silence);
    }
    std::printf("\nrate syl/s min %.2f median %.2f max %.2f; peak max %.2f dBFS; speech RMS %.2f to %.2f dBFS; "
                "leading silence %.3f to %.3f s\n",
                percentile(rates, 0), percentile(rates, 0.5), percentile(rates, 1), percentile(peaks, 1),
                percentile(loudness, 0), percentile(loudness, 1), percentile(leads, 0), percentile(leads, 1));
    for (auto it = voices.cbegin(); it != voices.cend(); ++it) {
        const double low = percentile(it.value(), 0.05), high = percentile(it.value(), 0.95);
        std::printf("voice %-22s pitch %.0f-%.0f Hz, %.1f semitones\n", qPrintable(it.key()), low, high,
                    semitones(low, high));
    }

    QString error;
    const auto tones = load_recording(build.filePath(QStringLiteral("recordings/tones.mp3")),
                                      build.filePath(QStringLiteral("recordings/tones.speech.txt")), error);
    if (!tones) {
        std::fprintf(stderr, "%s\n", qPrintable(error));
        return 1;
    }
    if (!plots.isEmpty())
        write_contour(*tones, plots);
    for (const heard_segment& segment : hear(*tones).segments) {
        const contour shape = contour_of(segment.pitch);
        std::printf("%-22s %-4s start %5.0f mid %5.0f end %5.0f low %5.0f high %5.0f Hz\n",
                    qPrintable(segment.segment->said.voice), qPrintable(segment.segment->said.text), shape.start,
                    shape.mid, shape.end, shape.low, shape.high);
    }
    return 0;
}
