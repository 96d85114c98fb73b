#include "media.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QSet>
#include <algorithm>
#include <cmath>

#include "imaging.h"
#include "skyobjects.h"

namespace datatool {

namespace {

constexpr auto kBodiesCsv = "bodies.csv";
constexpr auto kObjectsCsv = "objects.csv";
constexpr auto kCorona = "corona.png";

QString discFile(const BodyEntry& b) {
    return QStringLiteral("discs/%1.png").arg(b.name);
}
QString objectFile(const QString& key) {
    return QStringLiteral("objects/%1.png").arg(key);
}

std::optional<QByteArray> readFile(const QString& path, QString* error) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) {
        *error = QStringLiteral("cannot read %1: %2").arg(path, f.errorString());
        return std::nullopt;
    }
    return f.readAll();
}

QImage loadImage(const QString& path, QStringList* faults) {
    QImageReader reader(path);
    QImage img = reader.read();
    if (img.isNull())
        faults->append(QStringLiteral("cannot load %1: %2").arg(path, reader.errorString()));
    return img;
}

bool save(const QImage& img, const QString& path, QStringList* faults) {
    if (img.isNull() || !img.save(path, "BMP")) {
        faults->append(QStringLiteral("cannot write %1").arg(path));
        return false;
    }
    return true;
}

struct Tables {
    QList<BodyEntry> bodies;
    QList<ObjectEntry> objects;
};

std::optional<Tables> readTables(const QDir& maps, QString* error) {
    Tables t;
    const auto bodiesText = readFile(maps.filePath(kBodiesCsv), error);
    if (!bodiesText) return std::nullopt;
    auto bodies = parseBodiesCsv(*bodiesText, error);
    if (!bodies) return std::nullopt;
    const auto objectsText = readFile(maps.filePath(kObjectsCsv), error);
    if (!objectsText) return std::nullopt;
    auto objects = parseObjectsCsv(*objectsText, error);
    if (!objects) return std::nullopt;
    t.bodies = *bodies;
    t.objects = *objects;
    return t;
}

QStringList keysOf(const QList<ObjectEntry>& objects) {
    QStringList keys;
    for (const ObjectEntry& e : objects) keys.append(e.key);
    return keys;
}

QString indexedName(const QString& body, int index) {
    return QStringLiteral("%1%2.bmp").arg(body).arg(index);
}

}  // namespace

std::optional<QList<BodyEntry>> parseBodiesCsv(const QByteArray& text, QString* error) {
    QList<BodyEntry> bodies;
    QSet<QString> names;
    const QList<QByteArray> lines = text.split('\n');
    for (qsizetype n = 0; n < lines.size(); ++n) {
        const QByteArray line = lines[n].trimmed();
        if (line.isEmpty() || line.startsWith('#')) continue;
        const QList<QByteArray> f = line.split(',');
        auto fail = [&](const QString& why) {
            *error = QStringLiteral("bodies.csv line %1: %2").arg(n + 1).arg(why);
            return std::nullopt;
        };
        // name,kind,file,size0,small, then package,path,roll for the source refresh
        if (f.size() != 8) return fail(QStringLiteral("expected 8 fields"));
        BodyEntry b;
        b.name = QString::fromUtf8(f[0].trimmed());
        const QByteArray kind = f[1].trimmed();
        b.file = QString::fromUtf8(f[2].trimmed());
        bool ok = false;
        b.size0 = f[3].trimmed().toInt(&ok);
        const QByteArray small = f[4].trimmed();
        if (b.name.isEmpty() || b.file.isEmpty()) return fail(QStringLiteral("empty name or file"));
        if (names.contains(b.name)) return fail(QStringLiteral("%1 listed twice").arg(b.name));
        if (kind == "rings")
            b.rings = true;
        else if (kind != "map")
            return fail(QStringLiteral("kind must be map or rings"));
        // Index 9 is size0 / 16 and must stay a whole power of two.
        if (!ok || b.size0 < 64 || b.size0 > 4096 || (b.size0 & (b.size0 - 1)) != 0)
            return fail(QStringLiteral("size %1 is not a power of two from 64 to 4096")
                            .arg(QString::fromUtf8(f[3])));
        // Ring strips are 16 times wider than high; index 9 keeps at least one row.
        if (b.rings && b.size0 < 256)
            return fail(QStringLiteral("rings need a size of at least 256"));
        if (small == "none")
            b.small = SmallKind::None;
        else if (small == "disc")
            b.small = SmallKind::Disc;
        else if (small == "disc-full")
            b.small = SmallKind::DiscFullyLit;
        else if (small == "map")
            b.small = SmallKind::FromMap;
        else if (small == "map+rings")
            b.small = SmallKind::FromMapWithRings;
        else
            return fail(QStringLiteral("small must be none, disc, disc-full, map or map+rings"));
        if (b.rings && b.small != SmallKind::None)
            return fail(QStringLiteral("rings have no small picture"));
        names.insert(b.name);
        bodies.append(b);
    }
    if (bodies.isEmpty()) {
        *error = QStringLiteral("bodies.csv lists no body");
        return std::nullopt;
    }
    const auto ringBodies =
        std::count_if(bodies.begin(), bodies.end(), [](const BodyEntry& b) { return b.rings; });
    const bool wantsRings = std::any_of(bodies.begin(), bodies.end(), [](const BodyEntry& b) {
        return b.small == SmallKind::FromMapWithRings;
    });
    if (ringBodies > 1 || (wantsRings && ringBodies == 0)) {
        *error = QStringLiteral("bodies.csv: a ringed small picture needs exactly one rings entry");
        return std::nullopt;
    }
    return bodies;
}

