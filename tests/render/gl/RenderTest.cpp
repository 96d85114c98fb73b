#include <QImage>
#include <QSet>
#include <cmath>

#include "core/Body.h"
#include "core/BodyPoints.h"
#include "support/RenderWorld.h"
#include "support/TestSupport.h"

namespace {

struct DiscStats {
    int litPixels = 0;
    double cx = 0, cy = 0;
    double meanBrightness = 0;
    int distinctColours = 0;
};

int Brightness(QRgb p) {
    return (qRed(p) + qGreen(p) + qBlue(p)) / 3;
}

DiscStats Measure(const QImage& img, int threshold) {
    DiscStats s;
    QSet<QRgb> colours;
    double total = 0;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x) {
            const QRgb p = img.pixel(x, y);
            const int b = Brightness(p);
            if (b < threshold) continue;
            ++s.litPixels;
            s.cx += x;
            s.cy += y;
            total += b;
            colours.insert(p & 0xF0F0F0);
        }
    if (s.litPixels) {
        s.cx /= s.litPixels;
        s.cy /= s.litPixels;
        s.meanBrightness = total / s.litPixels;
    }
    s.distinctColours = colours.size();
    return s;
}

class RenderTest : public ServicesTest {
  protected:
    std::unique_ptr<RenderWorld> world;
    void SetUp() override {
        ServicesTest::SetUp();
        world = std::make_unique<RenderWorld>(QStringLiteral(ORBIVALE_MEDIA_DIR));
        ASSERT_TRUE(world->device) << "no OpenGL device";
    }
    void TearDown() override {
        world.reset();
        ServicesTest::TearDown();
    }
};

}  // namespace

TEST_F(RenderTest, EarthFromItsSunnySideIsALitTexturedDisc) {
    // At 3 radii the Earth is 39 degrees wide; the widest zoom (54 degrees) takes it all in.
    world->camera->SetCameraField(102);
    world->MoveTo("Earth", Where::SunnySide, "3");
    const QImage img = world->Render();
    const DiscStats s = Measure(img, 12);
    EXPECT_GT(s.litPixels, 400 * 400 / 4) << "the Earth is not drawn";
    EXPECT_LT(s.litPixels, 400 * 400 * 3 / 4) << "the Earth does not fit the picture";
    EXPECT_NEAR(s.cx, 200, 25);
    EXPECT_NEAR(s.cy, 200, 25);
    EXPECT_GT(s.meanBrightness, 30);  // mostly ocean at this hour, but in daylight
    EXPECT_GT(s.distinctColours, 50) << "the disc is one flat colour: no texture";
}

TEST_F(RenderTest, EarthFromItsDarkSideShowsOnlyAmbientLight) {
    world->camera->SetCameraField(102);
    world->MoveTo("Earth", Where::DarkSide, "3");
    const QImage img = world->Render();
    const DiscStats faint = Measure(img, 3);
    const DiscStats lit = Measure(img, 90);
    EXPECT_GT(faint.litPixels, 400 * 400 / 4) << "the dark disc should still show by ambient light";
    EXPECT_LT(lit.litPixels, faint.litPixels / 10) << "the night side is lit";
}

TEST_F(RenderTest, SunIsBrightWithItsGlow) {
    world->MoveTo("Sun", Where::SunnySide, "20");
    const QImage img = world->Render();
    if (qEnvironmentVariableIsSet("ORBIVALE_SAVE_PICTURES"))
        img.save(qEnvironmentVariable("ORBIVALE_SAVE_PICTURES") + QStringLiteral("/sun.png"));
    // 20 radii: a disc about 5.7 degrees wide, 67 pixels in radius in the 17 degree view.
    for (auto [x, y] : {std::pair{200, 200}, {150, 200}, {250, 200}, {200, 150}, {200, 250}})
        EXPECT_GT(Brightness(img.pixel(x, y)), 200) << x << "," << y;
    // Beyond the disc the glow: lit, but fainter than the Sun, all the way round.
    int glowing = 0;
    for (int a = 0; a < 360; a += 10) {
        const double r = 95, t = a * 3.14159265 / 180;
        const int b = Brightness(img.pixel(int(200 + r * std::cos(t)), int(200 + r * std::sin(t))));
        if (b > 8 && b < 200) ++glowing;
    }
    EXPECT_GE(glowing, 30) << "no glow around the Sun";
    EXPECT_LE(Brightness(img.pixel(2, 2)), 2);  // far corners stay black
}

