#pragma once

#include <QString>
#include <cstdint>
#include <memory>

namespace scene {
class Texture;
}
class Body;

// Bytes of texture files behind the loaded models, and the most there have been at once.
struct ModelMemory {
    std::int64_t total = 0;
    std::int64_t peak = 0;
    void add(std::int64_t bytes) {
        total += bytes;
        if (total > peak) peak = total;
    }
};

// The owner of every body's model: the default sphere meshes the models are cloned from,
// which mesh and texture a body shows for its distance, the models users load and unload,
// and textures from the media folder. Installed by the model subsystem; without one (no
// render device) bodies simply have no model.
class ModelManager {
  public:
    virtual ~ModelManager() = default;
    // Built before the first body, released after the last.
    virtual void CreateDefaultMeshes() = 0;
    virtual void ReleaseDefaultMeshes() = 0;
    // Chooses the model for the ratio of the body's distance to its size.
    virtual void SelectModel(Body& body, double ratio) = 0;
    // A model the user chose at a detail level: it stays whatever the distance until it is
    // unloaded. False when the texture could not be made.
    virtual bool LoadUserModel(Body& body, int level, const QString& textureFile) = 0;
    // Removes the body's model from its frame and forgets it.
    virtual void UnloadModel(Body& body) = 0;
    virtual void ApplyTexture(Body& body, const QString& textureFile) = 0;
    virtual std::shared_ptr<scene::Texture> LoadTexture(const QString& file) = 0;
    virtual const ModelMemory& memory() const = 0;
};
