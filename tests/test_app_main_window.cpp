// The main window's home screen, menus, keyboard and About box, through the
// real widgets.

#include "app_fixture.h"
#include "platform/bevel_panel.h"
#include "platform/status_panels.h"

#include <QAction>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTabWidget>
#include <QTimer>

namespace {
QWidget* child(QWidget* root, const char* name)
{
    return root->findChild<QWidget*>(QString::fromLatin1(name));
}

QString caption(QWidget* w)
{
    if (auto* l = qobject_cast<QLabel*>(w))
        return l->text();
    if (auto* b = qobject_cast<QAbstractButton*>(w))
        return b->text();
    return {};
}
}

class MainWindow : public main_window_fixture {
    Q_OBJECT
private slots:
    void window_properties()
    {
        QCOMPARE(form->windowTitle(), QStringLiteral("Parvolis - Test HSK élémentaire"));
        QCOMPARE(form->centralWidget()->size(), QSize(644, 447));
        QCOMPARE(form->minimumSize(), form->maximumSize());
        QVERIFY(!(form->windowFlags() & Qt::WindowMaximizeButtonHint));
        QVERIFY(form->windowFlags() & Qt::WindowMinimizeButtonHint);
        QCOMPARE(form->font().family(), QStringLiteral("Tahoma"));
        QCOMPARE(form->font().pixelSize(), 11);
        QVERIFY(!form->windowIcon().isNull());
        QVERIFY(f.Timer1()->interval() == 1000 && !f.Timer1()->isActive());
        QCOMPARE(f.Timer1()->timerType(), Qt::PreciseTimer);
    }

    // Every control of the home screen where it stands, with its caption,
    // on one window; a row that fails is named.
    void home_screen_layout()
    {
        struct expected {
            const char* name;
            QRect geometry;
            QString text;
            bool visible = true;
        };
        const expected rows[] = {
            {"titre_chinois", {220, 0, 174, 29}, "汉语水平考试"},
            {"Label31", {200, 32, 215, 25}, "Hanyu Shuiping Kaoshi"},
            {"Panel16", {24, 296, 601, 2}, ""},
            {"niveau", {24, 312, 513, 33}, ""},
            {"score_total", {544, 312, 81, 33}, ""},
            {"Panel15", {352, 72, 81, 33}, "Durées"},
            {"Panel3", {32, 72, 161, 33}, "Sections"},
            {"Panel2", {24, 232, 513, 49}, ""},
            {"Panel7", {24, 176, 513, 49}, ""},
            {"Panel1", {24, 120, 513, 49}, ""},
            {"Panel14", {544, 72, 81, 33}, "Scores"},
            {"score1", {544, 128, 81, 33}, ""},
            {"score2", {544, 184, 81, 33}, ""},
            {"score3", {544, 240, 81, 33}, ""},
            {"StatusBar", {0, 430, 644, 17}, ""},
            {"Section1", {2, 58, 639, 338}, "", false},
            {"Section2", {2, 58, 639, 338}, "", false},
            {"Section3", {2, 58, 639, 338}, "", false},
            {"terminer", {248, 400, 145, 25}, "Terminer", false},
            {"precedent", {5, 400, 145, 25}, "<< Question précédente", false},
            {"suivant", {492, 400, 145, 25}, "Question suivante >>", false},
            // Section rows, relative to their row panel.
            {"Panel5", {8, 8, 161, 33}, "1 - Compréhension orale"},
            {"Panel6", {176, 8, 145, 33}, "Questions 1 à 50"},
            {"Panel4", {328, 8, 81, 33}, "35'00\""},
            {"Button1", {416, 8, 89, 33}, "Démarrer"},
            {"Panel8", {8, 8, 161, 33}, "2 - Structures grammaticales"},
            {"Panel9", {176, 8, 145, 33}, "Questions 51 à 90"},
            {"Panel10", {328, 8, 81, 33}, "40'00\""},
            {"Button2", {416, 8, 89, 33}, "Démarrer"},
            {"Panel11", {8, 8, 161, 33}, "3 - Compréhension écrite"},
            {"Panel12", {176, 8, 145, 33}, "Questions 91 à 140"},
            {"Panel13", {328, 8, 81, 33}, "60'00\""},
            {"Button3", {416, 8, 89, 33}, "Démarrer"},
        };
        struct naming_on_failure {
            const char* name;
            ~naming_on_failure()
            {
                if (QTest::currentTestFailed())
                    qWarning("home screen row %s", name);
            }
        };
        QVERIFY(show());
        for (const expected& row : rows) {
            const naming_on_failure current{row.name};
            QWidget* w = child(form.get(), row.name);
            QVERIFY2(w, row.name);
            QCOMPARE(w->geometry(), row.geometry);
            QCOMPARE(caption(w), row.text);
            QCOMPARE(w->isVisible(), row.visible);
            QVERIFY(w->isEnabled());
        }
    }

