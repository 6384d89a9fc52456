#include "review/review_window.h"

#include "engine/engine.h"
#include "pages/clip_player.h"
#include "platform/cancel_button.h"
#include "platform/error_reporting.h"
#include "platform/keyboard_order.h"
#include "review/review_text.h"

#include <QAccessibleWidget>
#include <QCheckBox>
#include <QCloseEvent>
#include <QGridLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QScrollArea>
#include <QScreen>
#include <QScrollBar>
#include <QTreeWidget>

using namespace review_text;

namespace {
enum column { numero, votre, bonne, resultat };
}

ReviewWindow::ReviewWindow(int section_number, std::shared_ptr<const catalogue> questions, const test_state& state,
                           audio::audio_service& audio, QWidget* parent)
    : QWidget(parent, Qt::Window), section_(section_number), questions_(std::move(questions)), state_(state),
      audio_(audio)
{
    static const bool accessible = (QAccessible::installFactory(accessible_interface), true);
    Q_UNUSED(accessible);
    const section_info& s = ::section(section_number);
    setObjectName(QStringLiteral("Corrige%1").arg(section_number));
    setAttribute(Qt::WA_DeleteOnClose);
    setAttribute(Qt::WA_QuitOnClose, false); // closing the main window alone ends the program
    setWindowTitle(QStringLiteral("Corrigé - ") + s.titre);
    setFont(font_px("Tahoma", 13));

    const int correct = state.score_section[section_number];
    summary_ = new QLabel(QStringLiteral("Bonnes réponses : %1 / %2 — %3")
                              .arg(correct)
                              .arg(s.nombre)
                              .arg(engine::percentage_text(correct, s.nombre)));
    summary_->setObjectName(QStringLiteral("resume"));
    summary_->setFont(font_px("Tahoma", 16, true));

    list_ = new QTreeWidget;
    list_->setObjectName(QStringLiteral("questions"));
    list_->setAccessibleName(QStringLiteral("Questions de la section %1").arg(section_number));
    list_->setRootIsDecorated(false);
    list_->setUniformRowHeights(true);
    list_->setHeaderLabels({QStringLiteral("Question"), QStringLiteral("Votre réponse"),
                            QStringLiteral("Bonne réponse"), QStringLiteral("Résultat")});
    list_->header()->setSectionsMovable(false);
    list_->header()->setStretchLastSection(false);

    errors_only_ = new QCheckBox(QStringLiteral("Seulement les erreurs"));
    errors_only_->setObjectName(QStringLiteral("erreurs_seulement"));

    detail_area_ = new QScrollArea;
    detail_area_->setObjectName(QStringLiteral("detail"));
    detail_area_->setWidgetResizable(true);
    detail_area_->setFocusPolicy(Qt::StrongFocus); // the keys scroll a long detail
    // On a screen too small for the window's usual size, a picture strip is
    // wider than the detail: it scrolls rather than being cut off.
    detail_area_->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);

    close_button_ = new QPushButton(QStringLiteral("Fermer"));
    close_button_->setObjectName(QStringLiteral("fermer"));
    close_button_->setAutoDefault(true);
    set_cancel_button(this, close_button_);

    auto* grid = new QGridLayout(this);
    grid->addWidget(summary_, 0, 0, 1, 2);
    grid->addWidget(list_, 1, 0);
    grid->addWidget(errors_only_, 2, 0);
    grid->addWidget(detail_area_, 1, 1, 2, 1);
    grid->addWidget(close_button_, 3, 1, Qt::AlignRight);
    grid->setColumnStretch(1, 1);

    connect(close_button_, &QPushButton::clicked, this, &QWidget::close);
    connect(errors_only_, &QCheckBox::toggled, this, &ReviewWindow::show_only_errors);
    connect(list_, &QTreeWidget::currentItemChanged, this, [this](QTreeWidgetItem* item) { show_detail(item); });
    fill_list();
    // As wide as its columns: no horizontal scrolling.
    int width = 2 * list_->frameWidth() + list_->verticalScrollBar()->sizeHint().width();
    for (int c = 0; c < list_->columnCount(); ++c) {
        list_->resizeColumnToContents(c);
        width += list_->columnWidth(c);
    }
    list_->setFixedWidth(width);
    list_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    fit_on_screen(parent);
    list_->setCurrentItem(list_->topLevelItem(0));
    list_->setFocus();
}

