// Running, finishing, scoring and reinitialising sections through the real
// window: the candidate's buttons, keys and menu, and the countdown's ticks.

#include "app_fixture.h"
#include "engine/papers.h"
#include "pages_driver.h"
#include "platform/bevel_panel.h"
#include "platform/status_panels.h"

#include <QTimer>

namespace {
QString status(const main_window_driver& f, int i) { return f.StatusBar()->text(i); }

bool home_screen(const main_window_driver& f)
{
    return f.Button1()->isVisible() && f.Button2()->isVisible() && f.Button3()->isVisible()
        && !f.terminer()->isVisible() && !f.suivant()->isVisible() && !f.precedent()->isVisible()
        && !f.Section1()->isVisible() && !f.Section2()->isVisible() && !f.Section3()->isVisible()
        && f.menu_section1()->isVisible() && f.N2()->isVisible() && !f.menu_term()->isEnabled()
        && !f.Timer1()->isActive() && status(f, 0).isEmpty() && status(f, 1).isEmpty() && status(f, 2).isEmpty();
}

void tick(const main_window_driver& f, int times)
{
    for (int i = 0; i < times; ++i)
        f.window().Timer1Timer();
}

// A whole test sat as a candidate would, answering from `key`: section 1
// with the mouse, section 2 with the keyboard alone, section 3 with both;
// the last `wrong2` answers of section 2 and `wrong3` of section 3 wrong.
void sit_whole_test(const main_window_driver& f, const char* key, int wrong2, int wrong3, const QString& total, const QString& level)
{
    const auto right = [key](int q) { return key[q - 1] - 'A' + 1; };
    // Section 1, mouse: every answer right.
    QTest::mouseClick(f.Button1(), Qt::LeftButton);
    for (int q = 1; q <= 50; ++q) {
        RadioOption* keyed = f.option(q, right(q) - 1);
        bring_into_view(f, keyed);
        QTest::mouseClick(keyed, Qt::LeftButton);
        QCOMPARE(status(f, 1), QStringLiteral("Nombre de réponses : %1 / 50").arg(q));
    }
    QTest::mouseClick(f.terminer(), Qt::LeftButton);
    QCOMPARE(f.score1()->text(), QStringLiteral("100.0%"));

    // Section 2, keyboard: Tab to the start button, Space; on each page
    // Tab into the page (its focus holder), Down to the letter, Ctrl+Tab on.
    QCOMPARE(QApplication::focusWidget(), f.Button2()); // the next enabled start button
    QTest::keyClick(f.Button2(), Qt::Key_Space);
    QVERIFY(f.Section2()->isVisible());
    QCOMPARE(QApplication::focusWidget(), f.suivant()); // the screen's first control
    for (int i = 0; i < 3; ++i) // past "<< Question précédente" and the tab strip, into the page
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QVERIFY(qobject_cast<FocusHolder*>(QApplication::focusWidget()));
    QCOMPARE(f.answer(51), 0); // tabbing in chose nothing
    for (int q = 51; q <= 90; ++q) {
        const int wanted = q <= 90 - wrong2 ? right(q) : right(q) % 4 + 1;
        for (int i = 0; i < wanted; ++i)
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
        QCOMPARE(f.answer(q), wanted);
        QCOMPARE(QApplication::focusWidget(), f.option(q, wanted - 1));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab, Qt::ControlModifier);
    }
    QCOMPARE(f.Section2()->currentIndex(), 0); // wrapped round
    QCOMPARE(status(f, 1), QStringLiteral("Nombre de réponses : 40 / 40"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
    QCOMPARE(f.score2()->text(), engine::percentage_text(40 - wrong2, 40));
    QVERIFY(f.score_total()->text().isEmpty());

    // Section 3: mouse on the sub-page tabs and options.
    f.menu_section3()->trigger();
    for (int q = 91; q <= 140; ++q) {
        const int wanted = q <= 140 - wrong3 ? right(q) : right(q) % 4 + 1;
        RadioOption* option = f.option(q, wanted - 1);
        bring_into_view(f, option);
        QTest::mouseClick(option, Qt::LeftButton);
    }
    QCOMPARE(status(f, 1), QStringLiteral("Nombre de réponses : 50 / 50"));
    f.menu_term()->trigger();
    QCOMPARE(f.score3()->text(), engine::percentage_text(50 - wrong3, 50));
    QCOMPARE(f.score_total()->text(), total);
    QCOMPARE(f.niveau()->text(), level);
    QVERIFY(home_screen(f));
}
}

class SectionFlow : public main_window_fixture {
    Q_OBJECT
private slots:
    void starting_shows_first_page_title_and_empty_panels()
    {
        QVERIFY(show());
        f.Section3()->setCurrentIndex(5);
        QTest::mouseClick(f.Button3(), Qt::LeftButton);
        QVERIFY(f.Section3()->isVisible() && f.Section3()->currentIndex() == 0);
        QCOMPARE(status(f, 0), QStringLiteral("Section 3 : compréhension écrite"));
        QVERIFY(status(f, 1).isEmpty() && status(f, 2).isEmpty());
        QVERIFY(f.Timer1()->isActive() && f.terminer()->isVisible() && f.menu_prec()->isEnabled());
        QVERIFY(!f.Button1()->isVisible() && !f.menu_section3()->isVisible() && !f.N2()->isVisible());
        QVERIFY(!f.Button3()->isEnabled() && f.Button1()->isEnabled());
        // The timer ticks once a second; one tick, given without the wait.
        QCOMPARE(f.Timer1()->interval(), 1000);
        f.tick();
        QCOMPARE(status(f, 2), QStringLiteral("Temps restant : 59'59\""));
        QVERIFY(status(f, 1).isEmpty());
    }

