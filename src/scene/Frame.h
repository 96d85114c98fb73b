#pragma once

#include <memory>
#include <vector>

#include "scene/Light.h"
#include "scene/SceneObject.h"
#include "scene/Vector.h"
#include "scene/Visual.h"

namespace scene {

// How a new rotation meets the frame's current one. Before applies it first, in the
// frame's own axes (new = rotation x old); After applies it in the parent's axes.
enum class Combine { Replace, Before, After };

// NoRoll turns only about the frame's x and y axes: the new up is the old up made
// perpendicular to the new forward. Free takes the smallest turn from the old forward to
// the new one.
enum class LookAtConstraint { NoRoll = 0, Free = -1 };

struct Orientation {
    Vec3 direction{0, 0, 1};
    Vec3 up{0, 1, 0};
};

// A node of the scene tree with a position and orientation relative to its parent,
// holding visuals, lights and child frames. Row-vector algebra in left-handed axes: a
// point in the frame's axes times the frame's transform gives it in the parent's axes.
// A null reference frame means the parent.
class Frame : public SceneObject, public std::enable_shared_from_this<Frame> {
  public:
    explicit Frame(const std::shared_ptr<ObjectRegistry>& registry) : SceneObject(registry) {}
    ~Frame() override;
    const char* className() const override { return "Frame"; }

    Frame* parent() const { return parent_; }
    const std::vector<std::shared_ptr<Frame>>& children() const { return children_; }
    // Moves the child under this frame, keeping its transform relative to its parent.
    void addChild(const std::shared_ptr<Frame>& child);
    bool deleteChild(const Frame* child);
    // Removes this frame from its parent.
    void detach();

    const Transform& localTransform() const { return local_; }
    Transform worldTransform() const;

    void setPosition(const Frame* reference, const Vec3& position);
    Vec3 position(const Frame* reference) const;
    void setOrientation(const Frame* reference, const Vec3& direction, const Vec3& up);
    Orientation orientation(const Frame* reference) const;
    void addRotation(Combine combine, const Vec3& axis, double theta);
    // False when the target sits at this frame's origin (no direction to turn to).
    bool lookAt(const Frame& target, LookAtConstraint constraint);

    void addVisual(const std::shared_ptr<Visual>& visual);
    bool deleteVisual(const Visual* visual);
    const std::vector<std::shared_ptr<Visual>>& visuals() const { return visuals_; }

    void addLight(const std::shared_ptr<Light>& light);
    bool deleteLight(const Light* light);
    const std::vector<std::shared_ptr<Light>>& lights() const { return lights_; }

  private:
    Transform referenceTransform(const Frame* reference) const;
    Transform parentWorld() const;
    void setWorldRotation(const Mat3& world);

    Frame* parent_ = nullptr;
    std::vector<std::shared_ptr<Frame>> children_;
    std::vector<std::shared_ptr<Visual>> visuals_;
    std::vector<std::shared_ptr<Light>> lights_;
    Transform local_;
};

// Rows right, up, forward from a forward and an up that need not be perpendicular. A zero
// forward, or an up along it, keeps the given fallback.
Mat3 OrientationMatrix(const Vec3& direction, const Vec3& up, const Mat3& fallback);

}  // namespace scene
