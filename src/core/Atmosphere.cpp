#include "core/Atmosphere.h"

Atmosphere::Atmosphere(const BodyScene& world, Body* parent, double thickness, std::uint32_t colour)
    : Body(world, parent->name() + QStringLiteral("Atmos"), colour, 0), parent_(parent) {
    const auto& r = parent->radii();
    setRadii(r[0] + thickness, r[1] + thickness, r[2] + thickness);
}

void Atmosphere::Update(SimTime) {
    PlaceBody(*this, {}, parent_);
}

void Atmosphere::AfterModelLoad(scene::Mesh& model, int) {
    model.setColour((kModelColour & 0x00FFFFFFu) | (kOverheadAlpha << 24));
    for (int g = 0; g < model.groupCount(); ++g)
        model.setGroupQuality(g, model.group(g).quality | scene::Quality::LimbOpacity);
}
