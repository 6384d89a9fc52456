#include "app/hsk.h"

#include "about/Aproposde.h"
#include "app/startup_phase.h"
#include "content/catalogue.h"
#include "engine/number_format.h"
#include "engine/papers.h"
#include "engine/sections.h"
#include "pages/clip_player.h"
#include "pages/question_pages.h"
#include "platform/bevel_panel.h"
#include "platform/cancel_button.h"
#include "platform/error_reporting.h"
#include "platform/keyboard_order.h"
#include "platform/page_set.h"
#include "platform/pixel_font.h"
#include "platform/radio_option.h"
#include "platform/status_panels.h"
#include "platform/stray_clicks.h"
#include "review/review_menu.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QLabel>
#include <QLayout>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>

#include <algorithm>
#include <utility>

namespace {
using Bevel = BevelPanel::Bevel;

template <typename W>
W* named(W* widget, const char* name, QRect geometry)
{
    widget->setObjectName(QString::fromLatin1(name));
    widget->setGeometry(geometry);
    return widget;
}

BevelPanel* bevel_panel(QWidget* parent, const char* name, Bevel bevel, const QString& caption, QRect geometry)
{
    return named(new BevelPanel(bevel, caption, parent), name, geometry);
}

QPushButton* push_button(QWidget* parent, const char* name, const QString& caption, QRect geometry)
{
    auto* b = named(new QPushButton(caption, parent), name, geometry);
    b->setAutoDefault(true); // Enter presses the focused button; no button is the default
    return b;
}

// One section row: title, question range and duration of section `s`, start button.
QPushButton* section_row(BevelPanel* row, const char* title_name, const QString& title, const section_info& s,
                         const char* range_name, const char* duration_name, const char* button_name)
{
    const QString range = QStringLiteral("Questions %1 à %2").arg(s.premiere_question).arg(s.derniere_question);
    bevel_panel(row, title_name, Bevel::Lowered, title, {8, 8, 161, 33});
    bevel_panel(row, range_name, Bevel::Lowered, range, {176, 8, 145, 33});
    bevel_panel(row, duration_name, Bevel::Lowered, duration_text(s.duree), {328, 8, 81, 33});
    QPushButton* start = push_button(row, button_name, QStringLiteral("Démarrer"), {416, 8, 89, 33});
    start->setAccessibleDescription(title); // the three buttons share a caption: a screen reader tells them apart
    return start;
}

QAction* menu_action(QMenu* menu, const char* name, const QString& caption, bool enabled = true)
{
    QAction* action = menu->addAction(caption);
    action->setObjectName(QString::fromLatin1(name));
    action->setEnabled(enabled);
    return action;
}

// The window's title names the paper, except paper 1's.
QString window_title(int paper)
{
    const QString title = QStringLiteral("Parvolis - Test HSK élémentaire");
    return paper == 1 ? title : title + QStringLiteral(" - Épreuve %1").arg(paper);
}

QAction* separator(QMenu* menu, const char* name)
{
    QAction* action = menu->addSeparator();
    action->setObjectName(QString::fromLatin1(name));
    return action;
}
}

TForm1::TForm1(catalogue questions, audio::audio_service& audio, QWidget* parent)
    : TForm1([&questions] { return std::move(questions); }, audio, parent)
{
}

