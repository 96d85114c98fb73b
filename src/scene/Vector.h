#pragma once

#include <algorithm>
#include <cmath>

namespace scene {

struct Vec3 {
    double x = 0, y = 0, z = 0;

    constexpr Vec3() = default;
    constexpr Vec3(double x_, double y_, double z_) : x(x_), y(y_), z(z_) {}

    constexpr Vec3 operator+(const Vec3& o) const { return {x + o.x, y + o.y, z + o.z}; }
    constexpr Vec3 operator-(const Vec3& o) const { return {x - o.x, y - o.y, z - o.z}; }
    constexpr Vec3 operator-() const { return {-x, -y, -z}; }
    constexpr Vec3 operator*(double s) const { return {x * s, y * s, z * s}; }
    constexpr Vec3 operator/(double s) const { return {x / s, y / s, z / s}; }
    Vec3& operator+=(const Vec3& o) { return *this = *this + o; }
    Vec3& operator-=(const Vec3& o) { return *this = *this - o; }
    Vec3& operator*=(double s) { return *this = *this * s; }
    constexpr bool operator==(const Vec3&) const = default;
};

struct Vec4 {
    double x = 0, y = 0, z = 0, w = 0;
};

constexpr double Dot(const Vec3& a, const Vec3& b) {
    return a.x * b.x + a.y * b.y + a.z * b.z;
}

constexpr Vec3 Cross(const Vec3& a, const Vec3& b) {
    return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x};
}

inline double Length(const Vec3& v) {
    return std::sqrt(Dot(v, v));
}

// The vector scaled to unit length; a zero vector stays zero, and so does one with a
// component that is not finite. It is first divided by its largest component, so that huge
// or tiny vectors do not overflow or underflow on the way.
inline Vec3 Normalised(const Vec3& v) {
    const double m = std::max({std::abs(v.x), std::abs(v.y), std::abs(v.z)});
    if (!std::isfinite(m)) return Vec3{};
    if (m == 0) return v;
    const Vec3 s = v / m;
    return s / Length(s);
}

// Turns v by theta radians about axis. Seen from the axis's positive end towards the origin
// the turn is clockwise in the scene's left-handed axes: about x, (0, 1, 0) goes to
// (0, cos, sin).
inline Vec3 RotateVector(const Vec3& v, const Vec3& axis, double theta) {
    const Vec3 k = Normalised(axis);
    const double c = std::cos(theta), s = std::sin(theta);
    return v * c + Cross(k, v) * s + k * (Dot(k, v) * (1 - c));
}

// Row-vector 3x3 matrix: v' = v * M. Row i is where the unit vector e_i goes.
struct Mat3 {
    Vec3 r[3] = {{1, 0, 0}, {0, 1, 0}, {0, 0, 1}};

    static Mat3 Identity() { return {}; }
    static Mat3 Rotation(const Vec3& axis, double theta) {
        Mat3 m;
        for (int i = 0; i < 3; ++i) m.r[i] = RotateVector(Mat3().r[i], axis, theta);
        return m;
    }
    static Mat3 Scale(double sx, double sy, double sz) {
        Mat3 m;
        m.r[0] = {sx, 0, 0};
        m.r[1] = {0, sy, 0};
        m.r[2] = {0, 0, sz};
        return m;
    }
    // Rows right, up, forward of an orientation.
    static Mat3 FromAxes(const Vec3& x, const Vec3& y, const Vec3& z) {
        Mat3 m;
        m.r[0] = x;
        m.r[1] = y;
        m.r[2] = z;
        return m;
    }

    Vec3 apply(const Vec3& v) const { return r[0] * v.x + r[1] * v.y + r[2] * v.z; }
    Mat3 operator*(const Mat3& o) const {
        Mat3 m;
        for (int i = 0; i < 3; ++i) m.r[i] = o.apply(r[i]);
        return m;
    }
    Mat3 transposed() const {
        Mat3 m;
        m.r[0] = {r[0].x, r[1].x, r[2].x};
        m.r[1] = {r[0].y, r[1].y, r[2].y};
        m.r[2] = {r[0].z, r[1].z, r[2].z};
        return m;
    }
};

// p' = p * rotation + translation (a point in a frame's axes into its parent's).
struct Transform {
    Mat3 rotation;
    Vec3 translation;

    Vec3 applyPoint(const Vec3& p) const { return rotation.apply(p) + translation; }
    Vec3 applyVector(const Vec3& v) const { return rotation.apply(v); }
    // This transform followed by the parent's.
    Transform then(const Transform& parent) const {
        return {rotation * parent.rotation, parent.applyPoint(translation)};
    }
    // For orthonormal rotations.
    Transform inverse() const {
        const Mat3 t = rotation.transposed();
        return {t, -t.apply(translation)};
    }
};

}  // namespace scene
