#include "maps/JupiterPicture.h"

#include <QDir>
#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>

#include "maps/GalileanPositions.h"

namespace {

// Samples per pixel along each axis: the disc is small, so its edge and belts are
// smoothed rather than stepped.
constexpr int kSamples = 4;
// Linear limb darkening: brightness 1 - kLimb * (1 - cos(angle from the centre)).
constexpr double kLimb = 0.55;
// The planet's average colour, for the disc without a map.
constexpr std::array<double, 3> kPlainColour{201, 178, 146};

std::array<double, 3> Bilinear(const QImage& map, double x, double y) {
    const int w = map.width();
    const int h = map.height();
    x -= 0.5;
    y = std::clamp(y - 0.5, 0.0, h - 1.0);
    const double fx = std::floor(x);
    const double fy = std::floor(y);
    const double ax = x - fx;
    const double ay = y - fy;
    const int x0 = ((int(fx) % w) + w) % w;
    const int x1 = (x0 + 1) % w;
    const int y0 = int(fy);
    const int y1 = std::min(y0 + 1, h - 1);
    const auto* row0 = reinterpret_cast<const QRgb*>(map.constScanLine(y0));
    const auto* row1 = reinterpret_cast<const QRgb*>(map.constScanLine(y1));
    const QRgb p[4] = {row0[x0], row0[x1], row1[x0], row1[x1]};
    const double wgt[4] = {(1 - ax) * (1 - ay), ax * (1 - ay), (1 - ax) * ay, ax * ay};
    std::array<double, 3> c{};
    for (int i = 0; i < 4; ++i) {
        c[0] += wgt[i] * qRed(p[i]);
        c[1] += wgt[i] * qGreen(p[i]);
        c[2] += wgt[i] * qBlue(p[i]);
    }
    return c;
}

}  // namespace

JupiterPicture::JupiterPicture(const QImage& map) {
    if (!map.isNull() && map.width() > 1 && map.height() > 1)
        map_ = map.convertToFormat(QImage::Format_RGB32);
}

JupiterPicture JupiterPicture::FromMediaFolder(const QString& folder) {
    const QDir dir(folder);
    for (int digit : kMapPreference) {
        const QImage map(dir.filePath(QStringLiteral("Jupiter%1.bmp").arg(digit)));
        if (!map.isNull()) return JupiterPicture(map);
    }
    return JupiterPicture();
}

const QImage& JupiterPicture::Disc(QSize size) const {
    if (cache_.size() != size) cache_ = Render(size);
    return cache_;
}

QImage JupiterPicture::Render(QSize size) const {
    if (size.isEmpty()) return QImage();
    QImage out(size, QImage::Format_ARGB32_Premultiplied);
    const double halfW = size.width() / 2.0;
    const double halfH = size.height() / 2.0;
    const double polar = halfH * (kJupiterPolarRadiusKm / kJupiterRadiusKm);
    const double degree = std::numbers::pi / 180.0;
    for (int j = 0; j < size.height(); ++j) {
        auto* line = reinterpret_cast<QRgb*>(out.scanLine(j));
        for (int i = 0; i < size.width(); ++i) {
            std::array<double, 3> sum{};
            int covered = 0;
            for (int sy = 0; sy < kSamples; ++sy) {
                for (int sx = 0; sx < kSamples; ++sx) {
                    const double x = (i + (sx + 0.5) / kSamples - halfW) / halfW;
                    const double y = (halfH - (j + (sy + 0.5) / kSamples)) / polar;
                    const double rr = x * x + y * y;
                    if (rr > 1) continue;
                    ++covered;
                    const double z = std::sqrt(1 - rr);
                    const double shade = 1 - kLimb * (1 - z);
                    std::array<double, 3> c = kPlainColour;
                    if (hasMap()) {
                        // East on the planet (the way it turns) is to the right.
                        const double lon = kCentralLongitude + std::atan2(x, z) / degree;
                        const double lat = std::asin(std::clamp(y, -1.0, 1.0)) / degree;
                        c = Bilinear(map_, lon / 360.0 * map_.width(),
                                     (90.0 - lat) / 180.0 * map_.height());
                    }
                    for (int k = 0; k < 3; ++k) sum[std::size_t(k)] += c[std::size_t(k)] * shade;
                }
            }
            // Premultiplied: the colour sum over all samples already carries the coverage.
            const int n = kSamples * kSamples;
            line[i] = qRgba(int(sum[0] / n + 0.5), int(sum[1] / n + 0.5), int(sum[2] / n + 0.5),
                            (covered * 255 + n / 2) / n);
        }
    }
    return out;
}
