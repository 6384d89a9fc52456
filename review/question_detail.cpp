#include "review/question_detail.h"

#include "content/picture_record.h"
#include "content/transcript.h"
#include "pages/clip_player.h"
#include "platform/passage_box.h"
#include "platform/picture_frame.h"
#include "review/review_text.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QRegularExpression>
#include <QVBoxLayout>

namespace {
using namespace review_text;

const QString correct_style = QStringLiteral("color: %1; font-weight: bold;").arg(correct_colour().name());
const QString wrong_style = QStringLiteral("color: %1;").arg(wrong_colour().name());
// Yellow behind the question's blank or stem, framed so it does not rely on colour.
const QColor highlight(255, 224, 64);

class detail_builder {
public:
    detail_builder(const page& p, const question& q, int answer, int key, audio::audio_service& audio)
        : page_(p), question_(q), answer_(answer), key_(key), audio_(audio)
    {
    }

    void build(question_detail& out)
    {
        out.widget = new QWidget;
        layout_ = new QVBoxLayout(out.widget);
        out_ = &out;

        add_label(QStringLiteral("Question %1").arg(question_.numero), font_px("Tahoma", 16, true));
        QLabel* outcome = add_label(
            QStringLiteral("%1 Votre réponse : %2 ; bonne réponse : %3")
                .arg(answer_ == key_ ? correct_mark() : wrong_mark(), letter_of(answer_), letter_of(key_)),
            font_px("Tahoma", 13));
        outcome->setStyleSheet(answer_ == key_ ? correct_style : wrong_style);

        if (page_.genre == genre::texte_a_trous || page_.genre == genre::lecture)
            passage();
        if (page_.genre == genre::ecoute_image)
            picture_strip();
        for (const QString& clip : question_clips(page_, question_))
            recording(clip);
        if (page_.genre == genre::phrase_correcte)
            add_label(QStringLiteral("Sélectionnez parmi ces 4 choix l'unique phrase correcte"),
                      font_px("Tahoma", 13, true));
        if (!question_.enonce.isEmpty())
            stem();
        options();
        layout_->addStretch();
    }

private:
    QLabel* add_label(const QString& text, const QFont& font, QBoxLayout* into = nullptr)
    {
        auto* label = new QLabel(text);
        label->setFont(font);
        label->setWordWrap(true);
        label->setTextFormat(Qt::PlainText);
        (into ? into : layout_)->addWidget(label);
        return label;
    }

    // The passage as on the page; on a gap text the question's blank (its
    // number in the text) is highlighted and scrolled into view.
    void passage()
    {
        // Up to ten lines at once, the rest by scrolling; a narrower window
        // wraps the lines, so the box always scrolls.
        const QFont font = font_px("Tahoma", 17);
        const int line_height = qMax(QFontMetrics(font).lineSpacing(), QFontMetrics(font_px("SimHei", 17)).lineSpacing());
        const auto shown_lines = static_cast<int>(qMin<qsizetype>(page_.texte.size(), 10));
        auto* box = new PassageBox(page_.texte.join(u'\n'), true, out_->widget);
        box->setFont(font);
        box->setFixedHeight(shown_lines * (line_height + 3) + 12);
        box->setAccessibleName(QStringLiteral("Texte"));
        layout_->addWidget(box);
        out_->keyboard_order << box;
        if (page_.genre != genre::texte_a_trous)
            return;
        const QRegularExpressionMatch found = blank_pattern(question_.numero).match(box->toPlainText());
        if (!found.hasMatch())
            return;
        QTextEdit::ExtraSelection marked;
        marked.cursor = box->textCursor();
        marked.cursor.setPosition(static_cast<int>(found.capturedStart()));
        marked.cursor.setPosition(static_cast<int>(found.capturedEnd()), QTextCursor::KeepAnchor);
        marked.format.setBackground(highlight);
        marked.format.setFontUnderline(true);
        marked.format.setFontWeight(QFont::Bold);
        box->setExtraSelections({marked});
        QTextCursor at = box->textCursor();
        at.setPosition(static_cast<int>(found.capturedStart()));
        box->setTextCursor(at);
        box->ensureCursorVisible();
        box->setAccessibleDescription(QStringLiteral("Blanc %1 en surbrillance : %2")
                                          .arg(question_.numero)
                                          .arg(question_prompt(page_, question_)));
    }

