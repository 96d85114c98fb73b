#pragma once

#include <QString>
#include <cstdint>
#include <memory>

namespace scene {
class Texture;
}
class Body;

// The body models: which mesh and texture a body shows for its distance, and textures
// loaded from the media folder. Installed by the model subsystem; without one (no render
// device) bodies simply have no model.
class ModelManager {
  public:
    virtual ~ModelManager() = default;
    virtual void SelectModel(Body& body, double ratio) = 0;
    virtual void ApplyTexture(Body& body, const QString& textureFile) = 0;
    virtual std::shared_ptr<scene::Texture> LoadTexture(const QString& file) = 0;
};

// Bytes of texture files behind the loaded models, and the most there have been at once.
struct ModelMemory {
    std::int64_t total = 0;
    std::int64_t peak = 0;
    void add(std::int64_t bytes) {
        total += bytes;
        if (total > peak) peak = total;
    }
};