    void countdown_to_zero_scores_in_the_same_tick()
    {
        QVERIFY(show());
        f.Button1()->click();
        QTest::mouseClick(f.option(1, f.key(1) - 1), Qt::LeftButton);
        tick(f, 1);
        QCOMPARE(status(f, 2), QStringLiteral("Temps restant : 34'59\""));
        tick(f, 2100 - 1 - 60);
        QCOMPARE(status(f, 2), QStringLiteral("Temps restant : 1'00\""));
        tick(f, 1);
        QCOMPARE(status(f, 2), QStringLiteral("Temps restant : 0'59\""));
        tick(f, 54);
        QCOMPARE(status(f, 2), QStringLiteral("Temps restant : 0'05\""));
        tick(f, 4);
        QVERIFY(f.Section1()->isVisible());
        tick(f, 1); // 0'00": finished at once
        QVERIFY(home_screen(f));
        QCOMPARE(f.score1()->text(), QStringLiteral("2.0%"));
    }

    void the_ways_to_finish_score_alike()
    {
        QVERIFY(show());
        const std::function<void()> ways[] = {
            [&] { QTest::mouseClick(f.terminer(), Qt::LeftButton); },
            [&] { f.menu_term()->trigger(); },
            [&] { QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape); },
        };
        for (const auto& finish : ways) {
            f.menu_section2()->trigger();
            tick(f, 3);
            bring_into_view(f, f.option(53, 0));
            QTest::mouseClick(f.option(53, f.key(53) - 1), Qt::LeftButton);
            finish();
            QVERIFY(home_screen(f));
            QCOMPARE(f.score2()->text(), QStringLiteral("2.5%"));
            QVERIFY(!f.Button2()->isEnabled()); // greyed until reinitialised
            QVERIFY(f.option(53, f.key(53) - 1)->isChecked());
            QVERIFY(f.score_total()->text().isEmpty() && f.niveau()->text().isEmpty());
        }
    }

    void rerunning_a_finished_section_from_the_menu()
    {
        QVERIFY(show());
        f.Button1()->click();
        QTest::mouseClick(f.option(1, 0), Qt::LeftButton);
        form->suivantClick();
        tick(f, 100);
        form->terminerClick();
        QVERIFY(!f.Button1()->isEnabled());
        f.menu_section1()->trigger();
        QVERIFY(f.Section1()->currentIndex() == 0 && f.Section2()->currentIndex() == 0);
        QVERIFY(f.option(1, 0)->isChecked());
        QVERIFY(status(f, 1).isEmpty() && status(f, 2).isEmpty());
        tick(f, 1);
        QCOMPARE(status(f, 2), QStringLiteral("Temps restant : 34'59\"")); // a full countdown
        QTest::mouseClick(f.option(1, 1), Qt::LeftButton);
        QCOMPARE(status(f, 1), QStringLiteral("Nombre de réponses : 1 / 50"));
    }

    void initialiser_abandons_the_running_section()
    {
        QVERIFY(show());
        f.Button1()->click();
        QTest::mouseClick(f.option(1, f.key(1) - 1), Qt::LeftButton);
        ClipPlayer* player = f.clip_players().front();
        QTest::mouseClick(player, Qt::LeftButton, {}, player->buttonBounds(ClipButton::Play).center());
        QVERIFY(!player->isAvailable(ClipButton::Play));
        form->terminerClick();
        f.Button2()->click();
        QTest::mouseClick(f.option(51, 0), Qt::LeftButton);
        f.menu_init()->trigger();
        QVERIFY(home_screen(f));
        QVERIFY(f.score1()->text().isEmpty() && f.score2()->text().isEmpty());
        QVERIFY(f.Button1()->isEnabled() && f.Button2()->isEnabled() && f.Button3()->isEnabled());
        QVERIFY(!f.option(1, f.key(1) - 1)->isChecked() && !f.option(51, 0)->isChecked());
        form->suivantClick(); // no section runs: the pages stay where they were
        QVERIFY(f.Section1()->currentIndex() == 0 && f.Section2()->currentIndex() == 0);
        QVERIFY(!player->isAvailable(ClipButton::Play)); // the clip plays on
    }

    // A whole test sat as a candidate would: section 1 with the mouse,
    // section 2 with the keyboard alone, section 3 with both.
    void a_whole_test()
    {
        QVERIFY(show());
        // (4 × 50 + 5 × 30 + 4 × 45) / 2 = 265
        sit_whole_test(f, paper_table().front().cle, 10, 5, QStringLiteral("265"),
                       QStringLiteral("Niveau obtenu : niveau 3 - Grade A"));
    }

    // In one run, every paper after the first, then paper 1 again, each sat
    // right through with its own key.
    void every_paper_sat_with_its_key_in_one_run()
    {
        QVERIFY(show());
        for (std::size_t i = 1; i <= paper_table().size(); ++i) {
            const std::size_t n = i % paper_table().size();
            f.menu_init()->trigger(); // nothing to lose: the switch asks nothing
            f.menu_epreuve().at(n)->trigger();
            QCOMPARE(f.checked_paper(), int(n + 1));
            sit_whole_test(f, paper_table()[n].cle, 0, 0, QStringLiteral("300"),
                           QStringLiteral("Niveau obtenu : niveau 3 - Grade A"));
        }
    }
};

QTEST_MAIN(SectionFlow)
#include "test_app_section_flow.moc"
