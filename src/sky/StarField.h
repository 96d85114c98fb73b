#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <vector>

#include "scene/Image.h"
#include "scene/UserVisual.h"
#include "scene/Viewport.h"
#include "sky/Constellations.h"
#include "sky/SkyMath.h"
#include "sky/StarCatalogue.h"

namespace sky {

// A viewport's world-to-screen transform taken once for a whole frame.
class Projector {
  public:
    explicit Projector(const scene::Viewport& viewport);
    // Homogeneous screen coordinates, as scene::Viewport::transform.
    scene::Vec4 transform(const scene::Vec3& world) const;
    scene::Vec4 transform(const std::array<float, 3>& world) const {
        return transform(scene::Vec3{world[0], world[1], world[2]});
    }
    struct Point {
        bool visible = false;
        int x = 0x7FFFFFFF, y = 0x7FFFFFFF;
    };
    // Visible when in front and the pixel lies inside, a pixel in from the top-left edges.
    Point project(const scene::Vec3& world) const;
    int width() const { return width_; }
    int height() const { return height_; }

  private:
    scene::Transform toCamera_;
    double k_, front_, back_;
    int width_, height_;
};

struct StarFieldStats {
    int drawn = 0, missed = 0;
    std::int64_t drawnTotal = 0, missedTotal = 0;
    int frames = 0;
    // Rotated sky object pictures found in their cell, and those that had to be drawn.
    int nebulaHits = 0, nebulaMisses = 0;
};

// The stars, sky objects and figures behind the bodies of the 3D view: each frame the
// catalogue is projected through the viewport and drawn as points, sprites or pixels.
class StarField {
  public:
    // Colours of the drawn points by spectral class, 0xAARRGGBB.
    static const std::array<std::array<std::uint32_t, 9>, 3> kGroupColours;
    // The sky view's class colour factors (red, green, blue).
    static const std::array<std::array<float, 3>, 9> kClassColours;

    StarField(StarCatalogue& catalogue, const Constellations& constellations)
        : catalogue_(catalogue), constellations_(constellations) {}

    // The faintest magnitude drawn (the viewer's star slider, tenths / 10).
    void setVisualCutOff(float magnitude) { cutOff_ = magnitude; }
    float visualCutOff() const { return cutOff_; }
    void setDrawConstellations(bool on) { drawConstellations_ = on; }
    bool drawConstellations() const { return drawConstellations_; }

    // Field angle, cut-off and the zones near the view. False when the field is too narrow
    // to draw anything. capDistance is how far out the polar test points sit.
    bool BeginFrame(const Projector& projector, const scene::Viewport& viewport,
                    const scene::Vec3& forward, double capDistance);
    // Tests every eligible star, sets its flags and screen position, and calls draw for
    // those on the picture.
    void StarPass(const Projector& projector,
                  const std::function<void(StarRecord&, int, int)>& draw);
    // Calls line for every figure segment to draw this frame (both stars in front and
    // bright enough, at least one on the picture).
    void FigureSegments(
        const std::function<void(const StarRecord&, const StarRecord&)>& line) const;
    void EndFrame();

    // The device path: stars (and figures) as screen-space points and lines.
    void DrawWithPrimitives(const scene::Viewport& viewport, const scene::Vec3& forward,
                            scene::PrimitiveSink& sink, const scene::Image* sprites);

    int cutIndex() const { return cutIndex_; }
    double pixelsPerDegree() const { return pixelsPerDegree_; }
    bool zoneMarked(int zone) const {
        return zone >= 0 && zone < kZoneCount && zoneMask_[std::size_t(zone)];
    }
    const StarFieldStats& stats() const { return stats_; }
    void CountNebulaCell(bool hit) { ++(hit ? stats_.nebulaHits : stats_.nebulaMisses); }
    // The class colour scaled by the star's brightness (at least 32), opaque 0xAARRGGBB.
    std::uint32_t PixelColour(const StarRecord& star) const;

  private:
    void Mark(int hour, int degree);

    StarCatalogue& catalogue_;
    const Constellations& constellations_;
    float cutOff_ = 7.0f;
    bool drawConstellations_ = false;
    int cutIndex_ = 0;
    double pixelsPerDegree_ = 0;
    std::array<std::uint8_t, kZoneCount> zoneMask_{};
    StarFieldStats stats_;
};

}  // namespace sky