TForm1::TForm1(const std::function<catalogue()>& questions, audio::audio_service& audio, QWidget* parent)
    : QMainWindow(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                              | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint),
      audio_(audio)
{
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(window_title(paper_));
    setFont(font_px("Tahoma", 11));

    build_menu_bar();
    corrige = new ReviewMenu(MainMenu1, N1->menuAction(), examen.state(), audio, this);
    auto* client = new QWidget(this);
    client->setObjectName(QStringLiteral("client"));
    client->setFixedSize(644, 447);
    setCentralWidget(client);
    build_home_screen(client);
    layout()->setSizeConstraint(QLayout::SetFixedSize); // the window cannot be resized
    layout()->activate();

    bind_events();
    set_tab_order();
    set_cancel_button(this, terminer);
    Button1->setFocus();
    stray_clicks::follow_mouse();

    // The clip players of section 1 come last, made from the questions.
    questions_ = std::make_shared<const catalogue>(questions());
    corrige->usePaper(questions_);
    for (const QString& clip : section_clips(questions_->pages(1)))
        players_.push_back(new ClipPlayer(clip_file_name(clip), audio, Section1));
    mark_startup_phase("window built");

    // Every control exists: the players open their clips, one after another.
    for (ClipPlayer* player : players_)
        player->open();
    mark_startup_phase("clips opened");
    FormCreate();
}

TForm1::~TForm1() = default;

void TForm1::ensurePages()
{
    if (!questions_)
        return;
    PageSet* sets[] = {Section1, Section2, Section3};
    for (int i = 0; i < 3; ++i) {
        const std::vector<ClipPlayer*> players = i == 0 ? players_ : std::vector<ClipPlayer*>{};
        built_section built = build_question_pages(sets[i], questions_->pages(i + 1), players);
        options_.insert(options_.end(), built.options.begin(), built.options.end());
        section_orders_[i] = std::move(built.keyboard_order);
    }
    questions_.reset();
    bind_answer_options();
    set_tab_order();
}

void TForm1::build_home_screen(QWidget* client)
{
    titre_chinois = named(new QLabel(QStringLiteral("汉语水平考试"), client), "titre_chinois", {220, 0, 174, 29});
    titre_chinois->setFont(font_px("SimHei", 29));
    titre_chinois->setAlignment(Qt::AlignCenter);
    Label31 = named(new QLabel(QStringLiteral("Hanyu Shuiping Kaoshi"), client), "Label31", {200, 32, 215, 25});
    Label31->setFont(font_px("Tahoma", 21));
    Label31->setAlignment(Qt::AlignCenter);

    Panel16 = bevel_panel(client, "Panel16", Bevel::Lowered, QString(), {24, 296, 601, 2});
    niveau = bevel_panel(client, "niveau", Bevel::Lowered, QString(), {24, 312, 513, 33});
    niveau->setFont(font_px("Tahoma", 11, true));
    score_total = bevel_panel(client, "score_total", Bevel::Lowered, QString(), {544, 312, 81, 33});
    Panel15 = bevel_panel(client, "Panel15", Bevel::Raised, QStringLiteral("Durées"), {352, 72, 81, 33});
    Panel3 = bevel_panel(client, "Panel3", Bevel::Raised, QStringLiteral("Sections"), {32, 72, 161, 33});

    Panel2 = bevel_panel(client, "Panel2", Bevel::Raised, QString(), {24, 232, 513, 49});
    Button3 = section_row(Panel2, "Panel11", QStringLiteral("3 - Compréhension écrite"), section(3), "Panel12",
                          "Panel13", "Button3");
    Panel7 = bevel_panel(client, "Panel7", Bevel::Raised, QString(), {24, 176, 513, 49});
    Button2 = section_row(Panel7, "Panel8", QStringLiteral("2 - Structures grammaticales"), section(2), "Panel9",
                          "Panel10", "Button2");
    Panel1 = bevel_panel(client, "Panel1", Bevel::Raised, QString(), {24, 120, 513, 49});
    Button1 = section_row(Panel1, "Panel5", QStringLiteral("1 - Compréhension orale"), section(1), "Panel6",
                          "Panel4", "Button1");

    // The rows do not overlap: their stacking shows nowhere but in the order
    // assistive technology reads them, which is then the screen's, top down.
    Panel1->stackUnder(Panel2);
    Panel7->stackUnder(Panel2);
    Panel3->stackUnder(Panel15); // "Sections" before "Durées"

    Panel14 = bevel_panel(client, "Panel14", Bevel::Raised, QStringLiteral("Scores"), {544, 72, 81, 33});
    score1 = bevel_panel(client, "score1", Bevel::Lowered, QString(), {544, 128, 81, 33});
    score2 = bevel_panel(client, "score2", Bevel::Lowered, QString(), {544, 184, 81, 33});
    score3 = bevel_panel(client, "score3", Bevel::Lowered, QString(), {544, 240, 81, 33});
    // What a screen reader says of each result beside its figure.
    score1->setAccessibleDescription(QStringLiteral("Score de la section 1"));
    score2->setAccessibleDescription(QStringLiteral("Score de la section 2"));
    score3->setAccessibleDescription(QStringLiteral("Score de la section 3"));
    score_total->setAccessibleDescription(QStringLiteral("Score total"));

    StatusBar = named(new StatusPanels({{200, Qt::AlignLeft}, {240, Qt::AlignHCenter}, {200, Qt::AlignRight}}, client),
                      "StatusBar", {0, 430, 644, 17});

    const char* set_names[] = {"Section1", "Section2", "Section3"};
    PageSet** sets[] = {&Section1, &Section2, &Section3};
    for (int i = 0; i < 3; ++i) {
        *sets[i] = named(new PageSet(PageSet::Level::TopLevel, client), set_names[i], {2, 58, 639, 338});
        (*sets[i])->hide();
    }

    terminer = push_button(client, "terminer", QStringLiteral("Terminer"), {248, 400, 145, 25});
    precedent = push_button(client, "precedent", QStringLiteral("<< Question précédente"), {5, 400, 145, 25});
    suivant = push_button(client, "suivant", QStringLiteral("Question suivante >>"), {492, 400, 145, 25});
    // Read without their arrows.
    precedent->setAccessibleName(QStringLiteral("Question précédente"));
    suivant->setAccessibleName(QStringLiteral("Question suivante"));
    for (QPushButton* b : {terminer, precedent, suivant})
        b->hide();

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(1000);
    Timer1->setTimerType(Qt::PreciseTimer);
}

