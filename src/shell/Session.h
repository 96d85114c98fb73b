#pragma once

#include <memory>

#include "core/SavedPosition.h"
#include "core/SettingsStore.h"
#include "core/Simulation.h"
#include "location/CurrentLocation.h"
#include "models/BodyModels.h"
#include "render/GraphicsSystem.h"
#include "render/gl/RenderDevice.h"
#include "shell/CommandLine.h"
#include "sky/SkyData.h"
#include "sky/StarFieldView.h"
#include "viewer/Camera.h"

// The running program's parts: the settings, the 3D drivers, the star data, the simulated
// solar system with its camera, and (for the windows) the render device, the body models
// and the 3D star field. Members are declared in the order they depend on one another, so
// they are torn down in the reverse order by themselves: models before the device, the
// device before the solar system, the solar system before the settings.
class Session {
  public:
    // Opens the settings (the command line's folder, or the per-user one) and points the
    // data and media folders at the program's.
    explicit Session(const CommandLine& commandLine);
    Session(const Session&) = delete;
    Session& operator=(const Session&) = delete;

    const CommandLine& commandLine() const { return commandLine_; }
    SettingsStore& settings() { return *settings_; }
    GraphicsSystem& graphics() { return graphics_; }
    sky::SkyData& sky() { return sky_; }
    Simulation& simulation() { return simulation_; }
    const Simulation& simulation() const { return simulation_; }
    CameraControls& cameraControls() { return cameraControls_; }
    Camera& camera() { return camera_; }
    RenderDevice* device() const { return device_.get(); }
    BodyModels* models() const { return models_.get(); }
    StarFieldView* stars() const { return stars_.get(); }

    // Start-up, in this order (each step optional for the text-only modes).
    // The place --location names, from the locations list ignoring case; false, after
    // "Unknown location: NAME" on standard error, when the list has none.
    bool FindCommandLineLocation();
    void LoadStars();
    // The render device on the selected driver, then the body models and the 3D star field;
    // false when the program must end (the message has been shown).
    bool CreateDevice();
    // Assembles the solar system and applies the command line's clock and place (the place
    // for this run only: nothing of it is written to the settings).
    void BuildSolarSystem();

    // The camera's share of a saved position: time, clock speed, camera place, mode,
    // speed, orientation, zoom and the user's models.
    void FillViewState(ViewState& state) const;
    void ApplyViewState(const ViewState& state);
    // Reader context: the bodies by name and the lengths of the lists indices refer to.
    PositionContext positionContext(int updateSpeedCount, int resolutionCount) const;

  private:
    CommandLine commandLine_;
    std::optional<CurrentLocation> place_;  // --location
    std::unique_ptr<SettingsStore> settings_;
    GraphicsSystem graphics_;
    sky::SkyData sky_;
    Simulation simulation_;
    CameraControls cameraControls_;
    Camera camera_;
    std::unique_ptr<RenderDevice> device_;
    std::unique_ptr<BodyModels> models_;
    std::unique_ptr<StarFieldView> stars_;
};

// Applies --speed and --utc to the clock (a given instant with no speed freezes it).
void ApplyCommandLineClock(Simulation& sim, const CommandLine& commandLine);
