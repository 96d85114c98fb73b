#include "maps/MapGeometry.h"

#include <algorithm>
#include <cmath>

namespace {

// Far-off points still give a pixel: out of range values saturate well outside any picture
// instead of overflowing.
constexpr double kPixelSaturation = 1.0e9;

int TruncatedPixel(double v) {
    if (std::isnan(v)) return 0;
    return static_cast<int>(std::trunc(std::clamp(v, -kPixelSaturation, kPixelSaturation)));
}

bool WithinLineLimit(const QPoint& p) {
    return std::abs(p.x()) <= MapGeometry::kLineLimit && std::abs(p.y()) <= MapGeometry::kLineLimit;
}

}  // namespace

bool IsShowable(const MapView& view) {
    return std::isfinite(view.x) && std::isfinite(view.y) && std::isfinite(view.width) &&
           view.width > 0;
}

MapGeometry::MapGeometry() {
    extent_.left = extent_.right = kInitialLeft;
}

double MapGeometry::Width() const {
    return std::abs(extent_.right - extent_.left);
}

double MapGeometry::KmPerPixel() const {
    return w_ > 0 ? (extent_.right - extent_.left) / w_ : 0.0;
}

double MapGeometry::ViewExtent() const {
    return std::max(extent_.top - extent_.bottom, extent_.right - extent_.left);
}

void MapGeometry::Resize(int width, int height) {
    w_ = width;
    h_ = height;
    Refit();
}

void MapGeometry::SetExtent(const MapExtent& extent) {
    extent_ = extent;
    Refit();
}

void MapGeometry::Refit() {
    cached_ = false;
    if (w_ <= 0 || h_ <= 0) return;
    MapExtent& e = extent_;
    if (e.left == e.right) {  // only the first time: centred on the Sun
        e.right = -e.left;
        e.top = e.right * h_ / w_;
        e.bottom = -e.top;
    }
    const double centre = (e.top + e.bottom) / 2;
    const double k = std::abs(e.left - e.right) / w_;
    e.top = centre + h_ * k / 2;
    e.bottom = centre - h_ * k / 2;
}

QPoint MapGeometry::WorldToPixel(double x, double z) const {
    if (cached_ && x == cacheX_ && z == cacheZ_) return cachePixel_;
    const MapExtent& e = extent_;
    const QPoint p(TruncatedPixel(w_ * (x - e.left) / (e.right - e.left)),
                   TruncatedPixel(h_ * (e.top - z) / (e.top - e.bottom)));
    cached_ = true;
    cacheX_ = x;
    cacheZ_ = z;
    cachePixel_ = p;
    return p;
}

QPointF MapGeometry::PixelToWorld(double px, double py) const {
    const MapExtent& e = extent_;
    if (w_ <= 0 || h_ <= 0) return {(e.left + e.right) / 2, (e.top + e.bottom) / 2};
    return {e.left + px / w_ * (e.right - e.left), e.top - py / h_ * (e.top - e.bottom)};
}

std::optional<QLine> MapGeometry::WorldLine(double x1, double z1, double x2, double z2) const {
    const MapExtent& e = extent_;
    if ((x1 < e.left && x2 < e.left) || (x1 > e.right && x2 > e.right) ||
        (z1 > e.top && z2 > e.top) || (z1 < e.bottom && z2 < e.bottom))
        return std::nullopt;
    if (x1 != x2) {
        const QPoint a = WorldToPixel(x1, z1);
        const QPoint b = WorldToPixel(x2, z2);
        if (!WithinLineLimit(a) || !WithinLineLimit(b)) return std::nullopt;
        return QLine(a, b);
    }
    // A vertical line is cut to the picture's height, so it is always drawable.
    const QPoint a = WorldToPixel(x1, std::clamp(z1, e.bottom, e.top));
    const QPoint b = WorldToPixel(x2, std::clamp(z2, e.bottom, e.top));
    return QLine(a, b);
}

void MapGeometry::SetMapView(double x, double z, double halfSize) {
    const double half = h_ < w_ && h_ > 0 ? halfSize * w_ / h_ : halfSize;
    extent_ = {x - half, x + half, z + half, z - half};
    Refit();
}

void MapGeometry::CentreOn(double x, double z, double halfWidth) {
    extent_ = {x - halfWidth, x + halfWidth, z, z};
    Refit();
}

void MapGeometry::Pan(PanDirection direction) {
    MapExtent& e = extent_;
    const double across = kPanFraction * (e.right - e.left);
    const double up = kPanFraction * (e.top - e.bottom);
    switch (direction) {
        case PanDirection::Left:
            e.left -= across, e.right -= across;
            break;
        case PanDirection::Right:
            e.left += across, e.right += across;
            break;
        case PanDirection::Up:
            e.top += up, e.bottom += up;
            break;
        case PanDirection::Down:
            e.top -= up, e.bottom -= up;
            break;
    }
    Refit();
}

ZoomResult MapGeometry::ZoomIn(QPointF pixel) {
    const double w = Width();
    if (!(w > kZoomInLimit)) return ZoomResult::TooFarIn;
    const double h = std::abs(extent_.bottom - extent_.top);
    const QPointF at = PixelToWorld(pixel.x(), pixel.y());
    MapExtent& e = extent_;
    e.left = at.x() - w / 4;
    e.right = e.left + w / 2;
    e.top = at.y() + h / 4;
    e.bottom = e.top - h / 2;
    Refit();
    return ZoomResult::Zoomed;
}

ZoomResult MapGeometry::ZoomOut(QPointF pixel) {
    const double w = Width();
    if (w >= kZoomOutLimit) return ZoomResult::TooFarOut;
    const double h = std::abs(extent_.bottom - extent_.top);
    const QPointF at = PixelToWorld(pixel.x(), pixel.y());
    extent_ = {at.x() - w, at.x() + w, at.y() + h, at.y() - h};
    Refit();
    return ZoomResult::Zoomed;
}

ZoomResult MapGeometry::ZoomAt(QPointF pixel, bool in) {
    const double w = Width();
    if (in && !(w > kZoomInLimit)) return ZoomResult::TooFarIn;
    if (!in && w >= kZoomOutLimit) return ZoomResult::TooFarOut;
    const double factor = in ? 0.5 : 2.0;
    const double h = std::abs(extent_.bottom - extent_.top);
    const QPointF at = PixelToWorld(pixel.x(), pixel.y());
    const double fx = w_ > 0 ? pixel.x() / w_ : 0.5;
    const double fy = h_ > 0 ? pixel.y() / h_ : 0.5;
    MapExtent& e = extent_;
    e.left = at.x() - fx * w * factor;
    e.right = e.left + w * factor;
    e.top = at.y() + fy * h * factor;
    e.bottom = e.top - h * factor;
    Refit();
    return ZoomResult::Zoomed;
}

MapView MapGeometry::View() const {
    const MapExtent& e = extent_;
    return {(e.left + e.right) / 2, (e.top + e.bottom) / 2, Width()};
}

bool MapGeometry::SetView(const MapView& view) {
    if (!IsShowable(view)) return false;
    extent_ = {view.x - view.width / 2, view.x + view.width / 2, view.y, view.y};
    Refit();
    return true;
}
