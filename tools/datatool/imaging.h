// Picture operations of the data tool: map resampling, small disc pictures,
// the ring strip, the star sprite sheet and the sky-object reprojection.
// Everything here is a pure function of its inputs so that a build always
// produces the same bytes.
#pragma once

#include <QImage>
#include <QList>
#include <QString>
#include <array>

namespace datatool {

// Opaque RGB copy of a picture, any transparency composited over black.
QImage flattenOnBlack(const QImage& image);

// Opaque RGB copy keeping the colours and ignoring any transparency (maps
// whose edge pixels are slightly transparent must not darken there).
QImage opaqueColours(const QImage& image);

// Map turned round its axis: the column at `degrees` east of the left edge
// becomes the left edge.
QImage rollLongitude(const QImage& map, double degrees);

// Smooth resample to exactly w x h (opaque result).
QImage resampleTo(const QImage& image, int w, int h);

// An equirectangular map stretched to an n x n texture (renderer tiles want squares).
QImage squareTexture(const QImage& map, int n);

// Half sizes of a body's textures, in the order of the indices 0, 1, 2, 3, 9.
inline constexpr std::array<int, 5> kTextureIndices{0, 1, 2, 3, 9};
std::array<int, 5> textureSizes(int size0);

enum class Lighting { Full, Half };

// Brightness factor across a small picture, lit from the left: 1 on the left,
// kNightLevel on the right, with a soft terminator through the centre.
inline constexpr double kNightLevel = 0.15;
double dayNightFactor(double u);  // u in [-1, 1], -1 = left edge of the disc

// The body seen from above its north pole, rendered from its map.
QImage poleDiscFromMap(const QImage& map, int size, Lighting lighting);

// A finished disc picture (transparent outside the disc) cropped to the disc,
// scaled to size x size, put on black and shaded.
QImage discFromPicture(const QImage& disc, int size, Lighting lighting);

// Bounding square (in pixels) of the non-transparent part of a picture, centred
// on its bounding box; empty when the picture is fully transparent.
QRect opaqueSquare(const QImage& image);

// Radial ring profile: colour and opacity along the radius, one value per
// column, spanning innerKm to outerKm. The colours are scaled so that the
// brightest component reaches kRingPeak (the published profile is dim, about
// half the brightness of the planet beside it).
inline constexpr double kRingPeak = 230.0;
class RingProfile {
  public:
    RingProfile(const QImage& profile, double innerKm, double outerKm);
    // Colour premultiplied by opacity (0..255 per component) at a radius,
    // linear between the profile's columns, black outside the profile.
    std::array<double, 3> at(double km) const;
    // Mean of at() over [km0, km1].
    std::array<double, 3> mean(double km0, double km1) const;

  private:
    QList<std::array<double, 3>> m_pm;
    double m_inner, m_outer;
};

// The ring strip texture: w x h, from innerKm (left) to outerKm (right), each
// column the ring colour premultiplied by its opacity over black.
QImage ringStrip(const RingProfile& profile, double innerKm, double outerKm, int w, int h);

// A ringed planet seen from above its north pole: the planet disc from its map
// (radius planetKm) inside the rings out to outerKm at the picture's edge,
// lit from the left; the planet's shadow falls on the rings to the right.
QImage poleDiscWithRings(const QImage& map, double planetKm, const RingProfile& rings,
                         double innerKm, double outerKm, int size);

// The star sprite sheet: one column of soft discs per spectral class code.
inline constexpr int kStarSheetWidth = 128;
inline constexpr int kStarSheetHeight = 96;
inline constexpr int kStarClasses = 9;  // W O B A F G K M N
struct SpriteCell {
    int left, top, size;  // the n x n cell a sprite must stay inside
};
// The cells of class code c, in the order 11, 10, 5, 3, 3, 3, 3 (rows 12 to 90).
QList<SpriteCell> spriteCells(int c);
QImage starSheet();

// Glow around the Sun: the corona picture on black, size x size, centre at size / 2.
QImage sunShine(const QImage& corona, int size);

}  // namespace datatool
