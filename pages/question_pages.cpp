#include "pages/question_pages.h"

#include "content/catalogue_layout.h"
#include "content/picture_record.h"
#include "pages/clip_player.h"
#include "platform/app_error.h"
#include "platform/focus_holder.h"
#include "platform/page_set.h"
#include "platform/passage_box.h"
#include "platform/pixel_font.h"
#include "platform/picture_frame.h"
#include "platform/radio_option.h"

#include <QGroupBox>
#include <QLabel>

namespace {
// Where the groups of the ecoute_groupe pages stand, page by page in tab
// order, question by question: x and width of each question's frame, and x
// of the question's player inside it.
struct group_place {
    int x, width, player_x;
};
const std::vector<std::vector<group_place>> group_places = {
    {{8, 137, 32}, {152, 233, 76}, {392, 233, 76}},
    {{8, 129, 24}, {144, 193, 52}, {344, 281, 76}},
    {{152, 153, 36}, {336, 153, 36}},
};

// The place of question `numero`: the examination's layout tells which group
// page holds it and where it stands on that page.
const group_place& group_place_of(int numero)
{
    std::size_t rank = 0;
    for (const std::vector<page_plan>& plans : catalogue_layout()) {
        for (const page_plan& plan : plans) {
            if (plan.genre != genre::ecoute_groupe)
                continue;
            const auto index = static_cast<std::size_t>(numero - plan.first);
            if (numero >= plan.first && numero <= plan.last && rank < group_places.size()
                && index < group_places[rank].size())
                return group_places[rank][index];
            ++rank;
        }
    }
    throw AppError(QStringLiteral("EListError"), QStringLiteral("Question %1 has no place on a group page.").arg(numero));
}

class page_builder {
public:
    page_builder(const std::vector<ClipPlayer*>& players, built_section& out) : players_(players), out_(out) {}

    QWidget* build(const page& p, PageSet* set)
    {
        auto* widget = new QWidget(set);
        switch (p.genre) {
        case genre::ecoute_image: ecoute_image(p.questions.front(), picture_folder(p), widget); break;
        case genre::ecoute_hf: ecoute_hf(p.questions.front(), widget, false); break;
        case genre::ecoute_simple: ecoute_hf(p.questions.front(), widget, true); break;
        case genre::ecoute_groupe: ecoute_groupe(p, widget); break;
        case genre::phrase_correcte: phrase_correcte(p.questions.front(), widget); break;
        case genre::phrase_a_trou: phrase_a_trou(p, widget); break;
        case genre::texte_a_trous:
        case genre::lecture: reading(p, widget); break;
        }
        return widget;
    }

private:
    // The next of the prepared players, in section_clips order. `name` tells
    // a screen reader's user whose voice the strip plays.
    ClipPlayer* player(QWidget* parent, QPoint at, const QString& name)
    {
        if (out_.players.size() >= players_.size())
            throw AppError(QStringLiteral("EListError"), QStringLiteral("A question page has no clip player left to place."));
        ClipPlayer* strip = players_[out_.players.size()];
        strip->setParent(parent);
        strip->setGeometry(QRect(at, QSize(85, 20)));
        strip->setAccessibleName(name);
        strip->show();
        out_.players.push_back(strip);
        out_.keyboard_order << strip;
        return strip;
    }

    QLabel* text_label(const QString& text, QWidget* parent, QPoint at, const QFont& font)
    {
        auto* label = new QLabel(text, parent);
        label->setFont(font);
        label->move(at);
        label->resize(label->sizeHint());
        return label;
    }

    // The four options of a question, captioned by the kind's rule.
    std::array<RadioOption*, 4> options(const question& q, genre g, QWidget* parent, const QFont& font)
    {
        std::array<RadioOption*, 4> made{};
        for (int letter = 0; letter < 4; ++letter) {
            auto* option = new RadioOption(option_caption(g, letter, q.options[static_cast<std::size_t>(letter)]), parent);
            option->setTag(q.numero);
            option->setFont(font);
            made[static_cast<std::size_t>(letter)] = option;
            out_.options.push_back(option);
            out_.keyboard_order << option;
        }
        return made;
    }

