#include "skyobjects.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonParseError>
#include <algorithm>
#include <cctype>
#include <cmath>
#include <numbers>

#include "imaging.h"

namespace datatool {

namespace {

constexpr double kDeg = std::numbers::pi / 180.0;

Vec3 operator+(const Vec3& a, const Vec3& b) {
    return {a.x + b.x, a.y + b.y, a.z + b.z};
}
Vec3 operator*(const Vec3& a, double k) {
    return {a.x * k, a.y * k, a.z * k};
}
double dot(const Vec3& a, const Vec3& b) {
    return a.x * b.x + a.y * b.y + a.z * b.z;
}
Vec3 cross(const Vec3& a, const Vec3& b) {
    return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x};
}
Vec3 normalised(const Vec3& a) {
    return a * (1.0 / std::sqrt(dot(a, a)));
}

Vec3 unitOf(const SkyCorner& c) {
    return raDecToUnit(c.raDeg, c.decDeg);
}

struct P2 {
    double x = 0, y = 0;
};

// Parameters (s, t) of point p in the bilinear patch p0 (0,0), p1 (1,0),
// p2 (1,1), p3 (0,1); nullopt when p lies outside it.
std::optional<P2> inverseBilinear(const std::array<P2, 4>& q, const P2& p) {
    const P2 e{q[1].x - q[0].x, q[1].y - q[0].y};
    const P2 f{q[3].x - q[0].x, q[3].y - q[0].y};
    const P2 g{q[0].x - q[1].x + q[2].x - q[3].x, q[0].y - q[1].y + q[2].y - q[3].y};
    double s = 0.5, t = 0.5;
    for (int it = 0; it < 20; ++it) {
        const double rx = q[0].x + s * e.x + t * f.x + s * t * g.x - p.x;
        const double ry = q[0].y + s * e.y + t * f.y + s * t * g.y - p.y;
        const double a = e.x + t * g.x, b = f.x + s * g.x;
        const double c = e.y + t * g.y, d = f.y + s * g.y;
        const double det = a * d - b * c;
        if (std::abs(det) < 1e-300) return std::nullopt;
        s -= (d * rx - b * ry) / det;
        t -= (a * ry - c * rx) / det;
    }
    constexpr double eps = 1e-9;
    if (s < -eps || s > 1 + eps || t < -eps || t > 1 + eps) return std::nullopt;
    return P2{std::clamp(s, 0.0, 1.0), std::clamp(t, 0.0, 1.0)};
}

double bilinearChannel(const QImage& img, double x, double y, int shift) {
    const double fx = std::clamp(x - 0.5, 0.0, double(img.width() - 1));
    const double fy = std::clamp(y - 0.5, 0.0, double(img.height() - 1));
    const int x0 = int(fx), y0 = int(fy);
    const int x1 = std::min(x0 + 1, img.width() - 1), y1 = std::min(y0 + 1, img.height() - 1);
    const double ax = fx - x0, ay = fy - y0;
    auto ch = [&](int px, int py) {
        return double((reinterpret_cast<const QRgb*>(img.constScanLine(py))[px] >> shift) & 0xff);
    };
    return (ch(x0, y0) * (1 - ax) + ch(x1, y0) * ax) * (1 - ay) +
           (ch(x0, y1) * (1 - ax) + ch(x1, y1) * ax) * ay;
}

}  // namespace

Vec3 raDecToUnit(double raDeg, double decDeg) {
    const double a = raDeg * kDeg, d = decDeg * kDeg;
    return {std::cos(d) * std::cos(a), std::cos(d) * std::sin(a), std::sin(d)};
}

double angleDeg(const Vec3& a, const Vec3& b) {
    // atan2 of |a x b| and a.b stays accurate for small angles.
    const Vec3 c = cross(a, b);
    return std::atan2(std::sqrt(dot(c, c)), dot(a, b)) / kDeg;
}

QByteArray cleanLooseJson(const QByteArray& text) {
    QByteArray out;
    out.reserve(text.size() + text.size() / 16);
    bool inString = false;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char ch = text[i];
        if (inString) {
            out.append(ch);
            if (ch == '\\' && i + 1 < text.size())
                out.append(text[++i]);
            else if (ch == '"')
                inString = false;
            continue;
        }
        if (ch == '"') {
            inString = true;
            out.append(ch);
        } else if (ch == '/' && i + 1 < text.size() && text[i + 1] == '/') {
            while (i < text.size() && text[i] != '\n') ++i;
            if (i < text.size()) out.append('\n');
        } else if (ch == '.' && i + 1 < text.size() &&
                   std::isdigit(static_cast<unsigned char>(text[i + 1])) &&
                   (out.isEmpty() || !std::isdigit(static_cast<unsigned char>(out.back())))) {
            out.append("0.");
        } else {
            out.append(ch);
        }
    }
    return out;
}