TEST_F(RenderTest, PlanetsTurnCounterClockwiseSeenFromTheNorth) {
    // From above the Sun at 3 AU, looking down with the camera's up along the vernal equinox
    // direction's perpendicular, the Earth's angle round the picture centre must increase
    // counter-clockwise as time passes.
    world->controls.useRadii = false;
    world->controls.kmText = QStringLiteral("448800000");
    world->camera->MoveCameraTo(world->sim.sun(), Where::Above);
    auto earthAngle = [&] {
        Body* earth = world->sim.FindBody(QStringLiteral("Earth"));
        const scene::Vec4 h = world->sim.scene().viewport().transform(
            earth->frame()->position(world->sim.scene().root().get()));
        const double x = h.x / h.w - world->sim.scene().viewport().width() / 2.0;
        const double y = world->sim.scene().viewport().height() / 2.0 - h.y / h.w;  // up on screen
        return std::atan2(y, x);
    };
    world->Render();
    const double before = earthAngle();
    world->sim.SetSimTime(MakeSimTime(2026, 12, 28, 0, 0, 0));
    world->Render();
    double turn = earthAngle() - before;
    if (turn < -3.14159265) turn += 2 * 3.14159265;
    if (turn > 3.14159265) turn -= 2 * 3.14159265;
    EXPECT_GT(turn, 0.25) << "the Earth went clockwise or stood still";
    EXPECT_LT(turn, 0.45);  // about 20 days of the year's turn
    // And the Earth really is drawn where the transform puts it.
    const QImage img = world->Render();
    EXPECT_GT(Measure(img, 30).litPixels, 0);
}

namespace {

// Sends the camera to km from the Sun, facing a body, and brings everything up to date.
void PlaceCamera(RenderWorld& w, const scene::Vec3& km, const char* facing) {
    w.camera->SetSceneOrigin(km.x, km.y, km.z);
    w.camera->LookAtTarget(w.sim.FindBody(QLatin1String(facing)));
    w.sim.UpdateSimulation();
}

const BodyPoints::Point* PointOf(const std::vector<BodyPoints::Point>& points, const char* name) {
    for (const auto& p : points)
        if (p.body->name() == QLatin1String(name)) return &p;
    return nullptr;
}

}  // namespace

TEST_F(RenderTest, JupiterFromBesideTheEarthIsABrightPointNearerBodiesHide) {
    Body* earth = world->sim.FindBody(QStringLiteral("Earth"));
    Body* jupiter = world->sim.FindBody(QStringLiteral("Jupiter"));
    const scene::Vec3 e = earth->positionKm();
    const scene::Vec3 towardsJupiter = scene::Normalised(jupiter->positionKm() - e);
    // Beside the Earth, on its far side from Jupiter's line of sight: Jupiter's disc is a
    // small fraction of a pixel, so only the point can show it.
    const scene::Vec3 side = scene::Normalised(scene::Cross(towardsJupiter, {0, 1, 0}));
    PlaceCamera(*world, e + side * (earth->largestRadius() * 20), "Jupiter");
    world->Render();
    const auto points = BodyPoints::Collect(world->sim, world->sim.scene().viewport());
    const BodyPoints::Point* p = PointOf(points, "Jupiter");
    ASSERT_TRUE(p) << "Jupiter is not drawn as a point";
    EXPECT_LT(p->discPixels, 0.5);
    EXPECT_GT(p->magnitude, -3.0);
    EXPECT_LT(p->magnitude, -1.5);
    EXPECT_FALSE(PointOf(points, "Earth")) << "the Earth is behind the camera";
    const QImage img = world->Render();
    if (qEnvironmentVariableIsSet("ORBIVALE_SAVE_PICTURES"))
        img.save(qEnvironmentVariable("ORBIVALE_SAVE_PICTURES") + QStringLiteral("/jupiter.png"));
    // A bright point at the centre, in Jupiter's light tan, a few pixels across.
    const QRgb centre = img.pixel(int(p->x), int(p->y));
    EXPECT_NEAR(p->x, 200, 2);
    EXPECT_NEAR(p->y, 200, 2);
    EXPECT_GT(qRed(centre), 200);
    EXPECT_GT(qRed(centre), qBlue(centre));
    // (Other planets may show as points elsewhere; only Jupiter's neighbourhood counts.)
    const DiscStats lit = Measure(img.copy(185, 185, 31, 31), 60);
    EXPECT_GE(lit.litPixels, 5);
    EXPECT_LE(lit.litPixels, 25);
    EXPECT_NEAR(lit.cx, 15, 2);
    EXPECT_NEAR(lit.cy, 15, 2);

    // Put the Earth between the camera and Jupiter: the Earth covers the point.
    PlaceCamera(*world, e - towardsJupiter * (earth->largestRadius() * 30), "Jupiter");
    const QImage hidden = world->Render();
    const auto behind = BodyPoints::Collect(world->sim, world->sim.scene().viewport());
    const BodyPoints::Point* q = PointOf(behind, "Jupiter");
    ASSERT_TRUE(q) << "Jupiter should be sent as a point, for the depth test to hide it";
    for (int dy = -2; dy <= 2; ++dy)
        for (int dx = -2; dx <= 2; ++dx)
            EXPECT_NE(hidden.pixel(int(q->x) + dx, int(q->y) + dy) | 0xFF000000u, q->colour)
                << "Jupiter's point shows through the Earth";
}

