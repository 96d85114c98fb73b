#pragma once

#include <QTimer>
#include <QWidget>
#include <memory>

#include "viewer/Camera.h"
#include "viewer/ViewerInput.h"
#include "viewer/widgets/Joystick.h"
#include "viewer/widgets/ViewportWidget.h"

class QMouseEvent;
class SettingsStore;
class StarFieldView;
class ViewerHost;

// The 3D viewer: the scene seen from the camera, redrawn on a timer, flown with the keys,
// the mouse and a joystick.
class TViewScreen : public QWidget {
    Q_OBJECT
  public:
    TViewScreen(Simulation& sim, Camera& camera, SettingsStore& settings, StarFieldView& stars,
                const RenderSettings& renderSettings, ViewerHost& host, QWidget* parent = nullptr);
    ~TViewScreen() override;

    // One pass of the render cycle, unless one is running. False when the frame failed.
    bool RenderNow();
    void SetBaseInterval(int ms);
    void UseBaseInterval();
    void UseSlowInterval();
    void UseSlowestInterval();
    // Switched off around modal dialogs, and back on afterwards.
    void PauseTimer() { alarm_.stop(); }
    void ResumeTimer() { alarm_.start(); }
    int baseInterval() const { return base_; }
    int currentInterval() const { return alarm_.interval(); }
    void RefreshCaption();
    // Saves the picture as a bitmap file, or copies it when the name is empty.
    bool SavePicture(const QString& fileName);
    void SetPointer(bool shown);
    bool pointerShown() const { return pointerShown_; }
    void EnableJoystick(bool on);
    void setInvertJoystickThrottle(bool on) { invertThrottle_ = on; }
    bool renderStopped() const { return stopped_; }
    ViewportWidget& viewport() { return *viewport_; }
    QImage Picture();
    bool mouseLook() const { return mouseLook_; }
    // Called when the window gains or loses activation.
    void Activated();
    void Deactivated();

    // Handlers for the Viewer Controls' options.
    std::function<bool()> lockOnTicked;
    std::function<bool()> allowMouseLook;
    std::function<bool()> invertMouse;
    std::function<bool()> invertKeyboard;
    std::function<Body*()> selectedTarget;
    std::function<void()> lookAtTarget;
    std::function<void(int)> setThrottle;  // moves the throttle slider
    std::function<int()> throttle;

  protected:
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;

  private:
    void CharacterKey(QChar c);
    void RotationKey(int key, ViewerInput::Axis axis, int sign);
    void MouseReleased(QMouseEvent* event);
    void MouseMoved(QMouseEvent* event);
    void ReadJoystick();
    void UpdatePointer();
    void Resized();
    void SetMouseLook(bool on, const QPoint& at);

    Simulation& sim_;
    Camera& camera_;
    SettingsStore& settings_;
    StarFieldView& stars_;
    ViewerHost& host_;
    ViewportWidget* viewport_;
    QTimer alarm_;
    int base_ = 125, slow_ = 1000, slowest_ = 25000;
    bool rendering_ = false;
    bool stopped_ = false;
    bool mouseLook_ = false;
    QPoint lastMouse_;
    ViewerInput::KeyRotation keys_;
    Joystick joystick_;
    int lastStickX_ = 0, lastStickY_ = 0;
    bool invertThrottle_ = true;
    bool pointerShown_ = false;
    std::shared_ptr<scene::Frame> pointerFrame_;
    std::shared_ptr<scene::Mesh> pointer_;
    std::shared_ptr<scene::Material> pointerMaterial_;
};
