#include "location/CurrentLocation.h"

#include "core/Clock.h"
#include "core/SettingsStore.h"
#include "core/Simulation.h"
#include "core/ZoneRules.h"
#include "location/LocationFile.h"

namespace {
template <typename Key>
void WriteTwoDecimals(SettingsStore& settings, const Key& key, double value) {
    settings.writeText(QString::fromLatin1(key.section), QString::fromLatin1(key.key),
                       QString::asprintf("%.2f", value));
}
}  // namespace

CurrentLocation CurrentLocation::FromObserver(const Observer& observer) {
    CurrentLocation c;
    c.name = observer.locationName;
    c.latitude = observer.latitude;
    c.longitude = observer.longitude;
    c.timeZone = observer.timeZone;
    c.dstMinutes = observer.dstMinutes;
    c.zoneName = observer.zone.isValid() ? observer.zone.name() : QString();
    return c;
}

CurrentLocation CurrentLocation::FromPlace(const NamedLocation& place, int dstMinutes) {
    CurrentLocation c;
    c.name = place.name;
    c.latitude = place.entry.latitude;
    c.longitude = place.entry.longitude;
    c.timeZone = place.entry.timeZone;
    c.dstMinutes = dstMinutes;
    c.zoneName = place.entry.zoneName;
    return c;
}

int CurrentLocation::DstMinutesAt(SimTime ut) const {
    const ZoneRules rules(zoneName);
    return rules.isValid() ? rules.DaylightMinutes(ut) : dstMinutes;
}

bool CurrentLocation::HasZone() const {
    return ZoneRules(zoneName).isValid();
}

void SetCurrentLocation(Simulation& sim, const CurrentLocation& place, SettingsStore* settings) {
    Observer& observer = sim.observer();
    observer.locationName = place.name;
    observer.latitude = place.latitude;
    observer.longitude = place.longitude;
    observer.zone = ZoneRules(place.zoneName);
    const int dst =
        observer.FollowsZone() ? observer.zone.DaylightMinutes(sim.SimNow()) : place.dstMinutes;
    sim.SetTimeZone(place.timeZone, dst);
    if (!settings) return;
    settings->set(settings::Location, place.name);
    WriteTwoDecimals(*settings, settings::Latitude, place.latitude);
    WriteTwoDecimals(*settings, settings::Longitude, place.longitude);
    settings->set(settings::Timezone, place.timeZone);
    settings->set(settings::DST, dst);
    settings->set(settings::TimezoneName, observer.zone.isValid() ? place.zoneName : QString());
}

std::optional<NamedLocation> FindLocation(const QString& name) {
    const auto places = LoadLocations(LocationsPath());
    if (!places) return std::nullopt;
    for (const NamedLocation& place : *places)
        if (place.name.compare(name, Qt::CaseInsensitive) == 0) return place;
    return std::nullopt;
}
