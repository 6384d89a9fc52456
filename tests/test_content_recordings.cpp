// The recordings made from transcripts: playable mono MP3 of a sane length,
// the same bytes from the same transcript, the voices told apart, clear
// failures for a bad line or a missing tool, and one recording per
// transcript in the build.

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QProcessEnvironment>
#include <QTemporaryDir>
#include <QTest>

namespace {

const QString script = QStringLiteral(PARVOLIS_SOURCE_DIR "/tools/make_recordings.sh");
const QString speech_tool = QStringLiteral(PARVOLIS_BUILD_DIR "/tools/make_speech_text");
const QString lexicon = QStringLiteral(PARVOLIS_SOURCE_DIR "/content/lexicon.txt");

struct Run {
    int exit_code = -1;
    QString errors;
};

Run run(const QString& program, const QStringList& arguments, const QProcessEnvironment& environment)
{
    QProcess process;
    process.setProcessEnvironment(environment);
    process.start(program, arguments);
    if (!process.waitForFinished(120000))
        return {};
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
            QString::fromUtf8(process.readAllStandardError())};
}

// The two steps of the build: the speech text beside the output, then the recording.
Run make_recording(const QString& transcript, const QString& output,
                   const QProcessEnvironment& environment = QProcessEnvironment::systemEnvironment())
{
    const QString speech_text = output + QStringLiteral(".speech.txt");
    const Run speech = run(speech_tool, {lexicon, transcript, speech_text}, environment);
    if (speech.exit_code != 0)
        return speech;
    return run(QStringLiteral("/bin/sh"), {script, speech_text, output}, environment);
}

QString write_transcript(const QTemporaryDir& dir, const QString& name, const QByteArray& text)
{
    const QString path = dir.filePath(name);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(text) != text.size())
        return {};
    return path;
}

QByteArray contents(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

struct Mp3Summary {
    bool valid = false;
    bool mono = true;
    double seconds = 0;
};

// Walks the MPEG audio frames of a whole file: every byte must belong to a
// frame, so a truncated or foreign file is not valid.
Mp3Summary summarise_mp3(const QByteArray& data)
{
    static const int bitrates_v1[] = {0, 32, 40, 48, 56, 64, 80, 96, 112, 128, 160, 192, 224, 256, 320};
    static const int bitrates_v2[] = {0, 8, 16, 24, 32, 40, 48, 56, 64, 80, 96, 112, 128, 144, 160};
    static const int rates_v1[] = {44100, 48000, 32000};
    Mp3Summary summary;
    qsizetype at = 0;
    int frames = 0;
    while (at + 4 <= data.size()) {
        const auto byte = [&](qsizetype i) { return static_cast<unsigned char>(data[at + i]); };
        if (byte(0) != 0xFF || (byte(1) & 0xE0) != 0xE0 || ((byte(1) >> 1) & 3) != 1)
            return {};
        const int version = (byte(1) >> 3) & 3; // 3: MPEG 1, 2: MPEG 2, 0: MPEG 2.5
        const int bitrate_index = byte(2) >> 4;
        const int rate_index = (byte(2) >> 2) & 3;
        if (version == 1 || bitrate_index == 0 || bitrate_index == 15 || rate_index == 3)
            return {};
        const int divisor = version == 3 ? 1 : (version == 2 ? 2 : 4);
        const int rate = rates_v1[rate_index] / divisor;
        const int kbps = version == 3 ? bitrates_v1[bitrate_index] : bitrates_v2[bitrate_index];
        const int samples = version == 3 ? 1152 : 576;
        const int length = samples / 8 * kbps * 1000 / rate + ((byte(2) >> 1) & 1);
        summary.mono = summary.mono && (byte(3) >> 6) == 3;
        summary.seconds += static_cast<double>(samples) / rate;
        at += length;
        ++frames;
    }
    summary.valid = frames > 0 && at == data.size();
    return summary;
}

// A PATH holding every command of the system except one.
QString path_without(const QTemporaryDir& dir, const QString& missing)
{
    const QString bin = dir.filePath(QStringLiteral("bin"));
    QDir().mkpath(bin);
    for (const QString& folder : {QStringLiteral("/usr/local/bin"), QStringLiteral("/usr/bin"), QStringLiteral("/bin")}) {
        for (const QFileInfo& tool : QDir(folder).entryInfoList(QDir::Files | QDir::System)) {
            if (tool.fileName() != missing)
                QFile::link(tool.absoluteFilePath(), QDir(bin).filePath(tool.fileName()));
        }
    }
    return bin;
}

} // namespace

