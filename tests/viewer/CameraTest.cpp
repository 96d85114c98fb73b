#include <QFile>
#include <cmath>

#include "core/Body.h"
#include "core/SavedPosition.h"
#include "core/SettingsStore.h"
#include "core/Simulation.h"
#include "support/ExpectVec.h"
#include "support/TestSupport.h"
#include "viewer/Camera.h"

namespace {

class CameraTest : public ServicesTest {
  protected:
    MemorySettingsStore store;
    SimTime wall = MakeSimTime(2026, 12, 8, 0, 0, 0);
    std::unique_ptr<Simulation> sim;
    CameraControls controls;
    std::unique_ptr<Camera> camera;
    int renders = 0, captions = 0;

    void SetUp() override {
        ServicesTest::SetUp();
        Services::instance().setDataDirectory(dir.path());
        sim = std::make_unique<Simulation>(store, [this] { return wall; });
        sim->BuildSolarSystem();
        camera = std::make_unique<Camera>(*sim, controls);
        camera->renderNow = [this] { ++renders; };
        camera->refreshCaption = [this] { ++captions; };
        sim->UpdateSimulation();  // as the viewer does once the system is built
    }
    void TearDown() override {
        camera.reset();
        sim.reset();
        ServicesTest::TearDown();
    }
    Body* Find(const char* name) { return sim->FindBody(QLatin1String(name)); }
    scene::Vec3 Forward() { return camera->Forward(); }
};

}  // namespace

TEST_F(CameraTest, SunnyAndDarkSides) {
    Body* earth = Find("Earth");
    camera->MoveCameraTo(earth, Where::SunnySide);
    const scene::Vec3 e = earth->positionKm();
    const double d = 10 * earth->largestRadius();
    ExpectVec(sim->camera().position, e - scene::Normalised(e) * d, 1e-3);
    ExpectVec(Forward(), scene::Normalised(e), 1e-6);  // facing the Earth, the Sun behind
    EXPECT_EQ(renders, 1);
    camera->MoveCameraTo(earth, Where::DarkSide);
    ExpectVec(sim->camera().position, earth->positionKm() + scene::Normalised(e) * d, 1e-3);
    ExpectVec(Forward(), scene::Normalised(e) * -1.0, 1e-6);
    // The Sun's frame moves so that the camera stays at the scene origin.
    ExpectVec(sim->sun()->frame()->position(sim->scene().root().get()),
              sim->camera().position * -0.004, 1e-6);

    controls.useRadii = false;
    controls.kmText = QStringLiteral("20000");
    camera->MoveCameraTo(sim->sun(), Where::SunnySide);
    ExpectVec(sim->camera().position, {20000, 0, 0}, 1e-9);
    camera->MoveCameraTo(sim->sun(), Where::DarkSide);
    ExpectVec(sim->camera().position, {-20000, 0, 0}, 1e-9);
    controls.kmText = QStringLiteral("far");  // not a number: the centre
    camera->MoveCameraTo(earth, Where::Above);
    ExpectVec(sim->camera().position, earth->positionKm(), 1e-6);
}

TEST_F(CameraTest, AboveBelowAndAlongTheAxis) {
    Body* mars = Find("Mars");
    controls.radiiText = QStringLiteral("3");
    const double d = 3 * mars->largestRadius();
    camera->MoveCameraTo(mars, Where::Above);
    ExpectVec(sim->camera().position, mars->positionKm() + scene::Vec3{0, d, 0}, 1e-6);
    ExpectVec(Forward(), {0, -1, 0}, 1e-9);
    camera->MoveCameraTo(mars, Where::Below);
    ExpectVec(sim->camera().position, mars->positionKm() - scene::Vec3{0, d, 0}, 1e-6);
    camera->MoveCameraTo(mars, Where::AboveAxis);
    const scene::Vec3 axis = mars->up();
    EXPECT_NEAR(std::acos(axis.y) * 180 / 3.14159265, 25.19, 1e-4);  // Mars' tilt
    ExpectVec(sim->camera().position, mars->positionKm() + axis * d, 1e-6);
    camera->MoveCameraTo(mars, Where::BelowAxis);
    ExpectVec(sim->camera().position, mars->positionKm() - axis * d, 1e-6);
    camera->MoveCameraTo(mars, Where::Centre);
    ExpectVec(sim->camera().position, mars->positionKm(), 1e-6);
    camera->MoveCameraTo(nullptr, Where::SunnySide);  // no target: nothing happens
    ExpectVec(sim->camera().position, mars->positionKm(), 1e-6);
}

TEST_F(CameraTest, HoldPositionCarriesTheCamera) {
    Body* moon = Find("Moon");
    sim->SetClockSpeed(3600);
    camera->MoveCameraTo(moon, Where::SunnySide);
    const scene::Vec3 before = sim->camera().position;
    const scene::Vec3 offset = moon->positionKm() - before;
    camera->MoveCameraTo(moon, Where::HoldPosition);
    ExpectVec(sim->camera().position, before, 1e-9);  // holding does not move it
    EXPECT_EQ(sim->camera().mode, CameraMode::Holding);
    camera->SetThrottle(300);  // speed is kept but has no effect
    wall += 60;
    sim->UpdateSimulation();
    ExpectVec(moon->positionKm() - sim->camera().position, offset, 1e-3);
    EXPECT_GT(scene::Length(sim->camera().position - before), 1000);
    camera->StopCamera();
    EXPECT_EQ(sim->camera().mode, CameraMode::FreeFlight);
    EXPECT_EQ(sim->camera().speed, 0);
    EXPECT_EQ(controls.throttle, 0);
}

