// The engine's step lists, in order, and the texts it writes, without a window.

#include "engine/engine.h"
#include "engine_recorder.h"

#include <QtTest>

using button = window_controls::button;
using menu_item = window_controls::menu_item;
using panel = window_controls::panel;

namespace {
QString b(button x) { return QString::number(int(x)); }
QString m(menu_item x) { return QString::number(int(x)); }

// Back to the home screen, where finishing and reinitialising begin.
QStringList home_screen_calls()
{
    return {
        "timer stop",
        "status 0 ", "status 1 ", "status 2 ",
        "page_set 1 0", "page_set 2 0", "page_set 3 0",
        "button_visible " + b(button::precedent) + " 0",
        "button_visible " + b(button::suivant) + " 0",
        "button_visible " + b(button::terminer) + " 0",
        "menu_enabled " + m(menu_item::prec) + " 0",
        "menu_enabled " + m(menu_item::suiv) + " 0",
        "menu_enabled " + m(menu_item::term) + " 0",
        "button_visible " + b(button::start1) + " 1",
        "button_visible " + b(button::start2) + " 1",
        "button_visible " + b(button::start3) + " 1",
        "menu_visible " + m(menu_item::section1) + " 1",
        "menu_visible " + m(menu_item::section2) + " 1",
        "menu_visible " + m(menu_item::section3) + " 1",
        "menu_visible " + m(menu_item::separator_n2) + " 1",
    };
}

// Answers every question of section n with the key, wrong, or not at all,
// so that exactly `correct` are right.
void answer(engine& e, int n, int correct)
{
    const section_info& s = section(n);
    for (int q = s.premiere_question; q <= s.derniere_question; ++q) {
        const int key = e.state().solution[q];
        e.record_answer(q, q - s.premiere_question < correct ? key : key % 4 + 1);
    }
}

// Finishes section n with `correct` right answers.
void run_section(engine& e, int n, int correct)
{
    e.start_section(n);
    answer(e, n, correct);
    e.finish();
}
}

class EngineSteps : public QObject {
    Q_OBJECT
private slots:
    void form_create_writes_key_and_untaken_sections()
    {
        engine_recorder w;
        engine e(w);
        e.form_create();
        QVERIFY(w.calls.isEmpty()); // no control is touched
        const auto& st = e.state();
        QCOMPARE(st.solution[1], 2);
        QCOMPARE(st.solution[50], 2);
        QCOMPARE(st.solution[51], 4);
        QCOMPARE(st.solution[90], 2);
        QCOMPARE(st.solution[91], 2);
        QCOMPARE(st.solution[140], 2);
        // Letter spread per section: A B C D.
        const int expected[3][4] = {{13, 13, 12, 12}, {10, 10, 10, 10}, {12, 13, 12, 13}};
        for (int n = 1; n <= 3; ++n) {
            int counts[4] = {};
            for (int q = section(n).premiere_question; q <= section(n).derniere_question; ++q) {
                QVERIFY(st.solution[q] >= 1 && st.solution[q] <= 4);
                ++counts[st.solution[q] - 1];
            }
            for (int l = 0; l < 4; ++l)
                QCOMPARE(counts[l], expected[n - 1][l]);
            QCOMPARE(st.score_section[n], -1);
        }
        QCOMPARE(st.section_active, 0);
    }

    void start_section_in_order()
    {
        engine_recorder w;
        engine e(w);
        e.form_create();
        e.start_section(2);
        const QStringList expected = {
            "first_page 2",
            "status 0 Section 2 : structures grammaticales",
            "page_set 2 1",
            "button_visible " + b(button::precedent) + " 1",
            "button_visible " + b(button::suivant) + " 1",
            "button_visible " + b(button::terminer) + " 1",
            "menu_enabled " + m(menu_item::prec) + " 1",
            "menu_enabled " + m(menu_item::suiv) + " 1",
            "menu_enabled " + m(menu_item::term) + " 1",
            "timer start",
            "button_enabled " + b(button::start2) + " 0",
            "button_visible " + b(button::start1) + " 0",
            "button_visible " + b(button::start2) + " 0",
            "button_visible " + b(button::start3) + " 0",
            "menu_visible " + m(menu_item::section1) + " 0",
            "menu_visible " + m(menu_item::section2) + " 0",
            "menu_visible " + m(menu_item::section3) + " 0",
            "menu_visible " + m(menu_item::separator_n2) + " 0",
        };
        QCOMPARE(w.calls, expected);
        QCOMPARE(e.state().section_active, 2);
        QCOMPARE(e.countdown(), 2400);
        QVERIFY(w.status[1].isEmpty() && w.status[2].isEmpty());
    }

