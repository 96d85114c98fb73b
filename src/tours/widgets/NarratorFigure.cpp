#include "tours/widgets/NarratorFigure.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <cmath>

namespace {

constexpr QPointF kBody{60, 58};
constexpr double kRadius = 30;
const QColor kOutline(60, 38, 20);
const QColor kRing(120, 190, 235, 220);

// An arm from the shoulder at an angle (radians, 0 = screen right, y down), with a round hand
// and, when pointing, a finger.
void Arm(QPainter& p, QPointF shoulder, double angle, double length, bool pointing) {
    const QPointF hand = shoulder + QPointF(std::cos(angle), std::sin(angle)) * length;
    p.setPen(QPen(kOutline, 4, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(shoulder, hand);
    p.setPen(QPen(kOutline, 1.5));
    p.setBrush(QColor(255, 244, 214));
    p.drawEllipse(hand, 5.5, 5.5);
    if (pointing) {
        const QPointF tip = hand + QPointF(std::cos(angle), std::sin(angle)) * 9;
        p.setPen(QPen(kOutline, 3, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(hand, tip);
    }
}

// Saves the painter and sets it up for the ring, tilted with the planet; the caller restores.
void BeginRing(QPainter& p) {
    p.save();
    p.translate(kBody);
    p.rotate(-14);
    p.translate(-kBody);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(kRing, 6));
}

}  // namespace

namespace NarratorFigure {

QPointF Shoulder(bool left) {
    return kBody + QPointF(left ? -kRadius + 4 : kRadius - 4, 8);
}

QImage Draw(const NarratorPose& pose, qreal devicePixelRatio) {
    QImage image(kSize * devicePixelRatio, QImage::Format_ARGB32_Premultiplied);
    if (image.isNull()) return image;
    image.setDevicePixelRatio(devicePixelRatio);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);

    if (pose.kind == NarratorPose::Kind::Hiding) {
        // It shrinks towards its feet and fades.
        const double keep = std::clamp(1.0 - pose.hidden, 0.0, 1.0);
        p.setOpacity(keep);
        p.translate(kSize.width() / 2.0, kSize.height() - 6.0);
        p.scale(keep, keep);
        p.translate(-kSize.width() / 2.0, -(kSize.height() - 6.0));
    }
    const double bob =
        pose.kind == NarratorPose::Kind::Idle ? 2.0 * std::sin(pose.phase * 2 * M_PI) : 0.0;
    p.translate(0, bob);

    // Feet.
    p.setPen(QPen(kOutline, 4, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(kBody + QPointF(-12, kRadius - 4), kBody + QPointF(-14, kRadius + 18));
    p.drawLine(kBody + QPointF(12, kRadius - 4), kBody + QPointF(14, kRadius + 18));
    p.setBrush(QColor(70, 90, 160));
    p.setPen(QPen(kOutline, 1.5));
    p.drawEllipse(kBody + QPointF(-19, kRadius + 19), 8, 4.5);
    p.drawEllipse(kBody + QPointF(19, kRadius + 19), 8, 4.5);

    // The far half of the ring, behind the planet.
    const QRectF ring(kBody.x() - kRadius * 1.75, kBody.y() - kRadius * 0.42, kRadius * 3.5,
                      kRadius * 0.84);
    BeginRing(p);
    p.drawArc(ring, 0, 180 * 16);
    p.restore();

    // The planet: warm, banded, lit from the upper left.
    QRadialGradient glow(kBody + QPointF(-10, -12), kRadius * 1.4);
    glow.setColorAt(0, QColor(255, 214, 140));
    glow.setColorAt(0.6, QColor(232, 150, 70));
    glow.setColorAt(1, QColor(170, 90, 40));
    p.setPen(QPen(kOutline, 2));
    p.setBrush(glow);
    p.drawEllipse(kBody, kRadius, kRadius);
    p.save();
    QPainterPath disc;
    disc.addEllipse(kBody, kRadius - 1, kRadius - 1);
    p.setClipPath(disc);
    p.setPen(QPen(QColor(200, 110, 50, 110), 4));
    p.drawLine(kBody + QPointF(-kRadius, 14), kBody + QPointF(kRadius, 10));
    p.drawLine(kBody + QPointF(-kRadius, 22), kBody + QPointF(kRadius, 19));
    p.restore();

    // Eyes look where it points.
    QPointF look(0, 0);
    switch (pose.kind) {
        case NarratorPose::Kind::GestureRight:
            look = QPointF(-2.5, 0);
            break;
        case NarratorPose::Kind::GestureAt: {
            const QPointF d = pose.towards - kBody;
            const double len = std::hypot(d.x(), d.y());
            if (len > 0) look = d / len * 2.5;
            break;
        }
        default:
            break;
    }
    for (const double side : {-1.0, 1.0}) {
        const QPointF eye = kBody + QPointF(side * 10, -8);
        p.setPen(QPen(kOutline, 1.2));
        p.setBrush(Qt::white);
        if (pose.blinking) {
            p.setPen(QPen(kOutline, 2, Qt::SolidLine, Qt::RoundCap));
            p.drawLine(eye + QPointF(-5, 0), eye + QPointF(5, 0));
        } else {
            p.drawEllipse(eye, 6, 7.5);
            p.setPen(Qt::NoPen);
            p.setBrush(QColor(30, 30, 60));
            p.drawEllipse(eye + look, 3, 3.5);
            p.setBrush(Qt::white);
            p.drawEllipse(eye + look + QPointF(-1, -1.5), 1, 1);
        }
    }
    // Smile and cheeks.
    p.setPen(QPen(kOutline, 2, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(kBody.x() - 9, kBody.y() - 2, 18, 12), 200 * 16, 140 * 16);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(240, 110, 90, 120));
    p.drawEllipse(kBody + QPointF(-17, 4), 4, 2.5);
    p.drawEllipse(kBody + QPointF(17, 4), 4, 2.5);

    // The near half of the ring, in front of the planet.
    BeginRing(p);
    p.drawArc(ring, 180 * 16, 180 * 16);
    p.setPen(QPen(QColor(255, 255, 255, 120), 1.5));
    p.drawArc(ring.adjusted(2, 2, -2, -2), 200 * 16, 140 * 16);
    p.restore();

    // Arms: the left one on the screen is its right arm, the one that gestures.
    const QPointF left = Shoulder(true), right = Shoulder(false);
    switch (pose.kind) {
        case NarratorPose::Kind::GestureRight:
            Arm(p, left, M_PI + 0.35, 26, true);
            Arm(p, right, M_PI / 2 - 0.5, 20, false);
            break;
        case NarratorPose::Kind::GestureAt: {
            const bool useLeft = pose.towards.x() <= kBody.x();
            const QPointF from = useLeft ? left : right;
            const QPointF d = pose.towards - from;
            const double angle = (d.x() == 0 && d.y() == 0) ? M_PI : std::atan2(d.y(), d.x());
            Arm(p, from, angle, 26, true);
            Arm(p, useLeft ? right : left, useLeft ? M_PI / 2 - 0.5 : M_PI / 2 + 0.5, 20, false);
            break;
        }
        default:
            Arm(p, left, M_PI / 2 + 0.5, 20, false);
            Arm(p, right, M_PI / 2 - 0.5, 20, false);
            break;
    }
    return image;
}

}  // namespace NarratorFigure
