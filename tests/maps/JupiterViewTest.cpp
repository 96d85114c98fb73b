#include <gtest/gtest.h>

#include <QDir>
#include <QPainter>
#include <QTemporaryDir>
#include <cmath>
#include <set>

#include "maps/JupiterMoonsPainter.h"
#include "maps/JupiterPicture.h"
#include "maps/JupiterViewGeometry.h"

namespace {

QRgb Rgb32(Rgb c) {
    return qRgb(c.r, c.g, c.b);
}

// Moons placed by hand, far from each other and from the planet.
GalileanConfiguration Spread() {
    return {{{300000, -300000}, {-600000, 200000}, {900000, 600000}, {-1700000, -700000}}};
}

// A map with one dark belt along the equator and a bright spot just east of the longitude
// that faces the Earth.
QImage BeltedMap() {
    QImage map(360, 180, QImage::Format_RGB32);
    map.fill(qRgb(230, 220, 200));
    QPainter p(&map);
    p.fillRect(0, 80, 360, 20, qRgb(120, 80, 50));
    p.fillRect(int(JupiterPicture::kCentralLongitude) + 30, 40, 10, 10, qRgb(255, 0, 0));
    return map;
}

}  // namespace

TEST(JupiterViewGeometry, CallistosOrbitFitsInsideTheSmallerSide) {
    // Callisto's farthest point, in whichever direction.
    const double apo = MoonData(GalileanMoon::Callisto).semiMajorAxisKm * 1.01;
    for (QSize size : {QSize(400, 300), QSize(300, 400), QSize(1001, 37), QSize(64, 999),
                       QSize(801, 801), QSize(12, 12)}) {
        const JupiterViewGeometry g(size);
        ASSERT_TRUE(g.drawable());
        const int smaller = std::min(size.width(), size.height());
        EXPECT_DOUBLE_EQ(g.kmPerPixel() * smaller, 4500000.0);
        const QPoint c = JupiterViewGeometry::Centre(size);
        const QRect view(QPoint(0, 0), size);
        for (const MoonPosition& p : {MoonPosition{apo, 0}, MoonPosition{-apo, 0},
                                      MoonPosition{0, apo}, MoonPosition{0, -apo}}) {
            const int r = g.OrbitRadiusPx(p);
            // The circle's pixels run from centre - r to centre + r.
            EXPECT_TRUE(view.contains(QRect(c.x() - r, c.y() - r, 2 * r + 1, 2 * r + 1)))
                << size.width() << "x" << size.height();
            EXPECT_TRUE(view.contains(g.PlanPixel(c, p)));
        }
        // The planet is centred, as wide as it is high, its radius 71,398 km.
        const QRect planet = g.PlanetRect(c);
        EXPECT_EQ(planet.width(), planet.height());
        const double diameter = 2 * 71398.0 / g.kmPerPixel();
        EXPECT_GE(planet.width(), diameter);
        EXPECT_LE(planet.width(), diameter + 2);
        EXPECT_LE(std::abs(planet.center().x() - c.x()), 1);
    }
    EXPECT_FALSE(JupiterViewGeometry(QSize(0, 300)).drawable());
    EXPECT_FALSE(JupiterViewGeometry(QSize(300, -5)).drawable());
}

TEST(JupiterViewGeometry, EastIsLeftAndTheFarSideUp) {
    const JupiterViewGeometry g(QSize(450, 450));  // 10,000 km a pixel
    const QPoint c(225, 225);
    EXPECT_EQ(g.PlanPixel(c, {100000, 0}), QPoint(215, 225));
    EXPECT_EQ(g.PlanPixel(c, {0, 100000}), QPoint(225, 215));
    EXPECT_EQ(g.PlanPixel(c, {-100000, -100000}), QPoint(235, 235));
    // Truncated, not rounded.
    EXPECT_EQ(g.PlanPixel(c, {-19999, 0}), QPoint(226, 225));
    // The Earth view keeps X and puts every moon on the centre line.
    EXPECT_EQ(g.EarthPixel(QPoint(300, 32), {100000, -900000}), QPoint(290, 32));
    EXPECT_EQ(g.OrbitRadiusPx({30000, 40000}), 5);
    EXPECT_EQ(DefaultJupiterWindowPlacement(QSize(1200, 800)), QRect(400, 200, 396, 400));
}

