#include "scene/Mesh.h"

#include <algorithm>
#include <limits>

namespace scene {

int Mesh::addGroup(int vertexCount, int faceCount, int vertexPerFace, const unsigned* indices) {
    if (vertexCount < 0 || faceCount < 0 || vertexPerFace < 3 || (!indices && faceCount > 0))
        return -1;
    Group g;
    g.vertices.resize(static_cast<std::size_t>(vertexCount));
    g.vertexPerFace = vertexPerFace;
    const std::size_t n = static_cast<std::size_t>(faceCount) * vertexPerFace;
    g.indices.assign(indices, indices + n);
    for (unsigned i : g.indices)
        if (i >= static_cast<unsigned>(vertexCount)) return -1;
    groups_.push_back(std::move(g));
    touch();
    return groupCount() - 1;
}

bool Mesh::setVertices(int group, int start, int count, const Vertex* vertices) {
    if (!valid(group) || start < 0 || count < 0 || !vertices) return false;
    auto& v = groups_[static_cast<std::size_t>(group)].vertices;
    if (static_cast<std::size_t>(start) + count > v.size()) return false;
    std::copy(vertices, vertices + count, v.begin() + start);
    touch();
    return true;
}

bool Mesh::setGroupColour(int group, std::uint32_t argb) {
    if (!valid(group)) return false;
    groups_[static_cast<std::size_t>(group)].colour = argb;
    touch();
    return true;
}

bool Mesh::setGroupQuality(int group, std::uint32_t quality) {
    if (!valid(group)) return false;
    groups_[static_cast<std::size_t>(group)].quality = quality;
    touch();
    return true;
}

bool Mesh::setGroupTexture(int group, std::shared_ptr<Texture> texture) {
    if (!valid(group)) return false;
    groups_[static_cast<std::size_t>(group)].texture = std::move(texture);
    touch();
    return true;
}

bool Mesh::setGroupMaterial(int group, std::shared_ptr<Material> material) {
    if (!valid(group)) return false;
    groups_[static_cast<std::size_t>(group)].material = std::move(material);
    touch();
    return true;
}

void Mesh::setColour(std::uint32_t argb) {
    for (auto& g : groups_) g.colour = argb;
    touch();
}

Box Mesh::boundingBox() const {
    constexpr double inf = std::numeric_limits<double>::infinity();
    Box box{{inf, inf, inf}, {-inf, -inf, -inf}};
    bool any = false;
    for (const auto& g : groups_) {
        for (const auto& v : g.vertices) {
            any = true;
            box.min = {std::min(box.min.x, double(v.x)), std::min(box.min.y, double(v.y)),
                       std::min(box.min.z, double(v.z))};
            box.max = {std::max(box.max.x, double(v.x)), std::max(box.max.y, double(v.y)),
                       std::max(box.max.z, double(v.z))};
        }
    }
    return any ? box : Box{};
}

void Mesh::scale(double sx, double sy, double sz) {
    for (auto& g : groups_) {
        for (auto& v : g.vertices) {
            v.x = static_cast<float>(v.x * sx);
            v.y = static_cast<float>(v.y * sy);
            v.z = static_cast<float>(v.z * sz);
            // Normals transform by the inverse transpose, which for a diagonal scale is 1/s.
            if (sx != 0 && sy != 0 && sz != 0) {
                const Vec3 n = Normalised(Vec3(v.nx / sx, v.ny / sy, v.nz / sz));
                v.nx = static_cast<float>(n.x);
                v.ny = static_cast<float>(n.y);
                v.nz = static_cast<float>(n.z);
            }
        }
    }
    touch();
}

std::shared_ptr<Mesh> Mesh::clone() const {
    auto copy = std::make_shared<Mesh>(registry_.lock());
    copy->groups_ = groups_;
    copy->setName(name());
    return copy;
}

}  // namespace scene
