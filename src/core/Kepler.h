#pragma once

#include "core/OrbitalElements.h"
#include "core/SimTime.h"
#include "scene/Vector.h"

// Ecliptic position (units of a) from Keplerian elements, with a three-term equation of
// the centre.
scene::Vec3 KeplerPosition(SimTime t, SimTime epoch, const OrbitalElements& e);

// Geocentric ecliptic position of the Moon in km from its analytic theory.
scene::Vec3 LunarPosition(SimTime t);

struct LunarCoordinates {
    double longitudeDeg, latitudeDeg, distanceEarthRadii;
};
LunarCoordinates LunarEclipticCoordinates(SimTime t);
