#include "location/LocationFormat.h"

#include <cmath>
#include <cstdlib>

#include "core/Clock.h"
#include "core/Numbers.h"

namespace {
// QString::asprintf always writes the C locale's decimal point, so the labels read back.
QString HemisphereLabel(double value, int width, char positive, char negative) {
    return QString::asprintf("%0*.*f%c", width, 2, std::fabs(value),
                             value >= 0 ? positive : negative);
}
}  // namespace

QString FormatTimeZone(int halfHours) {
    return ZoneText(halfHours, 0);
}

QString LatitudeLabel(double latitude) {
    return HemisphereLabel(latitude, 5, 'N', 'S');
}

QString LongitudeLabel(double longitude) {
    return HemisphereLabel(longitude, 6, 'E', 'W');
}

int TimeZoneFromLongitude(double longitude) {
    const int halfHours = 2 * static_cast<int>(std::trunc(std::fabs(longitude) / 15.0));
    return longitude < 0 ? -halfHours : halfHours;
}

Coordinate ParseCoordinate(const QString& text) {
    const NumberWithSuffix n = ParseNumberWithSuffix(text);
    Coordinate c;
    if (!n.ok || !std::isfinite(n.number)) return c;
    c.valid = true;
    c.value = n.number;
    c.letter = n.suffix;
    return c;
}
