// The real audio service on small MP3 files made here (a tone written as WAV,
// encoded by lame), played on OpenAL's silent null device.

#include "notice_recorder.h"
#include "platform/clip_file.h"
#include "platform/mp3_decoder.h"
#include "platform/openal_audio_service.h"
#include "tools/openal_probe.h"
#include "tools/resident_memory.h"

#include <QtTest>

#include <QDataStream>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>

#include <cmath>
#include <vector>

using namespace audio;

namespace {

// A 16-bit PCM WAV file holding a 440 Hz tone of `frames` sample frames.
void write_tone_wav(const QString& path, int rate, int channels, int frames)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QDataStream out(&file);
    out.setByteOrder(QDataStream::LittleEndian);
    const quint32 data_bytes = static_cast<quint32>(frames * channels * 2);
    out.writeRawData("RIFF", 4);
    out << quint32(36 + data_bytes);
    out.writeRawData("WAVEfmt ", 8);
    out << quint32(16) << quint16(1) << quint16(channels) << quint32(rate)
        << quint32(rate * channels * 2) << quint16(channels * 2) << quint16(16);
    out.writeRawData("data", 4);
    out << data_bytes;
    for (int i = 0; i < frames; ++i) {
        const auto sample = static_cast<qint16>(8000 * std::sin(2 * M_PI * 440 * i / rate));
        for (int c = 0; c < channels; ++c)
            out << sample;
    }
}

// The event loop's timers, twenty times quicker: the output closes 150 ms
// after the last play rather than 3 s.
class quick_clock final : public audio_clock {
    class quick_timer final : public clock_timer {
    public:
        explicit quick_timer(std::unique_ptr<clock_timer> timer) : timer_(std::move(timer)) {}
        void start(int interval_ms, bool once) override { timer_->start(interval_ms / 20, once); }
        void stop() override { timer_->stop(); }
        bool active() const override { return timer_->active(); }

    private:
        std::unique_ptr<clock_timer> timer_;
    };
    event_loop_clock clock_;

public:
    std::unique_ptr<clock_timer> make_timer(std::function<void()> fire) override
    {
        return std::make_unique<quick_timer>(clock_.make_timer(std::move(fire)));
    }
};

} // namespace

class test_platform_audio : public QObject {
    Q_OBJECT

    QTemporaryDir dir_;
    QString short_clip_; // 0.3 s mono
    QString stereo_clip_; // 0.25 s stereo
    QString long_clip_; // 1.5 s mono

    QString make_mp3(const QString& name, int channels, int frames)
    {
        const QString wav = dir_.filePath(name + ".wav");
        const QString mp3 = dir_.filePath(name + ".mp3");
        write_tone_wav(wav, 44100, channels, frames);
        QProcess lame;
        lame.start("lame", {"--quiet", wav, mp3});
        if (!lame.waitForFinished(20000) || lame.exitCode() != 0)
            return {};
        return mp3;
    }

    static std::uint32_t position(openal_audio_service& service, device_id id)
    {
        std::uint32_t ms = 0;
        service.status_position(id, ms);
        return ms;
    }
    static mode mode_of(openal_audio_service& service, device_id id)
    {
        mode m = mode::stopped;
        service.status_mode(id, m);
        return m;
    }
    static QString text_of(openal_audio_service& service, error_code code)
    {
        QString text;
        service.error_text(code, text);
        return text;
    }

private slots:
    void initTestCase()
    {
        QVERIFY(dir_.isValid());
        short_clip_ = make_mp3("short", 1, 13230);
        stereo_clip_ = make_mp3("stereo", 2, 11025);
        long_clip_ = make_mp3("long", 1, 66150);
        QVERIFY2(!short_clip_.isEmpty() && !stereo_clip_.isEmpty() && !long_clip_.isEmpty(), "lame could not encode");
    }

