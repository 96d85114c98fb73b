#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

#include "maps/GalileanPositions.h"

// Where the Jupiter's moons window puts things. Both views share one scale, set by the plan
// view: its smaller side spans 4,500,000 km, so Callisto's whole orbit (3,760,000 km
// across) always fits. Pixel positions are truncated, not rounded.
class JupiterViewGeometry {
  public:
    static constexpr double kSmallerSideKm = 4500000.0;

    explicit JupiterViewGeometry(QSize planView);

    // False when the plan view has no area to draw in.
    bool drawable() const { return drawable_; }
    double kmPerPixel() const { return k_; }
    double planetRadiusPx() const { return radius_; }

    // The centre of a picture of this size (integer halves).
    static QPoint Centre(QSize picture);
    // The rectangle the planet's picture is stretched into, round a centre.
    QRect PlanetRect(QPoint centre) const;
    // The radius of the circle through a moon's position, round the plan view's centre.
    int OrbitRadiusPx(const MoonPosition& p) const;
    // A moon's pixel in the plan view (east to the left, the far side up) and in the Earth
    // view (east to the left, every moon on the centre line).
    QPoint PlanPixel(QPoint centre, const MoonPosition& p) const;
    QPoint EarthPixel(QPoint centre, const MoonPosition& p) const;

  private:
    bool drawable_ = false;
    double k_ = 0;
    double radius_ = 0;
};

// How a moon is drawn in the Earth view relative to the planet's picture: moons beyond the
// planet (Y > 0) are drawn first, so the planet covers those it stands in front of; the
// rest (Y <= 0) are drawn after it, over its disc.
enum class EarthViewLayer { BehindPlanet, InFrontOfPlanet };
EarthViewLayer EarthLayerOf(const MoonPosition& p);

// Where the window first appears in the main window's client area when it has no stored
// placement: a third of the way across, a quarter of the way down, a third as wide and
// half as high.
QRect DefaultJupiterWindowPlacement(QSize client);
