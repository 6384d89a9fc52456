#pragma once
// A read-only multi-line text box for a reading passage: flat one-pixel
// border, lines wrapped at the box's width, text shown exactly as given. It
// is a tab stop and keeps the arrow keys to scroll. The vertical scroll bar
// is there exactly when asked for; there is never a horizontal one.

#include <QPlainTextEdit>

class PassageBox : public QPlainTextEdit {
    Q_OBJECT
public:
    PassageBox(const QString& text, bool withScrollBar, QWidget* parent = nullptr);
};
