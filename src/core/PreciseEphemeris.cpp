#include "core/PreciseEphemeris.h"

#include <erfa.h>
#include <erfam.h>

#include <algorithm>
#include <cmath>
#include <iterator>

namespace {

// 1980-01-01 00:00 UTC, where simulated time counts from.
constexpr double kJulianDateAtZero = 2444239.5;
constexpr double kTerrestrialMinusAtomic = 32.184;

// TT - UT before leap seconds began, by decade from 1900 (the long-term record of the
// Earth's rotation); linear between the entries.
constexpr double kFirstDecade = 1900;
constexpr double kEarlyDeltaT[] = {-2.79, 10.46, 21.16, 24.02, 24.33, 29.15, 33.15};

double EarlyDeltaT(double year) {
    const double at = std::clamp((year - kFirstDecade) / 10.0, 0.0,
                                 static_cast<double>(std::size(kEarlyDeltaT) - 1));
    const auto i = static_cast<std::size_t>(std::min(at, std::size(kEarlyDeltaT) - 2.0));
    const double f = at - static_cast<double>(i);
    return kEarlyDeltaT[i] + (kEarlyDeltaT[i + 1] - kEarlyDeltaT[i]) * f;
}

JulianDate Plus(JulianDate d, double seconds) {
    d.fraction += seconds / kSecondsPerDay;
    return d;
}

}  // namespace

JulianDate PreciseEphemeris::Universal(SimTime t) {
    const double days = std::floor(t / kSecondsPerDay);
    return {kJulianDateAtZero + days, (t - days * kSecondsPerDay) / kSecondsPerDay};
}

double PreciseEphemeris::TerrestrialMinusUniversal(SimTime t) {
    const SplitTime s = SplitSimTime(t);
    const double dayFraction = (s.hour * 3600.0 + s.minute * 60.0 + s.seconds) / kSecondsPerDay;
    double leapSeconds = 0;
    // Before 1960 ERFA has no UTC to offer; after its table ends it keeps the last value,
    // which is all anyone can say of leap seconds not yet announced.
    if (s.year < 1960 || eraDat(s.year, s.month, s.day, dayFraction, &leapSeconds) < 0)
        return EarlyDeltaT(s.year + (s.month - 1) / 12.0);
    return leapSeconds + kTerrestrialMinusAtomic;
}

JulianDate PreciseEphemeris::Terrestrial(SimTime t) {
    return Plus(Universal(t), TerrestrialMinusUniversal(t));
}

Ecliptic PreciseEphemeris::FromEquatorial(const double p[3], double scale) {
    static const double c = std::cos(kObliquityArcsec * ERFA_DAS2R);
    static const double s = std::sin(kObliquityArcsec * ERFA_DAS2R);
    return Ecliptic{p[0], c * p[1] + s * p[2], -s * p[1] + c * p[2]} * scale;
}

namespace {
// ERFA's position and velocity (AU, AU a day) as km and km/s.
Motion FromErfa(const double pv[2][3]) {
    return {PreciseEphemeris::FromEquatorial(pv[0], PreciseEphemeris::kKmPerAU),
            PreciseEphemeris::FromEquatorial(pv[1], PreciseEphemeris::kKmPerAU / kSecondsPerDay)};
}
}  // namespace

Motion PreciseEphemeris::PlanetMotion(int planet, SimTime t) {
    if (!HasTheory(planet)) return {};
    const JulianDate tt = Terrestrial(t);
    double pv[2][3];
    if (planet == 2) {
        // eraPlan94's third body is the Earth-Moon barycentre; the Earth has its own series.
        double barycentric[2][3];
        eraEpv00(tt.day, tt.fraction, pv, barycentric);
    } else {
        // Outside 1000-3000 the theory degrades but still answers; the program's calendar
        // never leaves 1901-2099.
        eraPlan94(tt.day, tt.fraction, planet + 1, pv);
    }
    return FromErfa(pv);
}

Motion PreciseEphemeris::MoonMotion(SimTime t) {
    const JulianDate tt = Terrestrial(t);
    double pv[2][3];
    eraMoon98(tt.day, tt.fraction, pv);
    return FromErfa(pv);
}

Rotation3 PreciseEphemeris::PrecessionNutation(SimTime t) {
    const JulianDate tt = Terrestrial(t);
    double m[3][3];
    eraPnm06a(tt.day, tt.fraction, m);
    Rotation3 r;
    for (int i = 0; i < 3; ++i)
        for (int j = 0; j < 3; ++j) r[i][j] = m[i][j];
    return r;
}

double PreciseEphemeris::ApparentSiderealTime(SimTime t) {
    const JulianDate ut = Universal(t), tt = Terrestrial(t);
    return eraGst06a(ut.day, ut.fraction, tt.day, tt.fraction);
}
