// Play latency benchmark: how long after Space on a Play button the clip
// reaches the audio output. The real main window runs in this process with
// OpenAL Soft's wave writer as its output (a temporary file, through a
// configuration file of our own); the listening section is started with its
// "Démarrer" button, question 1's first player gets the focus and Space
// presses its Play button, twice a run:
//   - with the output closed (the first play, after the idle close), and
//   - with the output open (a second play, after Back-to-start, well within
//     the idle-close time).
// Each run ends once the output has closed again, which also completes the
// file. Reported per case: key -> output started, key -> the clip's first
// sample, key -> its first audible sample (min / median / max over the runs;
// the first run's first play also loads OpenAL). The key press is the moment
// the strip receives Space from Qt (QTest sends it to the widget); a real
// keyboard adds the X server's delivery to an idle program, well under a
// millisecond.
//
//   dbus-run-session -- xvfb-run -a <build>/tools/bench_play_latency [runs, default 5]
//
// Run from anywhere: the window is built in the build folder, where the
// recordings are. A benchmark, not a test: its figures depend on the machine.
//
// From a position in the wave file to a time. The writer's thread takes a
// start time, then, looking at the clock every half period, mixes one period
// of U frames (1024 by default) whenever a whole period of real time has
// passed since the last one and appends it to the file: frames [kU, (k+1)U)
// are mixed at start + (k+1)U/f, or up to half a period later. The moment a
// frame is mixed is taken as its arrival: the earliest it could sound (a
// sound card would add its own queue, which this virtual output has not).
// The stdio buffer of the file only delays the bytes reaching the disk, not
// the mixing, so it does not enter. Those moments are not in the file; they
// are read from the device clock (ALC_SOFT_device_clock, the frames mixed so
// far), which a thread of this benchmark polls every tenth of a millisecond
// from just after the first key press until before the output closes, noting
// when each period had been mixed. The output's start is bounded the same
// way: a reading of clock c at time t gives start <= t - c. A source starts
// at the beginning of the first period mixed after its play, so a clip may
// begin at a position in the file a little before the key press, while being
// mixed after it.
//
// Where the clip lies in the file: the clip is decoded as the program does,
// its first audible frame (at or above -40 dBFS) is found, and so is the
// first frame of the file at or above the same level scaled by the output's
// gain (its peak over the clip's peak, over the same half second). The
// clip's first sample is that far before, in the output's rate.

#include "app/hsk.h"
#include "app/startup.h"
#include "content/catalogue.h"
#include "pages/clip_player.h"
#include "pages/question_pages.h"
#include "platform/openal_audio_service.h"
#include "platform/picture_formats.h"
#include "tools/openal_probe.h"
#include "tools/sound/recording.h"

#include <AL/alc.h>
#include <AL/alext.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QPushButton>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QtTest>

#include <dlfcn.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <functional>
#include <optional>
#include <thread>
#include <vector>

namespace {

using clock_type = std::chrono::steady_clock;

double ms_between(clock_type::time_point from, clock_type::time_point to)
{
    return std::chrono::duration<double, std::milli>(to - from).count();
}

// The output's device clock as read from here: when it started, its period,
// and when each period was mixed.
struct output_clock {
    clock_type::time_point start;
    long period = 0; // frames
    long rate = 0;
    std::vector<std::pair<clock_type::time_point, std::int64_t>> mixed; // first seen at, frames mixed

