// Tests of the data tool: picture geometry (maps, discs, rings, sprites, sky
// pictures), the object list files, and the media build on small made-up inputs.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <cmath>
#include <cstdio>
#include <numbers>

#include "imaging.h"
#include "media.h"
#include "skyobjects.h"

using namespace datatool;

namespace {

QImage solid(int w, int h, QRgb colour) {
    QImage img(w, h, QImage::Format_RGB32);
    img.fill(colour);
    return img;
}

int brightness(QRgb p) {
    return qRed(p) + qGreen(p) + qBlue(p);
}

bool writeText(const QString& path, const QByteArray& text) {
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(text) == text.size();
}

QByteArray readAll(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

}  // namespace

// ---- body textures --------------------------------------------------------

TEST(BodyTextures, SizesHalveDownToIndexNine) {
    const auto s = textureSizes(2048);
    EXPECT_EQ(s, (std::array<int, 5>{2048, 1024, 512, 256, 128}));
    EXPECT_EQ(textureSizes(512).back(), 32);
    EXPECT_EQ(kTextureIndices, (std::array<int, 5>{0, 1, 2, 3, 9}));
}

TEST(BodyTextures, SquareTextureKeepsLongitudeAndLatitudeOrder) {
    // West half (longitude -180..0) red, east half blue, southern quarter green.
    QImage map(64, 32, QImage::Format_RGB32);
    for (int y = 0; y < 32; ++y)
        for (int x = 0; x < 64; ++x)
            map.setPixel(x, y,
                         y >= 24  ? qRgb(0, 255, 0)
                         : x < 32 ? qRgb(255, 0, 0)
                                  : qRgb(0, 0, 255));
    const QImage sq = squareTexture(map, 32);
    ASSERT_EQ(sq.size(), QSize(32, 32));
    EXPECT_EQ(sq.pixel(2, 4), qRgb(255, 0, 0));
    EXPECT_EQ(sq.pixel(29, 4), qRgb(0, 0, 255));
    EXPECT_EQ(sq.pixel(16, 30), qRgb(0, 255, 0));
}

TEST(BodyTextures, SlightlyTransparentMapEdgesKeepTheirColour) {
    QImage map(8, 4, QImage::Format_ARGB32);
    map.fill(qRgba(200, 100, 50, 220));
    EXPECT_EQ(opaqueColours(map).pixel(0, 0), qRgb(200, 100, 50));
    const QRgb flat = flattenOnBlack(map).pixel(0, 0);
    EXPECT_NEAR(qRed(flat), 200 * 220 / 255.0, 1);
    EXPECT_NEAR(qGreen(flat), 100 * 220 / 255.0, 1);
    EXPECT_NEAR(qBlue(flat), 50 * 220 / 255.0, 1);
}

TEST(BodyTextures, RollMovesTheGivenLongitudeToTheLeftEdge) {
    QImage map(8, 2, QImage::Format_RGB32);
    for (int x = 0; x < 8; ++x)
        for (int y = 0; y < 2; ++y) map.setPixel(x, y, qRgb(x * 30, 0, 0));
    const QImage rolled = rollLongitude(map, 180);
    EXPECT_EQ(qRed(rolled.pixel(0, 0)), 4 * 30);
    EXPECT_EQ(qRed(rolled.pixel(4, 1)), 0);
    EXPECT_EQ(qRed(rollLongitude(map, 0).pixel(3, 0)), 3 * 30);
}

// ---- small map pictures ---------------------------------------------------

TEST(SmallPictures, PoleViewIsLitFromTheLeftWithDarkRightHalf) {
    const QImage disc = poleDiscFromMap(solid(64, 32, qRgb(200, 200, 200)), 64, Lighting::Half);
    ASSERT_EQ(disc.size(), QSize(64, 64));
    EXPECT_NEAR(qRed(disc.pixel(10, 32)), 200, 2);
    EXPECT_NEAR(qRed(disc.pixel(53, 32)), 200 * kNightLevel, 3);
    EXPECT_EQ(disc.pixel(0, 0), qRgb(0, 0, 0));  // outside the disc
    EXPECT_EQ(disc.pixel(63, 63), qRgb(0, 0, 0));
    // The terminator is soft: the middle column is between day and night.
    const int mid = qRed(disc.pixel(32, 32));
    EXPECT_GT(mid, 200 * kNightLevel + 10);
    EXPECT_LT(mid, 190);
    // Fully lit discs have no night side.
    const QImage sun = poleDiscFromMap(solid(64, 32, qRgb(200, 200, 200)), 64, Lighting::Full);
    EXPECT_NEAR(qRed(sun.pixel(53, 32)), 200, 2);
}

TEST(SmallPictures, PoleViewShowsOnlyTheNorthernHemisphere) {
    // Northern half white, southern black: the whole disc comes out white.
    QImage map(64, 32, QImage::Format_RGB32);
    for (int y = 0; y < 32; ++y)
        for (int x = 0; x < 64; ++x)
            map.setPixel(x, y, y < 16 ? qRgb(255, 255, 255) : qRgb(0, 0, 0));
    const QImage disc = poleDiscFromMap(map, 64, Lighting::Full);
    EXPECT_GT(qRed(disc.pixel(32, 32)), 250);
    EXPECT_GT(qRed(disc.pixel(6, 32)), 200);
    EXPECT_GT(qRed(disc.pixel(32, 58)), 200);
}

TEST(SmallPictures, LongitudeZeroFacesTheSun) {
    // Only the band around longitude 0 (map centre) is green.
    QImage map(72, 36, QImage::Format_RGB32);
    for (int y = 0; y < 36; ++y)
        for (int x = 0; x < 72; ++x)
            map.setPixel(x, y, (x >= 30 && x < 42) ? qRgb(0, 255, 0) : qRgb(255, 0, 0));
    const QImage disc = poleDiscFromMap(map, 64, Lighting::Full);
    EXPECT_GT(qGreen(disc.pixel(6, 32)), 200);  // left limb: longitude 0
    EXPECT_GT(qRed(disc.pixel(57, 32)), 200);   // right limb: longitude 180
    EXPECT_GT(qRed(disc.pixel(32, 6)), 200);
}

TEST(SmallPictures, DiscPictureIsCroppedToTheDiscAndFlattened) {
    // A 20 px disc off-centre in a larger transparent picture.
    QImage pic(100, 60, QImage::Format_ARGB32);
    pic.fill(0);
    for (int y = 0; y < 60; ++y)
        for (int x = 0; x < 100; ++x)
            if ((x - 70.5) * (x - 70.5) + (y - 20.5) * (y - 20.5) < 100)
                pic.setPixel(x, y, qRgba(255, 255, 255, 255));
    const QRect sq = opaqueSquare(pic);
    EXPECT_EQ(sq.width(), sq.height());
    EXPECT_NEAR(sq.center().x(), 70, 1);
    EXPECT_NEAR(sq.center().y(), 20, 1);
    const QImage small = discFromPicture(pic, 64, Lighting::Half);
    ASSERT_EQ(small.size(), QSize(64, 64));
    EXPECT_GT(qRed(small.pixel(12, 32)), 240);
    EXPECT_LT(qRed(small.pixel(52, 32)), 60);
    EXPECT_EQ(small.pixel(1, 1), qRgb(0, 0, 0));
    QImage empty(10, 10, QImage::Format_ARGB32);
    empty.fill(0);
    EXPECT_TRUE(discFromPicture(empty, 64, Lighting::Full).isNull());
}

// ---- Saturn's rings -------------------------------------------------------

TEST(Rings, StripMapsRadiusAndPremultipliesOpacity) {
    // Profile over 0..100 km: opaque band at 50..60 km, half-opaque band at 70..80 km.
    QImage prof(100, 2, QImage::Format_ARGB32);
    prof.fill(qRgba(100, 100, 100, 0));
    for (int x = 50; x < 60; ++x)
        for (int y = 0; y < 2; ++y) prof.setPixel(x, y, qRgba(200, 100, 50, 255));
    for (int x = 70; x < 80; ++x)
        for (int y = 0; y < 2; ++y) prof.setPixel(x, y, qRgba(200, 100, 50, 128));
    const RingProfile rp(prof, 0, 100);
    // Strip over 40..120 km, 1 km a column: beyond the profile stays black.
    const QImage strip = ringStrip(rp, 40, 120, 80, 5);
    ASSERT_EQ(strip.size(), QSize(80, 5));
    const double gain = kRingPeak / 200.0;  // brightest component scaled to the peak
    EXPECT_EQ(strip.pixel(2, 0), qRgb(0, 0, 0));
    EXPECT_NEAR(qRed(strip.pixel(15, 0)), 200 * gain, 1);
    EXPECT_NEAR(qGreen(strip.pixel(15, 0)), 100 * gain, 1);
    EXPECT_NEAR(qRed(strip.pixel(35, 0)), 200 * gain * 128 / 255, 2);
    EXPECT_EQ(strip.pixel(25, 0), qRgb(0, 0, 0));
    EXPECT_EQ(strip.pixel(75, 4), qRgb(0, 0, 0));
    EXPECT_EQ(strip.pixel(15, 0), strip.pixel(15, 4));  // every row alike
}

TEST(Rings, SaturnPictureHasPlanetRingsAndShadow) {
    QImage prof(10, 1, QImage::Format_ARGB32);
    prof.fill(qRgba(230, 230, 230, 255));
    const RingProfile rp(prof, kRingInnerKm, kRingOuterKm);
    const QImage pic = poleDiscWithRings(solid(64, 32, qRgb(200, 200, 200)), kSaturnRadiusKm, rp,
                                         kRingInnerKm, kRingOuterKm, 64);
    ASSERT_EQ(pic.size(), QSize(64, 64));
    // The planet spans 60,268 / 136,775 of the half width; the gap before the rings is black.
    EXPECT_GT(qRed(pic.pixel(22, 32)), 180);           // lit planet
    EXPECT_EQ(brightness(pic.pixel(32, 32 - 16)), 0);  // between planet and rings (north)
    EXPECT_GT(qRed(pic.pixel(32, 2)), 180);            // rings, north
    EXPECT_GT(qRed(pic.pixel(2, 32)), 180);            // rings, sunward
    EXPECT_LT(qRed(pic.pixel(61, 32)), 60);            // rings in the planet's shadow
}

// ---- star sprites ---------------------------------------------------------

TEST(StarSheet, SpritesStayInsideTheirCells) {
    const QImage sheet = starSheet();
    ASSERT_EQ(sheet.size(), QSize(kStarSheetWidth, kStarSheetHeight));
    std::vector<bool> covered(kStarSheetWidth * kStarSheetHeight, false);
    for (int c = 0; c < kStarClasses; ++c) {
        const auto cells = spriteCells(c);
        ASSERT_EQ(cells.size(), 7);
        for (const SpriteCell& cell : cells) {
            // The cell lies on the sheet and its centre pixel is lit.
            ASSERT_GE(cell.left, 0);
            ASSERT_LE(cell.left + cell.size, kStarSheetWidth);
            ASSERT_LE(cell.top + cell.size, kStarSheetHeight);
            const int mid = cell.size / 2;
            EXPECT_GT(brightness(sheet.pixel(cell.left + mid, cell.top + mid)), 300)
                << "class " << c << " row " << cell.top;
            for (int y = 0; y < cell.size; ++y)
                for (int x = 0; x < cell.size; ++x)
                    covered[static_cast<size_t>((cell.top + y) * kStarSheetWidth + cell.left + x)] =
                        true;
        }
    }
    for (int y = 0; y < sheet.height(); ++y) {
        for (int x = 0; x < sheet.width(); ++x) {
            if (brightness(sheet.pixel(x, y)) > 0) {
                EXPECT_TRUE(covered[static_cast<size_t>(y * kStarSheetWidth + x)])
                    << "stray pixel at " << x << "," << y;
            }
        }
    }
}

TEST(StarSheet, LayoutMatchesTheStarField) {
    // Column centres at 13 + 12c; sprite rows 12, 30, 50, 60, 70, 80, 90.
    const auto cells = spriteCells(4);
    EXPECT_EQ(cells[0].left, 13 + 48 - 5);
    EXPECT_EQ(cells[0].top, 12);
    EXPECT_EQ(cells[0].size, 11);
    EXPECT_EQ(cells[1].left, 13 + 48 - 5);
    EXPECT_EQ(cells[1].top, 30);
    EXPECT_EQ(cells[1].size, 10);
    EXPECT_EQ(cells[2].left, 13 + 48 - 2);
    EXPECT_EQ(cells[2].top, 50);
    for (int k = 3; k < 7; ++k) {
        EXPECT_EQ(cells[k].left, 13 + 48 - 1);
        EXPECT_EQ(cells[k].top, 60 + 10 * (k - 3));
        EXPECT_EQ(cells[k].size, 3);
    }
}

TEST(StarSheet, ColoursFollowTheSpectralClass) {
    const QImage sheet = starSheet();
    auto rim = [&](int c) {
        return sheet.pixel(13 + 12 * c - 3, 17);
    };  // off-centre pixel of the big sprite
    const QRgb o = rim(1), a = rim(3), m = rim(7), n = rim(8);
    EXPECT_GT(qBlue(o), qRed(o));       // O: blue-white
    EXPECT_EQ(qRed(a), qBlue(a));       // A: white
    EXPECT_GT(qRed(m), qBlue(m));       // M: reddish
    EXPECT_GT(qRed(n), 2 * qGreen(n));  // N: red
    // Fainter 3 x 3 rows are dimmer at their edges.
    const int x = 13 + 12 * 3;
    EXPECT_GT(brightness(sheet.pixel(x + 1, 61)), brightness(sheet.pixel(x + 1, 91)));
}

// ---- sky pictures ---------------------------------------------------------

TEST(SkyPictures, LooseJsonIsCleaned) {
    const QByteArray loose = "{ // note\n \"u\": \"http://x.org/a\", \"n\": [-.9794, .5, 1.25] }";
    const QByteArray clean = cleanLooseJson(loose);
    EXPECT_TRUE(clean.contains("\"http://x.org/a\""));
    EXPECT_TRUE(clean.contains("-0.9794"));
    EXPECT_TRUE(clean.contains("0.5"));
    EXPECT_TRUE(clean.contains("1.25"));
    EXPECT_FALSE(clean.contains("note"));
}

TEST(SkyPictures, IndexIsReadAndUnusualTextureCornersRejected) {
    const QByteArray json =
        "{\"subTiles\": [ // pictures\n"
        "{\"imageUrl\": \"a.png\", \"worldCoords\": [[[10.5,-.5],[9.5,-.5],[9.5,.5],[10.5,.5]]],"
        " \"textureCoords\": [[[0,0],[1,0],[1,1],[0,1]]]}]}";
    QString error;
    const auto tiles = readSkyTiles(json, &error);
    ASSERT_TRUE(tiles) << error.toStdString();
    ASSERT_TRUE(tiles->contains("a.png"));
    EXPECT_DOUBLE_EQ(tiles->value("a.png").corners[1].decDeg, -0.5);
    QByteArray odd = json;
    odd.replace("[[[0,0],[1,0]", "[[[0,0],[0.5,0]");
    EXPECT_FALSE(readSkyTiles(odd, &error));
    EXPECT_FALSE(readSkyTiles("{ nonsense", &error));
}

TEST(SkyPictures, GeometryOfASquarePicture) {
    const std::array<SkyCorner, 4> corners{{{91, -1}, {89, -1}, {89, 1}, {91, 1}}};
    const SkyGeometry g = skyGeometry(corners);
    EXPECT_NEAR(g.raHours, 6.0, 1e-9);
    EXPECT_NEAR(g.decDeg, 0.0, 1e-9);
    EXPECT_NEAR(g.widthDeg, 2.0 * std::cos(std::numbers::pi / 180), 1e-3);
    EXPECT_NEAR(g.heightDeg, 2.0, 1e-3);
    EXPECT_EQ(objectCellSize(g), QSize(64, 64));
    // A wide picture gets a 128-pixel cell, never taller than a band.
    SkyGeometry wide = g;
    wide.widthDeg = 3 * g.heightDeg;
    EXPECT_EQ(objectCellSize(wide), QSize(128, 43));
    SkyGeometry tall = g;
    tall.heightDeg = 3 * g.widthDeg;
    EXPECT_EQ(objectCellSize(tall), QSize(64, 64));
    // Right ascension stays in [0, 24) across 0 h.
    const SkyGeometry zero = skyGeometry({{{1, 0}, {-1, 0}, {-1, 1}, {1, 1}}});
    EXPECT_NEAR(zero.raHours, 0.0, 1e-9);
    const SkyGeometry late = skyGeometry({{{359, 0}, {358, 0}, {358, 1}, {359, 1}}});
    EXPECT_NEAR(late.raHours, 358.5 / 15, 1e-6);
}

TEST(SkyPictures, TilesCombineThroughTheirOuterCorners) {
    // 2 x 2 tiles, east (larger right ascension) on the left as on the sky.
    auto tile = [](double ra0, double dec0) {
        SkyTile t;
        t.corners = {{{ra0 + 1, dec0}, {ra0, dec0}, {ra0, dec0 + 1}, {ra0 + 1, dec0 + 1}}};
        return t;
    };
    const QList<SkyTile> tiles{tile(11, 1), tile(10, 1), tile(10, 0), tile(11, 0)};
    const auto outer = outerCorners(tiles);
    ASSERT_TRUE(outer);
    EXPECT_EQ((*outer)[0], (SkyCorner{12, 0}));
    EXPECT_EQ((*outer)[1], (SkyCorner{10, 0}));
    EXPECT_EQ((*outer)[2], (SkyCorner{10, 2}));
    EXPECT_EQ((*outer)[3], (SkyCorner{12, 2}));
    // Tiles that do not touch are no single picture.
    EXPECT_FALSE(outerCorners({tile(0, 0), tile(20, 20)}));
    EXPECT_TRUE(outerCorners({tile(0, 0)}));
}

TEST(SkyPictures, UprightPictureHasNorthUpAndEastLeft) {
    // Texture: file rows 0..7 (north, t = 1) red, the rest blue; column 0
    // (s = 0, the east edge) green.
    QImage pic(16, 16, QImage::Format_RGB32);
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 16; ++x)
            pic.setPixel(x, y, x < 3 ? qRgb(0, 255, 0) : y < 8 ? qRgb(255, 0, 0) : qRgb(0, 0, 255));
    SkyTile t;
    t.corners = {{{10.5, -0.5}, {9.5, -0.5}, {9.5, 0.5}, {10.5, 0.5}}};
    const SkyGeometry g = skyGeometry(t.corners);
    const QImage up = reprojectUpright({t}, {pic}, g, 32, 32, true);
    EXPECT_GT(qRed(up.pixel(24, 4)), 200);
    EXPECT_GT(qBlue(up.pixel(24, 28)), 200);
    EXPECT_GT(qGreen(up.pixel(1, 16)), 200);
    // A picture turned by 45 degrees leaves the corners of the upright cell empty.
    SkyTile turned;
    turned.corners = {{{10.7071, 0}, {10, -0.7071}, {9.2929, 0}, {10, 0.7071}}};
    const QImage diamond = reprojectUpright({turned}, {solid(16, 16, qRgb(255, 255, 255))},
                                            skyGeometry(turned.corners), 32, 32, true);
    EXPECT_EQ(diamond.pixel(0, 0), qRgb(0, 0, 0));
    EXPECT_EQ(diamond.pixel(16, 16), qRgb(255, 255, 255));
}

