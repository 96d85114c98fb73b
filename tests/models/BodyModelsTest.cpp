#include <QFile>
#include <QImage>

#include "core/Body.h"
#include "core/SettingsStore.h"
#include "core/Simulation.h"
#include "models/BodyModels.h"
#include "support/FakeDevice.h"
#include "support/TestSupport.h"

TEST(ModelChoice, LevelsAndTextureIndices) {
    EXPECT_EQ(BodyModels::DetailLevelFor(300), 0);
    EXPECT_EQ(BodyModels::DetailLevelFor(300.5), 1);
    EXPECT_EQ(BodyModels::DetailLevelFor(5000), 1);
    EXPECT_EQ(BodyModels::DetailLevelFor(5000.1), 2);
    EXPECT_EQ(BodyModels::WantedTextureIndex(8.9, false), 0);
    EXPECT_EQ(BodyModels::WantedTextureIndex(9, false), 1);
    EXPECT_EQ(BodyModels::WantedTextureIndex(34, false), 2);
    EXPECT_EQ(BodyModels::WantedTextureIndex(64, false), 3);
    EXPECT_EQ(BodyModels::WantedTextureIndex(65, false), 9);
    EXPECT_EQ(BodyModels::WantedTextureIndex(300, true), 0);
    EXPECT_EQ(BodyModels::WantedTextureIndex(301, true), 9);
    EXPECT_EQ(BodyModels::ChooseTextureIndex(2, 0, {0, 3, 9}), 3);
    EXPECT_EQ(BodyModels::ChooseTextureIndex(5, 0, {0, 3, 9}), 9);
    EXPECT_EQ(BodyModels::ChooseTextureIndex(9, 0, {0, 3}), 3);
    EXPECT_EQ(BodyModels::ChooseTextureIndex(0, 2, {0, 1, 2, 9}), 2);
    EXPECT_EQ(BodyModels::ChooseTextureIndex(3, 0, {}), -1);
    EXPECT_EQ(BodyModels::ChooseTextureIndex(-1, 0, {0}), -1);
}

namespace {

class BodyModelsTest : public ServicesTest {
  protected:
    MemorySettingsStore store;
    SimTime wall = MakeSimTime(2026, 12, 8, 0, 0, 0);
    std::unique_ptr<Simulation> sim;
    std::unique_ptr<FakeDevice> device;
    std::unique_ptr<BodyModels> models;

    void SetUp() override {
        ServicesTest::SetUp();
        Services::instance().setMediaDirectory(dir.path());
        Services::instance().setDataDirectory(dir.path());
        for (int i : {0, 1, 2, 3, 9}) {
            QImage img(256 >> std::min(i, 4), 256 >> std::min(i, 4), QImage::Format_RGB32);
            img.fill(qRgb(200, 100, 50));
            img.save(dir.filePath(QStringLiteral("Earth%1.bmp").arg(i)), "BMP");
        }
        sim = std::make_unique<Simulation>(store, [this] { return wall; });
        device = std::make_unique<FakeDevice>(sim->scene(), 1024);
        models = std::make_unique<BodyModels>(*sim, *device, store);
        sim->BuildSolarSystem();
    }
    void TearDown() override {
        models.reset();
        device.reset();
        sim.reset();
        ServicesTest::TearDown();
    }
    Body& Find(const char* name) { return *sim->FindBody(QLatin1String(name)); }
};

}  // namespace

