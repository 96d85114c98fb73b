#pragma once

#include <QString>
#include <array>

#include "scene/Vector.h"

class Body;
class Simulation;

// The parts of the viewing state that windows hold: the selection and lock-on, the speed
// buttons, the frame-rate and resolution lists, the map's view, the calendar, and the camera
// operations that go through the controls.
class PositionWindows {
  public:
    virtual ~PositionWindows() = default;
    virtual QString SelectedName() const = 0;
    virtual bool LockOn() const = 0;
    virtual void SetLockOn(bool on) = 0;
    virtual void SelectTargetByName(const QString& name) = 0;
    virtual void SetSpeedFactor(int factor) = 0;
    virtual int UpdateSpeedIndex() const = 0;
    virtual int UpdateSpeedCount() const = 0;
    virtual void ChooseUpdateSpeed(int index) = 0;
    virtual int ResolutionIndex() const = 0;
    virtual int ResolutionCount() const = 0;
    virtual void ChooseResolution(int index) = 0;
    virtual std::array<double, 3> MapView() const = 0;  // centre x, y and width
    virtual void SetMapView(double x, double y, double width) = 0;
    virtual void SetCameraSpeed(double kmPerSecond) = 0;
    virtual void SetZoom(double zoom) = 0;
    virtual void SetSceneOrigin(const scene::Vec3& km) = 0;
    virtual void RefreshCaption() = 0;
    virtual void SetCalendarDate(int year, int month, int day) = 0;
    // Loads a model from the file for the body at the highest detail; false when it failed.
    virtual bool LoadBodyModel(Body& body, const QString& file) = 0;
};

// Writes the viewing state to a small text file of key=value lines.
bool SavePosition(Simulation& sim, PositionWindows& windows, const QString& path);
// Restores a saved viewing state; unknown keys and malformed lines are skipped.
bool RestorePosition(Simulation& sim, PositionWindows& windows, const QString& path);
// The number at the start of a value: its leading decimal number when it starts with a
// digit, '-' or '.', else 0.
double LeadingNumber(const QString& value);
