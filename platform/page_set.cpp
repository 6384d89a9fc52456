#include "platform/page_set.h"

#include "platform/control_accessibility.h"
#include "platform/keyboard_order.h"
#include "platform/radio_option.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QPointer>
#include <QProxyStyle>
#include <QTabBar>
#include <QToolButton>

namespace {
// 0 for any other key, +1 for Ctrl+Tab, -1 for Ctrl+Shift+Tab.
int page_key_direction(const QKeyEvent* key)
{
    const Qt::KeyboardModifiers modifiers = key->modifiers();
    if (!(modifiers & Qt::ControlModifier) || (modifiers & (Qt::AltModifier | Qt::MetaModifier)))
        return 0;
    if (key->key() == Qt::Key_Backtab)
        return -1;
    if (key->key() == Qt::Key_Tab)
        return (modifiers & Qt::ShiftModifier) ? -1 : 1;
    return 0;
}

// Tabs with less room around their captions. A nested set's tabs are one per
// question of a reading page, up to six "Question 1xx" on a 521-pixel strip:
// with 6 pixels a side instead of Qt's usual 12 they all show at once.
class NarrowTabsStyle : public QProxyStyle {
public:
    int pixelMetric(PixelMetric metric, const QStyleOption* option, const QWidget* widget) const override
    {
        if (metric == PM_TabBarTabHSpace)
            return 12;
        return QProxyStyle::pixelMetric(metric, option, widget);
    }
};

QStyle* narrow_tabs_style()
{
    // One for every nested strip, owned by the application.
    static QPointer<NarrowTabsStyle> style;
    if (!style) {
        style = new NarrowTabsStyle;
        style->setParent(QCoreApplication::instance());
    }
    return style;
}
}

PageSet::PageSet(Level level, QWidget* parent)
    : QTabWidget(parent)
    , level_(level)
{
    // The tab strip announces a new page before the set shows it: that is
    // the moment to see whether the focus is on the page being left.
    install_control_accessibility();
    auto* strip = new PageTabBar(this);
    if (level_ == Level::Nested)
        strip->setStyle(narrow_tabs_style());
    connect(strip, &QTabBar::currentChanged, this, &PageSet::notePageLeaving);
    setTabBar(strip);
    connect(this, &QTabWidget::currentChanged, this, &PageSet::followShownPage);

    setTabPosition(QTabWidget::North);
    setUsesScrollButtons(true);
    setElideMode(Qt::ElideNone);
    strip->setExpanding(false);
    // The strip's scroll arrows are for the mouse: Tab goes from the strip
    // straight into the page.
    // Their spoken names follow the program's language.
    for (QToolButton* arrow : strip->findChildren<QToolButton*>()) {
        arrow->setFocusPolicy(Qt::NoFocus);
        if (arrow->objectName() == QLatin1String("ScrollLeftButton"))
            arrow->setAccessibleName(QStringLiteral("Onglets précédents"));
        else if (arrow->objectName() == QLatin1String("ScrollRightButton"))
            arrow->setAccessibleName(QStringLiteral("Onglets suivants"));
    }

    // Ctrl+Tab must reach a top-level set before any control inside it (a
    // nested set included) can use it.
    if (level_ == Level::TopLevel)
        QCoreApplication::instance()->installEventFilter(this);
}

void PageSet::selectFirstPage()
{
    if (count() > 0)
        setCurrentIndex(0);
}

void PageSet::nextPage() { step(+1); }

void PageSet::previousPage() { step(-1); }

void PageSet::step(int direction)
{
    const int pages = count();
    const int from = currentIndex();
    if (from < 0)
        return;
    for (int distance = 1; distance < pages; ++distance) {
        const int page = ((from + direction * distance) % pages + pages) % pages;
        if (isTabVisible(page) && isTabEnabled(page)) {
            setCurrentIndex(page);
            return;
        }
    }
}

void PageSet::notePageLeaving()
{
    const QWidget* focus = window()->focusWidget();
    focusWasOnShownPage_ = shownPage_ && focus && shownPage_->isAncestorOf(focus);
}

void PageSet::followShownPage()
{
    const bool follow = focusWasOnShownPage_;
    focusWasOnShownPage_ = false;
    shownPage_ = currentWidget();
    if (!follow || !shownPage_)
        return;
    // Qt has already put the focus somewhere on the new page (the control
    // that last had it there, or its first tab stop); put it where it belongs.
    if (QWidget* control = first_control(shownPage_)) {
        AutoCheckBlocker showing_a_page_checks_nothing;
        control->setFocus(Qt::TabFocusReason);
    }
}

void PageSet::setVisible(bool visible)
{
    // Hiding the set while it holds the focus makes Qt move the focus on.
    AutoCheckBlocker quiet;
    QTabWidget::setVisible(visible);
}

bool PageSet::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyPress && watched->isWidgetType()) {
        auto* target = static_cast<QWidget*>(watched);
        const int direction = page_key_direction(static_cast<QKeyEvent*>(event));
        if (direction != 0 && isVisible() && (target == this || isAncestorOf(target))) {
            step(direction);
            return true;
        }
    }
    return QTabWidget::eventFilter(watched, event);
}

void PageSet::keyPressEvent(QKeyEvent* event)
{
    // Qt's own Ctrl+Tab handling would move a nested set: leave the key to
    // the top-level set, which has already taken it through its filter.
    if (page_key_direction(event) != 0) {
        event->ignore();
        return;
    }
    QTabWidget::keyPressEvent(event);
}
