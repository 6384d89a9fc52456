#pragma once
// The synthesiser as the readings see it: what espeak-ng says for a text,
// as its phoneme trace (`espeak-ng -q -x`), and the tones read from it.

#include "tools/speech/pinyin.h"

#include <QHash>
#include <QList>
#include <QString>

namespace speech {

// The voices of the recordings: espeak-ng's Mandarin voice read with our own
// variants of it, tools/speech/voices/man and woman. Its own pitch range
// (80-118 Hz) leaves the four tones flat; the man's is 67-160 Hz, the
// woman's 130-400 Hz with the formants of espeak-ng's female variant f3, so
// that each voice's tones spread over about an octave. espeak-ng finds the
// variants only in the data folder the build makes (espeak_data.sh), given
// with --path.
inline const QString man_voice = QStringLiteral("cmn-latn-pinyin+man");
inline const QString woman_voice = QStringLiteral("cmn-latn-pinyin+woman");
inline const QString espeak_data = QStringLiteral(PARVOLIS_ESPEAK_DATA);

// A phoneme trace cut into syllables: one tone contour per syllable
// (55, 35, 214 or 21, 51; 11 to 44 for the neutral tone).
struct trace {
    QString text;
    QList<int> tones;           // 1-4 or 5 (neutral); 0 for a contour no tone has
    QString language_switch;    // the first "(en)"-like marker, if any
    qsizetype syllables_before_switch = 0;
};

trace parse_trace(const QString& text);

// What the voice knows, behind an interface so the reading rules can be
// tried with a made-up voice.
class voice_knowledge {
public:
    virtual ~voice_knowledge() = default;
    // The tone the voice gives a syllable (a character or pinyin) said on its
    // own; 0 if it is not one syllable.
    virtual int tone_of(const QString& syllable) = 0;
    // The voice's phonemes of a pinyin syllable said on its own, such as
    // "t'iA214" for "dia3"; empty if it is not one syllable.
    virtual QString phonemes_of(const QString& pinyin) = 0;
};

// espeak-ng itself, run once for each text and the answer kept.
class espeak_voice final : public voice_knowledge {
public:
    explicit espeak_voice(QString voice = man_voice) : voice_(std::move(voice)) {}
    // The trace of a whole text; an empty trace if espeak-ng cannot run.
    trace say(const QString& text);
    int tone_of(const QString& syllable) override;
    QString phonemes_of(const QString& pinyin) override;

private:
    QString voice_;
    QHash<QString, trace> said_;
};

} // namespace speech
