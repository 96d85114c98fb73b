#include "viewer/Camera.h"

#include <algorithm>
#include <cmath>

#include "core/Body.h"
#include "core/Numbers.h"

Camera::Camera(Simulation& sim, CameraControls& controls) : sim_(sim), controls_(controls) {
    sim_.setCameraTicker(this);
}

Camera::~Camera() {
    sim_.setCameraTicker(nullptr);
}

void Camera::PlaceSun() {
    if (Body* sun = sim_.sun()) sun->PlaceFrame();
}

void Camera::Face(Body& body) {
    sim_.scene().camera()->lookAt(*body.frame(), scene::LookAtConstraint::NoRoll);
}

double Camera::TargetDistance(const Body& body) const {
    if (controls_.useRadii) return ConvertToDouble(controls_.radiiText, 0) * body.largestRadius();
    return ConvertToDouble(controls_.kmText, 0);
}

void Camera::MoveCameraTo(Body* body, Where where) {
    if (!body) return;
    StopCamera();
    const double d = TargetDistance(*body);
    const scene::Vec3 b = body->positionKm();
    const bool isSun = body == sim_.sun();
    const double D = scene::Length(b);
    CameraState& cam = state();
    scene::Vec3 p = b;
    switch (where) {
        case Where::SunnySide:
            p = isSun || D == 0 ? scene::Vec3{d, 0, 0} : b * (1 - d / D);
            break;
        case Where::DarkSide:
            p = isSun || D == 0 ? scene::Vec3{-d, 0, 0} : b * (1 + d / D);
            break;
        case Where::Above:
            p = b + scene::Vec3{0, d, 0};
            break;
        case Where::Below:
            p = b - scene::Vec3{0, d, 0};
            break;
        case Where::AboveAxis:
            p = b + body->up() * d;
            break;
        case Where::BelowAxis:
            p = b - body->up() * d;
            break;
        case Where::Centre:
            p = b;
            break;
        case Where::HoldPosition:
            cam.modeBody = body;
            cam.modeOffset = b - cam.position;
            cam.mode = CameraMode::Holding;
            if (refreshCaption) refreshCaption();
            return;
    }
    cam.position = p;
    PlaceSun();
    sim_.UpdateSimulation();
    Face(*body);
    if (renderNow) renderNow();
    if (refreshCaption) refreshCaption();
}

void Camera::LookAtTarget(Body* body) {
    if (!body) return;
    StopPadRotation();
    Face(*body);
}

void Camera::LookAtNearest() {
    if (Body* nearest = state().nearestBody) Face(*nearest);
}

void Camera::StopCamera() {
    StopPadRotation();
    SetThrottle(0);
    state().mode = CameraMode::FreeFlight;
    if (refreshCaption) refreshCaption();
}

double Camera::ThrottleToSpeed(int p) {
    if (p == 0) return 0;
    const double v = std::pow(10.0, std::abs(p) / 100.0);
    return p < 0 ? -v : v;
}

void Camera::SetThrottle(int position) {
    controls_.throttle =
        std::clamp(position, CameraControls::kThrottleMin, CameraControls::kThrottleMax);
    state().speed = ThrottleToSpeed(controls_.throttle);
    if (controls_.throttleChanged) controls_.throttleChanged(controls_.throttle);
}

int Camera::NearestThrottle(double v) {
    if (!std::isfinite(v) || v == 0) return 0;
    const double a = std::min(std::fabs(v), kMaxSpeed);
    // The speeds of the positions grow by a factor of 10^0.01; of the two around |v| (or zero
    // below the first) the nearer one wins, so a speed read back from a file lands on the
    // position it was written from.
    const int below =
        std::clamp(int(std::floor(100 * std::log10(a))), 0, CameraControls::kThrottleMax);
    const int above = std::min(below + 1, CameraControls::kThrottleMax);
    const int position =
        std::fabs(ThrottleToSpeed(above) - a) < std::fabs(ThrottleToSpeed(below) - a) ? above
                                                                                      : below;
    return v < 0 ? -position : position;
}

void Camera::SetCameraSpeed(double v) {
    SetThrottle(NearestThrottle(v));
}

int Camera::FasterThrottle(int position) {
    // Ten per cent more speed, and at least one step more: rounding must not swallow it.
    if (position == 0) return 1;
    const int next = NearestThrottle(ThrottleToSpeed(position) * 1.1);
    const int step = position > 0 ? 1 : -1;
    const int at_least = position + step;
    const int p = position > 0 ? std::max(next, at_least) : std::min(next, at_least);
    return std::clamp(p, CameraControls::kThrottleMin, CameraControls::kThrottleMax);
}

