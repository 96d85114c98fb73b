#include "core/Rings.h"

namespace {
// The rings are a few tens of metres thick; the model is flat.
constexpr double kHalfThickness = 0.05;
}  // namespace

Rings::Rings(const BodyScene& world, const QString& name, Body* parent, double innerRadius,
             double outerRadius, std::uint32_t colour)
    : Body(world, name, colour, parent->axialTilt()), parent_(parent), inner_(innerRadius) {
    setRadii(outerRadius, kHalfThickness, outerRadius);
}

void Rings::Update(SimTime) {
    PlaceBody(*this, {}, parent_);
}