    void fonts_and_bevels()
    {
        QCOMPARE(f.titre_chinois()->font().pixelSize(), 29);
        QCOMPARE(f.Label31()->font().pixelSize(), 21);
        QVERIFY(f.niveau()->font().bold());
        QCOMPARE(f.niveau()->font().pixelSize(), 11);
        QVERIFY(!f.score_total()->font().bold());
        // Centred captions; raised headers and rows, sunken rule and results.
        for (BevelPanel* p : {f.Panel15(), f.Panel3(), f.Panel14(), f.Panel1()})
            QCOMPARE(p->frameShadow(), QFrame::Raised);
        for (BevelPanel* p : {f.Panel16(), f.niveau(), f.score_total(), f.score1(), f.score2(), f.score3()})
            QCOMPARE(p->frameShadow(), QFrame::Sunken);
        QCOMPARE(f.Panel3()->alignment(), Qt::AlignCenter);
        // Both title labels centred on x = 307.
        QCOMPARE(f.titre_chinois()->geometry().center().x() + 1, 307 + f.titre_chinois()->width() % 2);
        QCOMPARE(f.titre_chinois()->alignment() & Qt::AlignHCenter, Qt::AlignHCenter);
    }

    void status_bar_panels()
    {
        QVERIFY(show());
        StatusPanels* bar = f.StatusBar();
        const QRect expected[] = {{0, 0, 200, 17}, {200, 0, 240, 17}, {440, 0, 204, 17}};
        const Qt::Alignment align[] = {Qt::AlignLeft, Qt::AlignHCenter, Qt::AlignRight};
        for (int i = 0; i < 3; ++i) {
            QCOMPARE(bar->panel(i)->geometry(), expected[i]);
            QVERIFY(bar->panel(i)->alignment() & align[i]);
            QCOMPARE(bar->panel(i)->frameShadow(), QFrame::Sunken);
            QVERIFY(bar->text(i).isEmpty());
        }
    }

    void menus()
    {
        auto items = [](QMenu* m) {
            QStringList out;
            for (QAction* a : m->actions())
                out << QStringLiteral("%1|%2|%3|%4|%5").arg(a->objectName(), a->isSeparator() ? "-" : a->text())
                            .arg(a->isVisible()).arg(a->isEnabled()).arg(a->shortcut().isEmpty());
            return out;
        };
        const QList<QAction*> menus = f.MainMenu1()->actions();
        // The menus "Fichier", "Test" and "?", the choice of paper after
        // "Fichier" and the review's menu before "?".
        QCOMPARE(menus.size(), 5);
        QCOMPARE(menus[0]->text(), QStringLiteral("Fichier"));
        QCOMPARE(menus[1]->text(), QStringLiteral("Épreuve"));
        QCOMPARE(menus[2]->text(), QStringLiteral("Test"));
        QCOMPARE(menus[3]->text(), QStringLiteral("Corrigé"));
        QCOMPARE(menus[4]->text(), QStringLiteral("?"));
        QCOMPARE(items(f.Fichier1()), (QStringList{"menu_init|Initialiser|1|1|1", "Quitter1|-|1|1|1", "Quitter2|Quitter|1|1|1"}));
        QCOMPARE(items(f.Epreuve()), (QStringList{"menu_epreuve1|Épreuve 1|1|1|1", "menu_epreuve2|Épreuve 2|1|1|1"}));
        QCOMPARE(items(f.Commencer1()), (QStringList{
            "menu_section1|Démarrer section 1|1|1|1", "menu_section2|Démarrer section 2|1|1|1",
            "menu_section3|Démarrer section 3|1|1|1", "N2|-|1|1|1",
            "menu_prec|Question précédente|1|0|1", "menu_suiv|Question suivante|1|0|1", "menu_term|Terminer|1|0|1"}));
        QCOMPARE(items(f.N1()), (QStringList{"Aproposde1|A propos de...|1|1|1"}));
    }

