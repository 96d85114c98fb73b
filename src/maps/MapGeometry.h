#pragma once

#include <QLine>
#include <QPoint>
#include <QPointF>
#include <optional>

#include "core/SavedPosition.h"

// The rectangle of the ecliptic plane the map shows, in km: world x at the picture's left
// and right edges, world z (the ecliptic's y axis) at its top and bottom (top > bottom).
struct MapExtent {
    double left = 0, right = 0, top = 0, bottom = 0;
    friend bool operator==(const MapExtent&, const MapExtent&) = default;
};

// Finite numbers and a positive width: a saved view the map can show.
bool IsShowable(const MapView& view);

enum class PanDirection { Left, Right, Up, Down };
enum class ZoomResult { Zoomed, TooFarIn, TooFarOut };

inline constexpr const char* kZoomCaption = "Zoom";
inline constexpr const char* kZoomInRefused = "You cannot zoom in any more.";
inline constexpr const char* kZoomOutRefused = "You cannot zoom out any more.";

// The map's scale: which part of the plane the picture shows and the conversions between
// kilometres and pixels. Every change of extent keeps the picture's shape: the width and
// the vertical centre stay, the height follows from the picture's proportions.
class MapGeometry {
  public:
    static constexpr double kInitialLeft = -400000000.0;  // the first view: 800,000,000 km wide
    static constexpr double kZoomInLimit = 5000.0;        // km; no zooming in from this width
    static constexpr double kZoomOutLimit = 24000000000.0;
    static constexpr double kPanFraction = 0.2;
    // Lines are drawn only with both ends this near the picture (the painter's safe range).
    static constexpr int kLineLimit = 19999;

    MapGeometry();

    const MapExtent& extent() const { return extent_; }
    int pictureWidth() const { return w_; }
    int pictureHeight() const { return h_; }
    double Width() const;       // km across the picture
    double KmPerPixel() const;  // along the picture's width
    double ViewExtent() const;  // the longer of width and height, km

    // The picture took this size: the resize step.
    void Resize(int width, int height);
    // Replaces the extent, then the resize step.
    void SetExtent(const MapExtent& extent);

    QPoint WorldToPixel(double x, double z) const;
    QPointF PixelToWorld(double px, double py) const;
    // The pixel line for a world line, or nothing when it would not be drawn.
    std::optional<QLine> WorldLine(double x1, double z1, double x2, double z2) const;

    // Centres the map on (x, z) with the picture's shorter side 2 x halfSize long.
    void SetMapView(double x, double z, double halfSize);
    // Centres the map on (x, z), halfWidth km to either side.
    void CentreOn(double x, double z, double halfWidth);
    void Pan(PanDirection direction);
    // Halves or doubles the width about the world point under the pixel, which becomes
    // the centre.
    ZoomResult ZoomIn(QPointF pixel);
    ZoomResult ZoomOut(QPointF pixel);
    // Halves or doubles the width keeping the world point under the pixel where it is.
    ZoomResult ZoomAt(QPointF pixel, bool in);

    // The view saved positions keep: the centre (ecliptic x across, y up the picture) and
    // the width.
    MapView View() const;
    // False, with the view unchanged, when it cannot be shown.
    bool SetView(const MapView& view);

  private:
    void Refit();

    MapExtent extent_;
    int w_ = 0, h_ = 0;
    // The last conversion, reused for the same point until the scale changes.
    mutable bool cached_ = false;
    mutable double cacheX_ = 0, cacheZ_ = 0;
    mutable QPoint cachePixel_;
};
