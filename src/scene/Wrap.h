#pragma once

#include "scene/Mesh.h"
#include "scene/SceneObject.h"
#include "scene/Vector.h"

namespace scene {

// Sets a mesh's texture coordinates by projecting its vertices onto a shape.
class Wrap : public SceneObject {
  public:
    enum class Type { Flat, Cylinder, Sphere };

    struct Parameters {
        Type type = Type::Cylinder;
        Vec3 origin;
        Vec3 direction{0, 1, 0};
        Vec3 up{0, 0, 1};
        double originU = 0, originV = 0;
        double scaleU = 1, scaleV = 1;
    };

    Wrap(const std::shared_ptr<ObjectRegistry>& registry, const Parameters& p)
        : SceneObject(registry), p_(p) {}
    const char* className() const override { return "Wrap"; }

    const Parameters& parameters() const { return p_; }
    // u = scaleU * s - originU, v = scaleV * t - originV. For a cylinder s is the angle about
    // the axis as a fraction of a turn (0 along "up", 0..1) and t the height along the axis;
    // the texture origin is thus the texture point that lands on the wrap's origin.
    bool apply(Mesh& mesh) const;

  private:
    Parameters p_;
};

}  // namespace scene
