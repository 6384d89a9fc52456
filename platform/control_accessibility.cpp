#include "platform/control_accessibility.h"

#include "platform/focus_holder.h"
#include "platform/radio_option.h"

#include <QAccessibleWidget>

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

QAccessibleInterface* control_interface(const QString& class_name, QObject* object)
{
    if (class_name == QLatin1String("RadioOption"))
        return new RadioOptionAccessible(static_cast<RadioOption*>(object));
    if (class_name == QLatin1String("FocusHolder"))
        return new FocusHolderAccessible(static_cast<FocusHolder*>(object));
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
