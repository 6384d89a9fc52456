// Measures the question pages as start-up builds them: the three page sets
// from the built-in catalogue, every page laid out (pictures decoded, the 83
// players made beforehand, not opened), repeated, with the median and the
// extremes.
//
//   QT_QPA_PLATFORM=offscreen bench_pages [runs, default 7]

#include "app/startup.h"
#include "content/catalogue.h"
#include "pages/clip_player.h"
#include "pages/question_pages.h"
#include "platform/openal_audio_service.h"
#include "platform/page_set.h"
#include "platform/picture_formats.h"

#include <QApplication>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <vector>

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    register_standard_picture_formats();
    install_fonts();
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 7;
    audio::openal_audio_service audio;

    std::vector<double> timings;
    for (int run = 0; run < runs; ++run) {
        const auto start = std::chrono::steady_clock::now();
        QWidget window;
        const catalogue questions = catalogue::load();
        for (int section = 1; section <= 3; ++section) {
            auto* set = new PageSet(PageSet::Level::TopLevel, &window);
            std::vector<ClipPlayer*> players;
            for (const QString& clip : section_clips(questions.pages(section)))
                players.push_back(new ClipPlayer(clip_file_name(clip), audio, set));
            build_question_pages(set, questions.pages(section), players);
        }
        timings.push_back(std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count());
    }
    std::sort(timings.begin(), timings.end());
    std::printf("catalogue + three page sets, %d runs: median %.1f ms (min %.1f, max %.1f)\n", runs,
                timings[timings.size() / 2], timings.front(), timings.back());
    return 0;
}
