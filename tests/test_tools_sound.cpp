// Listens to the built recordings as the program decodes them, and fails,
// naming the clip, where a learner would hear them wrong: a voice whose
// pitch spans under 8 semitones, a reference tone of a voice that misses its
// shape, speech slower or faster than exam pace (3.4 to 4.4 syllables a
// second, pauses left out), a peak above -1 dBFS, uneven loudness, a segment
// that stops dead. The pitch tracker itself is checked on made-up tones.
// PARVOLIS_RECORDINGS may name another build folder to listen to.

#include "tools/sound/measure.h"
#include "tools/sound/recording.h"

#include <QDir>
#include <QMap>
#include <QTest>

#include <cmath>
#include <numbers>

using namespace sound;

namespace {

constexpr long rate = 22050;

// A voice-like tone (a fundamental and two harmonics) gliding from one pitch
// to another, between two stretches of silence.
std::vector<float> tone(double from_hz, double to_hz, double seconds)
{
    std::vector<float> samples(static_cast<size_t>(0.2 * rate), 0.0f);
    double phase = 0;
    const auto count = static_cast<long>(seconds * rate);
    for (long i = 0; i < count; ++i) {
        phase += 2 * std::numbers::pi * from_hz * std::pow(to_hz / from_hz, static_cast<double>(i) / static_cast<double>(count)) / rate;
        samples.push_back(static_cast<float>(0.2 * std::sin(phase) + 0.1 * std::sin(2 * phase) + 0.05 * std::sin(3 * phase)));
    }
    samples.resize(samples.size() + static_cast<size_t>(0.2 * rate), 0.0f);
    return samples;
}

QString hz(const contour& c)
{
    return QStringLiteral("%1/%2/%3 Hz (low %4)").arg(c.start, 0, 'f', 0).arg(c.mid, 0, 'f', 0).arg(c.end, 0, 'f', 0).arg(c.low, 0, 'f', 0);
}

// What is wrong with the four tones of each voice, said alone, against the
// span of that voice's tones (from the lowest to the highest of them).
QStringList tone_faults(const heard_clip& tones)
{
    QMap<QString, std::vector<const heard_segment*>> voices;
    for (const heard_segment& segment : tones.segments)
        voices[segment.segment->said.voice].push_back(&segment);
    QStringList faults;
    for (auto voice = voices.cbegin(); voice != voices.cend(); ++voice) {
        double bottom = 1e9, top = 0;
        for (const heard_segment* segment : voice.value()) {
            const contour c = contour_of(segment->pitch);
            bottom = std::min(bottom, c.low);
            top = std::max(top, c.high);
        }
        const double span = semitones(bottom, top);
        for (const heard_segment* segment : voice.value()) {
            const QString& text = segment->segment->said.text;
            const contour c = contour_of(segment->pitch);
            const double highest = std::max({c.start, c.mid, c.end}), lowest = std::min({c.start, c.mid, c.end});
            QString fault;
            if (segment->pitch.size() < 10)
                fault = QStringLiteral("hardly voiced");
            else if (text.endsWith(u'1') && (semitones(lowest, highest) >= 3 || semitones(bottom, c.mid) < span * 2 / 3))
                fault = QStringLiteral("tone 1 not level in the top third");
            else if (text.endsWith(u'2') && semitones(c.start, c.end) < 4)
                fault = QStringLiteral("tone 2 rises less than 4 semitones");
            else if (text.endsWith(u'3') && semitones(bottom, c.low) > span / 4)
                fault = QStringLiteral("tone 3 does not reach the bottom quarter");
            else if (text.endsWith(u'4') && semitones(c.end, std::max(c.start, c.mid)) < 5)
                fault = QStringLiteral("tone 4 falls less than 5 semitones");
            if (!fault.isEmpty())
                faults << QStringLiteral("tones: %1 %2: %3, %4").arg(voice.key(), text, fault, hz(c));
        }
    }
    return faults;
}

} // namespace

class test_tools_sound : public QObject {
    Q_OBJECT

private slots:
    void pitch_tracker_follows_known_tones()
    {
        const std::vector<float> level = tone(150, 150, 0.5), glide = tone(100, 200, 1.0);
        for (const auto* samples : {&level, &glide}) {
            const std::vector<double> pitch = pitch_track(*samples, rate);
            const bool gliding = samples == &glide;
            int voiced = 0;
            const double length = gliding ? 1.0 : 0.5;
            for (size_t frame = 0; frame < pitch.size(); ++frame) {
                const double seconds = (static_cast<double>(frame) + 0.5) * frame_seconds - 0.2;
                if (seconds < -0.03 || seconds > length + 0.03)
                    QCOMPARE(pitch[frame], 0.0); // silence
                if (seconds < 0.02 || seconds > length - 0.02)
                    continue; // the window straddles an edge
                const double expected = gliding ? 100 * std::pow(2.0, seconds) : 150;
                QVERIFY2(std::abs(semitones(expected, pitch[frame])) < 0.2,
                         qPrintable(QStringLiteral("%1 s: %2 Hz, not %3").arg(seconds).arg(pitch[frame]).arg(expected)));
                ++voiced;
            }
            QVERIFY(voiced > (gliding ? 90 : 40));
        }
    }