    void open_reports_exact_length_and_a_stopped_device()
    {
        openal_audio_service service;
        device_id mono = 0, stereo = 0;
        QCOMPARE(service.open(short_clip_, nullptr, mono), 0u);
        QCOMPARE(service.open(stereo_clip_, nullptr, stereo), 0u);
        QVERIFY(mono != 0 && stereo != 0 && mono != stereo);

        std::uint32_t length = 0;
        QCOMPARE(service.status_length(mono, length), 0u);
        QCOMPARE(length, 300u);
        QCOMPARE(service.status_length(stereo, length), 0u);
        QCOMPARE(length, 250u);

        // Tags around the frames, as players write them, change nothing.
        QFile plain(short_clip_), tagged(dir_.filePath("tagged.mp3"));
        QVERIFY(plain.open(QIODevice::ReadOnly) && tagged.open(QIODevice::WriteOnly));
        const QByteArray id3v2("ID3\x04\x00\x00\x00\x00\x01\x00", 10); // 128 bytes of tag follow
        tagged.write(id3v2 + QByteArray(128, '\0') + plain.readAll() + "TAG" + QByteArray(125, ' '));
        tagged.close();
        device_id with_tags = 0;
        QCOMPARE(service.open(tagged.fileName(), nullptr, with_tags), 0u);
        QCOMPARE(service.status_length(with_tags, length), 0u);
        QCOMPARE(length, 300u);

        bool can = false;
        QCOMPARE(service.can_play(mono, can), 0u);
        QVERIFY(can);
        QCOMPARE(mode_of(service, mono), mode::stopped);
        QCOMPARE(position(service, mono), 0u);
    }

    // The rules themselves are checked on a clock of their own; here, the
    // same on the real output, with its timers twenty times quicker.
    void a_longer_clip_pauses_and_goes_on_after_the_output_closed()
    {
        quick_clock clock;
        openal_audio_service service(clock);
        notice_recorder receiver;
        device_id id = 0;
        QCOMPARE(service.open(long_clip_, &receiver, id), 0u);
        const int idle_threads = thread_count();
        QVERIFY(!openal_output_open()); // opening checks and measures only

        QCOMPARE(service.play(id), 0u);
        QCOMPARE(mode_of(service, id), mode::playing);
        QVERIFY(openal_output_open());
        QVERIFY(thread_count() > idle_threads); // the output mixes on threads of its own
        QTRY_VERIFY(position(service, id) > 300);
        QCOMPARE(service.pause(id), 0u);
        const std::uint32_t paused_at = position(service, id);
        QVERIFY2(paused_at > 300 && paused_at < 1500, qPrintable(QString::number(paused_at)));
        QTRY_VERIFY(!openal_output_open());
        QCOMPARE(thread_count(), idle_threads);
        QCOMPARE(receiver.count(notice::aborted, id), 1);
        QCOMPARE(mode_of(service, id), mode::paused);
        QCOMPARE(position(service, id), paused_at);

        QCOMPARE(service.resume(id), 0u);
        QVERIFY(thread_count() > idle_threads);
        QVERIFY(position(service, id) >= paused_at);
        QTRY_VERIFY(position(service, id) > paused_at);
        QCOMPARE(mode_of(service, id), mode::playing);

        QCOMPARE(service.seek_to_start(id), 0u);
        QCOMPARE(service.play(id), 0u); // and plays again from the start
        QVERIFY(position(service, id) < 300);
        QCOMPARE(service.close(id), 0u);
        QTRY_COMPARE(thread_count(), idle_threads);
        QCOMPARE(receiver.count(notice::aborted, id), 2);
        QCOMPARE(receiver.received.size(), std::size_t(2)); // none for the closed device
    }

