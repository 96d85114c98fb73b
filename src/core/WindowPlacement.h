#pragma once

#include <QString>

class SettingsStore;

// The part of a window that its remembered placement touches; the GUI implements it over
// its widgets. States: 0 normal, 1 minimised, 2 maximised.
class PlacementWindow {
  public:
    virtual ~PlacementWindow() = default;
    virtual int left() const = 0;
    virtual int top() const = 0;
    virtual int width() const = 0;
    virtual int height() const = 0;
    virtual int windowState() const = 0;
    virtual bool isChildWindow() const = 0;
    virtual int screenWidth() const = 0;
    virtual int screenHeight() const = 0;
    virtual void setPlacement(int left, int top, int width, int height) = 0;
    virtual void setWindowState(int state) = 0;
};

// Passed as a default, this means "the window's current value".
constexpr int kCurrentValue = 0x7FFFFFFF;

void SaveWindowPlacement(const PlacementWindow& window, SettingsStore& store,
                         const QString& section, bool withSize);
void RestoreWindowPlacement(PlacementWindow& window, const SettingsStore& store,
                            const QString& section, int left, int top, int width, int height,
                            int state);
