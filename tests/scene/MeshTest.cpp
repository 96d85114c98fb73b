#include <gtest/gtest.h>

#include "scene/Scene.h"

using namespace scene;

namespace {
// A unit cube's top face as one quad plus a bottom corner.
std::shared_ptr<Mesh> Quad(Scene& s) {
    auto m = s.createMesh();
    const unsigned idx[4] = {0, 1, 2, 3};
    const int g = m->addGroup(4, 1, 4, idx);
    EXPECT_EQ(g, 0);
    Vertex v[4];
    const float xs[4] = {-1, -1, 1, 1}, zs[4] = {-1, 1, 1, -1};
    for (int i = 0; i < 4; ++i) {
        v[i].x = xs[i];
        v[i].y = i == 0 ? -2.f : 1.f;
        v[i].z = zs[i];
        v[i].nx = 0, v[i].ny = 1, v[i].nz = 0;
    }
    EXPECT_TRUE(m->setVertices(0, 0, 4, v));
    return m;
}
}  // namespace

TEST(Mesh, GroupsBoxScaleAndClone) {
    Scene s;
    auto m = Quad(s);
    const unsigned bad[4] = {0, 1, 2, 9};
    EXPECT_EQ(m->addGroup(4, 1, 4, bad), -1);
    EXPECT_FALSE(m->setVertices(3, 0, 1, nullptr));
    EXPECT_FALSE(m->setGroupColour(1, 0));
    Box b = m->boundingBox();
    EXPECT_EQ(b.min.y, -2);
    EXPECT_EQ(b.max.x, 1);

    const auto before = m->revision();
    m->scale(2, 3, 4);
    EXPECT_GT(m->revision(), before);
    b = m->boundingBox();
    EXPECT_EQ(b.max.x, 2);
    EXPECT_EQ(b.min.y, -6);
    EXPECT_EQ(b.max.z, 4);
    EXPECT_NEAR(m->group(0).vertices[1].ny, 1.0f, 1e-6);

    auto texture = s.createTexture(std::make_shared<Image>(4, 4));
    auto material = s.createMaterial(5);
    m->setGroupTexture(0, texture);
    m->setGroupMaterial(0, material);
    m->setGroupQuality(0, Quality::Unlit);
    m->setName(QStringLiteral("original"));
    auto c = m->clone();
    EXPECT_NE(c->serial(), m->serial());
    EXPECT_EQ(c->group(0).texture, texture);
    EXPECT_EQ(c->group(0).quality, Quality::Unlit);
    c->setColour(0x4C0000FF);
    EXPECT_EQ(c->group(0).colour, 0x4C0000FFu);
    EXPECT_EQ(m->group(0).colour, 0xFFFFFFFFu);  // the original is untouched
    EXPECT_EQ(Quality::GouraudLit, 0x89u);
}

TEST(Mesh, ColourConversion) {
    EXPECT_EQ(ArgbFromBgr(0xFFFF0000u), 0xFF0000FFu);  // the Earth's blue
    EXPECT_EQ(ArgbFromBgr(0x00AFFDFDu), 0x00FDFDAFu);
}

TEST(Wrap, CylinderSetsTextureCoordinates) {
    Scene s;
    auto m = s.createMesh();
    const unsigned idx[4] = {0, 1, 2, 3};
    m->addGroup(4, 1, 4, idx);
    Vertex v[4];
    const Vec3 p[4] = {{0, -1, -1}, {1, 1, 0}, {0, 0, 1}, {-1, 0, 0}};
    for (int i = 0; i < 4; ++i)
        v[i].x = float(p[i].x), v[i].y = float(p[i].y), v[i].z = float(p[i].z);
    m->setVertices(0, 0, 4, v);
    Wrap::Parameters w;
    w.originU = 0.5;
    w.originV = -1.0 / 2;  // min y / height
    w.scaleV = -1.0 / 2;
    auto wrap = s.createWrap(w);
    ASSERT_TRUE(wrap->apply(*m));
    const auto& out = m->group(0).vertices;
    EXPECT_NEAR(out[0].u, 0.0, 1e-6);   // -z: longitude 0
    EXPECT_NEAR(out[1].u, 0.25, 1e-6);  // +x
    EXPECT_NEAR(out[2].u, -0.5, 1e-6);  // +z, the same as 0.5 once repeated
    EXPECT_NEAR(out[3].u, -0.25, 1e-6);
    EXPECT_NEAR(out[0].v, 1.0, 1e-6);  // bottom
    EXPECT_NEAR(out[1].v, 0.0, 1e-6);  // top
}
