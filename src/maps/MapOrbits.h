#pragma once

#include <QPointF>
#include <vector>

#include "core/Ecliptic.h"
#include "maps/MapGeometry.h"

class Body;

// How orbits are drawn on the map: which of a body's 360 orbit samples are joined, and the
// quick tests that leave out orbits that cannot show in the picture.
namespace MapOrbits {

inline constexpr int kSampleCount = 360;
inline constexpr double kOuterFactor = 1.5;  // every orbit lies within 1.5 x its extent

// Every how many samples a point is taken, for an orbit this many pixels in radius: small
// orbits need few points to look round.
int SampleStep(int radiusPixels);
// The samples joined, in drawing order: from (step - 1) down through 359, 359 - step, ...,
// to the last index not below 0, which is (step - 1) again, so the loop closes.
std::vector<int> SampleIndices(int step);

// True when the orbit about (cx, cz) cannot reach the picture: the square of half side
// 1.5 x its extent around the centre misses the extent.
bool OrbitOutsideView(const MapExtent& view, double cx, double cz, double orbitExtent);
// True when the whole picture lies closer to (cx, cz) than the orbit ever comes, so it only
// circles round outside the picture.
bool ViewInsideOrbit(const MapExtent& view, double cx, double cz, double innerRadius);
// The nearest the drawn loop (its points in drawing order) comes to (cx, cz).
double InnerRadius(const std::vector<QPointF>& loop, double cx, double cz);

// A planet's orbit sample (heliocentric, ecliptic axis order) on the map.
QPointF PlanetSampleOnMap(const Ecliptic& sample);
// A moon's orbit sample carried into the world the way the moon itself is placed, on the
// map: most moons' samples are held in their parent's equatorial frame, the Earth's Moon's
// in ecliptic axes about the Earth.
QPointF MoonSampleOnMap(const Body& moon, const Body& parent, const Ecliptic& sample);

}  // namespace MapOrbits
