#pragma once

#include <QString>
#include <memory>

#include "scene/Mesh.h"
#include "scene/Scene.h"

// A mesh handed to a body as its model; it holds one reference to the mesh.
struct SphereMesh {
    std::shared_ptr<scene::Mesh> mesh;
    QString name;
    bool isSphere = true;
    // A picture was laid on it; false when there was none or it could not be read.
    bool textured = false;
};

// The position of the sphere point at h hours of longitude (24 a turn) and d degrees of
// latitude: longitude 0 lies on -z, 6 hours on +x.
scene::Vec3 LatLonToVector(double hours, double degrees);

// Unit spheres of quadrilaterals, in one group or in 4, 16 or 64 pieces (band by band from
// the north, each band from longitude 0 eastwards). Every u and v lies in [0.0015, 0.9985].
std::shared_ptr<scene::Mesh> MakeSinglePieceSphere(scene::Scene& scene, int a);
std::shared_ptr<scene::Mesh> MakeFourPieceSphere(scene::Scene& scene, int a);
std::shared_ptr<scene::Mesh> MakeSixteenPieceSphere(scene::Scene& scene, int a);
std::shared_ptr<scene::Mesh> Make64PieceSphere(scene::Scene& scene, int a);
