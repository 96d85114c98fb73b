#pragma once

#include "core/SimTime.h"
#include "sky/SkyProjection.h"

namespace sky {

// The compass buttons' azimuths (the sky view counts from south through east).
enum class Compass { South = 0, East = 90, North = 180, West = 270 };

// Where the sky view looks and how: everything its buttons, keys and mouse change.
class SkyViewState {
  public:
    static constexpr double kButtonStep = 10.0;     // degrees per arrow button or key
    static constexpr double kMouseLookStep = 0.25;  // degrees per pixel of mouse movement
    static constexpr double kZoomStep = 1.25;       // field-of-view factor per wheel notch or key

    double azimuth = 0;    // from south through east; not limited
    double altitude = 30;  // of the view centre above the horizon; above 90 looks back
    double fieldOfView = kDefaultFieldOfView;
    double verticalFieldOfView = kDefaultFieldOfView * 0.75;
    SimTime skyTime = 0;
    bool mouseLook = false;
    int lastMouseX = 0, lastMouseY = 0;

    // The vertical field follows the picture's shape.
    void UpdateVerticalField(int width, int height);
    // The compass buttons: face the direction with the horizon near the lower edge.
    void FaceDirection(Compass direction);
    void FaceZenith();
    // The arrow buttons and keys: left adds to the azimuth, up to the altitude.
    void Turn(double azimuthDelta, double altitudeDelta);
    void StartMouseLook(int x, int y);
    void StopMouseLook() { mouseLook = false; }
    // While mouse-look is on: moving right turns east-about, moving down raises the view.
    void MouseMoved(int x, int y);
    // Zooms by whole steps (positive narrows the field), held to 1..120 degrees.
    void Zoom(double steps);
    void SetFieldOfView(double degrees);
    void ResetFieldOfView() { SetFieldOfView(kDefaultFieldOfView); }
};

}  // namespace sky
