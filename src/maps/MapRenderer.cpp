#include "maps/MapRenderer.h"

#include <QFontMetrics>
#include <QPainter>
#include <algorithm>
#include <cmath>

#include "core/Angles.h"
#include "core/Body.h"
#include "core/Simulation.h"
#include "maps/MapOrbits.h"
#include "maps/SmallPictureCache.h"

namespace {

constexpr int kSaturn = 5;  // place in the planet list
constexpr int kMarkerHalf = 2;
constexpr int kCrossArm = 4;
constexpr int kLargestPictureless = 3;  // half widths up to this are drawn as shapes
constexpr int kLargestMoonDot = 2;

bool IsDrawnKind(BodyKind kind) {
    return kind == BodyKind::Sun || kind == BodyKind::Planet || kind == BodyKind::Moon;
}

// The direction of the body from the Sun across the map, in whole degrees.
int SunwardAngle(const Ecliptic& at) {
    return static_cast<int>(std::trunc(RadToDeg(std::atan2(at.y, at.x))));
}

// One redraw: the painter and what every step of it reads.
class MapPass {
  public:
    MapPass(QImage& picture, const MapGeometry& geometry, const QFont& font)
        : picture_(picture),
          painter_(&picture),
          geometry_(geometry),
          view_(geometry.extent()),
          metrics_(font),
          k_(geometry.KmPerPixel()),
          viewExtent_(geometry.ViewExtent()) {
        painter_.setFont(font);
        Merge();
    }

    // Shapes and lines combine with what is already drawn (bitwise OR of the colours).
    void Merge() { painter_.setCompositionMode(QPainter::RasterOp_SourceOrDestination); }
    void Copy() { painter_.setCompositionMode(QPainter::CompositionMode_Source); }

    void SetColour(QRgb colour) {
        painter_.setPen(QColor(colour));
        painter_.setBrush(QColor(colour));
    }

    bool IsLit(QPoint p) const {
        return picture_.rect().contains(p) && (picture_.pixel(p) & 0xFFFFFFu) != 0;
    }

    // A filled ellipse in the box from a to b, both corners included.
    void Ellipse(QPoint a, QPoint b) {
        if (a == b)
            painter_.drawPoint(a);
        else
            painter_.drawEllipse(QRect(a.x(), a.y(), b.x() - a.x(), b.y() - a.y()));
    }

    void Picture(const QImage& image, QPoint a, QPoint b) {
        Copy();
        painter_.setRenderHint(QPainter::SmoothPixmapTransform);
        painter_.drawImage(QRect(a.x(), a.y(), b.x() - a.x(), b.y() - a.y()), image);
        painter_.setRenderHint(QPainter::SmoothPixmapTransform, false);
        Merge();
    }

    void Marker(QPoint c, QRgb colour) {
        painter_.fillRect(c.x() - kMarkerHalf, c.y() - kMarkerHalf, 2 * kMarkerHalf + 1,
                          2 * kMarkerHalf + 1, QColor(colour));
    }

    void Dot(QPoint c) {
        Copy();
        painter_.drawPoint(c);
        Merge();
    }

    void Label(const QString& text, int x, int y) {
        const QRect box(x, y, metrics_.horizontalAdvance(text), metrics_.height());
        Copy();
        painter_.fillRect(box, Qt::black);
        painter_.setPen(Qt::white);
        painter_.drawText(box, Qt::AlignLeft | Qt::AlignTop, text);
        Merge();
    }

    void Loop(const std::vector<QPointF>& loop) {
        for (std::size_t i = 1; i < loop.size(); ++i)
            if (auto line =
                    geometry_.WorldLine(loop[i - 1].x(), loop[i - 1].y(), loop[i].x(), loop[i].y()))
                painter_.drawLine(*line);
    }

    void Cross(QPoint c) {
        painter_.setPen(Qt::white);
        painter_.drawLine(c.x() - kCrossArm, c.y() - kCrossArm, c.x() + kCrossArm,
                          c.y() + kCrossArm);
        painter_.drawLine(c.x() + kCrossArm, c.y() - kCrossArm, c.x() - kCrossArm,
                          c.y() + kCrossArm);
    }

    QImage& picture_;
    QPainter painter_;
    const MapGeometry& geometry_;
    const MapExtent view_;
    const QFontMetrics metrics_;
    const double k_;
    const double viewExtent_;
    std::vector<QPointF> loop_;  // reused for every orbit
};

}  // namespace

MapRenderer::MapRenderer(const Simulation& sim, SmallPictureCache& pictures)
    : sim_(sim), pictures_(pictures), font_(QStringLiteral("Arial"), 8) {}

QRgb MapRenderer::MapColour(std::uint32_t colour) {
    return qRgb(colour & 0xFF, (colour >> 8) & 0xFF, (colour >> 16) & 0xFF);
}

