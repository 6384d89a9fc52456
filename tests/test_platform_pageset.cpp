// Page sets through real widgets: wrap-around, Ctrl+Tab, nested sets, and
// where the focus goes when the page changes. Showing a page must never
// check an option: every test logs each answer report and compares the list.

#include "platform/keyboard_order.h"
#include "question_window_fixture.h"

#include <QScrollBar>

namespace {
enum { A, B, C, D };
}

class PlatformPageSet : public QObject {
    Q_OBJECT
private slots:
    void next_and_previous_wrap_around()
    {
        QuestionWindow w;
        PageSet* set = w.set;
        set->previousPage();
        QCOMPARE(set->currentIndex(), 4);
        set->nextPage();
        QCOMPARE(set->currentIndex(), 0);
        set->nextPage();
        set->nextPage();
        QCOMPARE(set->currentIndex(), 2);
        set->selectFirstPage();
        QCOMPARE(set->currentIndex(), 0);

        // Pages whose tab is hidden or disabled are passed over.
        set->setTabVisible(1, false);
        set->setTabEnabled(2, false);
        set->nextPage();
        QCOMPARE(set->currentIndex(), 3);
        set->selectFirstPage();
        set->previousPage();
        QCOMPARE(set->currentIndex(), 4);

        // Nested sets wrap the same way.
        w.subPages->previousPage();
        QCOMPARE(w.subPages->currentIndex(), 1);
        w.subPages->nextPage();
        QCOMPARE(w.subPages->currentIndex(), 0);
    }

    void sets_with_one_page_or_none_stay()
    {
        PageSet empty(PageSet::Level::TopLevel);
        empty.nextPage();
        empty.previousPage();
        empty.selectFirstPage();
        QCOMPARE(empty.currentIndex(), -1);

        PageSet single(PageSet::Level::Nested);
        single.addTab(new QWidget, QStringLiteral("Seule"));
        single.nextPage();
        single.previousPage();
        QCOMPARE(single.currentIndex(), 0);

        PageSet onlyOneShown(PageSet::Level::TopLevel);
        onlyOneShown.addTab(new QWidget, QStringLiteral("Une"));
        onlyOneShown.addTab(new QWidget, QStringLiteral("Deux"));
        onlyOneShown.setTabVisible(1, false);
        onlyOneShown.nextPage();
        QCOMPARE(onlyOneShown.currentIndex(), 0);
    }

    void next_from_a_checked_option_lands_on_the_holder_and_back()
    {
        QuestionWindow w;
        QVERIFY(w.showActive());
        w.click(w.q[1][B]);

        w.set->nextPage();
        QCOMPARE(w.set->currentIndex(), 1);
        QCOMPARE(w.focus(), w.q[2].holder);
        QCOMPARE(w.q[2].checkedCount(), 0);

        w.set->previousPage();
        QCOMPARE(w.focus(), w.q[1][B]);
        QCOMPARE(w.answers, QStringList {"1B"});
        QCOMPARE(w.checkedOnPages(), 1);
    }

    void ctrl_tab_changes_the_page_like_the_operations()
    {
        QuestionWindow w;
        QVERIFY(w.showActive());
        w.click(w.q[1][B]);

        w.key(Qt::Key_Tab, Qt::ControlModifier);
        QCOMPARE(w.set->currentIndex(), 1);
        QCOMPARE(w.focus(), w.q[2].holder);
        w.key(Qt::Key_Tab, Qt::ControlModifier | Qt::ShiftModifier);
        QCOMPARE(w.set->currentIndex(), 0);
        QCOMPARE(w.focus(), w.q[1][B]);
        w.key(Qt::Key_Backtab, Qt::ControlModifier | Qt::ShiftModifier);
        QCOMPARE(w.set->currentIndex(), 4);  // wraps back to the last page
        QCOMPARE(w.focus(), w.readingPassage);  // its options come first, unchecked
        w.key(Qt::Key_Tab, Qt::ControlModifier);
        QCOMPARE(w.set->currentIndex(), 0);

        // From the set's own tab strip the page changes and the focus stays.
        w.set->tabBar()->setFocus(Qt::TabFocusReason);
        w.key(Qt::Key_Tab, Qt::ControlModifier);
        QCOMPARE(w.set->currentIndex(), 1);
        QCOMPARE(w.focus(), w.set->tabBar());

        QCOMPARE(w.answers, QStringList {"1B"});
        QCOMPARE(w.checkedOnPages(), 1);
    }

