#include <cmath>

#include "core/Angles.h"
#include "core/Atmosphere.h"
#include "core/ElementTable.h"
#include "core/Luna.h"
#include "core/Moon.h"
#include "core/PlanetEarth.h"
#include "core/Planetoid.h"
#include "core/SettingsStore.h"
#include "core/Simulation.h"
#include "support/ExpectVec.h"
#include "support/TestSupport.h"

namespace {

class BodyTest : public ServicesTest {
  protected:
    MemorySettingsStore store;
    SimTime wall = MakeSimTime(2026, 12, 8, 0, 0, 0);
    Simulation sim{store, [this] { return wall; }};

    BodyScene world() { return sim.bodyScene(); }
    std::unique_ptr<Planetoid> MakePlanet(const QString& name, OrbitalElements e,
                                          Body* sun = nullptr) {
        return CreateBody<Planetoid>(wall, world(), name, 0x112233u, 1000.0, 900.0, e,
                                     sim.epochs().at(e.epochIndex), sun);
    }
    template <typename T>
    std::unique_ptr<T> MakeMoon(const QString& name, const OrbitalElements& e, Body* parent,
                                double r = 10) {
        return CreateBody<T>(wall, world(), name, 0u, r, r, r, e, sim.epochs().at(e.epochIndex),
                             parent);
    }
};

}  // namespace

TEST_F(BodyTest, PlanetConstructionAndEarthPlacement) {
    const OrbitalElements& elements = ElementTable::Planets()[ElementTable::kEarth];
    auto earth = MakePlanet(QStringLiteral("Earth"), elements);
    EXPECT_EQ(earth->frame()->name(), QStringLiteral("Frame:  Earth"));
    EXPECT_EQ(earth->frame()->parent(), sim.scene().root().get());
    EXPECT_EQ(earth->colour(0), 0xFF112233u);
    EXPECT_EQ(earth->largestRadius(), 1000.0);
    EXPECT_EQ(earth->radii()[1], 900.0f);
    EXPECT_EQ(earth->Kind(), BodyKind::Planet);
    EXPECT_EQ(earth->orbitPath().size(), 360u);
    EXPECT_NEAR(earth->rotationPeriod(), 360.0 / 360.9854904 * 86400, 1e-6);
    EXPECT_NEAR(earth->OrbitalPeriodDays(), 365.26, 0.01);
    // The orbit path starts at the wall clock.
    ExpectVec(earth->orbitPath()[0], earth->CalculatePosition(wall), 1e-3);

    const SimTime epoch = MakeSimTime(1997, 8, 20, 0, 0, 0);
    earth->Update(epoch);
    ExpectVec(earth->positionKm(), {127034747, -408, -82316300}, 60);
    // The frame sits at the position in scene units (the camera is at the origin).
    const scene::Vec3 framePos = earth->frame()->position(sim.scene().root().get());
    ExpectVec(framePos, earth->positionKm() * 0.004, 1e-3);
    EXPECT_FLOAT_EQ(earth->position().sceneX(), static_cast<float>(earth->positionKm().x * 0.004));
    ExpectVec(earth->heliocentric(), Ecliptic{127034747, -82316300, -408}, 60);
}

TEST_F(BodyTest, ZeroSpinGivesADayAndSpinIsIncremental) {
    OrbitalElements e = ElementTable::Planets()[3];
    e.rotationRate = 0;
    e.axialTilt = 0;
    auto still = MakePlanet(QStringLiteral("Still"), e);
    EXPECT_EQ(still->rotationPeriod(), 86400.0);

    e.rotationRate = 360;  // one turn a day
    auto spinner = MakePlanet(QStringLiteral("Spinner"), e);
    const SimTime epoch = spinner->rotationEpoch();
    spinner->Rotate(epoch + 21600);
    EXPECT_NEAR(spinner->lastAngle(), kPi / 2, 1e-9);
    auto o = spinner->frame()->orientation(sim.scene().root().get());
    ExpectVec(o.direction, {-1, 0, 0});  // seen from the north, the turn is counter-clockwise
    ExpectVec(o.up, {0, 1, 0});
    spinner->Rotate(epoch + 43200);
    o = spinner->frame()->orientation(sim.scene().root().get());
    ExpectVec(o.direction, {0, 0, -1});
    spinner->Rotate(epoch + 43200);  // no change, no increment
    ExpectVec(spinner->frame()->orientation(sim.scene().root().get()).direction, {0, 0, -1});
}

