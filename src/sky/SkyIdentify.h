#pragma once

#include <QString>
#include <cstdint>
#include <optional>
#include <vector>

#include "sky/SkyBodies.h"
#include "sky/SkyProjection.h"

namespace sky {

class StarCatalogue;
struct StarRecord;

// A body as the last draw placed it on the picture (index into SkySolarSystem::bodies).
struct DrawnBody {
    int bodyIndex = 0;
    int x = 0, y = 0;
    int radius = 0;  // of its disc or dot, pixels
};

// What a right click on the sky found.
struct SkyIdentity {
    QString name;
    std::optional<double> magnitude;
    RaDecPosition position;
    Horizontal horizontal;  // the sky view's azimuth, from south
};

// The star or body drawn nearest to (x, y) within a few pixels, from the last draw's screen
// positions (stars flagged on screen, bodies as placed).
std::optional<SkyIdentity> IdentifyAt(int x, int y, const StarCatalogue& catalogue,
                                      const SkySolarSystem& solarSystem,
                                      const std::vector<DrawnBody>& drawnBodies,
                                      const ViewBasis& basis);

// "Betelgeuse  mag 0.50  RA 5h 55m 10s  Dec +7° 24' 25"  Alt 35.2°  Az 120.3°" with the
// azimuth as a compass bearing (from north through east), as the direction strip shows.
QString DescribeIdentity(const SkyIdentity& identity);

// A star's names as one text: proper name, Greek letter, Flamsteed number; or "Star n".
QString StarDisplayName(const StarRecord& star, int number);

}  // namespace sky
