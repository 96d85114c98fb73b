#pragma once

#include <array>
#include <functional>

#include "core/Simulation.h"
#include "viewer/CameraControls.h"

// The observer's camera: moving it next to bodies, pointing it, flying it in simulated time,
// holding it on a body, and the camera half of every update step. The camera frame stays at
// the scene origin; the world is placed around the camera position.
class Camera : public CameraTicker {
  public:
    // Front clipping steps in km, nearest surface first matched from the top.
    static constexpr std::array<int, 12> kClipSteps = {
        15000000, 5000000, 2500000, 1000000, 500000, 250000, 100000, 50000, 10000, 1000, 100, 5};
    static constexpr double kMaxSpeed = 100000.0;

    Camera(Simulation& sim, CameraControls& controls);
    ~Camera() override;

    void MoveCameraTo(Body* body, Where where);
    void LookAtTarget(Body* body);
    void StopCamera();
    // Moves the throttle to the position whose speed is nearest v (km/s).
    void SetCameraSpeed(double v);
    static int NearestThrottle(double v);
    // The '+' and '-' keys: ten per cent faster or slower. Faster starts a stopped camera
    // and never stops a moving one; slower ends at rest and never reverses.
    void Faster();
    void Slower();
    static int FasterThrottle(int position);
    static int SlowerThrottle(int position);
    static double ThrottleToSpeed(int position);
    // Moves the throttle (clamped to its range) and the speed with it.
    void SetThrottle(int position);
    void SetZoom(double z);
    // Sets the zoom from the zoom slider's position.
    void SetCameraField(int position);
    void SetSceneOrigin(double x, double y, double z);
    void CameraTick(SimTime now) override;

    // Turns about the camera's own axes (radians).
    void Yaw(double angle);
    void Pitch(double angle);
    void Roll(double angle);
    // Faces the nearest body, if any.
    void LookAtNearest();
    // The movement pads' turning rates (radians per tick), applied on every update step
    // while the Viewer Controls are open.
    void SetPadRates(float yaw, float pitch, float roll) { state().padRates = {yaw, pitch, roll}; }
    void SetRollRate(float roll) { state().padRates[2] = roll; }
    void StopPadRotation() { SetPadRates(0, 0, 0); }
    scene::Vec3 Forward() const;

    CameraState& state() { return sim_.camera(); }
    CameraControls& controls() { return controls_; }

    // The viewer renders at once after a move; its caption follows the camera's state.
    std::function<void()> renderNow;
    std::function<void()> refreshCaption;

  private:
    void Face(Body& body);
    void PlaceSun();
    double TargetDistance(const Body& body) const;
    void ApplyFrontClip();

    Simulation& sim_;
    CameraControls& controls_;
};

// The front clipping step (km) for a nearest-surface distance.
int FrontClipStep(double nearestKm);
