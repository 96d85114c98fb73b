// A bitmap through the header reader and the texture loader, then cut into the pieces of
// the 4- and 16-piece spheres as for a device whose textures are at most 64 pixels wide.
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
    for (int pieces : {2, 4}) {
        const auto textures = SplitIntoTextureGrid(surface, pieces, device.maxTextureSize(), scene);
        // Every piece, each a square power of two within the limit.
        FUZZ_CHECK(textures.size() == std::size_t(pieces * pieces));
        for (const auto& t : textures) {
            const int side = t->width();
            FUZZ_CHECK(side == t->height() && side >= 1 && side <= 64 && (side & (side - 1)) == 0);
        }
    }
    return 0;
}
