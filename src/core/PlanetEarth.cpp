#include "core/PlanetEarth.h"

#include "core/Angles.h"
#include "core/Simulation.h"

void PlanetEarth::Initialise() {
    Planetoid::Initialise();
    rotationEpoch_ = MakeSimTime(1997, 12, 22, 0, 0, 0);
    angleAtEpoch_ = 0;
    BodyPosition p;
    CalculatePosition(rotationEpoch_, p);
    PlaceBody(*this, p.x(), p.z(), p.y(), sim_.sun());
    if (Body* sun = sim_.sun())
        frame_->lookAt(*sun->frame(), nullptr, scene::LookAtConstraint::NoRoll);
    frame_->addRotation(scene::Combine::Before, {0, 1, 0}, kPi);
    frame_->addRotation(scene::Combine::Before, {1, 0, 0}, DegToRad(axialTilt_));
    ReadOrientation();
}
