#include "prepare.h"

#include <QColorSpace>
#include <QDir>
#include <QFile>
#include <QImageReader>
#include <QImageWriter>
#include <QSaveFile>

#include "imaging.h"
#include "skyobjects.h"

namespace datatool {

namespace {

// In the nebula index, texture row t = 0 is the bottom of the picture file
// (the corners run south-east, south-west, north-west, north-east for an
// upright picture).
constexpr bool kIndexRowsBottomUp = true;

// About a third of each sky photograph is empty sky.
constexpr double kSkyBackgroundFraction = 0.35;

QImage load(const QString& path, QString* error) {
    QImageReader reader(path);
    QImage img = reader.read();
    if (img.isNull()) {
        *error = QStringLiteral("cannot load %1: %2").arg(path, reader.errorString());
        return img;
    }
    // Work in sRGB and store no colour profile: the program treats every
    // picture as sRGB, and some sources carry a faulty embedded profile.
    if (img.colorSpace().isValid() && img.colorSpace() != QColorSpace(QColorSpace::SRgb))
        img.convertToColorSpace(QColorSpace(QColorSpace::SRgb));
    img.setColorSpace(QColorSpace());
    return img;
}

bool write(const QImage& img, const QString& path, const char* format, int quality,
           QString* error) {
    QImageWriter writer(path, format);
    if (quality >= 0) writer.setQuality(quality);
    if (QString::fromLatin1(format) == QLatin1String("png"))
        writer.setCompression(100);  // Qt 6 scale 0..100: smallest file
    if (!writer.write(img)) {
        *error = QStringLiteral("cannot write %1: %2").arg(path, writer.errorString());
        return false;
    }
    return true;
}

bool writeText(const QString& path, const QByteArray& text, QString* error) {
    QSaveFile f(path);
    if (!f.open(QIODevice::WriteOnly) || f.write(text) != text.size() || !f.commit()) {
        *error = QStringLiteral("cannot write %1").arg(path);
        return false;
    }
    return true;
}

}  // namespace

bool prepareMap(const QString& in, const QString& out, int w, int h, int quality,
                double rollDegrees, QString* error) {
    QImage img = load(in, error);
    if (img.isNull()) return false;
    // A JPEG that needs no change is kept as published: no second generation loss.
    if (rollDegrees == 0 && img.size() == QSize(w, h) && QImageReader(in).format() == "jpeg") {
        QFile::remove(out);
        if (!QFile::copy(in, out)) {
            *error = QStringLiteral("cannot copy %1 to %2").arg(in, out);
            return false;
        }
        return true;
    }
    img = rollLongitude(img, rollDegrees);
    if (img.size() != QSize(w, h))
        img = img.scaled(w, h, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    return write(img.convertToFormat(QImage::Format_RGB32), out, "jpg", quality, error);
}

bool prepareDisc(const QString& in, const QString& out, int maxSize, QString* error) {
    const QImage img = load(in, error).convertToFormat(QImage::Format_ARGB32_Premultiplied);
    if (img.isNull()) return false;
    const QRect square = opaqueSquare(img);
    if (square.isEmpty()) {
        *error = QStringLiteral("%1 is fully transparent").arg(in);
        return false;
    }
    QImage disc = img.copy(square);
    if (disc.width() > maxSize)
        disc = disc.scaled(maxSize, maxSize, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    return write(disc.convertToFormat(QImage::Format_ARGB32), out, "png", -1, error);
}

bool prepareScaled(const QString& in, const QString& out, int w, int h, QString* error) {
    QImage img = load(in, error);
    if (img.isNull()) return false;
    const bool alpha = img.hasAlphaChannel();
    img = img.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    if (img.size() != QSize(w, h))
        img = img.scaled(w, h, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    return write(img.convertToFormat(alpha ? QImage::Format_ARGB32 : QImage::Format_RGB32), out,
                 "png", -1, error);
}

bool prepareObjects(const QString& indexJson, const QString& pictureDir, const QString& listFile,
                    const QString& mapsDir, int scale, QString* error) {
    QFile index(indexJson);
    if (!index.open(QIODevice::ReadOnly)) {
        *error = QStringLiteral("cannot read %1").arg(indexJson);
        return false;
    }
    const auto tiles = readSkyTiles(index.readAll(), error);
    if (!tiles) return false;
    QFile list(listFile);
    if (!list.open(QIODevice::ReadOnly | QIODevice::Text)) {
        *error = QStringLiteral("cannot read %1").arg(listFile);
        return false;
    }
    const QDir maps(mapsDir);
    if (!maps.mkpath(QStringLiteral("objects"))) {
        *error = QStringLiteral("cannot create %1/objects").arg(mapsDir);
        return false;
    }

    QList<ObjectEntry> entries;
    int lineNo = 0;
    while (!list.atEnd()) {
        ++lineNo;
        const QString line = QString::fromUtf8(list.readLine()).trimmed();
        if (line.isEmpty() || line.startsWith(QLatin1Char('#'))) continue;
        const QStringList f = line.split(QLatin1Char('|'));
        if (f.size() != 3) {
            *error =
                QStringLiteral("%1 line %2: expected key|tiles|name").arg(listFile).arg(lineNo);
            return false;
        }
        QList<SkyTile> parts;
        QList<QImage> images;
        for (const QString& name : f[1].split(QLatin1Char(','))) {
            const auto it = tiles->constFind(name.trimmed());
            if (it == tiles->constEnd()) {
                *error = QStringLiteral("%1 is not in %2").arg(name, indexJson);
                return false;
            }
            parts.append(*it);
            images.append(load(QDir(pictureDir).filePath(it->image), error));
            if (images.last().isNull()) return false;
        }
        const auto corners = outerCorners(parts);
        if (!corners) {
            *error = QStringLiteral("%1: the tiles do not form one picture").arg(f[0]);
            return false;
        }
        const SkyGeometry g = skyGeometry(*corners);
        const QSize cell = objectCellSize(g);
        ObjectEntry e;
        e.key = f[0].trimmed();
        e.top = int(entries.size()) * kObjectBand;
        e.width = cell.width();
        e.height = cell.height();
        e.raHours = g.raHours;
        e.decDeg = g.decDeg;
        e.sizeDeg = g.widthDeg;
        e.name = f[2].trimmed();
        if (e.top + kObjectBand > kObjectsSheetSize) {
            *error = QStringLiteral("more objects than bands in the sheet");
            return false;
        }
        QImage upright = reprojectUpright(parts, images, g, cell.width() * scale,
                                          cell.height() * scale, kIndexRowsBottomUp);
        clipSkyBackground(upright, kSkyBackgroundFraction);
        if (!write(upright, maps.filePath(QStringLiteral("objects/%1.png").arg(e.key)), "png", -1,
                   error))
            return false;
        entries.append(e);
    }
    return writeText(maps.filePath(QStringLiteral("objects.csv")), formatObjectsCsv(entries),
                     error);
}

bool writeObjectsTxt(const QString& csv, const QString& out, QString* error) {
    QFile f(csv);
    if (!f.open(QIODevice::ReadOnly)) {
        *error = QStringLiteral("cannot read %1").arg(csv);
        return false;
    }
    const auto entries = parseObjectsCsv(f.readAll(), error);
    if (!entries) return false;
    return writeText(out, formatObjectsTxt(*entries), error);
}

}  // namespace datatool
