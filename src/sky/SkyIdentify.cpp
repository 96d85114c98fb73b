#include "sky/SkyIdentify.h"

#include <QStringList>
#include <algorithm>
#include <cmath>
#include <limits>

#include "core/Angles.h"
#include "sky/SkyMath.h"
#include "sky/StarCatalogue.h"

namespace sky {

namespace {

// How far from a star or the edge of a body's disc a click still finds it, pixels.
constexpr int kPickRadius = 6;

QString Sexagesimal(double value, const char* unit1, const char* unit2, const char* unit3,
                    bool sign) {
    const bool negative = value < 0;
    const double total = std::round(std::abs(value) * 3600);
    const int whole = static_cast<int>(total / 3600);
    const int minutes = static_cast<int>(std::fmod(total, 3600) / 60);
    const int seconds = static_cast<int>(std::fmod(total, 60));
    QString text = sign ? QString(negative ? QChar(0x2212) : QLatin1Char('+')) : QString();
    return text + QStringLiteral("%1%2 %3%4 %5%6")
                      .arg(whole)
                      .arg(QString::fromUtf8(unit1))
                      .arg(minutes, 2, 10, QLatin1Char('0'))
                      .arg(QString::fromUtf8(unit2))
                      .arg(seconds, 2, 10, QLatin1Char('0'))
                      .arg(QString::fromUtf8(unit3));
}

}  // namespace

QString StarDisplayName(const StarRecord& star, int number) {
    QStringList parts;
    if (star.names) {
        const StarNames& n = *star.names;
        if (!n.proper.isEmpty()) parts << n.proper;
        if (n.greek && !GreekUnicode(n.greek).isNull()) {
            QString greek = GreekUnicode(n.greek);
            if (n.superscript) greek += QLatin1Char(n.superscript);
            parts << greek;
        }
        if (n.flamsteed != 0) parts << QString::number(n.flamsteed);
    }
    if (parts.isEmpty()) return QStringLiteral("Star %1").arg(number);
    return parts.join(QLatin1Char(' '));
}

std::optional<SkyIdentity> IdentifyAt(int x, int y, const StarCatalogue& catalogue,
                                      const SkySolarSystem& solarSystem,
                                      const std::vector<DrawnBody>& drawnBodies,
                                      const ViewBasis& basis) {
    double best = std::numeric_limits<double>::max();
    std::optional<SkyIdentity> found;

    for (const DrawnBody& d : drawnBodies) {
        if (d.bodyIndex < 0 || d.bodyIndex >= static_cast<int>(solarSystem.bodies.size())) continue;
        const double distance = std::max(0.0, std::hypot(d.x - x, d.y - y) - d.radius);
        if (distance > kPickRadius || distance >= best) continue;
        best = distance;
        const SkyBody& body = solarSystem.bodies[static_cast<std::size_t>(d.bodyIndex)];
        const Ecliptic fromEarth = body.heliocentric - solarSystem.earth;
        SkyIdentity id;
        id.name = body.name;
        id.magnitude = ApparentMagnitude(body, solarSystem.earth);
        id.position = EclipticToRaDec(fromEarth);
        id.horizontal =
            basis.HorizontalOf(RaDecToUnitVector(id.position.raHours, id.position.decDegrees));
        found = id;
    }

    int number = 0;
    for (const auto& block : catalogue.blocks())
        for (int i = 0; i < block->count; ++i) {
            ++number;
            const StarRecord& s = block->stars[static_cast<std::size_t>(i)];
            if (!(s.flags & SkyOnScreen)) continue;
            const double distance = std::hypot(s.skyX - x, s.skyY - y);
            // The brighter of two equally near stars wins: stars come brightest first.
            if (distance > kPickRadius || distance >= best) continue;
            best = distance;
            const scene::Vec3 v{s.equatorial[0], s.equatorial[1], s.equatorial[2]};
            const RaDec rd = UnitVectorToRaDec(v);
            SkyIdentity id;
            id.name = StarDisplayName(s, number);
            id.magnitude = s.magnitude;
            double hours = rd.ra * 12 / kPi;
            if (hours < 0) hours += 24;
            id.position = {hours, rd.dec * 180 / kPi};
            id.horizontal = basis.HorizontalOf(v);
            found = id;
        }
    return found;
}

QString DescribeIdentity(const SkyIdentity& id) {
    QString text = id.name;
    if (id.magnitude)
        text += QStringLiteral("   mag %1")
                    .arg(*id.magnitude, 0, 'f', 2)
                    .replace(QLatin1Char('-'), QChar(0x2212));
    text += QStringLiteral("   RA ") + Sexagesimal(id.position.raHours, "h", "m", "s", false);
    text += QStringLiteral("   Dec ") +
            Sexagesimal(id.position.decDegrees, "\u00B0", "\u2032", "\u2033", true);
    text += QStringLiteral("   Alt %1\u00B0   Az %2\u00B0")
                .arg(id.horizontal.altitude, 0, 'f', 1)
                .arg(CompassBearing(id.horizontal.azimuth), 0, 'f', 1)
                .replace(QLatin1Char('-'), QChar(0x2212));
    return text;
}

}  // namespace sky
