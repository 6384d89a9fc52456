// Measures the audio service as the program's start-up uses it: opens every
// .mp3 of a folder, one after another, and reports the wall time and the
// resident memory this adds; then the delay from a play request until the
// clip's position starts to move.
//
//   bench_open_clips <ressources folder> [clips to play, default 10]

#include "platform/openal_audio_service.h"
#include "tools/resident_memory.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <thread>
#include <vector>

namespace {

using clock_type = std::chrono::steady_clock;

double ms_since(clock_type::time_point start)
{
    return std::chrono::duration<double, std::milli>(clock_type::now() - start).count();
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication application(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s <ressources folder> [clips to play]\n", argv[0]);
        return 2;
    }
    const QDir folder(QString::fromLocal8Bit(argv[1]));
    const int to_play = argc > 2 ? std::max(1, std::atoi(argv[2])) : 10;
    const QStringList names = folder.entryList({QStringLiteral("*.mp3")}, QDir::Files, QDir::Name);
    if (names.isEmpty()) {
        std::fprintf(stderr, "no .mp3 file in %s\n", argv[1]);
        return 2;
    }

    audio::openal_audio_service service;
    std::vector<audio::device_id> devices;
    const long rss_before = resident_kib();
    const auto open_start = clock_type::now();
    for (const QString& name : names) {
        audio::device_id id = 0;
        const audio::error_code error = service.open(folder.filePath(name), nullptr, id);
        if (error != 0) {
            QString text;
            service.error_text(error, text);
            std::fprintf(stderr, "%s\n", text.toLocal8Bit().constData());
            return 1;
        }
        devices.push_back(id);
    }
    const double open_ms = ms_since(open_start);
    const long rss_after_open = resident_kib();

    std::uint64_t total_length_ms = 0;
    for (audio::device_id id : devices) {
        std::uint32_t length = 0;
        service.status_length(id, length);
        total_length_ms += length;
    }

    std::printf("clips opened:            %zu (%.1f s of audio)\n", devices.size(),
                static_cast<double>(total_length_ms) / 1000.0);
    std::printf("open wall time:          %.1f ms (%.2f ms per clip)\n", open_ms,
                open_ms / static_cast<double>(devices.size()));
    std::printf("resident memory added:   %.1f MB (%ld -> %ld KiB)\n",
                static_cast<double>(rss_after_open - rss_before) / 1024.0, rss_before, rss_after_open);

    // Play a few clips in turn: time for play() to return with the source
    // playing, and until the position has moved (the mixer is consuming it).
    double worst_call = 0, worst_moving = 0, sum_call = 0, sum_moving = 0;
    const int played = std::min<int>(to_play, static_cast<int>(devices.size()));
    for (int i = 0; i < played; ++i) {
        const audio::device_id id = devices[static_cast<std::size_t>(i) * devices.size()
                                            / static_cast<std::size_t>(played)];
        const auto start = clock_type::now();
        if (service.play(id) != 0) {
            std::fprintf(stderr, "play failed\n");
            return 1;
        }
        const double call_ms = ms_since(start);
        std::uint32_t position = 0;
        while (position == 0 && ms_since(start) < 1000) {
            std::this_thread::sleep_for(std::chrono::microseconds(200));
            service.status_position(id, position);
        }
        const double moving_ms = ms_since(start);
        service.seek_to_start(id);
        worst_call = std::max(worst_call, call_ms);
        worst_moving = std::max(worst_moving, moving_ms);
        sum_call += call_ms;
        sum_moving += moving_ms;
    }
    std::printf("play request -> playing: mean %.2f ms, worst %.2f ms (%d clips)\n",
                sum_call / played, worst_call, played);
    std::printf("play request -> moving:  mean %.2f ms, worst %.2f ms\n", sum_moving / played,
                worst_moving);
    std::printf("resident memory after playing: %.1f MB above the start\n",
                static_cast<double>(resident_kib() - rss_before) / 1024.0);
    return 0;
}
