#pragma once

#include "core/Body.h"

// A planet on a heliocentric orbit, placed from the Sun.
class Planetoid : public Body {
  public:
    // The orbit's reference frame: the scene's ecliptic seen from the Sun. A planet's orbit
    // extent is its semi-major axis with a tenth to spare.
    static constexpr double kOrbitExtentMargin = 1.1;

    Planetoid(const BodyScene& world, const QString& name, std::uint32_t colour,
              double equatorialRadius, double polarRadius, const OrbitalElements& elements,
              SimTime epoch, Body* sun);

    BodyKind Kind() const override { return BodyKind::Planet; }
    Ecliptic CalculatePosition(SimTime t) override;
    void Update(SimTime t) override;
    double OrbitalPeriodDays() const override;
    double OrbitExtent() const override {
        return elements_.semiMajorAxis * kKmPerAU * kOrbitExtentMargin;
    }
    SimTime ElementEpoch() const override { return elementEpoch_; }
    const OrbitalElements& elements() const { return elements_; }
    // The planet's precise theory (0 Mercury .. 7 Neptune, see PreciseEphemeris); without
    // one the planet keeps its elements whatever the model.
    void SetPreciseTheory(int planet) { preciseTheory_ = planet; }
    void SetEphemerisModel(EphemerisModel model) override;
    bool precise() const { return precise_; }

    // Runs once the most derived constructor is done: fills the orbit path from `now`.
    virtual void Initialise(SimTime now) { FillOrbitPath(now); }

  protected:
    // For moons: three radii about the parent.
    Planetoid(const BodyScene& world, const QString& name, std::uint32_t colour, double rx,
              double ry, double rz, const OrbitalElements& elements, SimTime epoch, Body* parent);

    OrbitalElements elements_;
    SimTime elementEpoch_ = 0;
    Body* parent_;  // the Sun for a planet
    int preciseTheory_ = -1;
    bool precise_ = false;
};

// Builds a body and completes it once it is whole (virtual calls need the finished object);
// `now` starts the orbit path.
template <typename T, typename... Args>
std::unique_ptr<T> CreateBody(SimTime now, Args&&... args) {
    auto body = std::make_unique<T>(std::forward<Args>(args)...);
    body->Initialise(now);
    return body;
}
