#include "pages/clip_player_accessible.h"

#include "pages/clip_player.h"

#include <QAccessibleWidget>
#include <QHelpEvent>
#include <QPointer>
#include <QToolTip>
#include <QWindow>

#include <array>

namespace {

class ClipButtonAccessible : public QAccessibleInterface, public QAccessibleActionInterface {
public:
    ClipButtonAccessible(ClipPlayer* player, ClipButton button) : player_(player), button_(button) {}

    bool isValid() const override { return !player_.isNull(); }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override { return player_ ? player_->window()->windowHandle() : nullptr; }
    QAccessibleInterface* parent() const override { return QAccessible::queryAccessibleInterface(player_); }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QAccessible::Role role() const override { return QAccessible::Button; }
    void setText(QAccessible::Text, const QString&) override {}

    QString text(QAccessible::Text t) const override
    {
        return t == QAccessible::Name ? clip_button_name(button_) : QString();
    }

    QRect rect() const override
    {
        if (!player_)
            return {};
        const QRect r = player_->button_bounds(button_);
        return {player_->mapToGlobal(r.topLeft()), r.size()};
    }

    QAccessible::State state() const override
    {
        QAccessible::State s;
        if (!player_)
            return s;
        s.focusable = true;
        s.disabled = !player_->isEnabled() || !player_->is_available(button_);
        s.focused = player_->hasFocus() && player_->focused_button() == button_;
        s.invisible = !player_->isVisible();
        return s;
    }

    void* interface_cast(QAccessible::InterfaceType t) override
    {
        return t == QAccessible::ActionInterface ? static_cast<QAccessibleActionInterface*>(this) : nullptr;
    }

    QStringList actionNames() const override { return {pressAction()}; }
    QStringList keyBindingsForAction(const QString&) const override { return {}; }

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

    ~ClipPlayerAccessible() override
    {
        for (QAccessible::Id id : buttons_)
            if (id != 0)
                QAccessible::deleteAccessibleInterface(id);
    }

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
        QAccessible::Id& id = buttons_[static_cast<std::size_t>(index)];
        if (id == 0)
            id = QAccessible::registerAccessibleInterface(
                new ClipButtonAccessible(player(), static_cast<ClipButton>(index)));
        return QAccessible::accessibleInterface(id);
    }

    int indexOfChild(const QAccessibleInterface* child_interface) const override
    {
        for (int i = 0; i < ClipPlayer::button_count; ++i)
            if (buttons_[static_cast<std::size_t>(i)] != 0 && child(i) == child_interface)
                return i;
        return -1;
    }

    QAccessibleInterface* childAt(int x, int y) const override
    {
        const QPoint local = player()->mapFromGlobal(QPoint(x, y));
        for (int i = 0; i < ClipPlayer::button_count; ++i)
            if (player()->button_bounds(static_cast<ClipButton>(i)).contains(local))
                return child(i);
        return nullptr;
    }

    QAccessibleInterface* focusChild() const override
    {
        return player()->hasFocus() ? child(static_cast<int>(player()->focused_button())) : nullptr;
    }

private:
    ClipPlayer* player() const { return static_cast<ClipPlayer*>(widget()); }

    mutable std::array<QAccessible::Id, ClipPlayer::button_count> buttons_{};
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
        const QRect bounds = player->button_bounds(button);
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
