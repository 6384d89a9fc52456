#pragma once
// The pronunciation lexicon: words whose reading the voice gets wrong on its
// own, each with its pinyin. The file format is described in content/FORMAT.md.

#include "tools/speech/pinyin.h"

#include <QHash>
#include <QList>
#include <QString>

namespace speech {

struct lexicon_entry {
    QString word;
    QList<pinyin_syllable> syllables;  // an erhua syllable covers two characters
};

class lexicon {
public:
    // Reads a lexicon file; on a fault returns nothing and sets `error` to
    // "FILE:LINE: what is wrong".
    static std::optional<lexicon> load(const QString& path, QString& error);
    static std::optional<lexicon> parse(const QString& text, const QString& name, QString& error);

    // The longest entry whose word starts at `position` of `text`, if any.
    const lexicon_entry* longest_at(QStringView text, qsizetype position) const;
    qsizetype size() const { return entries_.size(); }

private:
    QHash<QString, lexicon_entry> entries_;
    qsizetype longest_word_ = 0;
};

} // namespace speech
