#include <QPainter>
#include <cmath>

#include "core/Angles.h"
#include "maps/MapPresets.h"
#include "maps/MapRenderer.h"
#include "maps/MapWorld.h"
#include "maps/SmallPictureCache.h"

namespace {

bool HasColour(QRgb pixel, QRgb colour) {
    return (pixel & colour & 0xFFFFFFu) == (colour & 0xFFFFFFu);
}

const MapHit* HitOf(const MapHitList& hits, const Body* body) {
    for (const MapHit& h : hits)
        if (h.body == body) return &h;
    return nullptr;
}

// The Sun's ecliptic longitude from the usual low-precision formulae (degrees), worked out
// without the program's orbits: the Earth is opposite it.
double SunLongitude(SimTime t) {
    const double n = DaysSinceJ2000(t);
    const double l = 280.460 + 0.9856474 * n;
    const double g = DegToRad(357.528 + 0.9856003 * n);
    return std::fmod(l + 1.915 * std::sin(g) + 0.020 * std::sin(2 * g), 360.0);
}

double Brightness(QRgb c) {
    return qRed(c) + qGreen(c) + qBlue(c);
}

class MapPictureTest : public MapWorldTest {
  protected:
    SmallPictureCache pictures;
    std::unique_ptr<MapRenderer> renderer;
    MapGeometry geometry;
    QImage picture;

    void SetUp() override {
        MapWorldTest::SetUp();
        renderer = std::make_unique<MapRenderer>(*sim, pictures);
        geometry.Resize(1024, 768);
    }
    void Preset(MapPreset preset) {
        const MapPresetInfo& info = MapPresets::Info(preset);
        const Ecliptic at = MapPresets::CentreBody(*sim, info.centre)->heliocentric();
        geometry.SetMapView(at.x, at.y, info.halfSize);
    }
    MapHitList Draw(const MapDrawOptions& options = {}) {
        return renderer->Draw(picture, geometry, options, sim->camera().position, 1);
    }
};

}  // namespace

TEST_F(MapPictureTest, InnerSolarSystemShowsTheInnerPlanetsWhereTheyAre) {
    Preset(MapPreset::InnerSolarSystem);
    const MapHitList hits = Draw();
    ASSERT_EQ(picture.size(), QSize(1024, 768));
    const double k = 500000000.0 / 768;  // km a pixel: the shorter side is 500,000,000 km

    // The Sun in the middle.
    const MapHit* sun = HitOf(hits, sim->sun());
    ASSERT_TRUE(sun);
    // The centre of the box the Sun is drawn in: half a pixel to the left and up.
    EXPECT_NEAR(sun->x, 512, 1);
    EXPECT_NEAR(sun->y, 384, 1);
    EXPECT_TRUE(HasColour(picture.pixel(512, 384), MapRenderer::MapColour(0xAFFDFD)));

    for (const char* name : {"Mercury", "Venus", "Earth", "Mars"}) {
        Body* planet = Find(name);
        const Ecliptic at = planet->heliocentric();
        const MapHit* hit = HitOf(hits, planet);
        ASSERT_TRUE(hit) << name;
        // At its place: x east along the picture, the ecliptic's y up it.
        EXPECT_NEAR(hit->x, 512 + at.x / k, 1.5) << name;
        EXPECT_NEAR(hit->y, 384 - at.y / k, 1.5) << name;
        const double drawnAngle = RadToDeg(std::atan2(384.0 - hit->y, hit->x - 512.0));
        const double angle = RadToDeg(std::atan2(at.y, at.x));
        EXPECT_NEAR(std::remainder(drawnAngle - angle, 360.0), 0, 1.0) << name;
        // Its marker in its colour, with its orbit running through it.
        const QRgb colour = MapRenderer::MapColour(planet->colour(0) & 0xFFFFFF);
        EXPECT_TRUE(HasColour(picture.pixel(hit->x, hit->y), colour)) << name;
        const QRgb orbit = MapRenderer::OrbitColour(planet->colour(0) & 0xFFFFFF);
        int orbitPixels = 0;
        for (int dy = -8; dy <= 8; ++dy)
            for (int dx = -8; dx <= 8; ++dx)
                if (std::max(std::abs(dx), std::abs(dy)) > 3 &&
                    (picture.pixel(hit->x + dx, hit->y + dy) & 0xFFFFFF) == (orbit & 0xFFFFFF))
                    ++orbitPixels;
        EXPECT_GE(orbitPixels, 4) << name;
    }

    // The Earth's direction checked against the Sun's longitude worked out independently:
    // the map is seen from the north, not mirrored.
    const MapHit* earth = HitOf(hits, Find("Earth"));
    const double earthAngle = RadToDeg(std::atan2(384.0 - earth->y, earth->x - 512.0));
    EXPECT_NEAR(std::remainder(earthAngle - (SunLongitude(sim->SimNow()) + 180), 360.0), 0, 1.5);

    // The Moon falls on the Earth's marker: it is hidden, not listed.
    EXPECT_FALSE(HitOf(hits, Find("Moon")));
    for (const MapHit& h : hits) EXPECT_NE(h.body->Kind(), BodyKind::Atmosphere);
}

