#include "location/LocationChooser.h"

namespace {
constexpr int kDaylightSavingMinutes = 60;
}  // namespace

LocationChooser::LocationChooser(const CurrentLocation& current, SimTime now)
    : current_(current), now_(now) {
    dstTicked_ = current_.DstMinutesAt(now_) != 0;
}

void LocationChooser::SetList(LocationList list) {
    list_ = std::move(list);
    listModified_ = false;
}

int LocationChooser::Add(const QString& name, const LocationEntry& entry) {
    listModified_ = true;
    return list_.Insert({name, entry});
}

int LocationChooser::Edit(int row, const QString& name, const LocationEntry& entry) {
    if (row < 0 || row >= list_.size()) return -1;
    list_.Remove(row);
    listModified_ = true;
    return list_.Insert({name, entry});
}

void LocationChooser::Delete(int row) {
    if (row < 0 || row >= list_.size()) return;
    list_.Remove(row);
    listModified_ = true;
}

void LocationChooser::Set(int row) {
    if (row < 0 || row >= list_.size()) return;
    current_ = CurrentLocation::FromPlace(list_.at(row), current_.dstMinutes);
    if (current_.HasZone()) dstTicked_ = RuleSaysDaylightSaving();
    currentChanged_ = true;
}

void LocationChooser::ClickDaylightSaving(bool ticked) {
    dstTicked_ = ticked;
    currentChanged_ = true;
}

bool LocationChooser::RuleSaysDaylightSaving() const {
    return current_.DstMinutesAt(now_) != 0;
}

CurrentLocation LocationChooser::Applied() const {
    CurrentLocation applied = current_;
    applied.dstMinutes = dstTicked_ ? kDaylightSavingMinutes : 0;
    if (applied.HasZone() && dstTicked_ != RuleSaysDaylightSaving()) applied.zoneName.clear();
    return applied;
}

QString LocationChooser::CurrentCaption() const {
    return QStringLiteral("Current: ") + current_.name;
}
