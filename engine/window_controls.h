#pragma once
// What the engine needs of the main window's controls. The main window
// implements it with real widgets; tests implement it with a recorder, so
// every step order can be checked without a window.

#include <QString>

class window_controls {
public:
    enum class button { precedent, suivant, terminer, start1, start2, start3 };
    enum class menu_item { section1, section2, section3, separator_n2, prec, suiv, term };
    enum class panel { score1, score2, score3, score_total, niveau };
    // The status bar's three text panels, left to right.
    enum class status_panel { section_title, answered_count, time_left };

    virtual ~window_controls() = default;

    // Page set of section 1 to 3.
    virtual void select_first_page(int section) = 0;
    virtual void select_next_page(int section) = 0;
    virtual void select_previous_page(int section) = 0;
    virtual void set_page_set_visible(int section, bool visible) = 0;
    // Unchecks all 560 answer options without any answer being recorded.
    virtual void uncheck_all_options() = 0;

    virtual void set_status_text(status_panel p, const QString& text) = 0;
    virtual void set_button_visible(button b, bool visible) = 0;
    virtual void set_button_enabled(button b, bool enabled) = 0;
    virtual void set_menu_item_visible(menu_item m, bool visible) = 0;
    virtual void set_menu_item_enabled(menu_item m, bool enabled) = 0;
    virtual void set_panel_text(panel p, const QString& text) = 0;

    virtual void start_timer() = 0;
    virtual void stop_timer() = 0;
};
