#include <gtest/gtest.h>

#include <QImage>
#include <cmath>

#include "core/Body.h"
#include "core/BodyPosition.h"
#include "render/Surface.h"
#include "sky/SkyData.h"
#include "support/RenderWorld.h"
#include "support/TestSupport.h"
#include "viewer/widgets/ViewportWidget.h"

// The Viewer's own drawing area with the star field on its surface path: the sky picture
// must end up behind the bodies there too, not laid over the finished frame.
class ViewportWidgetTest : public ServicesTest {};

TEST_F(ViewportWidgetTest, SurfacePathSkyLiesBehindTheBodies) {
    sky::SkyData skyData;
    MemorySettingsStore settings;
    sky::LoadStarData(skyData, settings, QStringLiteral(ORBIVALE_DATA_DIR));
    RenderWorld world(QStringLiteral(ORBIVALE_MEDIA_DIR), &skyData);
    ASSERT_TRUE(world.device);
    world.stars->setUseDrawPrimitives(false);
    world.stars->field().setDrawConstellations(true);
    world.MoveTo("Saturn", Where::Above, "12");

    ViewportWidget widget(world.sim.scene());
    widget.drawOverlay = [&](Surface& sky) {
        world.stars->SurfacePath(world.sim.scene().viewport(), world.camera->Forward(), sky);
    };
    widget.resize(480, 480);
    widget.show();
    const QImage withSky = widget.grabFramebuffer().convertToFormat(QImage::Format_RGB32);
    ASSERT_FALSE(withSky.isNull());
    ASSERT_TRUE(widget.lastFrameOk()) << qPrintable(widget.lastError());
    world.stars->field().setVisualCutOff(-3.0f);
    const QImage bare = widget.grabFramebuffer().convertToFormat(QImage::Format_RGB32);

    const auto& view = world.sim.scene().viewport();
    Body* saturn = world.sim.FindBody(QStringLiteral("Saturn"));
    const scene::Vec4 h = view.transform(saturn->frame()->position(world.sim.scene().root().get()));
    ASSERT_GT(h.w, 0);
    const double ratio = double(withSky.width()) / view.width();
    const double cx = h.x / h.w * ratio, cy = h.y / h.w * ratio;
    const double radius =
        saturn->radii()[0] * kSceneScale / h.w * view.projectionScale() * ratio * 0.9;
    ASSERT_GT(radius, 40);
    int skyPixels = 0, coveredBody = 0;
    for (int y = 0; y < withSky.height(); ++y)
        for (int x = 0; x < withSky.width(); ++x) {
            if (withSky.pixel(x, y) == bare.pixel(x, y)) continue;
            if (std::hypot(x - cx, y - cy) < radius)
                ++coveredBody;
            else
                ++skyPixels;
        }
    EXPECT_GT(skyPixels, 50) << "the sky is not drawn at all";
    EXPECT_EQ(coveredBody, 0) << "stars or figure lines drawn over the planet";
}