void TForm1::build_menu_bar()
{
    MainMenu1 = new QMenuBar(this);
    MainMenu1->setObjectName(QStringLiteral("MainMenu1"));
    setMenuBar(MainMenu1);

    Fichier1 = MainMenu1->addMenu(QStringLiteral("Fichier"));
    Fichier1->setObjectName(QStringLiteral("Fichier1"));
    menu_init = menu_action(Fichier1, "menu_init", QStringLiteral("Initialiser"));
    Quitter1 = separator(Fichier1, "Quitter1");
    Quitter2 = menu_action(Fichier1, "Quitter2", QStringLiteral("Quitter"));

    build_paper_menu();

    Commencer1 = MainMenu1->addMenu(QStringLiteral("Test"));
    Commencer1->setObjectName(QStringLiteral("Commencer1"));
    menu_section1 = menu_action(Commencer1, "menu_section1", QStringLiteral("Démarrer section 1"));
    menu_section2 = menu_action(Commencer1, "menu_section2", QStringLiteral("Démarrer section 2"));
    menu_section3 = menu_action(Commencer1, "menu_section3", QStringLiteral("Démarrer section 3"));
    N2 = separator(Commencer1, "N2");
    menu_prec = menu_action(Commencer1, "menu_prec", QStringLiteral("Question précédente"), false);
    menu_suiv = menu_action(Commencer1, "menu_suiv", QStringLiteral("Question suivante"), false);
    menu_term = menu_action(Commencer1, "menu_term", QStringLiteral("Terminer"), false);

    N1 = MainMenu1->addMenu(QStringLiteral("?"));
    N1->setObjectName(QStringLiteral("N1"));
    Aproposde1 = menu_action(N1, "Aproposde1", QStringLiteral("A propos de..."));
}

