#pragma once

#include <cstdint>

#include "scene/Vector.h"

namespace sky {

// The obliquity of the ecliptic, held in single precision like the catalogue's positions.
constexpr float kObliquity = 0.40909281f;
// Stars and sky objects sit this far from the origin of the scene, around the camera.
constexpr double kStarDistance = 1000000.0;
// Zones are one hour of right ascension by ten degrees of declination; index 432 is the
// north pole in hour 23, one past the grid, and gets a cell of its own.
constexpr int kZoneCount = 433;

// x = cos d cos a, y = sin d, z = cos d sin a: y to the north celestial pole, x to 0 h.
scene::Vec3 RaDecToUnitVector(double raHours, double decDegrees);
// The same turned into the scene's ecliptic frame (y to the north ecliptic pole).
scene::Vec3 RaDecToWorld(double raHours, double decDegrees);
scene::Vec3 EquatorialToWorld(const scene::Vec3& v);
scene::Vec3 WorldToEquatorial(const scene::Vec3& v);

struct RaDec {
    double ra = 0;   // radians
    double dec = 0;  // radians
};
RaDec UnitVectorToRaDec(const scene::Vec3& v);
RaDec WorldToRaDec(const scene::Vec3& v);

int SkyZoneOf(int hour, int degree);
// Whether a catalogue position is one: right ascension 0 to 24 hours, declination -90 to 90
// degrees, both finite.
bool InSkyRange(double raHours, double decDegrees);
// The zone of any finite position: right ascension folded into one day, declination held to
// the poles, so no value reaches the integer arithmetic out of range.
int SkyZoneAt(double raHours, double decDegrees);
// trunc((m + 2) x 19) kept to 8 bits: -2 gives 0, 7.0 gives 171.
std::uint8_t MagIndex(double magnitude);

}  // namespace sky
