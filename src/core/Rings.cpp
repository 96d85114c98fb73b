#include "core/Rings.h"

namespace {
// The rings are a few tens of metres thick; the model is flat.
constexpr double kHalfThickness = 0.05;
}  // namespace

Rings::Rings(Simulation& sim, const QString& name, Body* parent, double innerRadius,
             double outerRadius, std::uint32_t colour)
    : Body(sim, name, colour, parent->axialTilt()), parent_(parent), inner_(innerRadius) {
    setRadii(outerRadius, kHalfThickness, outerRadius);
}

void Rings::Update(SimTime) {
    PlaceBody(*this, 0, 0, 0, parent_);
}
