#include "scene/SceneObject.h"

#include <atomic>

namespace scene {

void ObjectRegistry::remove(std::uint64_t serial) {
    objects_.erase(serial);
}

std::vector<const SceneObject*> ObjectRegistry::objects() const {
    std::vector<const SceneObject*> out;
    out.reserve(objects_.size());
    for (const auto& [serial, object] : objects_) out.push_back(object);
    return out;
}

SceneObject::SceneObject(const std::shared_ptr<ObjectRegistry>& registry) : registry_(registry) {
    // Serials are unique for the life of the process, so caches keyed by them never alias.
    static std::atomic<std::uint64_t> next{1};
    serial_ = next++;
    if (registry) registry->add(serial_, this);
}

SceneObject::~SceneObject() {
    if (auto registry = registry_.lock()) registry->remove(serial_);
}

}  // namespace scene
