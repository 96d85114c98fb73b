#pragma once

#include <memory>

#include "core/Body.h"
#include "core/SettingsStore.h"
#include "core/Simulation.h"
#include "support/TestSupport.h"
#include "viewer/Camera.h"

// The assembled solar system on 8 December 2026 at 00:00 UT with time standing still, and
// a camera: what the map draws.
class MapWorldTest : public ServicesTest {
  protected:
    MemorySettingsStore store;
    SimTime wall = MakeSimTime(2026, 12, 8, 0, 0, 0);
    std::unique_ptr<Simulation> sim;
    CameraControls controls;
    std::unique_ptr<Camera> camera;

    void SetUp() override {
        ServicesTest::SetUp();
        Services::instance().setDataDirectory(dir.path());
#ifdef ORBIVALE_MEDIA_DIR
        Services::instance().setMediaDirectory(QStringLiteral(ORBIVALE_MEDIA_DIR "/"));
#endif
        sim = std::make_unique<Simulation>(store, [this] { return wall; });
        sim->BuildSolarSystem();
        sim->SetClockSpeed(0);
        camera = std::make_unique<Camera>(*sim, controls);
        sim->UpdateSimulation();
    }
    void TearDown() override {
        camera.reset();
        sim.reset();
        ServicesTest::TearDown();
    }
    Body* Find(const char* name) const {
        return sim->FindBody(QLatin1String(name));
    }
};