TEST_F(CameraTest, ThrottleAndSpeed) {
    EXPECT_EQ(Camera::ThrottleToSpeed(0), 0);
    EXPECT_NEAR(Camera::ThrottleToSpeed(1), 1.023, 0.001);
    EXPECT_NEAR(Camera::ThrottleToSpeed(100), 10, 1e-12);
    EXPECT_NEAR(Camera::ThrottleToSpeed(250), 316.2, 0.05);
    EXPECT_NEAR(Camera::ThrottleToSpeed(-500), -100000, 1e-6);
    int told = 0;
    controls.throttleChanged = [&](int p) { told = p; };
    // A speed goes to the position whose speed is nearest, not the one below it.
    camera->SetCameraSpeed(50);
    EXPECT_EQ(controls.throttle, 170);
    EXPECT_EQ(told, 170);
    EXPECT_NEAR(sim->camera().speed, 50.12, 0.01);
    camera->SetCameraSpeed(1.8);
    EXPECT_EQ(controls.throttle, 26);
    camera->SetCameraSpeed(-1e9);
    EXPECT_EQ(controls.throttle, -500);
    camera->SetCameraSpeed(0.9);  // nearer 1.023 km/s than rest
    EXPECT_EQ(controls.throttle, 1);
    camera->SetCameraSpeed(-0.3);  // nearer rest
    EXPECT_EQ(controls.throttle, 0);
    EXPECT_EQ(sim->camera().speed, 0);
    camera->SetCameraSpeed(std::nan(""));
    EXPECT_EQ(controls.throttle, 0);
    camera->SetThrottle(9999);
    EXPECT_EQ(controls.throttle, 500);
}

TEST_F(CameraTest, SavedSpeedComesBackAndSavesTheSameFile) {
    const PositionContext context{[](const QString&) { return true; }, 10, 3};
    const auto fileOf = [&](const QString& name) {
        ViewState s;
        s.cameraSpeed = sim->camera().speed;
        const QString path = dir.filePath(name);
        EXPECT_TRUE(SavePosition(s, path));
        QFile f(path);
        EXPECT_TRUE(f.open(QIODevice::ReadOnly));
        // The time of saving is the one line that may differ between two saves.
        QByteArray text;
        while (!f.atEnd()) {
            const QByteArray line = f.readLine();
            if (!line.startsWith("SaveTime=")) text += line;
        }
        return text;
    };
    int moved = 0;
    for (int p = CameraControls::kThrottleMin; p <= CameraControls::kThrottleMax; ++p) {
        camera->SetThrottle(p);
        const QByteArray first = fileOf(QStringLiteral("first.ov"));
        ViewState restored;
        ASSERT_TRUE(RestorePosition(dir.filePath(QStringLiteral("first.ov")), context, restored));
        camera->SetThrottle(0);
        camera->SetCameraSpeed(restored.cameraSpeed);
        // One decimal cannot tell the slowest positions apart, but the file must not drift.
        ASSERT_EQ(fileOf(QStringLiteral("second.ov")), first) << "throttle " << p;
        EXPECT_EQ(controls.throttle < 0, p < 0) << "throttle " << p;
        moved += controls.throttle != p;
    }
    // Only where a tenth of a km/s spans several positions may the position differ.
    EXPECT_LT(moved, 60);
    camera->SetThrottle(270);
    fileOf(QStringLiteral("a.ov"));
    ViewState restored;
    ASSERT_TRUE(RestorePosition(dir.filePath(QStringLiteral("a.ov")), context, restored));
    camera->SetCameraSpeed(restored.cameraSpeed);
    EXPECT_EQ(controls.throttle, 270);
}

TEST_F(CameraTest, FasterAndSlowerKeys) {
    camera->SetCameraSpeed(1.0);
    const double start = sim->camera().speed;
    camera->Faster();
    EXPECT_GT(sim->camera().speed, start);
    EXPECT_NEAR(sim->camera().speed, start * 1.1, start * 0.03);
    camera->StopCamera();
    camera->Faster();  // a stopped camera starts forwards
    EXPECT_GT(sim->camera().speed, 0);
    for (int p = CameraControls::kThrottleMin; p <= CameraControls::kThrottleMax; ++p) {
        const int faster = Camera::FasterThrottle(p), slower = Camera::SlowerThrottle(p);
        const double v = Camera::ThrottleToSpeed(p);
        if (p != 0 && std::abs(p) < CameraControls::kThrottleMax) {
            EXPECT_GT(std::fabs(Camera::ThrottleToSpeed(faster)), std::fabs(v)) << p;
        }
        if (p != 0) {
            EXPECT_EQ(faster > 0, p > 0) << p;  // never stops, never turns round
            EXPECT_LT(std::fabs(Camera::ThrottleToSpeed(slower)), std::fabs(v)) << p;
        }
        EXPECT_GE(Camera::ThrottleToSpeed(slower) * v, 0) << p;  // never reverses
    }
    EXPECT_EQ(Camera::FasterThrottle(500), 500);
    EXPECT_EQ(Camera::FasterThrottle(-500), -500);
    // Holding '-' brings a flying camera to rest and keeps it there.
    camera->SetThrottle(-37);
    for (int i = 0; i < 100; ++i) camera->Slower();
    EXPECT_EQ(controls.throttle, 0);
    EXPECT_EQ(sim->camera().speed, 0);
}

