#pragma once
// The start-up sequence: application title, fonts, the main window and the
// About box, the event loop. Returns the process exit status.

#include "content/catalogue.h"
#include "platform/openal_audio_service.h"

#include <future>
#include <map>

class QApplication;

// Start-up work that needs no window system, begun before the application
// object so that it runs on another core while that object connects to the
// display: loading the font configuration, which the first text laid out
// needs, then reading the question catalogue with its pictures and
// measuring the recordings it names.
class startup_preparation {
public:
    struct content {
        catalogue questions;
        std::map<QString, audio::clip_measure> clip_measures; // by file name
    };

    startup_preparation();

    // Each waits for its part of the work.
    void wait_for_fonts();
    content take_content(); // throws AppError when the catalogue cannot be read

private:
    std::future<void> fonts_;
    std::future<content> content_;
};

// The fonts the windows are written in. Every control has a fixed size and
// position in pixels, chosen for captions in Tahoma and SimHei: Tahoma comes
// from Wine's files, which have its character widths, and SimHei is drawn
// with WenQuanYi Zen Hei, which covers simplified Chinese, so each caption
// fits its box.
void install_fonts();

// Qt's own texts (context menus, the buttons of message boxes) in French,
// whatever the user's language: the program is French. Without Qt's French
// translation installed they stay as Qt writes them.
void install_french_translations(QApplication& application);

int run_program(QApplication& application, startup_preparation& preparation);
