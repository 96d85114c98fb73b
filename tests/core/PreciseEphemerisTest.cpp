#include <erfa.h>

#include <cmath>

#include "core/Body.h"
#include "core/PreciseEphemeris.h"
#include "core/SettingsStore.h"
#include "core/Simulation.h"
#include "support/ExpectVec.h"
#include "support/TestSupport.h"

namespace {

constexpr double kPi = 3.14159265358979323846;

double Degrees(double radians) {
    return radians * 180 / kPi;
}

// Ecliptic longitude in degrees, 0..360.
double Longitude(const Ecliptic& v) {
    const double l = Degrees(std::atan2(v.y, v.x));
    return l < 0 ? l + 360 : l;
}

double Latitude(const Ecliptic& v) {
    return Degrees(std::asin(v.z / v.length()));
}

// Seconds from ERFA's own UTC to TAI to TT for a UTC calendar date to ours.
double TerrestrialTimeError(int y, int mo, int d, int h, int mi, double s) {
    double u1, u2, a1, a2, t1, t2;
    EXPECT_GE(eraDtf2d("UTC", y, mo, d, h, mi, s, &u1, &u2), 0);
    EXPECT_GE(eraUtctai(u1, u2, &a1, &a2), 0);
    EXPECT_EQ(eraTaitt(a1, a2, &t1, &t2), 0);
    const JulianDate ours = PreciseEphemeris::Terrestrial(MakeSimTime(y, mo, d, h, mi, s));
    return ((ours.day - t1) + (ours.fraction - t2)) * 86400.0;
}

class PreciseSolarSystem : public ServicesTest {
  protected:
    MemorySettingsStore store;
    SimTime t = MakeSimTime(2026, 12, 8, 0, 0, 0);

    std::unique_ptr<Simulation> Build() {
        Services::instance().setDataDirectory(dir.path());
        auto sim = std::make_unique<Simulation>(store, [this] { return t; });
        EXPECT_TRUE(sim->BuildSolarSystem());
        sim->SetClockSpeed(0);
        sim->SetSimTime(t);
        return sim;
    }
    static Ecliptic At(const Simulation& sim, const char* name) {
        return sim.FindBody(QString::fromLatin1(name))->heliocentric();
    }
};

}  // namespace

TEST(PreciseTime, TerrestrialTimeFollowsTheLeapSeconds) {
    // The same instant as ERFA's own UTC to TAI to TT gives, across the leap second at the end of
    // 2016 and at dates of the past and the future.
    struct Instant {
        int y, mo, d, h, mi, s;
    };
    for (const Instant& i : {Instant{2016, 12, 31, 23, 59, 59}, Instant{2017, 1, 1, 0, 0, 0},
                             Instant{2000, 1, 1, 12, 0, 0}, Instant{1972, 7, 1, 0, 0, 0},
                             Instant{1985, 6, 30, 12, 0, 0}, Instant{2026, 12, 8, 0, 0, 0}}) {
        EXPECT_NEAR(TerrestrialTimeError(i.y, i.mo, i.d, i.h, i.mi, i.s), 0, 1e-4)
            << i.y << "-" << i.mo << "-" << i.d;
    }
    EXPECT_DOUBLE_EQ(PreciseEphemeris::TerrestrialMinusUniversal(MakeSimTime(2026, 12, 8, 0, 0, 0)),
                     69.184);
    // Before leap seconds the measured TT - UT: about 24 s around 1930, and it keeps rising
    // into the first UTC of 1960 without a step larger than a second.
    EXPECT_NEAR(PreciseEphemeris::TerrestrialMinusUniversal(MakeSimTime(1930, 1, 1, 0, 0, 0)), 24,
                1);
    EXPECT_NEAR(PreciseEphemeris::TerrestrialMinusUniversal(MakeSimTime(1959, 12, 31, 0, 0, 0)),
                PreciseEphemeris::TerrestrialMinusUniversal(MakeSimTime(1960, 1, 1, 0, 0, 0)), 1);
    // The Julian date of the simulated clock's zero, and J2000's noon.
    EXPECT_DOUBLE_EQ(PreciseEphemeris::Universal(0).value(), 2444239.5);
    EXPECT_DOUBLE_EQ(PreciseEphemeris::Universal(MakeSimTime(2000, 1, 1, 12, 0, 0)).value(),
                     2451545.0);
}

