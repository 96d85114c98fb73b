#include "core/BodyPoints.h"

#include <algorithm>
#include <cmath>
#include <map>
#include <utility>

#include "core/Body.h"
#include "core/BodyPosition.h"
#include "core/Magnitude.h"
#include "core/Simulation.h"

double BodyPoints::MagnitudeSeen(const Simulation& sim, const Body& body) {
    const scene::Vec3 observer = sim.camera().position;
    if (body.Kind() == BodyKind::Sun) return Magnitude::SunApparent(observer - body.positionKm());
    const double h =
        Magnitude::Absolute(2 * body.largestRadius(), Magnitude::GeometricAlbedo(body.name()));
    return Magnitude::Apparent(h, body.positionKm(), observer);
}

int BodyPoints::Brightness(double m) {
    // Full brightness to magnitude 1 (the brightest stars), then fading evenly with the
    // magnitude to a dim grey at the faintest, as the star field fades its faint stars.
    if (!(m <= kFaintest)) return 0;
    if (m <= 1.0) return 255;
    return int(std::lround(255 - (m - 1.0) / (kFaintest - 1.0) * 215));
}

int BodyPoints::Spread(double m) {
    return m <= -3.5 ? 3 : m <= -1.0 ? 2 : m <= 1.5 ? 1 : 0;
}

std::uint32_t BodyPoints::Tint(std::uint32_t bgr, int brightness) {
    int r = int(bgr & 0xFF), g = int((bgr >> 8) & 0xFF), b = int((bgr >> 16) & 0xFF);
    // Lightened towards white, so that a deep body colour (the Earth's blue) still reads as a
    // bright point, then scaled so that the strongest channel is the brightness.
    r = (r + 255) / 2, g = (g + 255) / 2, b = (b + 255) / 2;
    const int top = std::max({r, g, b, 1});
    auto scaled = [&](int c) { return std::uint32_t(std::clamp(c * brightness / top, 0, 255)); };
    return 0xFF000000u | (scaled(r) << 16) | (scaled(g) << 8) | scaled(b);
}

std::vector<BodyPoints::Point> BodyPoints::Collect(const Simulation& sim,
                                                   const scene::Viewport& viewport) {
    std::vector<Point> out;
    const double k = viewport.projectionScale();
    if (!(k > 0)) return out;
    const scene::Frame* root = sim.scene().root().get();
    for (const Body* body : sim.bodies()) {
        // Rings and air are parts of their planet's look, not things seen on their own.
        if (body->Kind() == BodyKind::Rings || body->Kind() == BodyKind::Atmosphere) continue;
        const scene::Vec3 c = viewport.toCamera(body->frame()->position(root));
        if (!(c.z > viewport.front())) continue;
        const double disc = 2 * body->largestRadius() * kSceneScale / c.z * k;
        if (!(disc < kPointBelowPixels)) continue;
        Point p;
        p.body = body;
        p.discPixels = disc;
        p.magnitude = MagnitudeSeen(sim, *body);
        const int brightness = Brightness(p.magnitude);
        if (brightness <= 0) continue;
        p.x = viewport.width() / 2.0 + c.x * k / c.z;
        p.y = viewport.height() / 2.0 - c.y * k / c.z;
        if (p.x < -4 || p.y < -4 || p.x > viewport.width() + 4 || p.y > viewport.height() + 4)
            continue;
        p.depth = c.z;
        p.colour = Tint(body->colour(0), brightness);
        p.spread = Spread(p.magnitude);
        out.push_back(p);
    }
    return out;
}

void BodyPoints::Draw(const Simulation& sim, scene::UserVisualContext& context) {
    const scene::Viewport& viewport = context.viewport;
    const std::vector<Point> points = Collect(sim, viewport);
    if (points.empty() || !viewport.camera()) return;
    const double k = viewport.projectionScale();
    const scene::Transform cameraToWorld = viewport.camera()->worldTransform();
    const scene::Transform worldToFrame = context.frame.worldTransform().inverse();
    // Each pixel shows the brightest point that reaches it: a faint moon beside its planet
    // must not dim the planet's centre by lying a little nearer.
    struct Pixel {
        std::uint32_t colour;
        double z;
    };
    std::map<std::pair<int, int>, Pixel> pixels;
    auto level = [](std::uint32_t c) {
        return std::max({(c >> 16) & 0xFF, (c >> 8) & 0xFF, c & 0xFF});
    };
    for (const Point& p : points) {
        // Just in front of the body's own (sub-pixel) model, so that it does not hide its
        // point, yet behind anything nearer.
        const double z = std::max(p.depth - 1.5 * p.body->largestRadius() * kSceneScale,
                                  (p.depth + viewport.front()) / 2);
        const int px = int(std::floor(p.x)), py = int(std::floor(p.y));
        auto add = [&](int dx, int dy, std::uint32_t colour) {
            auto [it, added] = pixels.try_emplace({px + dx, py + dy}, Pixel{colour, z});
            if (!added && level(colour) > level(it->second.colour)) it->second = {colour, z};
        };
        auto dimmed = [&](int percent) {
            const std::uint32_t c = p.colour;
            auto ch = [&](int shift) {
                return ((c >> shift) & 0xFF) * std::uint32_t(percent) / 100;
            };
            return 0xFF000000u | (ch(16) << 16) | (ch(8) << 8) | ch(0);
        };
        add(0, 0, p.colour);
        if (p.spread >= 1) {
            const std::uint32_t arm = p.spread >= 2 ? p.colour : dimmed(55);
            add(-1, 0, arm), add(1, 0, arm), add(0, -1, arm), add(0, 1, arm);
        }
        if (p.spread >= 2) {
            const std::uint32_t corner = dimmed(p.spread >= 3 ? 70 : 45);
            add(-1, -1, corner), add(1, -1, corner), add(-1, 1, corner), add(1, 1, corner);
        }
        if (p.spread >= 3) {
            const std::uint32_t outer = dimmed(35);
            add(-2, 0, outer), add(2, 0, outer), add(0, -2, outer), add(0, 2, outer);
        }
    }
    std::vector<scene::PrimitiveVertex> vertices;
    vertices.reserve(pixels.size());
    for (const auto& [at, pixel] : pixels) {
        // The pixel's centre, taken back to 3D at the point's depth.
        const double x = at.first + 0.5, y = at.second + 0.5, z = pixel.z;
        const scene::Vec3 camera{(x - viewport.width() / 2.0) * z / k,
                                 (viewport.height() / 2.0 - y) * z / k, z};
        const scene::Vec3 world = worldToFrame.applyPoint(cameraToWorld.applyPoint(camera));
        vertices.push_back({float(world.x), float(world.y), float(world.z), pixel.colour});
    }
    context.sink.drawPoints(vertices);
}
