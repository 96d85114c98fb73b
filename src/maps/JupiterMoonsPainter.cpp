#include "maps/JupiterMoonsPainter.h"

#include <QPainter>

namespace {

QColor ToColor(Rgb c) {
    return QColor(c.r, c.g, c.b);
}

constexpr int kTitleMargin = 4;
constexpr int kLabelGap = 8;  // from a moon's centre down to the top of its name

}  // namespace

JupiterMoonsPainter::JupiterMoonsPainter(const JupiterPicture& planet, const QFont& font)
    : planet_(planet), font_(font) {}

void JupiterMoonsPainter::Clear(QImage& picture, const QString& title) const {
    picture.fill(Qt::black);
    QPainter p(&picture);
    p.setFont(font_);
    p.setPen(Qt::white);
    p.drawText(QRect(kTitleMargin, kTitleMargin, picture.width(), picture.height()),
               Qt::AlignLeft | Qt::AlignTop, title);
}

void JupiterMoonsPainter::DrawPlanet(QImage& picture, const JupiterViewGeometry& scale,
                                     QPoint centre) const {
    const QRect rect = scale.PlanetRect(centre);
    const QImage& disc = planet_.Disc(rect.size());
    if (disc.isNull()) return;
    QPainter p(&picture);
    p.drawImage(rect.topLeft(), disc);
}

void JupiterMoonsPainter::DrawMoon(QImage& picture, GalileanMoon moon, QPoint at,
                                   bool label) const {
    const GalileanMoonData& data = MoonData(moon);
    const QColor colour = ToColor(data.moonColour);
    QPainter p(&picture);
    p.setPen(colour);
    p.setBrush(colour);
    // A disc five pixels across centred on the moon's pixel.
    p.drawEllipse(QRect(at.x() - 2, at.y() - 2, 4, 4));
    if (!label) return;
    p.setFont(font_);
    const QString name = QString::fromLatin1(data.name);
    const int width = p.fontMetrics().horizontalAdvance(name);
    p.drawText(QRect(at.x() - width / 2, at.y() + kLabelGap, width + 1, p.fontMetrics().height()),
               Qt::AlignLeft | Qt::AlignTop, name);
}

void JupiterMoonsPainter::PaintPlanView(QImage& picture, const GalileanConfiguration& moons,
                                        const JupiterViewOptions& options) const {
    if (picture.isNull()) return;
    Clear(picture, QStringLiteral("Plan View"));
    const JupiterViewGeometry g(picture.size());
    if (!g.drawable()) return;
    const QPoint c = JupiterViewGeometry::Centre(picture.size());
    DrawPlanet(picture, g, c);
    for (int i = 0; i < kGalileanMoonCount; ++i) {
        const auto moon = static_cast<GalileanMoon>(i);
        const MoonPosition& m = moons[std::size_t(i)];
        if (options.showOrbits) {
            QPainter p(&picture);
            // Orbits merge with what is under them, so crossings keep both colours.
            p.setCompositionMode(QPainter::RasterOp_SourceOrDestination);
            p.setPen(ToColor(MoonData(moon).orbitColour));
            p.setBrush(Qt::NoBrush);
            const int r = g.OrbitRadiusPx(m);
            p.drawEllipse(c, r, r);
        }
        DrawMoon(picture, moon, g.PlanPixel(c, m), options.showLabels);
    }
}

void JupiterMoonsPainter::PaintEarthView(QImage& picture, const JupiterViewGeometry& scale,
                                         const GalileanConfiguration& moons,
                                         const JupiterViewOptions& options) const {
    if (picture.isNull()) return;
    Clear(picture, QStringLiteral("Earth View"));
    if (!scale.drawable()) return;
    const QPoint c = JupiterViewGeometry::Centre(picture.size());
    auto drawLayer = [&](EarthViewLayer layer) {
        for (int i = 0; i < kGalileanMoonCount; ++i) {
            const MoonPosition& m = moons[std::size_t(i)];
            if (EarthLayerOf(m) != layer) continue;
            DrawMoon(picture, static_cast<GalileanMoon>(i), scale.EarthPixel(c, m),
                     options.showLabels);
        }
    };
    drawLayer(EarthViewLayer::BehindPlanet);
    DrawPlanet(picture, scale, c);
    drawLayer(EarthViewLayer::InFrontOfPlanet);
}
