#pragma once

#include <QImage>
#include <memory>

#include "core/Services.h"
#include "core/SettingsStore.h"
#include "core/Simulation.h"
#include "models/BodyModels.h"
#include "render/GraphicsSystem.h"
#include "render/Surface.h"
#include "render/gl/RenderDevice.h"
#include "sky/StarFieldView.h"
#include "viewer/Camera.h"

// The whole solar system with real maps, a camera and a render device drawing offscreen.
struct RenderWorld {
    MemorySettingsStore store;
    SimTime wall = MakeSimTime(2026, 12, 8, 0, 0, 0);
    Simulation sim{store, [this] { return wall; }};
    GraphicsSystem graphics;
    std::unique_ptr<RenderDevice> device;
    std::unique_ptr<BodyModels> models;
    CameraControls controls;
    std::unique_ptr<Camera> camera;
    std::unique_ptr<StarFieldView> stars;

    // With sky data, the star field is drawn too (on the path "StarsUseDrawPrim" chooses).
    explicit RenderWorld(const QString& mediaDir, sky::SkyData* sky = nullptr) {
        Services::instance().setMediaDirectory(mediaDir);
        graphics.CreateMasterObjects(
            store, GraphicsSystem::Probe{[] { return false; }, [] { return true; }});
        device = RenderDevice::Create(graphics, sim.scene(), store).device;
        if (!device) return;
        models = std::make_unique<BodyModels>(sim, *device, store);
        camera = std::make_unique<Camera>(sim, controls);
        if (sky) {
            stars = std::make_unique<StarFieldView>(*sky, Services::instance().mediaDirectory());
            sim.starFieldCallback = [this](scene::UserVisualContext& context) {
                return stars->DevicePath(context, camera->Forward());
            };
            device->drawBackground = [this](QImage& picture) {
                Surface target(picture);
                stars->SurfacePath(sim.scene().viewport(), camera->Forward(), target);
                picture = target.image();
            };
        }
        sim.BuildSolarSystem();
        sim.SetClockSpeed(0);
        sim.SetSimTime(MakeSimTime(2026, 12, 8, 0, 0, 0));
    }
    ~RenderWorld() {
        if (device) device->drawBackground = nullptr;
        camera.reset();
        sim.DestroySolarSystem();
        models.reset();
        device.reset();
    }
    void MoveTo(const char* body, Where where, const char* radii) {
        controls.useRadii = true;
        controls.radiiText = QString::fromLatin1(radii);
        camera->MoveCameraTo(sim.FindBody(QLatin1String(body)), where);
    }
    QImage Render(int w = 400, int h = 400) { return device->RenderToImage(w, h); }
};