    void ctrl_tab_never_moves_sub_pages()
    {
        QuestionWindow w;
        w.set->setCurrentWidget(w.pages[3]);
        QVERIFY(w.showActive());
        w.subPages->setCurrentIndex(1);
        w.click(w.q[6][A]);

        w.key(Qt::Key_Tab, Qt::ControlModifier);
        QCOMPARE(w.set->currentIndex(), 4);
        QCOMPARE(w.subPages->currentIndex(), 1);
        QCOMPARE(w.focus(), w.readingPassage);

        w.key(Qt::Key_Tab, Qt::ControlModifier | Qt::ShiftModifier);
        QCOMPARE(w.set->currentIndex(), 3);
        QCOMPARE(w.subPages->currentIndex(), 1);
        QCOMPARE(w.focus(), w.subPagePassage);

        // Not even with the focus on the sub-page strip.
        QTabBar* strip = w.subPages->tabBar();
        strip->setFocus(Qt::TabFocusReason);
        w.key(Qt::Key_Tab, Qt::ControlModifier);
        QCOMPARE(w.set->currentIndex(), 4);
        QCOMPARE(w.subPages->currentIndex(), 1);

        // With the strip put first in keyboard order, the focus enters there.
        set_keyboard_order({w.subPages, w.subPagePassage});
        w.key(Qt::Key_Tab, Qt::ControlModifier | Qt::ShiftModifier);
        QCOMPARE(w.focus(), strip);
        QCOMPARE(w.answers, QStringList {"6A"});
        QCOMPARE(w.checkedOnPages(), 1);
    }

    void focus_elsewhere_stays_where_it_is()
    {
        QuestionWindow w;
        QVERIFY(w.showActive());
        w.click(w.q[1][C]);
        w.outside->setFocus(Qt::MouseFocusReason);

        w.set->nextPage();
        QCOMPARE(w.focus(), w.outside);
        w.set->previousPage();
        QCOMPARE(w.focus(), w.outside);

        // The strip uses the arrows to change the page; the focus stays on it.
        w.set->tabBar()->setFocus(Qt::TabFocusReason);
        w.key(Qt::Key_Right);
        w.key(Qt::Key_Right);
        w.key(Qt::Key_Right);
        QCOMPARE(w.set->currentIndex(), 3);
        QCOMPARE(w.focus(), w.set->tabBar());
        w.key(Qt::Key_Left);
        w.key(Qt::Key_Left);
        QCOMPARE(w.set->currentIndex(), 1);
        QCOMPARE(w.focus(), w.set->tabBar());

        QCOMPARE(w.answers, QStringList {"1C"});
        QCOMPARE(w.checkedOnPages(), 1);
    }

    void a_tab_click_moves_the_focus_into_the_new_page()
    {
        QuestionWindow w;
        QVERIFY(w.showActive());
        w.click(w.q[1][A]);
        QTabBar* strip = w.set->tabBar();

        QTest::mouseClick(strip, Qt::LeftButton, {}, strip->tabRect(2).center());
        QCOMPARE(w.set->currentIndex(), 2);
        QCOMPARE(w.focus(), w.player);
        QTest::mouseClick(strip, Qt::LeftButton, {}, strip->tabRect(0).center());
        QCOMPARE(w.focus(), w.q[1][A]);
        QCOMPARE(w.answers, QStringList {"1A"});
    }

    void sub_pages_follow_the_same_focus_rule()
    {
        QuestionWindow w;
        w.set->setCurrentWidget(w.pages[3]);
        QVERIFY(w.showActive());
        QTabBar* strip = w.subPages->tabBar();

        w.click(w.q[5][D]);
        QTest::mouseClick(strip, Qt::LeftButton, {}, strip->tabRect(1).center());
        QCOMPARE(w.subPages->currentIndex(), 1);
        QCOMPARE(w.focus(), w.q[6].holder);
        w.subPages->previousPage();
        QCOMPARE(w.focus(), w.q[5][D]);

        // Leaving the outer page from a sub-page option lands on the next page.
        w.set->previousPage();
        QCOMPARE(w.focus(), w.player);
        QCOMPARE(w.answers, QStringList {"5D"});
        QCOMPARE(w.checkedOnPages(), 1);
    }