TEST_F(MapPictureTest, OrbitsShowWhereverTheyCrossThePicture) {
    // One step in from the inner solar system: the Earth's orbit passes just inside the left
    // and right edges, above and below the Sun's height.
    Preset(MapPreset::InnerSolarSystem);
    ASSERT_EQ(geometry.ZoomIn({512, 384}), ZoomResult::Zoomed);
    Draw();
    const QRgb earthOrbit = MapRenderer::OrbitColour(0xFF0000) & 0xFFFFFF;
    int left = 0, right = 0;
    for (int y = 300; y < 468; ++y)
        for (int x = 0; x < 1024; ++x)
            if ((picture.pixel(x, y) & 0xFFFFFF) == earthOrbit) (x < 512 ? left : right)++;
    EXPECT_GT(left, 20);
    EXPECT_GT(right, 20);

    // Without the planetary orbits only the markers remain.
    MapDrawOptions off;
    off.planetOrbits = false;
    Draw(off);
    int any = 0;
    for (int y = 300; y < 468; ++y)
        for (int x = 0; x < 1024; ++x) any += (picture.pixel(x, y) & 0xFFFFFF) == earthOrbit;
    EXPECT_EQ(any, 0);
}

TEST_F(MapPictureTest, SmallPicturesFaceTheSunAndLabelsSitBelow) {
    Body* earth = Find("Earth");
    const Ecliptic at = earth->heliocentric();
    geometry.SetMapView(at.x, at.y, 20000);
    const MapHitList hits = Draw();
    const MapHit* hit = HitOf(hits, earth);
    ASSERT_TRUE(hit);
    const double radius = 6378.15 / geometry.KmPerPixel();
    ASSERT_GT(radius, 100);
    // The picture, not the plain disc: more than one colour across it.
    EXPECT_NE(picture.pixel(hit->x - 20, hit->y), picture.pixel(hit->x + 20, hit->y));
    // The half towards the Sun is the bright one.
    const double angle = std::atan2(at.y, at.x);
    const double sx = -std::cos(angle), sy = std::sin(angle);  // to the Sun, rows downwards
    double sunward = 0, away = 0;
    for (int dy = -80; dy <= 80; dy += 2)
        for (int dx = -80; dx <= 80; dx += 2) {
            if (dx * dx + dy * dy > 80 * 80) continue;
            const double b = Brightness(picture.pixel(hit->x + dx, hit->y + dy));
            (dx * sx + dy * sy > 0 ? sunward : away) += b;
        }
    EXPECT_GT(sunward, 2 * away);
    // The name below the picture, in white.
    const int labelTop = hit->y + static_cast<int>(radius) + MapRenderer::kLabelGap;
    int white = 0;
    for (int y = labelTop; y < labelTop + 14; ++y)
        for (int x = hit->x; x < hit->x + 30; ++x) white += Brightness(picture.pixel(x, y)) > 500;
    EXPECT_GT(white, 5);
    // No labels when they are off.
    MapDrawOptions quiet;
    quiet.labels = false;
    Draw(quiet);
    white = 0;
    for (int y = labelTop; y < labelTop + 14; ++y)
        for (int x = hit->x; x < hit->x + 30; ++x) white += Brightness(picture.pixel(x, y)) > 500;
    EXPECT_EQ(white, 0);
}

