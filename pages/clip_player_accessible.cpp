#include "pages/clip_player_accessible.h"

#include "pages/clip_player.h"
#include "platform/accessible_parts.h"

#include <QAccessibleWidget>
#include <QHelpEvent>
#include <QPointer>
#include <QToolTip>


namespace {

class ClipButtonAccessible : public AccessiblePart {
public:
    ClipButtonAccessible(ClipPlayer* player, ClipButton button) : player_(player), button_(button) {}

    bool isValid() const override { return !player_.isNull(); }
    QAccessibleInterface* parent() const override { return QAccessible::queryAccessibleInterface(player_); }
    QAccessible::Role role() const override { return QAccessible::Button; }

    QString text(QAccessible::Text t) const override
    {
        return t == QAccessible::Name ? clip_button_name(button_) : QString();
    }

    QRect rect() const override
    {
        if (!player_)
            return {};
        const QRect r = player_->buttonBounds(button_);
        return {player_->mapToGlobal(r.topLeft()), r.size()};
    }

    QAccessible::State state() const override
    {
        QAccessible::State s;
        if (!player_)
            return s;
        s.focusable = true;
        s.disabled = !player_->isEnabled() || !player_->isAvailable(button_);
        s.focused = player_->hasFocus() && player_->focusedButton() == button_;
        s.invisible = !player_->isVisible();
        return s;
    }

    void doAction(const QString& action) override
    {
        if (action == pressAction() && player_ && player_->isEnabled())
            player_->click(button_);
    }

private:
    QPointer<ClipPlayer> player_;
    ClipButton button_;
};

class ClipPlayerAccessible : public QAccessibleWidget {
public:
    explicit ClipPlayerAccessible(ClipPlayer* player) : QAccessibleWidget(player, QAccessible::Grouping) {}

    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Name && player()->accessibleName().isEmpty())
            return QStringLiteral("Enregistrement");
        return QAccessibleWidget::text(t);
    }

    int childCount() const override { return ClipPlayer::button_count; }

    QAccessibleInterface* child(int index) const override
    {
        if (index < 0 || index >= ClipPlayer::button_count)
            return nullptr;
        return buttons_.part(index, [&] { return new ClipButtonAccessible(player(), static_cast<ClipButton>(index)); });
    }

    int indexOfChild(const QAccessibleInterface* child_interface) const override
    {
        return buttons_.index_of(child_interface);
    }

    QAccessibleInterface* childAt(int x, int y) const override
    {
        const QPoint local = player()->mapFromGlobal(QPoint(x, y));
        for (int i = 0; i < ClipPlayer::button_count; ++i)
            if (player()->buttonBounds(static_cast<ClipButton>(i)).contains(local))
                return child(i);
        return nullptr;
    }

    QAccessibleInterface* focusChild() const override
    {
        return player()->hasFocus() ? child(static_cast<int>(player()->focusedButton())) : nullptr;
    }

private:
    ClipPlayer* player() const { return static_cast<ClipPlayer*>(widget()); }

    mutable accessible_parts buttons_;
};

QAccessibleInterface* player_interface(const QString& class_name, QObject* object)
{
    if (class_name == QLatin1String("ClipPlayer"))
        return new ClipPlayerAccessible(static_cast<ClipPlayer*>(object));
    return nullptr;
}

QAccessibleInterface* button_interface(ClipPlayer* player, ClipButton button)
{
    QAccessibleInterface* strip = QAccessible::queryAccessibleInterface(player);
    return strip ? strip->child(static_cast<int>(button)) : nullptr;
}

} // namespace

void install_clip_player_accessibility()
{
    static const bool installed = [] {
        QAccessible::installFactory(player_interface);
        return true;
    }();
    Q_UNUSED(installed);
}

QString clip_button_name(ClipButton button)
{
    switch (button) {
    case ClipButton::Play:
        return QStringLiteral("Lecture");
    case ClipButton::Pause:
        return QStringLiteral("Pause");
    case ClipButton::BackToStart:
        return QStringLiteral("Retour au début");
    }
    return {};
}

bool show_button_tooltip(ClipPlayer* player, const QHelpEvent* request)
{
    for (int i = 0; i < ClipPlayer::button_count; ++i) {
        const auto button = static_cast<ClipButton>(i);
        const QRect bounds = player->buttonBounds(button);
        if (bounds.contains(request->pos())) {
            QToolTip::showText(request->globalPos(), clip_button_name(button), player, bounds);
            return true;
        }
    }
    QToolTip::hideText();
    return true;
}

void announce_availability(ClipPlayer* player, ClipButton button)
{
    if (!QAccessible::isActive())
        return;
    if (QAccessibleInterface* iface = button_interface(player, button)) {
        QAccessible::State changed;
        changed.disabled = true;
        QAccessibleStateChangeEvent event(iface, changed);
        QAccessible::updateAccessibility(&event);
    }
}

void announce_focus(ClipPlayer* player, ClipButton button)
{
    if (!QAccessible::isActive() || !player->hasFocus())
        return;
    if (QAccessibleInterface* iface = button_interface(player, button)) {
        QAccessibleEvent event(iface, QAccessible::Focus);
        QAccessible::updateAccessibility(&event);
    }
}
