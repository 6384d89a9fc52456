// Start-up failures: a missing recording, or one that is not MP3 data, stops
// the program before any window is shown, with the error kind and the file
// named, and exit status 1.

#include "app_fixture.h"
#include "pages/clip_player.h"
#include "platform/app_error.h"
#include "platform/page_set.h"
#include "tools/openal_probe.h"

#include <QProcess>
#include <QTemporaryDir>

namespace {
struct run_result {
    int exit_code = -1;
    QString errors;
};

// Runs the program in `folder`; a program that shows its window and keeps
// running is stopped after a few seconds.
run_result run_program_in(const QString& folder)
{
    QProcess program;
    program.setWorkingDirectory(folder);
    program.start(qEnvironmentVariable("PARVOLIS_EXE"), {});
    run_result r;
    if (!program.waitForFinished(20000)) {
        program.kill();
        program.waitForFinished();
        return r;
    }
    r.exit_code = program.exitStatus() == QProcess::NormalExit ? program.exitCode() : -1;
    r.errors = QString::fromLocal8Bit(program.readAllStandardError());
    return r;
}

bool copy_recordings(const QString& to, const QString& except)
{
    const QDir from(QStringLiteral(PARVOLIS_BUILD_DIR "/ressources"));
    if (!QDir(to).mkpath(QStringLiteral("ressources")))
        return false;
    for (const QString& name : from.entryList({QStringLiteral("*.mp3")}, QDir::Files)) {
        if (name != except && !QFile::copy(from.filePath(name), to + "/ressources/" + name))
            return false;
    }
    return true;
}
}

class Startup : public QObject {
    Q_OBJECT
private slots:
    void no_recordings_folder()
    {
        QTemporaryDir empty;
        const run_result r = run_program_in(empty.path());
        QCOMPARE(r.exit_code, 1);
        QVERIFY2(r.errors.contains("Application Error") && r.errors.contains("EMCIDeviceError"), qPrintable(r.errors));
        QVERIFY2(r.errors.contains("Q01_h.mp3"), qPrintable(r.errors)); // the first player's clip
    }

    void one_recording_missing()
    {
        QTemporaryDir folder;
        QVERIFY(copy_recordings(folder.path(), QStringLiteral("Q43-45.mp3")));
        const run_result r = run_program_in(folder.path());
        QCOMPARE(r.exit_code, 1);
        QVERIFY2(r.errors.contains("EMCIDeviceError") && r.errors.contains("Q43-45.mp3"), qPrintable(r.errors));
    }

    void recording_that_is_not_mp3_data()
    {
        QTest::addColumn<QString>("clip");
        QTest::addColumn<QByteArray>("content");
        QTest::newRow("noise") << "Q20_f.mp3" << QByteArray(4096, '\x5a');
        QFile wav(QStringLiteral(PARVOLIS_SOURCE_DIR "/tests/fuzz/regressions/mp3/wav_speech.mp3"));
        QVERIFY(wav.open(QIODevice::ReadOnly));
        QTest::newRow("speech saved as WAV") << "Q05_h.mp3" << wav.readAll(); // holds false MPEG frame headers
    }

    void recording_that_is_not_mp3()
    {
        QFETCH(QString, clip);
        QFETCH(QByteArray, content);
        QTemporaryDir folder;
        QVERIFY(copy_recordings(folder.path(), clip));
        QFile broken(folder.path() + "/ressources/" + clip);
        QVERIFY(broken.open(QIODevice::WriteOnly));
        broken.write(content);
        broken.close();
        const run_result r = run_program_in(folder.path());
        QCOMPARE(r.exit_code, 1);
        QVERIFY2(r.errors.contains("EMCIDeviceError") && r.errors.contains(clip)
                     && r.errors.contains(QStringLiteral("n'est pas un fichier MP3")),
                 qPrintable(r.errors));
    }

    // Before the window shows, every clip is open; the pages around the
    // players are laid out once, however often they are asked for.
    void clips_open_before_the_pages_are_laid_out()
    {
        QVERIFY(QDir::setCurrent(QStringLiteral(PARVOLIS_BUILD_DIR)));
        register_standard_picture_formats();
        audio::openal_audio_service device;
        audio_spy audio(device);
        TForm1 form(catalogue::load(), audio);
        const main_window_driver f(form);
        QCOMPARE(int(f.clip_players().size()), 83);
        for (ClipPlayer* player : f.clip_players())
            QVERIFY(audio.device_of(player) && player->isAvailable(ClipButton::Play));
        QCOMPARE(f.Section1()->count(), 0);
        QVERIFY(!openal_output_open());

        form.ensurePages();
        form.ensurePages();
        QCOMPARE(f.Section1()->count() + f.Section2()->count() + f.Section3()->count(), 98);
        QCOMPARE(int(f.answer_options().size()), 560);
        QCOMPARE(f.clip_players().front()->parentWidget(), f.Section1()->widget(0));
    }

    void window_construction_throws_with_the_file_named()
    {
        QTemporaryDir empty;
        QVERIFY(QDir::setCurrent(empty.path()));
        register_standard_picture_formats();
        audio::openal_audio_service audio;
        try {
            TForm1 form(catalogue::load(), audio);
            QFAIL("the window was built without its recordings");
        } catch (const AppError& e) {
            QCOMPARE(e.kind(), QStringLiteral("EMCIDeviceError"));
            QVERIFY(e.message().contains("Q01_h.mp3"));
        }
        QVERIFY(QApplication::topLevelWidgets().isEmpty()); // nothing left behind
    }
};

QTEST_MAIN(Startup)
#include "test_app_startup.moc"