    void countdown_texts()
    {
        engine_recorder w;
        engine e(w);
        e.form_create();
        const char* first_tick[] = {"Temps restant : 34'59\"", "Temps restant : 39'59\"", "Temps restant : 59'59\""};
        for (int n = 1; n <= 3; ++n) {
            e.start_section(n);
            e.tick();
            QCOMPARE(w.status[2], QString::fromUtf8(first_tick[n - 1]));
            e.finish();
        }
        e.start_section(1);
        while (e.countdown() > 61)
            e.tick();
        e.tick();
        QCOMPARE(w.status[2], QStringLiteral("Temps restant : 1'00\""));
        e.tick();
        QCOMPARE(w.status[2], QStringLiteral("Temps restant : 0'59\""));
        while (e.countdown() > 6)
            e.tick();
        e.tick();
        QCOMPARE(w.status[2], QStringLiteral("Temps restant : 0'05\""));
        QVERIFY(w.timer_running);
    }

    void last_tick_shows_zero_then_finishes_in_same_tick()
    {
        engine_recorder w;
        engine e(w);
        e.form_create();
        e.start_section(3);
        int ticks = 0;
        while (w.timer_running) {
            w.calls.clear();
            e.tick();
            ++ticks;
        }
        QCOMPARE(ticks, 3600); // as many ticks as seconds
        QCOMPARE(w.calls.value(0), QStringLiteral("status 2 Temps restant : 0'00\""));
        QCOMPARE(w.calls.value(1), QStringLiteral("timer stop"));
        QVERIFY(w.status[0].isEmpty() && w.status[1].isEmpty() && w.status[2].isEmpty());
        QCOMPARE(w.panels[panel::score3], QStringLiteral("0.0%"));
        QCOMPARE(e.state().score_section[3], 0);
    }

    void finish_in_order()
    {
        engine_recorder w;
        engine e(w);
        e.form_create();
        e.start_section(1);
        answer(e, 1, 45);
        w.calls.clear();
        e.finish();
        const QStringList expected = home_screen_calls() << "panel " + QString::number(int(panel::score1)) + " 90.0%";
        QCOMPARE(w.calls, expected); // start buttons' enabled state untouched, no total yet
        QCOMPARE(e.state().section_active, 1); // kept until the next start
        QCOMPARE(e.state().score_section[1], 45);
        QCOMPARE(e.state().reponse[1], e.state().solution[1]); // answers kept
    }

    void answered_count()
    {
        engine_recorder w;
        engine e(w);
        e.form_create();
        e.start_section(2);
        e.record_answer(51, 3);
        QCOMPARE(w.status[1], QStringLiteral("Nombre de réponses : 1 / 40"));
        e.record_answer(51, 2); // another letter, same question: count unchanged
        QCOMPARE(w.status[1], QStringLiteral("Nombre de réponses : 1 / 40"));
        QCOMPARE(e.state().reponse[51], 2);
        e.finish();
        e.start_section(3);
        e.record_answer(140, 1);
        QCOMPARE(w.status[1], QStringLiteral("Nombre de réponses : 1 / 50"));
        // Navigation and ticks never refresh the count.
        w.calls.clear();
        e.next_page();
        e.previous_page();
        e.tick();
        QCOMPARE(w.calls, (QStringList{"next_page 3", "previous_page 3", "status 2 Temps restant : 59'59\""}));
    }

    void writes_stay_inside_the_test()
    {
        engine_recorder w;
        engine e(w);
        e.form_create();
        e.start_section(1);
        const test_state before = e.state();
        for (int q : {-5, 0, 141, 1000})
            e.record_answer(q, 1);
        e.record_answer(5, 0);
        e.record_answer(5, 7);
        QVERIFY(e.state().reponse == before.reponse);
        QVERIFY(e.state().score_section == before.score_section);
        QVERIFY(w.status[1].isEmpty());
        e.start_section(0);
        e.start_section(4);
        QCOMPARE(e.state().section_active, 1);
    }

    void navigation_needs_a_running_section()
    {
        engine_recorder w;
        engine e(w);
        e.form_create();
        e.next_page();
        e.previous_page();
        QVERIFY(w.calls.isEmpty());
    }

    void same_letter_everywhere()
    {
        // One letter for every question: the key's letter spread decides.
        const int expected[4][3] = {{13, 10, 12}, {13, 10, 13}, {12, 10, 12}, {12, 10, 13}};
        for (int letter = 1; letter <= 4; ++letter) {
            engine_recorder w;
            engine e(w);
            e.form_create();
            for (int n = 1; n <= 3; ++n) {
                e.start_section(n);
                for (int q = section(n).premiere_question; q <= section(n).derniere_question; ++q)
                    e.record_answer(q, letter);
                e.finish();
                QCOMPARE(e.state().score_section[n], expected[letter - 1][n - 1]);
            }
        }
    }

