#pragma once

#include <QString>

// One place of the locations list.
struct LocationEntry {
    // The time zone of an entry that is being created and is not yet in the list.
    static constexpr int kNewEntry = -1000;

    float latitude = 0;        // degrees, north positive
    float longitude = 0;       // degrees, east positive
    int timeZone = kNewEntry;  // half hours east of Greenwich (+11 is five and a half hours)
    // The IANA zone whose rules give the place's daylight saving; empty when it has none.
    QString zoneName;

    bool isNew() const { return timeZone == kNewEntry; }
};

// A list item: the place's name with its entry.
struct NamedLocation {
    QString name;
    LocationEntry entry;
};