    void the_page_remembered_focus_is_never_checked()
    {
        // Qt gives the focus back to the control that last had it on a page;
        // here that is an option unchecked since, which must stay unchecked.
        QuestionWindow w;
        QVERIFY(w.showActive());
        const Question& q1 = w.q[1];
        w.click(q1[C]);
        w.set->nextPage();
        q1[C]->uncheck();
        w.set->previousPage();
        QCOMPARE(w.focus(), q1.holder);
        QCOMPARE(q1.checkedCount(), 0);

        // With no tab stop at all on the new page, the focus lands on its first
        // control, and that still checks nothing.
        w.q[2].holder->setFocusPolicy(Qt::NoFocus);
        w.set->nextPage();
        QCOMPARE(w.focus(), w.q[2][A]);
        QCOMPARE(w.q[2].checkedCount(), 0);

        QCOMPARE(w.answers, QStringList {"1C"});
    }

    void hiding_the_set_with_the_focus_inside_checks_nothing()
    {
        QuestionWindow w;
        QVERIFY(w.showActive());
        w.click(w.q[1][A]);
        w.key(Qt::Key_Down);
        w.key(Qt::Key_Down);
        w.key(Qt::Key_Down);
        w.key(Qt::Key_Down);  // on the holder, D checked
        QCOMPARE(w.focus(), w.q[1].holder);

        w.set->hide();
        QVERIFY(!w.set->isAncestorOf(w.focus()));
        w.set->nextPage();
        w.set->show();
        QCOMPARE(w.set->currentIndex(), 1);
        QVERIFY(w.pages[1]->isVisible());
        QCOMPARE(w.q[2].checkedCount(), 0);

        // Same from an option on a sub-page.
        w.set->setCurrentWidget(w.pages[3]);
        w.click(w.q[5][B]);
        w.set->hide();
        w.set->show();
        QVERIFY(!w.set->isAncestorOf(w.focus()));
        QCOMPARE(w.answers, (QStringList {"1A", "1B", "1C", "1D", "5B"}));
        QCOMPARE(w.checkedOnPages(), 2);
    }

    void a_page_selected_while_hidden_is_shown_later()
    {
        QuestionWindow w;
        QVERIFY(w.showActive());
        w.set->hide();
        w.set->nextPage();
        w.set->nextPage();
        QVERIFY(!w.pages[2]->isVisible());
        w.set->show();
        QCOMPARE(w.set->currentWidget(), w.pages[2]);
        QVERIFY(w.pages[2]->isVisible());
        QVERIFY(!w.pages[0]->isVisible());

        w.set->hide();
        w.set->selectFirstPage();
        w.set->show();
        QVERIFY(w.pages[0]->isVisible());
        QVERIFY(w.answers.isEmpty());
    }

    void many_tabs_stay_whole_in_one_scrolling_row()
    {
        QWidget window;
        window.resize(660, 420);
        auto* set = new PageSet(PageSet::Level::TopLevel, &window);
        set->setGeometry(2, 58, 639, 338);
        for (int page = 1; page <= 45; ++page)
            set->addTab(new QWidget, QStringLiteral("Questions %1-%2").arg(page).arg(page + 2));
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));

        QTabBar* strip = set->tabBar();
        const QFontMetrics metrics = strip->fontMetrics();
        for (int i = 0; i < set->count(); ++i) {
            QVERIFY(strip->isTabVisible(i));
            QCOMPARE(strip->tabRect(i).top(), strip->tabRect(0).top());
            QVERIFY2(strip->tabRect(i).width() > metrics.horizontalAdvance(strip->tabText(i)), qPrintable(strip->tabText(i)));
        }
        QVERIFY(strip->tabRect(44).right() > set->width());  // the row scrolls

        // A tab scrolled into view answers a click.
        set->setCurrentIndex(44);
        set->setCurrentIndex(43);
        QTest::mouseClick(strip, Qt::LeftButton, {}, strip->tabRect(44).center());
        QCOMPARE(set->currentIndex(), 44);
    }
};

QTEST_MAIN(PlatformPageSet)
#include "test_platform_pageset.moc"
