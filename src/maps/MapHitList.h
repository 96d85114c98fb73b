#pragma once

#include <QPoint>
#include <vector>

class Body;

// A body drawn in the last redraw, at its picture position.
struct MapHit {
    int x = 0, y = 0;
    Body* body = nullptr;
};
using MapHitList = std::vector<MapHit>;

namespace MapHits {

inline constexpr int kMenuBodies = 8;  // bodies offered in each camera submenu
inline constexpr int kHintRadius = 8;  // pixels

// The drawn bodies nearest the world point (x, z) of the map plane, nearest first (equal
// distances keep their drawing order), without rings and atmospheres, at most `count`.
std::vector<Body*> NearestBodies(const MapHitList& hits, double x, double z,
                                 int count = kMenuBodies);
// The drawn body within 8 pixels of the pointer, the nearest (the first of equals); none
// when there is none.
const MapHit* HintAt(const MapHitList& hits, QPoint pointer);

}  // namespace MapHits
