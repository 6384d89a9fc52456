#include "tools/speech/speech_file.h"

#include "content/transcript.h"
#include "platform/app_error.h"
#include "tools/speech/voice.h"

#include <QFile>

namespace speech {

namespace {

std::optional<QStringList> read_lines(const QString& path, QString& error)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        error = path + QStringLiteral(": cannot read the file");
        return std::nullopt;
    }
    QString text = QString::fromUtf8(file.readAll());
    if (text.startsWith(QChar(0xFEFF)))
        text.remove(0, 1);
    text.remove(u'\r');
    return text.split(u'\n');
}

} // namespace

// Read by the program's own transcript rules, so that what is spoken and
// what the review shows can never be read differently.
std::optional<QList<segment>> read_transcript(const QString& path, QString& error)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        error = path + QStringLiteral(": cannot read the file");
        return std::nullopt;
    }
    try {
        QList<segment> segments;
        for (const transcript_segment& said : ::read_transcript(file.readAll(), path)) {
            const bool man = said.question || said.locuteur == transcript_segment::speaker::homme;
            segments.append({said.ligne, man ? man_voice : woman_voice, said.texte});
        }
        return segments;
    } catch (const AppError& e) {
        error = e.message();
        return std::nullopt;
    }
}

QString format_speech_text(const QString& clip, const QList<segment>& segments)
{
    QString text = QStringLiteral(
                       "# %1: what espeak-ng is given, one segment a line, in order:\n"
                       "# transcript line, voice, text, separated by tabs. To hear one again:\n"
                       "#   espeak-ng --path=%2 -v VOICE 'TEXT'\n")
                       .arg(clip, espeak_data);
    for (const segment& each : segments)
        text += QStringLiteral("%1\t%2\t%3\n").arg(each.line).arg(each.voice, each.text);
    return text;
}

std::optional<QList<segment>> read_speech_text(const QString& path, QString& error)
{
    const auto lines = read_lines(path, error);
    if (!lines)
        return std::nullopt;
    QList<segment> segments;
    for (qsizetype index = 0; index < lines->size(); ++index) {
        const QString& line = lines->at(index);
        if (line.isEmpty() || line.startsWith(u'#'))
            continue;
        const QStringList fields = line.split(u'\t');
        bool number = false;
        const int transcript_line = fields.front().toInt(&number);
        if (fields.size() != 3 || !number) {
            error = QStringLiteral("%1:%2: not \"line<TAB>voice<TAB>text\"").arg(path).arg(index + 1);
            return std::nullopt;
        }
        segments.append({transcript_line, fields.at(1), fields.at(2)});
    }
    return segments;
}

} // namespace speech
