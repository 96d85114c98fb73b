#pragma once

#include "core/Planetoid.h"

// A moon on an orbit about its parent, laid in the parent's equatorial plane. A moon whose
// spin equals its orbital motion keeps one face to its parent.
class Moon : public Planetoid {
  public:
    Moon(Simulation& sim, const QString& name, std::uint32_t colour, double rx, double ry,
         double rz, const OrbitalElements& elements, Body* parent);

    BodyKind Kind() const override { return BodyKind::Moon; }
    void CalculatePosition(SimTime t, BodyPosition& out) override;
    void Update(SimTime t) override;
    double ChainX() const override { return parent_->ChainX() + X(); }
    double ChainY() const override { return parent_->ChainY() + Y(); }
    double ChainZ() const override { return parent_->ChainZ() + Z(); }
    double OrbitExtent() const override { return elements_.semiMajorAxis * 1.1; }
    Body* Parent() const override { return parent_; }
    Body* parent() const { return parent_; }
    bool synchronous() const { return synchronous_; }

  protected:
    Body* parent_;
    bool synchronous_;
};
