#include "maps/JupiterViewGeometry.h"

#include <algorithm>
#include <cmath>

JupiterViewGeometry::JupiterViewGeometry(QSize planView) {
    const int smaller = std::min(planView.width(), planView.height());
    drawable_ = smaller > 0;
    if (!drawable_) return;
    k_ = kSmallerSideKm / smaller;
    radius_ = kJupiterRadiusKm / k_;
}

QPoint JupiterViewGeometry::Centre(QSize picture) {
    return {picture.width() / 2, picture.height() / 2};
}

QRect JupiterViewGeometry::PlanetRect(QPoint c) const {
    const int left = int(std::trunc(c.x() - radius_));
    const int top = int(std::trunc(c.y() - radius_));
    const int right = int(std::trunc(c.x() + radius_ + 1));
    const int bottom = int(std::trunc(c.y() + radius_ + 1));
    return QRect(left, top, right - left, bottom - top);
}

int JupiterViewGeometry::OrbitRadiusPx(const MoonPosition& p) const {
    return int(std::trunc(std::hypot(p.x, p.y) / k_));
}

QPoint JupiterViewGeometry::PlanPixel(QPoint c, const MoonPosition& p) const {
    return {int(std::trunc(c.x() - p.x / k_)), int(std::trunc(c.y() - p.y / k_))};
}

QPoint JupiterViewGeometry::EarthPixel(QPoint c, const MoonPosition& p) const {
    return {int(std::trunc(c.x() - p.x / k_)), c.y()};
}

EarthViewLayer EarthLayerOf(const MoonPosition& p) {
    return InFrontOfPlanet(p) ? EarthViewLayer::InFrontOfPlanet : EarthViewLayer::BehindPlanet;
}

QRect DefaultJupiterWindowPlacement(QSize client) {
    return QRect(client.width() / 3, client.height() / 4, int(0.33 * client.width()),
                 client.height() / 2);
}
