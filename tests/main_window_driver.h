#pragma once
// Reaches the main window's controls as assistive tools and style sheets do:
// by the object names the window gives them. Every look-up is made when asked,
// so a control rebuilt by a change of paper is found anew. A name that finds
// nothing stops the test at once, naming the control.

#include "app/hsk.h"
#include "engine/papers.h"
#include "pages/clip_player.h"
#include "platform/bevel_panel.h"
#include "platform/page_set.h"
#include "platform/radio_option.h"
#include "platform/status_panels.h"
#include "review/review_window.h"

#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTimer>
#include <QTimerEvent>
#include <QtTest>

#include <algorithm>
#include <vector>

class main_window_driver {
public:
    main_window_driver() = default;
    explicit main_window_driver(TForm1& window) : window_(&window) {}

    TForm1& window() const { return *window_; }

    // The control of that name and type.
    template <class W>
    W* find(const char* name) const
    {
        W* found = window_->findChild<W*>(QString::fromLatin1(name));
        if (!found)
            qFatal("the main window has no %s named \"%s\"", W::staticMetaObject.className(), name);
        return found;
    }

    QLabel* titre_chinois() const { return find<QLabel>("titre_chinois"); }
    QLabel* Label31() const { return find<QLabel>("Label31"); }
    BevelPanel* Panel16() const { return find<BevelPanel>("Panel16"); }
    BevelPanel* niveau() const { return find<BevelPanel>("niveau"); }
    BevelPanel* score_total() const { return find<BevelPanel>("score_total"); }
    BevelPanel* Panel15() const { return find<BevelPanel>("Panel15"); }
    BevelPanel* Panel3() const { return find<BevelPanel>("Panel3"); }
    BevelPanel* Panel2() const { return find<BevelPanel>("Panel2"); }
    BevelPanel* Panel7() const { return find<BevelPanel>("Panel7"); }
    BevelPanel* Panel1() const { return find<BevelPanel>("Panel1"); }
    BevelPanel* Panel14() const { return find<BevelPanel>("Panel14"); }
    BevelPanel* score1() const { return find<BevelPanel>("score1"); }
    BevelPanel* score2() const { return find<BevelPanel>("score2"); }
    BevelPanel* score3() const { return find<BevelPanel>("score3"); }
    QPushButton* Button1() const { return find<QPushButton>("Button1"); }
    QPushButton* Button2() const { return find<QPushButton>("Button2"); }
    QPushButton* Button3() const { return find<QPushButton>("Button3"); }
    StatusPanels* StatusBar() const { return find<StatusPanels>("StatusBar"); }
    PageSet* Section1() const { return find<PageSet>("Section1"); }
    PageSet* Section2() const { return find<PageSet>("Section2"); }
    PageSet* Section3() const { return find<PageSet>("Section3"); }
    QPushButton* terminer() const { return find<QPushButton>("terminer"); }
    QPushButton* precedent() const { return find<QPushButton>("precedent"); }
    QPushButton* suivant() const { return find<QPushButton>("suivant"); }
    QTimer* Timer1() const { return find<QTimer>("Timer1"); }
    QMenuBar* MainMenu1() const { return find<QMenuBar>("MainMenu1"); }
    QMenu* Fichier1() const { return find<QMenu>("Fichier1"); }
    QMenu* Epreuve() const { return find<QMenu>("Epreuve"); }
    QMenu* Commencer1() const { return find<QMenu>("Commencer1"); }
    QMenu* N1() const { return find<QMenu>("N1"); }
    QAction* menu_init() const { return find<QAction>("menu_init"); }
    QAction* Quitter2() const { return find<QAction>("Quitter2"); }
    QAction* menu_section1() const { return find<QAction>("menu_section1"); }
    QAction* menu_section2() const { return find<QAction>("menu_section2"); }
    QAction* menu_section3() const { return find<QAction>("menu_section3"); }
    QAction* N2() const { return find<QAction>("N2"); }
    QAction* menu_prec() const { return find<QAction>("menu_prec"); }
    QAction* menu_suiv() const { return find<QAction>("menu_suiv"); }
    QAction* menu_term() const { return find<QAction>("menu_term"); }
    QAction* Aproposde1() const { return find<QAction>("Aproposde1"); }

