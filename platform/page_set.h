#pragma once
// A tabbed set of pages: tabs on top in one row that scrolls when the tabs
// don't fit, captions never shortened, every tab clickable. Sets nest: a page
// may hold a sub-page set of its own, whose tabs are narrower so that a
// reading page's sub-pages all show at once.
//
// Focus rules, whatever changes the page (the operations below, a tab click,
// the keyboard on the tab strip, Ctrl+Tab):
// - if the focus was on a control of the page being left, it moves to the new
//   page's first control (first_control: a tab stop if there is one), and
//   never checks an answer option on the way;
// - if it was anywhere else (the tab strip, a button outside), it stays.
//
// Ctrl+Tab and Ctrl+Shift+Tab, with the focus anywhere inside a top-level
// set, show its next or previous page with wrap-around. A nested set never
// takes these keys, so they always move its top-level set.

#include <QPointer>
#include <QTabBar>
#include <QTabWidget>

// The tab strip of a page set: a class of its own, so that assistive
// technology is shown its tabs as control_accessibility.h says.
class PageTabBar : public QTabBar {
    Q_OBJECT
public:
    using QTabBar::QTabBar;
};

class PageSet : public QTabWidget {
    Q_OBJECT
public:
    enum class Level { TopLevel, Nested };

    explicit PageSet(Level level, QWidget* parent = nullptr);

    // Each takes effect at once, or when the set is next shown if it is hidden.
    void selectFirstPage();
    // Next and previous page wrap around; a set with one page or none stays.
    void nextPage();
    void previousPage();

    void setVisible(bool visible) override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void step(int direction);
    void notePageLeaving();
    void followShownPage();

    Level level_;
    QPointer<QWidget> shownPage_;
    bool focusWasOnShownPage_ = false;
};
