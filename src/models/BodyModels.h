#pragma once

#include <QString>
#include <vector>

#include "core/ModelManager.h"
#include "models/DefaultMeshes.h"
#include "render/TextureDevice.h"

class Body;
class Simulation;

// Chooses and loads each body's model: a sphere (or the body's own mesh file) whose detail
// and texture follow the ratio of the body's distance to its size.
class BodyModels : public ModelManager {
  public:
    BodyModels(Simulation& sim, TextureDevice& device, DefaultMeshes& meshes);

    // "DetailLevel" (the most detailed texture index allowed) and "MipmapAutoGenerate".
    void ReadSettings();
    void SelectModel(Body& body, double ratio) override;
    void ApplyTexture(Body& body, const QString& textureFile) override;
    std::shared_ptr<scene::Texture> LoadTexture(const QString& file) override;
    // A model the user chose: it stays whatever the distance until it is unloaded.
    bool LoadUserModel(Body& body, int level, const QString& textureFile);

    static int DetailLevelFor(double ratio);
    static int WantedTextureIndex(double ratio, bool mipmapAutoGenerate);
    static int ChooseTextureIndex(int wanted, int detailLevel, const std::vector<int>& available);

    int detailLevel = 0;
    bool mipmapAutoGenerate = false;

  private:
    void Attach(Body& body, SphereMesh&& model, int level);
    std::optional<SphereMesh> RingModel(Body& body, int level, int textureIndex);

    Simulation& sim_;
    TextureDevice& device_;
    DefaultMeshes& meshes_;
};
