#include "console/SimulationConsoleHost.h"

#include "core/Body.h"
#include "core/Services.h"
#include "core/Simulation.h"
#include "viewer/Camera.h"

SimulationConsoleHost::SimulationConsoleHost(Simulation& sim, Camera& camera)
    : sim_(sim), camera_(camera) {}

scene::Vec3 SimulationConsoleHost::CameraPosition() const {
    return sim_.camera().position;
}

void SimulationConsoleHost::SetCameraPosition(const scene::Vec3& p) {
    // Moves the Sun's frame with the origin too, so the scene is right before the next frame.
    camera_.SetSceneOrigin(p.x, p.y, p.z);
}

scene::Vec3 SimulationConsoleHost::CameraDirection() const {
    const scene::Scene& s = sim_.scene();
    return s.camera()->orientation(s.root().get()).direction;
}

scene::Vec3 SimulationConsoleHost::CameraUp() const {
    const scene::Scene& s = sim_.scene();
    return s.camera()->orientation(s.root().get()).up;
}

void SimulationConsoleHost::ViewerTick() {
    if (viewerTick)
        viewerTick();
    else
        sim_.UpdateSimulation();
}

std::optional<QString> SimulationConsoleHost::FindBody(const QString& name) const {
    if (name.isEmpty()) return std::nullopt;
    const Body* body = sim_.FindBody(name);
    if (!body) return std::nullopt;
    return body->name();
}

bool SimulationConsoleHost::LoadUserModel(const QString& name, const QString& textureFile,
                                          const QString& choiceText) {
    Body* body = sim_.FindBody(name);
    if (!body) return false;
    if (ModelManager* models = sim_.modelManager())
        if (!models->LoadUserModel(*body, 0, textureFile)) return false;
    body->model.userModel = true;
    body->model.userModelText = choiceText;
    return true;
}

void SimulationConsoleHost::UnloadModel(const QString& name) {
    Body* body = sim_.FindBody(name);
    if (!body) return;
    if (ModelManager* models = sim_.modelManager()) models->UnloadModel(*body);
    body->model.userModel = false;
}

QString SimulationConsoleHost::MediaDirectory() const {
    QString dir = Services::instance().mediaDirectory();
    while (dir.size() > 1 && dir.endsWith(QLatin1Char('/'))) dir.chop(1);
    return dir;
}

void SimulationConsoleHost::OpenHelpTopic(const QString& topic) {
    if (openHelp) openHelp(topic);
}
