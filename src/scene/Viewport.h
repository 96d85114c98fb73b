#pragma once

#include <memory>

#include "scene/Frame.h"
#include "scene/SceneObject.h"
#include "scene/Vector.h"

namespace scene {

// What the camera frame sees: a perspective view of width x height pixels between the
// front and back clipping distances, whose field is half the width of the view at the
// front plane.
class Viewport : public SceneObject {
  public:
    Viewport(const std::shared_ptr<ObjectRegistry>& registry, std::shared_ptr<Frame> camera,
             int width, int height);
    const char* className() const override { return "Viewport"; }

    const std::shared_ptr<Frame>& camera() const { return camera_; }
    int width() const { return width_; }
    int height() const { return height_; }
    void setSize(int width, int height);
    double front() const { return front_; }
    double back() const { return back_; }
    double field() const { return field_; }
    bool setFront(double front);
    bool setBack(double back);
    bool setField(double field);

    // A point in world (scene root) axes in the camera's axes.
    Vec3 toCamera(const Vec3& world) const;
    // Homogeneous screen coordinates: x/w and y/w are pixels (y down), z/w is depth 0 at the
    // front plane and 1 at the back, and w is the depth in front of the camera (<= 0 behind).
    Vec4 transform(const Vec3& world) const;
    // Pixels per unit of x/z in the camera's axes.
    double projectionScale() const;

  private:
    std::shared_ptr<Frame> camera_;
    int width_, height_;
    double front_ = 1.0, back_ = 100.0, field_ = 0.5;
};

}  // namespace scene