QRgb MapRenderer::OrbitColour(std::uint32_t colour) {
    const auto shade = [](std::uint32_t c) { return static_cast<int>((c & 0xFF) * kOrbitShade); };
    return qRgb(shade(colour), shade(colour >> 8), shade(colour >> 16));
}

MapHitList MapRenderer::Draw(QImage& picture, const MapGeometry& geometry,
                             const MapDrawOptions& options, const scene::Vec3& camera,
                             qint64 tick) {
    const QSize size(geometry.pictureWidth(), geometry.pictureHeight());
    if (picture.size() != size || picture.format() != QImage::Format_RGB32)
        picture = QImage(size, QImage::Format_RGB32);
    MapHitList hits;
    if (size.isEmpty()) return hits;
    picture.fill(Qt::black);

    MapPass pass(picture, geometry, font_);
    const MapExtent& view = pass.view_;
    const Body* saturn = sim_.planet(kSaturn);
    const Body* rings = sim_.rings();

    for (Body* body : sim_.bodies()) {
        const BodyKind kind = body->Kind();
        if (!IsDrawnKind(kind)) continue;
        const std::uint32_t colour = body->colour(0) & 0xFFFFFFu;
        pass.SetColour(MapColour(colour));
        const Ecliptic at = body->heliocentric();
        const double x = at.x, z = at.y;

        if (view.left < x && x < view.right && view.bottom < z && z < view.top) {
            const double r =
                body == saturn && rings ? rings->largestRadius() : body->largestRadius();
            const QPoint a = geometry.WorldToPixel(x - r, z + r);
            const QPoint b = geometry.WorldToPixel(x + r, z - r);
            const int halfWidth = std::abs(a.x() - b.x() + 1) / 2;
            const QPoint centre((a.x() + b.x()) / 2, (a.y() + b.y()) / 2);
            bool listed = true;
            if (halfWidth <= kLargestPictureless) {
                // A moon that falls on its planet's drawing is hidden under it.
                if (!pass.IsLit(a))
                    pass.Ellipse(a, b);
                else if (kind == BodyKind::Moon)
                    listed = false;
            } else if (const QImage* small = pictures_.Picture(*body, SunwardAngle(at), tick)) {
                pass.Picture(*small, a, b);
            } else {
                pass.Ellipse(a, b);
            }
            if (listed) {
                if (kind != BodyKind::Moon && halfWidth <= kLargestPictureless)
                    pass.Marker(centre, MapColour(colour));
                else if (kind == BodyKind::Moon && halfWidth <= kLargestMoonDot &&
                         pass.viewExtent_ < kMoonDotExtent)
                    pass.Dot(centre);
                hits.push_back({centre.x(), centre.y(), body});
                if (options.labels && body->OrbitExtent() > kLabelOrbitPixels * pass.k_)
                    pass.Label(body->name(), centre.x(), std::max(a.y(), b.y()) + kLabelGap);
            }
        }

        // The orbit, whether or not the body itself is in the picture.
        const Body* parent = kind == BodyKind::Moon ? body->Parent() : nullptr;
        const double extent = body->OrbitExtent();
        if (kind == BodyKind::Planet) {
            if (!options.planetOrbits || !(extent > kPlanetOrbitPixels * pass.k_)) continue;
        } else if (kind == BodyKind::Moon && parent) {
            if (!options.moonOrbits || !(extent > kMoonOrbitPixels * pass.k_)) continue;
        } else {
            continue;
        }
        const Ecliptic centre = parent ? parent->heliocentric() : Ecliptic{};
        if (MapOrbits::OrbitOutsideView(view, centre.x, centre.y, extent)) continue;
        const auto& path = body->orbitPath();
        if (static_cast<int>(path.size()) < MapOrbits::kSampleCount) continue;
        const double radiusPixels = std::min(extent / pass.k_, 1.0e6);
        const int step = MapOrbits::SampleStep(static_cast<int>(radiusPixels));
        pass.loop_.clear();
        for (int i : MapOrbits::SampleIndices(step)) {
            const Ecliptic& sample = path[static_cast<std::size_t>(i)];
            pass.loop_.push_back(parent ? MapOrbits::MoonSampleOnMap(*body, *parent, sample)
                                        : MapOrbits::PlanetSampleOnMap(sample));
        }
        if (MapOrbits::ViewInsideOrbit(view, centre.x, centre.y,
                                       MapOrbits::InnerRadius(pass.loop_, centre.x, centre.y)))
            continue;
        pass.SetColour(OrbitColour(colour));
        pass.Loop(pass.loop_);
    }

    const QPoint c = geometry.WorldToPixel(camera.x, camera.z);
    if (0 < c.x() && 0 < c.y() && c.x() < size.width() && c.y() < size.height()) pass.Cross(c);
    return hits;
}
