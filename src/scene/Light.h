#pragma once

#include "scene/Material.h"
#include "scene/SceneObject.h"

namespace scene {

// A parallel-point light lights each object from the light's position towards the
// object's centre, as a directional light that turns to every object.
enum class LightType { Ambient, Point, Spot, Directional, ParallelPoint };

class Light : public SceneObject {
  public:
    Light(const std::shared_ptr<ObjectRegistry>& registry, LightType type, const Colour3& colour)
        : SceneObject(registry), type_(type), colour_(colour) {}
    const char* className() const override { return "Light"; }

    LightType type() const { return type_; }
    const Colour3& colour() const { return colour_; }
    void setColour(const Colour3& c) { colour_ = c; }
    double range() const { return range_; }
    void setRange(double r) { range_ = r; }

  private:
    LightType type_;
    Colour3 colour_;
    double range_ = 256.0;
};

}  // namespace scene
