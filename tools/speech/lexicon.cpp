#include "tools/speech/lexicon.h"

#include <QFile>
#include <QRegularExpression>

namespace speech {

namespace {

constexpr char16_t erhua_character = u'儿';

// Checks that the syllables cover the word exactly: one character each, and
// an erhua syllable its character and the 儿 after it.
bool covers(const QString& word, const QList<pinyin_syllable>& syllables)
{
    qsizetype at = 0;
    for (const pinyin_syllable& syllable : syllables) {
        if (at >= word.size())
            return false;
        ++at;
        if (syllable.erhua()) {
            if (at >= word.size() || word.at(at) != erhua_character)
                return false;
            ++at;
        }
    }
    return at == word.size();
}

} // namespace

std::optional<lexicon> lexicon::load(const QString& path, QString& error)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        error = path + QStringLiteral(": cannot read the lexicon");
        return std::nullopt;
    }
    return parse(QString::fromUtf8(file.readAll()), path, error);
}

std::optional<lexicon> lexicon::parse(const QString& text, const QString& name, QString& error)
{
    static const QRegularExpression blank(QStringLiteral("\\s+"));
    lexicon result;
    const QStringList lines = text.split(u'\n');
    for (qsizetype index = 0; index < lines.size(); ++index) {
        const QString line = lines.at(index).section(u'#', 0, 0).trimmed();
        if (line.isEmpty())
            continue;
        const auto fail = [&](const QString& what) {
            error = QStringLiteral("%1:%2: %3: %4").arg(name).arg(index + 1).arg(what, line);
            return std::nullopt;
        };
        QStringList fields = line.split(blank);
        lexicon_entry entry{fields.takeFirst(), {}};
        if (fields.isEmpty())
            return fail(QStringLiteral("the word has no reading"));
        for (const QString& field : fields) {
            const auto syllable = pinyin_syllable::parse(field);
            if (!syllable)
                return fail(QStringLiteral("\"%1\" is not a pinyin syllable with a tone digit 1-5").arg(field));
            entry.syllables.append(*syllable);
        }
        if (!covers(entry.word, entry.syllables))
            return fail(QStringLiteral("the syllables do not match the characters one for one"));
        if (result.entries_.contains(entry.word))
            return fail(QStringLiteral("the word is already in the lexicon"));
        result.longest_word_ = std::max(result.longest_word_, entry.word.size());
        result.entries_.insert(entry.word, entry);
    }
    return result;
}

const lexicon_entry* lexicon::longest_at(QStringView text, qsizetype position) const
{
    const qsizetype available = text.size() - position;
    for (qsizetype length = std::min(longest_word_, available); length > 0; --length) {
        const auto found = entries_.constFind(text.mid(position, length).toString());
        if (found != entries_.constEnd())
            return &*found;
    }
    return nullptr;
}

} // namespace speech
