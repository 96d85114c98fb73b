#include "core/ZoneRules.h"

#include <QDateTime>
#include <algorithm>
#include <cmath>

namespace {
// Seconds from 1970-01-01 to 1980-01-01, the start of simulated time.
constexpr qint64 kSimEpochSeconds = 315532800;
}  // namespace

QDateTime SimTimeToDateTime(SimTime t) {
    if (!std::isfinite(t)) t = 0;
    const auto ms = static_cast<qint64>(std::floor((t + kSimEpochSeconds) * 1000.0));
    return QDateTime::fromMSecsSinceEpoch(ms, QTimeZone::utc());
}

ZoneRules::ZoneRules(const QString& ianaName) : name_(ianaName) {
    if (!ianaName.isEmpty()) zone_ = QTimeZone(ianaName.toUtf8());
}

int ZoneRules::DaylightMinutes(SimTime ut) const {
    if (!zone_.isValid()) return 0;
    const QDateTime at = SimTimeToDateTime(ut);
    const int shift = zone_.daylightTimeOffset(at) - WinterShiftSeconds(at.date().year());
    return shift / 60;
}

// The smallest shift the rules give during the year: 0 for most zones, -3600 where the data
// counts winter time as the shifted one.
int ZoneRules::WinterShiftSeconds(int year) const {
    if (year == cachedYear_) return cachedWinterShift_;
    const QDateTime from(QDate(year, 1, 1), QTime(0, 0), QTimeZone::utc());
    const QDateTime to(QDate(year + 1, 1, 1), QTime(0, 0), QTimeZone::utc());
    int lowest = std::min(0, zone_.daylightTimeOffset(from));
    for (const QTimeZone::OffsetData& change : zone_.transitions(from, to))
        lowest = std::min(lowest, change.daylightTimeOffset);
    cachedYear_ = year;
    cachedWinterShift_ = lowest;
    return lowest;
}
