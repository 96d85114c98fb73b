#include <cmath>

#include "core/Moon.h"
#include "maps/MapHitList.h"
#include "maps/MapOrbits.h"
#include "maps/MapPresets.h"
#include "maps/MapWorld.h"

TEST(MapOrbitsTest, SampleStepsAndTheClosedLoop) {
    EXPECT_EQ(MapOrbits::SampleStep(0), 10);
    EXPECT_EQ(MapOrbits::SampleStep(34), 10);
    EXPECT_EQ(MapOrbits::SampleStep(35), 5);
    EXPECT_EQ(MapOrbits::SampleStep(54), 5);
    EXPECT_EQ(MapOrbits::SampleStep(55), 2);
    EXPECT_EQ(MapOrbits::SampleStep(109), 2);
    EXPECT_EQ(MapOrbits::SampleStep(110), 1);
    EXPECT_EQ(MapOrbits::SampleStep(1000000), 1);

    for (int step : {1, 2, 5, 10}) {
        const std::vector<int> loop = MapOrbits::SampleIndices(step);
        // One line per `step` samples, from (step - 1) round to (step - 1) again.
        ASSERT_EQ(static_cast<int>(loop.size()), 360 / step + 1) << step;
        EXPECT_EQ(loop.front(), step - 1);
        EXPECT_EQ(loop.back(), step - 1);
        EXPECT_EQ(loop[1], 359);
        for (std::size_t i = 2; i < loop.size(); ++i) EXPECT_EQ(loop[i - 1] - loop[i], step);
    }
}

TEST(MapOrbitsTest, SkipTestsLeaveOutOnlyOrbitsThatCannotShow) {
    // An orbit of extent 100 about the origin reaches at most 150 out.
    EXPECT_TRUE(MapOrbits::OrbitOutsideView({160, 200, 10, -10}, 0, 0, 100));
    EXPECT_TRUE(MapOrbits::OrbitOutsideView({-10, 10, -151, -200}, 0, 0, 100));
    EXPECT_FALSE(MapOrbits::OrbitOutsideView({140, 200, 10, -10}, 0, 0, 100));
    EXPECT_FALSE(MapOrbits::OrbitOutsideView({1140, 1200, 10, -10}, 1000, 0, 100));

    // A circle of radius 90 drawn as a polygon.
    std::vector<QPointF> circle;
    for (int i : MapOrbits::SampleIndices(10)) {
        const double a = i * M_PI / 180;
        circle.emplace_back(90 * std::cos(a), 90 * std::sin(a));
    }
    const double inner = MapOrbits::InnerRadius(circle, 0, 0);
    EXPECT_LT(inner, 90);
    EXPECT_GT(inner, 89.5);  // the chords sag by under half a per cent
    EXPECT_TRUE(MapOrbits::ViewInsideOrbit({-50, 50, 40, -40}, 0, 0, inner));
    // The picture's corners reach the orbit although its sides do not.
    EXPECT_FALSE(MapOrbits::ViewInsideOrbit({-70, 70, 60, -60}, 0, 0, inner));
    // A small view on the orbit at 45 degrees: well inside the square of side 0.8 x the
    // extent, yet the orbit passes through it.
    const double d = 90 / std::sqrt(2.0);
    EXPECT_FALSE(MapOrbits::ViewInsideOrbit({d - 1, d + 1, d + 1, d - 1}, 0, 0, inner));
}

