#include "render/TextureLoader.h"

#include <QPainter>
#include <cstring>

#include "core/Files.h"
#include "core/Log.h"
#include "core/Services.h"
#include "scene/Scene.h"

std::vector<PixelFormat> OpenGlTextureFormats() {
    return {PixelFormat::Argb8888(),        PixelFormat::Xrgb8888(), PixelFormat::Rgb565(),
            PixelFormat::Argb1555(),        PixelFormat::Argb4444(), PixelFormat::Palette8(),
            PixelFormat::LuminanceAlpha88()};
}

Surface CreateTextureSurface(const TextureDevice& device, int bits, int alphaBits, int width,
                             int height) {
    const auto format = ChooseTextureFormat(device.textureFormats(), bits, alphaBits);
    if (!format) return {};
    return Surface(*format, width, height);
}

Surface LoadTextureSurface(const QString& path, const TextureDevice& device) {
    const QImage bitmap(path);
    if (bitmap.isNull()) return {};
    Surface surface;
    if (bitmap.depth() == 8 && bitmap.format() == QImage::Format_Indexed8) {
        surface = CreateTextureSurface(device, 8, 0, bitmap.width(), bitmap.height());
        if (!surface.isNull()) {
            const auto table = bitmap.colorTable();
            surface.setPalette(std::vector<QRgb>(table.begin(), table.end()));
        } else if (device.displayDepthClass() == 7) {
            surface = CreateTextureSurface(device, 16, 0, bitmap.width(), bitmap.height());
        } else if (device.displayDepthClass() == 6) {
            surface = CreateTextureSurface(device, 32, 0, bitmap.width(), bitmap.height());
        }
    } else if (bitmap.depth() == 24 || bitmap.depth() == 32) {
        surface = CreateTextureSurface(device, 32, 0, bitmap.width(), bitmap.height());
    }
    if (surface.isNull()) return {};
    if (surface.image().format() == QImage::Format_Indexed8) {
        for (int y = 0; y < bitmap.height(); ++y)
            std::memcpy(surface.image().scanLine(y), bitmap.constScanLine(y), bitmap.width());
    } else {
        QPainter p(&surface.image());
        p.drawImage(0, 0, bitmap);
    }
    return surface;
}

std::shared_ptr<scene::Texture> TextureFromSurface(scene::Scene& scene, const Surface& surface) {
    if (surface.isNull()) return nullptr;
    const QImage argb = surface.toArgb();
    auto image = std::make_shared<scene::Image>(argb.width(), argb.height());
    for (int y = 0; y < argb.height(); ++y)
        std::memcpy(image->pixels.data() + static_cast<std::size_t>(y) * argb.width(),
                    argb.constScanLine(y), static_cast<std::size_t>(argb.width()) * 4);
    return scene.createTexture(image);
}

std::shared_ptr<scene::Texture> LoadTexture(const QString& name, TextureDevice& device) {
    const QString path = Services::instance().mediaDirectory() + name;
    if (device.useOurTextures()) {
        Surface surface = LoadTextureSurface(path, device);
        if (auto texture = TextureFromSurface(device.scene(), surface)) return texture;
    }
    const QImage bitmap(path);
    if (bitmap.isNull()) {
        LogToFile("LoadTexture failure loading %s: %s", qUtf8Printable(name),
                  FileExists(path) ? "The picture could not be read." : "The file was not found.");
        return nullptr;
    }
    return TextureFromSurface(device.scene(),
                              Surface(bitmap.convertToFormat(QImage::Format_ARGB32)));
}

std::vector<std::shared_ptr<scene::Texture>> SplitIntoTextureGrid(const Surface& source, int pieces,
                                                                  int tile, scene::Scene& scene) {
    std::vector<std::shared_ptr<scene::Texture>> textures;
    if (source.isNull() || pieces <= 0 || tile <= 0) return textures;
    const QImage argb = source.toArgb();
    const qint64 w = argb.width(), h = argb.height();
    for (int band = 0; band < pieces; ++band) {
        const int top = int(h * band / pieces), bottom = int(h * (band + 1) / pieces);
        for (int sector = 0; sector < pieces; ++sector) {
            const int left = int(w * sector / pieces), right = int(w * (sector + 1) / pieces);
            // A picture smaller than the grid still gives every piece at least one pixel.
            const QImage part =
                argb.copy(left, top, std::max(1, right - left), std::max(1, bottom - top));
            const int longest = std::min(tile, std::max(part.width(), part.height()));
            const int side = 1 << (31 - __builtin_clz(unsigned(longest)));
            const QImage square =
                part.width() == side && part.height() == side
                    ? part
                    : part.scaled(side, side, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
            auto texture = TextureFromSurface(scene, Surface(square));
            if (!texture) return {};  // all the pieces or none: a hole would show white
            textures.push_back(std::move(texture));
        }
    }
    return textures;
}
