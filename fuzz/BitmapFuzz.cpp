// A bitmap through the header reader and the texture loader, then cut into tiles as for a
// device whose textures are at most 64 pixels wide.
#include <QImageReader>

#include "FuzzSupport.h"
#include "core/Files.h"
#include "render/PixelFormat.h"
#include "render/TextureDevice.h"
#include "render/TextureLoader.h"
#include "scene/Scene.h"

namespace {
class SmallDevice : public TextureDevice {
  public:
    explicit SmallDevice(scene::Scene& scene) : scene_(scene) {}
    int maxTextureSize() const override { return 64; }
    const std::vector<PixelFormat>& textureFormats() const override { return formats_; }
    int displayDepthClass() const override { return 6; }
    bool useOurTextures() const override { return true; }
    bool mipmapAutoGenerate() const override { return false; }
    scene::Scene& scene() override { return scene_; }

  private:
    scene::Scene& scene_;
    std::vector<PixelFormat> formats_ = OpenGlTextureFormats();
};
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    PrepareFuzzing();
    // Pictures claiming to be huge are refused by the image reader's allocation limit.
    QImageReader::setAllocationLimit(64);
    const QString path = WriteFuzzInput(data, size, "input.bmp");
    const BmpHeader header = ReadBmpHeader(path);
    FUZZ_CHECK(header.ok == (size >= 54));
    scene::Scene scene;
    SmallDevice device(scene);
    const Surface surface = LoadTextureSurface(path, device);
    if (surface.isNull()) return 0;
    std::vector<std::shared_ptr<scene::Texture>> textures;
    const int n = SplitIntoTextureSurfaces(surface, 64, scene, textures);
    FUZZ_CHECK(n == int(textures.size()));
    return 0;
}
