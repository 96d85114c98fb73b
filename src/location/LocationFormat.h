#pragma once

#include <QChar>
#include <QString>

// The texts the location dialogs show, and the reading of typed coordinates.

// "GMT-03:30" for -7 half hours, "GMT+00:00" for 0, "GMT+05:30" for 11.
QString FormatTimeZone(int halfHours);
// Zero-padded absolute value with two decimals and the hemisphere: 32.71N, 05.50S; 081.28W.
QString LatitudeLabel(double latitude);
QString LongitudeLabel(double longitude);
// The zone a longitude suggests, in half hours: 2 x trunc(|longitude| / 15), negative west.
int TimeZoneFromLongitude(double longitude);

// A typed coordinate: an optional sign, digits and points, then at most one letter.
struct Coordinate {
    bool valid = false;
    double value = 0;
    QChar letter;  // null when none follows the number
};
Coordinate ParseCoordinate(const QString& text);