TEST(SkyPictures, BackgroundClipKeepsBrightPartsAndBlackensTheSky) {
    QImage pic = solid(10, 10, qRgb(12, 12, 12));
    pic.setPixel(5, 5, qRgb(255, 200, 100));
    pic.setPixel(0, 0, qRgb(0, 0, 0));
    clipSkyBackground(pic, 0.35);
    EXPECT_EQ(pic.pixel(3, 3), qRgb(0, 0, 0));
    EXPECT_EQ(qRed(pic.pixel(5, 5)), 255);
    EXPECT_GT(qGreen(pic.pixel(5, 5)), 180);
}

// ---- object list ----------------------------------------------------------

TEST(ObjectList, CsvAndTxtAgree) {
    const QList<ObjectEntry> entries{
        {"M31", 0, 64, 64, 0.713791, 41.17509, 2.82936, "Andromeda Galaxy"},
        {"LMC", 64, 128, 40, 5.363234, -68.84116, 7.80801, "Large Magellanic Cloud"},
    };
    QString error;
    const auto back = parseObjectsCsv(formatObjectsCsv(entries), &error);
    ASSERT_TRUE(back) << error.toStdString();
    ASSERT_EQ(back->size(), 2);
    EXPECT_EQ((*back)[1].key, "LMC");
    EXPECT_EQ((*back)[1].height, 40);
    EXPECT_NEAR((*back)[1].decDeg, -68.84116, 1e-9);

    // The program reads lines starting with a digit as "%d,%d,%d,%f,%f,%f".
    const QList<QByteArray> lines = formatObjectsTxt(entries).split('\n');
    int data = 0;
    for (const QByteArray& line : lines) {
        if (line.isEmpty() || !std::isdigit(static_cast<unsigned char>(line[0]))) continue;
        int top = 0, w = 0, h = 0;
        float ra = 0, dec = 0, size = 0;
        ASSERT_EQ(
            std::sscanf(line.constData(), "%d,%d,%d,%f,%f,%f", &top, &w, &h, &ra, &dec, &size), 6);
        EXPECT_EQ(top, entries[data].top);
        EXPECT_EQ(w, entries[data].width);
        EXPECT_EQ(h, entries[data].height);
        EXPECT_NEAR(ra, entries[data].raHours, 1e-5);
        EXPECT_NEAR(dec, entries[data].decDeg, 1e-4);
        EXPECT_NEAR(size, entries[data].sizeDeg, 1e-4);
        ++data;
    }
    EXPECT_EQ(data, 2);
}