QList<MediaFile> expectedMedia(const QList<BodyEntry>& bodies) {
    QList<MediaFile> files;
    for (const BodyEntry& b : bodies) {
        const auto sizes = textureSizes(b.size0);
        for (size_t k = 0; k < kTextureIndices.size(); ++k) {
            const int w = sizes[k];
            files.append({indexedName(b.name, kTextureIndices[k]), QSize(w, b.rings ? w / 16 : w)});
        }
        if (b.small != SmallKind::None)
            files.append({b.name + QStringLiteral("Small.bmp"), QSize(kSmallSize, kSmallSize)});
    }
    files.append({QStringLiteral("SunShine.bmp"), QSize(kSunShineSize, kSunShineSize)});
    files.append({QStringLiteral("Stars.bmp"), QSize(kStarSheetWidth, kStarSheetHeight)});
    files.append({QStringLiteral("Objects.bmp"), QSize(kObjectsSheetSize, kObjectsSheetSize)});
    return files;
}

QStringList requiredSources(const QList<BodyEntry>& bodies, const QStringList& objectKeys) {
    QStringList files;
    for (const BodyEntry& b : bodies) {
        files.append(b.file);
        if (b.small == SmallKind::Disc || b.small == SmallKind::DiscFullyLit)
            files.append(discFile(b));
    }
    files.append(QString::fromLatin1(kCorona));
    for (const QString& key : objectKeys) files.append(objectFile(key));
    return files;
}

