#include "core/Moon.h"

Moon::Moon(const BodyScene& world, const QString& name, std::uint32_t colour, double rx, double ry,
           double rz, const OrbitalElements& elements, SimTime epoch, Body* parent)
    : Planetoid(world, name, colour, rx, ry, rz, elements, epoch, parent),
      synchronous_(elements.rotationRate == elements.dailyMotion) {}

Ecliptic Moon::CalculatePosition(SimTime t) {
    return TweenedPosition(t, elements_, elementEpoch_);
}

void Moon::Update(SimTime t) {
    PlaceBody(*this, CalculatePosition(t), parent_);
    if (synchronous_)
        frame_->lookAt(*parent_->frame(), scene::LookAtConstraint::NoRoll);
    else
        Rotate(t);
}
