#pragma once

#include <QByteArray>
#include <QString>
#include <functional>
#include <vector>

class SettingsStore;

// One 3D renderer the machine offers.
struct DriverInfo {
    QString description;
    QString name;
    QByteArray identifier;
    bool hardware = false;
};

// The renderers on this machine and the one chosen. OpenGL picks its driver when the first
// context is made, so the choice is settled here, at start-up, before any context exists.
class GraphicsSystem {
  public:
    static constexpr int kMaxDrivers = 20;
    static const QString kSoftwareDescription;
    static const QString kSoftwareName;
    static const QString kHardwareDescription;
    static const QString kHardwareName;

    // What the machine has: whether a GPU's renderer answers (from a probe in a separate
    // process, so that this one can still choose) and whether the software rasteriser exists.
    struct Probe {
        std::function<bool()> hardwareAvailable;
        std::function<bool()> softwareAvailable;
    };
    static Probe SystemProbe();

    // Lists the drivers, reads "3DDevice" and selects one; the media folder is set by the
    // caller. A software choice makes every later OpenGL context use the rasteriser.
    bool CreateMasterObjects(const SettingsStore& settings, const Probe& probe);
    void ReleaseMasterObjects() {}

    const std::vector<DriverInfo>& drivers() const { return drivers_; }
    int selected() const { return selected_; }
    int software() const { return software_; }
    const DriverInfo* selectedDriver() const;
    bool selectedIsHardware() const;
    void selectSoftware();
    // Selects by description, ignoring case; the software description when none matches.
    void Select(const QString& description);
    // The driver chosen for the next start: one picked while this process keeps the driver
    // it started with, else the selected one.
    int nextStart() const { return nextStart_ >= 0 ? nextStart_ : selected_; }
    void setNextStart(int index) { nextStart_ = index == selected_ ? -1 : index; }

  private:
    std::vector<DriverInfo> drivers_;
    int selected_ = -1;
    int software_ = -1;
    int nextStart_ = -1;
};

// Set before the first OpenGL context: make Mesa use its software rasteriser.
void ForceSoftwareRenderer();
// True when an OpenGL renderer string names a software rasteriser.
bool IsSoftwareRendererString(const QString& renderer);
