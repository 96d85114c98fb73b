#pragma once

#include <QString>

#include "scene/Vector.h"

// How bright a body looks: its visual magnitude from its size, its albedo, its distances from
// the Sun and the observer, and how much of its lit half the observer sees.
namespace Magnitude {

constexpr double kKmPerAu = 149597870.7;
// The Sun's visual magnitude seen from 1 AU.
constexpr double kSunAtOneAu = -26.74;

// The fraction of the incident light a body sends back towards the Sun (its geometric albedo),
// from published values for the larger bodies and a typical rocky or icy surface otherwise.
double GeometricAlbedo(const QString& name);
// The magnitude the body would have 1 AU from both the Sun and the observer, fully lit.
double Absolute(double diameterKm, double albedo);
// The share of the full-disc light seen at this phase angle (radians) for a sphere that
// scatters like a matte surface: 1 at full phase, 0 when only the night side faces us.
double PhaseFactor(double phaseAngle);
// The visual magnitude of a body with absolute magnitude h at heliocentric position bodyKm,
// seen from observerKm (both km, from the Sun). Returns a very large number when the
// observer sees no lit part.
double Apparent(double h, const scene::Vec3& bodyKm, const scene::Vec3& observerKm);
// The Sun's, seen from observerKm (km from the Sun).
double SunApparent(const scene::Vec3& observerKm);

}  // namespace Magnitude
