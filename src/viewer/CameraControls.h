#pragma once

#include <QString>
#include <functional>

class Body;

// Where the camera can be sent relative to a body, in the order of the Where list.
enum class Where {
    SunnySide = 0,
    DarkSide,
    Above,
    Below,
    AboveAxis,
    BelowAxis,
    Centre,
    HoldPosition
};
constexpr int kWhereCount = 8;

// The choices of the Viewer Controls window that the camera reads: the selected target,
// where to put the camera, the distance, the throttle, lock-on and the zoom slider. The
// window owns it; without the window it simply keeps its defaults.
struct CameraControls {
    static constexpr int kThrottleMin = -500, kThrottleMax = 500;
    static constexpr int kFieldMin = 1, kFieldMax = 102, kFieldDefault = 30;

    bool windowOpen = false;  // pad rotations only apply while the window exists
    Body* target = nullptr;
    Where where = Where::SunnySide;  // the Where list's choice
    bool useRadii = true;            // "radii" checked, else "km"
    QString radiiText = QStringLiteral("10");
    QString kmText = QStringLiteral("20000");
    int throttle = 0;                 // -500..500
    bool lockOn = false;              // "Always Look at"
    int cameraField = kFieldDefault;  // 1..102

    // Told when the camera changes the throttle or the zoom slider itself.
    std::function<void(int)> throttleChanged;
    std::function<void(int)> cameraFieldChanged;
};
