#include "sky/SkyProjection.h"

#include <algorithm>
#include <cmath>

#include "core/Angles.h"
#include "core/PreciseEphemeris.h"
#include "sky/SkyMath.h"

namespace sky {

namespace {

constexpr double kDegrees = 180.0 / kPi;
// cos and sin of the obliquity, as the ecliptic-to-equator turn of the body positions uses.
constexpr double kCosObliquity = 0.917482055;
constexpr double kSinObliquity = 0.39777717;

double Wrap360(double degrees) {
    degrees = std::fmod(degrees, 360.0);
    if (degrees < 0) degrees += 360.0;
    return degrees >= 360.0 ? 0.0 : degrees;  // a tiny negative angle must not give 360
}

}  // namespace

double LocalSiderealTime(SimTime t, double longitude) {
    const double d = DaysSinceJ2000(t);
    const double days = t / kSecondsPerDay;
    const double u = days - std::floor(days);
    return Wrap360(0.985647 * d + 100.46 + longitude + 360.0 * u) / 15.0;
}

RaDecPosition EclipticToRaDec(const Ecliptic& e) {
    // In the world frame's order (x, y to the ecliptic pole, z) and turned to the equator.
    const double x = e.x, y = e.z, z = e.y;
    const double xq = x;
    const double zq = z * kCosObliquity - y * kSinObliquity;
    const double yq = z * kSinObliquity + y * kCosObliquity;
    RaDecPosition p;
    p.raHours = Wrap360(std::atan2(zq, xq) * kDegrees) / 15.0;
    p.decDegrees = std::atan2(yq, std::sqrt(xq * xq + zq * zq)) * kDegrees;
    return p;
}

double CompassBearing(double skyAzimuth) {
    return Wrap360(180.0 - skyAzimuth);
}

Horizontal ViewBasis::HorizontalOf(const scene::Vec3& v) const {
    const scene::Vec3 d = scene::Normalised(v);
    Horizontal h;
    h.altitude = std::asin(std::clamp(scene::Dot(d, zenith), -1.0, 1.0)) * kDegrees;
    // East is minus west; south 0, east 90.
    const double s = scene::Dot(d, south), e = -scene::Dot(d, west);
    h.azimuth = (s == 0 && e == 0) ? 0.0 : Wrap360(std::atan2(e, s) * kDegrees);
    return h;
}

scene::Vec3 RotateAbout(const scene::Vec3& axis, double thetaDegrees, const scene::Vec3& v) {
    const double c = std::cos(thetaDegrees / kDegrees), s = std::sin(thetaDegrees / kDegrees);
    return v * c + scene::Cross(axis, v) * s + axis * (scene::Dot(axis, v) * (1 - c));
}

ViewBasis BuildViewBasis(double lst, double latitude, double azimuth, double altitude) {
    ViewBasis b;
    b.south = latitude >= 0 ? RaDecToUnitVector(lst, latitude - 90)
                            : RaDecToUnitVector(std::fmod(lst + 12, 24.0), -latitude - 90);
    b.zenith = RaDecToUnitVector(lst, latitude);
    b.west = scene::Cross(b.zenith, b.south);
    const scene::Vec3 right0 = RotateAbout(b.zenith, -azimuth, b.west);
    const scene::Vec3 forward0 = RotateAbout(b.zenith, -azimuth, b.south);
    b.forward = RotateAbout(right0, -altitude, forward0);
    b.up = RotateAbout(right0, -altitude, b.zenith);
    b.right = right0;
    return b;
}

SkyOrientation OrientationAt(SimTime t, double longitude, EphemerisModel model) {
    SkyOrientation o;
    if (model != EphemerisModel::Precise) {
        o.lstHours = LocalSiderealTime(t, longitude);
        return o;
    }
    o.ofDate = true;
    o.lstHours = Wrap360(PreciseEphemeris::ApparentSiderealTime(t) * kDegrees + longitude) / 15.0;
    // ERFA's frame has z to the pole, the catalogue's y: swap the two on both sides.
    const Rotation3 m = PreciseEphemeris::PrecessionNutation(t);
    constexpr int kAxis[3] = {0, 2, 1};
    for (int i = 0; i < 3; ++i)
        for (int j = 0; j < 3; ++j) o.toDate[i][j] = m[kAxis[i]][kAxis[j]];
    return o;
}

ViewBasis BuildViewBasis(const SkyOrientation& o, double latitude, double azimuth,
                         double altitude) {
    ViewBasis b = BuildViewBasis(o.lstHours, latitude, azimuth, altitude);
    if (!o.ofDate) return b;
    // Back from the date to J2000: the transpose of the turn.
    const auto back = [&o](const scene::Vec3& v) {
        const auto& m = o.toDate;
        return scene::Vec3{m[0][0] * v.x + m[1][0] * v.y + m[2][0] * v.z,
                           m[0][1] * v.x + m[1][1] * v.y + m[2][1] * v.z,
                           m[0][2] * v.x + m[1][2] * v.y + m[2][2] * v.z};
    };
    for (scene::Vec3* axis : {&b.south, &b.zenith, &b.west, &b.forward, &b.up, &b.right})
        *axis = back(*axis);
    return b;
}

Horizontal ObserverHorizontal(const Ecliptic& fromEarth, SimTime t, double latitude,
                              double longitude, EphemerisModel model) {
    // Straight down, with the azimuth that reads as north (0) on a compass.
    if (fromEarth.length() == 0) return {-90.0, 180.0};
    const ViewBasis basis = BuildViewBasis(OrientationAt(t, longitude, model), latitude, 0, 0);
    const RaDecPosition p = EclipticToRaDec(fromEarth);
    return basis.HorizontalOf(RaDecToUnitVector(p.raHours, p.decDegrees));
}

SkyProjection::SkyProjection(const ViewBasis& basis, int width, int height, double fieldOfView)
    : basis_(basis),
      width_(width),
      height_(height),
      cw_(width / 2),
      ch_(height / 2),
      fieldOfView_(fieldOfView),
      scale_(cw_ / std::sin(fieldOfView / 2 / kDegrees)) {}

Projected SkyProjection::ProjectDirection(const scene::Vec3& v) const {
    Projected p;
    if (scene::Dot(v, basis_.forward) <= 0.1) return p;
    p.x = static_cast<int>(std::trunc(cw_ + scene::Dot(v, basis_.right) * scale_));
    p.y = static_cast<int>(std::trunc(ch_ - scene::Dot(v, basis_.up) * scale_));
    p.result = (p.x >= 0 && p.x <= width_ && p.y >= 0 && p.y <= height_)
                   ? ProjectionResult::OnPicture
                   : ProjectionResult::OffPicture;
    return p;
}

Projected SkyProjection::ProjectRaDec(double raHours, double decDegrees) const {
    if (raHours < 0)
        raHours += 24;
    else if (raHours >= 24)
        raHours -= 24;
    return ProjectDirection(RaDecToUnitVector(raHours, decDegrees));
}

Projected SkyProjection::ProjectEcliptic(const Ecliptic& fromEarth) const {
    const RaDecPosition p = EclipticToRaDec(fromEarth);
    return ProjectRaDec(p.raHours, p.decDegrees);
}

std::optional<scene::Vec3> SkyProjection::Unproject(double x, double y) const {
    const double a = (x - cw_) / scale_, b = (ch_ - y) / scale_;
    const double r2 = a * a + b * b;
    if (r2 > 1) return std::nullopt;
    return basis_.right * a + basis_.up * b + basis_.forward * std::sqrt(1 - r2);
}

}  // namespace sky
