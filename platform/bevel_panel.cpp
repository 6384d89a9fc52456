#include "platform/bevel_panel.h"

#include "platform/control_accessibility.h"

#include <QAccessible>

BevelPanel::BevelPanel(Bevel bevel, const QString& caption, QWidget* parent)
    : QLabel(caption, parent)
{
    setFrameStyle(QFrame::Panel | (bevel == Bevel::Raised ? QFrame::Raised : QFrame::Sunken));
    setLineWidth(1);
    setAlignment(Qt::AlignCenter);
    setAutoFillBackground(false);
    install_control_accessibility();
}

void BevelPanel::setAnnouncedText(const QString& caption)
{
    const QString before = text();
    setText(caption);
    if (before != caption && QAccessible::isActive()) {
        QAccessibleTextUpdateEvent changed(this, 0, before, caption);
        QAccessible::updateAccessibility(&changed);
    }
}
