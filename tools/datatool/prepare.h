// Steps of the developer's source refresh (data/maps/fetch_sources.sh): they turn
// pictures unpacked from the packages into the modest source pictures that are
// committed. The build never runs them.
#pragma once

#include <QString>

namespace datatool {

// Opaque map turned by rollDegrees of longitude (see rollLongitude),
// resampled to w x h and written as JPEG.
bool prepareMap(const QString& in, const QString& out, int w, int h, int quality,
                double rollDegrees, QString* error);

// Picture with transparency cropped to its opaque square and reduced to at
// most maxSize pixels across, written as PNG (keeps the alpha).
bool prepareDisc(const QString& in, const QString& out, int maxSize, QString* error);

// Any picture scaled to w x h, written as PNG (alpha kept).
bool prepareScaled(const QString& in, const QString& out, int w, int h, QString* error);

// Sky objects: for each line "key|tile[,tile...]|name" of listFile, the
// tiles' corners are read from the nebula picture index, the upright picture
// is written to mapsDir/objects/<key>.png at `scale` times its cell size, and
// mapsDir/objects.csv lists them band by band.
bool prepareObjects(const QString& indexJson, const QString& pictureDir, const QString& listFile,
                    const QString& mapsDir, int scale, QString* error);

// Objects.txt from objects.csv.
bool writeObjectsTxt(const QString& csv, const QString& out, QString* error);

}  // namespace datatool
