#include <gtest/gtest.h>

#include <cmath>

#include "scene/Scene.h"
#include "support/ExpectVec.h"

using namespace scene;

namespace {
constexpr double kPi = 3.14159265358979323846;
}  // namespace

TEST(Frame, RotationAboutXTurnsUpTowardsForward) {
    Scene s;
    auto f = s.createFrame(s.root().get());
    const double t = 0.3;
    f->addRotation(Combine::Before, {1, 0, 0}, t);
    const Orientation o = f->orientation(s.root().get());
    ExpectVec(o.up, {0, std::cos(t), std::sin(t)});
    ExpectVec(o.direction, {0, -std::sin(t), std::cos(t)});
    // A negative turn about y swings forward towards -x.
    auto g = s.createFrame(s.root().get());
    g->addRotation(Combine::Before, {0, 1, 0}, -kPi / 2);
    ExpectVec(g->orientation(s.root().get()).direction, {-1, 0, 0});
}

TEST(Frame, CombineBeforeTurnsInTheFramesOwnAxes) {
    Scene s;
    auto before = s.createFrame(s.root().get());
    before->addRotation(Combine::Before, {1, 0, 0}, kPi / 2);  // tilt: forward becomes -y
    before->addRotation(Combine::Before, {0, 1, 0}, kPi / 2);  // spin about the tilted axis
    // Spinning about the frame's own (tilted) y leaves that axis where the tilt put it.
    ExpectVec(before->orientation(s.root().get()).up, {0, 0, 1});
    ExpectVec(before->orientation(s.root().get()).direction, {1, 0, 0});

    auto after = s.createFrame(s.root().get());
    after->addRotation(Combine::Before, {1, 0, 0}, kPi / 2);
    after->addRotation(Combine::After, {0, 1, 0}, kPi / 2);  // about the parent's y
    // Forward already lies along the parent's y and stays; up swings round to +x.
    ExpectVec(after->orientation(s.root().get()).direction, {0, -1, 0});
    ExpectVec(after->orientation(s.root().get()).up, {1, 0, 0});

    after->addRotation(Combine::Replace, {0, 0, 1}, 0);
    ExpectVec(after->orientation(s.root().get()).direction, {0, 0, 1});
}

TEST(Frame, ManySmallRotationsStayOrthonormal) {
    Scene s;
    auto f = s.createFrame(s.root().get());
    f->addRotation(Combine::Before, {1, 0, 0}, 0.4);
    for (int i = 0; i < 200000; ++i) f->addRotation(Combine::Before, {0, 1, 0}, -0.0123);
    const Orientation o = f->orientation(s.root().get());
    EXPECT_NEAR(Length(o.direction), 1, 1e-12);
    EXPECT_NEAR(Dot(o.direction, o.up), 0, 1e-12);
    ExpectVec(o.up, {0, std::cos(0.4), std::sin(0.4)}, 1e-9);
}

TEST(Frame, LookAtKeepsUpWithoutRoll) {
    Scene s;
    auto eye = s.createFrame(s.root().get());
    auto target = s.createFrame(s.root().get());
    target->setPosition(s.root().get(), {10, 10, 0});
    ASSERT_TRUE(eye->lookAt(*target, LookAtConstraint::NoRoll));
    Orientation o = eye->orientation(s.root().get());
    ExpectVec(o.direction, Normalised(Vec3{1, 1, 0}));
    ExpectVec(o.up, Normalised(Vec3{-1, 1, 0}));        // old up made perpendicular: no roll
    EXPECT_NEAR(Cross(o.up, o.direction).y, 0, 1e-12);  // right stays level

    // Straight up: the old up lies along the new forward, so the old forward serves as up.
    auto eye2 = s.createFrame(s.root().get());
    auto above = s.createFrame(s.root().get());
    above->setPosition(nullptr, {0, 5, 0});
    eye2->lookAt(*above, LookAtConstraint::NoRoll);
    o = eye2->orientation(s.root().get());
    ExpectVec(o.direction, {0, 1, 0});
    ExpectVec(o.up, {0, 0, 1});

    EXPECT_FALSE(eye2->lookAt(*eye2, LookAtConstraint::NoRoll));
}

TEST(Frame, LookAtWithoutConstraintTakesTheShortestTurn) {
    Scene s;
    auto eye = s.createFrame(s.root().get());
    eye->addRotation(Combine::Before, {0, 0, 1}, 0.5);  // rolled
    const Vec3 upBefore = eye->orientation(s.root().get()).up;
    auto target = s.createFrame(s.root().get());
    target->setPosition(nullptr, {0, 0, -7});  // straight behind
    eye->lookAt(*target, LookAtConstraint::Free);
    Orientation o = eye->orientation(s.root().get());
    ExpectVec(o.direction, {0, 0, -1});
    ExpectVec(o.up, upBefore);  // half a turn about up keeps up
    target->setPosition(nullptr, {7, 0, -7});
    eye->lookAt(*target, LookAtConstraint::Free);
    o = eye->orientation(s.root().get());
    ExpectVec(o.direction, Normalised(Vec3{1, 0, -1}));
    // The eighth of a turn about y that moved forward moved up with it: the roll is kept.
    ExpectVec(o.up, RotateVector(upBefore, {0, -1, 0}, kPi / 4));
}