TEST(ObjectList, EntriesThatDoNotFitTheSheetAreRejected) {
    QString error;
    const QByteArray head = "# comment\n";
    EXPECT_FALSE(
        parseObjectsCsv(head + "A,0,64,64,1,2,3,x\nB,0,64,64,1,2,3,y\n", &error));  // same band
    EXPECT_FALSE(parseObjectsCsv(head + "A,32,64,64,1,2,3,x\n", &error));   // not a band start
    EXPECT_FALSE(parseObjectsCsv(head + "A,512,64,64,1,2,3,x\n", &error));  // below the sheet
    EXPECT_FALSE(parseObjectsCsv(head + "A,0,100,64,1,2,3,x\n", &error));   // odd cell width
    EXPECT_FALSE(parseObjectsCsv(head + "A,0,64,65,1,2,3,x\n", &error));    // taller than a band
    EXPECT_FALSE(parseObjectsCsv(head + "A,0,64,64,24,2,3,x\n", &error));   // RA out of range
    EXPECT_FALSE(parseObjectsCsv(head + "A,0,64,64,1,2,x\n", &error));      // field missing
    EXPECT_TRUE(parseObjectsCsv(head + "A,448,128,64,23.9,-90,0.1,x\n", &error));
}

TEST(ObjectList, SheetPlacesEachPictureInCellZeroOfItsBand) {
    const QList<ObjectEntry> entries{{"A", 64, 64, 32, 1, 2, 3, "a"},
                                     {"B", 448, 128, 64, 1, 2, 3, "b"}};
    const QImage sheet =
        objectsSheet(entries, {solid(256, 128, qRgb(255, 0, 0)), solid(128, 64, qRgb(0, 0, 255))});
    ASSERT_EQ(sheet.size(), QSize(512, 512));
    EXPECT_EQ(sheet.pixel(0, 64), qRgb(255, 0, 0));
    EXPECT_EQ(sheet.pixel(63, 95), qRgb(255, 0, 0));
    EXPECT_EQ(sheet.pixel(64, 64), qRgb(0, 0, 0));  // cell 1 stays empty
    EXPECT_EQ(sheet.pixel(0, 96), qRgb(0, 0, 0));   // below the picture
    EXPECT_EQ(sheet.pixel(127, 511), qRgb(0, 0, 255));
    EXPECT_EQ(sheet.pixel(128, 511), qRgb(0, 0, 0));
    EXPECT_EQ(sheet.pixel(10, 10), qRgb(0, 0, 0));
}

