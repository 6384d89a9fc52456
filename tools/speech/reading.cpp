#include "tools/speech/reading.h"

namespace speech {

namespace {

constexpr char16_t yi = u'一';
constexpr char16_t bu = u'不';

bool is_hanzi(QChar c)
{
    return (c >= QChar(0x4E00) && c <= QChar(0x9FFF)) || (c >= QChar(0x3400) && c <= QChar(0x4DBF));
}

// Numerals that make 一 part of a number read digit by digit or an ordinal
// (十一, 一百零一, 一二三); 百 千 万 亿 after 一 count, so they are not here.
bool is_digit_numeral(QChar c)
{
    return QStringView(u"零一二三四五六七八九十").contains(c);
}

int tone_of_piece(const reading_piece& piece, voice_knowledge& voice)
{
    if (piece.source == reading_source::voice)
        return voice.tone_of(piece.characters);
    return piece.is_syllable() ? piece.pinyin.tone : 0;
}

} // namespace

int yi_bu_tone(QStringView text, qsizetype at, int next_tone)
{
    const QChar before = at > 0 ? text.at(at - 1) : QChar();
    const QChar after = at + 1 < text.size() ? text.at(at + 1) : QChar();
    const bool between_the_same = is_hanzi(before) && before == after;  // 是不是, 看一看
    // A syllable the voice reads light on its own after 一 or 不 is a measure
    // word such as 个 (gè): it counts as a 4th tone.
    const bool before_fourth = next_tone == 4 || next_tone == neutral_tone;
    if (text.at(at) == bu) {
        if (between_the_same)
            return neutral_tone;
        return before_fourth ? 2 : 4;
    }
    const bool ordinal_or_digit = next_tone == 0 || before == u'第' || text.first(at).endsWith(u"星期")
        || is_digit_numeral(before) || before == u'百' || is_digit_numeral(after) || after == u'月'
        || after == u'号';
    if (ordinal_or_digit)
        return 1;
    if (between_the_same)
        return neutral_tone;
    return before_fourth ? 2 : 4;
}

QList<reading_piece> read_line(QStringView text, const lexicon& words, voice_knowledge& voice)
{
    QList<reading_piece> pieces;
    QList<qsizetype> yi_bu_pieces;
    QList<qsizetype> positions;  // where each piece starts in the text
    for (qsizetype at = 0; at < text.size();) {
        if (const lexicon_entry* entry = words.longest_at(text, at)) {
            qsizetype inside = at;
            for (const pinyin_syllable& syllable : entry->syllables) {
                const qsizetype length = syllable.erhua() ? 2 : 1;
                // 一 and 不 written in their own tone are left to the rule.
                if ((text.at(inside) == yi && syllable.text() == u"yi1")
                    || (text.at(inside) == bu && syllable.text() == u"bu4"))
                    yi_bu_pieces.append(pieces.size());
                positions.append(inside);
                pieces.append({text.mid(inside, length).toString(), reading_source::lexicon, syllable});
                inside += length;
            }
            at += entry->word.size();
            continue;
        }
        const QChar c = text.at(at);
        if (c == yi || c == bu)
            yi_bu_pieces.append(pieces.size());
        positions.append(at);
        pieces.append({QString(c), is_hanzi(c) ? reading_source::voice : reading_source::none, {}});
        ++at;
    }
    for (const qsizetype index : yi_bu_pieces) {
        const int next_tone = index + 1 < pieces.size() ? tone_of_piece(pieces.at(index + 1), voice) : 0;
        reading_piece& piece = pieces[index];
        const int tone = yi_bu_tone(text, positions.at(index), next_tone);
        piece.source = reading_source::rule;
        piece.pinyin = {piece.characters == QStringView(u"一") ? QStringLiteral("yi") : QStringLiteral("bu"), tone};
    }
    return pieces;
}

QString synthesiser_text(const QList<reading_piece>& pieces, voice_knowledge& voice)
{
    QString text;
    bool previous_latin = false;
    bool previous_syllable = false;
    for (const reading_piece& piece : pieces) {
        QString token = piece.characters;
        const bool latin = piece.source == reading_source::lexicon || piece.source == reading_source::rule;
        if (latin && piece.pinyin.erhua()) {
            const erhua_base base = erhua_base_of(piece.pinyin);
            QString phonemes = voice.phonemes_of(base.syllable.text());
            if (phonemes.isEmpty())
                return {};
            if (base.schwa) {
                // The schwa goes before the tone contour, within the vowel.
                qsizetype contour = phonemes.size();
                while (contour > 0 && !phonemes.at(contour - 1).isDigit())
                    --contour;
                while (contour > 0 && phonemes.at(contour - 1).isDigit())
                    --contour;
                phonemes.insert(contour, u'@');
            }
            token = QStringLiteral("[[%1r]]").arg(phonemes);
        } else if (latin) {
            token = piece.pinyin.text();
        }
        // Pinyin needs a space between it and any neighbouring syllable.
        if ((latin || previous_latin) && previous_syllable && piece.is_syllable())
            text += u' ';
        text += token;
        previous_latin = latin;
        previous_syllable = piece.is_syllable();
    }
    return text;
}

} // namespace speech