    void totals_and_levels_data()
    {
        QTest::addColumn<int>("c1");
        QTest::addColumn<int>("c2");
        QTest::addColumn<int>("c3");
        QTest::addColumn<QString>("total");
        QTest::addColumn<QString>("level");
        const QString l0 = "Niveau obtenu : niveau 0 - résultats insuffisants";
        const QString l1 = "Niveau obtenu : niveau 1 - Grade C";
        const QString l2 = "Niveau obtenu : niveau 2 - Grade B";
        const QString l3 = "Niveau obtenu : niveau 3 - Grade A";
        QTest::newRow("all right") << 50 << 40 << 50 << "300" << l3;
        QTest::newRow("none") << 0 << 0 << 0 << "0" << l0;
        QTest::newRow("100") << 50 << 0 << 0 << "100" << l1;
        QTest::newRow("99.5") << 46 << 3 << 0 << "99" << l0;
        QTest::newRow("155") << 50 << 2 << 25 << "155" << l2;
        QTest::newRow("154.5") << 50 << 1 << 26 << "154" << l1;
        QTest::newRow("210") << 50 << 12 << 40 << "210" << l3;
        QTest::newRow("209.5") << 50 << 7 << 46 << "209" << l2;
        QTest::newRow("0 34 35 exactly 155") << 0 << 34 << 35 << "155" << l2;
        QTest::newRow("4 28 11 exactly 100") << 4 << 28 << 11 << "100" << l1;
        QTest::newRow("182.5 truncated") << 25 << 33 << 25 << "182" << l2;
    }

    void totals_and_levels()
    {
        QFETCH(int, c1);
        QFETCH(int, c2);
        QFETCH(int, c3);
        engine_recorder w;
        engine e(w);
        e.form_create();
        run_section(e, 1, c1);
        run_section(e, 2, c2);
        QVERIFY(!w.panels.count(panel::score_total) && !w.panels.count(panel::niveau));
        run_section(e, 3, c3);
        QTEST(w.panels[panel::score_total], "total");
        QTEST(w.panels[panel::niveau], "level");
    }

    void percentages_data()
    {
        QTest::addColumn<int>("n");
        QTest::addColumn<int>("correct");
        QTest::addColumn<QString>("shown");
        QTest::newRow("45 of 50") << 1 << 45 << "90.0%";
        QTest::newRow("37 of 40") << 2 << 37 << "92.5%";
        QTest::newRow("1 of 40") << 2 << 1 << "2.5%";
        QTest::newRow("39 of 40") << 2 << 39 << "97.5%";
        QTest::newRow("none") << 3 << 0 << "0.0%";
        QTest::newRow("full") << 3 << 50 << "100.0%";
    }

    void percentages()
    {
        QFETCH(int, n);
        QFETCH(int, correct);
        engine_recorder w;
        engine e(w);
        e.form_create();
        run_section(e, n, correct);
        const panel p = n == 1 ? panel::score1 : n == 2 ? panel::score2 : panel::score3;
        QTEST(w.panels[p], "shown");
        QCOMPARE(e.state().score_section[n], correct);
    }

    void rerun_replaces_result()
    {
        engine_recorder w;
        engine e(w);
        e.form_create();
        run_section(e, 1, 50);
        run_section(e, 2, 40);
        run_section(e, 3, 50);
        QCOMPARE(w.panels[panel::score_total], QStringLiteral("300"));
        e.start_section(2);
        QCOMPARE(e.countdown(), 2400);
        QCOMPARE(e.state().reponse[51], e.state().solution[51]); // earlier answers kept
        for (int q = 51; q <= 90; ++q)
            e.record_answer(q, e.state().solution[q] % 4 + 1);
        e.finish();
        QCOMPARE(w.panels[panel::score2], QStringLiteral("0.0%"));
        QCOMPARE(w.panels[panel::score_total], QStringLiteral("200"));
        QCOMPARE(w.panels[panel::niveau], QStringLiteral("Niveau obtenu : niveau 2 - Grade B"));
    }

    void finish_after_reinitialise_scores_nothing()
    {
        engine_recorder w;
        engine e(w);
        e.form_create();
        run_section(e, 1, 50);
        run_section(e, 2, 0);
        run_section(e, 3, 0);
        e.reinitialise();
        w.calls.clear();
        e.finish(); // section_active 0: home screen only, nothing known
        QVERIFY(!w.calls.join('\n').contains("panel"));
    }

    void reinitialise_in_order()
    {
        engine_recorder w;
        engine e(w);
        e.form_create();
        run_section(e, 1, 10);
        e.start_section(3);
        e.record_answer(100, 2);
        w.calls.clear();
        e.reinitialise();
        QStringList expected = home_screen_calls() + QStringList{
            "button_enabled " + b(button::start1) + " 1",
            "button_enabled " + b(button::start2) + " 1",
            "button_enabled " + b(button::start3) + " 1",
        };
        for (panel p : {panel::score1, panel::score2, panel::score3, panel::score_total, panel::niveau})
            expected << "panel " + QString::number(int(p)) + " ";
        expected << "uncheck_all" << "first_page 1" << "first_page 2" << "first_page 3";
        QCOMPARE(w.calls, expected); // the abandoned section is not scored
        const auto& st = e.state();
        for (int q = 1; q <= question_count; ++q)
            QCOMPARE(st.reponse[q], 0);
        QCOMPARE(st.section_active, 0);
        for (int n = 1; n <= 3; ++n)
            QCOMPARE(st.score_section[n], -1);
        QCOMPARE(st.solution[1], 2); // the key survives

        // Only one section finished since: no total.
        run_section(e, 2, 40);
        QCOMPARE(w.panels[panel::score_total], QString());
    }
};

QTEST_GUILESS_MAIN(EngineSteps)
#include "test_engine_steps.moc"
