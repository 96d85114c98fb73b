#pragma once

#include "render/TextureDevice.h"
#include "scene/Scene.h"

// A render device without a GPU: the limits the texture code asks about.
class FakeDevice : public TextureDevice {
  public:
    explicit FakeDevice(scene::Scene& scene, int maxTexture = 1024)
        : scene_(scene), max_(maxTexture) {}
    int maxTextureSize() const override { return max_; }
    const std::vector<PixelFormat>& textureFormats() const override { return formats_; }
    int displayDepthClass() const override { return 6; }
    bool useOurTextures() const override { return ours; }
    bool mipmapAutoGenerate() const override { return mipmaps; }
    scene::Scene& scene() override { return scene_; }
    bool ours = false, mipmaps = false;

  private:
    scene::Scene& scene_;
    int max_;
    std::vector<PixelFormat> formats_ = OpenGlTextureFormats();
};
