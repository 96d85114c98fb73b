#include "shell/Session.h"

#include <QTextStream>

#include "core/Body.h"
#include "core/Log.h"
#include "core/Services.h"
#include "location/CurrentLocation.h"
#include "shell/StartupPaths.h"

namespace {
std::unique_ptr<SettingsStore> OpenSettings(const CommandLine& commandLine) {
    auto store = std::make_unique<IniSettingsStore>(commandLine.settingsDir);
    SetUpFolders(*store);
    return store;
}
}  // namespace

Session::Session(const CommandLine& commandLine)
    : commandLine_(commandLine),
      settings_(OpenSettings(commandLine)),
      simulation_(*settings_),
      camera_(simulation_, cameraControls_) {
    if (commandLine_.precise) simulation_.SetEphemerisModel(EphemerisModel::Precise);
}

bool Session::FindCommandLineLocation() {
    place_.reset();
    if (commandLine_.location.isEmpty()) return true;
    const std::optional<NamedLocation> found = FindLocation(commandLine_.location);
    if (!found) {
        QTextStream(stderr) << "Unknown location: " << commandLine_.location << "\n";
        return false;
    }
    place_ = CurrentLocation::FromPlace(*found, 0);
    return true;
}

void Session::LoadStars() {
    sky::LoadStarData(sky_, *settings_, Services::instance().dataDirectory());
}

bool Session::CreateDevice() {
    auto result = RenderDevice::Create(graphics_, simulation_.scene(), *settings_);
    if (result.fatal || !result.device) return false;
    device_ = std::move(result.device);
    device_->setUseOurTextures(settings_->get(settings::UseOurTextures));
    models_ = std::make_unique<BodyModels>(simulation_, *device_, *settings_);
    stars_ = std::make_unique<StarFieldView>(sky_, Services::instance().mediaDirectory());
    stars_->setUseDrawPrimitives(settings_->get(settings::StarsUseDrawPrim));
    simulation_.starFieldCallback = [this](scene::UserVisualContext& context) {
        return stars_->DevicePath(context, camera_.Forward());
    };
    return true;
}

void Session::BuildSolarSystem() {
    simulation_.BuildSolarSystem();
    ApplyCommandLineClock(simulation_, commandLine_);
    if (place_) SetCurrentLocation(simulation_, *place_, nullptr);
}

void Session::FillViewState(ViewState& state) const {
    const CameraState& cam = simulation_.camera();
    state.ut = cam.lastTickTime;
    state.cameraPosition = cam.position;
    state.simSpeed = simulation_.ClockSpeed();
    state.mode = cam.mode;
    state.modeBody = cam.modeBody ? cam.modeBody->name() : QString();
    state.modeOffset = cam.modeOffset;
    state.cameraSpeed = cam.speed;
    const scene::Scene& scene = simulation_.scene();
    const scene::Orientation o = scene.camera()->orientation(scene.root().get());
    state.direction = o.direction;
    state.up = o.up;
    state.zoom = cam.zoom;
    state.userModels.clear();
    for (const Body* b : simulation_.bodies())
        if (b->model.userModel)
            state.userModels.push_back({b->name(), QString(), b->model.userModelText});
}

void Session::ApplyViewState(const ViewState& state) {
    Simulation& sim = simulation_;
    CameraState& cam = sim.camera();
    if (models_)
        for (Body* b : sim.bodies())
            if (b->model.userModel) models_->UnloadModel(*b);
    cam.mode = state.mode;
    if (Body* b = sim.FindBody(state.modeBody)) cam.modeBody = b;
    cam.modeOffset = state.modeOffset;
    camera_.SetCameraSpeed(state.cameraSpeed);
    camera_.SetZoom(state.zoom);
    for (const UserModelChoice& m : state.userModels) {
        Body* b = sim.FindBody(m.body);
        if (b && models_ && models_->LoadUserModel(*b, 0, m.file)) {
            b->model.userModel = true;
            b->model.userModelText = m.text;
        }
    }
    // A file cannot make the camera's orientation degenerate.
    const scene::Vec3 &dir = state.direction, &up = state.up;
    if (scene::Length(dir) > 0 && scene::Length(scene::Cross(dir, up)) > 0)
        sim.scene().camera()->setOrientation(sim.scene().root().get(), dir, up);
    sim.SetSimTime(state.ut);
    camera_.SetSceneOrigin(state.cameraPosition.x, state.cameraPosition.y, state.cameraPosition.z);
}

PositionContext Session::positionContext(int updateSpeedCount, int resolutionCount) const {
    return {[this](const QString& name) { return simulation_.FindBody(name) != nullptr; },
            updateSpeedCount, resolutionCount};
}

void ApplyCommandLineClock(Simulation& sim, const CommandLine& cl) {
    // A given instant with no speed freezes the clock, so the output is reproducible.
    if (cl.speed)
        sim.SetClockSpeed(*cl.speed);
    else if (cl.utc)
        sim.SetClockSpeed(0);
    if (cl.utc) sim.SetSimTime(*cl.utc);
}
