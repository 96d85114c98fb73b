#pragma once

#include <QString>
#include <array>
#include <cstdint>
#include <memory>
#include <vector>

#include "core/BodyPosition.h"
#include "core/Ecliptic.h"
#include "core/EphemerisModel.h"
#include "core/OrbitalElements.h"
#include "core/SimTime.h"
#include "core/Tweener.h"
#include "scene/Frame.h"
#include "scene/Material.h"
#include "scene/Mesh.h"
#include "scene/Scene.h"

// The model a body shows (see ModelManager): detail level 0 high, 1 low, 2 lowest, 255
// none; texture index 0 (most detailed) to 9, -1 none.
struct BodyModel {
    static constexpr std::uint8_t kNone = 255;
    std::shared_ptr<scene::Mesh> mesh;
    std::uint8_t level = kNone;
    int textureIndex = -1;
    std::int64_t bytes = 0;              // size of the texture file behind it
    std::vector<int> availableTextures;  // indices of "<name><digit>.bmp" in the media folder
    bool scanned = false;                // availableTextures has been read
    bool userModel = false;              // chosen by the user: automatic selection leaves it alone
    QString userModelText;
};

// The kind numbers are those written to the ephemeris output.
enum class BodyKind { Sun = 0, Planet = 1, Moon = 2, Rings = 3, Atmosphere = 4 };
constexpr int KindNumber(BodyKind kind) {
    return static_cast<int>(kind);
}

// What every body's frame lives in: the scene, and the scene origin (the camera's position
// in km, scene axis order) that frames are placed around.
struct BodyScene {
    scene::Scene& scene;
    const scene::Vec3& origin;
};

// A body of the solar system: its orbit, its place in the scene and its spin. The base
// class is the Sun, which never moves.
class Body {
  public:
    Body(const BodyScene& world, const QString& name, std::uint32_t colour, double tilt);
    virtual ~Body();
    Body(const Body&) = delete;
    Body& operator=(const Body&) = delete;

    virtual BodyKind Kind() const { return BodyKind::Sun; }
    // Where the body is at t from its orbit, before placing: heliocentric for a planet,
    // from the parent (in the parent's equatorial axes) for a moon.
    virtual Ecliptic CalculatePosition(SimTime t);
    virtual Ecliptic PositionFromElements(SimTime t, SimTime epoch,
                                          const OrbitalElements& elements);
    virtual void Update(SimTime t) { (void)t; }
    virtual bool IsSolid() const { return true; }
    virtual void AfterModelLoad(scene::Mesh& model, int level) { (void)model, (void)level; }
    virtual void Rotate(SimTime t);
    virtual double OrbitalPeriodDays() const { return 0; }
    virtual double OrbitExtent() const { return largestRadius_; }
    virtual SimTime ElementEpoch() const { return 0; }
    virtual Body* Parent() const { return nullptr; }
    // The theory that places the body from the next update on; a body without a precise
    // theory keeps its elements.
    virtual void SetEphemerisModel(EphemerisModel model) { (void)model; }

    const QString& name() const { return name_; }
    const QString& shortText() const { return shortText_; }
    void setShortText(const QString& text) { shortText_ = text; }
    // The placed position: km from the Sun in scene axis order, mirrored in scene units.
    const BodyPosition& position() const { return position_; }
    scene::Vec3 positionKm() const { return position_.km(); }
    // Where the body is, from the Sun, in ecliptic axes (km).
    Ecliptic heliocentric() const { return ToEcliptic(position_.km()); }
    const std::shared_ptr<scene::Frame>& frame() const { return frame_; }
    const std::shared_ptr<scene::Material>& material() const { return material_; }
    void setMaterial(std::shared_ptr<scene::Material> m) { material_ = std::move(m); }
    double largestRadius() const { return largestRadius_; }
    const std::array<float, 3>& radii() const { return radii_; }
    void setRadii(double x, double y, double z);
    // The construction colour (0x00BBGGRR) with 0xFF on top, one per detail level.
    std::uint32_t colour(int level) const { return colours_[static_cast<std::size_t>(level % 3)]; }
    double axialTilt() const { return axialTilt_; }
    double rotationPeriod() const { return rotationPeriod_; }
    SimTime rotationEpoch() const { return rotationEpoch_; }
    double lastAngle() const { return lastAngle_; }
    const scene::Vec3& right() const { return right_; }
    const scene::Vec3& up() const { return up_; }
    const scene::Vec3& direction() const { return direction_; }
    // One orbit in 360 steps from the wall-clock time at start-up, as CalculatePosition
    // gives it (empty for bodies without an orbit).
    const std::vector<Ecliptic>& orbitPath() const { return orbitPath_; }
    const Tweener& tweener() const { return tweener_; }
    bool trace() const { return trace_; }
    void setTrace(bool on) { trace_ = on; }

