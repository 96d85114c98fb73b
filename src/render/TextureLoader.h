#pragma once

#include <QString>
#include <memory>
#include <vector>

#include "render/Surface.h"
#include "render/TextureDevice.h"
#include "scene/Texture.h"

// A texture surface of b bits with a alpha bits in the best format the device takes; a null
// surface when it takes none.
Surface CreateTextureSurface(const TextureDevice& device, int bits, int alphaBits, int width,
                             int height);
// Loads a bitmap into a texture surface in a format the device takes.
Surface LoadTextureSurface(const QString& path, const TextureDevice& device);
std::shared_ptr<scene::Texture> TextureFromSurface(scene::Scene& scene, const Surface& surface);
// A texture from the media folder: our own loader first when "UseOurTextures" is on, then
// the straightforward one. None (and a log line) when the file cannot be read.
std::shared_ptr<scene::Texture> LoadTexture(const QString& name, TextureDevice& device);
// Cuts the picture into pieces x pieces equal parts, band by band from the top and each band
// from the left (the order of the pieced spheres' groups), and makes each a square
// power-of-two texture of at most tile pixels a side, resampling where the part is not one
// already. Any picture size and shape works; none when the picture or a size is empty, or
// when a piece could not be made.
std::vector<std::shared_ptr<scene::Texture>> SplitIntoTextureGrid(const Surface& source, int pieces,
                                                                  int tile, scene::Scene& scene);
