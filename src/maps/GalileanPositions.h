#pragma once

#include <array>
#include <cstdint>

#include "core/SimTime.h"

// Where Io, Europa, Ganymede and Callisto stand around Jupiter, from a short analytic theory
// of the four satellites (mean motions from an epoch, light time, and the main terms of the
// Earth's and Jupiter's orbits; the satellites' mutual perturbations are left out).
//
// Coordinates, in kilometres from Jupiter's centre in the plane of the satellites' orbits:
//   X  across the line of sight, positive to the east of Jupiter as seen from the Earth
//      (to the left with north up, as the naked eye or binoculars show it);
//   Y  along the line of sight, positive on the far side of Jupiter (a moon with Y > 0 is
//      behind the planet's plane of the sky, one with Y <= 0 in front of it).
// The orbits are seen exactly edge-on: the small tilt of the Earth above Jupiter's equator
// is not part of these positions.

enum class GalileanMoon { Io, Europa, Ganymede, Callisto };
inline constexpr int kGalileanMoonCount = 4;

struct Rgb {
    std::uint8_t r, g, b;
};

struct GalileanMoonData {
    const char* name;
    double semiMajorAxisKm;
    double eccentricity;
    Rgb orbitColour;
    Rgb moonColour;
};

// In order outwards from Jupiter, indexed by GalileanMoon.
inline constexpr std::array<GalileanMoonData, kGalileanMoonCount> kGalileanMoons{{
    {"Io", 421600.0, 0.0, {192, 192, 0}, {255, 255, 0}},
    {"Europa", 670900.0, 0.0, {192, 192, 192}, {255, 255, 255}},
    {"Ganymede", 1070000.0, 0.001, {168, 140, 126}, {225, 187, 168}},
    {"Callisto", 1880000.0, 0.01, {128, 128, 128}, {200, 200, 200}},
}};

inline const GalileanMoonData& MoonData(GalileanMoon m) {
    return kGalileanMoons[static_cast<std::size_t>(m)];
}

// Jupiter's equatorial radius as these windows draw it, and its polar radius (the planet
// is flattened by about 1/15).
inline constexpr double kJupiterRadiusKm = 71398.0;
inline constexpr double kJupiterPolarRadiusKm = kJupiterRadiusKm * 0.9351;

struct MoonPosition {
    double x = 0;  // km, positive east
    double y = 0;  // km, positive on the far side
};

// The Earth side of the planet's plane of the sky: a moon here passes in front of Jupiter.
inline bool InFrontOfPlanet(const MoonPosition& p) {
    return p.y <= 0;
}

using GalileanConfiguration = std::array<MoonPosition, kGalileanMoonCount>;

// Julian date of a calendar date and a fraction of its day, with the Gregorian correction
// for years after 1585.
double JulianDate(int year, int month, int day, double dayFraction);
// Julian date of a simulated time (UT).
double JulianDate(SimTime t);

// The theory's quantities at one instant.
struct GalileanState {
    // Each moon's angle round its orbit in degrees, in [180, 540): 180 at the near point
    // (inferior conjunction, in front of the planet), 360 at the far point (superior
    // conjunction); it grows with time.
    std::array<double, kGalileanMoonCount> theta{};
    double earthDistanceAu = 0;  // Earth to Jupiter
    double psi = 0;              // degrees: the Sun-Jupiter-Earth angle with its sign
    double b = 0;                // degrees: the term of Jupiter's orbit in the longitudes
    double n = 0;                // degrees: Jupiter's mean anomaly term
};

GalileanState GalileanTheory(double julianDate);

// Distance from Jupiter in km at an orbital angle (degrees), without rounding.
double OrbitRadiusKm(GalileanMoon m, double thetaDegrees);

// The four positions at a simulated time, with each radius in whole kilometres.
GalileanConfiguration GalileanPositions(SimTime t);
GalileanConfiguration GalileanPositionsAtJulianDate(double julianDate);

// Height of the Earth above Jupiter's equatorial plane as seen from Jupiter, in degrees
// (positive north). The positions above leave it out; it decides whether a moon that
// reaches the planet's limb passes over the disc or clear of a pole.
double EarthJovicentricDeclination(double julianDate);
