#include "core/Luna.h"

#include "core/Kepler.h"
#include "core/PreciseEphemeris.h"

Ecliptic Luna::PositionFromElements(SimTime t, SimTime, const OrbitalElements&) {
    return LunarPosition(t);
}

Ecliptic Luna::CalculatePosition(SimTime t) {
    if (precise_)
        return TweenedMotion(t, [](SimTime at) { return PreciseEphemeris::MoonMotion(at); });
    return Moon::CalculatePosition(t);
}

void Luna::SetEphemerisModel(EphemerisModel model) {
    const bool precise = model == EphemerisModel::Precise;
    if (precise == precise_) return;
    precise_ = precise;
    tweener_.clear();
    RefillOrbitPath();
}

void Luna::Update(SimTime t) {
    SetPlacedPosition(ToScene(CalculatePosition(t)) + parent_->positionKm());
    frame_->lookAt(*parent_->frame(), scene::LookAtConstraint::NoRoll);
}
