#include "sky/SkyMath.h"

#include <algorithm>
#include <cmath>

#include "core/Angles.h"

namespace sky {

scene::Vec3 RaDecToUnitVector(double raHours, double decDegrees) {
    const double a = raHours * 2 * kPi / 24, d = decDegrees * kPi / 180;
    return {std::cos(d) * std::cos(a), std::sin(d), std::cos(d) * std::sin(a)};
}

scene::Vec3 EquatorialToWorld(const scene::Vec3& v) {
    const double c = std::cos(double(kObliquity)), s = std::sin(double(kObliquity));
    return {v.x, v.y * c - v.z * s, v.y * s + v.z * c};
}

scene::Vec3 WorldToEquatorial(const scene::Vec3& v) {
    const double c = std::cos(double(kObliquity)), s = std::sin(double(kObliquity));
    return {v.x, v.y * c + v.z * s, -v.y * s + v.z * c};
}

scene::Vec3 RaDecToWorld(double raHours, double decDegrees) {
    return EquatorialToWorld(RaDecToUnitVector(raHours, decDegrees));
}

RaDec UnitVectorToRaDec(const scene::Vec3& v) {
    RaDec r;
    r.dec = std::asin(std::clamp(v.y, -1.0, 1.0));
    r.ra = (v.z == 0 && v.x == 0) ? 0 : std::atan2(v.z, v.x);
    return r;
}

RaDec WorldToRaDec(const scene::Vec3& v) {
    return UnitVectorToRaDec(WorldToEquatorial(v));
}

int SkyZoneOf(int hour, int d) {
    if (hour < 0) hour += 24;
    if (hour > 23) hour -= 24;
    if (d > 90) d = 180 - d;
    if (d < -90) d = -180 - d;
    return (d + 90) / 10 + hour * 18;
}

bool InSkyRange(double raHours, double decDegrees) {
    return std::isfinite(raHours) && std::isfinite(decDegrees) && raHours >= 0 && raHours <= 24 &&
           decDegrees >= -90 && decDegrees <= 90;
}

int SkyZoneAt(double raHours, double decDegrees) {
    if (!std::isfinite(raHours)) raHours = 0;
    if (!std::isfinite(decDegrees)) decDegrees = 0;
    double hour = std::fmod(std::trunc(raHours), 24.0);
    if (hour < 0) hour += 24;
    const double degree = std::clamp(std::trunc(decDegrees), -90.0, 90.0);
    return SkyZoneOf(static_cast<int>(hour), static_cast<int>(degree));
}

std::uint8_t MagIndex(double m) {
    // Held to a range an int holds; any real magnitude is far inside it.
    const double index = std::isfinite(m) ? std::clamp(std::trunc((m + 2) * 19), -1e9, 1e9) : 0;
    return static_cast<std::uint8_t>(static_cast<int>(index) & 0xFF);
}

}  // namespace sky
