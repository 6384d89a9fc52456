#pragma once
// Drives the question pages as a candidate does: finds the controls of a
// question and brings its page (and sub-page) into view with the navigation
// button and the sub-page tabs.

#include "main_window_driver.h"
#include "pages/clip_player.h"
#include "platform/focus_holder.h"
#include "platform/page_set.h"
#include "platform/passage_box.h"
#include "platform/radio_option.h"

#include <QTabBar>
#include <QtTest>

// The page set of the given level that holds a widget: the section's own
// (TopLevel), the outermost, or the sub-page set of a reading page (Nested),
// which lies inside it.
inline PageSet* set_of(QWidget* w, PageSet::Level level)
{
    QList<PageSet*> sets; // innermost first
    for (QWidget* p = w->parentWidget(); p; p = p->parentWidget())
        if (auto* set = qobject_cast<PageSet*>(p))
            sets << set;
    if (level == PageSet::Level::TopLevel)
        return sets.isEmpty() ? nullptr : sets.back();
    return sets.size() > 1 ? sets.front() : nullptr;
}

// The page of `set` that holds w.
inline int page_index_of(PageSet* set, QWidget* w)
{
    for (int i = 0; i < set->count(); ++i)
        if (set->widget(i)->isAncestorOf(w))
            return i;
    return -1;
}

// Clicks "Question suivante >>" until the page holding w is shown, then the
// tab of its sub-page if it has one.
inline void bring_into_view(const main_window_driver& f, QWidget* w)
{
    PageSet* set = set_of(w, PageSet::Level::TopLevel);
    const int page = page_index_of(set, w);
    for (int guard = 0; set->currentIndex() != page && guard < 50; ++guard)
        QTest::mouseClick(f.suivant(), Qt::LeftButton);
    if (PageSet* sub = set_of(w, PageSet::Level::Nested)) {
        const int index = page_index_of(sub, w);
        if (sub->currentIndex() != index)
            QTest::mouseClick(sub->tabBar(), Qt::LeftButton, {}, sub->tabBar()->tabRect(index).center());
    }
}
