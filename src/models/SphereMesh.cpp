#include "models/SphereMesh.h"

#include <algorithm>
#include <cmath>
#include <numeric>
#include <vector>

#include "core/Angles.h"
#include "core/Log.h"

namespace {

constexpr float kUvMin = 0.0015f, kUvMax = 0.9985f;

float ClampUv(double v) {
    return std::clamp(static_cast<float>(v), kUvMin, kUvMax);
}

scene::Vertex SphereVertex(double h, double d, double u, double v) {
    const scene::Vec3 p = LatLonToVector(h, d);
    scene::Vertex out;
    out.x = out.nx = static_cast<float>(p.x);
    out.y = out.ny = static_cast<float>(p.y);
    out.z = out.nz = static_cast<float>(p.z);
    out.u = ClampUv(u);
    out.v = ClampUv(v);
    return out;
}

struct Layout {
    const char* builder;
    int bands, sectors;
    double latStep, lonStep;  // degrees, hours
};

// Builds every piece of the layout as one group of quads.
std::shared_ptr<scene::Mesh> BuildPieces(scene::Scene& scene, const Layout& l) {
    auto mesh = scene.createMesh();
    const double bandHeight = 180.0 / l.bands, sectorWidth = 24.0 / l.sectors;
    const int rows = static_cast<int>(std::lround(bandHeight / l.latStep));
    const int columns = static_cast<int>(std::lround(sectorWidth / l.lonStep));
    std::vector<unsigned> indices(static_cast<std::size_t>(rows) * columns * 4);
    std::iota(indices.begin(), indices.end(), 0u);
    for (int j = 0; j < l.bands; ++j) {
        const double north = 90.0 - j * bandHeight, south = north - bandHeight;
        for (int k = 0; k < l.sectors; ++k) {
            std::vector<scene::Vertex> v;
            v.reserve(indices.size());
            for (int row = 0; row < rows; ++row) {
                const double d = south + row * l.latStep;
                const double vLow = 1 - (d - south) / bandHeight;
                const double vHigh = 1 - (d + l.latStep - south) / bandHeight;
                for (int col = 0; col < columns; ++col) {
                    const double h = k * sectorWidth + col * l.lonStep;
                    const double uLeft = double(col) / columns, uRight = double(col + 1) / columns;
                    v.push_back(SphereVertex(h, d, uLeft, vLow));
                    v.push_back(SphereVertex(h, d + l.latStep, uLeft, vHigh));
                    v.push_back(SphereVertex(h + l.lonStep, d + l.latStep, uRight, vHigh));
                    v.push_back(SphereVertex(h + l.lonStep, d, uRight, vLow));
                }
            }
            const int group =
                mesh->addGroup(static_cast<int>(v.size()), rows * columns, 4, indices.data());
            if (group < 0) {
                LogToFile("AddGroup failed in %s: %s", l.builder, "bad face data");
                continue;
            }
            mesh->setVertices(group, 0, static_cast<int>(v.size()), v.data());
            mesh->setGroupColour(group, 0xFFFFFFFFu);
            mesh->setGroupQuality(group, scene::Quality::GouraudLit);
        }
    }
    return mesh;
}

}  // namespace

scene::Vec3 LatLonToVector(double hours, double degrees) {
    const double a = (hours - 6) / 24 * 2 * kPi;
    const double d = degrees * kPi / 180;
    return {std::cos(d) * std::cos(a), std::sin(d), std::cos(d) * std::sin(a)};
}

std::shared_ptr<scene::Mesh> MakeSinglePieceSphere(scene::Scene& scene, int a) {
    const Layout l =
        a <= 0 ? Layout{"MakeSinglePieceSphere", 1, 1, 45, 6}
               : Layout{"MakeSinglePieceSphere", 1, 1, double(std::max(1, 10 / a)), 1.0 / a};
    return BuildPieces(scene, l);
}

std::shared_ptr<scene::Mesh> MakeFourPieceSphere(scene::Scene& scene, int a) {
    a = std::max(a, 1);
    return BuildPieces(scene, {"MakeFourPieceSphere", 2, 2, double(std::max(1, 10 / a)), 1.0 / a});
}

std::shared_ptr<scene::Mesh> MakeSixteenPieceSphere(scene::Scene& scene, int a) {
    a = std::max(a, 1);
    return BuildPieces(scene,
                       {"MakeSixteenPieceSphere", 4, 4, double(std::max(1, 15 / a)), 1.0 / a});
}

std::shared_ptr<scene::Mesh> Make64PieceSphere(scene::Scene& scene, int a) {
    a = std::max(a, 1);
    return BuildPieces(scene, {"Make64PieceSphere", 8, 8, 7.5 / a, 1.0 / a});
}