// One checkable item per paper; choosing one is exclusive.
void TForm1::build_paper_menu()
{
    Epreuve = MainMenu1->addMenu(QStringLiteral("Épreuve"));
    Epreuve->setObjectName(QStringLiteral("Epreuve"));
    auto* choice = new QActionGroup(this);
    for (const paper_info& p : paper_table()) {
        const QByteArray name = "menu_epreuve" + QByteArray::number(p.numero);
        QAction* item = menu_action(Epreuve, name.constData(), QStringLiteral("Épreuve %1").arg(p.numero));
        item->setCheckable(true);
        item->setChecked(p.numero == paper_);
        choice->addAction(item);
        connect(item, &QAction::triggered, this, [this, n = p.numero] { choosePaper(n); });
        menu_epreuve.push_back(item);
    }
}

void TForm1::bind_events()
{
    connect(Button1, &QPushButton::clicked, this, &TForm1::Button1Click);
    connect(Button2, &QPushButton::clicked, this, &TForm1::Button2Click);
    connect(Button3, &QPushButton::clicked, this, &TForm1::Button3Click);
    connect(menu_section1, &QAction::triggered, this, &TForm1::menu_section1Click);
    connect(menu_section2, &QAction::triggered, this, &TForm1::menu_section2Click);
    connect(menu_section3, &QAction::triggered, this, &TForm1::menu_section3Click);
    connect(precedent, &QPushButton::clicked, this, &TForm1::precedentClick);
    connect(menu_prec, &QAction::triggered, this, &TForm1::menu_precClick);
    connect(suivant, &QPushButton::clicked, this, &TForm1::suivantClick);
    connect(menu_suiv, &QAction::triggered, this, &TForm1::menu_suivClick);
    connect(Timer1, &QTimer::timeout, this, &TForm1::Timer1Timer);
    connect(terminer, &QPushButton::clicked, this, &TForm1::terminerClick);
    connect(menu_term, &QAction::triggered, this, &TForm1::menu_termClick);
    connect(menu_init, &QAction::triggered, this, &TForm1::menu_initClick);
    connect(Quitter2, &QAction::triggered, this, &TForm1::QuitterClick);
    connect(Aproposde1, &QAction::triggered, this, &TForm1::Aproposde1Click);
}

void TForm1::bind_answer_options()
{
    using handler = void (TForm1::*)(RadioOption*);
    const handler answer_handlers[] = {&TForm1::Reponse_A, &TForm1::Reponse_B, &TForm1::Reponse_C, &TForm1::Reponse_D};
    for (std::size_t i = 0; i < options_.size(); ++i)
        connect(options_[i], &RadioOption::checkedByUser, this, answer_handlers[i % 4]);
}

void TForm1::set_tab_order()
{
    keyboard_order_ = {suivant, precedent, Button1, Button2, Button3};
    for (const QList<QWidget*>& section_order : section_orders_)
        keyboard_order_ += section_order;
    keyboard_order_ << terminer;
    set_keyboard_order(keyboard_order_);
}

// Handlers.

void TForm1::FormCreate() { examen.form_create(); }
void TForm1::Button1Click() { ensurePages(); examen.start_section(1); screen_changed(); }
void TForm1::Button2Click() { ensurePages(); examen.start_section(2); screen_changed(); }
void TForm1::Button3Click() { ensurePages(); examen.start_section(3); screen_changed(); }
void TForm1::menu_section1Click() { Button1Click(); }
void TForm1::menu_section2Click() { Button2Click(); }
void TForm1::menu_section3Click() { Button3Click(); }
void TForm1::precedentClick() { examen.previous_page(); }
void TForm1::menu_precClick() { precedentClick(); }
void TForm1::suivantClick() { examen.next_page(); }
void TForm1::menu_suivClick() { suivantClick(); }
void TForm1::Timer1Timer()
{
    examen.tick();
    if (!Timer1->isActive()) // the countdown has ended the section
        screen_changed();
}
void TForm1::terminerClick() { examen.finish(); screen_changed(); }
void TForm1::menu_termClick() { terminerClick(); }
void TForm1::menu_initClick() { examen.reinitialise(); screen_changed(); }

