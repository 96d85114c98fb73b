#include <QImage>
#include <cmath>

#include "core/Body.h"
#include "core/BodyPosition.h"
#include "sky/SkyData.h"
#include "sky/SkyMath.h"
#include "support/RenderWorld.h"
#include "support/TestSupport.h"

namespace {

class StarFieldTest : public ServicesTest, public ::testing::WithParamInterface<bool> {
  protected:
    sky::SkyData skyData;
    std::unique_ptr<RenderWorld> world;
    void SetUp() override {
        ServicesTest::SetUp();
        MemorySettingsStore s;
        sky::LoadStarData(skyData, s, QStringLiteral(ORBIVALE_DATA_DIR));
        world = std::make_unique<RenderWorld>(QStringLiteral(ORBIVALE_MEDIA_DIR), &skyData);
        ASSERT_TRUE(world->device);
        world->stars->setUseDrawPrimitives(GetParam());
    }
    void TearDown() override {
        world.reset();
        ServicesTest::TearDown();
    }
    // Points the camera at a place on the sky with north up.
    void LookAt(double raHours, double decDegrees) {
        const scene::Vec3 forward = sky::RaDecToWorld(raHours, decDegrees);
        const scene::Vec3 north = sky::EquatorialToWorld({0, 1, 0});
        world->sim.scene().camera()->setOrientation(world->sim.scene().root().get(), forward,
                                                    north);
        // Far from every body, so that only the sky is in view.
        world->camera->SetSceneOrigin(0, 3e9, 0);
    }
    const sky::StarRecord* Named(const char* name) {
        for (int n = 1; n <= skyData.catalogue.starCount(); ++n) {
            const sky::StarRecord* s = skyData.catalogue.StarByNumber(n);
            if (s->names && s->names->proper == QLatin1String(name)) return s;
        }
        return nullptr;
    }
    static int Brightest(const QImage& img, int x, int y, int r) {
        int best = 0;
        for (int j = -r; j <= r; ++j)
            for (int i = -r; i <= r; ++i) {
                if (x + i < 0 || y + j < 0 || x + i >= img.width() || y + j >= img.height())
                    continue;
                const QRgb p = img.pixel(x + i, y + j);
                best = std::max(best, (qRed(p) + qGreen(p) + qBlue(p)) / 3);
            }
        return best;
    }
};

}  // namespace

TEST_P(StarFieldTest, OrionIsNotMirrored) {
    LookAt(5.6, -1);
    const QImage img = world->Render(600, 600);
    const sky::StarRecord* betelgeuse = Named("Betelgeuse");
    const sky::StarRecord* rigel = Named("Rigel");
    ASSERT_TRUE(betelgeuse && rigel);
    ASSERT_TRUE(betelgeuse->flags & sky::ViewerOnScreen);
    ASSERT_TRUE(rigel->flags & sky::ViewerOnScreen);
    // Betelgeuse (5 h 55 m, +7 deg) lies above and to the left of Rigel (5 h 15 m, -8 deg).
    EXPECT_LT(betelgeuse->viewerX, rigel->viewerX);
    EXPECT_LT(betelgeuse->viewerY, rigel->viewerY);
    // And the picture shows them there.
    EXPECT_GT(Brightest(img, betelgeuse->viewerX, betelgeuse->viewerY, 2), 120);
    EXPECT_GT(Brightest(img, rigel->viewerX, rigel->viewerY, 2), 120);
    // Mirrored positions stay dark.
    const int mx = img.width() - betelgeuse->viewerX;
    if (std::abs(mx - rigel->viewerX) > 10) {
        EXPECT_LT(Brightest(img, mx, betelgeuse->viewerY, 1), 60);
    }
    const auto& stats = world->stars->field().stats();
    EXPECT_GT(stats.drawn, 50);
    EXPECT_GE(stats.frames, 1);
}

TEST_P(StarFieldTest, FiguresAndCutOff) {
    LookAt(5.6, -1);
    world->stars->field().setDrawConstellations(true);
    if (qEnvironmentVariableIsSet("ORBIVALE_SAVE_PICTURES"))
        world->Render(600, 600).save(qEnvironmentVariable("ORBIVALE_SAVE_PICTURES") +
                                     (GetParam() ? "/orion-points.png" : "/orion-surface.png"));
    world->Render(600, 600);
    const int all = world->stars->field().stats().drawn;
    world->stars->field().setVisualCutOff(2.0f);
    world->Render(600, 600);
    const int bright = world->stars->field().stats().drawn;
    EXPECT_LT(bright, all / 5);
    EXPECT_GT(bright, 3);  // Orion's brightest stars remain
}

TEST_P(StarFieldTest, StarsAndFiguresStayBehindSaturn) {
    // From above Saturn, close enough that the planet fills a good part of the view.
    world->stars->field().setDrawConstellations(true);
    world->MoveTo("Saturn", Where::Above, "12");
    const QImage withSky = world->Render(500, 500);
    const auto& view = world->sim.scene().viewport();
    Body* saturn = world->sim.FindBody(QStringLiteral("Saturn"));
    const scene::Vec4 h =
        view.transform(saturn->frame()->position(world->sim.scene().root().get()));
    ASSERT_GT(h.w, 0);
    const double cx = h.x / h.w, cy = h.y / h.w;
    const double radius = saturn->radii()[0] * kSceneScale / h.w * view.projectionScale() * 0.9;
    ASSERT_GT(radius, 40);
    auto inDisc = [&](double x, double y) { return std::hypot(x - cx, y - cy) < radius; };
    // Figure lines run behind the disc: one of their ends, or their middle, falls inside it.
    int crossing = 0;
    world->stars->field().FigureSegments([&](const sky::StarRecord& a, const sky::StarRecord& b) {
        for (double t = 0; t <= 1; t += 0.05)
            if (inDisc(a.viewerX + t * (b.viewerX - a.viewerX),
                       a.viewerY + t * (b.viewerY - a.viewerY))) {
                ++crossing;
                return;
            }
    });
    ASSERT_GT(crossing, 0) << "no figure passes behind the planet: the test shows nothing";

    // The same view with the sky switched off: inside the disc nothing may differ.
    world->stars->field().setVisualCutOff(-3.0f);
    const QImage bare = world->Render(500, 500);
    if (qEnvironmentVariableIsSet("ORBIVALE_SAVE_PICTURES")) {
        const QString dir = qEnvironmentVariable("ORBIVALE_SAVE_PICTURES");
        withSky.save(dir + (GetParam() ? "/saturn-points.png" : "/saturn-surface.png"));
        bare.save(dir + "/saturn-bare.png");
    }
    int skyPixels = 0, coveredBody = 0;
    for (int y = 0; y < withSky.height(); ++y)
        for (int x = 0; x < withSky.width(); ++x) {
            if (withSky.pixel(x, y) == bare.pixel(x, y)) continue;
            if (inDisc(x, y))
                ++coveredBody;
            else
                ++skyPixels;
        }
    EXPECT_GT(skyPixels, 50) << "the sky is not drawn at all";
    EXPECT_EQ(coveredBody, 0) << "stars or figure lines drawn over the planet";
}

INSTANTIATE_TEST_SUITE_P(BothPaths, StarFieldTest, ::testing::Values(true, false),
                         [](const auto& info) { return info.param ? "Primitives" : "Surface"; });
