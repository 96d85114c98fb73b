#pragma once

#include <QByteArray>
#include <optional>
#include <vector>

#include "scene/Mesh.h"

// A Wavefront OBJ mesh as triangles: positions, normals and texture coordinates per vertex.
struct ObjMesh {
    std::vector<scene::Vertex> vertices;  // three per triangle
};

// Reads "v", "vt", "vn" and "f" lines (polygons become fans of triangles; negative indices
// count from the end). Unknown lines are skipped. Nothing when there is not one usable face.
std::optional<ObjMesh> ParseObj(const QByteArray& text);
