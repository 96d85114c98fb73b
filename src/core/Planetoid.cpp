#include "core/Planetoid.h"

#include "core/Simulation.h"

Planetoid::Planetoid(Simulation& sim, const QString& name, std::uint32_t colour,
                     double equatorialRadius, double polarRadius, const OrbitalElements& elements)
    : Planetoid(sim, name, colour, equatorialRadius, polarRadius, equatorialRadius, elements, 0) {}

Planetoid::Planetoid(Simulation& sim, const QString& name, std::uint32_t colour, double rx,
                     double ry, double rz, const OrbitalElements& elements, int)
    : Body(sim, name, colour, elements.axialTilt), elements_(elements) {
    rotationPeriod_ =
        elements.rotationRate != 0 ? 360.0 / elements.rotationRate * 86400.0 : 86400.0;
    elementEpoch_ = sim.epochs().at(elements.epochIndex);
    rotationEpoch_ = elementEpoch_;
    angleAtEpoch_ = 0;
    setRadii(rx, ry, rz);
}

void Planetoid::CalculatePosition(SimTime t, BodyPosition& out) {
    TweenedPosition(t, elements_, elementEpoch_, out);
    out.set(out.km() * kKmPerAU);
}

void Planetoid::Update(SimTime t) {
    CalculatePosition(t, position_);
    PlaceBody(*this, position_.x(), position_.z(), position_.y(), sim_.sun());
    Rotate(t);
}

double Planetoid::OrbitalPeriodDays() const {
    return elements_.dailyMotion != 0 ? 360.0 / elements_.dailyMotion : 0.0;
}
