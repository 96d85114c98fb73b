#pragma once

#include <cstdint>
#include <functional>
#include <span>

#include "scene/Visual.h"

namespace scene {

class Frame;
class Viewport;

struct PrimitiveVertex {
    float x = 0, y = 0, z = 0;
    std::uint32_t colour = 0xFFFFFFFFu;  // 0xAARRGGBB
};

// What a renderer offers a user visual: unlit points and lines, either in the axes of the
// frame that holds the visual, or already transformed to the screen (x and y in pixels from
// the top left, z the depth from 0 at the front plane to 1 at the back).
class PrimitiveSink {
  public:
    virtual ~PrimitiveSink() = default;
    virtual void drawPoints(std::span<const PrimitiveVertex> points) = 0;
    virtual void drawLines(std::span<const PrimitiveVertex> endpoints) = 0;
    virtual void drawScreenPoints(std::span<const PrimitiveVertex> points) = 0;
    virtual void drawScreenLines(std::span<const PrimitiveVertex> endpoints) = 0;
};

struct UserVisualContext {
    const Viewport& viewport;
    const Frame& frame;
    PrimitiveSink& sink;
};

// A visual that draws itself through a callback while the frame holding it is rendered.
class UserVisual : public Visual {
  public:
    using Callback = std::function<bool(UserVisualContext&)>;
    UserVisual(const std::shared_ptr<ObjectRegistry>& registry, Callback callback)
        : Visual(registry), callback_(std::move(callback)) {}
    const char* className() const override { return "UserVisual"; }
    VisualKind visualKind() const override { return VisualKind::UserVisual; }

    bool render(UserVisualContext& context) const { return callback_ ? callback_(context) : true; }

  private:
    Callback callback_;
};

}  // namespace scene