TEST_F(MapWorldTest, OrbitSamplesLandWhereTheBodiesGo) {
    // A planet's samples are heliocentric: Earth's lie about 1 AU from the Sun.
    for (const Ecliptic& s : Find("Earth")->orbitPath()) {
        const QPointF p = MapOrbits::PlanetSampleOnMap(s);
        EXPECT_NEAR(std::hypot(p.x(), p.y()) / kKmPerAU, 1.0, 0.02);
    }
    // A moon's sample goes where the moon itself is placed: its position now, worked out as
    // a sample, lands on it.
    for (const char* name : {"Io", "Moon", "Titan", "Miranda", "Triton"}) {
        auto* moon = dynamic_cast<Moon*>(Find(name));
        ASSERT_TRUE(moon) << name;
        const Ecliptic local = moon->CalculatePosition(sim->SimNow());
        const QPointF p = MapOrbits::MoonSampleOnMap(*moon, *moon->Parent(), local);
        const Ecliptic at = moon->heliocentric();
        EXPECT_NEAR(p.x(), at.x, 1.0) << name;
        EXPECT_NEAR(p.y(), at.y, 1.0) << name;
    }
    // Io circles Jupiter close to the ecliptic plane, so its drawn orbit is nearly round.
    Body* io = Find("Io");
    const Ecliptic jupiter = Find("Jupiter")->heliocentric();
    for (const Ecliptic& s : io->orbitPath()) {
        const QPointF p = MapOrbits::MoonSampleOnMap(*io, *io->Parent(), s);
        EXPECT_NEAR(std::hypot(p.x() - jupiter.x, p.y() - jupiter.y), 421700, 6000);
    }
    // The Moon's orbit, five degrees from the ecliptic, about the Earth.
    Body* moon = Find("Moon");
    const Ecliptic earth = Find("Earth")->heliocentric();
    for (const Ecliptic& s : moon->orbitPath()) {
        const QPointF p = MapOrbits::MoonSampleOnMap(*moon, *moon->Parent(), s);
        const double d = std::hypot(p.x() - earth.x, p.y() - earth.y);
        EXPECT_GT(d, 350000);
        EXPECT_LT(d, 410000);
    }
}

TEST_F(MapWorldTest, PopupOffersTheEightNearestWithoutRingsOrAtmospheres) {
    Body* saturn = Find("Saturn");
    Body* rings = sim->rings();
    Body* atmosphere = nullptr;
    for (Body* b : sim->bodies())
        if (b->Kind() == BodyKind::Atmosphere) atmosphere = b;
    ASSERT_TRUE(rings && atmosphere);
    MapHitList hits;
    for (const char* name : {"Sun", "Mercury", "Venus", "Earth", "Mars", "Jupiter", "Saturn",
                             "Uranus", "Neptune", "Pluto", "Titan"})
        hits.push_back({0, 0, Find(name)});
    // Drawn lists never hold these, but they must not be offered if they were.
    hits.insert(hits.begin(), {0, 0, rings});
    hits.insert(hits.begin(), {0, 0, atmosphere});

    const Ecliptic at = saturn->heliocentric();
    const std::vector<Body*> nearest = MapHits::NearestBodies(hits, at.x + 1000, at.y);
    ASSERT_EQ(nearest.size(), 8u);
    EXPECT_EQ(nearest[0], saturn);
    EXPECT_EQ(nearest[1], Find("Titan"));
    double last = 0;
    for (Body* b : nearest) {
        EXPECT_NE(b->Kind(), BodyKind::Rings);
        EXPECT_NE(b->Kind(), BodyKind::Atmosphere);
        const Ecliptic p = b->heliocentric();
        // Measured across the map: heights above the ecliptic do not count.
        const double d = std::hypot(p.x - at.x - 1000, p.y - at.y);
        EXPECT_GE(d, last) << qPrintable(b->name());
        last = d;
    }
    // The three farthest from Saturn are left out.
    EXPECT_EQ(MapHits::NearestBodies(hits, at.x, at.y, 100).size(), 11u);

    // Equal distances keep the drawing order.
    MapHitList twice = {{0, 0, Find("Mars")}, {0, 0, Find("Earth")}, {0, 0, Find("Mars")}};
    const Ecliptic mars = Find("Mars")->heliocentric();
    const auto order = MapHits::NearestBodies(twice, mars.x, mars.y);
    ASSERT_EQ(order.size(), 3u);
    EXPECT_EQ(order[0], Find("Mars"));
    EXPECT_EQ(order[1], Find("Mars"));
    EXPECT_EQ(order[2], Find("Earth"));
}

