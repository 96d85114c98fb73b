#pragma once

#include <QFont>
#include <QImage>
#include <cstdint>

#include "maps/MapGeometry.h"
#include "maps/MapHitList.h"
#include "scene/Vector.h"

class Simulation;
class SmallPictureCache;

struct MapDrawOptions {
    bool planetOrbits = true;
    bool moonOrbits = true;
    bool labels = true;
};

// Draws the map: every body seen from above the ecliptic, with its orbit and name, and a
// cross where the camera is. The picture takes the geometry's size.
class MapRenderer {
  public:
    // Bodies with a name need an orbit this many pixels wide (in radius) to be labelled.
    static constexpr double kLabelOrbitPixels = 14;
    static constexpr double kPlanetOrbitPixels = 10;
    static constexpr double kMoonOrbitPixels = 14;
    static constexpr double kMoonDotExtent = 52000000.0;  // km: moons get a dot in views under this
    static constexpr double kOrbitShade = 0.4;            // orbits in 40 % of the body's colour
    static constexpr int kLabelGap = 6;

    MapRenderer(const Simulation& sim, SmallPictureCache& pictures);

    void setFont(const QFont& font) { font_ = font; }
    // Draws the whole picture and returns the bodies it drew, in drawing order.
    MapHitList Draw(QImage& picture, const MapGeometry& geometry, const MapDrawOptions& options,
                    const scene::Vec3& camera, qint64 tick);

    // 0x00BBGGRR to a painter colour.
    static QRgb MapColour(std::uint32_t colour);
    static QRgb OrbitColour(std::uint32_t colour);

  private:
    const Simulation& sim_;
    SmallPictureCache& pictures_;
    QFont font_;
};
