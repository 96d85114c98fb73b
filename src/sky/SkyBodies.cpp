#include "sky/SkyBodies.h"

#include <algorithm>
#include <cmath>
#include <optional>

#include "core/Angles.h"
#include "core/BodyPosition.h"
#include "core/Simulation.h"
#include "sky/SkyMath.h"
#include "sky/SkyProjection.h"

namespace sky {

namespace {

constexpr double kMoonMeanDistance = 384400.0;  // km

// The angle Sun-body-Earth in degrees.
double PhaseAngle(double sunDistance, double earthDistance, double earthSunDistance) {
    const double c = (sunDistance * sunDistance + earthDistance * earthDistance -
                      earthSunDistance * earthSunDistance) /
                     (2 * sunDistance * earthDistance);
    return std::acos(std::clamp(c, -1.0, 1.0)) * 180 / kPi;
}

// The tilt of Saturn's rings towards the Earth: the Earth's latitude over Saturn's equator,
// whose north pole lies at right ascension 40.589 degrees, declination 83.537 (J2000).
double SaturnRingTilt(const Ecliptic& fromEarth) {
    const scene::Vec3 pole = RaDecToUnitVector(40.589 / 15, 83.537);
    const RaDecPosition p = EclipticToRaDec(fromEarth);
    const scene::Vec3 towardsSaturn = RaDecToUnitVector(p.raHours, p.decDegrees);
    return std::asin(std::clamp(-scene::Dot(towardsSaturn, pole), -1.0, 1.0));
}

}  // namespace

SkySolarSystem CollectSkyBodies(const Simulation& sim) {
    SkySolarSystem s;
    const Body* earth = sim.earth();
    if (earth) {
        s.earth = earth->heliocentric();
        s.earthPath = earth->orbitPath();
    }
    const auto& list = sim.bodies();
    const int count = std::min<int>(kSkyBodyCount, static_cast<int>(list.size()));
    for (int i = 0; i < count; ++i) {
        const Body* b = list[static_cast<std::size_t>(i)];
        SkyBody body;
        body.listPosition = i;
        body.name = b->name();
        body.kind = b->Kind();
        body.mapColour = b->colour(0) & 0xFFFFFF;
        body.heliocentric = b->heliocentric();
        body.isEarth = b == earth;
        s.bodies.push_back(body);
    }
    return s;
}

std::optional<double> ApparentMagnitude(const SkyBody& body, const Ecliptic& earth) {
    const Ecliptic fromEarth = body.heliocentric - earth;
    const double delta = fromEarth.length() / kKmPerAU;
    if (body.isEarth || delta <= 0) return std::nullopt;
    const double r = body.heliocentric.length() / kKmPerAU;
    const double sunEarth = earth.length() / kKmPerAU;
    if (body.kind == BodyKind::Sun) return -26.74 + 5 * std::log10(delta);
    if (r <= 0) return std::nullopt;
    const double i = PhaseAngle(r, delta, sunEarth);
    const double distance = 5 * std::log10(r * delta);
    if (body.kind == BodyKind::Moon && body.name == QLatin1String("Moon")) {
        const double meanDistance = fromEarth.length() / kMoonMeanDistance;
        return -12.73 + 0.026 * i + 4e-9 * std::pow(i, 4) + 5 * std::log10(meanDistance * r);
    }
    if (body.kind != BodyKind::Planet) return std::nullopt;
    const QString& n = body.name;
    if (n == QLatin1String("Mercury"))
        return -0.42 + distance + 0.0380 * i - 0.000273 * i * i + 0.000002 * i * i * i;
    if (n == QLatin1String("Venus"))
        return -4.40 + distance + 0.0009 * i + 0.000239 * i * i - 0.00000065 * i * i * i;
    if (n == QLatin1String("Mars")) return -1.52 + distance + 0.016 * i;
    if (n == QLatin1String("Jupiter")) return -9.40 + distance + 0.005 * i;
    if (n == QLatin1String("Saturn")) {
        // The phase angle stands in for the difference of the Sun's and the Earth's
        // longitudes seen from Saturn; both are a few degrees at most.
        const double b = std::abs(SaturnRingTilt(fromEarth));
        return -8.88 + distance + 0.044 * i - 2.60 * std::sin(b) + 1.25 * std::sin(b) * std::sin(b);
    }
    if (n == QLatin1String("Uranus")) return -7.19 + distance;
    if (n == QLatin1String("Neptune")) return -6.87 + distance;
    if (n == QLatin1String("Pluto")) return -1.00 + distance;
    return std::nullopt;
}

}  // namespace sky
