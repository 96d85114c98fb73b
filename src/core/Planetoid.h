#pragma once

#include "core/Body.h"

// A planet on a heliocentric orbit.
class Planetoid : public Body {
  public:
    Planetoid(Simulation& sim, const QString& name, std::uint32_t colour, double equatorialRadius,
              double polarRadius, const OrbitalElements& elements);

    BodyKind Kind() const override { return BodyKind::Planet; }
    void CalculatePosition(SimTime t, BodyPosition& out) override;
    void Update(SimTime t) override;
    double OrbitalPeriodDays() const override;
    double OrbitExtent() const override { return elements_.semiMajorAxis * 1.6456e8; }
    SimTime ElementEpoch() const override { return elementEpoch_; }
    const OrbitalElements& elements() const { return elements_; }

    // Runs once the most derived constructor is done: fills the orbit path.
    virtual void Initialise() { FillOrbitPath(); }

  protected:
    // For moons: three radii and no orbit path yet.
    Planetoid(Simulation& sim, const QString& name, std::uint32_t colour, double rx, double ry,
              double rz, const OrbitalElements& elements, int);

    OrbitalElements elements_;
    SimTime elementEpoch_ = 0;
};

// Builds a body and completes it once it is whole (virtual calls need the finished object).
template <typename T, typename... Args>
std::unique_ptr<T> CreateBody(Args&&... args) {
    auto body = std::make_unique<T>(std::forward<Args>(args)...);
    body->Initialise();
    return body;
}
