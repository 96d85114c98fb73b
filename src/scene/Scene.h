#pragma once

#include <functional>
#include <memory>
#include <vector>

#include "scene/Frame.h"
#include "scene/Image.h"
#include "scene/Light.h"
#include "scene/Material.h"
#include "scene/Mesh.h"
#include "scene/SceneObject.h"
#include "scene/Texture.h"
#include "scene/UserVisual.h"
#include "scene/Viewport.h"
#include "scene/Wrap.h"

namespace scene {

// The scene graph: the root frame "universe", the camera frame under it, the viewport that
// renders from the camera, and the factory of every other scene object. Every object it
// makes stays listed (by creation order) while it lives.
class Scene {
  public:
    Scene(int width = 640, int height = 480);
    ~Scene();
    Scene(const Scene&) = delete;
    Scene& operator=(const Scene&) = delete;

    const std::shared_ptr<Frame>& root() const { return root_; }
    const std::shared_ptr<Frame>& camera() const { return camera_; }
    Viewport& viewport() { return *viewport_; }
    const Viewport& viewport() const { return *viewport_; }

    // A new frame under parent (none: a free frame with no parent).
    std::shared_ptr<Frame> createFrame(Frame* parent);
    std::shared_ptr<Mesh> createMesh();
    std::shared_ptr<Texture> createTexture(std::shared_ptr<const Image> image);
    std::shared_ptr<Light> createLight(LightType type, const Colour3& colour);
    std::shared_ptr<Material> createMaterial(double power);
    std::shared_ptr<UserVisual> createUserVisual(UserVisual::Callback callback);
    std::shared_ptr<Wrap> createWrap(const Wrap::Parameters& parameters);

    const std::shared_ptr<ObjectRegistry>& registry() const { return registry_; }
    std::vector<const SceneObject*> objects() const { return registry_->objects(); }

  private:
    std::shared_ptr<ObjectRegistry> registry_;
    std::shared_ptr<Frame> root_;
    std::shared_ptr<Frame> camera_;
    std::shared_ptr<Viewport> viewport_;
};

}  // namespace scene
