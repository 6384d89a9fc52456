#pragma once
// A panel with a one-pixel outer bevel, raised or lowered, showing its
// caption centred in both directions. Assistive technology reads its caption
// as text.

#include <QLabel>

class BevelPanel : public QLabel {
    Q_OBJECT
public:
    enum class Bevel { Raised, Lowered };
    BevelPanel(Bevel bevel, const QString& caption, QWidget* parent);

    // Shows `caption` and tells assistive technology the text that left and
    // the text that came: a result appearing is announced with its figure.
    void setAnnouncedText(const QString& caption);
};