TEST(PreciseTheories, FrameAndAxesMatchTheSky) {
    // The December solstice of 2026 fell at 20:50 UT on the 21st: the Sun at longitude 270
    // of the date, the Earth at 90. On the J2000 ecliptic that is 90 less the precession
    // since 2000 (50.29" a year for 26.97 years); aberration and nutation stay under 0.01.
    const SimTime solstice = MakeSimTime(2026, 12, 21, 20, 50, 0);
    const Ecliptic earth = PreciseEphemeris::Planet(2, solstice);
    EXPECT_NEAR(Longitude(earth), 90 - 50.29 * 26.97 / 3600, 0.02);
    EXPECT_NEAR(earth.length() / PreciseEphemeris::kKmPerAU, 0.9837, 0.0005);
    // In the ecliptic: the Earth within the J2000 ecliptic's drift (about 13" by now), the
    // planets within their inclinations, the Moon within 5.3 degrees and its distance
    // between perigee and apogee.
    EXPECT_LT(std::abs(earth.z), 15000.0);
    const double inclination[] = {7.0, 3.4, 0.1, 1.85, 1.3, 2.5, 0.8, 1.8};
    for (SimTime t :
         {MakeSimTime(1950, 3, 1, 0, 0, 0), solstice, MakeSimTime(2090, 7, 4, 6, 0, 0)}) {
        for (int p = 0; p < PreciseEphemeris::kPlanetCount; ++p)
            EXPECT_LT(std::abs(Latitude(PreciseEphemeris::Planet(p, t))),
                      inclination[static_cast<std::size_t>(p)] + 0.05)
                << p;
        const Ecliptic moon = PreciseEphemeris::Moon(t);
        EXPECT_LT(std::abs(Latitude(moon)), 5.35);
        EXPECT_GT(moon.length(), 356000);
        EXPECT_LT(moon.length(), 407000);
    }
    // Pluto has no theory here.
    EXPECT_FALSE(PreciseEphemeris::HasTheory(8));
    EXPECT_EQ(PreciseEphemeris::Planet(8, solstice), Ecliptic{});
}

TEST(PreciseTheories, MoonAgreesWithAWorkedExample) {
    // The worked example of the Moon's position in the usual textbook (Meeus, Astronomical
    // Algorithms, example 47.a): 1992 April 12, 0h TT, geometric longitude 133.162655 and
    // latitude -3.229126 on the ecliptic of the date, 368409.7 km. TT - UTC was 58.184 s.
    // Precession since then adds 388" (7.72 years) to the J2000 longitude.
    const SimTime t = MakeSimTime(1992, 4, 12, 0, 0, 0) - 58.184;
    const Ecliptic moon = PreciseEphemeris::Moon(t);
    EXPECT_NEAR(Longitude(moon), 133.162655 + 50.29 * 7.72 / 3600, 0.01);
    EXPECT_NEAR(Latitude(moon), -3.229126, 0.01);
    EXPECT_NEAR(moon.length(), 368409.7, 20);
}

TEST_F(PreciseSolarSystem, SwitchingModelsMovesEveryBodyOnceAtTheNextStep) {
    auto sim = Build();
    const Ecliptic earthByElements = At(*sim, "Earth"), plutoByElements = At(*sim, "Pluto");
    const Ecliptic ioOffset = At(*sim, "Io") - At(*sim, "Jupiter");
    const std::vector<Ecliptic> elementsPath = sim->earth()->orbitPath();
    EXPECT_EQ(sim->ephemerisModel(), EphemerisModel::Elements);

    // Nothing moves until the update step.
    sim->SetEphemerisModel(EphemerisModel::Precise);
    EXPECT_EQ(At(*sim, "Earth"), earthByElements);
    sim->UpdateSimulation();
    EXPECT_EQ(sim->ephemerisModel(), EphemerisModel::Precise);
    ExpectVec(At(*sim, "Earth"), PreciseEphemeris::Planet(2, t), 1e-3);
    ExpectVec(At(*sim, "Saturn"), PreciseEphemeris::Planet(5, t), 1e-3);
    ExpectVec(At(*sim, "Moon") - At(*sim, "Earth"), PreciseEphemeris::Moon(t), 1e-3);
    // The elements model had the Earth hundreds of thousands of km away.
    EXPECT_GT((At(*sim, "Earth") - earthByElements).length(), 100000);
    // Pluto keeps its elements; the moons of other planets ride along with their parents.
    ExpectVec(At(*sim, "Pluto"), plutoByElements, 1e-3);
    ExpectVec(At(*sim, "Io") - At(*sim, "Jupiter"), ioOffset, 1e-3);
    // The orbit path is redrawn by the new theory.
    ExpectVec(sim->earth()->orbitPath()[0], PreciseEphemeris::Planet(2, t), 1e-3);

    // 50 s on, inside the window the elements model had opened: the precise place, not a
    // stale interpolation that would jump again when the window closed.
    sim->SetSimTime(t + 50);
    ExpectVec(At(*sim, "Earth"), PreciseEphemeris::Planet(2, t + 50), 1.0);
    ExpectVec(At(*sim, "Moon") - At(*sim, "Earth"), PreciseEphemeris::Moon(t + 50), 1.0);

    // And back: the elements' positions and path again, at once.
    sim->SetEphemerisModel(EphemerisModel::Elements);
    sim->SetSimTime(t);
    ExpectVec(At(*sim, "Earth"), earthByElements, 1e-3);
    ASSERT_EQ(sim->earth()->orbitPath().size(), elementsPath.size());
    ExpectVec(sim->earth()->orbitPath()[90], elementsPath[90], 1e-3);
}

TEST_F(PreciseSolarSystem, TheSettingChoosesTheModelAtStart) {
    store.set(settings::PreciseEphemeris, true);
    auto sim = Build();
    EXPECT_EQ(sim->ephemerisModel(), EphemerisModel::Precise);
    ExpectVec(At(*sim, "Mars"), PreciseEphemeris::Planet(3, t), 1e-3);
    // A rebuilt solar system starts again in the chosen model.
    sim->DestroySolarSystem();
    ASSERT_TRUE(sim->BuildSolarSystem());
    EXPECT_EQ(sim->ephemerisModel(), EphemerisModel::Precise);
    ExpectVec(At(*sim, "Mars"), PreciseEphemeris::Planet(3, t), 1e-3);
}
