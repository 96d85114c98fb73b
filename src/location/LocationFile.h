#pragma once

#include <QByteArray>
#include <QString>
#include <optional>
#include <vector>

#include "location/LocationEntry.h"

// The file "Locations.dat": one place a line, "\"name\",latitude,longitude,halfHours" with
// two decimals, and optionally ",Zone/Name", the IANA zone of the place's daylight saving.

inline constexpr int kLocationLineBytes = 256;

// One line as the reader takes it (without its line end); nullopt for a line it skips.
std::optional<NamedLocation> ParseLocationLine(const QByteArray& line);
QByteArray FormatLocationLine(const NamedLocation& place);

// The program's own list, read-only once installed.
QString ShippedLocationsPath();
// The user's copy in the per-user data folder; every save goes there.
QString UserLocationsPath();
// The user's copy when it exists, else the shipped list.
QString LocationsPath();

// The places of the file in file order. A missing file gives an empty list. A file that
// exists but cannot be read shows "Could not load locations, because of error: " with the
// system's reason and gives nullopt, so the caller keeps the list it has.
std::optional<std::vector<NamedLocation>> LoadLocations(const QString& path);
// Replaces the file with the places, in order, through a temporary file, so that a failed
// save leaves the previous file whole; the failure shows "Could not save locations, because
// of error: " with the system's reason and gives false.
bool SaveLocations(const QString& path, const std::vector<NamedLocation>& places);
