#include "platform/passage_box.h"

#include "platform/keyboard_order.h"

#include <QKeyEvent>

PassageBox::PassageBox(const QString& text, bool withScrollBar, QWidget* parent)
    : QPlainTextEdit(parent)
{
    setReadOnly(true);
    setUndoRedoEnabled(false);
    setFrameStyle(QFrame::Box | QFrame::Plain);
    setLineWidth(1);
    setLineWrapMode(QPlainTextEdit::WidgetWidth);
    // Chinese text has no spaces: break anywhere when a line has no other break.
    setWordWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    setVerticalScrollBarPolicy(withScrollBar ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setTabChangesFocus(true);
    setFocusPolicy(Qt::StrongFocus);
    setPlainText(text);
}

void PassageBox::keyPressEvent(QKeyEvent* event)
{
    const bool vertical = event->key() == Qt::Key_Up || event->key() == Qt::Key_Down;
    if (vertical && verticalScrollBarPolicy() == Qt::ScrollBarAlwaysOff && move_focus_by_arrow(this, event))
        return;
    QPlainTextEdit::keyPressEvent(event);
}