// After every change of screen the focus goes to the first control in
// keyboard order that is shown and enabled: "Question suivante >>" while a
// section runs, the first "Démarrer" still enabled on the home screen. With
// all three greyed no control keeps it, so no hidden "Terminer" holds it,
// ready to be pressed by one key when a section is started again. The pages
// just shown also refuse clicks aimed at the screen before. The section
// reviews follow too: closed while a section runs, offered once it is done.
void TForm1::screen_changed()
{
    stray_clicks::note_content_change();
    corrige->sync(Timer1->isActive());
    Epreuve->setEnabled(!Timer1->isActive()); // the paper changes only on the home screen
    for (QWidget* control : std::as_const(keyboard_order_)) {
        if (control->isVisibleTo(this) && control->isEnabled() && is_tab_stop(control)) {
            control->setFocus(Qt::OtherFocusReason);
            return;
        }
    }
    if (QWidget* focus = focusWidget())
        focus->clearFocus();
}

void TForm1::QuitterClick() { close(); }

// Another paper is read and its recordings opened before anything of the
// current one is touched: if one cannot be opened, its error is shown and
// the current paper stays as it was, pages, players and answers.
void TForm1::choosePaper(int numero)
{
    const auto keep_current = [this] { menu_epreuve[static_cast<std::size_t>(paper_ - 1)]->setChecked(true); };
    if (numero == paper_ || numero < 1 || numero > static_cast<int>(paper_table().size()) || Timer1->isActive()) {
        keep_current();
        return;
    }
    const test_state& now = examen.state();
    const bool anything_to_lose = std::any_of(now.reponse.begin(), now.reponse.end(), [](auto r) { return r != 0; })
        || std::any_of(now.score_section.begin() + 1, now.score_section.end(), [](auto s) { return s != -1; });
    if (anything_to_lose) {
        QMessageBox ask(QMessageBox::Question, QApplication::applicationDisplayName(),
                        QStringLiteral("Changer d'épreuve efface vos réponses et vos résultats. Continuer ?"),
                        QMessageBox::Yes | QMessageBox::No, this);
        ask.setDefaultButton(QMessageBox::No);
        // French whatever translations of Qt's own texts are installed.
        ask.button(QMessageBox::Yes)->setText(QStringLiteral("&Oui"));
        ask.button(QMessageBox::No)->setText(QStringLiteral("&Non"));
        if (ask.exec() != QMessageBox::Yes) {
            keep_current();
            return;
        }
    }

    const paper_info& chosen = paper_table()[static_cast<std::size_t>(numero - 1)];
    std::shared_ptr<const catalogue> questions;
    std::vector<ClipPlayer*> players;
    QWidget holder; // owns the new players until they join the pages
    try {
        questions = std::make_shared<const catalogue>(catalogue::load(chosen.dossier));
        for (const QString& clip : section_clips(questions->pages(1)))
            players.push_back(new ClipPlayer(clip_file_name(clip, chosen.dossier), audio_, &holder));
        for (ClipPlayer* player : players)
            player->open();
    } catch (const AppError& error) {
        keep_current();
        report_handler_error(error);
        return;
    }
    menu_initClick();
    for (ClipPlayer* player : players)
        player->setParent(Section1);
    show_paper(numero, std::move(questions), std::move(players));
}

