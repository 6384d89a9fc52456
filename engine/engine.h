#pragma once
// The step lists of the test: starting a section, the countdown, moving
// between pages, recording answers, finishing and scoring, reinitialising.
// Each operation performs its steps in the order the candidate's screen
// depends on, on the window's controls given at construction.

#include "engine/test_state.h"
#include "engine/window_controls.h"

class engine {
public:
    explicit engine(window_controls& window) : window_(window) {}

    // Window creation: writes the key, marks the three sections not taken.
    void form_create();
    // Writes the key of the paper being sat: 140 letters A to D.
    void write_key(const char* key);

    void start_section(int n);      // Button1Click … Button3Click
    void tick();                    // Timer1Timer
    void previous_page();           // precedentClick
    void next_page();               // suivantClick
    // Reponse_A … Reponse_D: value 1 to 4 for the question the checked option
    // carries. Numbers outside 1 to 140 and values outside 1 to 4 are ignored.
    void record_answer(int numero, int value);
    void nb_rep();                  // refresh the answered count
    void finish();                  // terminerClick
    void reinitialise();            // menu_initClick

    const test_state& state() const { return state_; }
    // The whole seconds left; the window reads them for the time shown in
    // the status bar as assistive technology reads it.
    std::int32_t countdown() const { return countdown_; }
    // "Temps restant : 34 minutes 5 secondes", for a screen reader.
    static QString time_left_in_words(std::int32_t seconds);

    // The texts of the result panels.
    static QString percentage_text(int correct, int count);
    static QString total_text(int half_points);
    static QString level_text(int half_points);
    static int total_half_points(int c1, int c2, int c3) { return 4 * c1 + 5 * c2 + 4 * c3; }

private:
    void show_home_screen();        // back to the home screen: where finishing and reinitialising begin
    void score_section(int n);

    window_controls& window_;
    test_state state_;
    std::int32_t countdown_ = 0;    // whole seconds left in the running section
};
