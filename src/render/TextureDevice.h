#pragma once

#include <vector>

#include "render/PixelFormat.h"

namespace scene {
class Scene;
}

// What texture loading needs to know of the render device.
class TextureDevice {
  public:
    virtual ~TextureDevice() = default;
    // The widest texture the device takes (the GL limit, possibly capped by a setting).
    virtual int maxTextureSize() const = 0;
    virtual const std::vector<PixelFormat>& textureFormats() const = 0;
    // 9 for 8-bit displays, 7 for 15/16-bit, 6 for true colour, 8 for anything else.
    virtual int displayDepthClass() const = 0;
    virtual bool useOurTextures() const = 0;
    virtual bool mipmapAutoGenerate() const = 0;
    virtual scene::Scene& scene() = 0;
};

// The texture formats an OpenGL device accepts, in the order it lists them.
std::vector<PixelFormat> OpenGlTextureFormats();
