#include "sky/SkyRenderer.h"

#include <QFontMetrics>
#include <QPainter>
#include <QPen>
#include <algorithm>
#include <cmath>

#include "core/Angles.h"
#include "sky/Constellations.h"
#include "sky/SkyData.h"
#include "sky/SkyMath.h"
#include "sky/SkyStarStyle.h"
#include "sky/StarCatalogue.h"
#include "sky/StarLabel.h"

namespace sky {

namespace {

const QColor kGridPen(128, 128, 128);
const QColor kLabelColour(192, 192, 192);
const QColor kFigurePen(80, 80, 80);
const QColor kSunColour(255, 255, 0);
const QColor kMoonColour(192, 192, 192);
const QColor kEclipticPen(255, 255, 0);
const QColor kHorizonPen(60, 170, 60);
const QColor kCardinalColour(255, 150, 40);
// The ground is blended half and half with what lies below the horizon.
constexpr QRgb kGroundColour = qRgb(56, 72, 36);
constexpr int kMoonListPosition = 10;
constexpr int kLastLargeDotPosition = 6;

QColor FromMapColour(std::uint32_t bbggrr) {
    return QColor(int(bbggrr & 0xFF), int((bbggrr >> 8) & 0xFF), int((bbggrr >> 16) & 0xFF));
}

// A polyline drawn point by point: lines run from the pen position, which then moves.
class PenWalk {
  public:
    explicit PenWalk(QPainter& p) : p_(p) {}
    void moveTo(QPoint at) { pen_ = at; }
    void lineTo(QPoint at) {
        p_.drawLine(pen_, at);
        pen_ = at;
    }
    QPoint pen() const { return pen_; }

