#include "core/Luna.h"

#include "core/Kepler.h"

void Luna::PositionFromElements(SimTime t, SimTime, const OrbitalElements&, BodyPosition& out) {
    out.set(LunarPosition(t));
}

void Luna::Update(SimTime t) {
    CalculatePosition(t, position_);
    const scene::Vec3 earth = parent_->positionKm();
    SetPlacedPosition({position_.x() + earth.x, position_.z() + earth.y, position_.y() + earth.z});
    frame_->lookAt(*parent_->frame(), nullptr, scene::LookAtConstraint::NoRoll);
}
