#pragma once
// A window for the engine that records every call in order, and keeps the
// texts it was given, so step lists can be checked without widgets.

#include "engine/window_controls.h"

#include <QStringList>
#include <array>
#include <map>

class engine_recorder : public window_controls {
public:
    QStringList calls;
    std::array<QString, 3> status; // by status_panel, left to right
    std::map<panel, QString> panels;
    bool timer_running = false;

    void select_first_page(int s) override { log(QStringLiteral("first_page %1").arg(s)); }
    void select_next_page(int s) override { log(QStringLiteral("next_page %1").arg(s)); }
    void select_previous_page(int s) override { log(QStringLiteral("previous_page %1").arg(s)); }
    void set_page_set_visible(int s, bool v) override { log(QStringLiteral("page_set %1 %2").arg(s).arg(v)); }
    void uncheck_all_options() override { log(QStringLiteral("uncheck_all")); }
    void set_status_text(status_panel p, const QString& t) override
    {
        status[static_cast<std::size_t>(p)] = t;
        log(QStringLiteral("status %1 %2").arg(int(p)).arg(t));
    }
    void set_button_visible(button b, bool v) override { log(QStringLiteral("button_visible %1 %2").arg(int(b)).arg(v)); }
    void set_button_enabled(button b, bool e) override { log(QStringLiteral("button_enabled %1 %2").arg(int(b)).arg(e)); }
    void set_menu_item_visible(menu_item m, bool v) override { log(QStringLiteral("menu_visible %1 %2").arg(int(m)).arg(v)); }
    void set_menu_item_enabled(menu_item m, bool e) override { log(QStringLiteral("menu_enabled %1 %2").arg(int(m)).arg(e)); }
    void set_panel_text(panel p, const QString& t) override
    {
        panels[p] = t;
        log(QStringLiteral("panel %1 %2").arg(int(p)).arg(t));
    }
    void start_timer() override { timer_running = true; log(QStringLiteral("timer start")); }
    void stop_timer() override { timer_running = false; log(QStringLiteral("timer stop")); }

private:
    void log(const QString& call) { calls << call; }
};
