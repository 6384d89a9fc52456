// The question pages inside the main window: what they hold, how they are
// laid out, and the focus rules that keep a page change from ever checking
// an answer the candidate did not give.

#include "app_fixture.h"
#include "pages_driver.h"
#include "platform/status_panels.h"

#include <QGroupBox>
#include <QLabel>

namespace {
QString answers_of(const main_window_driver& f)
{
    QString s;
    for (int q = 1; q <= question_count; ++q)
        s += QString::number(f.answer(q));
    return s;
}

QStringList captions(QTabWidget* set)
{
    QStringList out;
    for (int i = 0; i < set->count(); ++i)
        out << set->tabText(i);
    return out;
}

int checked_count(const main_window_driver& f)
{
    int n = 0;
    for (RadioOption* o : f.answer_options())
        n += o->isChecked() ? 1 : 0;
    return n;
}
}

class QuestionPages : public main_window_fixture {
    Q_OBJECT
private slots:
    void what_the_sets_hold()
    {
        QCOMPARE(f.Section1()->count(), 45);
        QCOMPARE(f.Section2()->count(), 40);
        QCOMPARE(f.Section3()->count(), 13);
        QCOMPARE(int(f.answer_options().size()), 560);
        QCOMPARE(int(form->findChildren<FocusHolder*>().size()), 89);
        QCOMPARE(int(f.clip_players().size()), 83);
        for (int i = 0; i < 560; ++i) {
            RadioOption* o = f.answer_options()[static_cast<std::size_t>(i)];
            QCOMPARE(o->tag(), i / 4 + 1);
            QVERIFY(!o->isChecked());
            QVERIFY(o->text().startsWith(QChar(u'A' + i % 4)));
        }
        for (ClipPlayer* p : f.clip_players()) {
            QVERIFY(audio.device_of(p));
            QCOMPARE(p->size(), QSize(85, 20));
        }
        QCOMPARE(audio.file_of(f.clip_players().front()), QStringLiteral("ressources/Q01_h.mp3"));
        QCOMPARE(audio.file_of(f.clip_players()[1]), QStringLiteral("ressources/Q01_f.mp3"));

        QCOMPARE(captions(f.Section1()).first(), QStringLiteral("Question 1"));
        QCOMPARE(captions(f.Section1()).last(), QStringLiteral("Questions 49-50"));
        QCOMPARE(captions(f.Section2()).last(), QStringLiteral("Question 90"));
        QCOMPARE(captions(f.Section3()), (QStringList{
            "Questions 91-93", "Questions 94-98", "Questions 99-104", "Questions 105-110", "Question 111",
            "Questions 112-113", "Questions 114-115", "Questions 116-118", "Questions 119-122",
            "Questions 123-126", "Questions 127-130", "Questions 131-135", "Questions 136-140"}));
        auto* sub = set_of(f.option(94, 0), PageSet::Level::Nested);
        QCOMPARE(captions(sub), (QStringList{"Question 94", "Question 95", "Question 96", "Question 97", "Question 98"}));
        QCOMPARE(sub->geometry(), QRect(56, 160, 521, 145));
        QCOMPARE(set_of(f.option(112, 0), PageSet::Level::Nested)->geometry(), QRect(56, 128, 521, 177));
        QVERIFY(!set_of(f.option(111, 0), PageSet::Level::Nested));
        for (PageSet* set : {f.Section1(), f.Section2(), f.Section3()})
            QCOMPARE(set->currentIndex(), 0);
    }