    // Read by a screen reader after the option's caption and state.
    static void describe(const std::array<RadioOption*, 4>& made, const std::array<QString, 4>& descriptions)
    {
        for (std::size_t letter = 0; letter < 4; ++letter)
            made[letter]->setAccessibleDescription(descriptions[letter]);
    }
    // What the options of a question are read with: on pages of several
    // questions the question they answer, then what it asks about (its stem
    // or the sentence round its blank).
    static QString description(const page& p, const question& q)
    {
        QString text = p.questions.size() > 1 ? sub_page_caption(q) : QString();
        const QString prompt = question_prompt(p, q);
        if (!text.isEmpty() && !prompt.isEmpty())
            text += QStringLiteral(" : ");
        return text + prompt;
    }
    static void describe(const std::array<RadioOption*, 4>& made, const QString& description)
    {
        describe(made, {description, description, description, description});
    }

    static int widest(const std::array<RadioOption*, 4>& made)
    {
        int width = 0;
        for (RadioOption* o : made)
            width = qMax(width, o->sizeHint().width());
        return width;
    }

    // Options one under another at x, from y, `step` apart.
    static void column(const std::array<RadioOption*, 4>& made, int x, int y, int step, QSize size)
    {
        for (RadioOption* o : made) {
            o->setGeometry(QRect(QPoint(x, y), size));
            y += step;
        }
    }

    // `description` is read when the focus lands on it: what its question asks.
    void focus_holder(QWidget* parent, int y, const question& q, const QString& description)
    {
        auto* holder = new FocusHolder(parent);
        holder->setGeometry(-40, y, 24, 25);
        holder->setAccessibleName(sub_page_caption(q));
        holder->setAccessibleDescription(description);
        out_.keyboard_order << holder;
    }

    void speakers(QWidget* page)
    {
        text_label(QStringLiteral("H"), page, {192, 22}, font_px("Tahoma", 19));
        player(page, {208, 24}, QStringLiteral("Enregistrement de l'homme"));
        text_label(QStringLiteral("F"), page, {320, 22}, font_px("Tahoma", 19));
        player(page, {336, 24}, QStringLiteral("Enregistrement de la femme"));
    }

    void ecoute_image(const question& q, const QString& pictures, QWidget* page)
    {
        speakers(page);
        const auto made = options(q, genre::ecoute_image, page, font_px("Arial", 20));
        for (int letter = 0; letter < 4; ++letter)
            made[static_cast<std::size_t>(letter)]->setGeometry(72 + 152 * letter, 64, 49, 25);
        describe(made, q.dessins);

        // The picture strip, centred in its frame, shrunk only if too large.
        const picture strip = load_picture_record(q.image, pictures);
        auto* frame = new QLabel(page);
        frame->setGeometry(0, 88, 625, 180);
        auto* image = new QLabel(frame);
        const QRect placed = picture_placement(strip.size(), frame->size());
        image->setGeometry(placed);
        image->setScaledContents(placed.size() != strip.size());
        image->setPixmap(QPixmap::fromImage(strip.decode()));
        image->setAccessibleName(picture_alternative(q));
    }

    void ecoute_hf(const question& q, QWidget* page, bool single_clip)
    {
        if (single_clip)
            player(page, {264, 24}, QStringLiteral("Enregistrement"));
        else
            speakers(page);
        const auto made = options(q, single_clip ? genre::ecoute_simple : genre::ecoute_hf, page, font_px("SimHei", 25));
        column(made, 216, 80, 40, {widest(made), 25});
    }

    void ecoute_groupe(const page& p, QWidget* page)
    {
        player(page, {264, 24}, QStringLiteral("Enregistrement commun, %1").arg(tab_caption(p)));
        for (const question& q : p.questions) {
            const group_place& place = group_place_of(q.numero);
            auto* group = new QGroupBox(QString::number(q.numero), page);
            group->setFont(font_px("Arial", 16, true));
            group->setGeometry(place.x, 64, place.width, 225);
            player(group, {place.player_x, 24}, QStringLiteral("Enregistrement, %1").arg(sub_page_caption(q)));
            const auto made = options(q, genre::ecoute_groupe, group, font_px("SimHei", 25));
            describe(made, description(p, q));
            column(made, 8, 64, 40, {qMin(widest(made), place.width - 10), 25});
        }
    }

