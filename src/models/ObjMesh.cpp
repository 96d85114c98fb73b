#include "models/ObjMesh.h"

#include <QList>
#include <cmath>

namespace {

struct Corner {
    long v = 0, t = 0, n = 0;
};

bool ReadFloats(const QList<QByteArray>& parts, int count, float* out) {
    if (parts.size() < count + 1) return false;
    for (int i = 0; i < count; ++i) {
        bool ok = false;
        out[i] = parts[i + 1].toFloat(&ok);
        if (!ok || !std::isfinite(out[i])) return false;
    }
    return true;
}

// 1-based, negative from the end; 0 when absent or out of range.
long Resolve(long index, std::size_t size) {
    if (index < 0) index += static_cast<long>(size) + 1;
    return (index >= 1 && static_cast<std::size_t>(index) <= size) ? index : 0;
}

bool ParseCorner(const QByteArray& token, Corner& c) {
    const QList<QByteArray> f = token.split('/');
    bool ok = false;
    c.v = f[0].toLong(&ok);
    if (!ok) return false;
    if (f.size() > 1 && !f[1].isEmpty()) c.t = f[1].toLong();
    if (f.size() > 2 && !f[2].isEmpty()) c.n = f[2].toLong();
    return true;
}

}  // namespace

std::optional<ObjMesh> ParseObj(const QByteArray& text) {
    std::vector<std::array<float, 3>> positions, normals;
    std::vector<std::array<float, 2>> uvs;
    ObjMesh mesh;
    for (const QByteArray& raw : text.split('\n')) {
        const QByteArray line = raw.simplified();
        if (line.isEmpty() || line.startsWith('#')) continue;
        const QList<QByteArray> parts = line.split(' ');
        const QByteArray& key = parts[0];
        float f[3] = {0, 0, 0};
        if (key == "v" && ReadFloats(parts, 3, f)) {
            positions.push_back({f[0], f[1], f[2]});
        } else if (key == "vn" && ReadFloats(parts, 3, f)) {
            normals.push_back({f[0], f[1], f[2]});
        } else if (key == "vt" && ReadFloats(parts, 2, f)) {
            uvs.push_back({f[0], 1.0f - f[1]});  // OBJ counts v from the bottom
        } else if (key == "f" && parts.size() >= 4 && parts.size() < 1000) {
            std::vector<scene::Vertex> polygon;
            for (int i = 1; i < parts.size(); ++i) {
                Corner c;
                if (!ParseCorner(parts[i], c)) break;
                const long v = Resolve(c.v, positions.size());
                if (!v) break;
                scene::Vertex out;
                const auto& p = positions[static_cast<std::size_t>(v - 1)];
                out.x = p[0], out.y = p[1], out.z = p[2];
                if (const long t = Resolve(c.t, uvs.size())) {
                    out.u = uvs[static_cast<std::size_t>(t - 1)][0];
                    out.v = uvs[static_cast<std::size_t>(t - 1)][1];
                }
                if (const long n = Resolve(c.n, normals.size())) {
                    const auto& nn = normals[static_cast<std::size_t>(n - 1)];
                    out.nx = nn[0], out.ny = nn[1], out.nz = nn[2];
                }
                polygon.push_back(out);
            }
            if (polygon.size() + 1 != static_cast<std::size_t>(parts.size()))
                continue;  // a bad corner
            for (std::size_t i = 1; i + 1 < polygon.size(); ++i) {
                scene::Vertex tri[3] = {polygon[0], polygon[i], polygon[i + 1]};
                // Faces without normals get their face normal (counter-clockwise faces,
                // as OBJ files are written, seen from outside).
                const scene::Vec3 a(tri[0].x, tri[0].y, tri[0].z), b(tri[1].x, tri[1].y, tri[1].z),
                    c(tri[2].x, tri[2].y, tri[2].z);
                const scene::Vec3 n = scene::Normalised(scene::Cross(b - a, c - a));
                for (auto& v : tri)
                    if (v.nx == 0 && v.ny == 0 && v.nz == 0)
                        v.nx = float(n.x), v.ny = float(n.y), v.nz = float(n.z);
                mesh.vertices.insert(mesh.vertices.end(), tri, tri + 3);
            }
        }
    }
    if (mesh.vertices.empty()) return std::nullopt;
    return mesh;
}
