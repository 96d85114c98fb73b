#pragma once

#include <QPoint>
#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

// A guided tour as data: a title for the Tutorials menu and the steps the narrator takes,
// one per line of a ".tour" file. help/Tours.htm documents the format for users.

// Where on a window or control a point lies, in its own client rectangle.
enum class TourAnchor {
    WindowPoint,  // (0.8 x width, height / 2): where the narrator stands to talk about it
    Centre,       // (width / 2, height / 2)
    Corner,       // (width, height)
    TopLeft,      // (0, 0)
    TopRight,     // (width, 0)
};

// A screen point: an anchor on a named window or control plus an offset in pixels, or the
// point a tour remembered under a name.
struct TourPoint {
    TourAnchor anchor = TourAnchor::WindowPoint;
    QString target;    // "viewer", "controls.moveto", "screen", ...
    QPoint offset;     // added after the anchor
    QString recalled;  // non-empty: the point remembered under this name instead
    bool operator==(const TourPoint&) const = default;
};

// The narrator's animations.
enum class TourAnimation { GestureRight, Hiding };

// What a tour may ask the program to do.
enum class TourAction {
    Restore,             // <window>: out of its minimised state, shown and raised
    Minimise,            // <window>
    Open,                // <window>: as the View menu does (creates Jupiter's moons)
    Close,               // <window>
    Speed,               // <integer>: the simulation speed, as the speed buttons set it
    Target,              // <body>: selects it in the Viewer Controls' target list
    Where,               // <item>: the Viewer Controls' Where list item, by its text
    Radii,               // <distance>: ticks "radii" and types the distance
    CameraFieldDefault,  // the camera's field of view back to its default
    MoveCamera,          // the "Rocket" button
    ViewerBaseInterval,  // the Viewer redraws at its base interval
    RenderViewer,        // the Viewer draws one frame now
    Tab,                 // <page>: shows a page of the Viewer Controls
    MapLabels,           // on|off: the map's "Show Labels" box
    MapPlanetOrbits,     // on|off: the map's "Show planetary orbits" box
    MapZoomToCamera,     // the map's "Camera Position" view
};

enum class TourStepKind {
    Place,    // put the narrator at a point
    Gesture,  // gesture at a point and wait for the gesture to end
    Play,     // play an animation, waiting for it or not
    Speak,    // say a line and wait for it
    Wait,     // wait seconds; a stop request ends the tour meanwhile
    Sleep,    // pause milliseconds; stop requests are seen at the next speak, play or wait
    Do,       // a program action
};

struct TourStep {
    TourStepKind kind = TourStepKind::Place;
    int line = 0;        // in the file, for messages
    TourPoint point;     // Place, Gesture
    QString rememberAs;  // Place: remember the point under this name
    TourAnimation animation = TourAnimation::GestureRight;  // Play
    bool wait = true;                                       // Play
    QString text;          // Speak: the line with its speech tags; Do: the argument
    double seconds = 0;    // Wait
    int milliseconds = 0;  // Sleep
    TourAction action = TourAction::Restore;  // Do
};

struct TourScript {
    QString title;
    QString fileName;  // where it was read from, empty for text
    std::vector<TourStep> steps;
};

// Why a tour file could not be read: "line 12: unknown step 'jump'".
struct TourError {
    int line = 0;
    QString message;
    QString text() const;
};

namespace Tours {

// The window and control names points may use.
const QStringList& PointTargets();
// The windows Restore, Minimise, Open and Close accept.
const QStringList& Windows();
// The Viewer Controls pages Tab accepts.
const QStringList& ControlPages();

QString AnimationName(TourAnimation animation);
QString ActionName(TourAction action);

// Reads a tour from its text; on failure the first error found.
std::optional<TourScript> Parse(const QString& text, TourError* error = nullptr);
// Reads a tour file (UTF-8); a missing or unreadable file is an error on line 0.
std::optional<TourScript> ReadFile(const QString& path, TourError* error = nullptr);

// A tour the Tutorials menu offers.
struct TourEntry {
    QString title;
    QString path;
};
// Every readable "*.tour" file in the folders, each folder in file-name order; a file whose
// name was already found in an earlier folder is left out. Files that cannot be read are listed in
// `problems` ("name: line n: ...").
std::vector<TourEntry> FindTours(const QStringList& folders, QStringList* problems = nullptr);

}  // namespace Tours
