#include "imaging.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <vector>

namespace datatool {

namespace {

constexpr double kPi = std::numbers::pi;

struct Rgb {
    double r = 0, g = 0, b = 0;
    Rgb& operator+=(const Rgb& o) {
        r += o.r;
        g += o.g;
        b += o.b;
        return *this;
    }
    Rgb operator*(double k) const { return {r * k, g * k, b * k}; }
};

int toByte(double v) {
    return std::clamp(static_cast<int>(std::lround(v)), 0, 255);
}

QRgb toRgb(const Rgb& c) {
    return qRgb(toByte(c.r), toByte(c.g), toByte(c.b));
}

Rgb pixelAt(const QImage& img, int x, int y) {
    const QRgb p = reinterpret_cast<const QRgb*>(img.constScanLine(y))[x];
    return {double(qRed(p)), double(qGreen(p)), double(qBlue(p))};
}

// Bilinear sample of an opaque RGB32 picture at continuous pixel coordinates
// (pixel i covers [i, i + 1)); x wraps round (longitude), y is clamped.
Rgb sampleWrapX(const QImage& img, double x, double y) {
    const int w = img.width();
    const int h = img.height();
    const double fx = x - 0.5;
    const double fy = std::clamp(y - 0.5, 0.0, double(h - 1));
    const int x0 = int(std::floor(fx));
    const int y0 = int(std::floor(fy));
    const double ax = fx - x0;
    const double ay = fy - y0;
    const int xa = ((x0 % w) + w) % w;
    const int xb = (xa + 1) % w;
    const int ya = y0;
    const int yb = std::min(y0 + 1, h - 1);
    const Rgb p00 = pixelAt(img, xa, ya), p10 = pixelAt(img, xb, ya);
    const Rgb p01 = pixelAt(img, xa, yb), p11 = pixelAt(img, xb, yb);
    Rgb top = p00 * (1 - ax);
    top += p10 * ax;
    Rgb bottom = p01 * (1 - ax);
    bottom += p11 * ax;
    Rgb out = top * (1 - ay);
    out += bottom * ay;
    return out;
}

double smoothstep(double e0, double e1, double x) {
    const double t = std::clamp((x - e0) / (e1 - e0), 0.0, 1.0);
    return t * t * (3 - 2 * t);
}

// Map colour at a point of the disc seen from above the north pole; (u, v) is
// the point in disc radii, v downwards. Latitude follows from the distance to
// the centre, east longitude runs counter-clockwise on the screen, and
// longitude 0 faces the lit (left) side.
Rgb polarSample(const QImage& map, double u, double v) {
    const double r = std::min(1.0, std::sqrt(u * u + v * v));
    const double lat = std::acos(r);
    double lon = std::atan2(-v, u) + kPi;
    if (lon >= kPi) lon -= 2 * kPi;
    const double mx = (lon + kPi) / (2 * kPi) * map.width();
    const double my = (kPi / 2 - lat) / kPi * map.height();
    return sampleWrapX(map, mx, my);
}

}  // namespace

QImage flattenOnBlack(const QImage& image) {
    // Premultiplied colour is exactly the colour composited over black.
    const QImage pm = image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    QImage out(pm.size(), QImage::Format_RGB32);
    for (int y = 0; y < pm.height(); ++y) {
        const QRgb* src = reinterpret_cast<const QRgb*>(pm.constScanLine(y));
        QRgb* dst = reinterpret_cast<QRgb*>(out.scanLine(y));
        for (int x = 0; x < pm.width(); ++x)
            dst[x] = qRgb(qRed(src[x]), qGreen(src[x]), qBlue(src[x]));
    }
    return out;
}

QImage opaqueColours(const QImage& image) {
    QImage out = image.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < out.height(); ++y) {
        QRgb* line = reinterpret_cast<QRgb*>(out.scanLine(y));
        for (int x = 0; x < out.width(); ++x) line[x] |= 0xff000000u;
    }
    return out.convertToFormat(QImage::Format_RGB32);
}