// Puts the pages of paper `numero` in place of the current ones, around its
// opened players, with its key.
void TForm1::show_paper(int numero, std::shared_ptr<const catalogue> questions, std::vector<ClipPlayer*> players)
{
    const paper_info& chosen = paper_table()[static_cast<std::size_t>(numero - 1)];
    std::vector<ClipPlayer*> old_players = std::exchange(players_, std::move(players));
    qDeleteAll(old_players); // before their pages, should these not be built yet
    for (PageSet* set : {Section1, Section2, Section3}) {
        while (set->count() > 0) {
            QWidget* old_page = set->widget(0);
            set->removeTab(0);
            delete old_page;
        }
    }
    options_.clear();
    for (QList<QWidget*>& order : section_orders_)
        order.clear();
    questions_ = questions;
    ensurePages();

    examen.write_key(chosen.cle);
    paper_ = numero;
    corrige->usePaper(std::move(questions));
    setWindowTitle(window_title(numero));
    menu_epreuve[static_cast<std::size_t>(numero - 1)]->setChecked(true);
    screen_changed();
}

void TForm1::Aproposde1Click()
{
    if (Form2)
        Form2->showAbout();
}

// Each option reports its own question number: the option that became
// checked, whichever control holds the focus.
void TForm1::Reponse_A(RadioOption* sender) { examen.record_answer(sender->tag(), 1); }
void TForm1::Reponse_B(RadioOption* sender) { examen.record_answer(sender->tag(), 2); }
void TForm1::Reponse_C(RadioOption* sender) { examen.record_answer(sender->tag(), 3); }
void TForm1::Reponse_D(RadioOption* sender) { examen.record_answer(sender->tag(), 4); }

// The engine's view of the controls.

PageSet* TForm1::page_set(int section) const
{
    return section == 1 ? Section1 : section == 2 ? Section2 : Section3;
}

QPushButton* TForm1::button_of(button b) const
{
    switch (b) {
    case button::precedent: return precedent;
    case button::suivant: return suivant;
    case button::terminer: return terminer;
    case button::start1: return Button1;
    case button::start2: return Button2;
    case button::start3: return Button3;
    }
    return nullptr;
}

QAction* TForm1::menu_item_of(menu_item m) const
{
    switch (m) {
    case menu_item::section1: return menu_section1;
    case menu_item::section2: return menu_section2;
    case menu_item::section3: return menu_section3;
    case menu_item::separator_n2: return N2;
    case menu_item::prec: return menu_prec;
    case menu_item::suiv: return menu_suiv;
    case menu_item::term: return menu_term;
    }
    return nullptr;
}

BevelPanel* TForm1::panel_of(panel p) const
{
    switch (p) {
    case panel::score1: return score1;
    case panel::score2: return score2;
    case panel::score3: return score3;
    case panel::score_total: return score_total;
    case panel::niveau: return niveau;
    }
    return nullptr;
}

void TForm1::select_first_page(int section) { page_set(section)->selectFirstPage(); }
void TForm1::select_next_page(int section) { page_set(section)->nextPage(); }
void TForm1::select_previous_page(int section) { page_set(section)->previousPage(); }

void TForm1::set_page_set_visible(int section, bool visible) { page_set(section)->setVisible(visible); }
void TForm1::uncheck_all_options()
{
    for (RadioOption* option : options_)
        option->uncheck();
}
void TForm1::set_status_text(status_panel p, const QString& text)
{
    StatusBar->setText(static_cast<int>(p), text);
    // The time left is read in words, not mark by mark.
    if (p == status_panel::time_left)
        StatusBar->panel(static_cast<int>(p))
            ->setAccessibleName(text.isEmpty() ? QString() : engine::time_left_in_words(examen.countdown()));
}
void TForm1::set_button_visible(button b, bool visible) { button_of(b)->setVisible(visible); }
void TForm1::set_button_enabled(button b, bool enabled) { button_of(b)->setEnabled(enabled); }
void TForm1::set_menu_item_visible(menu_item m, bool visible) { menu_item_of(m)->setVisible(visible); }
void TForm1::set_menu_item_enabled(menu_item m, bool enabled) { menu_item_of(m)->setEnabled(enabled); }
void TForm1::set_panel_text(panel p, const QString& text) { panel_of(p)->setAnnouncedText(text); }
void TForm1::start_timer() { Timer1->start(); }
void TForm1::stop_timer() { Timer1->stop(); }
