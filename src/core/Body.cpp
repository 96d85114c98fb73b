#include "core/Body.h"

#include <algorithm>
#include <cmath>

#include "core/Angles.h"
#include "core/Files.h"
#include "core/Kepler.h"
#include "core/Log.h"
#include "core/Prompter.h"
#include "core/Services.h"
#include "core/Simulation.h"

Body::Body(Simulation& sim, const QString& name, std::uint32_t colour, double tilt)
    : sim_(sim), orbitPath_(360), name_(name) {
    colours_.fill(colour | 0xFF000000u);
    frame_ = sim_.scene().createFrame(sim_.scene().root().get());
    frame_->setName(scene::SceneName(QStringLiteral("Frame: "), name));
    axialTilt_ = tilt;
    if (axialTilt_ != 0)
        frame_->addRotation(scene::Combine::Before, {1, 0, 0}, DegToRad(axialTilt_));
    ReadOrientation();
    model.availableTextures =
        FindNumberedFiles(Services::instance().mediaDirectory(), name_, QStringLiteral("bmp"));
}

Body::~Body() {
    Log("Body Killed: %s", qUtf8Printable(name_));
    sim_.UnloadModel(*this);
    if (frame_) frame_->detach();
    frame_.reset();
    material_.reset();
}

void Body::ApplyTexture(const QString& textureFile) {
    if (ModelManager* models = sim_.modelManager()) models->ApplyTexture(*this, textureFile);
}

void Body::CalculatePosition(SimTime, BodyPosition&) {
    AssertReport("false", "Reached Body::CalculatePosition", "Body", 386);
}

void Body::PositionFromElements(SimTime t, SimTime epoch, const OrbitalElements& elements,
                                BodyPosition& out) {
    out.set(KeplerPosition(t, epoch, elements));
}

void Body::setRadii(double x, double y, double z) {
    radii_ = {static_cast<float>(x), static_cast<float>(y), static_cast<float>(z)};
    largestRadius_ = std::max({x, y, z});
}

void Body::ReadOrientation() {
    const scene::Orientation o = frame_->orientation(sim_.scene().root().get());
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

void Body::TweenedPosition(SimTime t, const OrbitalElements& elements, SimTime epoch,
                           BodyPosition& out) {
    scene::Vec3 v;
    if (tweener_.lookup(t, v)) {
        out.set(v);
        if (trace_) LogToFile("%s: Used Tweener", qUtf8Printable(name_));
        return;
    }
    PositionFromElements(t, epoch, elements, out);
    BodyPosition end;
    PositionFromElements(t + Tweener::kWindow, epoch, elements, end);
    tweener_.reset(t, out.km(), end.km());
    if (trace_)
        LogToFile("%s: ResetTweener to %f and %f", qUtf8Printable(name_), t, t + Tweener::kWindow);
}

void Body::FillOrbitPath() {
    const double period = OrbitalPeriodDays();
    const SimTime start = sim_.wallNow();
    const double step = period * 86400.0 / 360.0;
    for (int k = 0; k < 360; ++k)
        CalculatePosition(start + k * step, orbitPath_[static_cast<std::size_t>(k)]);
}

void Body::SetPlacedPosition(const scene::Vec3& km) {
    position_.set(km);
    PlaceFrame();
}

void Body::PlaceFrame() {
    frame_->setPosition(sim_.scene().root().get(),
                        (position_.km() - sim_.camera().position) * kSceneScale);
}

void PlaceBody(Body& body, double x, double y, double z, const Body* parent) {
    scene::Vec3 p{x, y, z};
    if (parent) {
        const scene::Vec3& r = parent->right();
        const scene::Vec3& u = parent->up();
        const scene::Vec3& d = parent->direction();
        p = scene::Vec3{-x * r.x + y * u.x + z * d.x, -x * r.y + y * u.y + z * d.y,
                        -x * r.z + y * u.z + z * d.z} +
            parent->positionKm();
    }
    body.SetPlacedPosition(p);
}
