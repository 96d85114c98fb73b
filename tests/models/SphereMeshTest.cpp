#include <QImage>
#include <cmath>

#include "core/Services.h"
#include "models/DefaultMeshes.h"
#include "models/SphereMesh.h"
#include "support/FakeDevice.h"
#include "support/TestSupport.h"

namespace {

int Quads(const scene::Mesh& m, int group) {
    return static_cast<int>(m.group(group).indices.size() / 4);
}

void ExpectUvInRange(const scene::Mesh& m) {
    for (int g = 0; g < m.groupCount(); ++g)
        for (const auto& v : m.group(g).vertices) {
            ASSERT_GE(v.u, 0.0015f);
            ASSERT_LE(v.u, 0.9985f);
            ASSERT_GE(v.v, 0.0015f);
            ASSERT_LE(v.v, 0.9985f);
        }
}

class SphereMeshTest : public ServicesTest {
  protected:
    scene::Scene scene;
    void WriteMap(const char* name, int width) {
        QImage img(width, width, QImage::Format_RGB32);
        img.fill(qRgb(40, 90, 200));
        ASSERT_TRUE(img.save(dir.filePath(QLatin1String(name)), "BMP"));
    }
};

}  // namespace

TEST(Sphere, PositionsOfLongitudeAndLatitude) {
    const scene::Vec3 east = LatLonToVector(6, 0), zero = LatLonToVector(0, 0),
                      pole = LatLonToVector(13, 90);
    EXPECT_NEAR(east.x, 1, 1e-12);
    EXPECT_NEAR(east.z, 0, 1e-12);
    EXPECT_NEAR(zero.z, -1, 1e-12);
    EXPECT_NEAR(zero.x, 0, 1e-12);
    EXPECT_NEAR(pole.y, 1, 1e-12);
}

TEST_F(SphereMeshTest, DefaultMeshesAsTabled) {
    DefaultMeshes meshes(scene);
    meshes.Create();
    const auto& hires = *meshes.slot(DefaultMeshes::Hires);
    EXPECT_EQ(hires.groupCount(), 1);
    EXPECT_EQ(Quads(hires, 0), 36 * 48);
    EXPECT_EQ(hires.name(), QStringLiteral("Default mesh 0 "));
    const auto& four = *meshes.slot(DefaultMeshes::FourPiece);
    EXPECT_EQ(four.groupCount(), 4);
    EXPECT_EQ(Quads(four, 3), 18 * 24);
    const auto& sixteen = *meshes.slot(DefaultMeshes::SixteenPiece);
    EXPECT_EQ(sixteen.groupCount(), 16);
    EXPECT_EQ(Quads(sixteen, 5), 9 * 18);
    const auto& sixtyFour = *meshes.slot(DefaultMeshes::SixtyFourPiece);
    EXPECT_EQ(sixtyFour.groupCount(), 64);
    for (int g = 0; g < 64; ++g) ASSERT_EQ(Quads(sixtyFour, g), 81);
    EXPECT_EQ(Quads(*meshes.slot(DefaultMeshes::Lowres), 0), 18 * 24);
    const auto& real = *meshes.slot(DefaultMeshes::RealLowres);
    EXPECT_EQ(Quads(real, 0), 16);
    EXPECT_EQ(real.name(), QStringLiteral("Default real lowres mesh "));
    for (int s = 0; s < 6; ++s) ExpectUvInRange(*meshes.slot(DefaultMeshes::Slot(s)));

    // Group 0 of the 64-piece sphere: latitudes 67.5 to 90, longitudes 0 to 3 hours.
    double minLat = 90, maxLat = -90, maxLon = 0;
    for (const auto& v : sixtyFour.group(0).vertices) {
        const double lat = std::asin(std::clamp(double(v.y), -1.0, 1.0)) * 180 / 3.14159265358979;
        minLat = std::min(minLat, lat);
        maxLat = std::max(maxLat, lat);
        double hours = (std::atan2(v.z, v.x) / (2 * 3.14159265358979)) * 24 + 6;
        if (hours < 0) hours += 24;
        if (hours > 23.9) hours -= 24;  // longitude 0 seen from just below
        if (std::cos(lat * 3.14159265358979 / 180) > 1e-3) maxLon = std::max(maxLon, hours);
    }
    EXPECT_NEAR(minLat, 67.5, 1e-3);
    EXPECT_NEAR(maxLat, 90, 1e-3);
    EXPECT_NEAR(maxLon, 3, 1e-3);
    // Normals are the positions; every vertex is white.
    const auto& v = hires.group(0).vertices[100];
    EXPECT_EQ(v.nx, v.x);
    EXPECT_EQ(v.colour, 0xFFFFFFFFu);
    EXPECT_EQ(hires.group(0).quality, 0x89u);
}

