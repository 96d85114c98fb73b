#pragma once

#include <QString>
#include <cstdint>
#include <map>
#include <memory>
#include <vector>

namespace scene {

class SceneObject;

// Every live scene object by creation order, so that all of them can be listed by name.
class ObjectRegistry {
  public:
    void add(std::uint64_t serial, SceneObject* object) { objects_[serial] = object; }
    void remove(std::uint64_t serial);
    std::vector<const SceneObject*> objects() const;
    std::size_t size() const { return objects_.size(); }

  private:
    std::map<std::uint64_t, SceneObject*> objects_;
};

// Base of every scene object: a name, a class name and a serial number that is never
// reused. Objects are reference counted through shared_ptr.
class SceneObject {
  public:
    explicit SceneObject(const std::shared_ptr<ObjectRegistry>& registry);
    virtual ~SceneObject();
    SceneObject(const SceneObject&) = delete;
    SceneObject& operator=(const SceneObject&) = delete;

    const QString& name() const { return name_; }
    void setName(const QString& name) { name_ = name; }
    virtual const char* className() const = 0;
    std::uint64_t serial() const { return serial_; }

  protected:
    std::weak_ptr<ObjectRegistry> registry_;

  private:
    QString name_;
    std::uint64_t serial_ = 0;
};

// The naming rule of scene objects: prefix and name joined by one blank.
inline QString SceneName(const QString& prefix, const QString& name) {
    return prefix + QLatin1Char(' ') + name;
}

}  // namespace scene
