#pragma once

#include "scene/SceneObject.h"

namespace scene {

enum class VisualKind { Mesh, Texture, UserVisual };

// Something a frame can show: a mesh, a texture shown as a camera-facing decal, or a
// user visual that draws through a callback.
class Visual : public SceneObject {
  public:
    using SceneObject::SceneObject;
    virtual VisualKind visualKind() const = 0;
};

// Scene colours are 0xAARRGGBB. Colours of the program's own records are 0x00BBGGRR; this
// turns one of those (with whatever top byte it carries) into a scene colour.
constexpr std::uint32_t ArgbFromBgr(std::uint32_t bgr) {
    return (bgr & 0xFF00FF00u) | ((bgr & 0xFFu) << 16) | ((bgr >> 16) & 0xFFu);
}

}  // namespace scene