    // "Corrigé de la section n" in the "Corrigé" menu.
    QAction* corrige_item(int n) const { return find<QAction>(("menu_corrige" + QByteArray::number(n)).constData()); }

    // The open review window of section n, or null: a closed one only waits for its deletion.
    ReviewWindow* review_window(int n) const
    {
        for (ReviewWindow* w : window_->findChildren<ReviewWindow*>(QStringLiteral("Corrige%1").arg(n)))
            if (w->isVisible())
                return w;
        return nullptr;
    }

    // "Épreuve 1", "Épreuve 2"…, one per paper, in the menu's order.
    std::vector<QAction*> menu_epreuve() const
    {
        std::vector<QAction*> items;
        for (std::size_t n = 1; n <= paper_table().size(); ++n)
            items.push_back(find<QAction>(("menu_epreuve" + QByteArray::number(qulonglong(n))).constData()));
        return items;
    }

    // The paper the candidate sits, as the "Épreuve" menu shows it: its checked item, from 1; 0 none.
    int checked_paper() const
    {
        const std::vector<QAction*> items = menu_epreuve();
        const auto checked = std::find_if(items.begin(), items.end(), [](QAction* a) { return a->isChecked(); });
        return checked == items.end() ? 0 : static_cast<int>(checked - items.begin()) + 1;
    }

    // The answer options of the question pages, question by question, A to D.
    std::vector<RadioOption*> answer_options() const
    {
        std::vector<RadioOption*> options;
        for (PageSet* set : {Section1(), Section2(), Section3()})
            for (RadioOption* o : set->findChildren<RadioOption*>())
                options.push_back(o);
        std::stable_sort(options.begin(), options.end(), [](RadioOption* a, RadioOption* b) { return a->tag() < b->tag(); });
        return options;
    }

    // Option `letter` (0 = A … 3 = D) of question q, told by its tag and caption.
    RadioOption* option(int q, int letter) const
    {
        for (PageSet* set : {Section1(), Section2(), Section3()})
            for (RadioOption* o : set->findChildren<RadioOption*>())
                if (o->tag() == q && o->text().startsWith(QChar(u'A' + letter)))
                    return o;
        qFatal("question %d has no option %c", q, 'A' + letter);
    }

    // The answer the pages show for question q: 1 (A) to 4 (D), 0 none.
    int answer(int q) const
    {
        for (int letter = 0; letter < 4; ++letter)
            if (option(q, letter)->isChecked())
                return letter + 1;
        return 0;
    }

    // The key of question q in paper `paper`, and in the paper the menu shows checked: 1 (A) to 4 (D).
    static int key_of(int paper, int q)
    {
        return paper_table().at(static_cast<std::size_t>(paper - 1)).cle[q - 1] - 'A' + 1;
    }
    int key(int q) const { return key_of(checked_paper(), q); }

    // The clip players of section 1, page by page, then those not yet on a page.
    std::vector<ClipPlayer*> clip_players() const
    {
        std::vector<ClipPlayer*> players;
        PageSet* set = Section1();
        for (int i = 0; i < set->count(); ++i)
            for (ClipPlayer* p : set->widget(i)->findChildren<ClipPlayer*>())
                players.push_back(p);
        for (ClipPlayer* p : set->findChildren<ClipPlayer*>(Qt::FindDirectChildrenOnly))
            players.push_back(p);
        return players;
    }

    // One tick of the countdown, as its timer gives it, without the second's wait.
    void tick() const
    {
        QTimerEvent elapsed(Timer1()->timerId());
        QCoreApplication::sendEvent(Timer1(), &elapsed);
    }

private:
    TForm1* window_ = nullptr;
};
