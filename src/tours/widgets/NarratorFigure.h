#pragma once

#include <QImage>
#include <QPointF>
#include <QSize>

// Our narrator: a small ringed planet with a face, arms and feet, drawn with QPainter so that
// it needs no file. It can stand idle, point with its right arm (to the left of the screen,
// as it faces the user), point at any direction, and shrink away when it hides.
struct NarratorPose {
    enum class Kind { Idle, GestureRight, GestureAt, Hiding };
    Kind kind = Kind::Idle;
    QPointF towards;   // GestureAt: where to point, in the figure's own pixels
    double phase = 0;  // the idle bob, 0..1
    bool blinking = false;
    double hidden = 0;  // Hiding: 0 shown .. 1 gone
};

namespace NarratorFigure {

inline constexpr QSize kSize{120, 132};
// Where the pointing arm starts, in the figure's pixels: gestures aim from here.
QPointF Shoulder(bool left);
// The figure on a transparent picture; a null picture when it cannot be made.
QImage Draw(const NarratorPose& pose, qreal devicePixelRatio = 1.0);

}  // namespace NarratorFigure
