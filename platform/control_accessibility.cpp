#include "platform/control_accessibility.h"

#include "platform/accessible_parts.h"
#include "platform/bevel_panel.h"
#include "platform/focus_holder.h"
#include "platform/page_set.h"
#include "platform/radio_option.h"

#include <QAccessibleWidget>
#include <QPointer>
#include <QToolButton>

#include <vector>

namespace {

// The caption as read aloud: "&&" is a literal ampersand, a single "&"
// only marks the shortcut letter.
QString without_mnemonic(const QString& caption)
{
    QString text;
    for (qsizetype i = 0; i < caption.size(); ++i) {
        if (caption[i] == u'&' && i + 1 < caption.size())
            ++i;
        text += caption[i];
    }
    return text;
}

class RadioOptionAccessible : public QAccessibleWidget {
public:
    explicit RadioOptionAccessible(RadioOption* option) : QAccessibleWidget(option, QAccessible::RadioButton) {}

    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Name && option()->accessibleName().isEmpty())
            return without_mnemonic(option()->text());
        return QAccessibleWidget::text(t);
    }

    QAccessible::State state() const override
    {
        QAccessible::State s = QAccessibleWidget::state();
        s.checkable = true;
        s.checked = option()->isChecked();
        return s;
    }

    QStringList actionNames() const override
    {
        QStringList names;
        if (option()->isEnabled())
            names << pressAction() << toggleAction();
        return names + QAccessibleWidget::actionNames();
    }

    void doAction(const QString& action) override
    {
        if (action == pressAction() || action == toggleAction())
            click();
        else
            QAccessibleWidget::doAction(action);
    }

private:
    // As a mouse click: the option takes the focus if it is on screen, then
    // is checked as the user checks it (nothing when disabled or checked).
    void click()
    {
        if (!option()->isEnabled())
            return;
        if (option()->isVisible() && !option()->hasFocus()) {
            AutoCheckBlocker quiet;
            option()->setFocus(Qt::OtherFocusReason);
        }
        option()->click();
    }

    RadioOption* option() const { return static_cast<RadioOption*>(widget()); }
};

class FocusHolderAccessible : public QAccessibleWidget {
public:
    explicit FocusHolderAccessible(QWidget* holder) : QAccessibleWidget(holder, QAccessible::Grouping) {}
};

// A panel's caption is its name and its text: a change of caption can then
// travel with the change event, which carries text only from an object that
// has some.
class BevelPanelAccessible : public QAccessibleWidget, public QAccessibleTextInterface {
public:
    explicit BevelPanelAccessible(BevelPanel* panel) : QAccessibleWidget(panel, QAccessible::StaticText) {}

    void* interface_cast(QAccessible::InterfaceType t) override
    {
        if (t == QAccessible::TextInterface)
            return static_cast<QAccessibleTextInterface*>(this);
        return QAccessibleWidget::interface_cast(t);
    }

    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Name && panel()->accessibleName().isEmpty())
            return caption();
        return QAccessibleWidget::text(t);
    }

    // Read-only text without a caret or a selection.
    QString text(int start, int end) const override { return caption().mid(start, end - start); }
    int characterCount() const override { return static_cast<int>(caption().size()); }
    void selection(int, int* start, int* end) const override { *start = *end = 0; }
    int selectionCount() const override { return 0; }
    void addSelection(int, int) override {}
    void removeSelection(int) override {}
    void setSelection(int, int, int) override {}
    int cursorPosition() const override { return 0; }
    void setCursorPosition(int) override {}
    QRect characterRect(int) const override { return {}; }
    int offsetAtPoint(const QPoint&) const override { return -1; }
    void scrollToSubstring(int, int) override {}
    QString attributes(int, int* start, int* end) const override
    {
        *start = 0;
        *end = characterCount();
        return {};
    }

private:
    QString caption() const { return without_mnemonic(panel()->text()); }
    BevelPanel* panel() const { return static_cast<BevelPanel*>(widget()); }
};

// The tabs of a page set: Qt's own report the current tab focused whether
// or not its strip has the focus, so that every hidden set claims a focused
// tab. Here a tab is focused only while its strip holds the keyboard focus;
// the current tab is the selected one. Pressing a tab shows its page.
class PageTabAccessible : public AccessiblePart {
public:
    PageTabAccessible(PageTabBar* strip, int index) : strip_(strip), index_(index) {}

