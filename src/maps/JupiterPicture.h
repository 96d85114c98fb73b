#pragma once

#include <QImage>
#include <QSize>
#include <QString>

// Jupiter as the moons window shows it: the planet's disc seen from the Earth, its belts
// running across, made from the texture map the 3D view uses. The Earth never sees more
// than a sliver of Jupiter's night side, so the disc is drawn fully lit, darkening towards
// the limb as the real planet does.
class JupiterPicture {
  public:
    // The maps the build makes, best first for pictures a few dozen pixels across.
    static constexpr int kMapPreference[] = {2, 1, 3, 0, 9};
    // The longitude (degrees east of the map's left edge) that faces the Earth.
    static constexpr double kCentralLongitude = 180.0;

    // An equirectangular map (the media textures are stretched to squares, which is the
    // same map); without one the disc is a plain shaded disc of the planet's colour.
    explicit JupiterPicture(const QImage& map = QImage());
    // The first of "Jupiter2.bmp", "Jupiter1.bmp", ... in the folder that reads as a picture.
    static JupiterPicture FromMediaFolder(const QString& folder);

    bool hasMap() const { return !map_.isNull(); }
    // The planet filling a rectangle of this size: the equator spans the width, the poles
    // are drawn flattened as they are; outside the disc the picture is transparent. The
    // last picture made is kept, as the window asks for the same size on every redraw.
    const QImage& Disc(QSize size) const;
    // A disc made afresh, without the cache.
    QImage Render(QSize size) const;

  private:
    QImage map_;
    mutable QImage cache_;
};
