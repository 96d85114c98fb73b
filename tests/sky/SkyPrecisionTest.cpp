#include <erfa.h>
#include <erfam.h>

#include <cmath>

#include "core/Body.h"
#include "core/SettingsStore.h"
#include "core/Simulation.h"
#include "sky/SkyMath.h"
#include "sky/SkyProjection.h"
#include "support/TestSupport.h"

using namespace sky;

namespace {

constexpr double kPi = 3.14159265358979323846;
constexpr double kArcminute = 1.0 / 60;

double Dms(int d, int m, double s) {
    return d + m / 60.0 + s / 3600.0;
}

// Azimuth difference folded into 0..180.
double AzimuthError(double a, double b) {
    const double d = std::fmod(std::abs(a - b), 360.0);
    return d > 180 ? 360 - d : d;
}

// The distance between two directions on the sky given by altitude and almanac azimuth.
double Separation(double alt1, double az1, double alt2, double az2) {
    const double r = kPi / 180;
    const double c = std::sin(alt1 * r) * std::sin(alt2 * r) +
                     std::cos(alt1 * r) * std::cos(alt2 * r) * std::cos((az1 - az2) * r);
    return std::acos(std::clamp(c, -1.0, 1.0)) / r;
}

class PreciseSky : public ServicesTest {
  protected:
    MemorySettingsStore store;
    std::unique_ptr<Simulation> Build(SimTime t) {
        Services::instance().setDataDirectory(dir.path());
        store.set(settings::PreciseEphemeris, true);
        auto sim = std::make_unique<Simulation>(store, [t] { return t; });
        EXPECT_TRUE(sim->BuildSolarSystem());
        sim->SetClockSpeed(0);
        sim->SetSimTime(t);
        return sim;
    }
    static Ecliptic SunFromEarth(const Simulation& sim) {
        return sim.sun()->heliocentric() - sim.earth()->heliocentric();
    }
};

}  // namespace

TEST_F(PreciseSky, SunAgreesWithAPublishedAlmanac) {
    // The Sun's Greenwich hour angle and declination at 0h UT from the Bureau of Land
    // Management's ephemeris of the Sun for 1999 as published at cadastral.com/1999jan.htm:
    //   1999 Jan  1: GHA 179 12' 41.8", declination -23 03' 09.3"
    //   1999 Jan 15: GHA 177 43' 33.5", declination -21 14' 29.8"
    // The altitudes and azimuths below follow from them by the navigator's sight reduction
    // (sin h = sin phi sin d + cos phi cos d cos LHA), with no refraction:
    //   Auckland, 36.85 S 174.77 E, Jan 1:  altitude 75.2592, azimuth  22.2814
    //   Honolulu, 21.31 N 157.86 W, Jan 15: altitude 43.2351, azimuth 205.7692
    // The sky view leaves out the Sun's 20" of aberration and UT1 - UTC (0.7 s, 10"), both
    // well inside an arcminute.
    struct Almanac {
        SimTime t;
        double latitude, longitude, altitude, azimuth;
    };
    const Almanac almanac[] = {
        {MakeSimTime(1999, 1, 1, 0, 0, 0), -36.85, 174.77, 75.2592, 22.2814},
        {MakeSimTime(1999, 1, 15, 0, 0, 0), 21.31, -157.86, 43.2351, 205.7692},
    };
    // The almanac's own numbers reduce to those directions.
    EXPECT_NEAR(Dms(179, 12, 41.8) + 174.77 - 360, -6.0184, 1e-4);
    EXPECT_NEAR(-Dms(23, 3, 9.3), -23.0526, 1e-4);
    for (const Almanac& a : almanac) {
        auto sim = Build(a.t);
        const Horizontal h = ObserverHorizontal(SunFromEarth(*sim), a.t, a.latitude, a.longitude,
                                                EphemerisModel::Precise);
        const double bearing = CompassBearing(h.azimuth);
        EXPECT_NEAR(h.altitude, a.altitude, kArcminute) << a.latitude;
        EXPECT_LT(Separation(h.altitude, bearing, a.altitude, a.azimuth), kArcminute)
            << a.latitude << ": " << h.altitude << " " << bearing;
    }
}

TEST(PreciseSkyOrientation, StarsAreCarriedToTheDate) {
    // Catalogue stars at their J2000 places, seen from Manchester at 2026 December 20, 21:00
    // UT, against ERFA's full reduction (eraAtco13: precession, nutation, aberration, the
    // Earth's rotation; no refraction). What the sky view leaves out, annual aberration, is
    // at most 20.5".
    const SimTime t = MakeSimTime(2026, 12, 20, 21, 0, 0);
    const double latitude = 53.48, longitude = -2.25;
    struct Star {
        const char* name;
        double raHours, decDegrees;
    };
    const Star stars[] = {{"Polaris", 2.530301, 89.264109},
                          {"Betelgeuse", 5.919529, 7.407064},
                          {"Vega", 18.615649, 38.783689},
                          {"Sirius", 6.752481, -16.716116}};
    const SkyOrientation ofDate = OrientationAt(t, longitude, EphemerisModel::Precise);
    const ViewBasis basis = BuildViewBasis(ofDate, latitude, 0, 0);
    const SkyOrientation mean = OrientationAt(t, longitude, EphemerisModel::Elements);
    const ViewBasis meanBasis = BuildViewBasis(mean, latitude, 0, 0);
    double u1, u2;
    ASSERT_GE(eraDtf2d("UTC", 2026, 12, 20, 21, 0, 0, &u1, &u2), 0);
    for (const Star& s : stars) {
        double aob, zob, hob, dob, rob, eo;
        ASSERT_GE(eraAtco13(s.raHours * 15 * ERFA_DD2R, s.decDegrees * ERFA_DD2R, 0, 0, 0, 0, u1,
                            u2, 0, longitude * ERFA_DD2R, latitude * ERFA_DD2R, 0, 0, 0, 0, 0, 0,
                            0.55, &aob, &zob, &hob, &dob, &rob, &eo),
                  0);
        const double altitude = 90 - zob * ERFA_DR2D, azimuth = aob * ERFA_DR2D;
        const Horizontal h = basis.HorizontalOf(RaDecToUnitVector(s.raHours, s.decDegrees));
        EXPECT_LT(Separation(h.altitude, CompassBearing(h.azimuth), altitude, azimuth), 25.0 / 3600)
            << s.name;
        // Without the turn to the date the same star stands a fifth of a degree or more off.
        const Horizontal m = meanBasis.HorizontalOf(RaDecToUnitVector(s.raHours, s.decDegrees));
        EXPECT_GT(Separation(m.altitude, CompassBearing(m.azimuth), altitude, azimuth), 0.1)
            << s.name;
    }
    // The view's axes stay orthonormal after the turn.
    EXPECT_NEAR(scene::Dot(basis.forward, basis.up), 0, 1e-12);
    EXPECT_NEAR(scene::Length(basis.right), 1, 1e-12);
    // The apparent sidereal time and the simple formula's mean one differ by seconds only.
    EXPECT_NEAR(AzimuthError(ofDate.lstHours * 15, mean.lstHours * 15), 0, 0.05);
}