int Camera::SlowerThrottle(int position) {
    // Ten per cent less, at least one step towards zero, never past it.
    if (position == 0) return 0;
    const int next = NearestThrottle(ThrottleToSpeed(position) * 0.9);
    return position > 0 ? std::clamp(next, 0, position - 1) : std::clamp(next, position + 1, 0);
}

void Camera::Faster() {
    SetThrottle(FasterThrottle(controls_.throttle));
}

void Camera::Slower() {
    SetThrottle(SlowerThrottle(controls_.throttle));
}

void Camera::SetCameraField(int position) {
    controls_.cameraField =
        std::clamp(position, CameraControls::kFieldMin, CameraControls::kFieldMax);
    state().zoom = 30.0 / controls_.cameraField;
    if (controls_.cameraFieldChanged) controls_.cameraFieldChanged(controls_.cameraField);
}

void Camera::SetZoom(double z) {
    if (!std::isfinite(z)) return;
    const double position = std::trunc(30.0 / std::max(z, 0.00001));
    SetCameraField(static_cast<int>(std::min(position, double(CameraControls::kFieldMax))));
}

void Camera::SetSceneOrigin(double x, double y, double z) {
    state().position = {x, y, z};
    PlaceSun();
    sim_.UpdateSimulation();
}

scene::Vec3 Camera::Forward() const {
    return sim_.scene().camera()->orientation(sim_.scene().root().get()).direction;
}

void Camera::Yaw(double angle) {
    sim_.scene().camera()->addRotation(scene::Combine::Before, {0, 1, 0}, angle);
}
void Camera::Pitch(double angle) {
    sim_.scene().camera()->addRotation(scene::Combine::Before, {1, 0, 0}, angle);
}
void Camera::Roll(double angle) {
    sim_.scene().camera()->addRotation(scene::Combine::Before, {0, 0, 1}, angle);
}

namespace {
void UpdateWithParents(Body& body, SimTime now) {
    if (Body* parent = body.Parent()) UpdateWithParents(*parent, now);
    if (body.Kind() != BodyKind::Sun) body.Update(now);
}
}  // namespace

int FrontClipStep(double n) {
    if (n > 30000000) return 30000000;
    if (!(n > 5)) return 5;
    int step = static_cast<int>(std::trunc(n));
    for (int s : Camera::kClipSteps) {
        if (s < step) return s;
    }
    return step;
}

void Camera::ApplyFrontClip() {
    CameraState& cam = state();
    const int step = FrontClipStep(cam.nearestDistance);
    if (step == cam.lastClipStep && cam.zoom == cam.lastClipZoom) return;
    const double front = step * 0.9 * kSceneScale;
    scene::Viewport& viewport = sim_.scene().viewport();
    viewport.setFront(front);
    viewport.setField(0.15 * front / cam.zoom);
    cam.lastClipStep = step;
    cam.lastClipZoom = cam.zoom;
}

void Camera::CameraTick(SimTime now) {
    CameraState& cam = state();
    const double dt = now - cam.lastTickTime;
    if (dt > 0 && cam.mode == CameraMode::FreeFlight && cam.speed != 0) {
        cam.position += Forward() * (dt * cam.speed);
        PlaceSun();
    }
    if (controls_.windowOpen) {
        if (cam.padRates[0] != 0) Yaw(cam.padRates[0]);
        if (cam.padRates[1] != 0) Pitch(cam.padRates[1]);
        if (cam.padRates[2] != 0) Roll(cam.padRates[2]);
    }
    if (cam.mode == CameraMode::Holding && cam.modeBody) {
        // A moon is placed relative to its planet, so the planet comes to `now` first;
        // otherwise a held camera would trail the moon by the planet's motion in one step.
        UpdateWithParents(*cam.modeBody, now);
        cam.position = cam.modeBody->positionKm() - cam.modeOffset;
        PlaceSun();
    }
    ApplyFrontClip();  // a new zoom reaches the field before the models are chosen by it
    cam.nearestDistance = 1e10;
    cam.nearestBody = nullptr;
    sim_.UpdateBodies(now);
    for (Body* body : sim_.bodies()) {
        const double s = sim_.ChooseModel(*body);
        if (body->Kind() != BodyKind::Atmosphere && s > 0 && s < cam.nearestDistance) {
            cam.nearestDistance = s;
            cam.nearestBody = body;
        }
    }
    if (controls_.lockOn && controls_.target) Face(*controls_.target);
    ApplyFrontClip();
    cam.lastTickTime = now;
}