    // The model the body shows; the model manager keeps it.
    BodyModel model;

    // Stores the placed position (km from the Sun, scene axis order) and places the frame
    // around the scene origin.
    void SetPlacedPosition(const scene::Vec3& km);
    // Moves the frame to (position - scene origin) in scene units.
    void PlaceFrame();

  protected:
    // Reads the frame's orientation (relative to the scene root) into right, up, direction.
    void ReadOrientation();
    // The Tweener in front of PositionFromElements.
    Ecliptic TweenedPosition(SimTime t, const OrbitalElements& elements, SimTime epoch);
    // The Tweener in front of any position function of time.
    template <typename PositionAt>
    Ecliptic Tweened(SimTime t, PositionAt&& positionAt);
    // The same for a theory that gives the velocity too: the window's far end is carried
    // along it (100 s of the Moon's curvature is 15 m), one evaluation a window instead of two.
    template <typename MotionAt>
    Ecliptic TweenedMotion(SimTime t, MotionAt&& motionAt);
    void FillOrbitPath(SimTime start);
    // Fills the orbit path again from where it started, after the theory has changed.
    void RefillOrbitPath();
    void LogTweener(bool used, SimTime t) const;
    scene::Scene& scene() const { return world_.scene; }

    BodyScene world_;
    std::vector<Ecliptic> orbitPath_;
    SimTime orbitPathStart_ = 0;
    bool trace_ = false;
    QString shortText_;
    std::shared_ptr<scene::Frame> frame_;
    std::shared_ptr<scene::Material> material_;
    QString name_;
    BodyPosition position_;
    Tweener tweener_;
    double largestRadius_ = 1.0;
    std::array<std::uint32_t, 3> colours_{};
    std::array<float, 3> radii_{};
    scene::Vec3 right_{-1, 0, 0}, up_{0, 1, 0}, direction_{0, 0, 1};
    SimTime rotationEpoch_ = 0;
    double angleAtEpoch_ = 0;
    double axialTilt_ = 0;
    double rotationPeriod_ = 86400.0;
    double lastAngle_ = 0;
};

template <typename PositionAt>
Ecliptic Body::Tweened(SimTime t, PositionAt&& positionAt) {
    Ecliptic at;
    if (tweener_.lookup(t, at)) {
        if (trace_) LogTweener(true, t);
        return at;
    }
    at = positionAt(t);
    tweener_.reset(t, at, positionAt(t + Tweener::kWindow));
    if (trace_) LogTweener(false, t);
    return at;
}

template <typename MotionAt>
Ecliptic Body::TweenedMotion(SimTime t, MotionAt&& motionAt) {
    Ecliptic at;
    if (tweener_.lookup(t, at)) {
        if (trace_) LogTweener(true, t);
        return at;
    }
    const auto motion = motionAt(t);
    tweener_.reset(t, motion.position, motion.position + motion.velocity * Tweener::kWindow);
    if (trace_) LogTweener(false, t);
    return motion.position;
}

// Places a body at an offset (km, ecliptic axes) from its parent, turned into the parent's
// equatorial frame and added to the parent's position; without a parent the offset is the
// position.
void PlaceBody(Body& body, const Ecliptic& offset, const Body* parent);
