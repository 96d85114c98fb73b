#pragma once

#include <QString>
#include <vector>

#include "location/LocationEntry.h"

// The places of the chooser, kept sorted by name ignoring case (names that differ only in
// case follow each other in code-point order; equal names keep the order they came in).
class LocationList {
  public:
    LocationList() = default;
    explicit LocationList(std::vector<NamedLocation> places);

    int size() const { return static_cast<int>(places_.size()); }
    const NamedLocation& at(int row) const { return places_[static_cast<std::size_t>(row)]; }
    const std::vector<NamedLocation>& places() const { return places_; }

    // Puts the place where it sorts and returns its row.
    int Insert(NamedLocation place);
    void Remove(int row);
    // The row of the first place with exactly this name (case counts), or -1.
    int FindExact(const QString& name) const;
    // The row of the first place with this name ignoring case, or -1.
    int FindIgnoringCase(const QString& name) const;

    static bool Less(const QString& a, const QString& b);

  private:
    std::vector<NamedLocation> places_;
};