    bool isValid() const override { return strip_ && index_ < strip_->count(); }
    QAccessibleInterface* parent() const override { return QAccessible::queryAccessibleInterface(strip_); }
    QAccessible::Role role() const override { return QAccessible::PageTab; }

    QString text(QAccessible::Text t) const override
    {
        if (!isValid())
            return {};
        if (t == QAccessible::Name)
            return without_mnemonic(strip_->tabText(index_));
        if (t == QAccessible::Description)
            return strip_->tabToolTip(index_);
        return {};
    }

    QRect rect() const override
    {
        if (!isValid())
            return {};
        const QRect r = strip_->tabRect(index_);
        return {strip_->mapToGlobal(r.topLeft()), r.size()};
    }

    QAccessible::State state() const override
    {
        QAccessible::State s;
        if (!isValid()) {
            s.invalid = true;
            return s;
        }
        const bool current = index_ == strip_->currentIndex();
        s.focusable = true;
        s.selectable = true;
        s.selected = current;
        s.focused = current && strip_->hasFocus();
        s.disabled = !strip_->isEnabled() || !strip_->isTabEnabled(index_);
        s.invisible = !strip_->isVisible() || !strip_->isTabVisible(index_);
        s.offscreen = s.invisible || !strip_->rect().intersects(strip_->tabRect(index_));
        return s;
    }

    void doAction(const QString& action) override
    {
        if (action == pressAction() && isValid())
            strip_->setCurrentIndex(index_);
    }

    int index() const { return index_; }

private:
    QPointer<PageTabBar> strip_;
    int index_;
};

// The strip: its tabs, then its two scroll arrows.
class PageTabBarAccessible : public QAccessibleWidget {
public:
    explicit PageTabBarAccessible(PageTabBar* strip) : QAccessibleWidget(strip, QAccessible::PageTabList) {}

    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Name && strip()->accessibleName().isEmpty())
            return without_mnemonic(strip()->tabText(strip()->currentIndex()));
        return QAccessibleWidget::text(t);
    }

    int childCount() const override { return strip()->count() + static_cast<int>(arrows().size()); }

    QAccessibleInterface* child(int index) const override
    {
        const int tabs = strip()->count();
        if (index < 0 || index >= childCount())
            return nullptr;
        if (index >= tabs)
            return QAccessible::queryAccessibleInterface(arrows()[static_cast<std::size_t>(index - tabs)]);
        return tabs_.part(index, [&] { return new PageTabAccessible(strip(), index); });
    }

    int indexOfChild(const QAccessibleInterface* child_interface) const override
    {
        for (int i = 0; i < childCount(); ++i)
            if (child(i) == child_interface)
                return i;
        return -1;
    }

    QAccessibleInterface* focusChild() const override
    {
        return strip()->hasFocus() ? child(strip()->currentIndex()) : nullptr;
    }

private:
    PageTabBar* strip() const { return static_cast<PageTabBar*>(widget()); }
    std::vector<QToolButton*> arrows() const
    {
        const QList<QToolButton*> found = strip()->findChildren<QToolButton*>(Qt::FindDirectChildrenOnly);
        return {found.begin(), found.end()};
    }

    mutable accessible_parts tabs_;
};

QAccessibleInterface* control_interface(const QString& class_name, QObject* object)
{
    if (class_name == QLatin1String("RadioOption"))
        return new RadioOptionAccessible(static_cast<RadioOption*>(object));
    if (class_name == QLatin1String("FocusHolder"))
        return new FocusHolderAccessible(static_cast<FocusHolder*>(object));
    if (class_name == QLatin1String("BevelPanel"))
        return new BevelPanelAccessible(static_cast<BevelPanel*>(object));
    if (class_name == QLatin1String("PageTabBar"))
        return new PageTabBarAccessible(static_cast<PageTabBar*>(object));
    if (class_name == QLatin1String("StatusPanels"))
        return new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::StatusBar);
    return nullptr;
}

} // namespace

void install_control_accessibility()
{
    static const bool installed = [] {
        QAccessible::installFactory(control_interface);
        return true;
    }();
    Q_UNUSED(installed);
}