std::optional<QHash<QString, SkyTile>> readSkyTiles(const QByteArray& json, QString* error) {
    QJsonParseError perr{};
    const QJsonDocument doc = QJsonDocument::fromJson(cleanLooseJson(json), &perr);
    if (doc.isNull()) {
        *error = QStringLiteral("picture index: %1 at offset %2")
                     .arg(perr.errorString())
                     .arg(perr.offset);
        return std::nullopt;
    }
    QHash<QString, SkyTile> tiles;
    const QJsonArray list = doc.object().value(QStringLiteral("subTiles")).toArray();
    for (const QJsonValue& v : list) {
        const QJsonObject o = v.toObject();
        SkyTile tile;
        tile.image = o.value(QStringLiteral("imageUrl")).toString();
        const QJsonArray world = o.value(QStringLiteral("worldCoords")).toArray().at(0).toArray();
        const QJsonArray tex = o.value(QStringLiteral("textureCoords")).toArray().at(0).toArray();
        if (tile.image.isEmpty() || world.size() != 4) {
            *error = QStringLiteral("picture index: entry without a picture or four corners");
            return std::nullopt;
        }
        static constexpr int plain[4][2] = {{0, 0}, {1, 0}, {1, 1}, {0, 1}};
        for (int k = 0; k < 4; ++k) {
            const QJsonArray t = tex.at(k).toArray();
            if (t.at(0).toDouble(-1) != plain[k][0] || t.at(1).toDouble(-1) != plain[k][1]) {
                *error =
                    QStringLiteral("picture index: %1 has unusual texture corners").arg(tile.image);
                return std::nullopt;
            }
            const QJsonArray c = world.at(k).toArray();
            tile.corners[static_cast<size_t>(k)] = {c.at(0).toDouble(), c.at(1).toDouble()};
        }
        tiles.insert(tile.image, tile);
    }
    return tiles;
}

std::optional<std::array<SkyCorner, 4>> outerCorners(const QList<SkyTile>& tiles) {
    std::array<SkyCorner, 4> result{};
    std::array<int, 4> found{};
    constexpr double same = 1e-6;
    auto near = [&](const SkyCorner& a, const SkyCorner& b) {
        return std::abs(a.raDeg - b.raDeg) < same && std::abs(a.decDeg - b.decDeg) < same;
    };
    for (const SkyTile& tile : tiles) {
        for (size_t k = 0; k < 4; ++k) {
            int uses = 0;
            for (const SkyTile& other : tiles)
                for (const SkyCorner& c : other.corners) uses += near(c, tile.corners[k]) ? 1 : 0;
            if (uses == 1) {
                result[k] = tile.corners[k];
                ++found[k];
            }
        }
    }
    for (int n : found)
        if (n != 1) return std::nullopt;
    return result;
}

SkyGeometry skyGeometry(const std::array<SkyCorner, 4>& corners) {
    std::array<Vec3, 4> v{};
    Vec3 sum;
    for (size_t k = 0; k < 4; ++k) {
        v[k] = unitOf(corners[k]);
        sum = sum + v[k];
    }
    const Vec3 c = normalised(sum);
    SkyGeometry g;
    g.decDeg = std::asin(std::clamp(c.z, -1.0, 1.0)) / kDeg;
    double ra = std::atan2(c.y, c.x) / kDeg;
    if (ra < 0) ra += 360;
    g.raHours = ra / 15.0;
    g.widthDeg = angleDeg(v[0], v[1]);
    g.heightDeg = 0.5 * (angleDeg(v[1], v[2]) + angleDeg(v[0], v[3]));
    return g;
}

QSize objectCellSize(const SkyGeometry& g) {
    const double aspect = g.widthDeg / g.heightDeg;
    const int w = aspect >= 2.0 ? 2 * kObjectBand : kObjectBand;
    const int h = std::clamp(int(std::lround(w / aspect)), 1, kObjectBand);
    return {w, h};
}