    void layouts_of_the_kinds()
    {
        // Picture question: letters side by side over the picture.
        for (int letter = 0; letter < 4; ++letter) {
            RadioOption* o = f.option(1, letter);
            QCOMPARE(o->geometry(), QRect(72 + 152 * letter, 64, 49, 25));
            QCOMPARE(o->text(), QString(QChar(u'A' + letter)));
            QCOMPARE(o->font().pixelSize(), 20);
            QCOMPARE(o->font().family(), QStringLiteral("Arial"));
        }
        QWidget* page1 = f.Section1()->widget(0);
        QCOMPARE(page1->findChildren<ClipPlayer*>()[0]->pos(), QPoint(208, 24));
        QCOMPARE(page1->findChildren<ClipPlayer*>()[1]->pos(), QPoint(336, 24));
        bool frame_found = false;
        for (QLabel* l : page1->findChildren<QLabel*>(Qt::FindDirectChildrenOnly)) {
            if (l->geometry() == QRect(0, 88, 625, 180)) {
                frame_found = true;
                QLabel* image = l->findChild<QLabel*>();
                const QSize size = image->size(); // shown at its own size, centred
                QCOMPARE(image->pos(), QPoint((625 - size.width()) / 2, (180 - size.height()) / 2));
                QCOMPARE(image->pixmap().size(), size);
                QVERIFY(!image->pixmap().isNull());
            }
            if (l->text() == "H")
                QCOMPARE(l->pos(), QPoint(192, 22));
        }
        QVERIFY(frame_found);

        // Text options in a column, 40 apart, all as wide as the longest.
        RadioOption* a16 = f.option(16, 0);
        QCOMPARE(a16->pos(), QPoint(216, 80));
        QCOMPARE(f.option(16, 3)->pos(), QPoint(216, 200));
        QCOMPARE(a16->font().family(), QStringLiteral("SimHei"));
        QCOMPARE(a16->font().pixelSize(), 25);
        QVERIFY(a16->text().startsWith("A. "));
        QCOMPARE(f.Section1()->widget(30)->findChild<ClipPlayer*>()->pos(), QPoint(264, 24));

        // Group frames of questions 43-50, on their three pages.
        const QRect frames[] = {{8, 64, 137, 225},   {152, 64, 233, 225}, {392, 64, 233, 225},
                                {8, 64, 129, 225},   {144, 64, 193, 225}, {344, 64, 281, 225},
                                {152, 64, 153, 225}, {336, 64, 153, 225}};
        const QPoint players[] = {{32, 24}, {76, 24}, {76, 24}, {24, 24}, {52, 24}, {76, 24}, {36, 24}, {36, 24}};
        for (int i = 0; i < 8; ++i) {
            auto* group = qobject_cast<QGroupBox*>(f.option(43 + i, 0)->parentWidget());
            QVERIFY(group);
            QCOMPARE(group->geometry(), frames[i]);
            QCOMPARE(group->title(), QString::number(43 + i));
            QVERIFY(group->font().bold() && group->font().pixelSize() == 16);
            QCOMPARE(group->findChild<ClipPlayer*>()->pos(), players[i]);
            QCOMPARE(f.option(43 + i, 1)->pos(), QPoint(8, 104));
        }

        // Grammar pages: the instruction, the focus holder out of sight.
        QWidget* page51 = f.Section2()->widget(0);
        QLabel* instruction = page51->findChild<QLabel*>();
        QCOMPARE(instruction->text(), QStringLiteral("Sélectionnez parmi ces 4 choix l'unique phrase correcte"));
        QCOMPARE(instruction->pos(), QPoint(96, 20));
        QVERIFY(instruction->font().bold() && instruction->font().pixelSize() == 16);
        QCOMPARE(page51->findChild<FocusHolder*>()->geometry(), QRect(-40, 160, 24, 25));
        QCOMPARE(f.option(71, 0)->geometry().topLeft(), QPoint(232, 80));
        QCOMPARE(f.option(71, 0)->width(), 329);

        // Reading pages: passage boxes with a scroll bar beyond five lines.
        auto* box91 = f.Section3()->widget(0)->findChild<PassageBox*>();
        QCOMPARE(box91->geometry(), QRect(6, 8, 617, 105));
        QCOMPARE(box91->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
        QCOMPARE(box91->font().pixelSize(), 17);
        QCOMPARE(f.Section3()->widget(1)->findChild<PassageBox*>()->height(), 129);
        auto* box99 = f.Section3()->widget(2)->findChild<PassageBox*>();
        QCOMPARE(box99->height(), 145);
        QCOMPARE(box99->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
        QCOMPARE(f.Section3()->widget(4)->findChild<PassageBox*>()->height(), 65);
        QCOMPARE(f.option(111, 0)->geometry(), QRect(200, 152, 329, 33));
        QVERIFY(f.option(91, 0)->text().startsWith("A.") && !f.option(91, 0)->text().startsWith("A. "));
        QCOMPARE(f.option(91, 2)->pos(), QPoint(176, 60));
        QCOMPARE(f.option(91, 0)->parentWidget()->findChild<FocusHolder*>()->geometry(), QRect(-40, 92, 24, 25));
        QCOMPARE(f.option(112, 1)->pos(), QPoint(96, 66));
        QCOMPARE(f.option(112, 0)->parentWidget()->findChild<FocusHolder*>()->geometry(), QRect(-40, 124, 24, 25));
    }

    void page_change_never_checks_an_answer()
    {
        QVERIFY(show());
        f.menu_section2()->trigger();
        RadioOption* b52 = f.option(52, 1);
        bring_into_view(f, b52);
        QTest::mouseClick(b52, Qt::LeftButton);
        QCOMPARE(f.answer(52), 2);
        QCOMPARE(QApplication::focusWidget(), b52);
        const QString before = answers_of(f);

        // Menu "Question suivante": page 53, nothing recorded, focus on its holder.
        f.menu_suiv()->trigger();
        QCOMPARE(f.Section2()->currentIndex(), 2);
        QCOMPARE(answers_of(f), before);
        for (int letter = 0; letter < 4; ++letter)
            QVERIFY(!f.option(53, letter)->isChecked());
        QCOMPARE(QApplication::focusWidget(), f.Section2()->widget(2)->findChild<FocusHolder*>());

        // Back: the focus lands on the option checked there.
        f.menu_prec()->trigger();
        QCOMPARE(QApplication::focusWidget(), b52);
        QCOMPARE(answers_of(f), before);

        // Ctrl+Tab and Ctrl+Shift+Tab do the same.
        QTest::keyClick(b52, Qt::Key_Tab, Qt::ControlModifier);
        QCOMPARE(f.Section2()->currentIndex(), 2);
        QCOMPARE(QApplication::focusWidget(), f.Section2()->widget(2)->findChild<FocusHolder*>());
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab, Qt::ControlModifier | Qt::ShiftModifier);
        QCOMPARE(QApplication::focusWidget(), b52);
        QCOMPARE(answers_of(f), before);
        QCOMPARE(checked_count(f), 1);
    }

    void arrow_keys_move_the_check_through_a_question()
    {
        QVERIFY(show());
        f.Button2()->click();
        f.menu_suiv()->trigger(); // question 52, nothing checked
        RadioOption* d = f.option(52, 3);
        QTest::mouseClick(d, Qt::LeftButton);
        QCOMPARE(f.answer(52), 4);
        QTest::keyClick(d, Qt::Key_Down); // to the focus holder: nothing changes
        QVERIFY(qobject_cast<FocusHolder*>(QApplication::focusWidget()));
        QCOMPARE(f.answer(52), 4);
        QVERIFY(d->isChecked());
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down); // wraps to A and checks it
        QCOMPARE(QApplication::focusWidget(), f.option(52, 0));
        QCOMPARE(f.answer(52), 1);
        QVERIFY(!d->isChecked());
        QCOMPARE(f.StatusBar()->text(1), QStringLiteral("Nombre de réponses : 1 / 40"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Up); // back to the holder
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Up); // D again
        QCOMPARE(f.answer(52), 4);
        QCOMPARE(checked_count(f), 1);
    }