// ---- committed tables -----------------------------------------------------

TEST(CommittedData, BodiesTableListsEveryMappedBody) {
    QString error;
    const auto bodies =
        parseBodiesCsv(readAll(QStringLiteral(ORBIVALE_MAPS_DIR "/bodies.csv")), &error);
    ASSERT_TRUE(bodies) << error.toStdString();
    QStringList names;
    for (const BodyEntry& b : *bodies) {
        names.append(b.name);
        EXPECT_TRUE(QFile::exists(QStringLiteral(ORBIVALE_MAPS_DIR "/") + b.file))
            << b.file.toStdString();
    }
    for (const char* n : {"Sun", "Mercury", "Venus", "Earth", "Mars", "Jupiter", "Saturn", "Uranus",
                          "Neptune", "Pluto", "Moon", "Io", "Europa", "Ganymede", "Callisto",
                          "Titan", "Triton", "Charon", "SaturnRings"})
        EXPECT_TRUE(names.contains(QString::fromLatin1(n))) << n;
    EXPECT_EQ(bodies->size(), 41);  // Sun, 9 planets, Moon, 29 moons, the rings
    EXPECT_EQ(expectedMedia(*bodies).size(), 41 * 5 + 40 + 3);
}

TEST(CommittedData, ObjectsTxtIsWrittenFromObjectsCsv) {
    QString error;
    const auto entries =
        parseObjectsCsv(readAll(QStringLiteral(ORBIVALE_MAPS_DIR "/objects.csv")), &error);
    ASSERT_TRUE(entries) << error.toStdString();
    EXPECT_EQ(entries->size(), 8);
    EXPECT_EQ(readAll(QStringLiteral(ORBIVALE_OBJECTS_TXT)), formatObjectsTxt(*entries))
        << "data/Objects.txt is stale: rerun data/maps/fetch_sources.sh";
}

