#pragma once
// Marks along start-up, for the start-up benchmark. Kept apart from
// startup.h so that the main window can mark its phases without depending on
// the start-up sequence that builds it.

// Notes that start-up has reached `phase`, with the time on the system's
// monotonic clock, in the logging category "parvolis.startup" (off unless
// QT_LOGGING_RULES turns it on; the start-up benchmark reads it).
void mark_startup_phase(const char* phase);
