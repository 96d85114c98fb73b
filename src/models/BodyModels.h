#pragma once

#include <QString>
#include <map>
#include <vector>

#include "core/ModelManager.h"
#include "models/DefaultMeshes.h"
#include "render/TextureDevice.h"

class Body;
class SettingsStore;
class Simulation;

// Owns every body's model: the default sphere meshes, and for each body a sphere (or the
// body's own mesh file) whose detail and texture follow the ratio of the body's distance to
// its size, or the model the user chose. It serves the simulation for as long as it lives:
// on destruction every body's model is unloaded and the default meshes released.
class BodyModels : public ModelManager {
  public:
    BodyModels(Simulation& sim, TextureDevice& device, const SettingsStore& settings);
    ~BodyModels() override;
    BodyModels(const BodyModels&) = delete;
    BodyModels& operator=(const BodyModels&) = delete;

    // "DetailLevel" (the most detailed texture index allowed) and "MipmapAutoGenerate".
    void ReadSettings(const SettingsStore& settings);
    void CreateDefaultMeshes() override { meshes_.Create(); }
    void ReleaseDefaultMeshes() override { meshes_.Release(); }
    void SelectModel(Body& body, double ratio) override;
    bool LoadUserModel(Body& body, int level, const QString& textureFile) override;
    void UnloadModel(Body& body) override;
    void ApplyTexture(Body& body, const QString& textureFile) override;
    std::shared_ptr<scene::Texture> LoadTexture(const QString& file) override;
    const ModelMemory& memory() const override { return memory_; }
    const DefaultMeshes& meshes() const { return meshes_; }

    static int DetailLevelFor(double ratio);
    static int WantedTextureIndex(double ratio, bool mipmapAutoGenerate);
    static int ChooseTextureIndex(int wanted, int detailLevel, const std::vector<int>& available);

    int detailLevel = 0;
    bool mipmapAutoGenerate = false;

  private:
    // The body's numbered textures in the media folder, read the first time they matter.
    void ScanTextures(Body& body);
    void Attach(Body& body, SphereMesh&& model, int level);
    std::optional<SphereMesh> RingModel(Body& body, int level, int textureIndex);
    // Loads the body's own mesh file when there is one that has not failed before.
    bool LoadBodyMesh(SphereMesh& loaded, const QString& meshFile);
    // A picture that is there but cannot be read: the body shows in its own colour, and the
    // user hears of it the first time in a session (every time in the log).
    void ShowInOwnColour(Body& body, scene::Mesh& mesh, int level, const QString& pictureFile);
    void ReportUnreadablePicture(const Body& body, const QString& pictureFile);

    Simulation& sim_;
    TextureDevice& device_;
    DefaultMeshes meshes_;
    ModelMemory memory_;
    std::map<QString, QString> failedMeshes_;  // mesh file -> its time and size when it failed
    bool toldOfUnreadablePicture_ = false;
};
