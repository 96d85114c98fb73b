#pragma once

#include <cstdint>

// One orbit: angles in degrees, a in AU for a planet and km for a moon.
struct OrbitalElements {
    double inclination = 0;       // i
    double ascendingNode = 0;     // longitude of the ascending node
    double perihelion = 0;        // longitude of perihelion
    double semiMajorAxis = 0;     // a
    double dailyMotion = 0;       // n, degrees per day (negative: retrograde)
    double eccentricity = 0;      // e
    double meanLongitude = 0;     // L at the epoch
    double axialTilt = 0;         // tilt of the spin axis
    double rotationRate = 0;      // spin, degrees per day (0: none given)
    std::int32_t epochIndex = 0;  // into ElementEpochs
    double spare = 0;
};