QImage reprojectUpright(const QList<SkyTile>& tiles, const QList<QImage>& images,
                        const SkyGeometry& g, int w, int h, bool rowsBottomUp) {
    // Gnomonic plane at the centre: x to the west (east is on the left when
    // north is up, as the sky is seen), y to the north.
    const Vec3 c = raDecToUnit(g.raHours * 15.0, g.decDeg);
    const Vec3 east = normalised(cross(Vec3{0, 0, 1}, c));
    const Vec3 north = cross(c, east);
    auto plane = [&](const Vec3& v) {
        const double k = dot(v, c);
        return P2{-dot(v, east) / k, dot(v, north) / k};
    };
    QList<std::array<P2, 4>> quads;
    QList<QImage> flat;
    for (qsizetype i = 0; i < tiles.size(); ++i) {
        std::array<P2, 4> q{};
        for (size_t k = 0; k < 4; ++k) q[k] = plane(unitOf(tiles[i].corners[k]));
        quads.append(q);
        flat.append(flattenOnBlack(images[i]));
    }
    // The picture spans the tangent of half its width on each side.
    const double halfSpan = std::tan(g.widthDeg * kDeg / 2);
    const double perPixel = 2 * halfSpan / w;
    constexpr int ss = 4;
    QImage out(w, h, QImage::Format_RGB32);
    for (int py = 0; py < h; ++py) {
        QRgb* line = reinterpret_cast<QRgb*>(out.scanLine(py));
        for (int px = 0; px < w; ++px) {
            double r = 0, gr = 0, b = 0;
            for (int sy = 0; sy < ss; ++sy) {
                for (int sx = 0; sx < ss; ++sx) {
                    const P2 p{(px + (sx + 0.5) / ss - w / 2.0) * perPixel,
                               (h / 2.0 - (py + (sy + 0.5) / ss)) * perPixel};
                    for (qsizetype i = 0; i < quads.size(); ++i) {
                        const auto st = inverseBilinear(quads[i], p);
                        if (!st) continue;
                        const QImage& img = flat[i];
                        const double ix = st->x * img.width();
                        const double iy = (rowsBottomUp ? 1.0 - st->y : st->y) * img.height();
                        r += bilinearChannel(img, ix, iy, 16);
                        gr += bilinearChannel(img, ix, iy, 8);
                        b += bilinearChannel(img, ix, iy, 0);
                        break;
                    }
                }
            }
            constexpr double n = ss * ss;
            line[px] = qRgb(std::clamp(int(std::lround(r / n)), 0, 255),
                            std::clamp(int(std::lround(gr / n)), 0, 255),
                            std::clamp(int(std::lround(b / n)), 0, 255));
        }
    }
    return out;
}

void clipSkyBackground(QImage& picture, double fraction) {
    picture = picture.convertToFormat(QImage::Format_RGB32);
    std::array<std::vector<int>, 3> values;
    for (int y = 0; y < picture.height(); ++y) {
        const QRgb* line = reinterpret_cast<const QRgb*>(picture.constScanLine(y));
        for (int x = 0; x < picture.width(); ++x) {
            if ((line[x] & 0xffffffu) == 0) continue;
            values[0].push_back(qRed(line[x]));
            values[1].push_back(qGreen(line[x]));
            values[2].push_back(qBlue(line[x]));
        }
    }
    if (values[0].empty()) return;
    std::array<int, 3> level{};
    for (size_t c = 0; c < 3; ++c) {
        auto& v = values[c];
        const auto nth = v.begin() + static_cast<std::ptrdiff_t>(fraction * double(v.size() - 1));
        std::nth_element(v.begin(), nth, v.end());
        level[c] = std::min(*nth, 254);
    }
    auto stretch = [&](int v, size_t c) {
        return std::clamp(int(std::lround((v - level[c]) * 255.0 / (255 - level[c]))), 0, 255);
    };
    for (int y = 0; y < picture.height(); ++y) {
        QRgb* line = reinterpret_cast<QRgb*>(picture.scanLine(y));
        for (int x = 0; x < picture.width(); ++x)
            line[x] = qRgb(stretch(qRed(line[x]), 0), stretch(qGreen(line[x]), 1),
                           stretch(qBlue(line[x]), 2));
    }
}

