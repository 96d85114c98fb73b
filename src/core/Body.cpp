#include "core/Body.h"

#include <algorithm>
#include <cmath>

#include "core/Angles.h"
#include "core/Kepler.h"
#include "core/Log.h"
#include "core/Prompter.h"

Body::Body(const BodyScene& world, const QString& name, std::uint32_t colour, double tilt)
    : world_(world), name_(name) {
    colours_.fill(colour | 0xFF000000u);
    frame_ = scene().createFrame(scene().root().get());
    frame_->setName(scene::SceneName(QStringLiteral("Frame: "), name));
    axialTilt_ = tilt;
    if (axialTilt_ != 0)
        frame_->addRotation(scene::Combine::Before, {1, 0, 0}, DegToRad(axialTilt_));
    ReadOrientation();
}

Body::~Body() {
    Log("Body Killed: %s", qUtf8Printable(name_));
    if (frame_) frame_->detach();
    frame_.reset();
    material_.reset();
}

Ecliptic Body::CalculatePosition(SimTime) {
    AssertReport("false", "Reached Body::CalculatePosition", "Body", 386);
    return {};
}

Ecliptic Body::PositionFromElements(SimTime t, SimTime epoch, const OrbitalElements& elements) {
    return KeplerPosition(t, epoch, elements);
}

void Body::setRadii(double x, double y, double z) {
    radii_ = {static_cast<float>(x), static_cast<float>(y), static_cast<float>(z)};
    largestRadius_ = std::max({x, y, z});
}

void Body::ReadOrientation() {
    const scene::Orientation o = frame_->orientation(scene().root().get());
    direction_ = o.direction;
    up_ = o.up;
    right_ = scene::Cross(direction_, up_);
}

void Body::Rotate(SimTime t) {
    if (rotationPeriod_ == 0 || !std::isfinite(t)) return;
    const double f = std::fmod(t - rotationEpoch_, rotationPeriod_) / rotationPeriod_;
    const double angle = f * 2 * kPi + angleAtEpoch_;
    const double delta = angle - lastAngle_;
    if (delta != 0) frame_->addRotation(scene::Combine::Before, {0, 1, 0}, -delta);
    lastAngle_ = angle;
}

Ecliptic Body::TweenedPosition(SimTime t, const OrbitalElements& elements, SimTime epoch) {
    return Tweened(t, [&](SimTime at) { return PositionFromElements(at, epoch, elements); });
}

void Body::LogTweener(bool used, SimTime t) const {
    if (used)
        LogToFile("%s: Used Tweener", qUtf8Printable(name_));
    else
        LogToFile("%s: ResetTweener to %f and %f", qUtf8Printable(name_), t, t + Tweener::kWindow);
}

void Body::FillOrbitPath(SimTime start) {
    constexpr int kSteps = 360;
    const double step = OrbitalPeriodDays() * 86400.0 / kSteps;
    orbitPathStart_ = start;
    orbitPath_.resize(kSteps);
    for (int k = 0; k < kSteps; ++k)
        orbitPath_[static_cast<std::size_t>(k)] = CalculatePosition(start + k * step);
}

void Body::RefillOrbitPath() {
    if (orbitPath_.empty()) return;
    FillOrbitPath(orbitPathStart_);
    // The path's last sample left a window far from now.
    tweener_.clear();
}

void Body::SetPlacedPosition(const scene::Vec3& km) {
    position_.set(km);
    PlaceFrame();
}

void Body::PlaceFrame() {
    frame_->setPosition(scene().root().get(), (position_.km() - world_.origin) * kSceneScale);
}

void PlaceBody(Body& body, const Ecliptic& offset, const Body* parent) {
    const scene::Vec3 local = ToScene(offset);
    if (!parent) {
        body.SetPlacedPosition(local);
        return;
    }
    // The parent's equatorial axes: x to its right (hence the minus), y its spin axis.
    const scene::Vec3& r = parent->right();
    const scene::Vec3& u = parent->up();
    const scene::Vec3& d = parent->direction();
    body.SetPlacedPosition(r * -local.x + u * local.y + d * local.z + parent->positionKm());
}
