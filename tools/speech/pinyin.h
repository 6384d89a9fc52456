#pragma once
// A pinyin syllable with its tone digit, as the lexicon writes it and the
// voice reads it: "bu2", "ma5" (5 is the neutral tone), "dianr3" (an erhua
// syllable: the r stands for the 儿 it swallows).

#include <QString>
#include <QStringView>

#include <optional>

namespace speech {

constexpr int neutral_tone = 5;

struct pinyin_syllable {
    QString letters;  // lower-case letters without the tone digit, erhua r included
    int tone = 0;     // 1 to 4, or neutral_tone

    static std::optional<pinyin_syllable> parse(QStringView text);
    bool erhua() const;
    QString text() const { return letters + QString::number(tone); }
};

// The syllable an erhua syllable is built on, with its final -n or -i
// dropped as the r replaces it ("dianr3" → "dia3", "huir4" → "hu4"), and
// whether a short schwa is heard before the r (huìr sounds "hu-er").
struct erhua_base {
    pinyin_syllable syllable;
    bool schwa = false;
};
erhua_base erhua_base_of(const pinyin_syllable& erhua);

} // namespace speech
