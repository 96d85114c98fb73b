#include "scene/Wrap.h"

#include <algorithm>
#include <cmath>

namespace scene {

namespace {
constexpr double kTwoPi = 6.283185307179586476925;
}

bool Wrap::apply(Mesh& mesh) const {
    const Vec3 d = Normalised(p_.direction);
    const Vec3 up = Normalised(p_.up - d * Dot(p_.up, d));
    const Vec3 right = Cross(up, d);
    if (Length(d) == 0 || Length(up) == 0) return false;
    for (int g = 0; g < mesh.groupCount(); ++g) {
        for (auto& v : mesh.mutableGroup(g).vertices) {
            const Vec3 p = Vec3(v.x, v.y, v.z) - p_.origin;
            const double a = Dot(p, right), b = Dot(p, up), h = Dot(p, d);
            double s = 0, t = 0;
            if (p_.type == Type::Flat) {
                s = a, t = b;
            } else {
                s = std::atan2(a, b) / kTwoPi;
                if (s < 0) s += 1.0;
                if (p_.type == Type::Cylinder) {
                    t = h;
                } else {
                    const double r = Length(p);
                    t = r > 0 ? std::acos(std::clamp(h / r, -1.0, 1.0)) / (kTwoPi / 2) : 0;
                }
            }
            v.u = static_cast<float>(p_.scaleU * s - p_.originU);
            v.v = static_cast<float>(p_.scaleV * t - p_.originV);
        }
    }
    return true;
}

}  // namespace scene
