#pragma once
// How a line of a transcript is read: the voice reads most characters
// itself; words of the lexicon, and 一 and 不 after their tone rules, are
// given to it in pinyin, erhua syllables in its own phonemes plus an r.

#include "tools/speech/lexicon.h"
#include "tools/speech/voice.h"

#include <QList>
#include <QString>

namespace speech {

enum class reading_source {
    none,     // not a syllable: punctuation, spaces
    voice,    // the voice reads the character itself
    lexicon,  // a lexicon entry gives the reading
    rule,     // the tone rule of 一 or 不 gives it
};

struct reading_piece {
    QString characters;           // as the transcript writes them ("点儿" for one erhua syllable)
    reading_source source = reading_source::none;
    pinyin_syllable pinyin;       // for lexicon and rule pieces
    bool is_syllable() const { return source != reading_source::none; }
};

QList<reading_piece> read_line(QStringView text, const lexicon& words, voice_knowledge& voice);

// The tone of 一 or 不 at `at` in `text`, given the tone of the syllable after
// it (0 when no syllable follows).
int yi_bu_tone(QStringView text, qsizetype at, int next_tone);

// The text given to the synthesiser for the pieces of a line; empty if the
// voice cannot build an erhua syllable.
QString synthesiser_text(const QList<reading_piece>& pieces, voice_knowledge& voice);

} // namespace speech