    void phrase_correcte(const question& q, QWidget* page)
    {
        const QString instruction = QStringLiteral("Sélectionnez parmi ces 4 choix l'unique phrase correcte");
        text_label(instruction, page, {96, 20}, font_px("Tahoma", 16, true));
        const auto made = options(q, genre::phrase_correcte, page, font_px("SimHei", 25));
        const int width = qMax(329, widest(made));
        // Further left where a long sentence needs the room.
        column(made, qBound(88, 625 - width, 200), 80, 40, {width, 25});
        focus_holder(page, 160, q, instruction);
    }

    void phrase_a_trou(const page& p, QWidget* page)
    {
        const question& q = p.questions.front();
        QLabel* stem = text_label(q.enonce, page, {0, 16}, font_px("SimHei", 25));
        stem->move(qBound(32, (625 - stem->width()) / 2, 180), 16);
        const auto made = options(q, genre::phrase_a_trou, page, font_px("SimHei", 25));
        column(made, 232, 80, 40, {qMax(329, widest(made)), 25});
        describe(made, description(p, q));
        focus_holder(page, 160, q, description(p, q));
    }

    void reading(const page& p, QWidget* page)
    {
        const bool gaps = p.genre == genre::texte_a_trous;
        const qsizetype lines = p.texte.size();
        const bool scrolls = lines > 5;
        int box_height = 0;
        if (gaps)
            box_height = scrolls ? 145 : lines <= 3 ? 105 : 129;
        else if (p.questions.size() == 1)
            box_height = 65;
        else
            box_height = scrolls ? 113 : 105;
        auto* box = new PassageBox(p.texte.join(u'\n'), scrolls, page);
        box->setFont(font_px("Tahoma", 17));
        box->setGeometry(6, 8, 617, box_height);
        box->setAccessibleName(gaps ? QStringLiteral("Texte à trous") : QStringLiteral("Texte"));

        if (p.questions.size() == 1) {
            const question& q = p.questions.front();
            text_label(q.enonce, page, {156, 112}, font_px("SimHei", 25));
            const auto made = options(q, p.genre, page, font_px("SimHei", 25));
            column(made, 200, 152, 32, {329, 33});
            describe(made, description(p, q));
            box->setAccessibleDescription(description(p, q)); // the focus entering the page lands here
            out_.keyboard_order << box;
            return;
        }

        out_.keyboard_order << box;
        auto* sub_pages = new PageSet(PageSet::Level::Nested, page);
        sub_pages->setGeometry(gaps ? QRect(56, 160, 521, 145) : QRect(56, 128, 521, 177));
        out_.keyboard_order << sub_pages;
        for (const question& q : p.questions) {
            auto* sub_page = new QWidget(sub_pages);
            // Named as its tab, so that entering it tells what it asks.
            sub_page->setAccessibleName(sub_page_caption(q));
            sub_page->setAccessibleDescription(question_prompt(p, q));
            std::array<RadioOption*, 4> made{};
            if (gaps) {
                made = options(q, p.genre, sub_page, font_px("SimHei", 25));
                column(made, 176, 8, 26, {qBound(73, widest(made), 130), 25});
            } else {
                QLabel* stem = text_label(q.enonce, sub_page, {0, 8}, font_px("SimHei", 25));
                stem->move(qBound(36, (521 - stem->width()) / 2, 68), 8);
                made = options(q, p.genre, sub_page, font_px("SimHei", 25));
                column(made, 96, 40, 26, {qBound(329, widest(made), 345), 25});
            }
            describe(made, description(p, q));
            focus_holder(sub_page, gaps ? 92 : 124, q, question_prompt(p, q));
            sub_pages->addTab(sub_page, sub_page_caption(q));
        }
    }

    const std::vector<ClipPlayer*>& players_;
    built_section& out_;
};
}

QStringList section_clips(const std::vector<page>& pages)
{
    QStringList clips;
    for (const page& p : pages)
        clips << clips_of(p);
    return clips;
}

built_section build_question_pages(PageSet* page_set, const std::vector<page>& pages,
                                   const std::vector<ClipPlayer*>& players)
{
    built_section out;
    out.keyboard_order << page_set;
    page_builder builder(players, out);
    for (const page& p : pages)
        page_set->addTab(builder.build(p, page_set), tab_caption(p));
    page_set->selectFirstPage();
    return out;
}
