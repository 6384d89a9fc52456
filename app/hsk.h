#pragma once
// The main window: the home screen with the three section rows, the menu
// bar, the navigation buttons, the status bar, and the three page sets that
// cover the home table while a section runs. It binds every control to its
// handler and lends them to the test engine; they stay its own,
// reached from outside by their object names only.

#include "engine/engine.h"
#include "engine/window_controls.h"

#include <QMainWindow>
#include <functional>
#include <memory>
#include <vector>

class BevelPanel;
class catalogue;
class ClipPlayer;
class PageSet;
class RadioOption;
class ReviewMenu;
class QAction;
class QLabel;
class QMenu;
class QMenuBar;
class QPushButton;
class QTimer;
class StatusPanels;
class TForm2;
namespace audio { class audio_service; }

class TForm1 : public QMainWindow, public window_controls {
    Q_OBJECT
public:
    // Builds the home screen, menus and buttons, makes the clip players of
    // section 1 of `questions` and opens each with `audio` (which must
    // outlive the window), then runs FormCreate. The question pages are laid
    // out from `questions` later (ensurePages). Throws AppError when a clip
    // cannot be opened; the half-built window is then destroyed.
    TForm1(catalogue questions, audio::audio_service& audio, QWidget* parent = nullptr);
    // The same, asking for the questions only once every control that does
    // not depend on them exists, so that they can still be being read
    // meanwhile. Throws what `questions` throws.
    TForm1(const std::function<catalogue()>& questions, audio::audio_service& audio, QWidget* parent = nullptr);
    ~TForm1() override;

    // Lays out the question pages around the opened players, with their
    // options and keyboard order; does nothing once done. Start-up calls it
    // right after the window's first frame, so that the window appears
    // without waiting for the pages; starting a section calls it too.
    void ensurePages();

    // The About box, created after this window at start-up.
    void setAboutBox(TForm2* about) { Form2 = about; }

public slots:
    void FormCreate();
    void Button1Click();
    void Button2Click();
    void Button3Click();
    void menu_section1Click();
    void menu_section2Click();
    void menu_section3Click();
    void precedentClick();
    void menu_precClick();
    void suivantClick();
    void menu_suivClick();
    void Timer1Timer();
    void terminerClick();
    void menu_termClick();
    void menu_initClick();
    void QuitterClick();
    void Aproposde1Click();
    void Reponse_A(RadioOption* sender);
    void Reponse_B(RadioOption* sender);
    void Reponse_C(RadioOption* sender);
    void Reponse_D(RadioOption* sender);
    // The candidate chose paper `numero` in the "Épreuve" menu.
    void choosePaper(int numero);

private:
    void build_home_screen(QWidget* client);
    void build_menu_bar();
    void bind_events();
    void bind_answer_options();
    void set_tab_order();
    void screen_changed();
    void build_paper_menu();
    void show_paper(int numero, std::shared_ptr<const catalogue> questions, std::vector<ClipPlayer*> players);

    PageSet* page_set(int section) const;
    QPushButton* button_of(button b) const;
    QAction* menu_item_of(menu_item m) const;
    BevelPanel* panel_of(panel p) const;

    // window_controls
    void select_first_page(int section) override;
    void select_next_page(int section) override;
    void select_previous_page(int section) override;
    void set_page_set_visible(int section, bool visible) override;
    void uncheck_all_options() override;
    void set_status_text(status_panel p, const QString& text) override;
    void set_button_visible(button b, bool visible) override;
    void set_button_enabled(button b, bool enabled) override;
    void set_menu_item_visible(menu_item m, bool visible) override;
    void set_menu_item_enabled(menu_item m, bool enabled) override;
    void set_panel_text(panel p, const QString& text) override;
    void start_timer() override;
    void stop_timer() override;

    // The controls, under the object names tests and assistive tools find them by.
    // Generic names say nothing of the control; each is told beside it.
    QLabel* titre_chinois = nullptr;
    QLabel* Label31 = nullptr;        // the romanised title, "Hanyu Shuiping Kaoshi"
    BevelPanel* Panel16 = nullptr;    // the rule under the section rows
    BevelPanel* niveau = nullptr;
    BevelPanel* score_total = nullptr;
    BevelPanel* Panel15 = nullptr;    // column header "Durées"
    BevelPanel* Panel3 = nullptr;     // column header "Sections"
    BevelPanel* Panel2 = nullptr;     // the row of section 3
    BevelPanel* Panel7 = nullptr;     // the row of section 2
    BevelPanel* Panel1 = nullptr;     // the row of section 1
    BevelPanel* Panel14 = nullptr;    // column header "Scores"
    BevelPanel* score1 = nullptr;
    BevelPanel* score2 = nullptr;
    BevelPanel* score3 = nullptr;
    QPushButton* Button1 = nullptr;   // "Démarrer" of section 1
    QPushButton* Button2 = nullptr;   // "Démarrer" of section 2
    QPushButton* Button3 = nullptr;   // "Démarrer" of section 3
    StatusPanels* StatusBar = nullptr;
    PageSet* Section1 = nullptr;
    PageSet* Section2 = nullptr;
    PageSet* Section3 = nullptr;
    QPushButton* terminer = nullptr;
    QPushButton* precedent = nullptr;
    QPushButton* suivant = nullptr;
    QTimer* Timer1 = nullptr;         // the countdown's one-second tick

    QMenuBar* MainMenu1 = nullptr;    // the menu bar
    QMenu* Fichier1 = nullptr;        // the "Fichier" menu
    QAction* menu_init = nullptr;
    QAction* Quitter1 = nullptr;      // the separator above "Quitter"
    QAction* Quitter2 = nullptr;      // "Quitter"
    QMenu* Epreuve = nullptr;         // the "Épreuve" menu: which paper is sat
    std::vector<QAction*> menu_epreuve; // "Épreuve 1", "Épreuve 2"…, one per paper, the current one checked
    QMenu* Commencer1 = nullptr;      // the "Test" menu
    QAction* menu_section1 = nullptr;
    QAction* menu_section2 = nullptr;
    QAction* menu_section3 = nullptr;
    QAction* N2 = nullptr;            // the separator under the three "Démarrer section"
    QAction* menu_prec = nullptr;
    QAction* menu_suiv = nullptr;
    QAction* menu_term = nullptr;
    QMenu* N1 = nullptr;              // the "?" menu
    QAction* Aproposde1 = nullptr;    // "A propos de..."

    // The review of finished sections: the "Corrigé" menu before "?".
    ReviewMenu* corrige = nullptr;

    engine examen{*this}; // the test being sat: its state and its steps
    audio::audio_service& audio_;
    int paper_ = 1;
    std::shared_ptr<const catalogue> questions_; // until the pages are built
    std::vector<RadioOption*> options_;
    std::vector<ClipPlayer*> players_;
    QList<QWidget*> section_orders_[3];
    QList<QWidget*> keyboard_order_; // the whole window's
    TForm2* Form2 = nullptr;
};
