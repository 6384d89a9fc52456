// The transcript loader: what it accepts, what it refuses and how it names
// the fault; the built-in transcripts match the catalogue's recordings.

#include "content/transcript.h"
#include "platform/app_error.h"
#include "platform/picture_formats.h"

#include <QTest>

class Transcripts : public QObject {
    Q_OBJECT
private slots:
    void reads_segments_speaker_by_speaker()
    {
        // A byte order mark, CRLF line ends and blank lines are tolerated.
        const transcript t = read_transcript("\xEF\xBB\xBFH: 你好。\r\n\r\n  \nF:  再见！ \r\nH: 问：他说什么？\n", "Q01_h.txt");
        QCOMPARE(t.size(), std::size_t(3));
        QVERIFY(t[0].locuteur == transcript_segment::speaker::homme && t[0].texte == QStringLiteral("你好。"));
        QVERIFY(t[1].locuteur == transcript_segment::speaker::femme && t[1].texte == QStringLiteral("再见！"));
        QVERIFY(!t[1].question && t[2].question && t[2].texte == QStringLiteral("问：他说什么？"));
    }

    void refuses_faults_naming_the_place_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<QString>("message");
        QTest::newRow("invalid UTF-8") << QByteArray("H: ok\nF: \xE4\xBD\n")
                                       << QStringLiteral("Q31.txt, line 2: invalid UTF-8 at byte 9");
        QTest::newRow("no speaker mark") << QByteArray("H: 你好\n你好\n")
                                         << QStringLiteral("Q31.txt, line 2: a line must start with \"H:\" or \"F:\"");
        QTest::newRow("lower-case mark") << QByteArray("h: 你好\n")
                                         << QStringLiteral("Q31.txt, line 1: a line must start with \"H:\" or \"F:\"");
        QTest::newRow("empty segment") << QByteArray("H: 你好\nF:   \n")
                                       << QStringLiteral("Q31.txt, line 2: the segment has no text");
        QTest::newRow("empty question") << QByteArray("H: 问：\n")
                                        << QStringLiteral("Q31.txt, line 1: the segment has no text");
        QTest::newRow("nothing said") << QByteArray("\n \n") << QStringLiteral("Q31.txt: the transcript has no segment");
    }
    void refuses_faults_naming_the_place()
    {
        QFETCH(QByteArray, text);
        QFETCH(QString, message);
        try {
            read_transcript(text, QStringLiteral("Q31.txt"));
            QFAIL("accepted");
        } catch (const AppError& error) {
            QCOMPARE(error.kind(), QStringLiteral("ETranscriptError"));
            QCOMPARE(error.message(), message);
        }
    }

    void built_in_transcripts_cover_the_recordings()
    {
        register_standard_picture_formats();
        check_transcripts(catalogue::load()); // throws on a missing or extra transcript
        QVERIFY_THROWS_EXCEPTION(AppError, load_transcript(QStringLiteral("Q99.mp3")));
        QVERIFY(load_transcript(QStringLiteral("Q43-45.mp3")).size() > 2);
    }
};

QTEST_MAIN(Transcripts)
#include "test_content_transcripts.moc"
