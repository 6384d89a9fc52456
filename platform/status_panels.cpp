#include "platform/status_panels.h"

#include "platform/control_accessibility.h"

StatusPanels::StatusPanels(const std::vector<Panel>& panels, QWidget* parent)
    : QFrame(parent), panels_(panels)
{
    install_control_accessibility();
    for (const Panel& p : panels_) {
        auto* label = new QLabel(this);
        label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        label->setLineWidth(1);
        label->setAlignment(p.alignment | Qt::AlignVCenter);
        label->setIndent(2);
        labels_.push_back(label);
    }
}

void StatusPanels::setText(int index, const QString& text)
{
    labels_.at(static_cast<std::size_t>(index))->setText(text);
}

QString StatusPanels::text(int index) const
{
    return labels_.at(static_cast<std::size_t>(index))->text();
}

void StatusPanels::resizeEvent(QResizeEvent* event)
{
    QFrame::resizeEvent(event);
    int left = 0;
    for (std::size_t i = 0; i < labels_.size(); ++i) {
        const bool last = i + 1 == labels_.size();
        const int right = last ? width() : left + panels_[i].width;
        labels_[i]->setGeometry(left, 0, right - left, height());
        left = right;
    }
}
