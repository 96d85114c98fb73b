#pragma once

#include <QString>
#include <array>
#include <functional>
#include <memory>
#include <vector>

#include "core/Body.h"
#include "core/CameraState.h"
#include "core/Clock.h"
#include "core/ElementTable.h"
#include "core/ModelManager.h"
#include "core/SimTime.h"
#include "scene/Scene.h"

class SettingsStore;

// The camera's part of the update step; the viewer's camera logic provides it.
class CameraTicker {
  public:
    virtual ~CameraTicker() = default;
    virtual void CameraTick(SimTime now) = 0;
};

// Windows that take part in the update cycle register here; absent ones are skipped.
struct SimulationHooks {
    std::function<void()> redrawSkyView;
    std::function<void()> redrawMap;
    std::function<void()> clearControlsInfo;
    std::function<void()> refreshCaption;
};

// The bodies as plain pointers over the owning list; a view, valid while the list is
// unchanged. (Written out rather than a std::views::transform, which clang 14 cannot
// compile against GCC 12's library, and the fuzzing build uses clang.)
class BodyList {
  public:
    using Owned = std::vector<std::unique_ptr<Body>>;
    class iterator {
      public:
        using value_type = Body*;
        using difference_type = std::ptrdiff_t;
        iterator() = default;
        explicit iterator(Owned::const_iterator it) : it_(it) {}
        Body* operator*() const { return it_->get(); }
        iterator& operator++() {
            ++it_;
            return *this;
        }
        iterator operator++(int) {
            iterator old = *this;
            ++it_;
            return old;
        }
        friend bool operator==(const iterator&, const iterator&) = default;

      private:
        Owned::const_iterator it_;
    };

    explicit BodyList(const Owned& owned) : owned_(&owned) {}
    iterator begin() const { return iterator(owned_->begin()); }
    iterator end() const { return iterator(owned_->end()); }
    std::size_t size() const { return owned_->size(); }
    bool empty() const { return owned_->empty(); }
    Body* operator[](std::size_t i) const { return (*owned_)[i].get(); }
    Body* back() const { return owned_->back().get(); }

  private:
    const Owned* owned_;
};

// The simulated solar system: the scene, the bodies, the clock, the observer and the
// camera position, with the update step that brings them all to the current time.
class Simulation {
  public:
    static constexpr int kMaxBodies = 100;

    explicit Simulation(SettingsStore& settings, std::function<SimTime()> wallClock = &NowSimTime);
    ~Simulation();
    Simulation(const Simulation&) = delete;
    Simulation& operator=(const Simulation&) = delete;

    SettingsStore& settings() { return settings_; }
    scene::Scene& scene() { return scene_; }
    const scene::Scene& scene() const { return scene_; }
    CameraState& camera() { return camera_; }
    const CameraState& camera() const { return camera_; }
    const ElementEpochs& epochs() const { return epochs_; }
    ElementEpochs& epochs() { return epochs_; }
    SimTime wallNow() const { return clock_.wallNow(); }

    // The body list: the Sun first, then in construction order.
    BodyList bodies() const { return BodyList(bodies_); }
    int bodyCount() const { return static_cast<int>(bodies_.size()); }
    bool AddBody(std::unique_ptr<Body> body);
    // First body whose name matches, ignoring case.
    Body* FindBody(const QString& name) const;
    Body* sun() const { return sun_; }
    Body* earth() const { return planets_[ElementTable::kEarth]; }
    Body* moon() const { return moon_; }
    Body* rings() const { return rings_; }
    Body* planet(int index) const { return planets_[static_cast<std::size_t>(index)]; }

    bool BuildSolarSystem();
    void DestroySolarSystem();
    // Fills the bodies' short texts from an "OVShorts.dat" file; a missing file is skipped.
    void ReadShortTexts(const QString& path);
    const std::shared_ptr<scene::Light>& sunshine() const { return sunshine_; }
    const std::shared_ptr<scene::Light>& ambient() const { return ambient_; }

    // The clock.
    Clock& clock() { return clock_; }
    SimTime SimNow() const { return clock_.SimNow(); }
    // Local time keeps the zone's daylight saving for the simulated date when the observer
    // has a zone, so it is worked out for the instant rather than taken from zoneOffset.
    SimTime LocalNow() const;
    void SetSimTime(SimTime t);
    void SetLocalTime(SimTime t) { SetSimTime(observer_.LocalToUniversal(t)); }
    void SetClockSpeed(int speed);
    int ClockSpeed() const { return clock_.speed(); }
    Observer& observer() { return observer_; }
    const Observer& observer() const { return observer_; }
    void SetTimeZone(int halfHours, int minutes) { observer_.SetTimeZone(halfHours, minutes); }
    // "Manchester   8 Dec 2026,   12:00:00    GMT+00:00"
    QString ClockDisplayText() const;

    // The update step: the camera's tick (which brings every body to the current time), or
    // just the bodies when no camera logic is installed.
    void UpdateSimulation();
    // Brings every body but the Sun to t, in list order.
    void UpdateBodies(SimTime t);
    // Measures the body's distance from the camera and lets it choose its model; returns
    // the distance to its surface in km (0 when the camera is inside it).
    double ChooseModel(Body& body);
    void setCameraTicker(CameraTicker* ticker) { cameraTicker_ = ticker; }
    // The owner of the bodies' models; set before assembly.
    void setModelManager(ModelManager* models) { models_ = models; }
    ModelManager* modelManager() const { return models_; }
    SimulationHooks& hooks() { return hooks_; }
    // What bodies are built in: this scene, placed around the camera's position.
    BodyScene bodyScene() { return {scene_, camera_.position}; }

    // Draws the star field when the scene renders the star frame; set before assembly.
    scene::UserVisual::Callback starFieldCallback;

  private:
    void BuildStarVisual();
    void BuildSun();
    void BuildPlanets();
    void BuildMoons(bool showSmallMoons);
    void BuildSunGlow();
    void BuildLights();
    void ReadObserverAndClock();

    SettingsStore& settings_;
    Clock clock_;
    scene::Scene scene_;
    CameraState camera_;
    ElementEpochs epochs_;
    Observer observer_;
    std::vector<std::unique_ptr<Body>> bodies_;
    Body* sun_ = nullptr;
    Body* moon_ = nullptr;
    Body* rings_ = nullptr;
    std::array<Body*, ElementTable::kPlanetCount> planets_{};
    std::shared_ptr<scene::Light> sunshine_;
    std::shared_ptr<scene::Light> ambient_;
    CameraTicker* cameraTicker_ = nullptr;
    ModelManager* models_ = nullptr;
    SimulationHooks hooks_;
    bool built_ = false;
};