class test_content_recordings : public QObject {
    Q_OBJECT

private slots:
    void recording_is_playable_and_repeatable()
    {
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        // Windows line ends, a blank line and a question segment, as writers may leave them.
        const QString transcript = write_transcript(
            dir, QStringLiteral("Q77.txt"),
            "H: \xe4\xbd\xa0\xe5\xa5\xbd\xe3\x80\x82\r\n\r\n"                       // 你好。
            "F: \xe4\xbd\xa0\xe5\xa5\xbd\xef\xbc\x81\r\n"                           // 你好！
            "H: \xe9\x97\xae\xef\xbc\x9a\xe4\xbb\x96\xe4\xbb\xac\xe5\x9c\xa8\xe5\x81\x9a"
            "\xe4\xbb\x80\xe4\xb9\x88\xef\xbc\x9f\r\n");                            // 问：他们在做什么？
        QVERIFY(!transcript.isEmpty());

        const QString first = dir.filePath(QStringLiteral("out/first.mp3"));
        const QString second = dir.filePath(QStringLiteral("second.mp3"));
        const Run run = make_recording(transcript, first);
        QVERIFY2(run.exit_code == 0, qPrintable(run.errors));
        QCOMPARE(make_recording(transcript, second).exit_code, 0);

        const QByteArray mp3 = contents(first);
        QVERIFY(!mp3.isEmpty());
        QCOMPARE(contents(second), mp3);
        QVERIFY(!QFile::exists(first + QStringLiteral(".partial")));

        const Mp3Summary summary = summarise_mp3(mp3);
        QVERIFY(summary.valid);
        QVERIFY(summary.mono);
        // Three short segments with their pauses: a few seconds, not a blip nor minutes.
        QVERIFY2(summary.seconds > 3.0 && summary.seconds < 20.0, qPrintable(QString::number(summary.seconds)));
    }

    void man_and_woman_have_different_voices()
    {
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        const QByteArray line = " \xe6\x88\x91\xe4\xb8\x8b\xe5\x8d\x88\xe4\xb8\x89\xe7\x82\xb9\xe5\x8e\xbb\xe3\x80\x82\n"; // 我下午三点去。
        const QString man = write_transcript(dir, QStringLiteral("man.txt"), "H:" + line);
        const QString woman = write_transcript(dir, QStringLiteral("woman.txt"), "F:" + line);
        QCOMPARE(make_recording(man, dir.filePath(QStringLiteral("man.mp3"))).exit_code, 0);
        QCOMPARE(make_recording(woman, dir.filePath(QStringLiteral("woman.mp3"))).exit_code, 0);
        QVERIFY(contents(dir.filePath(QStringLiteral("man.mp3"))) != contents(dir.filePath(QStringLiteral("woman.mp3"))));
    }

    void bad_transcript_fails_naming_it_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<QString>("place");
        QTest::newRow("unknown speaker") << QByteArray("H: \xe4\xbd\xa0\xe5\xa5\xbd\n\nX: \xe4\xbd\xa0\xe5\xa5\xbd\n")
                                         << QStringLiteral("bad.txt, line 3");
        QTest::newRow("speaker in lower case") << QByteArray("h: \xe4\xbd\xa0\xe5\xa5\xbd\n") << QStringLiteral("bad.txt, line 1");
        QTest::newRow("no speaker") << QByteArray("\xe4\xbd\xa0\xe5\xa5\xbd\n") << QStringLiteral("bad.txt, line 1");
        QTest::newRow("speaker without text") << QByteArray("H: \xe4\xbd\xa0\xe5\xa5\xbd\nF:   \n")
                                              << QStringLiteral("bad.txt, line 2");
        QTest::newRow("nothing to say") << QByteArray("\n  \n") << QStringLiteral("bad.txt");
    }

    void bad_transcript_fails_naming_it()
    {
        QFETCH(QByteArray, text);
        QFETCH(QString, place);
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        const QString transcript = write_transcript(dir, QStringLiteral("bad.txt"), text);
        const QString output = dir.filePath(QStringLiteral("bad.mp3"));
        const Run run = make_recording(transcript, output);
        QVERIFY(run.exit_code > 0);
        QVERIFY2(run.errors.contains(place), qPrintable(run.errors));
        QVERIFY(!QFile::exists(output));
    }

    void missing_tool_is_named_data()
    {
        QTest::addColumn<QString>("tool");
        QTest::newRow("speech") << QStringLiteral("espeak-ng");
        QTest::newRow("assembly") << QStringLiteral("sox");
        QTest::newRow("encoding") << QStringLiteral("lame");
    }

    void missing_tool_is_named()
    {
        QFETCH(QString, tool);
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        const QString transcript = write_transcript(dir, QStringLiteral("Q01_h.txt"), "H: \xe4\xbd\xa0\xe5\xa5\xbd\n");
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("PATH"), path_without(dir, tool));
        const Run run = make_recording(transcript, dir.filePath(QStringLiteral("Q01_h.mp3")), environment);
        QVERIFY(run.exit_code > 0);
        QVERIFY2(run.errors.contains(tool + QStringLiteral(" is not installed")), qPrintable(run.errors));
    }

    // The build makes ressources/<name>.mp3 for each transcript, newer than it.
    void every_transcript_is_recorded_in_the_build()
    {
        const QDir transcripts(QStringLiteral(PARVOLIS_SOURCE_DIR "/content/transcripts"));
        const QDir ressources(QStringLiteral(PARVOLIS_BUILD_DIR "/ressources"));
        const QFileInfoList files = transcripts.entryInfoList({QStringLiteral("*.txt")}, QDir::Files);
        QVERIFY(!files.isEmpty());
        for (const QFileInfo& transcript : files) {
            const QFileInfo recording(ressources.filePath(transcript.completeBaseName() + QStringLiteral(".mp3")));
            QVERIFY2(recording.exists(), qPrintable(recording.filePath()));
            QVERIFY2(recording.lastModified() >= transcript.lastModified(), qPrintable(recording.filePath()));
            QVERIFY2(summarise_mp3(contents(recording.filePath())).valid, qPrintable(recording.filePath()));
        }
    }
};

QTEST_GUILESS_MAIN(test_content_recordings)
#include "test_content_recordings.moc"
