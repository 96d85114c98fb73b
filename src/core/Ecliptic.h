#pragma once

#include <cmath>

#include "scene/Vector.h"

// A position or offset in the ecliptic axis order the orbit maths works in: x towards the
// vernal equinox, y 90 degrees east of it along the ecliptic, z towards the north ecliptic
// pole. Kilometres unless a caller says otherwise. The scene takes the same vector in its
// own order (x, z, y) as a scene::Vec3; ToScene and ToEcliptic are the only crossings.
struct Ecliptic {
    double x = 0, y = 0, z = 0;

    friend Ecliptic operator+(const Ecliptic& a, const Ecliptic& b) {
        return {a.x + b.x, a.y + b.y, a.z + b.z};
    }
    friend Ecliptic operator-(const Ecliptic& a, const Ecliptic& b) {
        return {a.x - b.x, a.y - b.y, a.z - b.z};
    }
    friend Ecliptic operator*(const Ecliptic& a, double s) { return {a.x * s, a.y * s, a.z * s}; }
    friend bool operator==(const Ecliptic&, const Ecliptic&) = default;
    double length() const { return std::sqrt(x * x + y * y + z * z); }
};

inline scene::Vec3 ToScene(const Ecliptic& e) {
    return {e.x, e.z, e.y};
}
inline Ecliptic ToEcliptic(const scene::Vec3& s) {
    return {s.x, s.z, s.y};
}
