#include "scene/Viewport.h"

namespace scene {

Viewport::Viewport(const std::shared_ptr<ObjectRegistry>& registry, std::shared_ptr<Frame> camera,
                   int width, int height)
    : SceneObject(registry), camera_(std::move(camera)), width_(width), height_(height) {}

void Viewport::setSize(int width, int height) {
    width_ = width;
    height_ = height;
}

bool Viewport::setFront(double front) {
    if (!(front > 0) || !(front < back_)) return false;
    front_ = front;
    return true;
}

bool Viewport::setBack(double back) {
    if (!(back > front_)) return false;
    back_ = back;
    return true;
}

bool Viewport::setField(double field) {
    if (!(field > 0)) return false;
    field_ = field;
    return true;
}

Vec3 Viewport::toCamera(const Vec3& world) const {
    if (!camera_) return world;
    return camera_->worldTransform().inverse().applyPoint(world);
}

double Viewport::projectionScale() const {
    return front_ * (width_ / 2.0) / field_;
}

Vec4 Viewport::transform(const Vec3& world) const {
    const Vec3 c = toCamera(world);
    const double k = projectionScale();
    Vec4 out;
    out.w = c.z;
    out.x = width_ / 2.0 * c.z + c.x * k;
    out.y = height_ / 2.0 * c.z - c.y * k;
    out.z = back_ * (c.z - front_) / (back_ - front_);
    return out;
}

}  // namespace scene
