// Writes what the synthesiser is given for one transcript:
//   make_speech_text LEXICON TRANSCRIPT.txt OUTPUT.speech.txt
// Each segment is read with the pronunciation lexicon and the tone rules of
// 一 and 不; see content/FORMAT.md. Or the reference tones, which let the
// tests hear each voice's four tones on syllables said alone:
//   make_speech_text --tones OUTPUT.speech.txt

#include "tools/speech/reading.h"
#include "tools/speech/speech_file.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QSaveFile>

#include <cstdio>

namespace {

int fail(const QString& message)
{
    std::fprintf(stderr, "make_speech_text: %s\n", qPrintable(message));
    return 1;
}

bool write_speech_text(const QString& output, const QString& clip, const QList<speech::segment>& segments)
{
    QDir().mkpath(QFileInfo(output).absolutePath());
    QSaveFile file(output);
    return file.open(QIODevice::WriteOnly) && file.write(speech::format_speech_text(clip, segments).toUtf8()) >= 0
        && file.commit();
}

// Each voice says ma, yi and wu in the four tones, one syllable a segment.
QList<speech::segment> reference_tones()
{
    QList<speech::segment> segments;
    for (const QString& voice : {speech::man_voice, speech::woman_voice}) {
        for (const char* syllable : {"ma", "yi", "wu"}) {
            for (int tone = 1; tone <= 4; ++tone)
                segments.append({static_cast<int>(segments.size()) + 1, voice, QStringLiteral("%1%2").arg(QLatin1String(syllable)).arg(tone)});
        }
    }
    return segments;
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication application(argc, argv);
    const QStringList arguments = application.arguments();
    if (arguments.size() == 3 && arguments.at(1) == u"--tones") {
        return write_speech_text(arguments.at(2), QStringLiteral("tones"), reference_tones())
            ? 0
            : fail(arguments.at(2) + QStringLiteral(": cannot write the speech text"));
    }
    if (arguments.size() != 4)
        return fail(QStringLiteral("usage: make_speech_text LEXICON TRANSCRIPT.txt OUTPUT.speech.txt\n"
                                    "       make_speech_text --tones OUTPUT.speech.txt"));
    const QString transcript = arguments.at(2);
    const QString output = arguments.at(3);

    QString error;
    const auto words = speech::lexicon::load(arguments.at(1), error);
    if (!words)
        return fail(error);
    auto segments = speech::read_transcript(transcript, error);
    if (!segments)
        return fail(error);

    speech::espeak_voice voice;
    for (speech::segment& each : *segments) {
        // The question's mark is kept as written: the recording script knows
        // the question by it.
        const qsizetype kept = each.text.startsWith(speech::question_mark) ? speech::question_mark.size() : 0;
        const QString said = speech::synthesiser_text(speech::read_line(QStringView(each.text).mid(kept), *words, voice), voice);
        each.text = said.isEmpty() ? said : each.text.left(kept) + said;
        if (each.text.isEmpty())
            return fail(QStringLiteral("%1:%2: espeak-ng could not read the segment").arg(transcript).arg(each.line));
    }

    if (!write_speech_text(output, QFileInfo(transcript).completeBaseName(), *segments))
        return fail(output + QStringLiteral(": cannot write the speech text"));
    return 0;
}
