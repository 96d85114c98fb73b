#pragma once

#include "core/Body.h"

// A translucent shell around its parent that goes wherever the parent goes.
class Atmosphere : public Body {
  public:
    static constexpr std::uint32_t kModelColour = 0x4C0000FF;  // translucent blue
    // Looking straight down through the shell it is nearly clear (alpha 0x10), so the middle
    // of the disc keeps the surface's own colours; towards the outline the renderer makes it
    // thicker (Quality::LimbOpacity), up to the haze seen along the limb.
    static constexpr std::uint32_t kOverheadAlpha = 0x10;

    Atmosphere(const BodyScene& world, Body* parent, double thickness, std::uint32_t colour);

    BodyKind Kind() const override { return BodyKind::Atmosphere; }
    void Update(SimTime t) override;
    bool IsSolid() const override { return false; }
    void AfterModelLoad(scene::Mesh& model, int level) override;
    Body* Parent() const override { return parent_; }
    void Initialise(SimTime) {}

  private:
    Body* parent_;
};
