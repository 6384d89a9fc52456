#include "platform/bevel_panel.h"

BevelPanel::BevelPanel(Bevel bevel, const QString& caption, QWidget* parent)
    : QLabel(caption, parent)
{
    setFrameStyle(QFrame::Panel | (bevel == Bevel::Raised ? QFrame::Raised : QFrame::Sunken));
    setLineWidth(1);
    setAlignment(Qt::AlignCenter);
    setAutoFillBackground(false);
}
