#pragma once

#include <QString>
#include <functional>
#include <vector>

#include "core/CameraState.h"
#include "core/SimTime.h"
#include "scene/Vector.h"

// The map's view: centre (km, ecliptic x and y) and width (km).
struct MapView {
    double x = 0, y = 0, width = 500000000.0;
    friend bool operator==(const MapView&, const MapView&) = default;
};

// A model the user loaded for a body: the file, and the text a saved position records for
// it (a path in double quotes, or the digit that completes "<name><digit>.bmp").
struct UserModelChoice {
    QString body;
    QString file;
    QString text;
};

// The whole viewing state a saved position holds, as plain values: what the writer saves and
// what the reader hands back for the windows to apply.
struct ViewState {
    SimTime ut = 0;              // the last tick time
    scene::Vec3 cameraPosition;  // km, scene axis order
    int simSpeed = 1;
    QString selected;     // the selected body's name; empty when none
    bool lockOn = false;  // "Always Look at" ticked
    CameraMode mode = CameraMode::FreeFlight;
    QString modeBody;
    scene::Vec3 modeOffset;
    double cameraSpeed = 0;                       // km per simulated second
    scene::Vec3 direction{0, 0, 1}, up{0, 1, 0};  // relative to the scene root
    int updateSpeedIndex = 4;                     // "FPS"
    int resolutionIndex = 1;                      // "Res"
    MapView map;
    double zoom = 1.0;
    std::vector<UserModelChoice> userModels;  // in body-list order
};

// Writes the state to a small text file of key=value lines, replacing the file only when
// every line was written; shows the error text and returns false otherwise.
bool SavePosition(const ViewState& state, const QString& path);

// What the reader needs to know beyond the file: the names of the bodies (a line naming an
// unknown body is skipped), and the lengths of the frame-rate and resolution lists (indices
// are held to them).
struct PositionContext {
    std::function<bool(const QString& name)> isBody;
    int updateSpeedCount = 10;
    int resolutionCount = 3;
};

// Reads a saved position over `state`, which holds the current state on entry: keys the
// file leaves out keep it, except that lock-on is cleared and the user models are only
// those the file names. Shows the error text and returns false when the file cannot be
// read. Unknown keys and malformed lines are skipped.
bool RestorePosition(const QString& path, const PositionContext& context, ViewState& state);

// The number at the start of a value: its leading decimal number when it starts with a
// digit, '-' or '.', else 0.
double LeadingNumber(const QString& value);
