#pragma once

#include <QString>

#include "core/SimTime.h"
#include "location/CurrentLocation.h"
#include "location/LocationList.h"

// What the "Choose Location" dialog holds and decides: the list with its changes, the copy of
// the current location that "Set" changes, and the daylight-saving box. The dialog shows it.
class LocationChooser {
  public:
    // now: the simulated instant, for the daylight saving of places with a zone.
    LocationChooser(const CurrentLocation& current, SimTime now);

    // The list read from the file; clears listModified.
    void SetList(LocationList list);
    const LocationList& list() const { return list_; }
    bool listModified() const { return listModified_; }
    void MarkSaved() { listModified_ = false; }

    // Each returns the row the place now has.
    int Add(const QString& name, const LocationEntry& entry);
    int Edit(int row, const QString& name, const LocationEntry& entry);
    void Delete(int row);

    // "Set": the copy takes the row's place. For a place with a zone the box then shows what
    // the zone's rules say for the simulated date; otherwise the box stays as it is.
    void Set(int row);
    // A click on the daylight-saving box.
    void ClickDaylightSaving(bool ticked);

    const CurrentLocation& current() const { return current_; }
    bool daylightSavingTicked() const { return dstTicked_; }
    bool currentChanged() const { return currentChanged_; }
    // What OK applies: the copy, with 60 minutes when the box is ticked. A place with a zone
    // keeps following its rules unless the box was set against them, which fixes the shift.
    CurrentLocation Applied() const;

    // "Current: Manchester".
    QString CurrentCaption() const;

  private:
    bool RuleSaysDaylightSaving() const;

    LocationList list_;
    CurrentLocation current_;
    SimTime now_;
    bool dstTicked_ = false;
    bool listModified_ = false;
    bool currentChanged_ = false;
};
