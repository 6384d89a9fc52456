#include "tools/speech/pinyin.h"

namespace speech {

std::optional<pinyin_syllable> pinyin_syllable::parse(QStringView text)
{
    if (text.size() < 2)
        return std::nullopt;
    const QChar digit = text.back();
    if (digit < u'1' || digit > u'5')
        return std::nullopt;
    const QStringView letters = text.chopped(1);
    for (const QChar c : letters) {
        if (!(c >= u'a' && c <= u'z') && c != u'ü')
            return std::nullopt;
    }
    return pinyin_syllable{letters.toString(), digit.unicode() - u'0'};
}

bool pinyin_syllable::erhua() const
{
    // "er" itself is the syllable 儿, not an erhua ending.
    return letters.size() > 2 && letters.endsWith(u'r');
}

erhua_base erhua_base_of(const pinyin_syllable& erhua)
{
    QString base = erhua.letters.chopped(1);
    bool schwa = false;
    if (base.endsWith(u'n') && !base.endsWith(QStringLiteral("ng"))) {
        base.chop(1);
        schwa = base.endsWith(u'i') || base.endsWith(u'u') || base.endsWith(u'ü');  // in, un, ün
    } else if (base.size() > 1 && base.endsWith(u'i') && QStringLiteral("aeu").contains(base.at(base.size() - 2))) {
        base.chop(1);
        schwa = base.endsWith(u'u');  // ui
    }
    return {{base, erhua.tone}, schwa};
}

} // namespace speech
