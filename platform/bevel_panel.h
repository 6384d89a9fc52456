#pragma once
// A panel with a one-pixel outer bevel, raised or lowered, showing its
// caption centred in both directions.

#include <QLabel>

class BevelPanel : public QLabel {
    Q_OBJECT
public:
    enum class Bevel { Raised, Lowered };
    BevelPanel(Bevel bevel, const QString& caption, QWidget* parent);
};
