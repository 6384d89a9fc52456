#include "tools/speech/voice.h"

#include <QProcess>
#include <QRegularExpression>

namespace speech {

namespace {

int tone_of_contour(QStringView contour)
{
    if (contour == u"55")
        return 1;
    if (contour == u"35")
        return 2;
    if (contour == u"214" || contour == u"21")
        return 3;
    if (contour == u"51")
        return 4;
    if (contour.size() == 2 && contour.at(0) == contour.at(1))
        return neutral_tone;
    return 0;
}

} // namespace

trace parse_trace(const QString& text)
{
    static const QRegularExpression contour(QStringLiteral("[0-9]+"));
    static const QRegularExpression language(QStringLiteral("\\(([a-z]{2,3}(-[a-z0-9]+)*)\\)"));
    trace result{text.trimmed(), {}, {}, 0};
    const QRegularExpressionMatch marker = language.match(text);
    for (auto it = contour.globalMatch(text); it.hasNext();) {
        const QRegularExpressionMatch match = it.next();
        if (marker.hasMatch() && match.capturedStart() < marker.capturedStart())
            ++result.syllables_before_switch;
        result.tones.append(tone_of_contour(match.capturedView()));
    }
    if (marker.hasMatch())
        result.language_switch = marker.captured(0);
    return result;
}

trace espeak_voice::say(const QString& text)
{
    const auto known = said_.constFind(text);
    if (known != said_.constEnd())
        return *known;
    QProcess espeak;
    espeak.start(QStringLiteral("espeak-ng"), {QStringLiteral("--path=") + espeak_data, QStringLiteral("-v"), voice_, QStringLiteral("-q"),
                                               QStringLiteral("-x"), QStringLiteral("--"), text});
    if (!espeak.waitForFinished(60000) || espeak.exitStatus() != QProcess::NormalExit || espeak.exitCode() != 0)
        return {};
    const trace result = parse_trace(QString::fromUtf8(espeak.readAllStandardOutput()));
    said_.insert(text, result);
    return result;
}

int espeak_voice::tone_of(const QString& syllable)
{
    const trace said = say(syllable);
    return said.tones.size() == 1 && said.language_switch.isEmpty() ? said.tones.front() : 0;
}

QString espeak_voice::phonemes_of(const QString& pinyin)
{
    const trace said = say(pinyin);
    if (said.tones.size() != 1 || !said.language_switch.isEmpty())
        return {};
    QString phonemes = said.text;
    phonemes.remove(QStringLiteral("_|"));
    return phonemes.trimmed();
}

} // namespace speech
