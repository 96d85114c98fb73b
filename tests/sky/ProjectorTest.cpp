#include <gtest/gtest.h>

#include "scene/Scene.h"
#include "sky/StarField.h"

namespace {

// A 640 x 480 view looking along +z with +y up: 640 pixels per unit of x / z.
struct View {
    scene::Scene scene{640, 480};
    View() {
        scene.viewport().setBack(1e7);
        scene.viewport().setFront(1.0);
        scene.viewport().setField(0.5);
        scene.camera()->setOrientation(scene.root().get(), {0, 0, 1}, {0, 1, 0});
    }
};

}  // namespace

TEST(ProjectorTest, OnlyPointsBehindTheViewerHaveNoPosition) {
    View v;
    const sky::Projector projector(v.scene.viewport());
    const auto centre = projector.project({0, 0, 1000});
    EXPECT_TRUE(centre.visible);
    EXPECT_EQ(centre.x, 320);
    EXPECT_EQ(centre.y, 240);

    // In front but off the picture to the right: not visible, yet its pixel is known.
    const auto right = projector.project({2000, 0, 1000});
    EXPECT_FALSE(right.visible);
    EXPECT_FALSE(right.behind());
    EXPECT_EQ(right.x, 320 + 2 * 640);
    EXPECT_EQ(right.y, 240);
    // Above the top edge, and on the top-left guard row: the same.
    const auto above = projector.project({0, 1, 1});
    EXPECT_FALSE(above.visible);
    EXPECT_EQ(above.y, 240 - 640);
    EXPECT_FALSE(projector.project({-500, 0, 1000}).visible);  // x = 0
    EXPECT_TRUE(projector.project({-498, 0, 1000}).visible);   // x = 1
    // Nearer than the front plane or beyond the back one: in front, not drawn, positioned.
    const auto near = projector.project({0, 0, 0.5});
    EXPECT_FALSE(near.visible);
    EXPECT_EQ(near.x, 320);
    const auto far = projector.project({0, 0, 2e7});
    EXPECT_FALSE(far.visible);
    EXPECT_FALSE(far.behind());

    // Behind the viewer, or level with it: no position at all.
    for (const scene::Vec3 p :
         {scene::Vec3{0, 0, -1000}, scene::Vec3{500, 20, -1}, scene::Vec3{100, 0, 0}}) {
        const auto behind = projector.project(p);
        EXPECT_FALSE(behind.visible);
        EXPECT_TRUE(behind.behind());
        EXPECT_EQ(behind.x, sky::Projector::kNoPosition);
        EXPECT_EQ(behind.y, sky::Projector::kNoPosition);
    }
    // Almost level with the viewer the pixel is far off, but never the "no position" value.
    const auto edge = projector.project({1e6, 0, 1e-9});
    EXPECT_FALSE(edge.behind());
    EXPECT_FALSE(edge.visible);
}

TEST(ProjectorTest, SkyObjectsTurnTowardsANorthPointOffThePicture) {
    View v;
    const sky::Projector projector(v.scene.viewport());
    // An object just below the top edge whose north lies above the picture, up and to the
    // left (tilted by atan(0.0346 / 0.06), about 30 degrees).
    const auto centre = projector.project(scene::Vec3{0, 0.36, 1} * 1e6);
    const auto north = projector.project(scene::Vec3{-0.0346, 0.42, 1} * 1e6);
    ASSERT_TRUE(centre.visible);
    ASSERT_FALSE(north.visible);
    EXPECT_NEAR(sky::SkyObjectAngle(centre, north), 30, 2);
    // Tilted the other way, the angle changes sign.
    const auto other = projector.project(scene::Vec3{0.0346, 0.42, 1} * 1e6);
    EXPECT_NEAR(sky::SkyObjectAngle(centre, other), -30, 2);
    // North straight up: upright; north behind the viewer: upright, as there is no direction.
    EXPECT_EQ(sky::SkyObjectAngle(centre, projector.project(scene::Vec3{0, 0.5, 1} * 1e6)), 0);
    EXPECT_EQ(sky::SkyObjectAngle(centre, projector.project({0, 1, -1})), 0);
}
