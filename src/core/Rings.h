#pragma once

#include "core/Body.h"

// A planet's ring system: a flat annulus in the planet's equatorial plane, centred on it.
class Rings : public Body {
  public:
    Rings(const BodyScene& world, const QString& name, Body* parent, double innerRadius,
          double outerRadius, std::uint32_t colour);

    BodyKind Kind() const override { return BodyKind::Rings; }
    void Update(SimTime t) override;
    Body* Parent() const override { return parent_; }
    double innerRadius() const { return inner_; }
    double outerRadius() const { return largestRadius(); }
    void Initialise(SimTime) {}

  private:
    Body* parent_;
    double inner_;
};
