// Answer options through real mouse and keyboard events: what gets checked,
// what gets reported, and where the focus goes.

#include "platform/keyboard_order.h"
#include "question_window_fixture.h"

#include <QScrollBar>

namespace {
enum { A, B, C, D };
}

class PlatformRadio : public QObject {
    Q_OBJECT
private slots:
    void mouse_press_focuses_and_release_checks()
    {
        QuestionWindow w;
        QVERIFY(w.showActive());
        const Question& q1 = w.q[1];

        QTest::mousePress(q1[B], Qt::LeftButton);
        QCOMPARE(w.focus(), q1[B]);
        QVERIFY(!q1[B]->isChecked());
        QVERIFY(w.answers.isEmpty());

        QTest::mouseRelease(q1[B], Qt::LeftButton);
        QVERIFY(q1[B]->isChecked());
        QCOMPARE(w.answers, QStringList {"1B"});

        // Released away from the option: focused, not checked, nothing reported.
        QTest::mousePress(q1[D], Qt::LeftButton);
        QTest::mouseRelease(q1[D], Qt::LeftButton, {}, QPoint(-30, 5));
        QCOMPARE(w.focus(), q1[D]);
        QVERIFY(!q1[D]->isChecked());
        QVERIFY(q1[B]->isChecked());

        // The whole control answers, not only its caption.
        QTest::mouseClick(q1[C], Qt::LeftButton, {}, QPoint(190, 12));
        QCOMPARE(w.answers, (QStringList {"1B", "1C"}));
    }

    void checking_unchecks_the_group_and_reports_once()
    {
        QuestionWindow w;
        QVERIFY(w.showActive());
        const Question& q1 = w.q[1];

        w.click(q1[A]);
        w.click(q1[C]);
        QCOMPARE(w.answers, (QStringList {"1A", "1C"}));
        QCOMPARE(q1.checkedCount(), 1);
        QVERIFY(q1[C]->isChecked());
        for (int letter : {A, B, D})
            QVERIFY2(!is_tab_stop(q1[letter]), qPrintable(q1[letter]->text()));
        QVERIFY(is_tab_stop(q1[C]));

        // Clicking the checked option, or pressing Space on it, reports nothing.
        w.click(q1[C]);
        w.key(Qt::Key_Space);
        QVERIFY(q1[C]->isChecked());
        QCOMPARE(w.answers, (QStringList {"1A", "1C"}));
    }

    void groups_are_the_options_of_one_container()
    {
        QuestionWindow w;
        w.set->setCurrentWidget(w.pages[2]);
        QVERIFY(w.showActive());
        const Question& q3 = w.q[3];
        const Question& q4 = w.q[4];

        w.click(q3[A]);
        w.click(q4[C]);
        w.click(q3[B]);
        QCOMPARE(w.answers, (QStringList {"3A", "4C", "3B"}));
        QVERIFY(q3[B]->isChecked());
        QVERIFY(q4[C]->isChecked());
        QCOMPARE(q3.checkedCount(), 1);
        QCOMPARE(q4.checkedCount(), 1);
        QCOMPARE(w.checkedOnPages(), 2);
    }

    void uncheck_reports_nothing_and_leaves_the_tab_order()
    {
        QuestionWindow w;
        QVERIFY(w.showActive());
        const Question& q1 = w.q[1];
        w.click(q1[D]);
        QCOMPARE(w.answers, QStringList {"1D"});

        QSignalSpy toggles(q1[D], &QAbstractButton::toggled);
        q1[D]->uncheck();
        QVERIFY(!q1[D]->isChecked());
        QVERIFY(!is_tab_stop(q1[D]));
        QCOMPARE(toggles.count(), 1);
        QCOMPARE(w.answers, QStringList {"1D"});

        // The unchecked option can be checked again, and reports it.
        w.click(q1[D]);
        QCOMPARE(w.answers, (QStringList {"1D", "1D"}));
    }

    void tab_stops_only_at_the_checked_option()
    {
        QuestionWindow w;
        QVERIFY(w.showActive());
        const Question& q1 = w.q[1];
        QTabBar* strip = w.set->tabBar();

        // Nothing checked: the strip, then the holder, then back outside.
        w.key(Qt::Key_Tab);
        QCOMPARE(w.focus(), strip);
        w.key(Qt::Key_Tab);
        QCOMPARE(w.focus(), q1.holder);
        w.key(Qt::Key_Tab);
        QCOMPARE(w.focus(), w.outside);

        w.click(q1[B]);
        w.outside->setFocus();
        w.key(Qt::Key_Tab);
        w.key(Qt::Key_Tab);
        QCOMPARE(w.focus(), q1[B]);
        w.key(Qt::Key_Tab);
        QCOMPARE(w.focus(), q1.holder);
        w.key(Qt::Key_Tab, Qt::ShiftModifier);
        QCOMPARE(w.focus(), q1[B]);
        w.key(Qt::Key_Tab, Qt::ShiftModifier);
        QCOMPARE(w.focus(), strip);
        QCOMPARE(w.answers, QStringList {"1B"});
        QCOMPARE(q1.checkedCount(), 1);
    }

