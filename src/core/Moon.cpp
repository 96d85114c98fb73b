#include "core/Moon.h"

Moon::Moon(Simulation& sim, const QString& name, std::uint32_t colour, double rx, double ry,
           double rz, const OrbitalElements& elements, Body* parent)
    : Planetoid(sim, name, colour, rx, ry, rz, elements, 0),
      parent_(parent),
      synchronous_(elements.rotationRate == elements.dailyMotion) {}

void Moon::CalculatePosition(SimTime t, BodyPosition& out) {
    TweenedPosition(t, elements_, elementEpoch_, out);
}

void Moon::Update(SimTime t) {
    CalculatePosition(t, position_);
    PlaceBody(*this, position_.x(), position_.z(), position_.y(), parent_);
    if (synchronous_)
        frame_->lookAt(*parent_->frame(), nullptr, scene::LookAtConstraint::NoRoll);
    else
        Rotate(t);
}