std::optional<QList<ObjectEntry>> parseObjectsCsv(const QByteArray& text, QString* error) {
    QList<ObjectEntry> entries;
    const QList<QByteArray> lines = text.split('\n');
    for (qsizetype n = 0; n < lines.size(); ++n) {
        const QByteArray line = lines[n].trimmed();
        if (line.isEmpty() || line.startsWith('#')) continue;
        const QList<QByteArray> f = line.split(',');
        bool ok[6] = {};
        if (f.size() != 8) {
            *error = QStringLiteral("objects.csv line %1: expected 8 fields").arg(n + 1);
            return std::nullopt;
        }
        ObjectEntry e;
        e.key = QString::fromUtf8(f[0].trimmed());
        e.top = f[1].trimmed().toInt(&ok[0]);
        e.width = f[2].trimmed().toInt(&ok[1]);
        e.height = f[3].trimmed().toInt(&ok[2]);
        e.raHours = f[4].trimmed().toDouble(&ok[3]);
        e.decDeg = f[5].trimmed().toDouble(&ok[4]);
        e.sizeDeg = f[6].trimmed().toDouble(&ok[5]);
        e.name = QString::fromUtf8(f[7].trimmed());
        if (!std::all_of(std::begin(ok), std::end(ok), [](bool b) { return b; }) ||
            e.key.isEmpty()) {
            *error = QStringLiteral("objects.csv line %1: bad number or empty key").arg(n + 1);
            return std::nullopt;
        }
        const bool fits = e.top >= 0 && e.top % kObjectBand == 0 &&
                          e.top + kObjectBand <= kObjectsSheetSize &&
                          (e.width == kObjectBand || e.width == 2 * kObjectBand) && e.height >= 1 &&
                          e.height <= kObjectBand && e.sizeDeg > 0 && e.raHours >= 0 &&
                          e.raHours < 24 && std::abs(e.decDeg) <= 90;
        if (!fits) {
            *error =
                QStringLiteral("objects.csv line %1: %2 does not fit the 512 x 512 sheet's bands")
                    .arg(n + 1)
                    .arg(e.key);
            return std::nullopt;
        }
        for (const ObjectEntry& other : entries) {
            if (other.top == e.top || other.key == e.key) {
                *error = QStringLiteral("objects.csv line %1: %2 reuses a band or key")
                             .arg(n + 1)
                             .arg(e.key);
                return std::nullopt;
            }
        }
        entries.append(e);
    }
    return entries;
}

QByteArray formatObjectsCsv(const QList<ObjectEntry>& entries) {
    QByteArray out = "# key,top,width,height,ra_hours,dec_degrees,size_degrees,name\n";
    for (const ObjectEntry& e : entries) {
        out += QStringLiteral("%1,%2,%3,%4,%5,%6,%7,%8\n")
                   .arg(e.key)
                   .arg(e.top)
                   .arg(e.width)
                   .arg(e.height)
                   .arg(e.raHours, 0, 'f', 6)
                   .arg(e.decDeg, 0, 'f', 5)
                   .arg(e.sizeDeg, 0, 'f', 5)
                   .arg(e.name)
                   .toUtf8();
    }
    return out;
}

QByteArray formatObjectsTxt(const QList<ObjectEntry>& entries) {
    QByteArray out =
        "# Sky objects drawn as pictures in the star field (Objects.bmp).\n"
        "# top,width,height,ra_hours,dec_degrees,size_degrees\n"
        "# top: first row of the object's band; width x height: the upright picture in\n"
        "# cell 0; size: the angle the picture's width spans on the sky.\n"
        "# Lines not starting with a digit are ignored.\n";
    for (const ObjectEntry& e : entries) {
        out += QStringLiteral("# %1 %2\n").arg(e.key, e.name).toUtf8();
        out += QStringLiteral("%1,%2,%3,%4,%5,%6\n")
                   .arg(e.top)
                   .arg(e.width)
                   .arg(e.height)
                   .arg(e.raHours, 0, 'f', 6)
                   .arg(e.decDeg, 0, 'f', 5)
                   .arg(e.sizeDeg, 0, 'f', 5)
                   .toUtf8();
    }
    return out;
}

QImage objectsSheet(const QList<ObjectEntry>& entries, const QList<QImage>& pictures) {
    QImage sheet(kObjectsSheetSize, kObjectsSheetSize, QImage::Format_RGB32);
    sheet.fill(qRgb(0, 0, 0));
    for (qsizetype i = 0; i < entries.size(); ++i) {
        const ObjectEntry& e = entries[i];
        const QImage cell = resampleTo(pictures[i], e.width, e.height);
        for (int y = 0; y < e.height; ++y) {
            const QRgb* src = reinterpret_cast<const QRgb*>(cell.constScanLine(y));
            QRgb* dst = reinterpret_cast<QRgb*>(sheet.scanLine(e.top + y));
            std::copy(src, src + e.width, dst);
        }
    }
    return sheet;
}

}  // namespace datatool
