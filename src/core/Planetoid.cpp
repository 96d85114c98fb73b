#include "core/Planetoid.h"

#include "core/PreciseEphemeris.h"

Planetoid::Planetoid(const BodyScene& world, const QString& name, std::uint32_t colour,
                     double equatorialRadius, double polarRadius, const OrbitalElements& elements,
                     SimTime epoch, Body* sun)
    : Planetoid(world, name, colour, equatorialRadius, polarRadius, equatorialRadius, elements,
                epoch, sun) {}

Planetoid::Planetoid(const BodyScene& world, const QString& name, std::uint32_t colour, double rx,
                     double ry, double rz, const OrbitalElements& elements, SimTime epoch,
                     Body* parent)
    : Body(world, name, colour, elements.axialTilt),
      elements_(elements),
      elementEpoch_(epoch),
      parent_(parent) {
    rotationPeriod_ =
        elements.rotationRate != 0 ? 360.0 / elements.rotationRate * 86400.0 : 86400.0;
    rotationEpoch_ = elementEpoch_;
    angleAtEpoch_ = 0;
    setRadii(rx, ry, rz);
}

Ecliptic Planetoid::CalculatePosition(SimTime t) {
    if (precise_)
        return TweenedMotion(
            t, [this](SimTime at) { return PreciseEphemeris::PlanetMotion(preciseTheory_, at); });
    // Planetary elements give the distance in AU.
    return TweenedPosition(t, elements_, elementEpoch_) * kKmPerAU;
}

void Planetoid::Update(SimTime t) {
    PlaceBody(*this, CalculatePosition(t), parent_);
    Rotate(t);
}

double Planetoid::OrbitalPeriodDays() const {
    return elements_.dailyMotion != 0 ? 360.0 / elements_.dailyMotion : 0.0;
}

void Planetoid::SetEphemerisModel(EphemerisModel model) {
    const bool precise =
        model == EphemerisModel::Precise && PreciseEphemeris::HasTheory(preciseTheory_);
    if (precise == precise_) return;
    precise_ = precise;
    // A window of the old theory would carry the body on for up to 100 s and then make it
    // jump a second time.
    tweener_.clear();
    RefillOrbitPath();
}
