#pragma once

#include <QString>
#include <optional>

#include "scene/Vector.h"

// What the console's commands act on: the camera, the viewer, the bodies and their models,
// and the help pages. The program gives it the running simulation; tests give it a fake.
class ConsoleHost {
  public:
    virtual ~ConsoleHost() = default;

    // The camera position in km, scene axis order.
    virtual scene::Vec3 CameraPosition() const = 0;
    virtual void SetCameraPosition(const scene::Vec3& position) = 0;
    // The camera's direction and up vectors relative to the scene root.
    virtual scene::Vec3 CameraDirection() const = 0;
    virtual scene::Vec3 CameraUp() const = 0;
    // One frame of the viewer, at once.
    virtual void ViewerTick() = 0;

    // The body of that name ignoring case, as the catalogue spells it; none when unknown.
    virtual std::optional<QString> FindBody(const QString& name) const = 0;
    // Loads the body's model at the finest detail with a texture file of the media folder,
    // and records the user's choice (shown as choiceText in saved positions). False when
    // the texture could not be made.
    virtual bool LoadUserModel(const QString& body, const QString& textureFile,
                               const QString& choiceText) = 0;
    // Unloads the body's model and forgets the user's choice.
    virtual void UnloadModel(const QString& body) = 0;
    // The folder of textures and models, without a trailing separator.
    virtual QString MediaDirectory() const = 0;

    virtual void OpenHelpTopic(const QString& topic) = 0;
};