  private:
    QPainter& p_;
    QPoint pen_;
};

// |a - b| folded into 0..180 degrees.
double AngularDistance(double a, double b) {
    double d = std::fmod(std::abs(a - b), 360.0);
    return d > 180 ? 360 - d : d;
}

// a - b folded into (-180, 180].
double SignedDifference(double a, double b) {
    double d = std::fmod(a - b, 360.0);
    if (d <= -180) d += 360;
    if (d > 180) d -= 360;
    return d;
}

void SunkenEdge(QPainter& p, int width, int height) {
    p.setPen(QColor(128, 128, 128));
    p.drawLine(0, 0, width - 1, 0);
    p.drawLine(0, 0, 0, height - 1);
    p.setPen(QColor(64, 64, 64));
    p.drawLine(1, 1, width - 2, 1);
    p.drawLine(1, 1, 1, height - 2);
    p.setPen(Qt::white);
    p.drawLine(0, height - 1, width - 1, height - 1);
    p.drawLine(width - 1, 0, width - 1, height - 1);
    p.setPen(QColor(212, 208, 200));
    p.drawLine(1, height - 2, width - 2, height - 2);
    p.drawLine(width - 2, 1, width - 2, height - 2);
}

void SetPixel(QImage& image, int x, int y, QRgb rgb) {
    if (x < 0 || y < 0 || x >= image.width() || y >= image.height()) return;
    reinterpret_cast<QRgb*>(image.scanLine(y))[x] = rgb | 0xFF000000u;
}

}  // namespace

struct SkyRenderer::StarLabelAt {
    int x, y;
    StarLabel label;
};

int SkyRenderer::Subdivisions(int most) const {
    const double fov = projection_.fieldOfView();
    if (fov >= kDefaultFieldOfView) return 1;
    return std::clamp(static_cast<int>(std::ceil(kDefaultFieldOfView / fov)), 1, most);
}

void SkyRenderer::Draw(QImage& picture, SkyViewState& state, const SkyViewSettings& settings,
                       const SkySolarSystem& solarSystem, const SkyObserver& observer,
                       const SkyFonts& fonts) {
    stats_ = {};
    drawnBodies_.clear();
    const int width = picture.width(), height = picture.height();
    if (width <= 0 || height <= 0) return;

    // The view basis and the projection for this moment.
    const SkyOrientation orientation =
        OrientationAt(state.skyTime, observer.longitude, observer.model);
    state.UpdateVerticalField(width, height);
    projection_ =
        SkyProjection(BuildViewBasis(orientation, observer.latitude, state.azimuth, state.altitude),
                      width, height, state.fieldOfView);
    zoomShift_ = ZoomIndexShift(state.fieldOfView);

    // Where the grid's labels go.
    const RaDec centre = UnitVectorToRaDec(projection_.basis().forward);
    double ra = centre.ra * 180 / kPi;
    if (ra < 0) ra += 360;
    labelHour_ = static_cast<int>(std::trunc(ra)) / 15;
    labelDec_ = static_cast<int>(std::trunc(centre.dec * 180 / kPi)) / 10 * 10;

    zones_.Build(projection_);
    picture.fill(Qt::black);

    {
        QPainter p(&picture);
        if (settings.drawGrid) DrawGrid(p, fonts);
    }
    std::vector<StarLabelAt> labels;
    DrawStars(picture, settings, labels);
    {
        QPainter p(&picture);
        DrawStarLabels(p, labels, fonts);
        if (settings.drawConstellations) DrawFigures(p, settings, fonts);
        if (settings.drawBoundaries) DrawBoundaries(p);
        DrawBodies(p, solarSystem, settings, fonts);
        if (settings.drawEcliptic) DrawEcliptic(p, solarSystem);
    }
    if (settings.drawHorizon) {
        DrawGround(picture);
        QPainter p(&picture);
        DrawHorizon(p, fonts);
    }
}

void SkyRenderer::DrawGrid(QPainter& p, const SkyFonts& fonts) {
    const QPen gridPen(kGridPen, 0, Qt::SolidLine);
    p.setFont(fonts.grid);
    const QFontMetrics metrics(fonts.grid);
    const int n = Subdivisions(64);
    bool penDown = false;
    PenWalk walk(p);
    // One point of a grid line: drawn to when its zone is marked and it is in front, and
    // labelled where the line crosses the one nearest the view centre.
    const auto visit = [&](double raHours, double dec, const QString& label, bool labelRight) {
        const Projected at = projection_.ProjectRaDec(raHours, dec);
        if (!at.inFront() || !zones_.markedAt(raHours, dec)) {
            penDown = false;
            return;
        }
        const QPoint point(at.x, at.y);
        p.setPen(gridPen);
        p.setCompositionMode(QPainter::RasterOp_SourceOrDestination);
        if (penDown)
            walk.lineTo(point);
        else
            walk.moveTo(point);
        if (!label.isEmpty()) {
            p.setCompositionMode(QPainter::CompositionMode_SourceOver);
            p.setPen(kLabelColour);
            if (labelRight) {
                p.drawText(point.x() + 2, point.y() + 2 + metrics.ascent(), label);
            } else {
                const int w = metrics.horizontalAdvance(label);
                p.drawText(point.x() - 2 - w, point.y() - 2 - metrics.descent(), label);
            }
            walk.moveTo(point);
        }
        penDown = true;
    };

    // Hour lines from pole to pole; only every sixth reaches the poles themselves.
    for (int l = 0; l < 24; ++l) {
        penDown = false;
        const int first = (l % 6 == 0) ? -90 : -80, last = -first;
        for (int o = first; o <= last; o += 10) {
            if (o != first)
                for (int k = 1; k < n; ++k) visit(l, o - 10 + 10.0 * k / n, QString(), true);
            visit(l, o, o == labelDec_ ? QStringLiteral("%1h").arg(l) : QString(), true);
        }
    }
    // Declination lines all round, in quarter hours.
    const QString degree(QChar(0xBA));
    for (int o = -80; o <= 80; o += 10) {
        penDown = false;
        for (int q = 0; q <= 96; ++q) {
            const double raHours = q * 0.25;
            if (q > 0)
                for (int k = 1; k < n; ++k)
                    visit(raHours - 0.25 + 0.25 * k / n, o, QString(), true);
            const bool labelled = std::abs(labelHour_ - raHours) < 0.05;
            visit(raHours, o, labelled ? QString::number(o) + degree : QString(), false);
        }
    }
    p.setCompositionMode(QPainter::CompositionMode_SourceOver);
}

void SkyRenderer::DrawStars(QImage& picture, const SkyViewSettings& settings,
                            std::vector<StarLabelAt>& labels) {
    StarCatalogue& catalogue = data_.catalogue;
    const int showLimit = settings.showLimit();
    const int nameLimit = std::clamp(settings.nameLimit() + zoomShift_, 0, 255);
    const StarLabelSwitches switches = settings.labelSwitches();
    const auto& brightness = catalogue.brightness();
    constexpr std::uint8_t kSkyFlags = SkyOnScreen | SkyInFront;

    auto& blocks = catalogue.blocks();
    for (auto block = blocks.rbegin(); block != blocks.rend(); ++block) {
        auto& stars = (*block)->stars;
        const int count = (*block)->count;
        if ((*block)->firstMagIndex > showLimit) {
            // None of these shows; their flags must not claim an earlier draw's places.
            for (int i = 0; i < count; ++i) stars[std::size_t(i)].flags &= ~kSkyFlags;
            continue;
        }
        for (int i = count - 1; i >= 0; --i) {
            StarRecord& s = stars[static_cast<std::size_t>(i)];
            if (s.magIndex > showLimit || !zones_.marked(s.zone)) {
                s.flags &= ~kSkyFlags;
                continue;
            }
            ++stats_.starsTested;
            const Projected at =
                projection_.ProjectDirection({s.equatorial[0], s.equatorial[1], s.equatorial[2]});
            s.skyX = at.x;
            s.skyY = at.y;
            s.flags = at.inFront() ? (s.flags | SkyInFront) : (s.flags & ~SkyInFront);
            if (!at.onPicture()) {
                s.flags &= ~SkyOnScreen;
                continue;
            }
            s.flags |= SkyOnScreen;
            ++stats_.starsDrawn;

            const std::uint32_t full = StarColour(brightness[s.magIndex], s.spectral);
            const std::uint32_t half = HalfColour(full);
            const int x = at.x, y = at.y;
            const StarShape shape = StarShapeOf(std::max(0, s.magIndex - zoomShift_));
            SetPixel(picture, x, y, full);
            if (shape != StarShape::Pixel) {
                const std::uint32_t arm = shape == StarShape::HalfCross ? half : full;
                SetPixel(picture, x + 1, y, arm);
                SetPixel(picture, x, y + 1, arm);
                SetPixel(picture, x - 1, y, arm);
                SetPixel(picture, x, y - 1, arm);
            }
            if (shape == StarShape::CrossWithDiagonals) {
                SetPixel(picture, x + 1, y + 1, half);
                SetPixel(picture, x - 1, y + 1, half);
                SetPixel(picture, x - 1, y - 1, half);
                SetPixel(picture, x + 1, y - 1, half);
            }
            if (s.names && s.magIndex <= nameLimit) {
                StarLabel label = ChooseStarLabel(s.names.get(), switches);
                if (label.kind != StarLabelKind::None)
                    labels.push_back({x, y + 2, std::move(label)});
            }
        }
    }
}

void SkyRenderer::DrawStarLabels(QPainter& p, const std::vector<StarLabelAt>& labels,
                                 const SkyFonts& fonts) {
    p.setPen(kLabelColour);
    const QFontMetrics names(fonts.starNames), greek(fonts.greek);
    for (const StarLabelAt& l : labels) {
        if (l.label.kind == StarLabelKind::Greek) {
            p.setFont(fonts.greek);
            p.drawText(l.x, l.y + greek.ascent(), l.label.text);
            if (!l.label.superscript.isEmpty())
                p.drawText(l.x + greek.horizontalAdvance(l.label.text),
                           l.y + greek.height() / 2 + greek.ascent(), l.label.superscript);
        } else {
            p.setFont(fonts.starNames);
            p.drawText(l.x, l.y + names.ascent(), l.label.text);
        }
        ++stats_.starLabels;
    }
}

void SkyRenderer::DrawFigures(QPainter& p, const SkyViewSettings& settings, const SkyFonts& fonts) {
    const StarCatalogue& catalogue = data_.catalogue;
    p.setPen(QPen(kFigurePen, 0, Qt::SolidLine));
    p.setCompositionMode(QPainter::RasterOp_SourceOrDestination);
    for (const ConstellationFigure& figure : data_.constellations.figures())
        WalkFigure(figure, [&](int from, int to) {
            const StarRecord* a = catalogue.StarByNumber(from);
            const StarRecord* b = catalogue.StarByNumber(to);
            if (!a || !b || !(a->flags & SkyInFront) || !(b->flags & SkyInFront)) return;
            if (!(a->flags & SkyOnScreen) && !(b->flags & SkyOnScreen)) return;
            p.drawLine(a->skyX, a->skyY, b->skyX, b->skyY);
            ++stats_.figureSegments;
        });
    p.setCompositionMode(QPainter::CompositionMode_SourceOver);
    if (!settings.drawConstellationNames) return;
    p.setFont(fonts.constellation);
    p.setPen(Qt::white);
    const int ascent = QFontMetrics(fonts.constellation).ascent();
    for (const ConstellationFigure& figure : data_.constellations.figures()) {
        const Projected at = projection_.ProjectRaDec(figure.labelRa, figure.labelDec);
        if (at.onPicture()) p.drawText(at.x, at.y + ascent, figure.label);
    }
}

void SkyRenderer::DrawBoundaries(QPainter& p) {
    p.setPen(QPen(kFigurePen, 0, Qt::DashDotLine));
    p.setCompositionMode(QPainter::RasterOp_SourceOrDestination);
    PenWalk walk(p);
    bool penDown = false, havePrevious = false;
    QPoint previous;
    for (const BoundaryPoint& b : data_.constellations.boundaries()) {
        Projected at;
        if (b.zone != BoundaryPoint::kBreak && zones_.marked(b.zone))
            at = projection_.ProjectDirection({b.direction[0], b.direction[1], b.direction[2]});
        if (!at.inFront()) {
            havePrevious = false;
            penDown = false;
            continue;
        }
        const QPoint point(at.x, at.y);
        if (!at.onPicture()) {
            if (penDown) walk.lineTo(point);
            penDown = false;
        } else if (!penDown && !havePrevious) {
            walk.moveTo(point);
            penDown = true;
        } else {
            if (!penDown) walk.moveTo(previous);
            walk.lineTo(point);
            penDown = true;
        }
        previous = point;
        havePrevious = true;
    }
    p.setCompositionMode(QPainter::CompositionMode_SourceOver);
}

void SkyRenderer::DrawBodies(QPainter& p, const SkySolarSystem& solarSystem,
                             const SkyViewSettings& settings, const SkyFonts& fonts) {
    p.setFont(fonts.bodies);
    const int ascent = QFontMetrics(fonts.bodies).ascent();
    const int discRadius =
        static_cast<int>(std::trunc(projection_.width() / projection_.fieldOfView() * 0.5));
    for (int i = 0; i < static_cast<int>(solarSystem.bodies.size()); ++i) {
        const SkyBody& body = solarSystem.bodies[static_cast<std::size_t>(i)];
        if (body.listPosition >= kSkyBodyCount || body.isEarth || body.kind == BodyKind::Atmosphere)
            continue;
        const Projected at = projection_.ProjectEcliptic(body.heliocentric - solarSystem.earth);
        if (!at.onPicture()) continue;
        const int x = at.x, y = at.y;
        int radius, nameY;
        QColor colour;
        if (body.listPosition == 0 || body.listPosition == kMoonListPosition) {
            colour = body.listPosition == 0 ? kSunColour : kMoonColour;
            radius = discRadius;
            p.setPen(colour);
            p.setBrush(colour);
            p.drawEllipse(QRect(x - radius - 1, y - radius - 1, 2 * radius + 2, 2 * radius + 2));
            nameY = y + radius + 5;
        } else {
            colour = FromMapColour(body.mapColour);
            radius = body.listPosition <= kLastLargeDotPosition ? 3 : 1;
            p.setPen(colour);
            p.setBrush(colour);
            p.drawEllipse(QRect(x - radius, y - radius, 2 * radius, 2 * radius));
            nameY = y + 4;
        }
        p.setBrush(Qt::NoBrush);
        if (settings.drawPlanetNames) {
            p.setPen(Qt::white);
            p.drawText(x, nameY + ascent, body.name);
        }
        drawnBodies_.push_back({i, x, y, radius});
        ++stats_.bodiesDrawn;
    }
}

void SkyRenderer::DrawEcliptic(QPainter& p, const SkySolarSystem& solarSystem) {
    const auto& path = solarSystem.earthPath;
    if (path.empty()) return;
    p.setPen(QPen(kEclipticPen, 0, Qt::SolidLine));
    PenWalk walk(p);
    const int n = Subdivisions(8);
    const int samples = static_cast<int>(path.size());
    bool first = true;
    for (int i = 0; i <= samples; ++i) {
        const Ecliptic& here = path[static_cast<std::size_t>(i % samples)];
        for (int k = (i == 0 ? n - 1 : 0); k < n; ++k) {
            // Between two samples of the orbit when zoomed in; the sample itself last.
            Ecliptic at = here;
            if (k < n - 1) {
                const Ecliptic& before = path[static_cast<std::size_t>((i - 1) % samples)];
                at = before + (here - before) * (double(k + 1) / n);
            }
            // The Sun as seen from that point of the orbit.
            const Projected sun = projection_.ProjectEcliptic(at * -1.0);
            const QPoint point(sun.x, sun.y);
            if (!sun.inFront()) {
                // Beyond the sides of a wide field the path may come back straight onto the
                // picture; it starts afresh there.
                first = true;
            } else if (sun.onPicture() && !first) {
                walk.lineTo(point);
            } else {
                walk.moveTo(point);
                first = false;
            }
        }
    }
}

void SkyRenderer::DrawGround(QImage& picture) {
    // A point of the picture at (a, b) in projected units shows a * right + b * up + c *
    // forward with c = sqrt(1 - a^2 - b^2); it lies below the horizon when its dot product
    // with the zenith, b * uz + c * fz, is negative (right is level, so it adds nothing).
    const ViewBasis& basis = projection_.basis();
    const double uz = scene::Dot(basis.up, basis.zenith);
    const double fz = scene::Dot(basis.forward, basis.zenith);
    const double scale = projection_.scale();
    const int cw = projection_.centreX(), ch = projection_.centreY();
    const int width = picture.width();
    const auto blend = [&](QRgb* row, double a0, double a1) {
        const int x0 = std::max(0, static_cast<int>(std::ceil(cw + a0 * scale)));
        const int x1 = std::min(width - 1, static_cast<int>(std::floor(cw + a1 * scale)));
        for (int x = x0; x <= x1; ++x) {
            const QRgb c = row[x];
            row[x] =
                qRgb((qRed(c) + qRed(kGroundColour)) / 2, (qGreen(c) + qGreen(kGroundColour)) / 2,
                     (qBlue(c) + qBlue(kGroundColour)) / 2);
        }
    };
    for (int y = 0; y < picture.height(); ++y) {
        const double b = (ch - y) / scale;
        const double rim2 = 1 - b * b;
        if (rim2 < 0) continue;
        const double rim = std::sqrt(rim2);  // the half width of the visible hemisphere
        auto* row = reinterpret_cast<QRgb*>(picture.scanLine(y));
        if (fz == 0) {
            if (b * uz < 0) blend(row, -rim, rim);
            continue;
        }
        const double k = -b * uz / fz;  // the ground is where c < k (fz > 0) or c > k (fz < 0)
        if (fz > 0) {
            if (k <= 0) continue;
            if (k >= rim) {
                blend(row, -rim, rim);
                continue;
            }
            const double inner = std::sqrt(rim2 - k * k);
            blend(row, -rim, -inner);
            blend(row, inner, rim);
        } else {
            if (k < 0) {
                blend(row, -rim, rim);
                continue;
            }
            if (k >= rim) continue;
            const double inner = std::sqrt(rim2 - k * k);
            blend(row, -inner, inner);
        }
    }
}

void SkyRenderer::DrawHorizon(QPainter& p, const SkyFonts& fonts) {
    const ViewBasis& basis = projection_.basis();
    const auto horizonPoint = [&](double azimuth) {
        const double a = azimuth * kPi / 180;
        return basis.south * std::cos(a) - basis.west * std::sin(a);
    };
    p.setPen(QPen(kHorizonPen, 0, Qt::SolidLine));
    PenWalk walk(p);
    const double step = 1.0 / Subdivisions(16);
    bool penDown = false;
    for (double azimuth = 0; azimuth <= 360 + step / 2; azimuth += step) {
        const Projected at = projection_.ProjectDirection(horizonPoint(azimuth));
        if (!at.inFront()) {
            penDown = false;
            continue;
        }
        if (penDown)
            walk.lineTo({at.x, at.y});
        else
            walk.moveTo({at.x, at.y});
        penDown = true;
    }
    // The cardinal points, written just below the horizon.
    p.setFont(fonts.compass);
    p.setPen(kCardinalColour);
    const QFontMetrics metrics(fonts.compass);
    const struct {
        double azimuth;
        const char* name;
    } cardinals[] = {{0, "S"}, {90, "E"}, {180, "N"}, {270, "W"}};
    for (const auto& c : cardinals) {
        const Projected at = projection_.ProjectDirection(horizonPoint(c.azimuth));
        if (!at.onPicture()) continue;
        const QString name = QString::fromLatin1(c.name);
        p.drawLine(at.x, at.y - 3, at.x, at.y + 3);
        p.drawText(at.x - metrics.horizontalAdvance(name) / 2, at.y + 4 + metrics.ascent(), name);
    }
}

void DrawDirectionStrip(QImage& strip, const SkyViewState& state, int skyWidth, const QFont& font) {
    strip.fill(Qt::white);
    if (strip.width() <= 0 || strip.height() <= 0) return;
    QPainter p(&strip);
    p.setFont(font);
    const QFontMetrics metrics(font);
    // Over the zenith the view looks back the other way, upside down, so the strip turns
    // round and runs the other way.
    double a = state.azimuth;
    int s = 1;
    if (state.altitude > 90) {
        a = state.azimuth + 180;
        s = -1;
    }
    const double fov = state.fieldOfView;
    const int height = strip.height();
    const int tall = height - metrics.height();
    static const char* const kPoints[8] = {"S", "SE", "E", "NE", "N", "NW", "W", "SW"};
    for (int r = 0; r < 360; ++r) {
        if (AngularDistance(a, r) >= fov / 2) continue;
        const double d = SignedDifference(r, a);
        const int x = strip.width() / 2 - static_cast<int>(std::trunc(d / fov * skyWidth * s));
        int bearing = 540 - r;
        if (bearing >= 360) bearing -= 360;
        int length;
        QString text;
        QColor colour = Qt::black;
        if (r % 45 == 0) {
            colour = Qt::red;
            length = tall;
            text = QString::fromLatin1(kPoints[r / 45]);
        } else if (r % 10 == 0) {
            length = tall - 2;
            text = QString::number(bearing);
        } else if (r % 5 == 0) {
            length = tall / 2;
        } else {
            length = tall / 4;
        }
        p.setPen(colour);
        p.drawLine(x, height - 1, x, height - 1 - length);
        if (!text.isEmpty()) {
            p.setPen(Qt::black);
            p.drawText(x - metrics.horizontalAdvance(text) / 2, 1 + metrics.ascent(), text);
        }
    }
    SunkenEdge(p, strip.width(), height);
}

void DrawTiltScale(QImage& scale, const SkyViewState& state, int skyHeight, const QFont& font) {
    scale.fill(Qt::white);
    if (scale.width() <= 0 || scale.height() <= 0) return;
    QPainter p(&scale);
    p.setFont(font);
    const QFontMetrics metrics(font);
    double a = std::fmod(state.altitude, 360.0);
    if (a < 0) a += 360;
    const double vfov = state.verticalFieldOfView;
    const int tall = scale.width() - metrics.horizontalAdvance(QStringLiteral("-90")) - 4;
    for (int r = 0; r < 360; ++r) {
        if (AngularDistance(a, r) >= vfov / 2) continue;
        const double d = SignedDifference(r, a);
        const int y = scale.height() / 2 - static_cast<int>(std::trunc(d / vfov * skyHeight));
        QColor colour = r <= 180 ? QColor(Qt::black) : QColor(0, 128, 0);
        int length;
        QString text;
        if (r == 0 || r == 180 || r == 90) {
            colour = Qt::red;
            length = tall;
            text = r == 90 ? QStringLiteral("Z") : QStringLiteral("H");
        } else if (r % 10 == 0) {
            length = tall - 2;
            text = QString::number(r < 90 ? r : (r < 270 ? 180 - r : r - 360));
        } else if (r % 5 == 0) {
            length = tall / 2;
        } else {
            length = tall / 4;
        }
        p.setPen(colour);
        p.drawLine(0, y, length, y);
        if (!text.isEmpty()) {
            p.setPen(Qt::black);
            const int w = metrics.horizontalAdvance(text);
            p.drawText(scale.width() - 2 - w, y - metrics.height() / 2 + metrics.ascent(), text);
        }
    }
    SunkenEdge(p, scale.width(), scale.height());
}

}  // namespace sky
