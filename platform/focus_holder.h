#pragma once
// An unlabelled push button that does nothing when pressed and exists only to
// hold the keyboard focus: a tab stop that is not an answer option, so that
// the focus entering its container never lands on an unchecked option. Its
// container places it, usually outside the visible area. The arrow keys move
// the focus on through its container's controls, as from an option.

#include <QPushButton>

class FocusHolder : public QPushButton {
    Q_OBJECT
public:
    explicit FocusHolder(QWidget* parent = nullptr);

protected:
    void keyPressEvent(QKeyEvent* event) override;
};
