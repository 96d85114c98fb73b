#pragma once

#include <functional>

#include "console/ConsoleHost.h"

class Camera;
class Simulation;

// The console's commands acting on the running simulation: its camera, its bodies and the
// model manager (when there is one; without a render device the user's choice is recorded
// but no model is made).
class SimulationConsoleHost : public ConsoleHost {
  public:
    SimulationConsoleHost(Simulation& sim, Camera& camera);

    // The viewer's frame tick; without a viewer, an update step.
    std::function<void()> viewerTick;
    std::function<void(const QString&)> openHelp;

    scene::Vec3 CameraPosition() const override;
    void SetCameraPosition(const scene::Vec3& position) override;
    scene::Vec3 CameraDirection() const override;
    scene::Vec3 CameraUp() const override;
    void ViewerTick() override;
    std::optional<QString> FindBody(const QString& name) const override;
    bool LoadUserModel(const QString& body, const QString& textureFile,
                       const QString& choiceText) override;
    void UnloadModel(const QString& body) override;
    QString MediaDirectory() const override;
    void OpenHelpTopic(const QString& topic) override;

  private:
    Simulation& sim_;
    Camera& camera_;
};