bool buildMedia(const QString& mapsDir, const QString& outDir, QString* error) {
    const QDir maps(mapsDir);
    const auto tables = readTables(maps, error);
    if (!tables) return false;

    QStringList faults;
    for (const QString& f : requiredSources(tables->bodies, keysOf(tables->objects)))
        if (!QFileInfo::exists(maps.filePath(f)))
            faults.append(QStringLiteral("missing source picture %1").arg(maps.filePath(f)));
    if (!faults.isEmpty()) {
        *error = faults.join(QLatin1Char('\n'));
        return false;
    }
    if (!QDir().mkpath(outDir)) {
        *error = QStringLiteral("cannot create %1").arg(outDir);
        return false;
    }
    QDir out(outDir);

    std::optional<RingProfile> rings;
    for (const BodyEntry& b : tables->bodies) {
        if (b.rings) {
            const QImage profile = loadImage(maps.filePath(b.file), &faults);
            if (!profile.isNull()) rings.emplace(profile, kRingProfileInnerKm, kRingProfileOuterKm);
        }
    }

    for (const BodyEntry& b : tables->bodies) {
        const auto sizes = textureSizes(b.size0);
        if (b.rings) {
            if (!rings) continue;
            for (size_t k = 0; k < sizes.size(); ++k)
                save(ringStrip(*rings, kRingInnerKm, kRingOuterKm, sizes[k], sizes[k] / 16),
                     out.filePath(indexedName(b.name, kTextureIndices[k])), &faults);
            continue;
        }
        const QImage src = loadImage(maps.filePath(b.file), &faults);
        if (src.isNull()) continue;
        if (src.width() != 2 * src.height()) {
            faults.append(QStringLiteral("%1 is %2 x %3, not an equirectangular 2:1 map")
                              .arg(maps.filePath(b.file))
                              .arg(src.width())
                              .arg(src.height()));
            continue;
        }
        for (size_t k = 0; k < sizes.size(); ++k)
            save(squareTexture(src, sizes[k]),
                 out.filePath(indexedName(b.name, kTextureIndices[k])), &faults);

        const QString smallPath = out.filePath(b.name + QStringLiteral("Small.bmp"));
        if (b.small == SmallKind::FromMap) {
            save(poleDiscFromMap(src, kSmallSize, Lighting::Half), smallPath, &faults);
        } else if (b.small == SmallKind::FromMapWithRings) {
            // The overhead map scales this picture to the rings' outer radius.
            if (rings)
                save(poleDiscWithRings(src, kSaturnRadiusKm, *rings, kRingInnerKm, kRingOuterKm,
                                       kSmallSize),
                     smallPath, &faults);
        } else if (b.small == SmallKind::Disc || b.small == SmallKind::DiscFullyLit) {
            const QImage disc = loadImage(maps.filePath(discFile(b)), &faults);
            if (disc.isNull()) continue;
            const QImage small = discFromPicture(
                disc, kSmallSize, b.small == SmallKind::Disc ? Lighting::Half : Lighting::Full);
            if (small.isNull())
                faults.append(
                    QStringLiteral("%1 is fully transparent").arg(maps.filePath(discFile(b))));
            else
                save(small, smallPath, &faults);
        }
    }

    const QImage corona = loadImage(maps.filePath(kCorona), &faults);
    if (!corona.isNull())
        save(sunShine(corona, kSunShineSize), out.filePath(QStringLiteral("SunShine.bmp")),
             &faults);

    save(starSheet(), out.filePath(QStringLiteral("Stars.bmp")), &faults);

    QList<QImage> pictures;
    for (const ObjectEntry& e : tables->objects) {
        const QImage img = loadImage(maps.filePath(objectFile(e.key)), &faults);
        // The stored picture may be larger than the cell but must keep its shape.
        if (!img.isNull() &&
            std::abs(double(img.width()) / img.height() - double(e.width) / e.height) > 0.03) {
            faults.append(QStringLiteral("%1 is %2 x %3, not the shape of its %4 x %5 cell")
                              .arg(maps.filePath(objectFile(e.key)))
                              .arg(img.width())
                              .arg(img.height())
                              .arg(e.width)
                              .arg(e.height));
        }
        pictures.append(img);
    }
    if (faults.isEmpty())
        save(objectsSheet(tables->objects, pictures), out.filePath(QStringLiteral("Objects.bmp")),
             &faults);

    if (!faults.isEmpty()) {
        *error = faults.join(QLatin1Char('\n'));
        return false;
    }
    // Drop pictures of bodies no longer listed so they are not installed.
    QSet<QString> wanted;
    for (const MediaFile& f : expectedMedia(tables->bodies)) wanted.insert(f.name);
    for (const QString& f : out.entryList({QStringLiteral("*.bmp")}, QDir::Files))
        if (!wanted.contains(f)) out.remove(f);
    return true;
}

bool checkMedia(const QString& mapsDir, const QString& outDir, QString* error) {
    const auto tables = readTables(QDir(mapsDir), error);
    if (!tables) return false;
    const QDir out(outDir);
    QStringList faults;
    for (const MediaFile& f : expectedMedia(tables->bodies)) {
        QImageReader reader(out.filePath(f.name));
        const QSize size = reader.size();
        if (!reader.canRead())
            faults.append(QStringLiteral("%1: missing or unreadable").arg(f.name));
        else if (size != f.size)
            faults.append(QStringLiteral("%1: %2 x %3, expected %4 x %5")
                              .arg(f.name)
                              .arg(size.width())
                              .arg(size.height())
                              .arg(f.size.width())
                              .arg(f.size.height()));
    }
    if (!faults.isEmpty()) {
        *error = faults.join(QLatin1Char('\n'));
        return false;
    }
    return true;
}

}  // namespace datatool