TEST_F(RenderTest, ZoomChoosesTheTextureACloserCameraWould) {
    Body* moon = world->sim.FindBody(QStringLiteral("Moon"));
    auto indexSeenFrom = [&](const char* radii, double zoom) {
        world->camera->SetZoom(zoom);
        world->MoveTo("Moon", Where::SunnySide, radii);
        world->Render();  // the viewport takes the picture's size
        world->sim.UpdateSimulation();
        return moon->model.textureIndex;
    };
    const int far = indexSeenFrom("100", 1);
    const int zoomed = indexSeenFrom("100", 30);
    const int near = indexSeenFrom("3.3", 1);
    EXPECT_GT(far, 0) << "at 100 radii the Moon needs only a coarse map";
    EXPECT_LT(zoomed, far) << "zooming in keeps the coarse map";
    EXPECT_EQ(zoomed, near) << "30 times zoom should look like a 30 times closer camera";
    // And back out again.
    EXPECT_EQ(indexSeenFrom("100", 1), far);
    // A picture twice as wide shows the body twice as large: finer again.
    world->camera->SetZoom(1);
    world->MoveTo("Moon", Where::SunnySide, "25");
    world->Render(400, 400);
    world->sim.UpdateSimulation();
    const int small = moon->model.textureIndex;
    world->Render(1600, 1600);
    world->sim.UpdateSimulation();
    EXPECT_LT(moon->model.textureIndex, small);
}

TEST_F(RenderTest, AtmosphereIsClearOverheadAndThickensTowardsTheLimb) {
    world->camera->SetCameraField(102);
    world->MoveTo("Earth", Where::SunnySide, "3");
    const QImage withAir = world->Render();
    Body* air = world->sim.FindBody(QStringLiteral("EarthAtmos"));
    ASSERT_TRUE(air->model.mesh);
    air->frame()->deleteVisual(air->model.mesh.get());
    const QImage bare = world->Render();
    air->frame()->addVisual(air->model.mesh);
    if (qEnvironmentVariableIsSet("ORBIVALE_SAVE_PICTURES")) {
        withAir.save(qEnvironmentVariable("ORBIVALE_SAVE_PICTURES") + QStringLiteral("/air.png"));
        bare.save(qEnvironmentVariable("ORBIVALE_SAVE_PICTURES") + QStringLiteral("/bare.png"));
    }

    Body* earth = world->sim.FindBody(QStringLiteral("Earth"));
    const auto& view = world->sim.scene().viewport();
    const scene::Vec4 h = view.transform(earth->frame()->position(world->sim.scene().root().get()));
    const double cx = h.x / h.w, cy = h.y / h.w;
    // The outline of a sphere seen from 3 radii: its half-angle is asin(1/3).
    const double radius = std::tan(std::asin(1.0 / 3)) * view.projectionScale();
    ASSERT_GT(radius, 60);
    struct Ring {
        double change = 0, blueAir = 0, redAir = 0, blueBare = 0, redBare = 0;
        int n = 0;
    };
    auto measure = [&](double from, double to) {
        Ring r;
        for (int y = 0; y < bare.height(); ++y)
            for (int x = 0; x < bare.width(); ++x) {
                const double d = std::hypot(x - cx, y - cy) / radius;
                if (d < from || d >= to) continue;
                const QRgb a = withAir.pixel(x, y), b = bare.pixel(x, y);
                r.change += std::abs(qRed(a) - qRed(b)) + std::abs(qGreen(a) - qGreen(b)) +
                            std::abs(qBlue(a) - qBlue(b));
                r.blueAir += qBlue(a), r.redAir += qRed(a);
                r.blueBare += qBlue(b), r.redBare += qRed(b);
                ++r.n;
            }
        if (r.n) r.change /= 3.0 * r.n;
        return r;
    };
    const Ring middle = measure(0, 0.5), limb = measure(0.9, 0.99);
    ASSERT_GT(middle.n, 1000);
    ASSERT_GT(limb.n, 500);
    // The middle keeps the surface's own colours; the air shows towards the edge, blue.
    EXPECT_LT(middle.change, 8) << "the whole disc is tinted";
    EXPECT_GT(limb.change, 1.5 * middle.change) << "no thicker air along the limb";
    EXPECT_GT(limb.blueAir / std::max(1.0, limb.redAir),
              limb.blueBare / std::max(1.0, limb.redBare))
        << "the air along the limb is not blue";
}
