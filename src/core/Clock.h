#pragma once

#include <QString>
#include <cstdint>
#include <functional>

#include "core/SimTime.h"
#include "core/ZoneRules.h"

// Maps the wall clock to simulated time: sim = base + offset + (wall - base) * speed. Base
// and offset keep their fractions, so that neither setting the time nor changing the speed
// makes simulated time jump (whole seconds would jump by up to a second times the speed).
class Clock {
  public:
    explicit Clock(std::function<SimTime()> wallClock = &NowSimTime)
        : wall_(std::move(wallClock)) {}

    SimTime wallNow() const { return wall_(); }
    SimTime SimNow() const;
    // Rebases so that simulated time is t now.
    void setTime(SimTime t);
    // Changes the speed keeping simulated time continuous.
    void setSpeed(int speed);
    // Start-up: offset from "TimeOffset", speed from "Speed", base the wall clock now.
    void start(double offsetSeconds, int speed);

    int speed() const { return speed_; }
    double base() const { return base_; }
    double offset() const { return offset_; }

  private:
    std::function<SimTime()> wall_;
    double base_ = 0;
    double offset_ = 0;
    int speed_ = 1;
};

// "GMT+hh:mm" for an offset in half hours, with " +n minutes DST" when there is a shift.
QString ZoneText(int halfHours, int dstMinutes);

// Where the observer is and which zone their clock keeps.
struct Observer {
    int timeZone = 0;  // half hours east of UT
    int dstMinutes = 0;
    int zoneOffset = 0;  // seconds
    QString zoneText = QStringLiteral("GMT+00:00");
    QString locationName = QStringLiteral("Manchester");
    double latitude = 53.0;
    double longitude = 0.0;
    // The place's time-zone rules. While they are valid, the daylight-saving shift follows
    // them for the simulated date instead of keeping dstMinutes as set.
    ZoneRules zone;

    // "GMT+hh:mm", with " +n minutes DST" when there is a shift.
    void SetTimeZone(int halfHours, int minutes);

    bool FollowsZone() const { return zone.isValid(); }
    // The shift at the instant ut: the zone's rules, or the fixed dstMinutes without them.
    int DstMinutesAt(SimTime ut) const;
    // Seconds from UT to local time at the instant ut, and the zone text then.
    int ZoneOffsetAt(SimTime ut) const { return timeZone * 1800 + DstMinutesAt(ut) * 60; }
    QString ZoneTextAt(SimTime ut) const { return ZoneText(timeZone, DstMinutesAt(ut)); }
    // The UT of a local time; a local time the spring switch skips reads as the hour after.
    SimTime LocalToUniversal(SimTime local) const;
    // Brings dstMinutes, zoneOffset and zoneText to the zone's rules at ut (nothing without
    // a zone). True when the shift changed.
    bool FollowZone(SimTime ut);
};
