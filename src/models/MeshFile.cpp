#include <QFile>
#include <numeric>

#include "core/Prompter.h"
#include "core/Text.h"
#include "models/DefaultMeshes.h"
#include "models/ObjMesh.h"
#include "render/ErrorTexts.h"
#include "render/MediaFiles.h"

namespace {
constexpr std::uint32_t kBadFile = 0x88760314;  // D3DRMERR_BADFILE
}

bool LoadMeshFile(SphereMesh& wrapper, const QString& file, bool isSphere, double scale,
                  std::uint32_t quality, scene::Scene& scene) {
    QFile in(MediaPath(file));
    if (!in.open(QIODevice::ReadOnly)) {
        ShowError(
            FormatText("Could not load %s (%x)", qUtf8Printable(file), RenderError::FileNotFound),
            QStringLiteral("OE"));
        return false;
    }
    // Mesh files are small; anything huge is not one.
    const auto parsed = in.size() < (256 << 20) ? ParseObj(in.readAll()) : std::nullopt;
    if (!parsed) {
        ShowError(FormatText("Could not convert to mesh %s (%x)", qUtf8Printable(file), kBadFile),
                  QStringLiteral("OE"));
        return false;
    }
    auto mesh = scene.createMesh();
    const int n = static_cast<int>(parsed->vertices.size());
    std::vector<unsigned> indices(static_cast<std::size_t>(n));
    std::iota(indices.begin(), indices.end(), 0u);
    const int group = mesh->addGroup(n, n / 3, 3, indices.data());
    mesh->setVertices(group, 0, n, parsed->vertices.data());
    // OBJ files use right-handed axes, the scene left-handed ones: flipping z keeps the
    // model unmirrored, and turns its counter-clockwise faces into the scene's clockwise ones.
    for (auto& v : mesh->mutableGroup(group).vertices) v.z = -v.z, v.nz = -v.nz;
    mesh->setName(QStringLiteral("Loaded Mesh:") + file);
    mesh->setGroupQuality(group, quality);
    mesh->scale(scale, scale, scale);
    wrapper = SphereMesh{mesh, file, isSphere};
    return true;
}
