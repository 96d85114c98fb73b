#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

#include "maps/GalileanPositions.h"

namespace {

const GalileanMoon kMoons[] = {GalileanMoon::Io, GalileanMoon::Europa, GalileanMoon::Ganymede,
                               GalileanMoon::Callisto};

}  // namespace

TEST(GalileanPositions, JulianDatesOfKnownInstants) {
    EXPECT_DOUBLE_EQ(JulianDate(2000, 1, 1, 0.5), 2451545.0);  // J2000
    EXPECT_DOUBLE_EQ(JulianDate(1992, 12, 16, 0.0), 2448972.5);
    EXPECT_DOUBLE_EQ(JulianDate(1900, 1, 0, 0.5), 2415020.0);  // the theory's epoch
    EXPECT_NEAR(JulianDate(1957, 10, 4, 0.81), 2436116.31, 1e-9);
    // January and February count as months 13 and 14 of the year before.
    EXPECT_DOUBLE_EQ(JulianDate(2024, 2, 29, 0.75), 2460370.25);
    EXPECT_DOUBLE_EQ(JulianDate(2024, 3, 1, 0.0), 2460370.5);
    // No Gregorian correction before 1586.
    EXPECT_DOUBLE_EQ(JulianDate(333, 1, 27, 0.5), 1842713.0);

    // From simulated time, through its calendar.
    EXPECT_DOUBLE_EQ(JulianDate(SimTime(0)), 2444239.5);
    EXPECT_DOUBLE_EQ(JulianDate(MakeSimTime(2026, 12, 8, 22, 0, 0)),
                     JulianDate(2026, 12, 8, 22.0 / 24.0));
    EXPECT_DOUBLE_EQ(JulianDate(MakeSimTime(2000, 1, 1, 12, 0, 0)), 2451545.0);
}

// The worked example of the lower-accuracy method in J. Meeus, Astronomical Algorithms
// (Willmann-Bell, 1991), chapter 44: 1992 December 16 at 0h UT. The book gives X in units
// of Jupiter's equatorial radius, positive to the WEST:
//   X(Io) = -3.44, X(Europa) = +7.44, X(Ganymede) = +1.24, X(Callisto) = +7.08,
// and the small north-south offsets Y = +0.21, +0.25, +0.65, +1.10 (positive north), which
// with the Earth about 2.5 degrees south of Jupiter's equator at that date mean that all
// four were on the near side of the planet.
//
// Our X is in km and positive to the EAST, so the book's values change sign; our Y is the
// distance along the line of sight, positive on the FAR side, so all four must be negative.
// The short theory leaves out the satellites' mutual perturbations, periodic terms of up to
// about 1.1 degrees in orbital longitude (Europa's is the largest), so each moon may sit up
// to 1.5 degrees of its orbit from the book's place.
TEST(GalileanPositions, AgreeWithThePublishedConfigurationOf1992December16) {
    const double bookX[] = {-3.44, +7.44, +1.24, +7.08};
    const GalileanConfiguration p = GalileanPositions(MakeSimTime(1992, 12, 16, 0, 0, 0));
    const double tolerance = std::sin(1.5 * std::numbers::pi / 180.0);
    for (GalileanMoon m : kMoons) {
        const auto i = static_cast<std::size_t>(m);
        const double expectedKm = -bookX[i] * kJupiterRadiusKm;
        EXPECT_NEAR(p[i].x, expectedKm, tolerance * MoonData(m).semiMajorAxisKm)
            << MoonData(m).name;
        EXPECT_LT(p[i].y, 0) << MoonData(m).name << " should be in front of Jupiter";
    }
    // The order the observer sees, east to west (our X falling): Europa's and Callisto's
    // pair far west and Ganymede just west of the planet, Io on the east side.
    EXPECT_GT(p[0].x, 0);
    EXPECT_LT(p[2].x, 0);
    EXPECT_GT(p[2].x, p[3].x);
    EXPECT_GT(p[2].x, p[1].x);
}

TEST(GalileanPositions, MoonsKeepToTheirOrbitsAndGoRoundTheRightWay) {
    const SimTime start = MakeSimTime(2026, 12, 8, 22, 0, 0);
    for (int hour = 0; hour < 24 * 20; hour += 7) {
        const GalileanConfiguration now = GalileanPositions(start + hour * 3600.0);
        const GalileanConfiguration later = GalileanPositions(start + hour * 3600.0 + 600);
        for (GalileanMoon m : kMoons) {
            const auto i = static_cast<std::size_t>(m);
            const double a = MoonData(m).semiMajorAxisKm;
            const double r = std::hypot(now[i].x, now[i].y);
            EXPECT_NEAR(r, a, a * MoonData(m).eccentricity + 1) << MoonData(m).name;
            // Prograde: on the near side a moon moves west (X falls), on the far side east.
            if (std::fabs(now[i].y) > 0.5 * r) {
                EXPECT_EQ(later[i].x < now[i].x, now[i].y < 0) << MoonData(m).name << hour;
            }
        }
    }
}
