#pragma once
// A read-only multi-line text box for a reading passage: flat one-pixel
// border, lines wrapped at the box's width, text shown exactly as given. It
// is a tab stop and keeps the arrow keys to scroll. The vertical scroll bar
// is there exactly when asked for; there is never a horizontal one. A box
// without a scroll bar has nothing to scroll: Up and Down then move the focus
// on through its container's controls, as from a focus holder.

#include <QPlainTextEdit>

class PassageBox : public QPlainTextEdit {
    Q_OBJECT
public:
    PassageBox(const QString& text, bool withScrollBar, QWidget* parent = nullptr);

protected:
    void keyPressEvent(QKeyEvent* event) override;
};
