#pragma once

#include "core/Planetoid.h"

// A moon on an orbit about its parent, laid in the parent's equatorial plane. A moon whose
// spin equals its orbital motion keeps one face to its parent.
class Moon : public Planetoid {
  public:
    // A moon's orbit extent is its semi-major axis (km) with a tenth to spare.
    static constexpr double kOrbitExtentMargin = 1.1;

    Moon(const BodyScene& world, const QString& name, std::uint32_t colour, double rx, double ry,
         double rz, const OrbitalElements& elements, SimTime epoch, Body* parent);

    BodyKind Kind() const override { return BodyKind::Moon; }
    Ecliptic CalculatePosition(SimTime t) override;
    void Update(SimTime t) override;
    double OrbitExtent() const override { return elements_.semiMajorAxis * kOrbitExtentMargin; }
    Body* Parent() const override { return parent_; }
    bool synchronous() const { return synchronous_; }

  protected:
    bool synchronous_;
};
