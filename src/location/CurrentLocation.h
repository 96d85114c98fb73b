#pragma once

#include <QString>
#include <optional>

#include "core/SimTime.h"
#include "location/LocationEntry.h"

struct Observer;
class Simulation;
class SettingsStore;

// The place the observer stands at, as the chooser edits it and the clock uses it.
struct CurrentLocation {
    QString name = QStringLiteral("Manchester");
    double latitude = 53.0;
    double longitude = 0.0;
    int timeZone = 0;    // half hours
    int dstMinutes = 0;  // the fixed shift, used when the place has no zone
    QString zoneName;    // IANA zone whose rules give the shift; empty when none

    static CurrentLocation FromObserver(const Observer& observer);
    // The list entry's place, keeping the given fixed shift.
    static CurrentLocation FromPlace(const NamedLocation& place, int dstMinutes);

    // The shift at the instant ut: the zone's rules, or the fixed shift without a zone.
    int DstMinutesAt(SimTime ut) const;
    bool HasZone() const;
};

// Hands the place to the clock: name and coordinates, the time zone and the daylight-saving
// shift (the zone's rules for the simulated date when it has a zone, else dstMinutes). With
// settings, stores it there too (the keys Location, Latitude, Longitude, Timezone, DST and
// TimezoneName of "Simulation"); without, it holds for this run only.
void SetCurrentLocation(Simulation& sim, const CurrentLocation& place, SettingsStore* settings);

// The place of the locations list (the user's copy, else the shipped one) whose name matches,
// ignoring case; nullopt when there is none.
std::optional<NamedLocation> FindLocation(const QString& name);
