#pragma once

#include <QImage>
#include <memory>

#include "BodyModels.h"
#include "Camera.h"
#include "DefaultMeshes.h"
#include "GraphicsSystem.h"
#include "RenderDevice.h"
#include "Services.h"
#include "SettingsStore.h"
#include "Simulation.h"

// The whole solar system with real maps, a camera and a render device drawing offscreen.
struct RenderWorld {
    MemorySettingsStore store;
    SimTime wall = MakeSimTime(2026, 12, 8, 0, 0, 0);
    Simulation sim{store, [this] { return wall; }};
    GraphicsSystem graphics;
    std::unique_ptr<RenderDevice> device;
    std::unique_ptr<DefaultMeshes> meshes;
    std::unique_ptr<BodyModels> models;
    CameraControls controls;
    std::unique_ptr<Camera> camera;

    explicit RenderWorld(const QString& mediaDir) {
        Services::instance().setMediaDirectory(mediaDir);
        graphics.CreateMasterObjects(store, GraphicsSystem::Probe{[] { return false; }, [] { return true; }});
        device = RenderDevice::Create(graphics, sim.scene(), store).device;
        if (!device) return;
        meshes = std::make_unique<DefaultMeshes>(sim.scene());
        models = std::make_unique<BodyModels>(sim, *device, *meshes);
        sim.createDefaultMeshes = [this] { meshes->Create(); };
        sim.releaseDefaultMeshes = [this] { meshes->Release(); };
        sim.setModelManager(models.get());
        camera = std::make_unique<Camera>(sim, controls);
        sim.BuildSolarSystem();
        sim.SetClockSpeed(0);
        sim.SetSimTime(MakeSimTime(2026, 12, 8, 0, 0, 0));
    }
    ~RenderWorld() {
        camera.reset();
        sim.DestroySolarSystem();
        device.reset();
    }
    void MoveTo(const char* body, int where, const char* radii) {
        controls.useRadii = true;
        controls.radiiText = QString::fromLatin1(radii);
        camera->MoveCameraTo(sim.FindBody(QLatin1String(body)), where);
    }
    QImage Render(int w = 400, int h = 400) { return device->RenderToImage(w, h); }
};
