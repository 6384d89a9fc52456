#include "review/review_menu.h"

#include "review/review_window.h"

#include <QMenu>
#include <QMenuBar>

ReviewMenu::ReviewMenu(QMenuBar* bar, QAction* before, const test_state& state, audio::audio_service& audio,
                       QWidget* window)
    : QObject(window), state_(state), audio_(audio), window_(window)
{
    menu_ = new QMenu(QStringLiteral("Corrigé"), bar);
    menu_->setObjectName(QStringLiteral("Corrige"));
    bar->insertMenu(before, menu_);
    for (int n = 1; n <= 3; ++n) {
        QAction* action = menu_->addAction(QStringLiteral("Corrigé de la section %1").arg(n));
        action->setObjectName(QStringLiteral("menu_corrige%1").arg(n));
        action->setEnabled(false);
        connect(action, &QAction::triggered, this, [this, n] { open(n); });
        items_[static_cast<std::size_t>(n - 1)] = action;
    }
}

void ReviewMenu::sync(bool section_running)
{
    for (int n = 1; n <= 3; ++n) {
        const bool enabled = !section_running && state_.score_section[n] != -1;
        item(n)->setEnabled(enabled);
        if (!enabled)
            if (ReviewWindow* open_window = window(n))
                open_window->close();
    }
}

void ReviewMenu::usePaper(std::shared_ptr<const catalogue> questions)
{
    for (int n = 1; n <= 3; ++n)
        if (ReviewWindow* open_window = window(n))
            open_window->close();
    questions_ = std::move(questions);
}

ReviewWindow* ReviewMenu::window(int section) const
{
    ReviewWindow* w = windows_[static_cast<std::size_t>(section - 1)];
    return w && w->isVisible() ? w : nullptr; // a closed window waits for its deletion
}

void ReviewMenu::open(int section)
{
    if (ReviewWindow* open_window = window(section)) {
        open_window->raise();
        open_window->activateWindow();
        return;
    }
    if (!questions_)
        return; // no paper yet: nothing to review
    auto* review = new ReviewWindow(section, questions_, state_, audio_, window_);
    windows_[static_cast<std::size_t>(section - 1)] = review;
    review->show();
    review->activateWindow();
}