TEST(MapHitsTest, HintFindsTheNearestWithinEightPixels) {
    Body* a = reinterpret_cast<Body*>(0x10);
    Body* b = reinterpret_cast<Body*>(0x20);
    Body* c = reinterpret_cast<Body*>(0x30);
    const MapHitList hits = {{100, 100, a}, {110, 100, b}, {106, 100, c}};
    ASSERT_TRUE(MapHits::HintAt(hits, {104, 100}));
    EXPECT_EQ(MapHits::HintAt(hits, {104, 100})->body, c);
    EXPECT_EQ(MapHits::HintAt(hits, {92, 100})->body, a);  // exactly 8 away
    EXPECT_EQ(MapHits::HintAt(hits, {100, 108})->body, a);
    EXPECT_FALSE(MapHits::HintAt(hits, {91, 100}));         // 9 away
    EXPECT_FALSE(MapHits::HintAt(hits, {94, 106}));         // 6 and 6: 72 > 64
    EXPECT_EQ(MapHits::HintAt(hits, {103, 100})->body, a);  // equal: the first
    EXPECT_FALSE(MapHits::HintAt({}, {0, 0}));
}

TEST_F(MapWorldTest, CameraPositionViewAndPresetCentres) {
    Body* earth = Find("Earth");
    // With the camera at the Earth's centre the view is ten Earth radii to either side.
    camera->MoveCameraTo(earth, Where::Centre);
    EXPECT_EQ(MapPresets::BodyHoldingCamera(sim->camera(), *sim), earth);
    EXPECT_NE(sim->camera().nearestBody, earth);  // the update step never counts it
    EXPECT_NEAR(MapPresets::CameraHalfWidth(sim->camera(), *sim), 10 * 6378.15, 1e-6);

    // Outside it: three times the distance to the nearest surface.
    controls.useRadii = false;
    controls.kmText = QStringLiteral("20000");
    camera->MoveCameraTo(earth, Where::Above);
    EXPECT_EQ(MapPresets::BodyHoldingCamera(sim->camera(), *sim), nullptr);
    EXPECT_EQ(sim->camera().nearestBody, earth);
    EXPECT_NEAR(MapPresets::CameraHalfWidth(sim->camera(), *sim), 3 * sim->camera().nearestDistance,
                1e-6);
    EXPECT_NEAR(sim->camera().nearestDistance, 20000 - 6378.15, 100);

    // Never under 100 km.
    controls.kmText = QStringLiteral("20");  // 7 km above Phobos
    camera->MoveCameraTo(Find("Phobos"), Where::Above);
    EXPECT_DOUBLE_EQ(MapPresets::CameraHalfWidth(sim->camera(), *sim), 100);

    const struct {
        MapPreset preset;
        const char* body;
    } centres[] = {{MapPreset::WholeSolarSystem, "Sun"},
                   {MapPreset::InnerSolarSystem, "Sun"},
                   {MapPreset::Earth, "Earth"},
                   {MapPreset::Mars, "Mars"},
                   {MapPreset::JupiterSystem, "Jupiter"},
                   {MapPreset::GalileanSatellites, "Jupiter"},
                   {MapPreset::SaturnSystem, "Saturn"},
                   {MapPreset::InnerSaturnSystem, "Saturn"},
                   {MapPreset::UranusSystem, "Uranus"},
                   {MapPreset::NeptuneSystem, "Neptune"},
                   {MapPreset::Pluto, "Pluto"}};
    for (const auto& c : centres)
        EXPECT_EQ(MapPresets::CentreBody(*sim, MapPresets::Info(c.preset).centre), Find(c.body))
            << MapPresets::Info(c.preset).caption;
    EXPECT_EQ(MapPresets::CentreBody(*sim, PresetCentre::Camera), nullptr);
    for (std::size_t i = 0; i < MapPresets::All().size(); ++i)
        EXPECT_EQ(static_cast<std::size_t>(MapPresets::All()[i].preset), i);
}
