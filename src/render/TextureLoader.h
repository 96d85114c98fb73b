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
// Cuts the picture into square power-of-two textures of at most tile pixels a side, row by
// row from the top, left to right. Returns how many were made.
int SplitIntoTextureSurfaces(const Surface& source, int tile, scene::Scene& scene,
                             std::vector<std::shared_ptr<scene::Texture>>& textures);
