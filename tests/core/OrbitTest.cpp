#include <cmath>

#include "core/Angles.h"
#include "core/ElementTable.h"
#include "core/Kepler.h"
#include "support/TestSupport.h"

TEST(Kepler, EarthWorkedExample) {
    const OrbitalElements& earth = ElementTable::Planets()[ElementTable::kEarth];
    const SimTime epoch = MakeSimTime(1997, 8, 20, 0, 0, 0);
    const Ecliptic p = KeplerPosition(epoch, epoch, earth);
    EXPECT_NEAR(p.x, 0.8491627, 2e-7);
    EXPECT_NEAR(p.y, -0.5502426, 2e-7);
    EXPECT_NEAR(p.z, -0.0000027, 2e-7);
    EXPECT_NEAR(p.length(), 1.0118519, 2e-7);
    EXPECT_NEAR(p.x * 149600000.0, 127034747, 50);
    EXPECT_NEAR(p.y * 149600000.0, -82316300, 50);
}

TEST(Kepler, CircularOrbitHasNoEquationOfCentre) {
    OrbitalElements e;
    e.semiMajorAxis = 1000;
    e.dailyMotion = 90;
    e.meanLongitude = 30;
    const Ecliptic start = KeplerPosition(0, 0, e);
    EXPECT_NEAR(start.x, 1000 * CosDeg(30), 1e-9);
    EXPECT_NEAR(start.y, 1000 * SinDeg(30), 1e-9);
    EXPECT_NEAR(KeplerPosition(86400 * 1.5, 0, e).length(), 1000, 1e-9);
    const Ecliptic later = KeplerPosition(86400, 0, e);  // a quarter turn on
    EXPECT_NEAR(later.x, 1000 * CosDeg(120), 1e-9);
    EXPECT_NEAR(later.y, 1000 * SinDeg(120), 1e-9);
}

TEST(Kepler, LunarWorkedExample) {
    const SimTime t = MakeSimTime(2000, 1, 1, 0, 0, 0);
    const LunarCoordinates c = LunarEclipticCoordinates(t);
    EXPECT_NEAR(c.longitudeDeg + 360, 217.319, 0.001);
    EXPECT_NEAR(c.latitudeDeg, 5.237, 0.001);
    EXPECT_NEAR(c.distanceEarthRadii, 62.814, 0.001);
    const Ecliptic p = LunarPosition(t);
    EXPECT_NEAR(p.x, -317283, 5);
    EXPECT_NEAR(p.y, -241875, 5);
    EXPECT_NEAR(p.z, 36570, 5);
}

TEST(ElementTable, GroupsAndParents) {
    EXPECT_EQ(ElementTable::MoonParent(0), 3);    // Phobos: Mars
    EXPECT_EQ(ElementTable::MoonParent(2), 4);    // Jupiter's first
    EXPECT_EQ(ElementTable::MoonParent(59), 8);   // Charon: Pluto
    EXPECT_EQ(ElementTable::MoonParent(60), -1);  // the trailing record
    EXPECT_EQ(ElementTable::Moons()[60].semiMajorAxis, 0);
    // Every moon of a planet shares n^2 a^3 (the planet's mass) to within 4 %.
    for (int planet = 3; planet < 9; ++planet) {
        double first = 0;
        for (int i = 0; i < 60; ++i) {
            if (ElementTable::MoonParent(i) != planet) continue;
            const auto& m = ElementTable::Moons()[static_cast<std::size_t>(i)];
            const double gm = m.dailyMotion * m.dailyMotion * std::pow(m.semiMajorAxis, 3);
            if (first == 0) first = gm;
            EXPECT_NEAR(gm / first, 1.0, 0.04) << "moon record " << i + 1;
        }
    }
}
