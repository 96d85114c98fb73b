#pragma once

#include <QImage>
#include <vector>

#include "sky/SkyBodies.h"
#include "sky/SkyFonts.h"
#include "sky/SkyIdentify.h"
#include "sky/SkyProjection.h"
#include "sky/SkyViewSettings.h"
#include "sky/SkyViewState.h"
#include "sky/SkyZoneMask.h"

class QPainter;

namespace sky {

struct SkyData;

// Where the sky is seen from.
struct SkyObserver {
    double latitude = 53.0;  // degrees, north positive
    double longitude = 0.0;  // degrees, east positive
    // With precise positions the sky is precessed to the date (see SkyOrientation).
    EphemerisModel model = EphemerisModel::Elements;
};

// Counts of the last draw, for tests and benchmarks.
struct SkyDrawStats {
    int starsTested = 0;
    int starsDrawn = 0;
    int starLabels = 0;
    int figureSegments = 0;
    int bodiesDrawn = 0;
};

// Draws the sky picture: the grid, the stars with their names, the constellation figures
// and names, the boundaries, the Sun, the Moon and the planets, the ecliptic, and the
// horizon with the ground below it, in that order, over black.
class SkyRenderer {
  public:
    explicit SkyRenderer(SkyData& data) : data_(data) {}

    // Draws the whole picture for the view state at its sky time; the vertical field of view
    // follows the picture's shape. The stars' sky-view screen fields and flags are written.
    void Draw(QImage& picture, SkyViewState& state, const SkyViewSettings& settings,
              const SkySolarSystem& solarSystem, const SkyObserver& observer,
              const SkyFonts& fonts);

    const SkyProjection& projection() const { return projection_; }
    const SkyZoneMask& zones() const { return zones_; }
    const std::vector<DrawnBody>& drawnBodies() const { return drawnBodies_; }
    const SkyDrawStats& stats() const { return stats_; }
    // Where the grid writes its labels: the view centre's whole hour, and its declination
    // rounded towards zero to a multiple of ten.
    int labelHour() const { return labelHour_; }
    int labelDec() const { return labelDec_; }

  private:
    struct StarLabelAt;
    void DrawGrid(QPainter& p, const SkyFonts& fonts);
    void DrawStars(QImage& picture, const SkyViewSettings& settings,
                   std::vector<StarLabelAt>& labels);
    void DrawStarLabels(QPainter& p, const std::vector<StarLabelAt>& labels, const SkyFonts& fonts);
    void DrawFigures(QPainter& p, const SkyViewSettings& settings, const SkyFonts& fonts);
    void DrawBoundaries(QPainter& p);
    void DrawBodies(QPainter& p, const SkySolarSystem& solarSystem, const SkyViewSettings& settings,
                    const SkyFonts& fonts);
    void DrawEcliptic(QPainter& p, const SkySolarSystem& solarSystem);
    void DrawGround(QImage& picture);
    void DrawHorizon(QPainter& p, const SkyFonts& fonts);
    // Points between two grid or path samples when zoomed in, so that lines keep their curve.
    int Subdivisions(int most) const;

    SkyData& data_;
    SkyProjection projection_;
    SkyZoneMask zones_;
    std::vector<DrawnBody> drawnBodies_;
    SkyDrawStats stats_;
    int labelHour_ = 0, labelDec_ = 0;
    int zoomShift_ = 0;
};

// The strip above the picture: a tick for every degree of azimuth across the field, the
// compass points and every tenth degree's bearing written on it.
void DrawDirectionStrip(QImage& strip, const SkyViewState& state, int skyWidth, const QFont& font);
// The scale beside the picture: a tick for every degree of altitude across the field, H at
// the horizon, Z at the zenith, every tenth degree's altitude written.
void DrawTiltScale(QImage& scale, const SkyViewState& state, int skyHeight, const QFont& font);

}  // namespace sky
