#include "maps/GalileanPositions.h"

#include <cmath>
#include <numbers>

namespace {

constexpr double kDegree = std::numbers::pi / 180.0;
// The theory's epoch: 1900 January 0.5 (Julian date 2,415,020).
constexpr double kEpochJulianDate = 2415020.0;
// Days between the theory's epoch and J2000, whose form of the tilt terms is used below.
constexpr double kDaysEpochToJ2000 = 36525.0;

double SinD(double degrees) {
    return std::sin(degrees * kDegree);
}
double CosD(double degrees) {
    return std::cos(degrees * kDegree);
}
double Wrap360(double degrees) {
    const double w = std::fmod(degrees, 360.0);
    return w < 0 ? w + 360.0 : w;
}

struct MeanMotion {
    double at0;     // degrees at the epoch
    double perDay;  // degrees per day
};
constexpr std::array<MeanMotion, kGalileanMoonCount> kMeanMotions{{
    {84.5506, 203.405862},
    {41.5015, 101.2916323},
    {109.977, 50.2345169},
    {176.3586, 21.4879802},
}};

}  // namespace

double JulianDate(int year, int month, int day, double dayFraction) {
    if (month <= 2) {
        year -= 1;
        month += 12;
    }
    double gregorian = 0;
    if (year > 1585) {
        const int century = year / 100;
        gregorian = 2 - century + century / 4;
    }
    return std::floor(365.25 * (year + 4716)) + std::floor(30.6001 * (month + 1)) + day +
           dayFraction + gregorian - 1524.5;
}

double JulianDate(SimTime t) {
    const SplitTime s = SplitSimTime(t);
    const double fraction = (s.hour * 3600.0 + s.minute * 60.0 + s.seconds) / kSecondsPerDay;
    return JulianDate(s.year, s.month, s.day, fraction);
}

GalileanState GalileanTheory(double julianDate) {
    const double d = julianDate - kEpochJulianDate;
    const double m = 358.476 + 0.9856003 * d;  // the Earth's mean anomaly
    const double n = 225.328 + 0.0830853 * d;  // Jupiter's mean anomaly
    const double j = 221.647 + 0.9025179 * d;
    const double a = 1.92 * SinD(m) + 0.02 * SinD(2 * m);
    const double b = 5.55 * SinD(n) + 0.17 * SinD(2 * n);
    const double k = j + a - b;

    GalileanState s;
    s.earthDistanceAu = std::sqrt(28.07 - 10.406 * CosD(k));
    s.psi = std::asin(SinD(k) / s.earthDistanceAu) / kDegree;
    s.b = b;
    s.n = n;
    // Light time: the moons are seen where they were Δ/173 days earlier.
    const double t = d - s.earthDistanceAu / 173.0;
    const double f = s.psi - b;
    for (std::size_t i = 0; i < kMeanMotions.size(); ++i) {
        const double u = Wrap360(kMeanMotions[i].at0 + kMeanMotions[i].perDay * t + f);
        s.theta[i] = u + 180.0;
    }
    return s;
}

double OrbitRadiusKm(GalileanMoon m, double thetaDegrees) {
    const GalileanMoonData& data = MoonData(m);
    const double e = data.eccentricity;
    return (1 - e * e) * data.semiMajorAxisKm / (1 + e * CosD(thetaDegrees));
}

GalileanConfiguration GalileanPositionsAtJulianDate(double julianDate) {
    const GalileanState s = GalileanTheory(julianDate);
    GalileanConfiguration out;
    for (int i = 0; i < kGalileanMoonCount; ++i) {
        const double theta = s.theta[std::size_t(i)];
        const double r = std::trunc(OrbitRadiusKm(static_cast<GalileanMoon>(i), theta));
        // Seen edge-on: the line of sight lies in the orbital plane (a tilt of 90 degrees).
        out[std::size_t(i)] = {r * SinD(theta), r * CosD(theta)};
    }
    return out;
}

GalileanConfiguration GalileanPositions(SimTime t) {
    return GalileanPositionsAtJulianDate(JulianDate(t));
}

double EarthJovicentricDeclination(double julianDate) {
    const GalileanState s = GalileanTheory(julianDate);
    const double d = julianDate - kEpochJulianDate - kDaysEpochToJ2000;
    const double v = 172.74 + 0.00111588 * d;
    // Jupiter's distance from the Sun in AU and its heliocentric longitude.
    const double r = 5.20872 - 0.25208 * CosD(s.n) - 0.00611 * CosD(2 * s.n);
    const double lambda = 34.35 + 0.083091 * d + 0.329 * SinD(v) + s.b;
    const double sunDeclination = 3.12 * SinD(lambda + 42.8);
    const double delta = s.earthDistanceAu;
    return sunDeclination - 2.22 * SinD(s.psi) * CosD(lambda + 22) -
           1.30 * (r - delta) / delta * SinD(lambda - 100.5);
}