    // Listening pages and question 111 have no focus holder: Down from the
    // last clip player, or from a passage box with nothing to scroll, reaches
    // the options; Tab alone never checks one.
    void options_reached_from_the_keyboard_alone()
    {
        QVERIFY(show());
        QTest::keyClick(f.Button1(), Qt::Key_Return);
        for (int i = 0; i < 4 && !qobject_cast<ClipPlayer*>(QApplication::focusWidget()); ++i)
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab); // on to the page
        QCOMPARE(QApplication::focusWidget(), f.clip_players()[0]); // the "H" player comes first
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), f.clip_players()[1]);
        QCOMPARE(f.answer(1), 0);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Right); // inside the strip
        QCOMPARE(QApplication::focusWidget(), f.clip_players()[1]);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down); // rests on A, unchecked
        QCOMPARE(QApplication::focusWidget(), f.option(1, 0));
        QCOMPARE(f.answer(1), 0);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
        QCOMPARE(f.answer(1), 2);
        form->terminerClick();

        f.Button3()->click();
        for (int i = 0; i < 4; ++i)
            form->suivantClick();
        QWidget* box = f.Section3()->widget(4)->findChild<PassageBox*>();
        box->setFocus(Qt::TabFocusReason);
        QTest::keyClick(box, Qt::Key_Down);
        QCOMPARE(QApplication::focusWidget(), f.option(111, 0));
        QCOMPARE(f.answer(111), 1);
        // A passage with a scroll bar keeps Down for itself.
        f.Section3()->setCurrentIndex(2);
        auto* long_box = f.Section3()->widget(2)->findChild<PassageBox*>();
        long_box->setFocus(Qt::TabFocusReason);
        QTest::keyClick(long_box, Qt::Key_Down);
        QCOMPARE(QApplication::focusWidget(), long_box);
    }

    void clicking_the_checked_option_records_nothing()
    {
        QVERIFY(show());
        f.Button1()->click();
        RadioOption* c = f.option(1, 2);
        QTest::mouseClick(c, Qt::LeftButton);
        QCOMPARE(f.StatusBar()->text(1), QStringLiteral("Nombre de réponses : 1 / 50"));
        f.StatusBar()->setText(1, QString()); // a refresh would write it again
        QTest::mouseClick(c, Qt::LeftButton);
        QVERIFY(f.StatusBar()->text(1).isEmpty());
        QTest::mouseClick(f.option(1, 1), Qt::LeftButton);
        QCOMPARE(f.answer(1), 2);
        QCOMPARE(f.StatusBar()->text(1), QStringLiteral("Nombre de réponses : 1 / 50"));
        QVERIFY(!c->isChecked());
    }

    void groups_of_a_page_are_independent()
    {
        QVERIFY(show());
        f.Button1()->click();
        bring_into_view(f, f.option(44, 2));
        QTest::mouseClick(f.option(44, 2), Qt::LeftButton);
        QTest::mouseClick(f.option(45, 3), Qt::LeftButton);
        QTest::mouseClick(f.option(43, 0), Qt::LeftButton);
        QCOMPARE(f.answer(43), 1);
        QCOMPARE(f.answer(44), 3);
        QCOMPARE(f.answer(45), 4);
        QVERIFY(f.option(44, 2)->isChecked() && f.option(45, 3)->isChecked());
    }

    void wrap_around_and_sub_pages()
    {
        QVERIFY(show());
        f.Button2()->click();
        form->precedentClick(); // from the first page to question 90
        QCOMPARE(f.Section2()->tabText(f.Section2()->currentIndex()), QStringLiteral("Question 90"));
        form->suivantClick();
        QCOMPARE(f.Section2()->currentIndex(), 0);
        form->terminerClick();

        f.Button3()->click();
        auto* sub = set_of(f.option(91, 0), PageSet::Level::Nested);
        QCOMPARE(sub->currentIndex(), 0); // first shown at its first sub-page
        f.precedent()->click();
        QCOMPARE(f.Section3()->tabText(f.Section3()->currentIndex()), QStringLiteral("Questions 136-140"));

        // From a checked option on a sub-page, the next page takes the focus
        // to its passage box (or sub-page strip), never to an option.
        f.Section3()->selectFirstPage();
        RadioOption* b92 = f.option(92, 1);
        bring_into_view(f, b92);
        QTest::mouseClick(b92, Qt::LeftButton);
        QCOMPARE(f.answer(92), 2);
        const QString before = answers_of(f);
        f.suivant()->setFocus(); // the navigation button keeps the focus
        f.suivant()->click();
        QCOMPARE(QApplication::focusWidget(), f.suivant());
        f.precedent()->click();
        b92->setFocus();
        QTest::keyClick(b92, Qt::Key_Tab, Qt::ControlModifier);
        QCOMPARE(f.Section3()->currentIndex(), 1);
        QWidget* focus = QApplication::focusWidget();
        QVERIFY(qobject_cast<PassageBox*>(focus) || qobject_cast<QTabBar*>(focus));
        QCOMPARE(answers_of(f), before);

        // The sub-page last shown stays across finishing, reinitialising and a new start.
        f.menu_prec()->trigger();
        QCOMPARE(sub->currentIndex(), 1);
        form->menu_initClick();
        f.Button3()->click();
        form->suivantClick();
        form->suivantClick();
        form->suivantClick();
        form->suivantClick(); // question 111: nothing checked, focus to its passage box
        QCOMPARE(f.Section3()->tabText(f.Section3()->currentIndex()), QStringLiteral("Question 111"));
        form->precedentClick();
        form->precedentClick();
        form->precedentClick();
        form->precedentClick();
        QCOMPARE(sub->currentIndex(), 1);
    }

    void focus_entering_question_111_lands_on_its_passage()
    {
        QVERIFY(show());
        f.Button3()->click();
        f.Section3()->setCurrentIndex(3);
        RadioOption* a105 = f.option(105, 0);
        bring_into_view(f, a105);
        QTest::mouseClick(a105, Qt::LeftButton);
        f.menu_suiv()->trigger();
        QVERIFY(qobject_cast<PassageBox*>(QApplication::focusWidget()));
        for (int letter = 0; letter < 4; ++letter)
            QVERIFY(!f.option(111, letter)->isChecked());
        QCOMPARE(f.answer(111), 0);
    }

    void reinitialise_unchecks_everything_silently()
    {
        QVERIFY(show());
        f.Button1()->click();
        QTest::mouseClick(f.option(1, 0), Qt::LeftButton);
        form->suivantClick();
        form->suivantClick();
        form->terminerClick();
        f.Button2()->click();
        QTest::mouseClick(f.Section2()->widget(0)->findChildren<RadioOption*>()[2], Qt::LeftButton);
        form->menu_initClick();
        QCOMPARE(checked_count(f), 0);
        QCOMPARE(answers_of(f), QString(140, u'0'));
        for (PageSet* set : {f.Section1(), f.Section2(), f.Section3()}) {
            QCOMPARE(set->currentIndex(), 0);
            QVERIFY(!set->isVisible());
        }
        QVERIFY(f.StatusBar()->text(1).isEmpty());
        // A previously checked option records again.
        f.Button1()->click();
        QTest::mouseClick(f.option(1, 0), Qt::LeftButton);
        QCOMPARE(f.answer(1), 1);
        QCOMPARE(f.StatusBar()->text(1), QStringLiteral("Nombre de réponses : 1 / 50"));
    }
};

QTEST_MAIN(QuestionPages)
#include "test_app_pages.moc"
