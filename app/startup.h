#pragma once
// The start-up sequence: application title, fonts, the main window and the
// About box, the event loop. Returns the process exit status.

class QApplication;

// Fonts the layout was measured in: Tahoma from Wine's metric-compatible
// files, SimHei drawn with a font that covers simplified Chinese.
void install_fonts();

int run_program(QApplication& application);

// Notes that start-up has reached `phase`, with the time on the system's
// monotonic clock, in the logging category "parvolis.startup" (off unless
// QT_LOGGING_RULES turns it on; the start-up benchmark reads it).
void mark_startup_phase(const char* phase);
