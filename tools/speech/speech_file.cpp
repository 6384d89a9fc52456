#include "tools/speech/speech_file.h"

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

std::optional<QList<segment>> read_transcript(const QString& path, QString& error)
{
    const auto lines = read_lines(path, error);
    if (!lines)
        return std::nullopt;
    QList<segment> segments;
    for (qsizetype index = 0; index < lines->size(); ++index) {
        const QString& line = lines->at(index);
        const int number = int(index + 1);
        const auto fail = [&](const QString& what) {
            error = QStringLiteral("%1:%2: %3").arg(path).arg(number).arg(what);
            return std::nullopt;
        };
        if (line.trimmed().isEmpty())
            continue;
        QString voice;
        if (line.startsWith(QStringLiteral("H:")))
            voice = man_voice;
        else if (line.startsWith(QStringLiteral("F:")))
            voice = woman_voice;
        else
            return fail(QStringLiteral("a line must start with \"H:\" or \"F:\": ") + line);
        const QString text = line.mid(2).trimmed();
        if (text.isEmpty())
            return fail(QStringLiteral("the segment has no text"));
        segments.append({number, text.startsWith(question_mark) ? man_voice : voice, text});
    }
    if (segments.isEmpty()) {
        error = path + QStringLiteral(": the transcript has no segment");
        return std::nullopt;
    }
    return segments;
}

QString format_speech_text(const QString& clip, const QList<segment>& segments)
{
    QString text = QStringLiteral(
                       "# %1: what espeak-ng is given, one segment a line, in order:\n"
                       "# transcript line, voice, text, separated by tabs. To hear one again:\n"
                       "#   espeak-ng -v VOICE -s 135 'TEXT'\n")
                       .arg(clip);
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
