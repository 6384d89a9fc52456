#pragma once
// The transcripts of the recordings: what is said in each, speaker by
// speaker. Compiled into the program from content/transcripts/<clip>.txt
// (see FORMAT.md): UTF-8, one segment a line marked "H:" (the man) or "F:"
// (the woman); blank lines are ignored; a segment starting with "问：" is
// the question.

#include "content/catalogue.h"

#include <QByteArray>
#include <QString>
#include <vector>

struct transcript_segment {
    enum class speaker { homme, femme };
    speaker locuteur = speaker::homme;
    QString texte;          // as written, the "问：" of a question included
    bool question = false;
    int ligne = 0;          // its line in the file, from 1
};
using transcript = std::vector<transcript_segment>;

// Reads a transcript's bytes; `name` names it in error messages. Throws
// AppError("ETranscriptError", "<name>, line <n>: …") on invalid UTF-8, a
// line without its speaker mark, an empty segment or no segment at all.
transcript read_transcript(const QByteArray& text, const QString& name);

// The built-in transcript of a recording ("Q43-45.mp3") of the paper kept in
// `dossier` (empty: paper 1); throws AppError("ETranscriptError") when there
// is none or it is not valid.
transcript load_transcript(const QString& clip_name, const QString& dossier = {});

// Every recording the catalogue names has a valid built-in transcript of its
// paper, and every built-in transcript of that paper belongs to one of them;
// throws AppError otherwise.
void check_transcripts(const catalogue& questions);