    void keyboard_on_home_screen()
    {
        QVERIFY(show());
        QCOMPARE(QApplication::focusWidget(), f.Button1());
        // Tab cycles through the three start buttons only, both ways.
        QWidget* forward[] = {f.Button2(), f.Button3(), f.Button1(), f.Button2()};
        for (QWidget* expected : forward) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QCOMPARE(QApplication::focusWidget(), expected);
        }
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab);
        QCOMPARE(QApplication::focusWidget(), f.Button1());
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab);
        QCOMPARE(QApplication::focusWidget(), f.Button3());

        // Escape does nothing while "Terminer" is hidden.
        QTest::keyClick(f.Button3(), Qt::Key_Escape);
        QVERIFY(f.Button3()->isVisible() && f.StatusBar()->text(0).isEmpty());
    }

    void enter_space_and_escape()
    {
        QVERIFY(show());
        QTest::keyClick(f.Button1(), Qt::Key_Return); // Enter presses the focused start button
        QCOMPARE(f.StatusBar()->text(0), QStringLiteral("Section 1 : compréhension orale"));
        QVERIFY(f.terminer()->isVisible() && !f.Button1()->isVisible());
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape, Qt::ShiftModifier); // modifiers: nothing
        QVERIFY(f.terminer()->isVisible());
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
        QVERIFY(!f.terminer()->isVisible());
        QCOMPARE(f.score1()->text(), QStringLiteral("0.0%"));
        QVERIFY(!f.Button1()->isEnabled() && f.Button2()->isEnabled());

        f.Button2()->setFocus();
        QTest::keyClick(f.Button2(), Qt::Key_Space);
        QCOMPARE(f.StatusBar()->text(0), QStringLiteral("Section 2 : structures grammaticales"));
    }

    void quitter_closes_the_window()
    {
        QVERIFY(show());
        f.Aproposde1()->trigger();
        f.Quitter2()->trigger();
        QVERIFY(!form->isVisible());
    }

    void about_box()
    {
        QVERIFY(show());
        TForm2* box = about;
        QVERIFY(!box->isVisible());
        QCOMPARE(box->windowTitle(), QStringLiteral("A propos de Parvolis"));
        QCOMPARE(box->size(), QSize(242, 273));
        QCOMPARE(box->minimumSize(), box->maximumSize());
        QVERIFY(!(box->windowFlags() & (Qt::WindowCloseButtonHint | Qt::WindowSystemMenuHint
                                        | Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint)));
        QCOMPARE(caption(child(box, "Label7")), QStringLiteral("HSK élémentaire"));
        QCOMPARE(caption(child(box, "Label5")), QStringLiteral("Version 1.0a"));
        QCOMPARE(child(box, "Button1")->geometry(), QRect(152, 160, 81, 89));
        QCOMPARE(child(box, "GroupBox2")->geometry(), QRect(8, 152, 129, 97));
        // "Équipe" keeps its line and has room for its accent above it.
        const auto* team = static_cast<QLabel*>(child(box, "Label8"));
        QCOMPARE(team->geometry().bottom() + 1, 40 + team->fontMetrics().height());
        QVERIFY(team->height() >= team->fontMetrics().tightBoundingRect(team->text()).height());
        const QPixmap emblem = static_cast<QLabel*>(child(box, "Image1"))->pixmap();
        QCOMPARE(emblem.size(), QSize(65, 65));
        QCOMPARE(emblem.toImage().pixelColor(0, 0), QColor(212, 208, 200));
        QCOMPARE(emblem.toImage().pixelColor(32, 8), QColor(255, 255, 128));

        // Shown modeless, focus on OK; a second show brings the same box forward.
        f.Aproposde1()->trigger();
        QVERIFY(QTest::qWaitForWindowActive(box));
        QTRY_COMPARE(QApplication::focusWidget(), about_ok());
        f.Aproposde1()->trigger();
        QCOMPARE(form->findChildren<TForm2*>().size(), 1);
        QVERIFY(form->isEnabled() && box->isVisible());

        // OK, Escape, Enter and Space each hide it; it comes back where it was left.
        const QPoint moved = box->pos() + QPoint(37, 23);
        box->move(moved);
        const std::function<void()> closers[] = {
            [&] { QTest::mouseClick(about_ok(), Qt::LeftButton); },
            [&] { QTest::keyClick(about_ok(), Qt::Key_Escape); },
            [&] { QTest::keyClick(about_ok(), Qt::Key_Return); },
            [&] { QTest::keyClick(about_ok(), Qt::Key_Space); },
        };
        for (const auto& close : closers) {
            close();
            QVERIFY(!box->isVisible());
            f.Aproposde1()->trigger();
            QVERIFY(box->isVisible());
            QCOMPARE(box->pos(), moved);
        }
    }

    void about_box_leaves_countdown_running()
    {
        QVERIFY(show());
        f.Button3()->click();
        f.Aproposde1()->trigger();
        QVERIFY(f.Timer1()->isActive());
    }
};

QTEST_MAIN(MainWindow)
#include "test_app_main_window.moc"
