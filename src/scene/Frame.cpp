#include "scene/Frame.h"

#include <algorithm>

namespace scene {

namespace {

// Keeps a rotation orthonormal after many small increments.
Mat3 Orthonormalised(const Mat3& m) {
    const Vec3 z = Normalised(m.r[2]);
    const Vec3 y = Normalised(m.r[1] - z * Dot(m.r[1], z));
    return Mat3::FromAxes(Cross(y, z), y, z);
}

template <typename T>
bool EraseShared(std::vector<std::shared_ptr<T>>& list, const T* item) {
    const auto it =
        std::find_if(list.begin(), list.end(), [&](const auto& p) { return p.get() == item; });
    if (it == list.end()) return false;
    list.erase(it);
    return true;
}

}  // namespace

Mat3 OrientationMatrix(const Vec3& direction, const Vec3& up, const Mat3& fallback) {
    const Vec3 z = Normalised(direction);
    if (Length(z) == 0) return fallback;
    Vec3 y = up - z * Dot(up, z);
    if (Length(y) < 1e-12 * std::max(1.0, Length(up))) return fallback;
    y = Normalised(y);
    return Mat3::FromAxes(Cross(y, z), y, z);
}

Frame::~Frame() {
    for (auto& child : children_) child->parent_ = nullptr;
}

void Frame::addChild(const std::shared_ptr<Frame>& child) {
    if (!child || child.get() == this) return;
    for (const Frame* f = this; f; f = f->parent_)
        if (f == child.get()) return;  // would make a cycle
    std::shared_ptr<Frame> keep = child;
    if (child->parent_) child->parent_->deleteChild(child.get());
    child->parent_ = this;
    children_.push_back(keep);
}

bool Frame::deleteChild(const Frame* child) {
    const auto it = std::find_if(children_.begin(), children_.end(),
                                 [&](const auto& p) { return p.get() == child; });
    if (it == children_.end()) return false;
    (*it)->parent_ = nullptr;
    children_.erase(it);
    return true;
}

void Frame::detach() {
    if (parent_) parent_->deleteChild(this);
}

Transform Frame::worldTransform() const {
    Transform t = local_;
    for (const Frame* p = parent_; p; p = p->parent_) t = t.then(p->local_);
    return t;
}

Transform Frame::parentWorld() const {
    return parent_ ? parent_->worldTransform() : Transform{};
}

Transform Frame::referenceTransform(const Frame* reference) const {
    return reference ? reference->worldTransform() : parentWorld();
}

void Frame::setPosition(const Frame* reference, const Vec3& position) {
    const Vec3 world = referenceTransform(reference).applyPoint(position);
    local_.translation = parentWorld().inverse().applyPoint(world);
}

Vec3 Frame::position(const Frame* reference) const {
    const Vec3 world = parentWorld().applyPoint(local_.translation);
    return referenceTransform(reference).inverse().applyPoint(world);
}

void Frame::setWorldRotation(const Mat3& world) {
    local_.rotation = world * parentWorld().rotation.transposed();
}

void Frame::setOrientation(const Frame* reference, const Vec3& direction, const Vec3& up) {
    const Mat3 ref = referenceTransform(reference).rotation;
    const Mat3 world = worldTransform().rotation;
    setWorldRotation(OrientationMatrix(ref.apply(direction), ref.apply(up), world));
}

Orientation Frame::orientation(const Frame* reference) const {
    const Mat3 world = worldTransform().rotation;
    const Mat3 toRef = referenceTransform(reference).rotation.transposed();
    return {toRef.apply(world.r[2]), toRef.apply(world.r[1])};
}

void Frame::addRotation(Combine combine, const Vec3& axis, double theta) {
    if (Length(axis) == 0) return;
    const Mat3 r = Mat3::Rotation(axis, theta);
    switch (combine) {
        case Combine::Replace:
            local_.rotation = r;
            break;
        case Combine::Before:
            local_.rotation = Orthonormalised(r * local_.rotation);
            break;
        case Combine::After:
            local_.rotation = Orthonormalised(local_.rotation * r);
            break;
    }
}

bool Frame::lookAt(const Frame& target, LookAtConstraint constraint) {
    const Transform world = worldTransform();
    const Vec3 forward = Normalised(target.worldTransform().translation - world.translation);
    if (Length(forward) == 0) return false;
    const Mat3& r = world.rotation;
    Mat3 turned;
    if (constraint == LookAtConstraint::NoRoll) {
        // If the old up lies along the new forward, the old forward serves as up.
        turned = OrientationMatrix(forward, r.r[1], OrientationMatrix(forward, r.r[2], r));
    } else {
        const Vec3 axis = Cross(r.r[2], forward);
        const double angle = std::atan2(Length(axis), Dot(r.r[2], forward));
        if (Length(axis) > 1e-12)
            turned = Orthonormalised(r * Mat3::Rotation(axis, angle));
        else if (angle > 1.0)  // facing straight away: half a turn about up
            turned = Orthonormalised(r * Mat3::Rotation(r.r[1], angle));
        else
            turned = r;
    }
    setWorldRotation(turned);
    return true;
}

void Frame::addVisual(const std::shared_ptr<Visual>& visual) {
    if (visual &&
        std::none_of(visuals_.begin(), visuals_.end(), [&](const auto& v) { return v == visual; }))
        visuals_.push_back(visual);
}

bool Frame::deleteVisual(const Visual* visual) {
    return EraseShared(visuals_, visual);
}

void Frame::addLight(const std::shared_ptr<Light>& light) {
    if (light &&
        std::none_of(lights_.begin(), lights_.end(), [&](const auto& l) { return l == light; }))
        lights_.push_back(light);
}

bool Frame::deleteLight(const Light* light) {
    return EraseShared(lights_, light);
}

}  // namespace scene
