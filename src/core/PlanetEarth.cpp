#include "core/PlanetEarth.h"

#include "core/Angles.h"

void PlanetEarth::Initialise(SimTime now) {
    Planetoid::Initialise(now);
    // At the 1997 December solstice, 0h UT, the Sun stands over longitude 180: face the
    // Sun, then turn half round and tilt the axis.
    rotationEpoch_ = MakeSimTime(1997, 12, 22, 0, 0, 0);
    angleAtEpoch_ = 0;
    PlaceBody(*this, CalculatePosition(rotationEpoch_), parent_);
    if (parent_) frame_->lookAt(*parent_->frame(), scene::LookAtConstraint::NoRoll);
    frame_->addRotation(scene::Combine::Before, {0, 1, 0}, kPi);
    frame_->addRotation(scene::Combine::Before, {1, 0, 0}, DegToRad(axialTilt_));
    ReadOrientation();
}
