#pragma once

#include "core/Ecliptic.h"
#include "core/OrbitalElements.h"
#include "core/SimTime.h"

// Position in the elements' plane of reference (in the unit of a: AU for planets, km for
// moons) from Keplerian elements, with a three-term equation of the centre.
Ecliptic KeplerPosition(SimTime t, SimTime epoch, const OrbitalElements& e);

// Geocentric ecliptic position of the Moon in km from its analytic theory.
Ecliptic LunarPosition(SimTime t);

struct LunarCoordinates {
    double longitudeDeg, latitudeDeg, distanceEarthRadii;
};
LunarCoordinates LunarEclipticCoordinates(SimTime t);