TEST_F(BodyTest, TweenerWindowIsClosedAtBothEnds) {
    auto mars = MakePlanet(QStringLiteral("Mars"), ElementTable::Planets()[3]);
    const SimTime t = MakeSimTime(2010, 5, 5, 5, 5, 5);
    Ecliptic p = mars->CalculatePosition(t);
    EXPECT_EQ(mars->tweener().t0(), t);
    EXPECT_EQ(mars->tweener().t1(), t + 100);

    const Ecliptic end = mars->CalculatePosition(t + 100);  // served by the window
    EXPECT_EQ(mars->tweener().t0(), t);
    Ecliptic exact = mars->PositionFromElements(t + 100, mars->ElementEpoch(), mars->elements());
    ExpectVec(end, exact * 149600000.0, 1e-3);

    p = mars->CalculatePosition(t + 100.001);  // one millisecond past: a new window
    EXPECT_EQ(mars->tweener().t0(), t + 100.001);

    // Running backwards resets on every step out of the window and stays exact.
    for (SimTime s = t; s > t - 1000; s -= 150) {
        p = mars->CalculatePosition(s);
        EXPECT_EQ(mars->tweener().t0(), s);
        exact = mars->PositionFromElements(s, mars->ElementEpoch(), mars->elements());
        ExpectVec(p, exact * 149600000.0, 1e-3);
    }
    // Inside the window the interpolation stays within metres of the orbit.
    mars->CalculatePosition(t);
    p = mars->CalculatePosition(t + 37);
    exact = mars->PositionFromElements(t + 37, mars->ElementEpoch(), mars->elements());
    ExpectVec(p, exact * 149600000.0, 0.01);
}

TEST_F(BodyTest, TraceLinesGoToTheLogFile) {
    auto mars = MakePlanet(QStringLiteral("Mars"), ElementTable::Planets()[3]);
    mars->setTrace(true);
    mars->CalculatePosition(1000);
    mars->CalculatePosition(1050);
    QFile log(dir.path() + QStringLiteral("/OELOG.Txt"));
    ASSERT_TRUE(log.open(QIODevice::ReadOnly));
    const QString text = QString::fromUtf8(log.readAll());
    EXPECT_TRUE(text.contains(QStringLiteral("Mars: ResetTweener to 1000.000000 and 1100.000000")));
    EXPECT_TRUE(text.contains(QStringLiteral("Mars: Used Tweener")));
}

TEST_F(BodyTest, PlacementUnderUntiltedAndTiltedParents) {
    OrbitalElements e = ElementTable::Planets()[3];
    e.axialTilt = 0;
    auto upright = MakePlanet(QStringLiteral("Upright"), e);
    upright->SetPlacedPosition({1e6, 2e6, 3e6});
    ExpectVec(upright->right(), {-1, 0, 0});
    ExpectVec(upright->up(), {0, 1, 0});
    ExpectVec(upright->direction(), {0, 0, 1});
    auto moon = MakeMoon<Moon>(QStringLiteral("M1"), ElementTable::Moons()[0], upright.get());
    // An ecliptic offset (x, y, z) lies along the parent's (-right, direction, up).
    PlaceBody(*moon, {100, 300, 200}, upright.get());
    ExpectVec(moon->positionKm(), {1e6 + 100, 2e6 + 200, 3e6 + 300});

    e.axialTilt = 90;
    auto tipped = MakePlanet(QStringLiteral("Tipped"), e);
    tipped->SetPlacedPosition({0, 0, 0});
    ExpectVec(tipped->up(), {0, 0, 1});
    ExpectVec(tipped->direction(), {0, -1, 0});
    PlaceBody(*moon, {0, 1000, 0}, tipped.get());
    ExpectVec(moon->positionKm(), {0, -1000, 0});
    PlaceBody(*moon, {1000, 0, 0}, tipped.get());
    ExpectVec(moon->positionKm(), {1000, 0, 0});
}

TEST_F(BodyTest, FramesFollowTheCameraPosition) {
    auto mars = MakePlanet(QStringLiteral("Mars"), ElementTable::Planets()[3]);
    sim.camera().position = {1000, 2000, 3000};
    mars->SetPlacedPosition({1250, 2000, 3000});
    ExpectVec(mars->frame()->position(sim.scene().root().get()), {1, 0, 0});
}

