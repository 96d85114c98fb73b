#pragma once

#include <QTimer>
#include <QWidget>
#include <memory>

#include "viewer/Camera.h"
#include "viewer/ViewerInput.h"
#include "viewer/widgets/Joystick.h"
#include "viewer/widgets/ViewportWidget.h"

class QMouseEvent;
class StarFieldView;

// The 3D viewer: the scene seen from the camera, redrawn on a timer, flown with the keys,
// the mouse and a joystick.
class TViewScreen : public QWidget {
    Q_OBJECT
  public:
    // What the Viewer Controls' option boxes say; they keep it up to date.
    struct Options {
        bool allowMouseLook = true;
        bool invertMouse = false;
        bool invertKeyboard = false;
    };

    TViewScreen(Simulation& sim, Camera& camera, StarFieldView& stars,
                const RenderSettings& renderSettings, QWidget* parent = nullptr);
    ~TViewScreen() override;

    // One pass of the render cycle, unless one is running: the update step and a request for a
    // frame. False once rendering has stopped after a failed frame.
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
    // Saves the picture as PNG, JPEG or a bitmap as the name's extension says (a bitmap for any
    // other name), or copies it when the name is empty.
    bool SavePicture(const QString& fileName);
    // "PNG", "JPEG" or "BMP" for a picture file's name; null for another extension.
    static const char* PictureFormat(const QString& fileName);
    void SetPointer(bool shown);
    bool pointerShown() const { return pointerShown_; }
    // Opens or closes the joystick; false (and a line in the log) when none can be opened.
    bool EnableJoystick(bool on);
    void setInvertJoystickThrottle(bool on) { invertThrottle_ = on; }
    bool renderStopped() const { return stopped_; }
    ViewportWidget& viewport() { return *viewport_; }
    QImage Picture();
    bool mouseLook() const { return mouseLook_; }
    // Called when the window gains or loses activation.
    void Activated();
    void Deactivated();

    Options& options() { return options_; }

  signals:
    // F1 in the window.
    void helpRequested(const QString& topic);
    // Keys the window leaves to the program: Esc, F7, F8, F9.
    void functionKeyPressed(int key);

  protected:
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;

  private:
    // After a frame is shown: stops rendering, with a message, when it failed.
    void CheckFrame();
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
    StarFieldView& stars_;
    Options options_;
    ViewportWidget* viewport_;
    QTimer alarm_;
    // Until an update speed is chosen: 125 ms, five and a hundred times that.
    int base_ = 125, slow_ = 5 * 125, slowest_ = 100 * 125;
    bool rendering_ = false;
    bool stopped_ = false;
    bool mouseLook_ = false;
    QPoint lastMouse_;
    ViewerInput::KeyRotation keys_;
    Joystick joystick_;
    int lastStickX_ = 0, lastStickY_ = 0;
    bool invertThrottle_ = true;
    int wheelAngle_ = 0;  // eighths of a degree not yet turned into whole notches
    bool pointerShown_ = false;
    std::shared_ptr<scene::Frame> pointerFrame_;
    std::shared_ptr<scene::Mesh> pointer_;
    std::shared_ptr<scene::Material> pointerMaterial_;
};
