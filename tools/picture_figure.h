#pragma once
// A person drawn as simple shapes, posed by the angles of the torso and
// limbs, for the drawings that show someone doing something.

#include <QColor>
#include <QPointF>

class QPainter;

namespace drawings {

// Angles are in degrees clockwise from straight up, as on a clock face:
// 180 points down, 90 to the right, 270 to the left.
struct Limb {
    qreal upper = 180; // upper arm or thigh
    qreal lower = 180; // forearm or shin
};

struct Figure {
    QPointF hip;      // where the legs meet the body
    qreal lean = 0;   // the torso's direction, 0 = upright
    Limb frontArm, backArm, frontLeg, backLeg;
    QColor top{52, 152, 219};
    QColor bottom{52, 73, 94};
    QColor hair{60, 40, 30};
    int facing = 0;   // -1 profile to the left, 0 facing us, 1 profile to the right
    bool eyesClosed = false;
    bool smiling = true;
    qreal scale = 1.0;
};

void figure(QPainter& p, const Figure& f);
// Where the hand in front is, to put what it holds.
QPointF frontHand(const Figure& f);

} // namespace drawings