    // When the period holding `frame` had been mixed, if it was seen.
    std::optional<clock_type::time_point> mixed_at(std::int64_t frame) const
    {
        const std::int64_t period_end = (frame / period + 1) * period;
        for (const auto& [at, frames] : mixed)
            if (frames >= period_end)
                return at;
        return std::nullopt;
    }
};

// Reads the device clock of the current context until `stop`, every tenth
// of a millisecond.
std::optional<output_clock> read_output_clock(const std::atomic<bool>& stop)
{
    void* library = dlopen("libopenal.so.1", RTLD_NOW | RTLD_NOLOAD);
    if (!library)
        return std::nullopt;
    auto current = reinterpret_cast<ALCcontext* (*)()>(dlsym(library, "alcGetCurrentContext"));
    auto device_of = reinterpret_cast<ALCdevice* (*)(ALCcontext*)>(dlsym(library, "alcGetContextsDevice"));
    auto get_int = reinterpret_cast<void (*)(ALCdevice*, ALCenum, ALCsizei, ALCint*)>(dlsym(library, "alcGetIntegerv"));
    auto get_int64 = reinterpret_cast<LPALCGETINTEGER64VSOFT>(dlsym(library, "alcGetInteger64vSOFT"));
    ALCcontext* context = current && device_of && get_int && get_int64 ? current() : nullptr;
    ALCdevice* device = context ? device_of(context) : nullptr;
    if (!device) {
        dlclose(library);
        return std::nullopt;
    }
    output_clock result;
    ALCint rate = 0;
    get_int(device, ALC_FREQUENCY, 1, &rate);
    result.rate = rate;
    std::optional<clock_type::time_point> earliest;
    std::int64_t previous = -1;
    while (!stop) {
        ALCint64SOFT nanoseconds = 0;
        get_int64(device, ALC_DEVICE_CLOCK_SOFT, 1, &nanoseconds);
        const auto now = clock_type::now();
        const auto bound = now - std::chrono::nanoseconds(nanoseconds);
        if (!earliest || bound < *earliest)
            earliest = bound;
        const auto frames = static_cast<std::int64_t>(std::llround(static_cast<double>(nanoseconds) * rate / 1e9));
        if (frames != previous) {
            if (previous >= 0 && frames > previous && (result.period == 0 || frames - previous < result.period))
                result.period = static_cast<long>(frames - previous);
            result.mixed.emplace_back(now, frames);
            previous = frames;
        }
        std::this_thread::sleep_for(std::chrono::microseconds(100));
    }
    dlclose(library);
    if (!earliest || result.period == 0 || rate <= 0)
        return std::nullopt;
    result.start = *earliest;
    return result;
}

// The wave file's frames, as the largest magnitude over the channels, in
// full scale.
struct wave_data {
    long rate = 0;
    std::vector<float> peak;
};

std::optional<wave_data> read_wave(const QString& file_name)
{
    QFile file(file_name);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    const QByteArray bytes = file.readAll();
    auto u16 = [&](qsizetype at) { return static_cast<unsigned>(static_cast<unsigned char>(bytes[at]) | static_cast<unsigned char>(bytes[at + 1]) << 8); };
    auto u32 = [&](qsizetype at) { return u16(at) | u16(at + 2) << 16; };
    if (bytes.size() < 12 || !bytes.startsWith("RIFF") || bytes.mid(8, 4) != "WAVE")
        return std::nullopt;
    int channels = 0, bits = 0;
    bool is_float = false;
    wave_data wave;
    for (qsizetype at = 12; at + 8 <= bytes.size();) {
        const QByteArray id = bytes.mid(at, 4);
        const qsizetype size = u32(at + 4);
        const qsizetype body = at + 8;
        if (id == "fmt " && body + 16 <= bytes.size()) {
            const unsigned tag = u16(body);
            channels = static_cast<int>(u16(body + 2));
            wave.rate = static_cast<long>(u32(body + 4));
            bits = static_cast<int>(u16(body + 14));
            is_float = tag == 3 || (tag == 0xFFFE && body + 26 <= bytes.size() && u16(body + 24) == 3);
        } else if (id == "data") {
            // Until the writer closes, the length is not filled in.
            const qsizetype end = size == 0xFFFFFFFFu || body + size > bytes.size() ? bytes.size() : body + size;
            const int width = bits / 8;
            if (channels <= 0 || (width != 2 && width != 4))
                return std::nullopt;
            const char* p = bytes.constData() + body;
            const qsizetype frames = (end - body) / (width * channels);
            wave.peak.resize(static_cast<std::size_t>(frames));
            for (qsizetype i = 0; i < frames; ++i) {
                float m = 0;
                for (int c = 0; c < channels; ++c, p += width) {
                    float v = 0;
                    if (is_float)
                        std::memcpy(&v, p, 4);
                    else if (width == 2) {
                        std::int16_t s;
                        std::memcpy(&s, p, 2);
                        v = static_cast<float>(s) / 32768.0f;
                    } else {
                        std::int32_t s;
                        std::memcpy(&s, p, 4);
                        v = static_cast<float>(s) / 2147483648.0f;
                    }
                    m = std::max(m, std::fabs(v));
                }
                wave.peak[static_cast<std::size_t>(i)] = m;
            }
            return wave;
        }
        at = body + size + (size & 1);
    }
    return std::nullopt;
}

// The clip as the program decodes it, as magnitudes in full scale.
struct clip_data {
    long rate = 0;
    std::vector<float> peak;
};

std::optional<clip_data> decode_clip(const QString& file_name)
{
    QString error;
    const auto sound = sound::decode_mp3(file_name, error);
    if (!sound)
        return std::nullopt;
    clip_data clip{sound->rate, {}};
    clip.peak.reserve(sound->samples.size());
    for (float sample : sound->samples)
        clip.peak.push_back(std::fabs(sample));
    return clip;
}

template <typename Values>
std::optional<std::size_t> first_at_or_above(const Values& values, float level, std::size_t from = 0)
{
    for (std::size_t i = from; i < values.size(); ++i)
        if (values[i] >= level)
            return i;
    return std::nullopt;
}

float peak_of(const std::vector<float>& values, std::size_t from, std::size_t count)
{
    float m = 0;
    for (std::size_t i = from; i < std::min(values.size(), from + count); ++i)
        m = std::max(m, values[i]);
    return m;
}

const float audible = std::pow(10.0f, -40.0f / 20.0f);

struct arrival {
    double first_sample_ms = -1;
    double first_audible_ms = -1;
};

// Where the clip, played from `key`, lies in the wave file.
void locate(const wave_data& wave, const clip_data& clip, const output_clock& output, clock_type::time_point key,
            arrival& result)
{
    const auto clip_audible = first_at_or_above(clip.peak, audible);
    if (!clip_audible || wave.rate != output.rate)
        return;
    // Search from the key press on (less a period: a play may land in the
    // period being mixed).
    const double key_frame = ms_between(output.start, key) * static_cast<double>(wave.rate) / 1000.0
                             - static_cast<double>(output.period);
    const auto from = static_cast<std::size_t>(std::max(0.0, key_frame));
    const auto half_second_out = static_cast<std::size_t>(wave.rate / 2);
    const auto half_second_clip = static_cast<std::size_t>(clip.rate / 2);
    const float clip_peak = peak_of(clip.peak, *clip_audible, half_second_clip);
    // Twice: the gain is measured from the first estimate of the onset.
    float gain = 1;
    std::optional<std::size_t> onset;
    for (int pass = 0; pass < 2; ++pass) {
        onset = first_at_or_above(wave.peak, audible * gain, from);
        if (!onset || clip_peak <= 0)
            return;
        gain = peak_of(wave.peak, *onset, half_second_out) / clip_peak;
    }
    const double out_rate = static_cast<double>(wave.rate);
    const double period = static_cast<double>(output.period);
    double first_frame = static_cast<double>(*onset)
                         - static_cast<double>(*clip_audible) * out_rate / static_cast<double>(clip.rate);
    // A source starts sounding at the start of the period it is first mixed
    // in: a first frame found within a millisecond of a period's start is
    // that start (finding the onset by its level is only that precise).
    const double period_start = std::round(first_frame / period) * period;
    if (std::fabs(first_frame - period_start) < out_rate / 1000.0)
        first_frame = period_start;
    const auto mixed_at_ms = [&](double frame) {
        const auto at = output.mixed_at(static_cast<std::int64_t>(std::floor(frame)));
        return at ? ms_between(key, *at) : -1.0;
    };
    result.first_sample_ms = mixed_at_ms(first_frame);
    result.first_audible_ms = mixed_at_ms(static_cast<double>(*onset));
}

bool wait_until(const std::function<bool()>& condition, int timeout_ms)
{
    const auto until = clock_type::now() + std::chrono::milliseconds(timeout_ms);
    while (!condition()) {
        if (clock_type::now() > until)
            return false;
        QTest::qWait(5);
    }
    return true;
}

// Moves the strip's focus mark to a button with the arrow keys.
void focus_with_keys(ClipPlayer* player, ClipButton button)
{
    while (player->focusedButton() != button)
        QTest::keyClick(player, static_cast<int>(player->focusedButton()) < static_cast<int>(button) ? Qt::Key_Right : Qt::Key_Left);
    QTest::qWait(50); // what the arrows set going settles before the key is timed
}

// Presses the focused button with Space; returns when the key was sent.
clock_type::time_point press_space(ClipPlayer* player)
{
    const auto key = clock_type::now();
    QTest::keyClick(player, Qt::Key_Space);
    return key;
}

struct figures {
    std::vector<double> values;
    void add(double v)
    {
        if (v >= 0)
            values.push_back(v);
    }
    QString text() const
    {
        if (values.empty())
            return QStringLiteral("(none)");
        std::vector<double> v = values;
        std::sort(v.begin(), v.end());
        return QStringLiteral("%1 / %2 / %3 ms")
            .arg(v.front(), 6, 'f', 1)
            .arg(v[v.size() / 2], 6, 'f', 1)
            .arg(v.back(), 6, 'f', 1);
    }
};

} // namespace

