#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include "scene/Material.h"
#include "scene/Texture.h"
#include "scene/Vector.h"
#include "scene/Visual.h"

namespace scene {

// Render quality flags of a mesh group: shading, lighting and fill.
namespace Quality {
constexpr std::uint32_t ShadeFlat = 0x0, ShadeGouraud = 0x1, ShadePhong = 0x2, ShadeMask = 0x7;
constexpr std::uint32_t LightOff = 0x0, LightOn = 0x8, LightMask = 0x18;
constexpr std::uint32_t FillPoints = 0x0, FillWireframe = 0x40, FillSolid = 0x80, FillMask = 0x1C0;
// Opacity that grows towards the outline, as a thin shell of air seen from outside looks:
// the group's alpha is its opacity looking straight down through it.
constexpr std::uint32_t LimbOpacity = 0x200;
constexpr std::uint32_t GouraudLit = FillSolid | LightOn | ShadeGouraud;  // 0x89
constexpr std::uint32_t FlatLit = FillSolid | LightOn | ShadeFlat;
constexpr std::uint32_t Unlit = FillSolid | LightOff | ShadeFlat;
}  // namespace Quality

// 36 bytes: position, normal, texture u and v, colour.
struct Vertex {
    float x = 0, y = 0, z = 0;
    float nx = 0, ny = 0, nz = 0;
    float u = 0, v = 0;
    std::uint32_t colour = 0xFFFFFFFFu;
};
static_assert(sizeof(Vertex) == 36);

struct Box {
    Vec3 min, max;
};

class Mesh : public Visual {
  public:
    struct Group {
        std::vector<Vertex> vertices;
        int vertexPerFace = 4;
        std::vector<unsigned> indices;  // vertexPerFace per face
        std::uint32_t colour = 0xFFFFFFFFu;
        std::uint32_t quality = Quality::GouraudLit;
        std::shared_ptr<Texture> texture;
        std::shared_ptr<Material> material;
    };

    explicit Mesh(const std::shared_ptr<ObjectRegistry>& registry) : Visual(registry) {}
    const char* className() const override { return "Mesh"; }
    VisualKind visualKind() const override { return VisualKind::Mesh; }

    // Returns the new group's number, or -1 when the face data is inconsistent.
    int addGroup(int vertexCount, int faceCount, int vertexPerFace, const unsigned* indices);
    bool setVertices(int group, int start, int count, const Vertex* vertices);
    bool setGroupColour(int group, std::uint32_t argb);
    bool setGroupQuality(int group, std::uint32_t quality);
    bool setGroupTexture(int group, std::shared_ptr<Texture> texture);
    bool setGroupMaterial(int group, std::shared_ptr<Material> material);
    // Every group.
    void setColour(std::uint32_t argb);

    int groupCount() const { return static_cast<int>(groups_.size()); }
    const Group& group(int i) const { return groups_[static_cast<std::size_t>(i)]; }
    Group& mutableGroup(int i) { return touch(), groups_[static_cast<std::size_t>(i)]; }

    Box boundingBox() const;
    // Scales positions per axis; normals follow so lighting stays right on squashed bodies.
    void scale(double sx, double sy, double sz);
    std::shared_ptr<Mesh> clone() const;

    // Changes whenever geometry or appearance changes; renderers use it to refresh caches.
    std::uint64_t revision() const { return revision_; }

  private:
    void touch() { ++revision_; }
    bool valid(int group) const { return group >= 0 && group < groupCount(); }
    std::vector<Group> groups_;
    std::uint64_t revision_ = 1;
};

}  // namespace scene
