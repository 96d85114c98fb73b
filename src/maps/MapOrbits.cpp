#include "maps/MapOrbits.h"

#include <algorithm>
#include <cmath>

#include "core/Body.h"
#include "core/Luna.h"

namespace MapOrbits {

int SampleStep(int radiusPixels) {
    if (radiusPixels <= 34) return 10;
    if (radiusPixels <= 54) return 5;
    if (radiusPixels <= 109) return 2;
    return 1;
}

std::vector<int> SampleIndices(int step) {
    step = std::clamp(step, 1, kSampleCount);
    std::vector<int> indices;
    indices.reserve(static_cast<std::size_t>(kSampleCount / step + 1));
    indices.push_back(step - 1);
    for (int i = kSampleCount - 1; i >= 0; i -= step) indices.push_back(i);
    return indices;
}

bool OrbitOutsideView(const MapExtent& view, double cx, double cz, double orbitExtent) {
    const double d = kOuterFactor * orbitExtent;
    return cx + d < view.left || cx - d > view.right || cz - d > view.top || cz + d < view.bottom;
}

bool ViewInsideOrbit(const MapExtent& view, double cx, double cz, double innerRadius) {
    const double dx = std::max(std::abs(view.left - cx), std::abs(view.right - cx));
    const double dz = std::max(std::abs(view.top - cz), std::abs(view.bottom - cz));
    return dx * dx + dz * dz < innerRadius * innerRadius;
}

double InnerRadius(const std::vector<QPointF>& loop, double cx, double cz) {
    if (loop.empty()) return 0;
    double nearest = std::hypot(loop.front().x() - cx, loop.front().y() - cz);
    for (std::size_t i = 1; i < loop.size(); ++i) {
        const QPointF a = loop[i - 1], b = loop[i];
        const double ex = b.x() - a.x(), ez = b.y() - a.y();
        const double length2 = ex * ex + ez * ez;
        double t = length2 > 0 ? ((cx - a.x()) * ex + (cz - a.y()) * ez) / length2 : 0.0;
        t = std::clamp(t, 0.0, 1.0);
        nearest = std::min(nearest, std::hypot(a.x() + t * ex - cx, a.y() + t * ez - cz));
    }
    return nearest;
}

QPointF PlanetSampleOnMap(const Ecliptic& sample) {
    return {sample.x, sample.y};
}

QPointF MoonSampleOnMap(const Body& moon, const Body& parent, const Ecliptic& sample) {
    const scene::Vec3 p = parent.positionKm();
    if (dynamic_cast<const Luna*>(&moon)) return {sample.x + p.x, sample.y + p.z};
    // As PlaceBody: the offset in the parent's equatorial axes.
    const scene::Vec3 local = ToScene(sample);
    const scene::Vec3 world =
        parent.right() * -local.x + parent.up() * local.y + parent.direction() * local.z + p;
    return {world.x, world.z};
}

}  // namespace MapOrbits