    void arrows_move_the_check_through_options_and_holder()
    {
        QuestionWindow w;
        QVERIFY(w.showActive());
        const Question& q1 = w.q[1];

        w.click(q1[D]);
        w.key(Qt::Key_Down);  // D -> holder: no answer changes
        QCOMPARE(w.focus(), q1.holder);
        QVERIFY(q1[D]->isChecked());
        QCOMPARE(w.answers, QStringList {"1D"});

        w.key(Qt::Key_Down);  // holder -> A, checked and reported
        QCOMPARE(w.focus(), q1[A]);
        w.key(Qt::Key_Right);  // A -> B
        w.key(Qt::Key_Up);  // B -> A
        w.key(Qt::Key_Left);  // A -> holder (wraps backwards)
        QCOMPARE(w.focus(), q1.holder);
        w.key(Qt::Key_Left);  // holder -> D
        QCOMPARE(w.focus(), q1[D]);
        w.key(Qt::Key_Down);  // D -> holder
        w.key(Qt::Key_Up);  // holder -> D, already checked: nothing new
        QCOMPARE(w.answers, (QStringList {"1D", "1A", "1B", "1A", "1D"}));
        QVERIFY(q1[D]->isChecked());
        QCOMPARE(q1.checkedCount(), 1);
        QCOMPARE(w.checkedOnPages(), 1);
    }

    void arrows_stay_inside_their_container()
    {
        QuestionWindow w;
        w.set->setCurrentWidget(w.pages[2]);
        QVERIFY(w.showActive());
        const Question& q3 = w.q[3];
        const Question& q4 = w.q[4];

        w.click(q4[C]);
        w.key(Qt::Key_Down);
        w.key(Qt::Key_Down);  // D wraps to A of the same group
        QCOMPARE(w.focus(), q4[A]);
        w.key(Qt::Key_Up);  // and back to D
        QCOMPARE(w.focus(), q4[D]);
        QCOMPARE(w.answers, (QStringList {"4C", "4D", "4A", "4D"}));
        QCOMPARE(q3.checkedCount(), 0);
    }

    void arrows_reach_a_passage_box_which_keeps_them()
    {
        QuestionWindow w;
        w.readingPassage->setPlainText(QString(40, QChar(u'字')).append(QStringLiteral("\n")).repeated(12));
        w.readingPassage->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
        w.set->setCurrentWidget(w.pages[4]);
        QVERIFY(w.showActive());
        const Question& q7 = w.q[7];

        w.click(q7[C]);
        w.key(Qt::Key_Down);
        w.key(Qt::Key_Down);  // D -> passage box
        QCOMPARE(w.focus(), w.readingPassage);
        QScrollBar* bar = w.readingPassage->verticalScrollBar();
        QCOMPARE(bar->value(), 0);
        w.key(Qt::Key_Down);
        w.key(Qt::Key_Right);
        QCOMPARE(w.focus(), w.readingPassage);
        QCOMPARE(bar->value(), 1);
        QCOMPARE(w.answers, (QStringList {"7C", "7D"}));
    }

    void arrow_order_follows_the_keyboard_order()
    {
        QWidget window;
        auto* holder = new FocusHolder(&window);  // created first
        std::array<RadioOption*, 4> options {};
        QStringList answers;
        for (int letter = 0; letter < 4; ++letter) {
            options[static_cast<std::size_t>(letter)] = new RadioOption(QString(QChar('A' + letter)), &window);
            options[static_cast<std::size_t>(letter)]->move(8, 30 * letter);
            QObject::connect(options[static_cast<std::size_t>(letter)], &RadioOption::checkedByUser, &window,
                             [&answers](RadioOption* o) { answers << o->text(); });
        }
        set_keyboard_order({options[0], options[1], options[2], options[3], holder});
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));

        holder->setFocus();
        QTest::keyClick(window.windowHandle(), Qt::Key_Down);
        QTest::keyClick(window.windowHandle(), Qt::Key_Down);
        QCOMPARE(QApplication::focusWidget(), options[1]);
        QTest::keyClick(window.windowHandle(), Qt::Key_Up);
        QTest::keyClick(window.windowHandle(), Qt::Key_Up);
        QCOMPARE(QApplication::focusWidget(), holder);
        QTest::keyClick(window.windowHandle(), Qt::Key_Up);
        QCOMPARE(QApplication::focusWidget(), options[3]);
        QCOMPARE(answers, (QStringList {"A", "B", "A", "D"}));
    }

    void hidden_or_disabled_controls_are_skipped_by_arrows()
    {
        QuestionWindow w;
        QVERIFY(w.showActive());
        const Question& q1 = w.q[1];
        q1[B]->hide();
        q1[C]->setEnabled(false);

        w.click(q1[A]);
        w.key(Qt::Key_Down);
        QCOMPARE(w.focus(), q1[D]);
        QCOMPARE(w.answers, (QStringList {"1A", "1D"}));
    }
};

QTEST_MAIN(PlatformRadio)
#include "test_platform_radio.moc"
