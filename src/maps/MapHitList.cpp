#include "maps/MapHitList.h"

#include <algorithm>

#include "core/Body.h"

namespace MapHits {

std::vector<Body*> NearestBodies(const MapHitList& hits, double x, double z, int count) {
    struct Candidate {
        double distance2;
        Body* body;
    };
    std::vector<Candidate> sorted;
    sorted.reserve(hits.size());
    for (const MapHit& hit : hits) {
        if (!hit.body) continue;
        // Heights above the ecliptic do not count: the distance is across the map.
        const Ecliptic at = hit.body->heliocentric();
        const double dx = at.x - x, dz = at.y - z;
        sorted.push_back({dx * dx + dz * dz, hit.body});
    }
    std::stable_sort(sorted.begin(), sorted.end(), [](const Candidate& a, const Candidate& b) {
        return a.distance2 < b.distance2;
    });
    std::vector<Body*> nearest;
    for (const Candidate& c : sorted) {
        if (static_cast<int>(nearest.size()) >= count) break;
        const BodyKind kind = c.body->Kind();
        if (kind == BodyKind::Rings || kind == BodyKind::Atmosphere) continue;
        nearest.push_back(c.body);
    }
    return nearest;
}

const MapHit* HintAt(const MapHitList& hits, QPoint pointer) {
    const MapHit* best = nullptr;
    int bestDistance2 = kHintRadius * kHintRadius + 1;
    for (const MapHit& hit : hits) {
        const int dx = hit.x - pointer.x(), dy = hit.y - pointer.y();
        const int d2 = dx * dx + dy * dy;
        if (d2 < bestDistance2) {
            best = &hit;
            bestDistance2 = d2;
        }
    }
    return best;
}

}  // namespace MapHits
