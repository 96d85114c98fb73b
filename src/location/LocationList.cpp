#include "location/LocationList.h"

#include <algorithm>

LocationList::LocationList(std::vector<NamedLocation> places) : places_(std::move(places)) {
    std::stable_sort(
        places_.begin(), places_.end(),
        [](const NamedLocation& a, const NamedLocation& b) { return Less(a.name, b.name); });
}

bool LocationList::Less(const QString& a, const QString& b) {
    const int folded = a.compare(b, Qt::CaseInsensitive);
    if (folded != 0) return folded < 0;
    return a < b;
}

int LocationList::Insert(NamedLocation place) {
    const auto at = std::upper_bound(
        places_.begin(), places_.end(), place.name,
        [](const QString& name, const NamedLocation& p) { return Less(name, p.name); });
    const auto row = at - places_.begin();
    places_.insert(at, std::move(place));
    return static_cast<int>(row);
}

void LocationList::Remove(int row) {
    if (row < 0 || row >= size()) return;
    places_.erase(places_.begin() + row);
}

int LocationList::FindExact(const QString& name) const {
    for (int row = 0; row < size(); ++row)
        if (at(row).name == name) return row;
    return -1;
}

int LocationList::FindIgnoringCase(const QString& name) const {
    for (int row = 0; row < size(); ++row)
        if (at(row).name.compare(name, Qt::CaseInsensitive) == 0) return row;
    return -1;
}