TEST(Frame, PositionsAndOrientationsRelativeToOtherFrames) {
    Scene s;
    auto parent = s.createFrame(s.root().get());
    parent->setPosition(nullptr, {100, 0, 0});
    parent->addRotation(Combine::Before, {0, 1, 0}, -kPi / 2);  // parent's +z is world -x
    auto child = s.createFrame(parent.get());
    child->setPosition(nullptr, {0, 0, 10});  // ten along the parent's forward
    ExpectVec(child->position(s.root().get()), {90, 0, 0});
    ExpectVec(child->position(nullptr), {0, 0, 10});
    child->setPosition(s.root().get(), {100, 5, 0});
    ExpectVec(child->position(nullptr), {0, 5, 0});

    // Orientation relative to another frame, and set back from the same two vectors.
    auto other = s.createFrame(s.root().get());
    other->addRotation(Combine::Before, {1, 0, 0}, kPi / 2);
    const Orientation rel = child->orientation(other.get());
    auto copy = s.createFrame(s.root().get());
    copy->setOrientation(other.get(), rel.direction, rel.up);
    ExpectVec(copy->orientation(s.root().get()).direction,
              child->orientation(s.root().get()).direction);
    ExpectVec(copy->orientation(s.root().get()).up, child->orientation(s.root().get()).up);
    ExpectVec(child->orientation(s.root().get()).direction, {-1, 0, 0});
    // Up (0, 1, 0) of the world is -z in the tilted frame's axes... and forward world -x is -x.
    ExpectVec(rel.direction, {-1, 0, 0});
    ExpectVec(rel.up, {0, 0, -1});
}

TEST(Frame, HierarchyVisualsAndLights) {
    Scene s;
    auto a = s.createFrame(s.root().get());
    auto b = s.createFrame(a.get());
    a->addChild(a);  // refused: itself
    b->addChild(a);  // refused: a cycle
    EXPECT_EQ(a->parent(), s.root().get());
    s.root()->addChild(b);  // moves b
    EXPECT_EQ(b->parent(), s.root().get());
    EXPECT_TRUE(a->children().empty());
    auto mesh = s.createMesh();
    a->addVisual(mesh);
    a->addVisual(mesh);
    EXPECT_EQ(a->visuals().size(), 1u);
    EXPECT_TRUE(a->deleteVisual(mesh.get()));
    EXPECT_FALSE(a->deleteVisual(mesh.get()));
    auto light = s.createLight(LightType::Ambient, {0.1, 0.1, 0.1});
    a->addLight(light);
    EXPECT_EQ(a->lights().size(), 1u);
    b->detach();
    EXPECT_EQ(b->parent(), nullptr);
}

TEST(Scene, EveryObjectIsNamedAndListed) {
    Scene s;
    auto objects = s.objects();
    ASSERT_EQ(objects.size(), 3u);
    EXPECT_EQ(objects[0]->name(), QStringLiteral("Frame: universe"));
    EXPECT_STREQ(objects[0]->className(), "Frame");
    EXPECT_EQ(objects[1]->name(), QStringLiteral("Frame: camera"));
    EXPECT_STREQ(objects[2]->className(), "Viewport");
    {
        auto m = s.createMaterial(0);
        m->setName(SceneName(QStringLiteral("Material:"), QStringLiteral("Sunsurface")));
        EXPECT_EQ(s.objects().size(), 4u);
        EXPECT_EQ(s.objects().back()->name(), QStringLiteral("Material: Sunsurface"));
    }
    EXPECT_EQ(s.objects().size(), 3u);  // released objects leave the list
    EXPECT_EQ(SceneName(QStringLiteral("Frame: "), QStringLiteral("Earth")),
              QStringLiteral("Frame:  Earth"));
}

TEST(Viewport, TransformsWorldPointsToTheScreen) {
    Scene s(800, 600);
    Viewport& v = s.viewport();
    EXPECT_EQ(v.front(), 1.0);
    EXPECT_EQ(v.back(), 32000000.0);
    EXPECT_EQ(v.field(), 0.15);
    Vec4 h = v.transform({0, 0, 10});
    EXPECT_NEAR(h.x / h.w, 400, 1e-9);
    EXPECT_NEAR(h.y / h.w, 300, 1e-9);
    // At the front plane the field is half the width: x = 0.15 lands on the right edge.
    h = v.transform({0.15, 0.15, 1});
    EXPECT_NEAR(h.x / h.w, 800, 1e-9);
    EXPECT_NEAR(h.y / h.w, 300 - 400, 1e-9);  // up is towards the top of the screen
    EXPECT_NEAR(h.z / h.w, 0, 1e-12);
    h = v.transform({0, 0, 32000000.0});
    EXPECT_NEAR(h.z / h.w, 1, 1e-12);
    EXPECT_LT(v.transform({0, 0, -5}).w, 0);  // behind the camera
    // Turning the camera turns the view: looking along +x, a point on +x is centred.
    s.camera()->addRotation(Combine::Before, {0, 1, 0}, kPi / 2);
    h = v.transform({10, 0, 0});
    EXPECT_NEAR(h.x / h.w, 400, 1e-9);
    EXPECT_FALSE(v.setFront(0));
    EXPECT_FALSE(v.setFront(4e7));
    EXPECT_TRUE(v.setFront(900));
}

TEST(VectorHelpers, CrossRotateScale) {
    ExpectVec(Cross({0, 1, 0}, {0, 0, 1}), {1, 0, 0});  // x = y x z
    ExpectVec(RotateVector({0, 1, 0}, {1, 0, 0}, kPi / 2), {0, 0, 1});
    ExpectVec(Normalised({3, 0, 4}), {0.6, 0, 0.8});
    ExpectVec(Normalised({0, 0, 0}), {0, 0, 0});
}
