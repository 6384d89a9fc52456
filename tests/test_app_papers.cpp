// Choosing the paper through the real main window: the "Épreuve" menu on the
// home screen only, the confirmation before answers and results are lost,
// the pages, key, players, title and reviews of the paper chosen, and a
// recording of that paper that cannot be opened.

#include "app_fixture.h"
#include "engine/papers.h"
#include "pages_driver.h"
#include "platform/bevel_panel.h"
#include "platform/error_reporting.h"
#include "review/review_window.h"

#include <QElapsedTimer>
#include <QLabel>
#include <QMenuBar>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTimer>
#include <QTreeWidget>

#include <ctime>

namespace {
bool offered(const main_window_driver& f) { return f.Epreuve()->menuAction()->isEnabled(); }

QString checked_items(const main_window_driver& f)
{
    QString out;
    for (QAction* item : f.menu_epreuve())
        out += item->isChecked() ? u'1' : u'0';
    return out;
}

// Chooses paper n in the menu and answers the message box that may follow
// with `answer`; returns the box's text, empty when none showed.
QString choose(const main_window_driver& f, int n, QMessageBox::StandardButton answer = QMessageBox::Yes)
{
    QString asked;
    QTimer watcher;
    QObject::connect(&watcher, &QTimer::timeout, [&] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            asked = box->text() + QStringLiteral(" | ") + box->button(QMessageBox::Yes)->text() + u' '
                + box->button(QMessageBox::No)->text();
            box->button(answer)->click();
        }
    });
    watcher.start(10);
    f.menu_epreuve().at(static_cast<std::size_t>(n - 1))->trigger();
    return asked;
}

// The first stem of paper n's section 2 (a gap sentence), as its catalogue has it.
QString first_stem(int n)
{
    const catalogue questions = catalogue::load(paper_table().at(static_cast<std::size_t>(n - 1)).dossier);
    for (const page& p : questions.pages(2))
        if (!p.questions.front().enonce.isEmpty())
            return p.questions.front().enonce;
    return {};
}

bool shows_text(QWidget* set, const QString& text)
{
    for (QLabel* label : set->findChildren<QLabel*>())
        if (label->text() == text)
            return true;
    return false;
}

// The program's processor time so far, in milliseconds: what a switch costs
// whatever else the machine runs.
double cpu_ms()
{
    timespec now{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
    return double(now.tv_sec) * 1e3 + double(now.tv_nsec) / 1e6;
}

// The key of finished section n as its review window lists it, letter by
// letter, and the same questions' key in paper `paper`.
QString key_in_review(const main_window_driver& f, int n)
{
    f.corrige_item(n)->trigger();
    QString letters;
    if (ReviewWindow* w = f.review_window(n)) {
        auto* list = w->findChild<QTreeWidget*>(QStringLiteral("questions"));
        for (int i = 0; i < list->topLevelItemCount(); ++i)
            letters += list->topLevelItem(i)->text(2);
        w->close();
    }
    return letters;
}
QString key_letters(int paper, int n)
{
    QString letters;
    for (int q = section(n).premiere_question; q <= section(n).derniere_question; ++q)
        letters += QChar(u'@' + main_window_driver::key_of(paper, q));
    return letters;
}
}

class Papers : public main_window_fixture {
    Q_OBJECT
private slots:
    void menu_offered_on_the_home_screen_only()
    {
        QVERIFY(show());
        QCOMPARE(f.MainMenu1()->actions().at(1), f.Epreuve()->menuAction()); // between "Fichier" and "Test"
        QCOMPARE(f.checked_paper(), 1);
        QCOMPARE(checked_items(f), QStringLiteral("10"));
        QVERIFY(offered(f));
        f.Button2()->click();
        QVERIFY(!offered(f));
        QCOMPARE(choose(f, 2), QString()); // not even asked
        QCOMPARE(f.checked_paper(), 1);
        QTest::mouseClick(f.terminer(), Qt::LeftButton);
        QVERIFY(offered(f));
        f.menu_init()->trigger();
        QVERIFY(offered(f));
    }

