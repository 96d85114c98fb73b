#pragma once

#include <QString>
#include <QStringList>

#include "location/LocationEntry.h"

class LocationList;

// What the "Add New Location" / "Edit Location" dialog checks and shows: the fixed time-zone
// list, the notes for each field, and the checks of OK.
class LocationForm {
  public:
    enum class Field { Name, Latitude, Longitude, TimeZone };

    // The 29 items of the time-zone list, "GMT-12:00  (Eniwetok)" first.
    static const QStringList& TimeZoneItems();
    // An item's offset in half hours, read from its text: the two digits from the fifth
    // character are the hours (doubled), one more when the eighth is '3', negative when the
    // fourth is '-'.
    static int HalfHoursOfItem(const QString& item);
    // The first item with that offset, or -1.
    static int ItemOfHalfHours(int halfHours);
    // The note shown while a field is being entered.
    static QString Note(Field field);
    // The item Enter in the longitude box selects when none is selected yet: the one the
    // longitude suggests, or -1 when the text is not a longitude.
    static int SuggestedItem(const QString& longitudeText);

    // What the boxes hold; OK trims the three texts in place.
    QString name;
    QString latitude;
    QString longitude;
    int zoneItem = -1;

    struct Outcome {
        bool ok = false;
        QString caption;  // of the message when not ok
        QString message;
        Field field = Field::Name;  // the field the message is about
        int clashRow = -1;          // the row of the other place with the name
        LocationEntry entry;        // when ok
    };
    // The checks of OK in their order, the first failure giving the message. editing: the
    // dialog edits the entry whose list name is selectedName. entry: the one being edited or
    // added; its other fields are kept.
    Outcome Check(const LocationList& list, bool editing, const QString& selectedName,
                  const LocationEntry& entry);
};