TEST_F(BodyTest, MoonsAndAtmospheres) {
    auto planet = MakePlanet(QStringLiteral("Mars"), ElementTable::Planets()[3]);
    const auto& phobosElements = ElementTable::Moons()[0];
    auto phobos =
        CreateBody<Moon>(wall, world(), QStringLiteral("Phobos"), 0x505050u, 11.4, 9.1, 13.0,
                         phobosElements, sim.epochs().at(phobosElements.epochIndex), planet.get());
    EXPECT_TRUE(phobos->synchronous());
    EXPECT_EQ(phobos->Kind(), BodyKind::Moon);
    EXPECT_NEAR(phobos->OrbitExtent(), 9380 * 1.1, 1e-9);
    EXPECT_EQ(phobos->largestRadius(), 13.0);
    const SimTime t = MakeSimTime(2020, 1, 1, 0, 0, 0);
    planet->Update(t);
    phobos->Update(t);
    const scene::Vec3 rel = phobos->positionKm() - planet->positionKm();
    EXPECT_NEAR(scene::Length(rel), 9380, 9380 * 0.011);
    // A synchronous moon faces its parent.
    const scene::Vec3 facing = phobos->frame()->orientation(sim.scene().root().get()).direction;
    ExpectVec(facing, scene::Normalised(rel) * -1.0, 1e-5);

    auto leda = MakeMoon<Moon>(QStringLiteral("Leda"), ElementTable::Moons()[10], planet.get());
    EXPECT_FALSE(leda->synchronous());
    EXPECT_EQ(leda->rotationPeriod(), 86400.0);

    Atmosphere air(world(), planet.get(), 125, 0xFF0000u);
    EXPECT_EQ(air.name(), QStringLiteral("MarsAtmos"));
    EXPECT_EQ(air.Kind(), BodyKind::Atmosphere);
    EXPECT_FALSE(air.IsSolid());
    EXPECT_FLOAT_EQ(air.radii()[1], 1025.0f);
    air.Update(t);
    ExpectVec(air.positionKm(), planet->positionKm());
}

TEST_F(BodyTest, LunaSitsAtTheEarthPlusItsTheory) {
    const OrbitalElements& e = ElementTable::Planets()[ElementTable::kEarth];
    auto earth = CreateBody<PlanetEarth>(wall, world(), QStringLiteral("Earth"), 0xFF0000u, 6378.15,
                                         6356.8, e, sim.epochs().at(e.epochIndex), nullptr);
    auto luna = MakeMoon<Luna>(QStringLiteral("Moon"), ElementTable::Luna(), earth.get(), 1737.4);
    EXPECT_TRUE(luna->synchronous());
    const SimTime t = MakeSimTime(2000, 1, 1, 0, 0, 0);
    earth->Update(t);
    luna->Update(t);
    const scene::Vec3 rel = luna->positionKm() - earth->positionKm();
    ExpectVec(rel, {-317283, 36570, -241875}, 5);  // ecliptic (x, y, z) stored as (x, z, y)
    const scene::Vec3 facing = luna->frame()->orientation(sim.scene().root().get()).direction;
    ExpectVec(facing, scene::Normalised(rel) * -1.0, 1e-5);
}

TEST_F(BodyTest, BaseBodyHasNoOrbit) {
    Body sun(world(), QStringLiteral("Sun"), 0xAFFDFDu, 0);
    EXPECT_EQ(sun.Kind(), BodyKind::Sun);
    EXPECT_EQ(sun.OrbitalPeriodDays(), 0);
    EXPECT_EQ(sun.CalculatePosition(0), Ecliptic{});
    ASSERT_EQ(prompter.calls.size(), 1u);
    EXPECT_TRUE(prompter.calls[0].text.contains(QStringLiteral("Reached Body::CalculatePosition")));
}

TEST_F(BodyTest, DestroyingABodyLogsAndLeavesTheScene) {
    {
        auto mars = MakePlanet(QStringLiteral("Mars"), ElementTable::Planets()[3]);
        EXPECT_EQ(sim.scene().root()->children().size(), 2u);  // the camera and Mars
    }
    EXPECT_EQ(sim.scene().root()->children().size(), 1u);
    EXPECT_TRUE(Services::instance().systemLog().contains(QStringLiteral("Body Killed: Mars")));
}