// ---- the media build ------------------------------------------------------

class MediaBuild : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(tmp.isValid());
        maps = tmp.filePath("maps");
        QDir().mkpath(maps + "/bodies");
        QDir().mkpath(maps + "/discs");
        QDir().mkpath(maps + "/objects");
        ASSERT_TRUE(writeText(maps + "/bodies.csv",
                              "# name,kind,file,size0,small,package,path,roll\n"
                              "Sun,map,bodies/Sun.png,64,disc-full,p,q,0\n"
                              "Mars,map,bodies/Mars.png,128,disc,p,q,0\n"
                              "Saturn,map,bodies/Saturn.png,64,map+rings,p,q,0\n"
                              "SaturnRings,rings,rings.png,256,none,p,q,0\n"
                              "Io,map,bodies/Io.png,64,map,p,q,0\n"));
        ASSERT_TRUE(writeText(maps + "/objects.csv", "A,0,64,64,1,2,3,a\nB,64,128,32,4,5,6,b\n"));
        for (const char* b : {"Sun", "Saturn", "Io"})
            ASSERT_TRUE(solid(64, 32, qRgb(150, 120, 90)).save(maps + "/bodies/" + b + ".png"));
        ASSERT_TRUE(solid(128, 64, qRgb(200, 80, 40)).save(maps + "/bodies/Mars.png"));
        QImage disc(40, 40, QImage::Format_ARGB32);
        disc.fill(qRgba(255, 255, 0, 255));
        ASSERT_TRUE(disc.save(maps + "/discs/Sun.png"));
        ASSERT_TRUE(disc.save(maps + "/discs/Mars.png"));
        QImage rings(16, 2, QImage::Format_ARGB32);
        rings.fill(qRgba(200, 190, 170, 200));
        ASSERT_TRUE(rings.save(maps + "/rings.png"));
        ASSERT_TRUE(solid(100, 100, qRgb(90, 90, 90)).save(maps + "/corona.png"));
        ASSERT_TRUE(solid(256, 256, qRgb(50, 60, 70)).save(maps + "/objects/A.png"));
        ASSERT_TRUE(solid(512, 128, qRgb(70, 60, 50)).save(maps + "/objects/B.png"));
    }

    QTemporaryDir tmp;
    QString maps;
};

