#include "sky/StarField.h"

#include <algorithm>
#include <cmath>

#include "core/Angles.h"

namespace sky {

namespace {
constexpr float kStarDepth = 0.99999f;
// (buffer size - 128) / 32 vertices a batch, for a 64 KB buffer.
constexpr std::size_t kBatch = (65536 - 128) / 32;
}  // namespace

const std::array<std::array<std::uint32_t, 9>, 3> StarField::kGroupColours = {{
    {0xFFBEFCCA, 0xFFFFFFFF, 0xFFC0ECFF, 0xFFFFFFFF, 0xFFFDFFDD, 0xFFFCFFBD, 0xFFFFE0BD, 0xFFFFC4BD,
     0xFFFFD7D7},
    {0xFF9BCCA5, 0xFFCCCCCC, 0xFF97BCCC, 0xFFCCCCCC, 0xFFCACCB2, 0xFFC9CC97, 0xFFCCB397, 0xFFCC9C97,
     0xFFCC5C5C},
    {0xFF74997C, 0xFF999999, 0xFF718D99, 0xFF999999, 0xFF979985, 0xFFB2B485, 0xFF998771, 0xFF997571,
     0xFF994545},
}};

const std::array<std::array<float, 3>, 9> StarField::kClassColours = {{
    {0.7f, 1.0f, 0.7f},
    {0.7f, 0.7f, 1.0f},
    {0.8f, 0.8f, 1.0f},
    {1.0f, 1.0f, 1.0f},
    {1.0f, 1.0f, 0.9f},
    {1.0f, 1.0f, 0.8f},
    {1.0f, 0.9f, 0.9f},
    {1.0f, 0.8f, 0.8f},
    {1.0f, 0.0f, 0.0f},
}};

Projector::Projector(const scene::Viewport& v)
    : toCamera_(v.camera() ? v.camera()->worldTransform().inverse() : scene::Transform{}),
      k_(v.projectionScale()),
      front_(v.front()),
      back_(v.back()),
      width_(v.width()),
      height_(v.height()) {}

scene::Vec4 Projector::transform(const scene::Vec3& world) const {
    const scene::Vec3 c = toCamera_.applyPoint(world);
    return {width_ / 2.0 * c.z + c.x * k_, height_ / 2.0 * c.z - c.y * k_,
            back_ * (c.z - front_) / (back_ - front_), c.z};
}

Projector::Point Projector::project(const scene::Vec3& world) const {
    const scene::Vec4 h = transform(world);
    Point p;
    if (!(h.w > 0)) return p;
    // Kept clear of the "no position" value so that a far-off pixel is never taken for it.
    constexpr double kLimit = 0x3FFFFFFF;
    const double x = std::clamp(std::trunc(h.x / h.w), -kLimit, kLimit);
    const double y = std::clamp(std::trunc(h.y / h.w), -kLimit, kLimit);
    if (std::isnan(x) || std::isnan(y)) return p;
    p.x = int(x);
    p.y = int(y);
    p.visible = h.z >= 0 && h.z < h.w && x >= 1 && x < width_ && y >= 1 && y < height_;
    return p;
}

int SkyObjectAngle(const Projector::Point& centre, const Projector::Point& north) {
    if (centre.behind() || north.behind()) return 0;
    return int(
        std::trunc(std::atan2(double(centre.x - north.x), double(centre.y - north.y)) * 180 / kPi));
}

void StarField::Mark(int hour, int degree) {
    const int zone = SkyZoneOf(hour, degree);
    if (zone >= 0 && zone < kZoneCount) zoneMask_[std::size_t(zone)] = 1;
}

bool StarField::BeginFrame(const Projector& projector, const scene::Viewport& viewport,
                           const scene::Vec3& forward, double capDistance) {
    const double raw = 2 * std::atan(viewport.field() / viewport.front());
    double degrees = std::fmod(raw * 180 / kPi, 360.0);
    if (degrees < 0) degrees += 360;
    const int fieldAngle = int(std::trunc(degrees));
    if (raw < 0.00001 || fieldAngle == 0) return false;
    pixelsPerDegree_ = double(std::max(viewport.width(), viewport.height())) / fieldAngle;
    cutIndex_ = int(std::trunc((cutOff_ + 2) * 19));
    zoneMask_.fill(0);
    stats_.drawn = stats_.missed = 0;

    const RaDec view = WorldToRaDec(forward);
    double hours = std::fmod(view.ra * 180 / kPi / 15, 24.0);
    if (hours < 0) hours += 24;
    const int h = int(std::trunc(hours)), d = int(std::trunc(view.dec * 180 / kPi));
    for (int i = -2; i <= 2; ++i)
        for (int j = -2; j <= 2; ++j) Mark(h + i, d + 10 * j);
    for (int s = 0; s < 24; ++s)
        for (int t = -80; t <= 80; t += 10)
            if (projector.project(RaDecToWorld(s, t) * kStarDistance).visible) {
                Mark(s, t);
                Mark(s - 1, t);
                Mark(s, t - 10);
                Mark(s - 1, t - 10);
            }
    if (projector.project({0, capDistance, 0}).visible)
        for (int s = 0; s < 24; ++s) Mark(s, 81);
    if (projector.project({0, -capDistance, 0}).visible)
        for (int s = 0; s < 24; ++s) Mark(s, -81);
    return true;
}

void StarField::StarPass(const Projector& projector,
                         const std::function<void(StarRecord&, int, int)>& draw) {
    auto& blocks = catalogue_.blocks();
    for (auto b = blocks.rbegin(); b != blocks.rend(); ++b) {
        StarBlock& block = **b;
        if (block.firstMagIndex > cutIndex_) continue;
        for (auto s = block.stars.rbegin(); s != block.stars.rend(); ++s) {
            StarRecord& star = *s;
            if (star.magIndex > cutIndex_) continue;
            star.flags &= ~(ViewerOnScreen | ViewerInFront);
            if (!zoneMarked(star.zone)) continue;
            const scene::Vec4 h = projector.transform(star.world);
            if (h.z < 0 || h.z >= h.w) {
                ++stats_.missed;
                continue;
            }
            const double x = std::trunc(h.x / h.w), y = std::trunc(h.y / h.w);
            star.viewerX = static_cast<std::int16_t>(std::clamp(x, -32768.0, 32767.0));
            star.viewerY = static_cast<std::int16_t>(std::clamp(y, -32768.0, 32767.0));
            star.flags |= ViewerInFront;
            if (x >= 0 && x <= projector.width() && y >= 0 && y <= projector.height()) {
                star.flags |= ViewerOnScreen;
                ++stats_.drawn;
                draw(star, int(x), int(y));
            } else {
                ++stats_.missed;
            }
        }
    }
}

void StarField::FigureSegments(
    const std::function<void(const StarRecord&, const StarRecord&)>& line) const {
    if (!drawConstellations_) return;
    for (const ConstellationFigure& figure : constellations_.figures()) {
        WalkFigure(figure, [&](int a, int b) {
            const StarRecord* s1 = catalogue_.StarByNumber(a);
            const StarRecord* s2 = catalogue_.StarByNumber(b);
            if (!s1 || !s2) return;
            if (!(s1->flags & ViewerInFront) || !(s2->flags & ViewerInFront)) return;
            if (s1->magIndex > cutIndex_ || s2->magIndex > cutIndex_) return;
            if (!(s1->flags & ViewerOnScreen) && !(s2->flags & ViewerOnScreen)) return;
            line(*s1, *s2);
        });
    }
}

void StarField::EndFrame() {
    stats_.drawnTotal += stats_.drawn;
    stats_.missedTotal += stats_.missed;
    ++stats_.frames;
}

std::uint32_t StarField::PixelColour(const StarRecord& star) const {
    const int b = std::max(catalogue_.brightness()[star.magIndex], 32);
    const auto& c = kClassColours[std::min<std::size_t>(star.spectral, 8)];
    const auto channel = [&](float f) { return std::uint32_t(std::trunc(b * f)) & 0xFF; };
    return 0xFF000000u | (channel(c[0]) << 16) | (channel(c[1]) << 8) | channel(c[2]);
}

void StarField::DrawWithPrimitives(const scene::Viewport& viewport, const scene::Vec3& forward,
                                   scene::PrimitiveSink& sink, const scene::Image* sprites) {
    const Projector projector(viewport);
    if (!BeginFrame(projector, viewport, forward, 10000.0)) return;
    std::vector<scene::PrimitiveVertex> batch;
    batch.reserve(kBatch);
    auto point = [&](int x, int y, std::uint32_t colour) {
        batch.push_back({float(x), float(y), kStarDepth, colour});
        if (batch.size() == kBatch) {
            sink.drawScreenPoints(batch);
            batch.clear();
        }
    };
    auto spritePoints = [&](int x, int y, int c, int top, int size, int half) {
        if (!sprites) return;
        const int left = 13 + 12 * c - half;
        for (int j = 0; j < size; ++j)
            for (int i = 0; i < size; ++i) {
                if (left + i < 0 || left + i >= sprites->width || top + j >= sprites->height)
                    continue;
                const std::uint32_t p = sprites->pixel(left + i, top + j);
                if ((p & 0xFFFFFF) != 0) point(x - half + i, y - (size / 2) + j, p | 0xFF000000u);
            }
    };
    StarPass(projector, [&](StarRecord& star, int x, int y) {
        const int m = star.magIndex, c = std::min<int>(star.spectral, 8);
        const auto& g0 = kGroupColours[0][std::size_t(c)];
        const auto& g1 = kGroupColours[1][std::size_t(c)];
        const auto& g2 = kGroupColours[2][std::size_t(c)];
        auto cross = [&](std::uint32_t centre, std::uint32_t arms) {
            point(x, y, centre);
            point(x - 1, y, arms), point(x + 1, y, arms), point(x, y - 1, arms),
                point(x, y + 1, arms);
        };
        auto diagonals = [&](std::uint32_t colour) {
            point(x - 1, y - 1, colour), point(x + 1, y - 1, colour), point(x - 1, y + 1, colour),
                point(x + 1, y + 1, colour);
        };
        if (m > 114) {
            point(x, y, PixelColour(star));
        } else if (m >= 102) {
            cross(g0, g2);
        } else if (m >= 91) {
            cross(g0, g1);
        } else if (m >= 72) {
            cross(g0, g0);
            diagonals(0xFF3F3F3F);
        } else if (m >= 57) {
            cross(g0, g0);
            diagonals(g2);
        } else if (m >= 47) {
            cross(g0, g0);
            diagonals(g1);
            point(x - 2, y, 0xFF999999), point(x + 2, y, 0xFF999999), point(x, y - 2, 0xFF999999),
                point(x, y + 2, 0xFF999999);
            for (auto [dx, dy] :
                 {std::pair{2, 1}, {2, -1}, {-2, 1}, {-2, -1}, {1, 2}, {-1, 2}, {1, -2}, {-1, -2}})
                point(x + dx, y + dy, 0xFF797979);
        } else if (m >= 38) {
            spritePoints(x, y, c, 30, 10, 5);
        } else {
            spritePoints(x, y, c, 12, 11, 5);
        }
    });
    if (!batch.empty()) sink.drawScreenPoints(batch);
    std::vector<scene::PrimitiveVertex> lines;
    FigureSegments([&](const StarRecord& a, const StarRecord& b) {
        lines.push_back({float(a.viewerX), float(a.viewerY), kStarDepth, 0xFF808080u});
        lines.push_back({float(b.viewerX), float(b.viewerY), kStarDepth, 0xFF808080u});
    });
    if (!lines.empty()) sink.drawScreenLines(lines);
    EndFrame();
}

}  // namespace sky