TEST_F(CameraTest, FlightFollowsSimulatedTime) {
    camera->MoveCameraTo(Find("Jupiter"), Where::SunnySide);
    camera->SetThrottle(100);  // 10 km/s
    const scene::Vec3 start = sim->camera().position;
    const scene::Vec3 forward = Forward();
    sim->SetClockSpeed(0);
    wall += 100;
    sim->UpdateSimulation();
    ExpectVec(sim->camera().position, start, 1e-9);  // frozen time: no flight
    sim->SetClockSpeed(60);
    wall += 2;  // 120 simulated seconds
    sim->UpdateSimulation();
    ExpectVec(sim->camera().position, start + forward * 1200.0, 1e-6);
}

TEST_F(CameraTest, PadRatesTurnOnlyWithTheControlsOpen) {
    sim->camera().padRates = {0.1f, 0, 0};
    const scene::Vec3 before = Forward();
    sim->UpdateSimulation();
    ExpectVec(Forward(), before, 1e-12);
    controls.windowOpen = true;
    sim->UpdateSimulation();
    EXPECT_NEAR(scene::Dot(Forward(), before), std::cos(0.1), 1e-6);
    camera->LookAtTarget(Find("Venus"));
    EXPECT_EQ(sim->camera().padRates[0], 0.0f);
}

TEST_F(CameraTest, NearestBodyAndFrontClip) {
    EXPECT_EQ(FrontClipStep(7300000), 5000000);
    EXPECT_EQ(FrontClipStep(3), 5);
    EXPECT_EQ(FrontClipStep(40000000), 30000000);
    EXPECT_EQ(FrontClipStep(20000000), 15000000);
    EXPECT_EQ(FrontClipStep(5.5), 5);
    EXPECT_EQ(FrontClipStep(1500), 1000);

    Body* mars = Find("Mars");
    camera->MoveCameraTo(mars, Where::SunnySide);  // 10 radii
    EXPECT_EQ(sim->camera().nearestBody, mars);
    EXPECT_NEAR(sim->camera().nearestDistance, 9 * mars->largestRadius(), 1);
    EXPECT_EQ(sim->camera().lastClipStep, 10000);
    EXPECT_NEAR(sim->scene().viewport().front(), 10000 * 0.9 * 0.004, 1e-9);
    EXPECT_NEAR(sim->scene().viewport().field(), 0.15 * 10000 * 0.9 * 0.004, 1e-9);
    camera->MoveCameraTo(mars, Where::Centre);  // inside: Mars no longer counts
    EXPECT_NE(sim->camera().nearestBody, mars);
}

TEST_F(CameraTest, ZoomPositions) {
    camera->SetZoom(30);
    EXPECT_EQ(controls.cameraField, 1);
    EXPECT_DOUBLE_EQ(sim->camera().zoom, 30);
    camera->SetZoom(1);
    EXPECT_EQ(controls.cameraField, 30);
    EXPECT_DOUBLE_EQ(sim->camera().zoom, 1);
    camera->SetZoom(0.294);
    EXPECT_EQ(controls.cameraField, 102);
    EXPECT_NEAR(sim->camera().zoom, 0.294, 0.001);
    camera->SetZoom(0);
    EXPECT_EQ(controls.cameraField, 102);
    // The zoom narrows the field at the next tick.
    camera->SetCameraField(1);
    sim->UpdateSimulation();
    EXPECT_NEAR(sim->scene().viewport().field(), 0.15 * sim->scene().viewport().front() / 30, 1e-9);
}

TEST_F(CameraTest, LockOnKeepsFacingTheTarget) {
    Body* earth = Find("Earth");
    camera->MoveCameraTo(Find("Moon"), Where::SunnySide);
    controls.target = earth;
    controls.lockOn = true;
    sim->SetClockSpeed(86400);
    wall += 1;
    sim->UpdateSimulation();
    ExpectVec(Forward(), scene::Normalised(earth->positionKm() - sim->camera().position), 1e-6);
}

TEST_F(CameraTest, SceneOriginMovesTheWorld) {
    camera->SetSceneOrigin(1e8, 2e7, -3e6);
    ExpectVec(sim->camera().position, {1e8, 2e7, -3e6}, 1e-9);
    Body* venus = Find("Venus");
    ExpectVec(venus->frame()->position(sim->scene().root().get()),
              (venus->positionKm() - sim->camera().position) * 0.004, 1e-3);
}
