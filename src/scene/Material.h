#pragma once

#include "scene/SceneObject.h"

namespace scene {

struct Colour3 {
    double r = 0, g = 0, b = 0;
    bool operator==(const Colour3&) const = default;
};

class Material : public SceneObject {
  public:
    Material(const std::shared_ptr<ObjectRegistry>& registry, double power)
        : SceneObject(registry), power_(power) {}
    const char* className() const override { return "Material"; }

    double power() const { return power_; }
    void setPower(double p) { power_ = p; }
    const Colour3& emissive() const { return emissive_; }
    void setEmissive(const Colour3& c) { emissive_ = c; }
    const Colour3& specular() const { return specular_; }
    void setSpecular(const Colour3& c) { specular_ = c; }
    const Colour3& ambient() const { return ambient_; }
    void setAmbient(const Colour3& c) { ambient_ = c, hasAmbient_ = true; }
    bool hasAmbient() const { return hasAmbient_; }

  private:
    double power_;
    Colour3 emissive_, specular_, ambient_;
    bool hasAmbient_ = false;
};

}  // namespace scene