    // With nothing to lose the switch asks nothing; it brings the chosen
    // paper's pages, players, key and title, and back again.
    void switching_brings_the_chosen_paper()
    {
        QVERIFY(show());
        const QString stem1 = first_stem(1), stem2 = first_stem(2);
        QVERIFY(shows_text(f.Section2(), stem1));

        QElapsedTimer clock;
        clock.start();
        const double cpu_start = cpu_ms();
        QCOMPARE(choose(f, 2), QString());
        const qint64 to_paper2 = clock.elapsed();
        const double cpu_to_paper2 = cpu_ms() - cpu_start;
        QCOMPARE(f.checked_paper(), 2);
        QCOMPARE(checked_items(f), QStringLiteral("01"));
        QCOMPARE(form->windowTitle(), QStringLiteral("Parvolis - Test HSK élémentaire - Épreuve 2"));
        QVERIFY(shows_text(f.Section2(), stem2));
        QVERIFY(stem1 == stem2 || !shows_text(f.Section2(), stem1));
        QCOMPARE(f.answer_options().size(), 560u);
        QCOMPARE(f.clip_players().size(), 83u);
        for (ClipPlayer* player : f.clip_players())
            QVERIFY2(audio.file_of(player).startsWith(QLatin1String("ressources/epreuve2/")), qPrintable(audio.file_of(player)));

        // The new pages work as the old ones did, on the new key.
        f.Button2()->click();
        QTest::mouseClick(f.option(51, f.key_of(2, 51) - 1), Qt::LeftButton);
        QCOMPARE(f.answer(51), f.key_of(2, 51));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
        QCOMPARE(f.score2()->text(), QStringLiteral("2.5%"));
        for (QPushButton* start : {f.Button1(), f.Button3()}) {
            start->click();
            QTest::mouseClick(f.terminer(), Qt::LeftButton);
        }
        for (int n = 1; n <= 3; ++n)
            QCOMPARE(key_in_review(f, n), key_letters(2, n));

        clock.restart();
        QVERIFY(!choose(f, 1).isEmpty());
        const qint64 to_paper1 = clock.elapsed();
        QCOMPARE(form->windowTitle(), QStringLiteral("Parvolis - Test HSK élémentaire"));
        QVERIFY(shows_text(f.Section2(), stem1));
        QVERIFY(audio.file_of(f.clip_players().front()).startsWith(QLatin1String("ressources/Q")));
        f.Button2()->click();
        QTest::mouseClick(f.option(51, f.key_of(1, 51) - 1), Qt::LeftButton);
        QTest::mouseClick(f.terminer(), Qt::LeftButton);
        QCOMPARE(f.score2()->text(), QStringLiteral("2.5%"));
        qInfo("switch to paper 2: %lld ms (processor %.0f ms), back to paper 1 (confirmation answered at once): %lld ms",
              to_paper2, cpu_to_paper2, to_paper1);
    }

    // Answers or results make the switch ask; No keeps everything, Yes
    // reinitialises as "Initialiser" does and closes the reviews, which
    // then show the new paper.
    void confirmation_before_answers_and_results_are_lost()
    {
        QVERIFY(show());
        f.Button1()->click();
        QTest::mouseClick(f.option(1, 0), Qt::LeftButton);
        QTest::mouseClick(f.terminer(), Qt::LeftButton);
        f.corrige_item(1)->trigger();
        QVERIFY(f.review_window(1));

        QCOMPARE(choose(f, 2, QMessageBox::No),
                 QStringLiteral("Changer d'épreuve efface vos réponses et vos résultats. Continuer ? | &Oui &Non"));
        QCOMPARE(f.checked_paper(), 1);
        QCOMPARE(checked_items(f), QStringLiteral("10"));
        QCOMPARE(form->windowTitle(), QStringLiteral("Parvolis - Test HSK élémentaire"));
        QVERIFY(f.option(1, 0)->isChecked() && f.answer(1) == 1);
        QVERIFY(!f.score1()->text().isEmpty() && !f.Button1()->isEnabled());
        QVERIFY(f.review_window(1));

        QVERIFY(!choose(f, 2, QMessageBox::Yes).isEmpty());
        QCOMPARE(f.checked_paper(), 2);
        QVERIFY(!f.review_window(1));
        QVERIFY(f.score1()->text().isEmpty() && f.Button1()->isEnabled());
        QCOMPARE(f.answer(1), 0);
        for (int q = 1; q <= 4; ++q)
            QVERIFY(!f.option(1, q - 1)->isChecked());
        QCOMPARE(form->focusWidget(), f.Button1()); // where the focus is when the window is active again

        f.Button1()->click();
        QTest::mouseClick(f.terminer(), Qt::LeftButton);
        f.corrige_item(1)->trigger();
        QVERIFY(f.review_window(1));
        const QList<ClipPlayer*> heard = f.review_window(1)->findChildren<ClipPlayer*>();
        QVERIFY(!heard.isEmpty());
        for (ClipPlayer* player : heard)
            QVERIFY2(audio.file_of(player).startsWith(QLatin1String("ressources/epreuve2/")), qPrintable(audio.file_of(player)));
    }

