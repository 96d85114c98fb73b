#include "scene/Scene.h"

namespace scene {

Scene::Scene(int width, int height) : registry_(std::make_shared<ObjectRegistry>()) {
    root_ = createFrame(nullptr);
    root_->setName(SceneName(QStringLiteral("Frame:"), QStringLiteral("universe")));
    camera_ = createFrame(root_.get());
    camera_->setName(SceneName(QStringLiteral("Frame:"), QStringLiteral("camera")));
    viewport_ = std::make_shared<Viewport>(registry_, camera_, width, height);
    viewport_->setBack(32000000.0);
    viewport_->setFront(1.0);
    viewport_->setField(0.15);
}

Scene::~Scene() = default;

std::shared_ptr<Frame> Scene::createFrame(Frame* parent) {
    auto frame = std::make_shared<Frame>(registry_);
    if (parent) parent->addChild(frame);
    return frame;
}

std::shared_ptr<Mesh> Scene::createMesh() {
    return std::make_shared<Mesh>(registry_);
}

std::shared_ptr<Texture> Scene::createTexture(std::shared_ptr<const Image> image) {
    return std::make_shared<Texture>(registry_, std::move(image));
}

std::shared_ptr<Light> Scene::createLight(LightType type, const Colour3& colour) {
    return std::make_shared<Light>(registry_, type, colour);
}

std::shared_ptr<Material> Scene::createMaterial(double power) {
    return std::make_shared<Material>(registry_, power);
}

std::shared_ptr<UserVisual> Scene::createUserVisual(UserVisual::Callback callback) {
    return std::make_shared<UserVisual>(registry_, std::move(callback));
}

std::shared_ptr<Wrap> Scene::createWrap(const Wrap::Parameters& parameters) {
    return std::make_shared<Wrap>(registry_, parameters);
}

}  // namespace scene
