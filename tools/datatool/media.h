// The media folder the program loads (DX/), built from the committed source
// pictures in data/maps/.
#pragma once

#include <QByteArray>
#include <QList>
#include <QSize>
#include <QString>
#include <QStringList>
#include <optional>

namespace datatool {

// One line of bodies.csv (the fields the build needs).
enum class SmallKind { None, Disc, DiscFullyLit, FromMap, FromMapWithRings };
struct BodyEntry {
    QString name;        // used in the file names: <name><digit>.bmp, <name>Small.bmp
    bool rings = false;  // kind "rings": a radial strip instead of a map
    QString file;        // source picture in data/maps/
    int size0 = 0;       // width of index 0
    SmallKind small = SmallKind::None;
};
std::optional<QList<BodyEntry>> parseBodiesCsv(const QByteArray& text, QString* error);

// Saturn's rings as the program models them, and the radii the published
// radial profile spans (its planet file gives 74,510 to 140,390 km).
inline constexpr double kRingInnerKm = 74658.0;
inline constexpr double kRingOuterKm = 136775.0;
inline constexpr double kRingProfileInnerKm = 74510.0;
inline constexpr double kRingProfileOuterKm = 140390.0;
inline constexpr double kSaturnRadiusKm = 60268.0;

inline constexpr int kSmallSize = 64;
inline constexpr int kSunShineSize = 256;

// Every file the media folder gets, with its size in pixels.
struct MediaFile {
    QString name;
    QSize size;
};
QList<MediaFile> expectedMedia(const QList<BodyEntry>& bodies);

// Source files the build reads (relative to the maps folder).
QStringList requiredSources(const QList<BodyEntry>& bodies, const QStringList& objectKeys);

// Builds everything into outDir. Returns false with a message naming every
// missing or unusable input.
bool buildMedia(const QString& mapsDir, const QString& outDir, QString* error);

// Checks that outDir holds every expected file at its size; lists the faults.
bool checkMedia(const QString& mapsDir, const QString& outDir, QString* error);

}  // namespace datatool
