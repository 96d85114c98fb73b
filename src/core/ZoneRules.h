#pragma once

#include <QString>
#include <QTimeZone>
#include <climits>

#include "core/SimTime.h"

// The daylight-saving rules of one IANA time zone ("Europe/London"), read through QTimeZone
// from the system's time-zone data.
class ZoneRules {
  public:
    ZoneRules() = default;
    // An empty or unknown name gives rules that are not valid.
    explicit ZoneRules(const QString& ianaName);

    bool isValid() const { return zone_.isValid(); }
    const QString& name() const { return name_; }

    // The shift of the zone's clocks at the instant ut, in minutes, counted from the zone's
    // winter time: 0 in winter and 60 in summer for London, and for Dublin too, although
    // the zone data counts Irish winter time as a negative shift from summer time. 0 when
    // the rules are not valid.
    int DaylightMinutes(SimTime ut) const;

  private:
    int WinterShiftSeconds(int year) const;

    QString name_;
    QTimeZone zone_;
    // The winter shift of the last year asked about; simulated time moves slowly through years.
    mutable int cachedYear_ = INT_MIN;
    mutable int cachedWinterShift_ = 0;
};

// The instant of a simulated time as a QDateTime in UTC (the calendars agree over 1901-2099).
QDateTime SimTimeToDateTime(SimTime t);
