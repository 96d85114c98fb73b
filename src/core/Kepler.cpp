#include "core/Kepler.h"

#include <cmath>

#include "core/Angles.h"

Ecliptic KeplerPosition(SimTime t, SimTime epoch, const OrbitalElements& el) {
    const double d = (t - epoch) / 86400.0;
    const double e = el.eccentricity;
    const double M = Normalise360(el.dailyMotion * d + el.meanLongitude - el.perihelion);
    const double m = DegToRad(M);
    const double C =
        RadToDeg((2 * e - e * e * e / 4) * std::sin(m) + 1.25 * e * e * std::sin(2 * m) +
                 (13.0 / 12.0) * e * e * e * std::sin(3 * m));
    const double nu = Normalise360(C + M);
    const double r = el.semiMajorAxis * (1 - e * e) / (1 + e * CosDeg(nu));
    const double u = nu + el.perihelion - el.ascendingNode;
    const double cO = CosDeg(el.ascendingNode), sO = SinDeg(el.ascendingNode);
    const double cu = CosDeg(u), su = SinDeg(u);
    const double ci = CosDeg(el.inclination), si = SinDeg(el.inclination);
    return {r * (cO * cu - sO * su * ci), r * (sO * cu + cO * su * ci), r * su * si};
}

namespace {
// The Earth radius the lunar theory's distances are given in.
constexpr double kEarthRadiusKm = 6378.15;

double Rad(double degrees) {
    return DegToRad(Normalise360(degrees));
}
}  // namespace

LunarCoordinates LunarEclipticCoordinates(SimTime t) {
    const double d = DaysSinceJ2000(t) + 1.5;
    const double N = Rad(125.1228 - 0.0529538083 * d);
    const double w = Rad(318.0634 + 0.1643573223 * d);
    const double M = Rad(115.3654 + 13.0649929509 * d);
    const double ws = Rad(282.9404 + 0.0000470935 * d);
    const double Ms = Rad(356.047 + 0.9856002585 * d);
    constexpr double inc = 0.089804171, e = 0.0549, a = 60.2666;

    const double E = M + e * std::sin(M) * (1 + e * std::cos(M));
    const double xv = a * (std::cos(E) - e);
    const double yv = a * std::sqrt(0.99698599) * std::sin(E);
    const double v = std::atan2(yv, xv);
    double r = std::sqrt(xv * xv + yv * yv);

    const double xh =
        r * (std::cos(N) * std::cos(v + w) - std::sin(N) * std::sin(v + w) * std::cos(inc));
    const double yh =
        r * (std::sin(N) * std::cos(v + w) + std::cos(N) * std::sin(v + w) * std::cos(inc));
    const double zh = r * std::sin(v + w) * std::sin(inc);
    double lon = std::atan2(yh, xh);
    double lat = std::atan2(zh, std::sqrt(xh * xh + yh * yh));

    const double Lm = M + w + N, Ls = Ms + ws;
    const double D = Lm - Ls, F = Lm - N;
    using std::sin;
    lon +=
        DegToRad(-1.274 * sin(M - 2 * D) + 0.658 * sin(2 * D) - 0.186 * sin(Ms) -
                 0.059 * sin(2 * M - 2 * D) - 0.057 * sin(M - 2 * D + Ms) + 0.053 * sin(M + 2 * D) +
                 0.046 * sin(2 * D - Ms) + 0.041 * sin(M - Ms) - 0.035 * sin(D) -
                 0.031 * sin(M + Ms) - 0.015 * sin(2 * F - 2 * D) + 0.011 * sin(M - 4 * D));
    lat += DegToRad(-0.173 * sin(F - 2 * D) - 0.055 * sin(M - F - 2 * D) -
                    0.046 * sin(M + F - 2 * D) + 0.033 * sin(F + 2 * D) + 0.017 * sin(2 * M + F));
    r -= 0.58 * std::cos(M - 2 * D) + 0.46 * std::cos(2 * D);
    return {RadToDeg(lon), RadToDeg(lat), r};
}

Ecliptic LunarPosition(SimTime t) {
    const LunarCoordinates c = LunarEclipticCoordinates(t);
    const double lon = DegToRad(c.longitudeDeg), lat = DegToRad(c.latitudeDeg);
    const double r = c.distanceEarthRadii * kEarthRadiusKm;
    return {r * std::cos(lat) * std::cos(lon), r * std::cos(lat) * std::sin(lon),
            r * std::sin(lat)};
}
