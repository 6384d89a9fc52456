// The review of a finished section through the real main window: when the
// "Corrigé" items are available, what a review window lists and shows, and
// its keyboard, players and closing.

#include "app_fixture.h"
#include "catalogue_lookup.h"
#include "content/transcript.h"
#include "pages_driver.h"
#include "platform/bevel_panel.h"
#include "review/review_window.h"

#include <QAccessible>
#include <QCheckBox>
#include <QLabel>
#include <QScreen>
#include <QScrollArea>
#include <QTreeWidget>

namespace {
QString letter(int value) { return value ? QString(QChar(u'@' + value)) : QStringLiteral("—"); }
int wrong_for(int key) { return key % 4 + 1; }

QStringList enabled_items(const main_window_driver& f)
{
    QStringList out;
    for (int n = 1; n <= 3; ++n)
        out << QString::number(f.corrige_item(n)->isEnabled());
    return out;
}

// Runs section n, giving `answers` (question, value) by clicking the options, and finishes it.
void sit(const main_window_driver& f, int n, const std::vector<std::pair<int, int>>& answers)
{
    (n == 1 ? f.Button1() : n == 2 ? f.Button2() : f.Button3())->click();
    for (const auto& [q, value] : answers) {
        bring_into_view(f, f.option(q, value - 1));
        QTest::mouseClick(f.option(q, value - 1), Qt::LeftButton);
    }
    QTest::mouseClick(f.terminer(), Qt::LeftButton);
}

ReviewWindow* open_review(const main_window_driver& f, int n)
{
    f.corrige_item(n)->trigger();
    ReviewWindow* w = f.review_window(n);
    // Not qWaitForWindowActive: a window counts as active while its parent is.
    return w && QTest::qWaitFor([w] { return QApplication::activeWindow() == w; }) ? w : nullptr;
}

QTreeWidgetItem* row_of(ReviewWindow* w, int q)
{
    const auto found = w->findChild<QTreeWidget*>(QStringLiteral("questions"))
                           ->findItems(QString::number(q), Qt::MatchExactly, 0);
    return found.isEmpty() ? nullptr : found.front();
}

QStringList cells(QTreeWidgetItem* row) { return {row->text(0), row->text(1), row->text(2), row->text(3)}; }

QWidget* detail(ReviewWindow* w) { return w->findChild<QScrollArea*>(QStringLiteral("detail"))->widget(); }

bool shows_label(QWidget* area, const QString& text)
{
    const auto labels = area->findChildren<QLabel*>();
    return std::any_of(labels.begin(), labels.end(), [&](QLabel* l) { return l->text() == text; });
}

// The first question of section n on a page of kind g that is not the page's first.
const question* later_question_of(const catalogue& c, int n, genre g)
{
    for (const page& p : c.pages(n))
        if (p.genre == g && p.questions.size() > 1)
            return &p.questions[1];
    return nullptr;
}
}

class Review : public main_window_fixture {
    Q_OBJECT
private slots:
    void items_follow_results_and_windows_close_with_a_new_start()
    {
        QVERIFY(show());
        QCOMPARE(enabled_items(f), (QStringList{"0", "0", "0"}));
        f.Button2()->click();
        QCOMPARE(enabled_items(f), (QStringList{"0", "0", "0"}));
        form->terminerClick();
        QCOMPARE(enabled_items(f), (QStringList{"0", "1", "0"}));

        ReviewWindow* review = open_review(f, 2);
        QVERIFY(review);
        QCOMPARE(review->windowTitle(), QStringLiteral("Corrigé - Section 2 : structures grammaticales"));
        f.corrige_item(2)->trigger(); // again: the same window, brought to the front
        QCOMPARE(f.review_window(2), review);
        QCOMPARE(form->findChildren<ReviewWindow*>().size(), 1);

        f.menu_section1()->trigger(); // the key goes off screen while a section runs
        QVERIFY(!f.review_window(2) && !review->isVisible());
        QCOMPARE(enabled_items(f), (QStringList{"0", "0", "0"}));
        form->Timer1Timer();
        QCOMPARE(enabled_items(f), (QStringList{"0", "0", "0"}));
        QTest::mouseClick(f.terminer(), Qt::LeftButton);
        QCOMPARE(enabled_items(f), (QStringList{"1", "1", "0"}));

        QVERIFY(open_review(f, 1));
        f.menu_init()->trigger();
        QVERIFY(!f.review_window(1));
        QCOMPARE(enabled_items(f), (QStringList{"0", "0", "0"}));
    }

