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

void Observer::SetTimeZone(int halfHours, int minutes) {
    timeZone = halfHours;
    dstMinutes = minutes;
    zoneOffset = halfHours * 1800 + minutes * 60;
    const int h = std::abs(halfHours);
    zoneText = FormatText("GMT%c%02d:%02d", halfHours < 0 ? '-' : '+', h / 2, (h % 2) ? 30 : 0);
    if (minutes != 0) zoneText += FormatText(" %+d minutes DST", minutes);
}