TEST(JupiterMoonsPainter, EarthViewHidesMoonsBehindThePlanetAndDrawsThoseInFront) {
    const JupiterPicture planet;  // a plain disc, no map needed here
    const JupiterMoonsPainter painter(planet);
    const JupiterViewGeometry scale(QSize(450, 450));  // planet radius 7 px
    QImage earth(600, 64, QImage::Format_RGB32);
    const QPoint c(300, 32);
    // Io and Europa in line with the disc, Io beyond the planet, Europa in front of it;
    // Ganymede beyond the planet but clear of its limb; Callisto exactly in the plane of
    // the sky (Y = 0), which counts as in front.
    GalileanConfiguration moons{
        {{20000, 420000}, {-20000, -670000}, {500000, 900000}, {-50000, 0}}};
    painter.PaintEarthView(earth, scale, moons, {});
    const QRgb io = Rgb32(MoonData(GalileanMoon::Io).moonColour);
    const QRgb europa = Rgb32(MoonData(GalileanMoon::Europa).moonColour);
    const QRgb ganymede = Rgb32(MoonData(GalileanMoon::Ganymede).moonColour);
    const QRgb callisto = Rgb32(MoonData(GalileanMoon::Callisto).moonColour);
    EXPECT_EQ(EarthLayerOf(moons[0]), EarthViewLayer::BehindPlanet);
    EXPECT_EQ(EarthLayerOf(moons[1]), EarthViewLayer::InFrontOfPlanet);
    EXPECT_EQ(EarthLayerOf(moons[3]), EarthViewLayer::InFrontOfPlanet);

    const QPoint ioAt = scale.EarthPixel(c, moons[0]);
    const QPoint europaAt = scale.EarthPixel(c, moons[1]);
    EXPECT_NE(earth.pixel(ioAt) & 0xFFFFFF, io & 0xFFFFFF) << "Io should be behind the disc";
    EXPECT_GT(qRed(earth.pixel(ioAt)), 60) << "the planet should be drawn over Io";
    EXPECT_EQ(earth.pixel(europaAt), europa) << "Europa should be drawn over the disc";
    EXPECT_EQ(earth.pixel(scale.EarthPixel(c, moons[2])), ganymede);
    EXPECT_EQ(earth.pixel(scale.EarthPixel(c, moons[3])), callisto);

    // Swap the sides: now Io shows and Europa is hidden.
    std::swap(moons[0].y, moons[1].y);
    painter.PaintEarthView(earth, scale, moons, {});
    EXPECT_EQ(earth.pixel(ioAt), io);
    EXPECT_NE(earth.pixel(europaAt), europa);
}

TEST(JupiterMoonsPainter, DrawsOnlyWhatTheOptionsAskFor) {
    const JupiterPicture planet(BeltedMap());
    const JupiterMoonsPainter painter(planet);
    QImage bare(450, 450, QImage::Format_RGB32);
    const JupiterViewGeometry g(bare.size());
    const QPoint c = JupiterViewGeometry::Centre(bare.size());
    const GalileanConfiguration moons = Spread();
    const QRect title(0, 0, 120, 20);
    const QRect disc = g.PlanetRect(c);

    // Orbits and labels off: the title, the planet and four dots in the moons' colours.
    painter.PaintPlanView(bare, moons, {false, false});
    std::set<QRgb> moonColours;
    for (const GalileanMoonData& m : kGalileanMoons) moonColours.insert(Rgb32(m.moonColour));
    int dots = 0;
    for (int y = 0; y < bare.height(); ++y)
        for (int x = 0; x < bare.width(); ++x) {
            const QRgb p = bare.pixel(x, y);
            if (title.contains(x, y) || disc.contains(x, y) || p == qRgb(0, 0, 0)) continue;
            EXPECT_TRUE(moonColours.count(p)) << x << "," << y;
            ++dots;
        }
    EXPECT_GE(dots, 4 * 12);  // four dots of about 20 pixels
    EXPECT_LE(dots, 4 * 25);
    for (int i = 0; i < kGalileanMoonCount; ++i)
        EXPECT_EQ(bare.pixel(g.PlanPixel(c, moons[std::size_t(i)])),
                  Rgb32(kGalileanMoons[std::size_t(i)].moonColour));

    // The orbits add pixels on the circles through the moons, and nothing else.
    auto added = [&](const JupiterViewOptions& options, auto&& allowed) {
        QImage picture(bare.size(), QImage::Format_RGB32);
        painter.PaintPlanView(picture, moons, options);
        int changed = 0;
        for (int y = 0; y < picture.height(); ++y)
            for (int x = 0; x < picture.width(); ++x) {
                if (picture.pixel(x, y) == bare.pixel(x, y)) continue;
                ++changed;
                EXPECT_TRUE(allowed(QPoint(x, y))) << x << "," << y;
            }
        return changed;
    };
    const int orbitPixels = added({true, false}, [&](QPoint p) {
        for (const MoonPosition& m : moons) {
            const double d = std::hypot(p.x() - c.x(), p.y() - c.y());
            if (std::fabs(d - g.OrbitRadiusPx(m)) <= 1.5) return true;
        }
        return false;
    });
    EXPECT_GT(orbitPixels, 4 * 300);  // four circles of 30 to 190 pixels' radius
}