    void a_missing_recording_keeps_the_current_paper()
    {
        QVERIFY(show());
        // A working folder where paper 2 lacks one recording.
        QTemporaryDir folder;
        const QDir built(QStringLiteral(PARVOLIS_BUILD_DIR "/ressources"));
        QVERIFY(QDir(folder.path()).mkpath(QStringLiteral("ressources/epreuve2")));
        for (const QString& sub : {QString(), QStringLiteral("epreuve2")})
            for (const QString& clip : QDir(built.filePath(sub)).entryList({QStringLiteral("*.mp3")}))
                if (!(sub == QLatin1String("epreuve2") && clip == QLatin1String("Q31.mp3")))
                    QVERIFY(QFile::link(built.filePath(sub + u'/' + clip),
                                        folder.filePath(QStringLiteral("ressources/") + sub + u'/' + clip)));
        QDir::setCurrent(folder.path());

        f.Button1()->click();
        QTest::mouseClick(f.option(1, 2), Qt::LeftButton);
        QTest::mouseClick(f.terminer(), Qt::LeftButton);
        const std::vector<ClipPlayer*> players = f.clip_players();
        QStringList reported;
        set_error_reporter([&](const AppError& error, bool) { reported << error.message(); });
        choose(f, 2);
        set_error_reporter({});
        QDir::setCurrent(QStringLiteral(PARVOLIS_BUILD_DIR));

        QCOMPARE(reported.size(), 1);
        QVERIFY2(reported.front().contains(QLatin1String("epreuve2/Q31.mp3")), qPrintable(reported.front()));
        QCOMPARE(f.checked_paper(), 1);
        QCOMPARE(checked_items(f), QStringLiteral("10"));
        QCOMPARE(form->windowTitle(), QStringLiteral("Parvolis - Test HSK élémentaire"));
        QVERIFY(f.clip_players() == players && audio.device_of(players.front()));
        QCOMPARE(f.answer(1), 3);
        QVERIFY(!f.score1()->text().isEmpty());
        QCOMPARE(key_in_review(f, 1), key_letters(1, 1));
        // The review stays on paper 1 as well.
        f.corrige_item(1)->trigger();
        QVERIFY(f.review_window(1));
        const QList<ClipPlayer*> heard = f.review_window(1)->findChildren<ClipPlayer*>();
        QVERIFY(!heard.isEmpty());
        for (ClipPlayer* player : heard)
            QVERIFY2(!audio.file_of(player).contains(QLatin1String("epreuve2")), qPrintable(audio.file_of(player)));
        // Still usable: section 2 runs and answers on paper 1's pages.
        f.Button2()->click();
        QVERIFY(shows_text(f.Section2(), first_stem(1)));
        QTest::mouseClick(f.option(51, 1), Qt::LeftButton);
        QCOMPARE(f.answer(51), 2);
    }
};

QTEST_MAIN(Papers)
#include "test_app_papers.moc"
