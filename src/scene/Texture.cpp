#include "scene/Texture.h"

namespace scene {

Texture::Texture(const std::shared_ptr<ObjectRegistry>& registry,
                 std::shared_ptr<const Image> image)
    : Visual(registry), image_(std::move(image)) {}

}  // namespace scene
