#include "content/transcript.h"

#include "content/strict_json.h"
#include "platform/app_error.h"

#include <QDir>
#include <QFile>
#include <QSet>

namespace {
const QString error_kind = QStringLiteral("ETranscriptError");
const QString question_mark = QStringLiteral("问：");

QString transcripts_folder(const QString& dossier)
{
    return content_folder(dossier) + QStringLiteral("/transcripts");
}

// A transcript as messages name it: with its paper's folder, so that
// paper 2's Q01_h.txt is not taken for paper 1's.
QString shown_name(const QString& dossier, const QString& name)
{
    return dossier.isEmpty() ? name : dossier + u'/' + name;
}

QString file_of(const QString& clip_name)
{
    QString stem = clip_name;
    stem.chop(clip_name.endsWith(QLatin1String(".mp3")) ? 4 : 0);
    return stem + QStringLiteral(".txt");
}
}

transcript read_transcript(const QByteArray& text, const QString& name)
{
    if (const qsizetype bad = first_invalid_utf8(text); bad >= 0)
        throw AppError(error_kind, QStringLiteral("%1, line %2: invalid UTF-8 at byte %3")
                                       .arg(name).arg(text.left(bad).count('\n') + 1).arg(bad));
    QString all = QString::fromUtf8(text);
    if (all.startsWith(QChar(0xFEFF))) // a byte order mark, as some editors write
        all.remove(0, 1);

    transcript segments;
    const QStringList lines = all.split(u'\n');
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const QString line = lines[i].trimmed(); // a CR of a CRLF line included
        if (line.isEmpty())
            continue;
        const auto fail = [&](const QString& what) {
            throw AppError(error_kind, QStringLiteral("%1, line %2: %3").arg(name).arg(i + 1).arg(what));
        };
        const bool man = line.startsWith(QLatin1String("H:"));
        if (!man && !line.startsWith(QLatin1String("F:")))
            fail(QStringLiteral("a line must start with \"H:\" or \"F:\""));
        transcript_segment segment;
        segment.locuteur = man ? transcript_segment::speaker::homme : transcript_segment::speaker::femme;
        segment.texte = line.mid(2).trimmed();
        segment.question = segment.texte.startsWith(question_mark);
        segment.ligne = int(i + 1);
        if (segment.texte.isEmpty() || segment.texte == question_mark)
            fail(QStringLiteral("the segment has no text"));
        segments.push_back(std::move(segment));
    }
    if (segments.empty())
        throw AppError(error_kind, QStringLiteral("%1: the transcript has no segment").arg(name));
    return segments;
}

transcript load_transcript(const QString& clip_name, const QString& dossier)
{
    const QString name = file_of(clip_name);
    QFile file(transcripts_folder(dossier) + u'/' + name);
    const QString shown = shown_name(dossier, name);
    if (!file.open(QIODevice::ReadOnly))
        throw AppError(error_kind, QStringLiteral("no transcript %1 for the recording %2").arg(shown, clip_name));
    return read_transcript(file.readAll(), shown);
}

void check_transcripts(const catalogue& questions)
{
    QSet<QString> expected;
    for (int section = 1; section <= 3; ++section)
        for (const page& p : questions.pages(section))
            for (const question& q : p.questions)
                for (const QString& clip : question_clips(p, q)) {
                    load_transcript(clip, questions.dossier());
                    expected.insert(file_of(clip));
                }
    for (const QString& name : QDir(transcripts_folder(questions.dossier())).entryList(QDir::Files))
        if (!expected.contains(name))
            throw AppError(error_kind, QStringLiteral("%1 is the transcript of no recording of the catalogue")
                                           .arg(shown_name(questions.dossier(), name)));
}
