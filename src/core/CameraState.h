#pragma once

#include <array>

#include "core/SimTime.h"
#include "scene/Vector.h"

class Body;

// Flying freely, or holding position on a body (carried along with it). The numbers are
// those of saved positions' "Mode=" line.
enum class CameraMode { FreeFlight = -1, Holding = 7 };

// The observer in the solar system. The camera frame stays at the scene origin and the world
// is placed around it: every body frame sits at (body position - camera position) x kSceneScale.
struct CameraState {
    scene::Vec3 position;  // km, scene axis order
    double speed = 0;      // km per simulated second along the camera's forward axis
    CameraMode mode = CameraMode::FreeFlight;
    Body* modeBody = nullptr;
    scene::Vec3 modeOffset;  // body position minus camera position when holding began
    SimTime lastTickTime = 0;
    Body* nearestBody = nullptr;
    double nearestDistance = 1e10;  // km to the nearest surface
    double zoom = 1.0;
    std::array<float, 3> padRates{};  // yaw, pitch, roll in radians per tick
    int lastClipStep = -1;
    double lastClipZoom = 0;
};