TEST_F(MediaBuild, BuildsEveryFileAtItsSizeAndIsRepeatable) {
    const QString out = tmp.filePath("DX");
    QString error;
    ASSERT_TRUE(buildMedia(maps, out, &error)) << error.toStdString();
    ASSERT_TRUE(checkMedia(maps, out, &error)) << error.toStdString();
    const QStringList files = QDir(out).entryList({"*.bmp"}, QDir::Files);
    EXPECT_EQ(files.size(), 5 * 5 + 4 + 3);
    EXPECT_TRUE(files.contains("Mars9.bmp"));
    EXPECT_TRUE(files.contains("SaturnRings9.bmp"));
    EXPECT_FALSE(files.contains("SaturnRingsSmall.bmp"));
    EXPECT_EQ(QImage(out + "/Mars9.bmp").size(), QSize(8, 8));
    EXPECT_EQ(QImage(out + "/SaturnRings0.bmp").size(), QSize(256, 16));
    EXPECT_EQ(QImage(out + "/SaturnRings9.bmp").size(), QSize(16, 1));
    // 24-bit pictures.
    const QByteArray head = readAll(out + "/Mars0.bmp").left(30);
    ASSERT_EQ(head.size(), 30);
    EXPECT_EQ(head[28], char(24));

    // Same inputs, same bytes; a stale picture of an unlisted body disappears.
    const QString again = tmp.filePath("DX2");
    QDir().mkpath(again);
    ASSERT_TRUE(writeText(again + "/Vulcan0.bmp", "old"));
    ASSERT_TRUE(buildMedia(maps, again, &error)) << error.toStdString();
    for (const QString& f : files)
        EXPECT_EQ(readAll(out + "/" + f), readAll(again + "/" + f)) << f.toStdString();
    EXPECT_FALSE(QFile::exists(again + "/Vulcan0.bmp"));
}

