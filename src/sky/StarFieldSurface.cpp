#include "sky/StarFieldSurface.h"

#include <QPainter>
#include <cmath>

#include "core/Services.h"

namespace sky {

namespace {

constexpr double kPi = 3.14159265358979323846;

// Copies the non-black pixels of a square sprite.
void BlitSprite(QImage& target, const QImage& sheet, int sx, int sy, int n, int dx, int dy) {
    for (int j = 0; j < n; ++j) {
        if (dy + j < 0 || dy + j >= target.height() || sy + j < 0 || sy + j >= sheet.height())
            continue;
        const auto* src = reinterpret_cast<const QRgb*>(sheet.constScanLine(sy + j));
        auto* dst = reinterpret_cast<QRgb*>(target.scanLine(dy + j));
        for (int i = 0; i < n; ++i) {
            if (dx + i < 0 || dx + i >= target.width() || sx + i < 0 || sx + i >= sheet.width())
                continue;
            if ((src[sx + i] & 0xFFFFFF) != 0) dst[dx + i] = src[sx + i] | 0xFF000000u;
        }
    }
}

int ChooseCell(SkyObject& o, int angle) {
    if (angle == 0) return 0;
    for (int i = 1; i <= o.slotCount; ++i)
        if (o.slotAngles[std::size_t(i - 1)] == angle) return -i;  // a hit: no need to rotate again
    int best = 1, bestDifference = -1;
    for (int i = 1; i <= o.slotCount; ++i) {
        const int stored = o.slotAngles[std::size_t(i - 1)];
        if (stored == 0) return i;
        const int difference = std::abs(stored - angle);
        if (difference > bestDifference) best = i, bestDifference = difference;
    }
    return best;
}

void DrawObjects(StarField& field, StarCatalogue& catalogue, const Projector& projector,
                 QPainter& painter, Surface& objects) {
    if (objects.isNull()) return;
    for (SkyObject& o : catalogue.objects()) {
        if (!field.zoneMarked(o.zone) || o.slotCount <= 0) continue;
        const auto centre = projector.project({o.world[0], o.world[1], o.world[2]});
        if (!centre.visible) continue;
        const auto north = projector.project({o.northPoint[0], o.northPoint[1], o.northPoint[2]});
        const int angle = north.x == 0x7FFFFFFF
                              ? 0
                              : int(std::trunc(std::atan2(double(centre.x - north.x),
                                                          double(centre.y - north.y)) *
                                               180 / kPi));
        int cell = ChooseCell(o, angle);
        if (cell != 0) field.CountNebulaCell(cell < 0);
        if (cell > 0) {
            if (objects.StartDrawing(true)) {
                objects.DrawRotated(angle, 0, o.top, o.width, o.height, o.width * cell, o.top);
                objects.StopDrawing();
            }
            o.slotAngles[std::size_t(cell - 1)] = angle;
        }
        cell = std::abs(cell);
        const int n = int(std::trunc(o.size * field.pixelsPerDegree()));
        const int m =
            int(std::trunc(double(o.height) / o.width * o.size * field.pixelsPerDegree()));
        if (n <= 0 || m <= 0) continue;
        // Added to the picture, so the black round the object leaves the scene as it was.
        painter.setCompositionMode(QPainter::CompositionMode_Plus);
        painter.drawImage(QRect(centre.x - n / 2, centre.y - m / 2, n, m), objects.image(),
                          QRect(o.width * cell, o.top, o.width, o.height));
    }
}

}  // namespace

bool StarPictures::Load(const QString& media) {
    if (stars.isNull()) {
        const QImage img(media + QStringLiteral("Stars.bmp"));
        if (!img.isNull()) stars = Surface(img.convertToFormat(QImage::Format_RGB32));
    }
    if (objects.isNull()) {
        const QImage img(media + QStringLiteral("Objects.bmp"));
        if (!img.isNull())
            objects = Surface(img.convertToFormat(QImage::Format_RGB32).copy(0, 0, 512, 512));
    }
    return !stars.isNull() && !objects.isNull();
}

scene::Image StarPictures::StarsImage() const {
    if (stars.isNull()) return {};
    const QImage img = stars.image().convertToFormat(QImage::Format_RGB32);
    scene::Image out(img.width(), img.height());
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x) out.setPixel(x, y, img.pixel(x, y));
    return out;
}

void DrawStarFieldOnSurface(StarField& field, StarCatalogue& catalogue,
                            const scene::Viewport& viewport, const scene::Vec3& forward,
                            Surface& target, StarPictures& pictures) {
    if (target.isNull()) return;
    const Projector projector(viewport);
    if (!field.BeginFrame(projector, viewport, forward, kStarDistance)) return;
    QImage& image = target.image();
    if (image.format() != QImage::Format_RGB32 && image.format() != QImage::Format_ARGB32 &&
        image.format() != QImage::Format_ARGB32_Premultiplied)
        image = image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    {
        QPainter painter(&image);
        DrawObjects(field, catalogue, projector, painter, pictures.objects);
    }
    const QImage sheet = pictures.stars.isNull() ? QImage() : pictures.stars.image();
    field.StarPass(projector, [&](StarRecord& star, int x, int y) {
        const int m = star.magIndex, c = std::min<int>(star.spectral, 8);
        if (m > 114) {
            if (x >= 0 && y >= 0 && x < image.width() && y < image.height())
                image.setPixel(x, y, field.PixelColour(star));
            return;
        }
        if (sheet.isNull()) return;
        int row, n, g;
        if (m >= 102)
            row = 90, n = 3, g = -1;
        else if (m >= 91)
            row = 80, n = 3, g = -1;
        else if (m >= 72)
            row = 70, n = 3, g = -1;
        else if (m >= 57)
            row = 60, n = 3, g = -1;
        else if (m >= 47)
            row = 50, n = 5, g = -2;
        else if (m >= 38)
            row = 30, n = 10, g = -5;
        else
            row = 12, n = 11, g = -5;
        const int column = 13 + 12 * c + g;
        BlitSprite(image, sheet, column, row, n, x + g, y + g);
    });
    if (field.drawConstellations()) {
        QPainter painter(&image);
        painter.setCompositionMode(QPainter::RasterOp_SourceOrDestination);
        painter.setPen(QPen(QColor(80, 80, 80), 1));
        field.FigureSegments([&](const StarRecord& a, const StarRecord& b) {
            painter.drawLine(a.viewerX, a.viewerY, b.viewerX, b.viewerY);
        });
    }
    field.EndFrame();
}

}  // namespace sky