    void devices_play_together_and_close_silences()
    {
        quick_clock clock;
        openal_audio_service service(clock);
        notice_recorder receiver;
        device_id first = 0, second = 0, third = 0;
        QCOMPARE(service.open(short_clip_, &receiver, first), 0u);
        QCOMPARE(service.open(stereo_clip_, &receiver, second), 0u);
        QCOMPARE(service.open(short_clip_, &receiver, third), 0u);
        QCOMPARE(service.play(first), 0u);
        QCOMPARE(service.play(second), 0u);
        QCOMPARE(service.play(third), 0u);
        QTRY_VERIFY(position(service, first) > 0 && position(service, second) > 0);
        QCOMPARE(mode_of(service, first), mode::playing);
        QCOMPARE(mode_of(service, second), mode::playing);

        QCOMPARE(service.close(third), 0u);
        QCOMPARE(kind_of(service.play(third)), error_kind::invalid_device);
        QTRY_COMPARE_WITH_TIMEOUT(receiver.count(notice::successful, first), 1, 3000);
        QTRY_COMPARE_WITH_TIMEOUT(receiver.count(notice::successful, second), 1, 3000);
        QCOMPARE(receiver.received.size(), std::size_t(2));
    }

    void a_clip_ends_where_its_format_changes()
    {
        // 1071 ms of 22.05 kHz mono, then 24 kHz stereo: the clip is the first part.
        const QString clip = QStringLiteral(PARVOLIS_SOURCE_DIR "/tests/fuzz/regressions/mp3/format_change.mp3");
        openal_audio_service service;
        notice_recorder receiver;
        device_id id = 0;
        QCOMPARE(service.open(clip, &receiver, id), 0u);
        std::uint32_t length = 0;
        QCOMPARE(service.status_length(id, length), 0u);
        QCOMPARE(length, 1071u);

        QCOMPARE(service.play(id), 0u);
        std::uint32_t furthest = 0;
        QElapsedTimer clock;
        clock.start();
        while (receiver.received.empty() && clock.elapsed() < 5000) {
            furthest = std::max(furthest, position(service, id));
            QTest::qWait(20);
        }
        QCOMPARE(receiver.count(notice::successful, id), 1);
        QVERIFY2(furthest > 0 && furthest <= length, qPrintable(QString::number(furthest)));
        QCOMPARE(position(service, id), length); // stopped at the end: the next Play rewinds
    }

    void open_failures_have_their_own_codes_and_name_the_file()
    {
        const QString missing = dir_.filePath("absent.mp3");
        const QString empty = dir_.filePath("empty.mp3");
        const QString noise = dir_.filePath("noise.mp3");
        const QString wrong_extension = dir_.filePath("short.wav"); // exists
        const QString folder = dir_.filePath("folder.mp3");
        QFile(empty).open(QIODevice::WriteOnly);
        {
            QFile file(noise);
            QVERIFY(file.open(QIODevice::WriteOnly));
            QRandomGenerator random(20240601);
            for (int i = 0; i < 8192; ++i)
                file.putChar(static_cast<char>(random.bounded(256)));
        }
        QVERIFY(QDir(dir_.path()).mkdir("folder.mp3"));

        const struct {
            QString file;
            error_kind expected;
        } cases[] = {
            {missing, error_kind::file_not_found},
            {empty, error_kind::not_mp3},
            {noise, error_kind::not_mp3},
            {wrong_extension, error_kind::unknown_extension},
            {folder, error_kind::file_unreadable},
        };
        openal_audio_service service;
        QStringList texts;
        for (const auto& c : cases) {
            device_id id = 7;
            const error_code code = service.open(c.file, nullptr, id);
            QCOMPARE(kind_of(code), c.expected);
            QCOMPARE(id, device_id(0));
            const QString text = text_of(service, code);
            QVERIFY2(text.contains(c.file), qPrintable(text));
            texts << text;
        }
        texts.removeDuplicates();
        QCOMPARE(texts.size(), 5);

        std::uint32_t ms = 0;
        QCOMPARE(kind_of(service.status_length(42, ms)), error_kind::invalid_device);
        QCOMPARE(kind_of(service.pause(42)), error_kind::invalid_device);
        QVERIFY(!text_of(service, service.close(42)).isEmpty());
        QString text;
        QVERIFY(!service.error_text(0xFEu, text)); // not a code of the service
    }

