#pragma once

#include "scene/Vector.h"

constexpr double kSceneScale = 0.004;  // scene units per km (250 km a unit)
constexpr double kKmPerSceneUnit = 250.0;
constexpr double kKmPerAU = 149600000.0;

// A position in km, mirrored in scene units as floats; every write refreshes the mirror.
class BodyPosition {
  public:
    BodyPosition() = default;
    BodyPosition(double x, double y, double z) { set(x, y, z); }
    explicit BodyPosition(const scene::Vec3& v) { set(v.x, v.y, v.z); }

    void set(double x, double y, double z) {
        x_ = x, y_ = y, z_ = z;
        sx_ = static_cast<float>(x * kSceneScale);
        sy_ = static_cast<float>(y * kSceneScale);
        sz_ = static_cast<float>(z * kSceneScale);
    }
    void set(const scene::Vec3& v) { set(v.x, v.y, v.z); }

    double x() const { return x_; }
    double y() const { return y_; }
    double z() const { return z_; }
    float sceneX() const { return sx_; }
    float sceneY() const { return sy_; }
    float sceneZ() const { return sz_; }
    scene::Vec3 km() const { return {x_, y_, z_}; }

  private:
    double x_ = 0, y_ = 0, z_ = 0;
    float sx_ = 0, sy_ = 0, sz_ = 0;
};