int main(int argc, char** argv)
{
    QTemporaryDir folder;
    const QString wave_file = folder.filePath(QStringLiteral("output.wav"));
    const QString config_file = folder.filePath(QStringLiteral("alsoft.conf"));
    {
        QFile config(config_file);
        if (!folder.isValid() || !config.open(QIODevice::WriteOnly))
            return 2;
        config.write("[wave]\nfile=" + QFile::encodeName(wave_file) + "\n");
    }
    // Before OpenAL is loaded, which the first play does.
    qputenv("ALSOFT_DRIVERS", "wave");
    qputenv("ALSOFT_CONF", QFile::encodeName(config_file));

    QApplication application(argc, argv);
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 5;
    QDir::setCurrent(QDir(QCoreApplication::applicationDirPath()).absoluteFilePath(QStringLiteral("..")));
    if (qEnvironmentVariableIsEmpty("DBUS_SESSION_BUS_ADDRESS"))
        std::fprintf(stderr, "no session bus: run under dbus-run-session for figures a desktop would give\n");

    register_standard_picture_formats();
    install_fonts();
    audio::openal_audio_service audio;
    TForm1 form(catalogue::load(), audio);
    form.ensurePages();
    form.show();
    form.activateWindow();
    if (!QTest::qWaitForWindowActive(&form)) {
        std::fprintf(stderr, "the window did not become active: run under xvfb-run -a\n");
        return 2;
    }
    // The window's controls, found by their object names.
    QTest::mouseClick(form.findChild<QPushButton*>(QStringLiteral("Button1")), Qt::LeftButton);
    ClipPlayer* player = form.findChild<QTabWidget*>(QStringLiteral("Section1"))->currentWidget()->findChild<ClipPlayer*>();
    const QString clip_name = clip_file_name(section_clips(catalogue::load().pages(1)).front());
    const auto clip = decode_clip(clip_name);
    if (!player || !player->isVisible() || !clip) {
        std::fprintf(stderr, "question 1's player is not shown, or %s cannot be decoded\n", qPrintable(clip_name));
        return 2;
    }
    player->setFocus(Qt::TabFocusReason);

    figures opened, closed_sample, closed_audible, open_sample, open_audible;
    for (int run = 0; run < runs; ++run) {
        if (!wait_until([&] { return !openal_output_open(); }, 15000)) {
            std::fprintf(stderr, "the output did not close\n");
            return 1;
        }
        QTest::qWait(200);
        // Output closed: the first play opens it.
        focus_with_keys(player, ClipButton::Play);
        const auto first_key = press_space(player);
        std::optional<output_clock> output;
        std::atomic<bool> stop_reading = false;
        std::thread reader([&] { output = read_output_clock(stop_reading); });
        QTest::qWait(1500);
        focus_with_keys(player, ClipButton::BackToStart);
        press_space(player);
        focus_with_keys(player, ClipButton::Play);
        QTest::qWait(250);
        // Output open: the second play, well within the idle close.
        const bool still_open = openal_output_open();
        const auto second_key = press_space(player);
        QTest::qWait(1500);
        stop_reading = true; // before the output closes
        reader.join();
        focus_with_keys(player, ClipButton::BackToStart);
        press_space(player);
        if (!output || !still_open || !wait_until([&] { return !openal_output_open(); }, 15000)) {
            std::fprintf(stderr, "run %d: the output clock could not be read, or the output closed too early\n", run + 1);
            return 1;
        }
        const auto wave = read_wave(wave_file);
        if (!wave) {
            std::fprintf(stderr, "run %d: no readable wave file\n", run + 1);
            return 1;
        }
        arrival first, second;
        locate(*wave, *clip, *output, first_key, first);
        locate(*wave, *clip, *output, second_key, second);
        const double started = ms_between(first_key, output->start);
        std::printf("run %d: output started %.1f ms; closed: first sample %.1f, audible %.1f ms; "
                    "open: first sample %.1f, audible %.1f ms (period %ld frames at %ld Hz)\n",
                    run + 1, started, first.first_sample_ms, first.first_audible_ms, second.first_sample_ms,
                    second.first_audible_ms, output->period, output->rate);
        std::fflush(stdout);
        opened.add(started);
        closed_sample.add(first.first_sample_ms);
        closed_audible.add(first.first_audible_ms);
        open_sample.add(second.first_sample_ms);
        open_audible.add(second.first_audible_ms);
    }
    const auto clip_onset = first_at_or_above(clip->peak, audible);
    std::printf("\n%s: first audible frame (-40 dBFS) %.0f ms into the clip\n", qPrintable(clip_name),
                clip_onset ? static_cast<double>(*clip_onset) * 1000.0 / static_cast<double>(clip->rate) : -1.0);
    const auto clip_nonzero = first_at_or_above(clip->peak, 1.0f / 32768.0f);
    std::printf("first non-zero frame %.0f ms into the clip\n", clip_nonzero ? static_cast<double>(*clip_nonzero) * 1000.0 / static_cast<double>(clip->rate) : -1.0);
    std::printf("after the key press, min / median / max over %d runs:\n", runs);
    std::printf("  output closed: output started          %s\n", qPrintable(opened.text()));
    std::printf("                 clip's first sample     %s\n", qPrintable(closed_sample.text()));
    std::printf("                 first audible sample    %s\n", qPrintable(closed_audible.text()));
    std::printf("  output open:   clip's first sample     %s\n", qPrintable(open_sample.text()));
    std::printf("                 first audible sample    %s\n", qPrintable(open_audible.text()));
    return 0;
}