TEST_F(MediaBuild, MissingInputsAreAllNamed) {
    QFile::remove(maps + "/bodies/Io.png");
    QFile::remove(maps + "/objects/B.png");
    QString error;
    EXPECT_FALSE(buildMedia(maps, tmp.filePath("DX"), &error));
    EXPECT_TRUE(error.contains("bodies/Io.png")) << error.toStdString();
    EXPECT_TRUE(error.contains("objects/B.png")) << error.toStdString();
    EXPECT_FALSE(checkMedia(maps, tmp.filePath("DX"), &error));
}

TEST_F(MediaBuild, UnusableInputsFail) {
    QString error;
    // A map that is not 2:1.
    ASSERT_TRUE(solid(64, 64, qRgb(1, 2, 3)).save(maps + "/bodies/Io.png"));
    EXPECT_FALSE(buildMedia(maps, tmp.filePath("DX"), &error));
    EXPECT_TRUE(error.contains("Io.png")) << error.toStdString();
    // A size that does not halve evenly down to index 9.
    ASSERT_TRUE(writeText(maps + "/bodies.csv", "Io,map,bodies/Io.png,96,map,p,q,0\n"));
    EXPECT_FALSE(buildMedia(maps, tmp.filePath("DX"), &error));
    EXPECT_TRUE(error.contains("power of two")) << error.toStdString();
    // Rings too narrow to keep a row at index 9.
    ASSERT_TRUE(writeText(maps + "/bodies.csv", "SaturnRings,rings,rings.png,128,none,p,q,0\n"));
    EXPECT_FALSE(buildMedia(maps, tmp.filePath("DX"), &error));
    // A ringed picture without rings.
    ASSERT_TRUE(
        writeText(maps + "/bodies.csv", "Saturn,map,bodies/Saturn.png,64,map+rings,p,q,0\n"));
    EXPECT_FALSE(buildMedia(maps, tmp.filePath("DX"), &error));
    // No table at all.
    QFile::remove(maps + "/bodies.csv");
    EXPECT_FALSE(buildMedia(maps, tmp.filePath("DX"), &error));
    EXPECT_TRUE(error.contains("bodies.csv")) << error.toStdString();
}

TEST(Tool, FailsLoudlyOnMissingInputs) {
    QTemporaryDir tmp;
    QProcess p;
    p.start(QStringLiteral(ORBIVALE_DATATOOL),
            {"media", tmp.filePath("no-such-maps"), tmp.filePath("DX")});
    ASSERT_TRUE(p.waitForFinished(60000));
    EXPECT_NE(p.exitCode(), 0);
    EXPECT_TRUE(p.readAllStandardError().contains("no-such-maps"));
    p.start(QStringLiteral(ORBIVALE_DATATOOL), {"no-such-command"});
    ASSERT_TRUE(p.waitForFinished(60000));
    EXPECT_NE(p.exitCode(), 0);
}

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
