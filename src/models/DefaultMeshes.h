#pragma once

#include <QString>
#include <array>
#include <memory>
#include <optional>

#include "models/SphereMesh.h"
#include "render/TextureDevice.h"

// The sphere meshes built once at start-up; bodies always get clones of them.
class DefaultMeshes {
  public:
    enum Slot {
        Hires = 0,
        FourPiece = 1,
        SixteenPiece = 2,
        SixtyFourPiece = 3,
        Lowres = 4,
        RealLowres = 5
    };

    explicit DefaultMeshes(scene::Scene& scene) : scene_(scene) {}
    void Create();
    void Release();
    bool created() const { return static_cast<bool>(slots_[Hires]); }
    const std::shared_ptr<scene::Mesh>& slot(Slot s) const { return slots_[s]; }

    // Clones, logging "CloneMesh failed" when there is nothing to clone.
    std::shared_ptr<scene::Mesh> CloneMesh(Slot s) const;
    // An untextured sphere: quality 1 low, 2 lowest, anything else high detail.
    std::optional<SphereMesh> GetPlainSphere(int quality) const;
    // A sphere textured from a bitmap in the media folder, cut into pieces when the device
    // cannot take the whole picture in one texture.
    std::optional<SphereMesh> GetTexturedSphere(int quality, const QString& bitmapFile,
                                                TextureDevice& device) const;

  private:
    scene::Scene& scene_;
    std::array<std::shared_ptr<scene::Mesh>, 6> slots_;
};

// Fits a mesh so that it spans twice the given radii (km) on each axis, in scene units.
void ScaleMeshTo(scene::Mesh& mesh, double rx, double ry, double rz);
// Texture-maps a mesh loaded from a file by wrapping the bitmap round it as a cylinder.
bool ApplyCylinderWrap(SphereMesh& wrapper, const QString& bitmapFile, TextureDevice& device,
                       const DefaultMeshes& meshes);
// Reads a Wavefront OBJ mesh from the media folder; reports failures in a message box.
bool LoadMeshFile(SphereMesh& wrapper, const QString& file, bool isSphere, double scale,
                  std::uint32_t quality, scene::Scene& scene);
