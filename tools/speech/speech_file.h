#pragma once
// Transcripts and the speech text made from them.
//
// A transcript has one segment per line, "H:" for the man, "F:" for the
// woman; a segment starting with "问：" is the question, read by the man.
// The speech text kept beside each recording holds, for each segment, its
// transcript line, its voice and the exact text the synthesiser is given.

#include <QList>
#include <QString>

#include <optional>

namespace speech {

inline const QString question_mark = QStringLiteral("问：");

struct segment {
    int line = 0;   // in the transcript, from 1
    QString voice;
    QString text;
};

// The segments of a transcript, read by the program's transcript rules
// (content/transcript.h), voices chosen; on a fault returns nothing and
// sets `error` to "FILE, line N: what is wrong".
std::optional<QList<segment>> read_transcript(const QString& path, QString& error);

QString format_speech_text(const QString& clip, const QList<segment>& segments);
std::optional<QList<segment>> read_speech_text(const QString& path, QString& error);

} // namespace speech