    void picture_strip()
    {
        const picture strip = load_picture_record(question_.image, picture_folder(page_));
        auto* image = new QLabel;
        image->setFixedSize(picture_placement(strip.size(), QSize(600, 160)).size());
        image->setScaledContents(true);
        image->setPixmap(QPixmap::fromImage(strip.decode()));
        image->setAccessibleName(picture_alternative(question_)); // as on the question's page
        layout_->addWidget(image);
        // The four drawings stand side by side, A to D: a letter under each.
        auto* letters = new QWidget;
        letters->setFixedWidth(image->width());
        auto* row = new QHBoxLayout(letters);
        row->setContentsMargins(0, 0, 0, 0);
        for (int letter = 0; letter < 4; ++letter)
            add_label(QString(QChar(u'A' + letter)), font_px("Arial", 16), row)->setAlignment(Qt::AlignCenter);
        layout_->addWidget(letters);
    }

    QString caption_of(const QString& clip) const
    {
        if (clip == shared_clip_name(page_))
            return QStringLiteral("Dialogue des questions %1 à %2")
                .arg(page_.questions.front().numero)
                .arg(page_.questions.back().numero);
        if (page_.genre == genre::ecoute_image || page_.genre == genre::ecoute_hf)
            return clip.contains(QLatin1String("_h.")) ? QStringLiteral("H") : QStringLiteral("F");
        return QStringLiteral("Question %1").arg(question_.numero);
    }

    // A player strip for the recording, then what is said in it.
    void recording(const QString& clip)
    {
        const QString caption = caption_of(clip);
        auto* row = new QHBoxLayout;
        layout_->addLayout(row);
        add_label(caption, font_px("Tahoma", 16), row)->setWordWrap(false);
        auto* player = new ClipPlayer(clip_file_name(clip, page_.dossier), audio_, out_->widget);
        player->setFixedSize(85, 20);
        // Named as the question pages name their players.
        player->setAccessibleName(caption == QLatin1String("H")   ? QStringLiteral("Enregistrement de l'homme")
                                  : caption == QLatin1String("F") ? QStringLiteral("Enregistrement de la femme")
                                                                  : QStringLiteral("Enregistrement, %1").arg(caption));
        player->setAccessibleDescription(QStringLiteral("Question %1").arg(question_.numero));
        row->addWidget(player);
        row->addStretch();
        out_->players << player;
        out_->keyboard_order << player;
        player->open();

        for (const transcript_segment& said : load_transcript(clip, page_.dossier)) {
            const QString speaker = said.locuteur == transcript_segment::speaker::homme ? QStringLiteral("Homme")
                                                                                      : QStringLiteral("Femme");
            QLabel* line = add_label(speaker + QStringLiteral(" : ") + said.texte, font_px("SimHei", 18));
            line->setContentsMargins(16, 0, 0, 0);
            line->setTextInteractionFlags(Qt::TextSelectableByMouse);
        }
    }

    void stem()
    {
        QLabel* label = add_label(question_.enonce, font_px("SimHei", 22));
        if (page_.genre == genre::lecture) {
            label->setStyleSheet(QStringLiteral("background: %1; border: 1px solid #806000; padding: 2px;")
                                     .arg(highlight.name()));
            label->setAccessibleDescription(QStringLiteral("Énoncé de la question %1").arg(question_.numero));
        }
    }

    // Each option as captioned on its page, the correct one and the
    // candidate's one marked in words and signs as well as in colour.
    void options()
    {
        for (int letter = 0; letter < 4; ++letter) {
            const int value = letter + 1;
            const QString caption =
                option_caption(page_.genre, letter, question_.options[static_cast<std::size_t>(letter)]);
            QStringList notes;
            if (value == key_)
                notes << QStringLiteral("bonne réponse");
            if (value == answer_)
                notes << QStringLiteral("votre réponse");
            const QString mark = value == key_ ? correct_mark() : value == answer_ ? wrong_mark() : QString(u'\u2003');
            const QString suffix = notes.isEmpty() ? QString() : QStringLiteral(" — ") + notes.join(QStringLiteral(", "));
            QLabel* label = add_label(mark + u' ' + caption + suffix, font_px("SimHei", 20));
            label->setObjectName(QStringLiteral("option_%1").arg(QChar(u'A' + letter)));
            label->setAccessibleName(notes.isEmpty() ? caption : caption + QStringLiteral(", ") + notes.join(QStringLiteral(", ")));
            if (value == key_)
                label->setStyleSheet(correct_style);
            else if (value == answer_)
                label->setStyleSheet(wrong_style);
        }
    }

    const page& page_;
    const question& question_;
    int answer_;
    int key_;
    audio::audio_service& audio_;
    question_detail* out_ = nullptr;
    QVBoxLayout* layout_ = nullptr;
};
}

question_detail build_question_detail(const page& p, const question& q, int answer, int key,
                                      audio::audio_service& audio)
{
    question_detail out;
    try {
        detail_builder(p, q, answer, key, audio).build(out);
    } catch (...) {
        delete out.widget;
        throw;
    }
    return out;
}