ReviewWindow::~ReviewWindow() = default;

// 1080 × 680 shows a passage's lines of up to 41 characters unbroken; a
// smaller screen gets a smaller window, its frame (as the desktop draws the
// main window's) included, centred on the screen's free area: "Fermer" and
// the filter always stay within reach.
void ReviewWindow::fit_on_screen(QWidget* main_window)
{
    const QScreen* screen = main_window ? main_window->screen() : this->screen();
    if (!screen) {
        resize(1080, 680);
        return;
    }
    const QRect area = screen->availableGeometry();
    const QSize frame = main_window ? main_window->frameGeometry().size() - main_window->size() : QSize();
    resize(QSize(1080, 680).boundedTo(area.size() - frame).expandedTo(minimumSizeHint()));
    const QSize outer = size() + frame;
    move(area.left() + qMax(0, (area.width() - outer.width()) / 2), area.top() + qMax(0, (area.height() - outer.height()) / 2));
}

// A window of its own for assistive technology, not a pane of the main one.
QAccessibleInterface* ReviewWindow::accessible_interface(const QString& class_name, QObject* object)
{
    if (class_name == QLatin1String("ReviewWindow"))
        return new QAccessibleWidget(static_cast<ReviewWindow*>(object), QAccessible::Window);
    return nullptr;
}

void ReviewWindow::fill_list()
{
    for (const page& p : questions_->pages(section_)) {
        for (const question& q : p.questions) {
            const int answer = state_.reponse[q.numero];
            const int key = state_.solution[q.numero];
            const bool right = answer == key;
            auto* item = new QTreeWidgetItem(list_, {QString::number(q.numero), letter_of(answer), letter_of(key),
                                                     right ? correct_mark() : wrong_mark()});
            item->setData(column::numero, Qt::UserRole, static_cast<int>(entries_.size()));
            item->setData(column::votre, Qt::AccessibleTextRole,
                          answer == 0 ? QStringLiteral("sans réponse") : letter_of(answer));
            item->setData(column::resultat, Qt::AccessibleTextRole,
                          right ? QStringLiteral("juste") : QStringLiteral("faux"));
            item->setForeground(column::resultat, right ? correct_colour() : wrong_colour());
            for (int c : {column::numero, column::votre, column::bonne, column::resultat})
                item->setTextAlignment(c, Qt::AlignCenter);
            entries_.push_back({&p, &q});
        }
    }
}

void ReviewWindow::show_only_errors(bool only)
{
    QTreeWidgetItem* first_shown = nullptr;
    for (int i = 0; i < list_->topLevelItemCount(); ++i) {
        QTreeWidgetItem* item = list_->topLevelItem(i);
        item->setHidden(only && item->text(column::resultat) == correct_mark());
        if (!item->isHidden() && !first_shown)
            first_shown = item;
    }
    QTreeWidgetItem* current = list_->currentItem();
    if (!current || current->isHidden())
        list_->setCurrentItem(first_shown);
    if (!first_shown)
        show_detail(nullptr);
}

void ReviewWindow::show_detail(QTreeWidgetItem* item)
{
    clear_detail();
    QList<QWidget*> order{list_, errors_only_, detail_area_};
    if (!item) {
        auto* none = new QLabel(QStringLiteral("Aucune erreur dans cette section."));
        none->setAlignment(Qt::AlignCenter);
        detail_area_->setWidget(none);
        detail_area_->setAccessibleName(none->text());
    } else {
        const entry& e = entries_[static_cast<std::size_t>(item->data(column::numero, Qt::UserRole).toInt())];
        const int numero = e.question->numero;
        try {
            detail_ = build_question_detail(*e.page, *e.question, state_.reponse[numero], state_.solution[numero], audio_);
        } catch (const AppError& error) {
            report_handler_error(error);
            return;
        }
        detail_area_->setWidget(detail_.widget);
        detail_area_->setAccessibleName(QStringLiteral("Question %1").arg(numero));
        order += detail_.keyboard_order;
    }
    order << close_button_;
    set_keyboard_order(order);
}

// Deleting the detail closes its players' devices at once.
void ReviewWindow::clear_detail()
{
    delete detail_area_->takeWidget();
    detail_ = {};
}

void ReviewWindow::closeEvent(QCloseEvent* event)
{
    clear_detail();
    QWidget::closeEvent(event);
}