    // A valid clip followed by a hole of 500 MB, and 64 MB of valid frames
    // (a clip many times over): measuring them, and opening and playing the
    // first, cost the memory of a clip, not of the file, and the first
    // decodes what the clip alone gives.
    void large_files_cost_a_clip_not_their_size()
    {
        QFile clip(short_clip_);
        QVERIFY(clip.open(QIODevice::ReadOnly));
        const QByteArray frames = clip.readAll();
        const QString holed = dir_.filePath("holed.mp3"), long_stream = dir_.filePath("long_stream.mp3");
        {
            QFile file(holed);
            QVERIFY(file.open(QIODevice::WriteOnly) && file.write(frames) == frames.size());
            QVERIFY(file.resize(qint64(500) << 20));
            QFile stream(long_stream);
            QVERIFY(stream.open(QIODevice::WriteOnly));
            for (qint64 copies = (qint64(64) << 20) / frames.size(); copies > 0; --copies)
                QVERIFY(stream.write(frames) == frames.size());
        }
        QFile peak_reset(QStringLiteral("/proc/self/clear_refs"));
        QVERIFY(peak_reset.open(QIODevice::WriteOnly) && peak_reset.write("5") == 1);
        peak_reset.close();
        const long before = status_kib("VmHWM");

        const clip_measure measured = openal_audio_service::measure(holed);
        QCOMPARE(measured.failure, error_kind::none);
        QCOMPARE(measured.length, openal_audio_service::measure(short_clip_).length);
        const clip_measure long_measured = openal_audio_service::measure(long_stream);
        QVERIFY(long_measured.failure == error_kind::none && long_measured.length > 1000 * measured.length);
        quick_clock clock;
        openal_audio_service service(clock);
        notice_recorder receiver;
        device_id id = 0;
        QCOMPARE(service.open(holed, &receiver, id), 0u);
        QCOMPARE(service.play(id), 0u);
        QTRY_COMPARE_WITH_TIMEOUT(receiver.count(notice::successful, id), 1, 3000);
        const long peak = status_kib("VmHWM");
        QVERIFY2(before > 0 && peak - before < 10 * 1024, qPrintable(QStringLiteral("%1 KiB -> %2 KiB").arg(before).arg(peak)));

        const auto samples = [](const QByteArray& bytes) {
            mp3_decoder decoder;
            std::vector<std::int16_t> all(static_cast<std::size_t>(decoder.open(bytes) ? decoder.length() * decoder.channels() : 0));
            return std::make_pair(decoder.read(all.data(), static_cast<long>(all.size())), all);
        };
        const auto read_whole = samples(frames);
        QVERIFY(read_whole.first > 0);
        QVERIFY(samples(clip_file(holed).bytes()) == read_whole);
    }

    void without_an_audio_output_open_works_and_play_fails()
    {
        // OpenAL picks its output once per process: check in a child process
        // running only this test, whose OpenAL may use no output at all.
        const QByteArray no_output = "no_such_output";
        if (qgetenv("ALSOFT_DRIVERS") != no_output) {
            QProcess child;
            QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
            environment.insert("ALSOFT_DRIVERS", QString::fromLatin1(no_output));
            child.setProcessEnvironment(environment);
            child.start(QCoreApplication::applicationFilePath(),
                        {"without_an_audio_output_open_works_and_play_fails"});
            QVERIFY(child.waitForFinished(30000));
            QVERIFY2(child.exitCode() == 0, child.readAllStandardOutput().constData());
            return;
        }
        openal_audio_service service;
        device_id id = 0;
        QCOMPARE(service.open(short_clip_, nullptr, id), 0u);
        std::uint32_t length = 0;
        QCOMPARE(service.status_length(id, length), 0u);
        QCOMPARE(length, 300u);
        const error_code code = service.play(id);
        QCOMPARE(kind_of(code), error_kind::no_output);
        QVERIFY(text_of(service, code).contains(short_clip_));
        QCOMPARE(mode_of(service, id), mode::stopped);
    }
};

QTEST_MAIN(test_platform_audio)
#include "test_platform_audio.moc"