QImage rollLongitude(const QImage& map, double degrees) {
    const QImage src = opaqueColours(map);
    const int w = src.width();
    const int shift = ((int(std::lround(degrees / 360.0 * w)) % w) + w) % w;
    QImage out(src.size(), QImage::Format_RGB32);
    for (int y = 0; y < src.height(); ++y) {
        const QRgb* in = reinterpret_cast<const QRgb*>(src.constScanLine(y));
        QRgb* dst = reinterpret_cast<QRgb*>(out.scanLine(y));
        for (int x = 0; x < w; ++x) dst[x] = in[(x + shift) % w];
    }
    return out;
}

QImage resampleTo(const QImage& image, int w, int h) {
    const QImage flat = flattenOnBlack(image);
    if (flat.width() == w && flat.height() == h) return flat;
    return flat.scaled(w, h, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
        .convertToFormat(QImage::Format_RGB32);
}

QImage squareTexture(const QImage& map, int n) {
    const QImage src = opaqueColours(map);
    if (src.width() == n && src.height() == n) return src;
    return src.scaled(n, n, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
        .convertToFormat(QImage::Format_RGB32);
}

std::array<int, 5> textureSizes(int size0) {
    std::array<int, 5> sizes{};
    int s = size0;
    for (int& v : sizes) {
        v = s;
        s /= 2;
    }
    return sizes;
}

double dayNightFactor(double u) {
    // The terminator is a soft band about a sixth of the radius wide.
    constexpr double halfWidth = 0.08;
    return 1.0 - (1.0 - kNightLevel) * smoothstep(-halfWidth, halfWidth, u);
}

QImage poleDiscFromMap(const QImage& map, int size, Lighting lighting) {
    const QImage src = opaqueColours(map);
    constexpr int ss = 4;  // subsamples per axis: smooth limb and no moire
    const double centre = size / 2.0;
    const double radius = size / 2.0 - 0.5;
    QImage out(size, size, QImage::Format_RGB32);
    for (int py = 0; py < size; ++py) {
        QRgb* line = reinterpret_cast<QRgb*>(out.scanLine(py));
        for (int px = 0; px < size; ++px) {
            Rgb acc;
            for (int sy = 0; sy < ss; ++sy) {
                for (int sx = 0; sx < ss; ++sx) {
                    const double u = (px + (sx + 0.5) / ss - centre) / radius;
                    const double v = (py + (sy + 0.5) / ss - centre) / radius;
                    if (u * u + v * v > 1.0) continue;
                    const double shade = lighting == Lighting::Full ? 1.0 : dayNightFactor(u);
                    acc += polarSample(src, u, v) * shade;
                }
            }
            line[px] = toRgb(acc * (1.0 / (ss * ss)));
        }
    }
    return out;
}

QRect opaqueSquare(const QImage& image) {
    const QImage img = image.convertToFormat(QImage::Format_ARGB32);
    int minX = img.width(), minY = img.height(), maxX = -1, maxY = -1;
    for (int y = 0; y < img.height(); ++y) {
        const QRgb* line = reinterpret_cast<const QRgb*>(img.constScanLine(y));
        for (int x = 0; x < img.width(); ++x) {
            if (qAlpha(line[x]) > 8) {
                minX = std::min(minX, x);
                maxX = std::max(maxX, x);
                minY = std::min(minY, y);
                maxY = std::max(maxY, y);
            }
        }
    }
    if (maxX < 0) return {};
    const int side = std::max(maxX - minX + 1, maxY - minY + 1);
    // Centre the square on the box (in doubled coordinates to stay integral).
    const int cx2 = minX + maxX + 1;
    const int cy2 = minY + maxY + 1;
    return QRect((cx2 - side) / 2, (cy2 - side) / 2, side, side);
}

QImage discFromPicture(const QImage& disc, int size, Lighting lighting) {
    QImage pm = disc.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    const QRect square = opaqueSquare(pm);
    if (square.isEmpty()) return {};
    // copy() fills whatever lies outside the picture with transparent pixels.
    pm = pm.copy(square).scaled(size, size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    QImage out = flattenOnBlack(pm);
    if (lighting == Lighting::Full) return out;
    const double centre = size / 2.0;
    for (int y = 0; y < size; ++y) {
        QRgb* line = reinterpret_cast<QRgb*>(out.scanLine(y));
        for (int x = 0; x < size; ++x) {
            const double f = dayNightFactor((x + 0.5 - centre) / centre);
            line[x] = qRgb(toByte(qRed(line[x]) * f), toByte(qGreen(line[x]) * f),
                           toByte(qBlue(line[x]) * f));
        }
    }
    return out;
}

RingProfile::RingProfile(const QImage& profile, double innerKm, double outerKm)
    : m_inner(innerKm), m_outer(outerKm) {
    const QImage prof = profile.convertToFormat(QImage::Format_ARGB32);
    // The rows describe the same radii: average them.
    double peak = 0;
    for (int x = 0; x < prof.width(); ++x) {
        std::array<double, 3> colour{}, pm{};
        double alpha = 0;
        for (int y = 0; y < prof.height(); ++y) {
            const QRgb p = prof.pixel(x, y);
            colour[0] += qRed(p);
            colour[1] += qGreen(p);
            colour[2] += qBlue(p);
            alpha += qAlpha(p) / 255.0;
        }
        for (size_t k = 0; k < 3; ++k) {
            colour[k] /= prof.height();
            pm[k] = colour[k] * alpha / prof.height();
            peak = std::max(peak, colour[k]);
        }
        m_pm.append(pm);
    }
    const double gain = peak > 0 ? kRingPeak / peak : 1.0;
    for (auto& pm : m_pm)
        for (double& c : pm) c = std::min(255.0, c * gain);
}

std::array<double, 3> RingProfile::at(double km) const {
    const qsizetype n = m_pm.size();
    if (km < m_inner || km > m_outer || n == 0) return {};
    if (n == 1) return m_pm[0];
    const double f = std::clamp((km - m_inner) / (m_outer - m_inner) * n - 0.5, 0.0, double(n - 1));
    const qsizetype i = std::min(qsizetype(f), n - 2);
    const double a = f - double(i);
    std::array<double, 3> c{};
    for (size_t k = 0; k < 3; ++k) c[k] = m_pm[i][k] * (1 - a) + m_pm[i + 1][k] * a;
    return c;
}

std::array<double, 3> RingProfile::mean(double km0, double km1) const {
    constexpr int ss = 32;
    std::array<double, 3> acc{};
    for (int s = 0; s < ss; ++s) {
        const auto c = at(km0 + (s + 0.5) / ss * (km1 - km0));
        for (size_t k = 0; k < 3; ++k) acc[k] += c[k] / ss;
    }
    return acc;
}

QImage ringStrip(const RingProfile& profile, double innerKm, double outerKm, int w, int h) {
    QImage out(w, h, QImage::Format_RGB32);
    std::vector<QRgb> row(static_cast<size_t>(w));
    for (int x = 0; x < w; ++x) {
        const double km0 = innerKm + double(x) / w * (outerKm - innerKm);
        const double km1 = innerKm + double(x + 1) / w * (outerKm - innerKm);
        const auto c = profile.mean(km0, km1);
        row[static_cast<size_t>(x)] = qRgb(toByte(c[0]), toByte(c[1]), toByte(c[2]));
    }
    for (int y = 0; y < h; ++y)
        std::copy(row.begin(), row.end(), reinterpret_cast<QRgb*>(out.scanLine(y)));
    return out;
}

QImage poleDiscWithRings(const QImage& map, double planetKm, const RingProfile& rings,
                         double innerKm, double outerKm, int size) {
    const QImage src = opaqueColours(map);
    constexpr int ss = 4;
    const double centre = size / 2.0;
    const double kmPerPixel = outerKm / (size / 2.0 - 0.5);
    QImage out(size, size, QImage::Format_RGB32);
    for (int py = 0; py < size; ++py) {
        QRgb* line = reinterpret_cast<QRgb*>(out.scanLine(py));
        for (int px = 0; px < size; ++px) {
            Rgb acc;
            for (int sy = 0; sy < ss; ++sy) {
                for (int sx = 0; sx < ss; ++sx) {
                    const double x = (px + (sx + 0.5) / ss - centre) * kmPerPixel;
                    const double y = (py + (sy + 0.5) / ss - centre) * kmPerPixel;
                    const double r = std::sqrt(x * x + y * y);
                    if (r <= planetKm) {
                        acc += polarSample(src, x / planetKm, y / planetKm) *
                               dayNightFactor(x / planetKm);
                    } else if (r >= innerKm && r <= outerKm) {
                        // Sunlight comes from the left: behind the planet (to the
                        // right, within its radius of the axis) the rings are in shadow.
                        const double across =
                            smoothstep(planetKm * 0.97, planetKm * 1.03, std::abs(y));
                        const double shadow =
                            x > 0 ? kNightLevel + (1 - kNightLevel) * across : 1.0;
                        const auto c = rings.at(r);
                        acc += Rgb{c[0], c[1], c[2]} * shadow;
                    }
                }
            }
            line[px] = toRgb(acc * (1.0 / (ss * ss)));
        }
    }
    return out;
}

QList<SpriteCell> spriteCells(int c) {
    const int x = 13 + 12 * c;  // column centre of the class
    return {
        {x - 5, 12, 11}, {x - 5, 30, 10}, {x - 2, 50, 5}, {x - 1, 60, 3},
        {x - 1, 70, 3},  {x - 1, 80, 3},  {x - 1, 90, 3},
    };
}

QImage starSheet() {
    // Tints by spectral class code: W O B A F G K M N (the sky view's factors).
    static constexpr std::array<std::array<double, 3>, kStarClasses> tint{{
        {0.7, 1.0, 0.7},
        {0.7, 0.7, 1.0},
        {0.8, 0.8, 1.0},
        {1.0, 1.0, 1.0},
        {1.0, 1.0, 0.9},
        {1.0, 1.0, 0.8},
        {1.0, 0.9, 0.9},
        {1.0, 0.8, 0.8},
        {1.0, 0.0, 0.0},
    }};
    // The small sprites follow the point patterns the device path draws for the
    // same magnitudes, so both paths show a star alike: level of each pixel of a
    // 3 x 3 (rows 60, 70, 80, 90) and of the 5 x 5 sprite.
    static constexpr std::array<std::array<double, 9>, 4> small3{{
        {0.6, 1.0, 0.6, 1.0, 1.0, 1.0, 0.6, 1.0, 0.6},
        {0.25, 1.0, 0.25, 1.0, 1.0, 1.0, 0.25, 1.0, 0.25},
        {0.0, 0.8, 0.0, 0.8, 1.0, 0.8, 0.0, 0.8, 0.0},
        {0.0, 0.6, 0.0, 0.6, 1.0, 0.6, 0.0, 0.6, 0.0},
    }};
    static constexpr std::array<double, 25> small5{
        0.0, 0.475, 0.6,   0.475, 0.0, 0.475, 0.8,   1.0, 0.8,   0.475, 0.6,   1.0, 1.0,
        1.0, 0.6,   0.475, 0.8,   1.0, 0.8,   0.475, 0.0, 0.475, 0.6,   0.475, 0.0,
    };

    QImage sheet(kStarSheetWidth, kStarSheetHeight, QImage::Format_RGB32);
    sheet.fill(qRgb(0, 0, 0));
    for (int c = 0; c < kStarClasses; ++c) {
        const auto& t = tint[static_cast<size_t>(c)];
        // Centres are whiter than the rim, as an overexposed star looks.
        auto colour = [&](double level, double whiteness) {
            Rgb rgb{255 * (whiteness + (1 - whiteness) * t[0]),
                    255 * (whiteness + (1 - whiteness) * t[1]),
                    255 * (whiteness + (1 - whiteness) * t[2])};
            return toRgb(rgb * level);
        };
        const QList<SpriteCell> cells = spriteCells(c);
        for (int k = 0; k < cells.size(); ++k) {
            const SpriteCell& cell = cells[k];
            for (int j = 0; j < cell.size; ++j) {
                QRgb* line = reinterpret_cast<QRgb*>(sheet.scanLine(cell.top + j));
                for (int i = 0; i < cell.size; ++i) {
                    double level = 0, whiteness = 0;
                    if (cell.size == 3) {
                        level = small3[static_cast<size_t>(k - 3)][static_cast<size_t>(j * 3 + i)];
                        whiteness = (i == 1 && j == 1) ? 0.4 : 0.0;
                    } else if (cell.size == 5) {
                        level = small5[static_cast<size_t>(j * 5 + i)];
                        whiteness = (i == 2 && j == 2) ? 0.5 : 0.0;
                    } else {
                        // Soft disc filling the cell, averaged over subpixels.
                        constexpr int ss = 4;
                        const double r = cell.size / 2.0;
                        double sum = 0, white = 0;
                        for (int sy = 0; sy < ss; ++sy) {
                            for (int sx = 0; sx < ss; ++sx) {
                                const double dx = i + (sx + 0.5) / ss - r;
                                const double dy = j + (sy + 0.5) / ss - r;
                                const double q2 = (dx * dx + dy * dy) / (r * r);
                                if (q2 >= 1.0) continue;
                                const double fall = (1 - q2) * (1 - q2);
                                sum += std::min(1.0, 1.3 * fall);
                                white += fall * fall;
                            }
                        }
                        level = sum / (ss * ss);
                        whiteness = 0.6 * white / (ss * ss);
                        if (level < 0.03) level = 0;  // no faint fringe: black is transparent
                    }
                    if (level > 0) line[cell.left + i] = colour(level, whiteness);
                }
            }
        }
    }
    return sheet;
}

QImage sunShine(const QImage& corona, int size) {
    // The eclipse photograph's dark lunar disc is larger than the Sun the program draws over
    // the glow; scale it so that the disc matches the Sun (695,000 km in a 6,000,000 km wide
    // glow), and fill the disc with the brightness at its edge so that no dark ring shows.
    const QImage src = corona.convertToFormat(QImage::Format_RGB32);
    const int cx = src.width() / 2, cy = src.height() / 2;
    std::vector<int> radii;
    for (int a = 0; a < 360; a += 15) {
        const double t = a * 3.14159265358979 / 180;
        int r = 0;
        while (r < std::min(cx, cy) - 1 &&
               qGray(src.pixel(cx + int(r * std::cos(t)), cy + int(r * std::sin(t)))) <= 60)
            ++r;
        radii.push_back(r);
    }
    std::sort(radii.begin(), radii.end());
    const int dark = radii[radii.size() / 2];
    constexpr double kSunFraction = 695000.0 / 6000000.0;
    if (dark < 4) return resampleTo(src, size, size);
    const int canvas = std::max(src.width(), int(std::lround(dark / kSunFraction)));
    QImage big(canvas, canvas, QImage::Format_RGB32);
    big.fill(Qt::black);
    const int ox = (canvas - src.width()) / 2, oy = (canvas - src.height()) / 2;
    for (int y = 0; y < src.height(); ++y)
        for (int x = 0; x < src.width(); ++x) big.setPixel(ox + x, oy + y, src.pixel(x, y));
    // The colour just outside the disc, averaged round it.
    long r = 0, g = 0, b = 0, n = 0;
    for (int a = 0; a < 360; ++a) {
        const double t = a * 3.14159265358979 / 180;
        const QRgb p =
            src.pixel(cx + int((dark + 3) * std::cos(t)), cy + int((dark + 3) * std::sin(t)));
        r += qRed(p), g += qGreen(p), b += qBlue(p), ++n;
    }
    const QRgb limb = qRgb(int(r / n), int(g / n), int(b / n));
    const int bx = canvas / 2, by = canvas / 2;
    for (int y = -dark - 2; y <= dark + 2; ++y)
        for (int x = -dark - 2; x <= dark + 2; ++x)
            if (x * x + y * y <= (dark + 2) * (dark + 2)) {
                const QRgb p = big.pixel(bx + x, by + y);
                if (qGray(p) < qGray(limb)) big.setPixel(bx + x, by + y, limb);
            }
    return resampleTo(big, size, size);
}

}  // namespace datatool
