#pragma once

#include <QString>
#include <cstdint>
#include <functional>

#include "core/SimTime.h"

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

// Where the observer is and which zone their clock keeps.
struct Observer {
    int timeZone = 0;  // half hours east of UT
    int dstMinutes = 0;
    int zoneOffset = 0;  // seconds
    QString zoneText = QStringLiteral("GMT+00:00");
    QString locationName = QStringLiteral("Manchester");
    double latitude = 53.0;
    double longitude = 0.0;

    // "GMT+hh:mm", with " +n minutes DST" when there is a shift.
    void SetTimeZone(int halfHours, int minutes);
};
