#include "sky/Constellations.h"

#include <QFile>
#include <cmath>
#include <cstdio>
#include <cstdlib>

#include "sky/SkyMath.h"

namespace sky {

void Constellations::Load(const QString& dataDirectory) {
    figures_.clear();
    boundaries_.clear();
    QFile figures(dataDirectory + QStringLiteral("Constellations.dat"));
    if (!figures.open(QIODevice::ReadOnly)) return;
    ParseFigures(figures.readAll());
    QFile boundaries(dataDirectory + QStringLiteral("Boundary.dat"));
    if (boundaries.open(QIODevice::ReadOnly)) ParseBoundaries(boundaries.readAll());
}

void Constellations::ParseFigures(const QByteArray& text) {
    for (const QByteArray& raw : text.split('\n')) {
        if (static_cast<int>(figures_.size()) >= kMaxFigures) break;
        const QByteArray line = raw.left(511);
        if (line.isEmpty() || !std::isalpha(static_cast<unsigned char>(line[0]))) continue;
        ConstellationFigure f;
        const int blank = static_cast<int>(line.indexOf(' '));
        const int comma = static_cast<int>(line.indexOf(','));
        f.label = QString::fromUtf8(
            line.left(blank >= 0 && (comma < 0 || blank < comma) ? blank : comma));
        if (blank >= 0 && (comma < 0 || blank < comma))
            f.title = QString::fromUtf8(line.mid(blank + 1, comma < 0 ? -1 : comma - blank - 1))
                          .trimmed();
        QList<QByteArray> fields = comma < 0 ? QList<QByteArray>() : line.mid(comma + 1).split(',');
        if (fields.size() >= 1) f.labelRa = fields[0].trimmed().toFloat();
        if (fields.size() >= 2) f.labelDec = fields[1].trimmed().toFloat();
        // A label off the sky sits at the origin rather than nowhere.
        if (!InSkyRange(f.labelRa, f.labelDec)) f.labelRa = f.labelDec = 0;
        for (int i = 2; i < fields.size() && static_cast<int>(f.stars.size()) < kMaxEntries; ++i) {
            const QByteArray field = fields[i].trimmed();
            if (field.startsWith('-')) {
                f.stars.push_back(-1);
            } else if (!field.isEmpty() && std::isdigit(static_cast<unsigned char>(field[0]))) {
                const long n = std::strtol(field.constData(), nullptr, 10);
                f.stars.push_back(static_cast<std::int16_t>(std::min(n, 32767L)));
            } else {
                break;
            }
        }
        figures_.push_back(std::move(f));
    }
}

void Constellations::ParseBoundaries(const QByteArray& text) {
    for (const QByteArray& raw : text.split('\n')) {
        if (static_cast<int>(boundaries_.size()) >= kMaxBoundaryPoints) break;
        const QByteArray line = raw.left(511);
        if (line.startsWith("$$")) break;
        BoundaryPoint p;
        if (line.startsWith('$')) {
            p.zone = BoundaryPoint::kBreak;
        } else {
            float ra = 0, dec = 0;
            if (line.size() < 2 || std::sscanf(line.constData() + 1, "%f %f", &ra, &dec) != 2 ||
                !InSkyRange(ra, dec))
                continue;
            const scene::Vec3 v = RaDecToUnitVector(ra, dec);
            p.direction = {float(v.x), float(v.y), float(v.z)};
            p.zone = static_cast<std::int16_t>(SkyZoneAt(ra, dec));
        }
        boundaries_.push_back(p);
    }
}

void WalkFigure(const ConstellationFigure& figure, const std::function<void(int, int)>& segment) {
    // A break (-1) is never an end of a segment, wherever it stands: first, last or twice.
    int previous = -1;
    for (const int star : figure.stars) {
        if (star != -1 && previous != -1) segment(previous, star);
        previous = star;
    }
}

}  // namespace sky