TEST_F(MapPictureTest, CameraCrossOnlyInsideThePicture) {
    Preset(MapPreset::InnerSolarSystem);
    camera->SetSceneOrigin(1.0e8, 0, -5.0e7);
    Draw();
    const QPoint c = geometry.WorldToPixel(1.0e8, -5.0e7);
    for (int d = -4; d <= 4; ++d) {
        EXPECT_EQ(picture.pixel(c.x() + d, c.y() + d), qRgb(255, 255, 255)) << d;
        EXPECT_EQ(picture.pixel(c.x() + d, c.y() - d), qRgb(255, 255, 255)) << d;
    }
    // Far outside the picture: nothing drawn, nothing overflows.
    camera->SetSceneOrigin(1.0e15, 0, 1.0e15);
    EXPECT_NO_FATAL_FAILURE(Draw());
}

TEST(SmallPictureCacheTest, FourSlotsOldestReplacedAndTurnedTowardsTheSun) {
    int loads = 0;
    SmallPictureCache cache([&](const QString& name) {
        ++loads;
        if (name == QLatin1String("None")) return QImage();
        // Lit from the left: the left half white.
        QImage image(64, 64, QImage::Format_RGB32);
        image.fill(Qt::black);
        QPainter(&image).fillRect(0, 0, 32, 64, Qt::white);
        return image;
    });
    MemorySettingsStore store;
    Simulation sim(store);
    // Bodies only for their identity and names.
    std::vector<std::unique_ptr<Body>> bodies;
    for (const char* name : {"A", "B", "C", "D", "E", "None"})
        bodies.push_back(std::make_unique<Body>(sim.bodyScene(), QLatin1String(name), 0, 0));

    for (int i = 0; i < 4; ++i) ASSERT_TRUE(cache.Picture(*bodies[std::size_t(i)], 0, 10 + i));
    EXPECT_EQ(loads, 4);
    // Used again: no reload, whatever the time.
    ASSERT_TRUE(cache.Picture(*bodies[0], 0, 100));
    EXPECT_EQ(loads, 4);
    // A fifth takes the slot loaded longest ago (A's, although A was used last).
    ASSERT_TRUE(cache.Picture(*bodies[4], 0, 101));
    EXPECT_EQ(loads, 5);
    EXPECT_EQ(cache.slotBody(0), bodies[4].get());
    ASSERT_TRUE(cache.Picture(*bodies[0], 0, 102));
    EXPECT_EQ(loads, 6);
    EXPECT_EQ(cache.slotBody(1), bodies[0].get());  // B's went next
    // No picture: none drawn, and not looked for again.
    EXPECT_FALSE(cache.Picture(*bodies[5], 0, 103));
    EXPECT_FALSE(cache.Picture(*bodies[5], 0, 104));
    EXPECT_EQ(loads, 7);

    // A body straight above the Sun on the map (90 degrees) has its lit side at the bottom.
    const QImage* up = cache.Picture(*bodies[0], 90, 105);
    ASSERT_TRUE(up);
    EXPECT_EQ(up->size(), QSize(64, 64));
    EXPECT_GT(Brightness(up->pixel(32, 58)), 600);
    EXPECT_LT(Brightness(up->pixel(32, 5)), 50);
    EXPECT_EQ(cache.rotations(), 1);
    cache.Picture(*bodies[0], 90, 106);
    EXPECT_EQ(cache.rotations(), 1);  // the same angle: the turned copy is reused
    // At 180 degrees (left of the Sun) the lit side faces right.
    const QImage* left = cache.Picture(*bodies[0], 180, 107);
    EXPECT_GT(Brightness(left->pixel(58, 32)), 600);
    EXPECT_LT(Brightness(left->pixel(5, 32)), 50);
    EXPECT_EQ(cache.rotations(), 2);
    // Back at 0 the picture as loaded.
    EXPECT_GT(Brightness(cache.Picture(*bodies[0], 0, 108)->pixel(5, 32)), 600);
}
