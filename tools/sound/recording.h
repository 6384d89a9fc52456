#pragma once
// A built recording as a listener gets it: the MP3 decoded by the program's
// own decoder, and what the build says of each segment: its voice, the text
// it was spoken from and where it sits in the clip.

#include "tools/sound/measure.h"
#include "tools/speech/speech_file.h"

#include <QList>
#include <QString>

#include <optional>
#include <vector>

namespace sound {

struct spoken_segment {
    speech::segment said;
    long begin = 0, end = 0; // samples, from the clip's start
    int syllables = 0;
};

struct recording {
    QString name;
    long rate = 0;
    std::vector<float> samples; // mono, full scale 1.0
    QList<spoken_segment> segments;
};

// The syllables of a speech text: its Chinese characters, its pinyin
// syllables ("yi2") and its phoneme syllables ("[[t'iA214r]]").
int syllables_of(const QString& text);

// A mono MP3 decoded by the program's own decoder, whole: its rate and its
// samples in full scale 1.0; on a fault nothing, and why in `error`.
struct decoded_sound {
    long rate = 0;
    std::vector<float> samples;
};
std::optional<decoded_sound> decode_mp3(const QString& mp3, QString& error);

// Reads a recording with its speech text (CLIP.speech.txt) and the times
// beside it (CLIP.times.txt); on a fault returns nothing and says why in `error`.
std::optional<recording> load_recording(const QString& mp3, const QString& speech_text, QString& error);

// What the measures hear in a recording.
struct heard_segment {
    const spoken_segment* segment = nullptr;
    std::vector<double> pitch;  // Hz of its voiced frames, in order
    ending end;                 // how its sound dies away
};

struct heard_clip {
    QString name;
    double syllables_per_second = 0; // over speaking time, pauses left out
    double peak_dbfs = 0, speech_rms_dbfs = 0, leading_silence = 0;
    std::vector<heard_segment> segments;
};

heard_clip hear(const recording& clip);

// The shape of a pitch contour: medians of its first, middle and last
// fifths, and its lowest and highest.
struct contour {
    double start = 0, mid = 0, end = 0, low = 0, high = 0;
};

contour contour_of(const std::vector<double>& pitch);

} // namespace sound
