#include "engine/engine.h"

#include "engine/number_format.h"

#include <QStringList>

using button = window_controls::button;
using menu_item = window_controls::menu_item;
using panel = window_controls::panel;
using status_panel = window_controls::status_panel;

namespace {
constexpr button start_buttons[] = {button::start1, button::start2, button::start3};
constexpr menu_item start_items[] = {menu_item::section1, menu_item::section2, menu_item::section3};
constexpr button running_buttons[] = {button::precedent, button::suivant, button::terminer};
constexpr menu_item running_items[] = {menu_item::prec, menu_item::suiv, menu_item::term};
constexpr panel result_panels[] = {panel::score1, panel::score2, panel::score3};
constexpr status_panel status_panels[] = {status_panel::section_title, status_panel::answered_count,
                                          status_panel::time_left};

bool valid_section(int n) { return n >= 1 && n <= 3; }

// The navigation buttons and their menu items: shown and offered only while
// a section runs.
void show_running_controls(window_controls& window, bool running)
{
    for (button b : running_buttons)
        window.set_button_visible(b, running);
    for (menu_item m : running_items)
        window.set_menu_item_enabled(m, running);
}

// The start buttons, their menu items and the separator under these: on the
// home screen only.
void show_start_controls(window_controls& window, bool shown)
{
    for (button b : start_buttons)
        window.set_button_visible(b, shown);
    for (menu_item m : start_items)
        window.set_menu_item_visible(m, shown);
    window.set_menu_item_visible(menu_item::separator_n2, shown);
}
}

void engine::form_create()
{
    write_key(answer_key);
    for (int n = 1; n <= 3; ++n)
        state_.score_section[n] = -1;
}

void engine::write_key(const char* key)
{
    for (int q = 1; q <= question_count; ++q)
        state_.solution[q] = key[q - 1] - 'A' + 1;
}

void engine::start_section(int n)
{
    if (!valid_section(n))
        return;
    const section_info& s = section(n);
    window_.select_first_page(n);
    window_.set_status_text(status_panel::section_title, s.titre);
    state_.section_active = n;
    countdown_ = s.duree;
    window_.set_page_set_visible(n, true);
    show_running_controls(window_, true);
    window_.start_timer();
    window_.set_button_enabled(start_buttons[n - 1], false);
    show_start_controls(window_, false);
}

void engine::tick()
{
    --countdown_;
    window_.set_status_text(status_panel::time_left, QStringLiteral("Temps restant : ") + duration_text(countdown_));
    if (countdown_ <= 0)
        finish();
}

void engine::previous_page()
{
    if (valid_section(state_.section_active))
        window_.select_previous_page(state_.section_active);
}

void engine::next_page()
{
    if (valid_section(state_.section_active))
        window_.select_next_page(state_.section_active);
}

void engine::record_answer(int numero, int value)
{
    if (numero < 1 || numero > question_count || value < 1 || value > 4)
        return;
    state_.reponse[numero] = value;
    nb_rep();
}

void engine::nb_rep()
{
    const bool started = valid_section(state_.section_active);
    // Before any section has started the count reads over section 1's 50.
    const section_info& s = section(started ? state_.section_active : 1);
    int count = 0;
    if (started)
        for (int q = s.premiere_question; q <= s.derniere_question; ++q)
            count += state_.reponse[q] != 0 ? 1 : 0;
    window_.set_status_text(status_panel::answered_count, QStringLiteral("Nombre de réponses : %1 / %2").arg(count).arg(s.nombre));
}

void engine::show_home_screen()
{
    window_.stop_timer();
    for (status_panel p : status_panels)
        window_.set_status_text(p, QString());
    for (int n = 1; n <= 3; ++n)
        window_.set_page_set_visible(n, false);
    show_running_controls(window_, false);
    show_start_controls(window_, true);
}

void engine::finish()
{
    show_home_screen();
    if (valid_section(state_.section_active))
        score_section(state_.section_active);
    const auto& c = state_.score_section;
    if (c[1] != -1 && c[2] != -1 && c[3] != -1) {
        const int half_points = total_half_points(c[1], c[2], c[3]);
        window_.set_panel_text(panel::score_total, total_text(half_points));
        window_.set_panel_text(panel::niveau, level_text(half_points));
    }
}

void engine::score_section(int n)
{
    const section_info& s = section(n);
    int correct = 0;
    for (int q = s.premiere_question; q <= s.derniere_question; ++q)
        correct += state_.reponse[q] == state_.solution[q] ? 1 : 0;
    window_.set_panel_text(result_panels[n - 1], percentage_text(correct, s.nombre));
    state_.score_section[n] = correct;
}

void engine::reinitialise()
{
    show_home_screen();
    for (button b : start_buttons)
        window_.set_button_enabled(b, true);
    for (panel p : {panel::score1, panel::score2, panel::score3, panel::score_total, panel::niveau})
        window_.set_panel_text(p, QString());
    window_.uncheck_all_options();
    for (int n = 1; n <= 3; ++n)
        window_.select_first_page(n);
    state_.reponse.fill(0);
    state_.section_active = 0;
    for (int n = 1; n <= 3; ++n)
        state_.score_section[n] = -1;
}

QString engine::percentage_text(int correct, int count)
{
    // correct × 100 / count in tenths of a percent: exact for counts 50 and 40.
    const std::int64_t tenths = static_cast<std::int64_t>(correct) * 1000 / count;
    return format_number(tenths, 1, u"##0.0%", regional_decimal_separator());
}

QString engine::time_left_in_words(std::int32_t seconds)
{
    const auto in_words = [](std::int32_t n, const char* unit) {
        return QStringLiteral("%1 %2%3").arg(n).arg(QLatin1String(unit)).arg(n > 1 ? QStringLiteral("s") : QString());
    };
    seconds = qMax(seconds, 0);
    QStringList parts;
    if (seconds >= 60)
        parts << in_words(seconds / 60, "minute");
    if (seconds % 60 != 0 || seconds == 0)
        parts << in_words(seconds % 60, "seconde");
    return QStringLiteral("Temps restant : ") + parts.join(u' ');
}

QString engine::total_text(int half_points)
{
    // Truncated toward zero to a whole number.
    return format_number(half_points / 2, 0, u"##0", regional_decimal_separator());
}

QString engine::level_text(int half_points)
{
    if (half_points < 200)
        return QStringLiteral("Niveau obtenu : niveau 0 - résultats insuffisants");
    if (half_points < 310)
        return QStringLiteral("Niveau obtenu : niveau 1 - Grade C");
    if (half_points < 420)
        return QStringLiteral("Niveau obtenu : niveau 2 - Grade B");
    return QStringLiteral("Niveau obtenu : niveau 3 - Grade A");
}