    void list_summary_filter_and_keyboard()
    {
        QVERIFY(show());
        const auto key = [this](int q) { return f.key(q); };
        sit(f, 2, {{51, key(51)}, {52, wrong_for(key(52))}, {54, key(54)}});
        ReviewWindow* w = open_review(f, 2);
        QVERIFY(w);

        QCOMPARE(w->findChild<QLabel*>(QStringLiteral("resume"))->text(),
                 QStringLiteral("Bonnes réponses : 2 / 40 — ") + f.score2()->text());
        QCOMPARE(cells(row_of(w, 51)), (QStringList{"51", letter(key(51)), letter(key(51)), "✔"}));
        QCOMPARE(cells(row_of(w, 52)), (QStringList{"52", letter(wrong_for(key(52))), letter(key(52)), "✘"}));
        QCOMPARE(cells(row_of(w, 53)), (QStringList{"53", "—", letter(key(53)), "✘"}));
        QCOMPARE(row_of(w, 53)->data(1, Qt::AccessibleTextRole).toString(), QStringLiteral("sans réponse"));

        // Up and Down move through the list, and the detail follows.
        auto* list = w->findChild<QTreeWidget*>(QStringLiteral("questions"));
        QCOMPARE(QApplication::focusWidget(), list);
        QTest::keyClick(list, Qt::Key_Down);
        QCOMPARE(list->currentItem(), row_of(w, 52));
        QVERIFY(shows_label(detail(w), QStringLiteral("Question 52")));

        // Tab reaches the filter; Space shows the errors only, the current
        // row stays where it is visible and moves off a hidden one.
        QTest::keyClick(list, Qt::Key_Tab);
        auto* filter = w->findChild<QCheckBox*>(QStringLiteral("erreurs_seulement"));
        QCOMPARE(QApplication::focusWidget(), filter);
        QTest::keyClick(filter, Qt::Key_Space);
        QVERIFY(row_of(w, 51)->isHidden() && row_of(w, 54)->isHidden() && !row_of(w, 52)->isHidden());
        QCOMPARE(list->currentItem(), row_of(w, 52));
        QTest::keyClick(filter, Qt::Key_Space);
        QVERIFY(!row_of(w, 51)->isHidden());
        list->setCurrentItem(row_of(w, 54));
        filter->click();
        QCOMPARE(list->currentItem(), row_of(w, 52));

        // Then the detail; Escape closes the window, here from the list.
        QTest::keyClick(filter, Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), w->findChild<QScrollArea*>(QStringLiteral("detail")));
        QTest::keyClick(list, Qt::Key_Escape);
        QVERIFY(!w->isVisible() && !f.review_window(2));
    }

    void detail_of_a_listening_question_with_transcripts_and_players()
    {
        QVERIFY(show());
        const catalogue c = catalogue::load();
        const page& group = *question_by_number(c, 44).page;
        const int key44 = f.key(44);
        sit(f, 1, {{44, wrong_for(key44)}});
        ReviewWindow* w = open_review(f, 1);
        QVERIFY(w);
        // A window of its own for assistive technology, within the screen's
        // free area; its pictures described drawing by drawing, as in the test.
        QCOMPARE(QAccessible::queryAccessibleInterface(w)->role(), QAccessible::Window);
        QVERIFY(w->screen()->availableGeometry().contains(w->frameGeometry()));
        QLabel* strip = nullptr;
        for (QLabel* label : detail(w)->findChildren<QLabel*>())
            if (!label->pixmap().isNull())
                strip = label;
        QVERIFY(strip);
        QCOMPARE(QAccessible::queryAccessibleInterface(strip)->text(QAccessible::Name),
                 picture_alternative(*question_by_number(c, 1).question));
        w->findChild<QTreeWidget*>(QStringLiteral("questions"))->setCurrentItem(row_of(w, 44));

        QWidget* area = detail(w);
        const QList<ClipPlayer*> players = area->findChildren<ClipPlayer*>();
        QCOMPARE(players.size(), 2);
        QCOMPARE(audio.file_of(players[0]), clip_file_name(shared_clip_name(group)));
        QCOMPARE(audio.file_of(players[1]), QStringLiteral("ressources/Q44.mp3"));
        QVERIFY(audio.device_of(players[0]) && audio.device_of(players[1]));
        // Every segment of both transcripts, speaker by speaker, the question last.
        for (const QString& clip : {shared_clip_name(group), QStringLiteral("Q44.mp3")})
            for (const transcript_segment& s : load_transcript(clip))
                QVERIFY(shows_label(area, (s.locuteur == transcript_segment::speaker::homme ? "Homme : " : "Femme : ")
                                              + s.texte));
        QVERIFY(load_transcript(QStringLiteral("Q44.mp3")).back().question);
        const QString right = area->findChild<QLabel*>(QStringLiteral("option_") + letter(key44))->text();
        const QString chosen = area->findChild<QLabel*>(QStringLiteral("option_") + letter(wrong_for(key44)))->text();
        QVERIFY(right.startsWith("✔") && right.endsWith("bonne réponse"));
        QVERIFY(chosen.startsWith("✘") && chosen.endsWith("votre réponse"));

        // The players are reached by Tab after the detail and play; closing
        // the window closes their devices.
        QWidget* at = w->findChild<QScrollArea*>(QStringLiteral("detail"));
        at->setFocus();
        QTest::keyClick(at, Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), players[0]);
        QTest::keyClick(players[0], Qt::Key_Space);
        QVERIFY(players[0]->isAvailable(ClipButton::Pause));
        const audio::device_id device = audio.device_of(players[0])->id;
        audio::mode mode = audio::mode::stopped;
        QCOMPARE(audio.status_mode(device, mode), audio::error_code(0));
        QCOMPARE(mode, audio::mode::playing);
        QTest::keyClick(players[0], Qt::Key_Escape);
        QVERIFY(!w->isVisible());
        QVERIFY(audio.status_mode(device, mode) != 0);
    }

    void detail_of_reading_pages_highlights_the_question()
    {
        QVERIFY(show());
        sit(f, 3, {});
        ReviewWindow* w = open_review(f, 3);
        QVERIFY(w);
        auto* list = w->findChild<QTreeWidget*>(QStringLiteral("questions"));
        const catalogue c = catalogue::load();

        const question* gap = later_question_of(c, 3, genre::texte_a_trous);
        QVERIFY(gap);
        list->setCurrentItem(row_of(w, gap->numero));
        auto* box = detail(w)->findChild<PassageBox*>();
        QVERIFY(box);
        QCOMPARE(box->extraSelections().size(), 1);
        QCOMPARE(box->extraSelections().front().cursor.selectedText(), QString::number(gap->numero));

        const question* asked = later_question_of(c, 3, genre::lecture);
        QVERIFY(asked);
        list->setCurrentItem(row_of(w, asked->numero));
        QVERIFY(detail(w)->findChild<PassageBox*>()->extraSelections().isEmpty());
        const auto labels = detail(w)->findChildren<QLabel*>();
        const auto stem = std::find_if(labels.begin(), labels.end(), [&](QLabel* l) { return l->text() == asked->enonce; });
        QVERIFY(stem != labels.end() && !(*stem)->styleSheet().isEmpty());
    }
};

QTEST_MAIN(Review)
#include "test_app_review.moc"