TEST_F(SphereMeshTest, ClonesAndPlainSpheres) {
    DefaultMeshes meshes(scene);
    EXPECT_FALSE(meshes.GetPlainSphere(0).has_value());  // nothing built yet
    meshes.Create();
    auto lowres = meshes.GetPlainSphere(1);
    ASSERT_TRUE(lowres);
    EXPECT_EQ(lowres->mesh->name(), QStringLiteral("Mesh plain: lowres"));
    EXPECT_NE(lowres->mesh, meshes.slot(DefaultMeshes::Lowres));
    EXPECT_EQ(meshes.GetPlainSphere(2)->mesh->name(), QStringLiteral("Mesh plain: real lowres"));
    EXPECT_EQ(meshes.GetPlainSphere(7)->mesh->name(), QStringLiteral("Mesh plain: hires"));
}

TEST_F(SphereMeshTest, TexturedSpheresSplitMapsWiderThanTheDevice) {
    Services::instance().setMediaDirectory(dir.path());
    DefaultMeshes meshes(scene);
    meshes.Create();
    FakeDevice device(scene, 1024);
    WriteMap("Map1024.bmp", 1024);
    WriteMap("Map2048.bmp", 2048);
    WriteMap("Map4096.bmp", 4096);
    auto one = meshes.GetTexturedSphere(0, QStringLiteral("Map1024.bmp"), device);
    EXPECT_EQ(one->mesh->groupCount(), 1);
    EXPECT_EQ(one->mesh->name(), QStringLiteral("Mesh 1 piece: Map1024.bmp"));
    EXPECT_EQ(one->mesh->group(0).texture->name(), QStringLiteral("Tex: Map1024.bmp"));
    auto four = meshes.GetTexturedSphere(0, QStringLiteral("Map2048.bmp"), device);
    EXPECT_EQ(four->mesh->groupCount(), 4);
    EXPECT_EQ(four->mesh->group(3).texture->width(), 1024);
    EXPECT_EQ(four->mesh->group(2).texture->name(), QStringLiteral("Tex2:Map2048.bmp"));
    auto sixteen = meshes.GetTexturedSphere(0, QStringLiteral("Map4096.bmp"), device);
    EXPECT_EQ(sixteen->mesh->groupCount(), 16);
    EXPECT_EQ(sixteen->mesh->name(), QStringLiteral("Mesh 16 piece: Map4096.bmp"));
    FakeDevice tiny(scene, 256);
    auto wide = meshes.GetTexturedSphere(0, QStringLiteral("Map4096.bmp"),
                                         tiny);  // more than 8x: one texture
    EXPECT_EQ(wide->mesh->groupCount(), 1);
    FakeDevice small(scene, 512);
    EXPECT_EQ(meshes.GetTexturedSphere(0, QStringLiteral("Map4096.bmp"), small)->mesh->groupCount(),
              64);
    // Low detail never splits; a missing file gives the plain sphere.
    EXPECT_EQ(meshes.GetTexturedSphere(1, QStringLiteral("Map4096.bmp"), small)->mesh->groupCount(),
              1);
    EXPECT_EQ(meshes.GetTexturedSphere(0, QStringLiteral("Nothing.bmp"), small)->mesh->name(),
              QStringLiteral("Mesh plain: hires"));
}

TEST_F(SphereMeshTest, ScaleToRadii) {
    DefaultMeshes meshes(scene);
    meshes.Create();
    auto m = meshes.GetPlainSphere(0);
    ScaleMeshTo(*m->mesh, 1000, 500, 250);
    const scene::Box b = m->mesh->boundingBox();
    EXPECT_NEAR(b.max.x - b.min.x, 8, 1e-4);  // 2 x 1000 km x 0.004
    EXPECT_NEAR(b.max.y - b.min.y, 4, 1e-4);
    EXPECT_NEAR(b.max.z - b.min.z, 2, 1e-3);
}
