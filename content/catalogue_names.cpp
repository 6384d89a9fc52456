// Captions and clip names derived from a page's kind and its question numbers.

#include "content/catalogue.h"

namespace {

QString two_digits(int numero)
{
    return QStringLiteral("%1").arg(numero, 2, 10, QLatin1Char('0'));
}

} // namespace

QString questions_caption(int first, int last)
{
    if (first == last)
        return QStringLiteral("Question %1").arg(first);
    return QStringLiteral("Questions %1-%2").arg(first).arg(last);
}

QString tab_caption(const page& p)
{
    if (p.questions.empty())
        return {};
    return questions_caption(p.questions.front().numero, p.questions.back().numero);
}

QString sub_page_caption(const question& q)
{
    return QStringLiteral("Question %1").arg(q.numero);
}

QString option_caption(genre g, int letter, const QString& text)
{
    if (letter < 0 || letter > 3)
        return {};
    const QString name(QChar(u'A' + letter));
    switch (g) {
    case genre::ecoute_image:
        return name;
    case genre::texte_a_trous:
        return name + QLatin1Char('.') + text;
    default:
        return name + QStringLiteral(". ") + text;
    }
}

QStringList clip_names(genre g, int numero)
{
    const QString stem = QLatin1Char('Q') + two_digits(numero);
    switch (g) {
    case genre::ecoute_image:
    case genre::ecoute_hf:
        return {stem + QStringLiteral("_h.mp3"), stem + QStringLiteral("_f.mp3")};
    case genre::ecoute_simple:
    case genre::ecoute_groupe:
        return {stem + QStringLiteral(".mp3")};
    default:
        return {};
    }
}

QString shared_clip_name(const page& p)
{
    if (p.genre != genre::ecoute_groupe || p.questions.empty())
        return {};
    return QLatin1Char('Q') + two_digits(p.questions.front().numero) + QLatin1Char('-') +
           two_digits(p.questions.back().numero) + QStringLiteral(".mp3");
}

QString picture_alternative(const question& q)
{
    if (q.image.isEmpty())
        return {};
    QStringList drawings;
    for (int letter = 0; letter < 4; ++letter)
        drawings.append(QStringLiteral("%1 : %2.").arg(QChar(u'A' + letter), q.dessins[static_cast<size_t>(letter)]));
    return drawings.join(u' ');
}

QRegularExpression blank_pattern(int numero)
{
    return QRegularExpression(QStringLiteral("(?<![0-9])%1(?![0-9])").arg(numero));
}

QString question_prompt(const page& p, const question& q)
{
    if (p.genre != genre::texte_a_trous)
        return q.enonce;
    // The passage's lines are broken by hand inside sentences: join them,
    // then keep the sentence round the blank, with its closing quote.
    QString text;
    for (const QString& line : p.texte)
        text += line.trimmed();
    const qsizetype blank = blank_pattern(q.numero).match(text).capturedStart();
    if (blank < 0)
        return {};
    static const QRegularExpression sentence_end(QStringLiteral("[。！？!?][”」]?"));
    qsizetype start = 0;
    for (QRegularExpressionMatchIterator ends = sentence_end.globalMatch(text); ends.hasNext();) {
        const QRegularExpressionMatch end = ends.next();
        if (end.capturedStart() >= blank)
            return text.mid(start, end.capturedEnd() - start);
        start = end.capturedEnd();
    }
    return text.mid(start);
}

QStringList clips_of(const page& p)
{
    QStringList clips;
    if (const QString shared = shared_clip_name(p); !shared.isEmpty())
        clips << shared;
    for (const question& q : p.questions)
        clips << clip_names(p.genre, q.numero);
    return clips;
}

QStringList question_clips(const page& p, const question& q)
{
    QStringList clips;
    if (const QString shared = shared_clip_name(p); !shared.isEmpty())
        clips << shared;
    return clips + clip_names(p.genre, q.numero);
}
