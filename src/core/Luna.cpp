#include "core/Luna.h"

#include "core/Kepler.h"

Ecliptic Luna::PositionFromElements(SimTime t, SimTime, const OrbitalElements&) {
    return LunarPosition(t);
}

void Luna::Update(SimTime t) {
    SetPlacedPosition(ToScene(CalculatePosition(t)) + parent_->positionKm());
    frame_->lookAt(*parent_->frame(), scene::LookAtConstraint::NoRoll);
}
