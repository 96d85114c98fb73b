#pragma once

#include <array>
#include <optional>

#include "core/Ecliptic.h"
#include "core/EphemerisModel.h"
#include "core/SimTime.h"
#include "scene/Vector.h"

namespace sky {

// The sky view's horizontal field of view: 45 degrees unless the user zooms.
constexpr double kDefaultFieldOfView = 45.0;
constexpr double kMinFieldOfView = 1.0;
constexpr double kMaxFieldOfView = 120.0;

// Local sidereal time in hours, [0, 24), at the longitude (degrees, east positive).
double LocalSiderealTime(SimTime t, double longitude);

// Right ascension (hours, [0, 24)) and declination (degrees).
struct RaDecPosition {
    double raHours = 0;
    double decDegrees = 0;
};

// The direction of an ecliptic vector (x to the vernal equinox, z to the north ecliptic
// pole) in equatorial coordinates, turned by the catalogue's obliquity.
RaDecPosition EclipticToRaDec(const Ecliptic& v);

// Altitude above the horizon and azimuth as the sky view counts it: from south through
// east (south 0, east 90, north 180, west 270), degrees.
struct Horizontal {
    double altitude = 0;
    double azimuth = 0;
};

// The azimuth an almanac prints (from north through east, [0, 360)) for a sky view azimuth.
double CompassBearing(double skyAzimuth);

// The observer's horizon and the view's axes, all unit vectors in the equatorial frame of
// the catalogue (x to 0 h, y to the north celestial pole, z to 6 h).
struct ViewBasis {
    scene::Vec3 south, zenith, west;
    scene::Vec3 forward, up, right;

    // Where a direction stands for the observer.
    Horizontal HorizontalOf(const scene::Vec3& direction) const;
};

// How the sky stands at an instant. With the orbit elements: the local mean sidereal time of
// the simple formula, the catalogue's J2000 equator taken for the equator of the date. With
// precise positions: the apparent sidereal time (IAU 2006/2000A) plus the longitude, and the
// precession and nutation that carry the catalogue frame to the true equator of the date.
struct SkyOrientation {
    double lstHours = 0;
    bool ofDate = false;
    // Catalogue frame (x to 0 h, y to the pole, z to 6 h) of J2000 to the same of the date.
    std::array<std::array<double, 3>, 3> toDate{{{1, 0, 0}, {0, 1, 0}, {0, 0, 1}}};
};
SkyOrientation OrientationAt(SimTime t, double longitude, EphemerisModel model);

// Facing the azimuth (sky view's count) with the view centre the altitude above the horizon,
// for the local sidereal time (hours) and latitude (degrees).
ViewBasis BuildViewBasis(double lstHours, double latitude, double azimuth, double altitude);
// The same for an orientation: the horizon is laid out on the equator of the date, then every
// axis is turned back into the catalogue's J2000 frame, which does for the stars and bodies
// together what precessing each of them would.
ViewBasis BuildViewBasis(const SkyOrientation& orientation, double latitude, double azimuth,
                         double altitude);

// Turns v by theta degrees about the unit axis (v cos + (axis x v) sin + axis (axis.v)(1 - cos)).
scene::Vec3 RotateAbout(const scene::Vec3& axis, double thetaDegrees, const scene::Vec3& v);

// Altitude and azimuth of a body seen from the Earth's centre (the vector from the Earth to
// the body, km), for an observer at the latitude and longitude at time t. The Earth's own
// centre (a zero vector) is straight below: altitude -90, bearing 0.
Horizontal ObserverHorizontal(const Ecliptic& fromEarth, SimTime t, double latitude,
                              double longitude, EphemerisModel model = EphemerisModel::Elements);

enum class ProjectionResult { Behind = -1, OnPicture = 0, OffPicture = 1 };

struct Projected {
    ProjectionResult result = ProjectionResult::Behind;
    int x = 0, y = 0;
    bool onPicture() const { return result == ProjectionResult::OnPicture; }
    bool inFront() const { return result != ProjectionResult::Behind; }
};

// The orthographic projection of the unit sphere onto the sky picture: no division by
// distance, the picture's half width standing for the sine of half the field of view.
class SkyProjection {
  public:
    SkyProjection() = default;
    SkyProjection(const ViewBasis& basis, int width, int height, double fieldOfView);

    // Nothing within 0.1 of the plane through the viewer (or behind it) is drawn.
    Projected ProjectDirection(const scene::Vec3& v) const;
    // The right ascension is brought into 0..24 by one step of 24.
    Projected ProjectRaDec(double raHours, double decDegrees) const;
    // A body's direction from the Earth (km, ecliptic axes).
    Projected ProjectEcliptic(const Ecliptic& fromEarth) const;
    // The direction a point of the picture shows; none beyond the visible hemisphere.
    std::optional<scene::Vec3> Unproject(double x, double y) const;

    const ViewBasis& basis() const { return basis_; }
    int width() const { return width_; }
    int height() const { return height_; }
    double fieldOfView() const { return fieldOfView_; }
    double scale() const { return scale_; }
    int centreX() const { return cw_; }
    int centreY() const { return ch_; }

  private:
    ViewBasis basis_;
    int width_ = 0, height_ = 0;
    int cw_ = 0, ch_ = 0;
    double fieldOfView_ = kDefaultFieldOfView;
    double scale_ = 1;
};

}  // namespace sky
