// A posed person: torso, head and four limbs of two segments each.

#include "tools/picture_figure.h"

#include "tools/drawing_helpers.h"

namespace drawings {

namespace {

const QColor kSkin(246, 200, 160);
const QColor kShoe(60, 50, 45);

constexpr qreal kTorso = 38, kNeck = 14, kHead = 12;
constexpr qreal kUpperArm = 19, kForearm = 17, kThigh = 23, kShin = 22;

// Where a limb starts: side by side when the figure faces us, one behind the
// other in profile.
QPointF shoulder(const Figure& f, int side)
{
    const QPointF top = polar(f.hip, kTorso * f.scale, f.lean);
    return f.facing == 0 ? top + QPointF(side * 9 * f.scale, 4 * f.scale) : top + QPointF(0, 4 * f.scale);
}

QPointF hipJoint(const Figure& f, int side)
{
    return f.facing == 0 ? f.hip + QPointF(side * 5 * f.scale, 0) : f.hip;
}

// A limb of two segments as a thick stroke with an ink edge.
void stroke(QPainter& p, QPointF from, QPointF joint, QPointF end, qreal width, QColor colour)
{
    QPainterPath path(from);
    path.lineTo(joint);
    path.lineTo(end);
    p.setBrush(Qt::NoBrush);
    p.setPen(outline(width + 3, kInk));
    p.drawPath(path);
    p.setPen(outline(width, colour));
    p.drawPath(path);
}

void arm(QPainter& p, const Figure& f, QPointF from, Limb limb)
{
    const QPointF elbow = polar(from, kUpperArm * f.scale, limb.upper);
    const QPointF hand = polar(elbow, kForearm * f.scale, limb.lower);
    stroke(p, from, elbow, hand, 7 * f.scale, f.top);
    style(p, kSkin, 1.5);
    p.drawEllipse(hand, 4 * f.scale, 4 * f.scale);
}

void leg(QPainter& p, const Figure& f, QPointF from, Limb limb)
{
    const QPointF knee = polar(from, kThigh * f.scale, limb.upper);
    const QPointF foot = polar(knee, kShin * f.scale, limb.lower);
    stroke(p, from, knee, foot, 8 * f.scale, f.bottom);
    // The shoe points the way the figure faces (to the right when it faces us).
    const qreal toe = f.facing < 0 ? -5 : 5;
    style(p, kShoe, 1.2);
    p.drawEllipse(foot + QPointF(toe * f.scale, 1 * f.scale), 7 * f.scale, 4 * f.scale);
}

QPointF headCentre(const Figure& f) { return polar(f.hip, (kTorso + kNeck) * f.scale, f.lean); }

void head(QPainter& p, const Figure& f)
{
    const QPointF c = headCentre(f);
    const qreal r = kHead * f.scale;
    style(p, kSkin, 2);
    p.drawEllipse(c, r, r);
    // Hair: a cap over the top of the head, pushed back in profile.
    style(p, f.hair, 1.5);
    p.drawChord(QRectF(c.x() - r, c.y() - r, 2 * r, 2 * r), (f.facing * -30 + 10) * 16, 160 * 16);
    const qreal eyeY = c.y() + 1.5 * f.scale;
    const QPointF eyes[] = {{c.x() - 4.5 * f.scale, eyeY}, {c.x() + 4.5 * f.scale, eyeY}};
    const qreal shift = f.facing * 5 * f.scale;
    p.setPen(outline(1.6 * f.scale));
    for (int i = 0; i < 2; ++i) {
        if (f.facing != 0 && i == (f.facing < 0 ? 1 : 0))
            continue;
        const QPointF eye = eyes[i] + QPointF(shift, 0);
        if (f.eyesClosed)
            p.drawArc(QRectF(eye - QPointF(2.5, 1) * f.scale, QSizeF(5, 3) * f.scale), 180 * 16, 180 * 16);
        else
            p.drawPoint(eye);
    }
    if (f.smiling)
        p.drawArc(QRectF(c.x() - 4 * f.scale + shift, c.y() + 3 * f.scale, 8 * f.scale, 5 * f.scale),
                  200 * 16, 140 * 16);
}

} // namespace

QPointF frontHand(const Figure& f)
{
    return polar(polar(shoulder(f, 1), kUpperArm * f.scale, f.frontArm.upper), kForearm * f.scale,
                 f.frontArm.lower);
}

void figure(QPainter& p, const Figure& f)
{
    arm(p, f, shoulder(f, -1), f.backArm);
    leg(p, f, hipJoint(f, -1), f.backLeg);
    leg(p, f, hipJoint(f, 1), f.frontLeg);
    // Torso: a rounded block from the hips to the shoulders.
    p.save();
    p.translate(f.hip);
    p.rotate(f.lean);
    p.scale(f.scale, f.scale);
    style(p, f.top, 2);
    p.drawRoundedRect(QRectF(-11, -kTorso - 2, 22, kTorso + 4), 6, 6);
    p.restore();
    head(p, f);
    arm(p, f, shoulder(f, 1), f.frontArm);
}

} // namespace drawings