TEST(JupiterPicture, DiscComesFromTheMapFlattenedAndDarkenedAtTheLimb) {
    const JupiterPicture planet(BeltedMap());
    ASSERT_TRUE(planet.hasMap());
    const QImage disc = planet.Render(QSize(61, 61));
    ASSERT_EQ(disc.size(), QSize(61, 61));
    const int mid = 30;
    // Transparent outside the disc: the corners, and above the flattened pole.
    EXPECT_EQ(qAlpha(disc.pixel(0, 0)), 0);
    EXPECT_EQ(qAlpha(disc.pixel(mid, 0)), 0);
    EXPECT_EQ(qAlpha(disc.pixel(mid, mid)), 255);
    EXPECT_GT(qAlpha(disc.pixel(1, mid)), 100);  // the equator reaches the edge
    // The belt along the equator, darker than the zone above it.
    EXPECT_LT(qGray(disc.pixel(mid, mid)) + 40, qGray(disc.pixel(mid, mid - 10)));
    // Limb darkening: the same zone darker near the edge than at the centre.
    EXPECT_LT(qGray(disc.pixel(3, mid - 4)) + 20, qGray(disc.pixel(mid, mid - 10)));
    // The spot east of the central longitude shows right of the centre.
    int redRight = 0, redLeft = 0;
    for (int y = 0; y < 61; ++y)
        for (int x = 0; x < 61; ++x) {
            const QRgb p = disc.pixel(x, y);
            if (qAlpha(p) > 200 && qRed(p) > qGreen(p) + 60) (x > mid ? redRight : redLeft)++;
        }
    EXPECT_GT(redRight, 0);
    EXPECT_EQ(redLeft, 0);
    EXPECT_TRUE(planet.Disc(QSize(0, 10)).isNull());
}

TEST(JupiterPicture, FindsTheMediaMapOrDrawsAPlainDisc) {
    QTemporaryDir dir;
    EXPECT_FALSE(JupiterPicture::FromMediaFolder(dir.path()).hasMap());
    // An unreadable file is skipped for the next map.
    QFile bad(QDir(dir.path()).filePath(QStringLiteral("Jupiter2.bmp")));
    ASSERT_TRUE(bad.open(QIODevice::WriteOnly));
    bad.write("not a bitmap");
    bad.close();
    EXPECT_FALSE(JupiterPicture::FromMediaFolder(dir.path()).hasMap());
    ASSERT_TRUE(BeltedMap().save(QDir(dir.path()).filePath(QStringLiteral("Jupiter3.bmp"))));
    EXPECT_TRUE(JupiterPicture::FromMediaFolder(dir.path()).hasMap());

    const QImage plain = JupiterPicture().Render(QSize(21, 21));
    EXPECT_EQ(qAlpha(plain.pixel(10, 10)), 255);
    EXPECT_GT(qRed(plain.pixel(10, 10)), qBlue(plain.pixel(10, 10)));
}