TEST_F(BodyModelsTest, TexturedAndPlainModels) {
    Body& earth = Find("Earth");
    models->SelectModel(earth, 10);  // the first choice reads the numbered textures
    EXPECT_EQ(earth.model.availableTextures, (std::vector<int>{0, 1, 2, 3, 9}));
    EXPECT_EQ(earth.model.level, 0);
    EXPECT_EQ(earth.model.textureIndex, 1);
    ASSERT_TRUE(earth.model.mesh);
    EXPECT_EQ(earth.frame()->visuals().size(), 1u);
    EXPECT_GT(models->memory().total, 0);
    EXPECT_TRUE(Services::instance().systemLog().contains(
        QStringLiteral("Loaded default model (0) for Earth. Used texture 1")));
    const auto total = models->memory().total;
    models->SelectModel(earth, 10.5);  // same level and texture: nothing changes
    EXPECT_EQ(models->memory().total, total);

    Body& mars = Find("Mars");  // no texture files
    models->SelectModel(mars, 400);
    EXPECT_EQ(mars.model.level, 1);
    EXPECT_EQ(mars.model.textureIndex, -1);
    EXPECT_EQ(mars.model.mesh->name(), QStringLiteral("Plain sphere Mars"));
    EXPECT_EQ(mars.model.mesh->group(0).colour, scene::ArgbFromBgr(mars.colour(1)));
    EXPECT_TRUE(Services::instance().systemLog().contains(
        QStringLiteral("Loaded default model (1) for Mars, no texture present")));

    // The Sun's model carries its emissive material; the atmosphere is blue, nearly clear
    // looking straight down and thickening towards its outline.
    models->SelectModel(*sim->sun(), 50);
    EXPECT_EQ(sim->sun()->model.mesh->group(0).material, sim->sun()->material());
    Body& air = Find("EarthAtmos");
    models->SelectModel(air, 20);
    const auto& shell = air.model.mesh->group(0);
    EXPECT_EQ(shell.colour & 0xFFFFFFu, 0x0000FFu);
    EXPECT_LT(shell.colour >> 24, 0x40u);
    EXPECT_TRUE(shell.quality & scene::Quality::LimbOpacity);
}

TEST_F(BodyModelsTest, FarMoonsLoseTheirModelsPlanetsKeepThem) {
    Body& phobos = Find("Phobos");
    Body& mars = Find("Mars");
    models->SelectModel(phobos, 8000);
    EXPECT_EQ(phobos.model.level, 2);
    models->SelectModel(phobos, 20000);
    EXPECT_FALSE(phobos.model.mesh);
    EXPECT_EQ(phobos.model.level, BodyModel::kNone);
    EXPECT_TRUE(phobos.frame()->visuals().empty());
    models->SelectModel(mars, 20000);
    EXPECT_EQ(mars.model.level, 2);
    models->SelectModel(phobos, 8000);
    EXPECT_EQ(phobos.model.level, 2);
}

TEST_F(BodyModelsTest, UserModelsStayAndDetailLevelLimits) {
    Body& earth = Find("Earth");
    ASSERT_TRUE(models->LoadUserModel(earth, 0, QStringLiteral("Earth0.bmp")));
    earth.model.userModel = true;
    models->SelectModel(earth, 50000);
    EXPECT_EQ(earth.model.level, 0);
    models->UnloadModel(earth);
    EXPECT_FALSE(earth.model.userModel);
    EXPECT_EQ(models->memory().total, 0);
    EXPECT_GT(models->memory().peak, 0);

    store.writeInt(QStringLiteral("Simulation"), QStringLiteral("DetailLevel"), 2);
    models->ReadSettings(store);
    models->SelectModel(earth, 2);
    EXPECT_EQ(earth.model.textureIndex, 2);
}

TEST_F(BodyModelsTest, ChooseModelFromTheCamera) {
    Body& earth = Find("Earth");
    sim->UpdateSimulation();
    sim->camera().position = earth.positionKm();  // inside the Earth
    earth.PlaceFrame();
    EXPECT_EQ(sim->ChooseModel(earth), 0);
    sim->camera().position = earth.positionKm() + scene::Vec3{0, 3 * earth.largestRadius(), 0};
    earth.PlaceFrame();
    EXPECT_NEAR(sim->ChooseModel(earth), 2 * earth.largestRadius(), 1);
    EXPECT_EQ(earth.model.level, 0);
}

TEST_F(BodyModelsTest, SaturnsRingsAreAnAnnulus) {
    Body& rings = Find("SaturnRings");
    models->SelectModel(rings, 30);
    ASSERT_TRUE(rings.model.mesh);
    const scene::Box b = rings.model.mesh->boundingBox();
    EXPECT_NEAR(b.max.x, 136775 * 0.004, 0.01);
    EXPECT_NEAR(b.max.y - b.min.y, 0, 1e-6);
    EXPECT_EQ((rings.model.mesh->group(0).colour >> 24), 0xB0u);  // translucent without a picture
}

