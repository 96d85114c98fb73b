#include "core/Clock.h"

#include <cmath>
#include <cstdlib>

#include "core/Text.h"

namespace {
std::int64_t Trunc(double v) {
    if (!std::isfinite(v)) return 0;
    return static_cast<std::int64_t>(std::trunc(v));
}
}  // namespace

SimTime Clock::SimNow() const {
    return base_ + offset_ + (wall_() - base_) * speed_;
}

void Clock::setTime(SimTime t) {
    if (!std::isfinite(t)) return;
    base_ = wall_();
    offset_ = t - base_;
}

void Clock::setSpeed(int speed) {
    setTime(SimNow());
    speed_ = speed;
}

void Clock::start(double offsetSeconds, int speed) {
    offset_ = static_cast<double>(Trunc(offsetSeconds));
    speed_ = speed;
    base_ = wall_();
}

QString ZoneText(int halfHours, int dstMinutes) {
    const int h = std::abs(halfHours);
    QString text = FormatText("GMT%c%02d:%02d", halfHours < 0 ? '-' : '+', h / 2, (h % 2) ? 30 : 0);
    if (dstMinutes != 0) text += FormatText(" %+d minutes DST", dstMinutes);
    return text;
}

void Observer::SetTimeZone(int halfHours, int minutes) {
    timeZone = halfHours;
    dstMinutes = minutes;
    zoneOffset = halfHours * 1800 + minutes * 60;
    zoneText = ZoneText(halfHours, minutes);
}

int Observer::DstMinutesAt(SimTime ut) const {
    return zone.isValid() ? zone.DaylightMinutes(ut) : dstMinutes;
}

SimTime Observer::LocalToUniversal(SimTime local) const {
    const SimTime standard = local - timeZone * 1800.0;
    if (!zone.isValid()) return standard - dstMinutes * 60.0;
    // The shift depends on the instant sought: guess with the shift at standard time, then
    // take the shift at the guess.
    const SimTime guess = standard - DstMinutesAt(standard) * 60.0;
    return standard - DstMinutesAt(guess) * 60.0;
}

bool Observer::FollowZone(SimTime ut) {
    if (!zone.isValid()) return false;
    const int minutes = zone.DaylightMinutes(ut);
    if (minutes == dstMinutes && zoneOffset == timeZone * 1800 + minutes * 60) return false;
    SetTimeZone(timeZone, minutes);
    return true;
}
