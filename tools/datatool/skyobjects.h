// Sky-object pictures: reading the nebula picture index (corners on the sky),
// the geometry written to Objects.txt, and the upright reprojection.
#pragma once

#include <QByteArray>
#include <QHash>
#include <QImage>
#include <QList>
#include <QString>
#include <array>
#include <optional>

namespace datatool {

struct Vec3 {
    double x = 0, y = 0, z = 0;
};
Vec3 raDecToUnit(double raDeg, double decDeg);
double angleDeg(const Vec3& a, const Vec3& b);

// One picture of the index: its corners [RA deg, Dec deg] in the order of the
// texture corners (0,0), (1,0), (1,1), (0,1).
struct SkyCorner {
    double raDeg = 0, decDeg = 0;
    bool operator==(const SkyCorner&) const = default;
};
struct SkyTile {
    QString image;
    std::array<SkyCorner, 4> corners;
};

// The index is JSON with // comments and numbers such as -.5; make it plain JSON.
QByteArray cleanLooseJson(const QByteArray& text);
// Pictures of the index by file name. Fails (nullopt, message in *error) on a
// malformed file or a picture whose texture corners are not the plain square.
std::optional<QHash<QString, SkyTile>> readSkyTiles(const QByteArray& json, QString* error);

// The four outer corners of a picture made of one or more tiles laid edge to
// edge: the corners that belong to exactly one tile, each in the role it has
// in that tile. Nullopt when the tiles do not form such a patchwork.
std::optional<std::array<SkyCorner, 4>> outerCorners(const QList<SkyTile>& tiles);

struct SkyGeometry {
    double raHours = 0;  // centre: normalised mean of the corner unit vectors
    double decDeg = 0;
    double widthDeg = 0;   // angle between corners 0 and 1
    double heightDeg = 0;  // mean of the angles 1-2 and 0-3
};
SkyGeometry skyGeometry(const std::array<SkyCorner, 4>& corners);

// Cell size in Objects.bmp: 64 wide, or 128 for pictures at least twice as wide
// as high; height from the aspect, at most one 64-row band.
inline constexpr int kObjectsSheetSize = 512;
inline constexpr int kObjectBand = 64;
QSize objectCellSize(const SkyGeometry& g);

// Upright picture (north up, east left) w x h pixels covering g.widthDeg
// across, centred on the centre, sampled from the tiles (images by tile
// order). Areas no tile covers stay black. rowsBottomUp: texture t = 0 is the
// picture's last row.
QImage reprojectUpright(const QList<SkyTile>& tiles, const QList<QImage>& images,
                        const SkyGeometry& g, int w, int h, bool rowsBottomUp);

// Sky photographs keep a faint grey sky; the star field blits the pictures
// opaquely, so that grey would show as a square. Each channel's level at the
// given fraction of the picture's pixels (black outside the photograph not
// counted) becomes black and the rest is stretched back to full range.
void clipSkyBackground(QImage& picture, double fraction);

// One line of objects.csv, the single list behind Objects.txt and Objects.bmp.
struct ObjectEntry {
    QString key;  // picture file is objects/<key>.png
    int top = 0, width = 0, height = 0;
    double raHours = 0, decDeg = 0, sizeDeg = 0;
    QString name;
};
std::optional<QList<ObjectEntry>> parseObjectsCsv(const QByteArray& text, QString* error);
QByteArray formatObjectsCsv(const QList<ObjectEntry>& entries);
// The file the program reads: comment lines (never starting with a digit) and
// one "top,width,height,ra_hours,dec_degrees,size_degrees" line per object.
QByteArray formatObjectsTxt(const QList<ObjectEntry>& entries);

// Objects.bmp: every picture in cell 0 of its band, the rest black.
// pictures[i] belongs to entries[i]; each is scaled to the cell size.
QImage objectsSheet(const QList<ObjectEntry>& entries, const QList<QImage>& pictures);

}  // namespace datatool