TEST_F(BodyModelsTest, ABrokenMeshFileIsTriedOnceUntilItChanges) {
    Body& earth = Find("Earth");
    const QString path = dir.filePath(QStringLiteral("Earth0.obj"));
    const auto write = [&](const QByteArray& text) {
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(text);
    };
    write("this is not a mesh\n");
    models->SelectModel(earth, 10);
    ASSERT_EQ(prompter.calls.size(), 1u);  // reported once...
    ASSERT_TRUE(earth.model.mesh);         // ...and the default sphere stands in
    EXPECT_EQ(earth.model.level, 0);
    EXPECT_TRUE(Services::instance().systemLog().contains(
        QStringLiteral("Could not load the model Earth0.obj; the default model is used instead")));
    // Other levels and later steps do not try it again.
    for (double ratio : {10.0, 20.0, 400.0, 10.0}) {
        models->SelectModel(earth, ratio);
        ASSERT_TRUE(earth.model.mesh);
    }
    EXPECT_EQ(prompter.calls.size(), 1u);
    // Once the file is mended, the next choice of that level loads it.
    write("v 0 0 0\nv 1 0 0\nv 0 1 0\nf 1 2 3\n");
    models->SelectModel(earth, 400);
    models->SelectModel(earth, 10);
    EXPECT_EQ(prompter.calls.size(), 1u);
    EXPECT_TRUE(
        Services::instance().systemLog().contains(QStringLiteral("Loaded model (0) for Earth")));
}

TEST_F(BodyModelsTest, AnUnreadablePictureShowsTheBodysColourAndIsToldOnce) {
    // Pictures that exist but cannot be decoded, at every detail level and for the rings.
    // (Detail level 1 by default: Mars takes its picture 1 near and far.)
    for (const char* name : {"Mars1.bmp", "Jupiter0.bmp", "SaturnRings0.bmp"}) {
        QFile f(dir.filePath(QLatin1String(name)));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("BM this is not a picture");
    }
    Body& mars = Find("Mars");
    for (double ratio : {5.0, 400.0}) {  // high detail, then low
        models->SelectModel(mars, ratio);
        ASSERT_TRUE(mars.model.mesh);
        for (int g = 0; g < mars.model.mesh->groupCount(); ++g) {
            EXPECT_FALSE(mars.model.mesh->group(g).texture);
            EXPECT_EQ(mars.model.mesh->group(g).colour,
                      scene::ArgbFromBgr(mars.colour(mars.model.level)));
        }
    }
    models->SelectModel(Find("Jupiter"), 10);
    models->SelectModel(Find("SaturnRings"), 30);
    ASSERT_EQ(prompter.calls.size(), 1u);  // told once in the session...
    EXPECT_TRUE(prompter.calls[0].text.contains(QStringLiteral("Mars1.bmp")));
    const QString log = Services::instance().systemLog().join(u'\n');  // ...each one logged
    for (const char* name : {"Mars1.bmp", "Jupiter0.bmp", "SaturnRings0.bmp"})
        EXPECT_TRUE(
            log.contains(QStringLiteral("Could not read the picture %1").arg(QLatin1String(name))))
            << name;
    // A good picture still textures the sphere.
    models->SelectModel(Find("Earth"), 10);
    EXPECT_TRUE(Find("Earth").model.mesh->group(0).texture);
}

TEST_F(BodyModelsTest, AWideMapUnderASmallTextureLimitIsCutWithoutQuestions) {
    // A 2:1 map four times wider than the limit: sixteen square pieces, no assertion boxes.
    QImage map(256, 128, QImage::Format_RGB32);
    map.fill(qRgb(180, 120, 60));
    ASSERT_TRUE(map.save(dir.filePath(QStringLiteral("Mars0.bmp")), "BMP"));
    models.reset();
    device = std::make_unique<FakeDevice>(sim->scene(), 64);
    models = std::make_unique<BodyModels>(*sim, *device, store);
    models->CreateDefaultMeshes();
    Body& mars = Find("Mars");
    models->SelectModel(mars, 10);
    ASSERT_TRUE(mars.model.mesh);
    ASSERT_EQ(mars.model.mesh->groupCount(), 16);
    for (int g = 0; g < 16; ++g) {
        const auto& texture = mars.model.mesh->group(g).texture;
        ASSERT_TRUE(texture) << g;
        EXPECT_EQ(texture->width(), 64);
        EXPECT_EQ(texture->height(), 64);
    }
    EXPECT_TRUE(prompter.calls.empty());
}
