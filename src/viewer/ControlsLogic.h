#pragma once

#include <QDate>
#include <QString>
#include <array>
#include <optional>

class Body;

// The Viewer Controls' rules, apart from the widgets that show them.
namespace ControlsLogic {

constexpr int kMaxSpeed = 86400;
// The speed buttons' factors, in their order on the page.
constexpr std::array<int, 8> kSpeedButtons = {0, 1, 2, 10, 60, 300, 900, 3600};

int ClampSpeed(long long n);
// The index of the speed button for this factor, or none for "Custom".
std::optional<int> SpeedButtonFor(int factor);
// The custom speed box: a whole number (1 when it is not one), clamped.
int CustomSpeed(const QString& text);

// The pitch-and-yaw pad: rates in radians per tick for a press at (x, y) on a w x h pad.
struct PadRates {
    float yaw = 0, pitch = 0;
};
PadRates StickPad(int x, int y, int width, int height);
// The roll pad: by the colour under the mouse (0x00RRGGBB), the new roll rate, or none to
// keep the current one. Black turns, white and red stop.
std::optional<float> RollPad(int x, int y, int width, int height, unsigned rgb);

// "index" without a body; the body's name ("Sun" as "Sol") and "Frame" for planets and for
// Sol, Moon, Io, Europa, Ganymede and Callisto.
QString EncyclopediaPage(const Body* body);

// A calendar date a year away; 29 February becomes 28 February.
QDate YearStep(const QDate& date, int years);

// "To Mars: 1,234,567 km" and "Nearest: Phobos, 9,376 km", grouped in the locale's way.
QString DistanceText(const QString& name, double km);
QString NearestText(const QString& name, double km);

// The star slider's maximum (tenths of the catalogue's limit) and a stored position within it.
int MagnitudeSliderMaximum(float limitMagnitude);
int MagnitudeSliderPosition(int stored, int maximum);

}  // namespace ControlsLogic
