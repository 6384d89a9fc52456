#pragma once
// An answer option: a radio button that carries an integer tag and reports
// only when the user checks it.
//
// - Its exclusive group is the RadioOption children of its own parent widget,
//   and nothing else: options in other containers are never touched.
// - Checked, it is a tab stop; unchecked, it is not (Tab skips it) but still
//   takes the focus from the mouse and the arrow keys.
// - A mouse press first gives it the focus, without checking it; releasing
//   the button over it checks it. Space checks it too, and so do the Press
//   and Toggle actions of assistive technology (control_accessibility.h).
// - Receiving the focus from the keyboard (a focus reason of Tab or
//   Shift+Tab, as the arrow keys give it) checks it at once, unless an
//   AutoCheckBlocker exists.
// - Checking an unchecked option checks it, unchecks its group, then emits
//   checkedByUser once; an option already checked does nothing.
// - uncheck() clears the mark and emits nothing.
// - The arrow keys move the focus through the parent's controls
//   (move_focus_by_arrow).

#include <QRadioButton>

class RadioOption : public QRadioButton {
    Q_OBJECT
    Q_PROPERTY(int tag READ tag WRITE setTag)
public:
    explicit RadioOption(const QString& caption, QWidget* parent = nullptr);

    int tag() const { return tag_; }
    void setTag(int tag) { tag_ = tag; }

    void uncheck();

    // The other options of its group.
    QList<RadioOption*> siblings() const;

signals:
    // The option has just become checked through the user; it has the focus.
    void checkedByUser(RadioOption* option);

protected:
    bool hitButton(const QPoint& pos) const override;
    void nextCheckState() override;
    void checkStateSet() override;
    void mousePressEvent(QMouseEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    // Checked state changes only through these two.
    using QRadioButton::setChecked;
    void choose();
    void setMark(bool checked);
    void updateTabStop();
    bool holdsFocus() const;

    int tag_ = 0;
};

// While at least one exists, an option that receives the keyboard focus is
// not checked by it: used where the focus moves without the user choosing.
class AutoCheckBlocker {
public:
    AutoCheckBlocker() { ++depth_; }
    ~AutoCheckBlocker() { --depth_; }
    AutoCheckBlocker(const AutoCheckBlocker&) = delete;
    AutoCheckBlocker& operator=(const AutoCheckBlocker&) = delete;

    static bool active() { return depth_ > 0; }

private:
    static inline int depth_ = 0;
};
