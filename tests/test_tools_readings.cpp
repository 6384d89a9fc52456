// Listens to the recordings as built: for every segment of every transcript
// of every paper (paper 1's in content/transcripts/, each further paper's in
// content/epreuveN/transcripts/, built into recordings/ and recordings/epreuveN/),
// espeak-ng's phoneme trace of the text the build gave it must stay in
// Mandarin, and every syllable the lexicon or the tone rules of 一 and 不
// decide must come out with that tone. The transcripts themselves hold no
// Arabic digits nor Latin letters, which the voice reads wrongly.

#include "tools/speech/reading.h"
#include "tools/speech/speech_file.h"

#include <QDir>
#include <QRegularExpression>
#include <QTest>

using namespace speech;

namespace {

const QString content_dir = QStringLiteral(PARVOLIS_SOURCE_DIR "/content");
const QString speech_dir = QStringLiteral(PARVOLIS_BUILD_DIR "/recordings");

struct transcript_file {
    QFileInfo file;
    QString built;  // the folder of its speech text
    QString clip;   // as messages name it: "Q31", "epreuve2/Q31"
};

// Every paper's transcripts.
QList<transcript_file> transcript_files()
{
    QList<transcript_file> files;
    const QStringList papers = QStringList{QString()} + QDir(content_dir).entryList({QStringLiteral("epreuve*")}, QDir::Dirs);
    for (const QString& paper : papers) {
        const QString prefix = paper.isEmpty() ? QString() : paper + u'/';
        const QDir transcripts(content_dir + u'/' + prefix + QStringLiteral("transcripts"));
        for (const QFileInfo& file : transcripts.entryInfoList({QStringLiteral("*.txt")}, QDir::Files, QDir::Name))
            files.append({file, speech_dir + u'/' + prefix, prefix + file.completeBaseName()});
    }
    return files;
}

QString describe(const reading_piece& piece)
{
    return piece.source == reading_source::voice ? piece.characters
                                                 : QStringLiteral("%1 (%2)").arg(piece.characters, piece.pinyin.text());
}

int own_tone(const reading_piece& piece, voice_knowledge& reader)
{
    return piece.source == reading_source::voice ? reader.tone_of(piece.characters) : piece.pinyin.tone;
}

// What is wrong with one segment, as "CLIP line N: syllable X: fault" lines.
QStringList faults_of(const QString& where, const QList<reading_piece>& pieces, const trace& said,
                      voice_knowledge& reader)
{
    QList<const reading_piece*> syllables;
    for (const reading_piece& piece : pieces) {
        if (piece.is_syllable())
            syllables.append(&piece);
    }
    if (said.tones.isEmpty())
        return {where + QStringLiteral(": espeak-ng said nothing")};
    if (!said.language_switch.isEmpty()) {
        const qsizetype at = std::min(said.syllables_before_switch, syllables.size() - 1);
        return {QStringLiteral("%1: syllable %2: the voice switches to %3: %4")
                    .arg(where, describe(*syllables.at(at)), said.language_switch, said.text)};
    }
    if (said.tones.size() != syllables.size())
        return {QStringLiteral("%1: %2 syllables written, %3 said: %4")
                    .arg(where).arg(syllables.size()).arg(said.tones.size()).arg(said.text)};
    QStringList faults;
    for (qsizetype at = 0; at < syllables.size(); ++at) {
        const reading_piece& piece = *syllables.at(at);
        if (piece.source == reading_source::voice || said.tones.at(at) == piece.pinyin.tone)
            continue;
        // A third tone is said as a second before another third tone.
        const bool third_before_third = piece.pinyin.tone == 3 && said.tones.at(at) == 2
            && at + 1 < syllables.size() && own_tone(*syllables.at(at + 1), reader) == 3;
        if (!third_before_third)
            faults.append(QStringLiteral("%1: syllable %2: said in tone %3")
                              .arg(where, describe(piece)).arg(said.tones.at(at)));
    }
    return faults;
}

} // namespace

class test_tools_readings : public QObject {
    Q_OBJECT

private slots:
    void every_segment_is_said_as_written()
    {
        QString error;
        const auto words = lexicon::load(QStringLiteral(PARVOLIS_SOURCE_DIR "/content/lexicon.txt"), error);
        QVERIFY2(words, qPrintable(error));
        espeak_voice reader;
        static const QRegularExpression foreign(QStringLiteral("[0-9A-Za-z０-９Ａ-Ｚａ-ｚ]"));

        const QList<transcript_file> files = transcript_files();
        QVERIFY(!files.isEmpty());
        QStringList faults;
        for (const auto& [file, built_dir, clip] : files) {
            const auto segments = read_transcript(file.filePath(), error);
            if (!segments) {
                faults.append(error);
                continue;
            }
            const auto built = read_speech_text(QDir(built_dir).filePath(file.completeBaseName() + QStringLiteral(".speech.txt")), error);
            const QList<segment> built_segments = built.value_or(QList<segment>());
            for (const segment& written : *segments) {
                const QString where = QStringLiteral("%1 line %2").arg(clip).arg(written.line);
                const QRegularExpressionMatch letter = foreign.match(written.text);
                if (letter.hasMatch())
                    faults.append(QStringLiteral("%1: \"%2\" is not written in Chinese").arg(where, letter.captured()));
                const segment* fed = nullptr;
                for (const segment& each : built_segments) {
                    if (each.line == written.line)
                        fed = &each;
                }
                if (!fed) {
                    faults.append(where + QStringLiteral(": no speech text was built for it"));
                    continue;
                }
                espeak_voice voice(fed->voice);
                faults += faults_of(where, read_line(written.text, *words, reader), voice.say(fed->text), reader);
            }
        }
        QVERIFY2(faults.isEmpty(), qPrintable(QStringLiteral("%1 faults:\n").arg(faults.size()) + faults.join(u'\n')));
    }
};

QTEST_GUILESS_MAIN(test_tools_readings)
#include "test_tools_readings.moc"
