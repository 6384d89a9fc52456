#pragma once
// A status bar of text panels with fixed edges: each panel spans from the
// previous edge to its own, the last one to the bar's right edge. Each panel
// has a sunken frame and its own text alignment.

#include <QFrame>
#include <QLabel>
#include <vector>

class StatusPanels : public QFrame {
    Q_OBJECT
public:
    struct Panel {
        int width;
        Qt::Alignment alignment;
    };
    StatusPanels(const std::vector<Panel>& panels, QWidget* parent);

    void setText(int index, const QString& text);
    QString text(int index) const;
    QLabel* panel(int index) const { return labels_.at(static_cast<std::size_t>(index)); }

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    std::vector<Panel> panels_;
    std::vector<QLabel*> labels_;
};