    void recordings_sound_like_the_examination()
    {
        const QString build = qEnvironmentVariable("PARVOLIS_RECORDINGS", QStringLiteral(PARVOLIS_BUILD_DIR));
        const QDir folder(build);
        // Every paper's clips: paper 1's transcripts in content/, each further
        // paper's in content/epreuveN/, recorded under the same subfolder.
        const QDir content(QStringLiteral(PARVOLIS_SOURCE_DIR "/content"));
        QStringList names;
        for (const QString& paper : QStringList{QString()} + content.entryList({QStringLiteral("epreuve*")}, QDir::Dirs)) {
            const QString prefix = paper.isEmpty() ? QString() : paper + u'/';
            for (const QString& file : QDir(content.filePath(prefix + QStringLiteral("transcripts")))
                                           .entryList({QStringLiteral("*.txt")}, QDir::Files, QDir::Name))
                names << prefix + file;
        }
        QVERIFY(!names.isEmpty());
        QStringList faults;
        QMap<QString, std::vector<double>> voices;
        double quietest = 0, loudest = -120;
        for (const QString& file : names) {
            const QString name = file.chopped(4);
            QString error;
            const auto clip = load_recording(folder.filePath(QStringLiteral("ressources/%1.mp3").arg(name)),
                                             folder.filePath(QStringLiteral("recordings/%1.speech.txt").arg(name)), error);
            if (!clip) {
                faults << error;
                continue;
            }
            const heard_clip heard = hear(*clip);
            if (heard.syllables_per_second < 3.4 || heard.syllables_per_second > 4.4)
                faults << QStringLiteral("%1: %2 syllables a second").arg(name).arg(heard.syllables_per_second, 0, 'f', 2);
            if (heard.peak_dbfs > -1)
                faults << QStringLiteral("%1: peak at %2 dBFS").arg(name).arg(heard.peak_dbfs, 0, 'f', 2);
            quietest = std::min(quietest, heard.speech_rms_dbfs);
            loudest = std::max(loudest, heard.speech_rms_dbfs);
            for (const heard_segment& segment : heard.segments) {
                auto& pitch = voices[segment.segment->said.voice];
                pitch.insert(pitch.end(), segment.pitch.begin(), segment.pitch.end());
                // Stopped dead: a loud last pitch pulse, hardly below the speech before it.
                if (segment.end.fall_db < 10 && segment.end.peak_dbfs > -40)
                    faults << QStringLiteral("%1 line %2: ends without a fade (%3 dB down to %4 dBFS)")
                                  .arg(name).arg(segment.segment->said.line)
                                  .arg(segment.end.fall_db, 0, 'f', 1).arg(segment.end.peak_dbfs, 0, 'f', 1);
            }
        }
        if (loudest - quietest > 3)
            faults << QStringLiteral("speech loudness from %1 to %2 dBFS across the clips").arg(quietest).arg(loudest);
        for (auto voice = voices.cbegin(); voice != voices.cend(); ++voice) {
            const double low = percentile(voice.value(), 0.05), high = percentile(voice.value(), 0.95);
            if (semitones(low, high) < 8)
                faults << QStringLiteral("%1: pitch spans %2-%3 Hz, %4 semitones")
                              .arg(voice.key()).arg(low, 0, 'f', 0).arg(high, 0, 'f', 0).arg(semitones(low, high), 0, 'f', 1);
        }

        QString error;
        const auto tones = load_recording(folder.filePath(QStringLiteral("recordings/tones.mp3")),
                                          folder.filePath(QStringLiteral("recordings/tones.speech.txt")), error);
        if (tones)
            faults += tone_faults(hear(*tones));
        else
            faults << error;
        for (const QString& fault : std::as_const(faults))
            qWarning("%s", qPrintable(fault)); // one a line: a failure message is cut short
        QVERIFY2(faults.isEmpty(), qPrintable(QStringLiteral("%1 faults, listed above").arg(faults.size())));
    }
};

QTEST_GUILESS_MAIN(test_tools_sound)
#include "test_tools_sound.moc"
