#pragma once

#include <QString>
#include <array>

// The viewer's keyboard, mouse and joystick rules, apart from the widgets that feed them.
namespace ViewerInput {

constexpr float kKeyStep = 0.0013633f;  // radians for the first press of a rotation key
constexpr float kKeyGrowth = 1.2f;      // each auto-repeat turns 1.2 times further
constexpr float kKeyLimit = 0.08f;      // ... up to just under this

// A digit key ('0' counts as 10): n throttle steps away from zero in the direction of its
// sign (upwards from 0); with Shift, n steps towards zero (crossing it when closer than n).
int ThrottleAfterDigit(int position, int digit, bool shift);

enum class Axis { Yaw = 0, Pitch = 1, Roll = 2 };

struct Turn {
    float yaw = 0, pitch = 0, roll = 0;
    bool any() const { return yaw != 0 || pitch != 0 || roll != 0; }
};

// The auto-repeat of the rotation keys: a held key turns further on every repeat.
class KeyRotation {
  public:
    // The turn for a key-down of a rotation key (sign +1 or -1 on its axis). Pitch comes
    // back negated when invertY is set.
    Turn press(int key, Axis axis, int sign, bool invertY);
    // Any key-up: the next press starts afresh; yaw and pitch rates are forgotten.
    void release();
    const std::array<float, 3>& rates() const { return rates_; }

  private:
    std::array<float, 3> rates_{};
    int lastKey_ = 0;
};

// The zoom slider's position after turning the mouse wheel by whole notches (positive away
// from the user: zoom in). Each notch changes the magnification by about 15 per cent, and at
// least one step of the slider.
int FieldAfterWheel(int position, int notches);

// Mouse-look: 720 pixels turn the camera half a turn.
Turn MouseLook(int referenceX, int referenceY, int x, int y, bool invertY);

// The joystick's extra dead band: sign(v) x (|v| - 100), 0 inside it.
int StickAxis(int value);
// The throttle from the joystick's Z axis (-600..600), negated when inverted.
int JoystickThrottle(int z, bool invert);

// The caption text of the viewer: holding, looking and the speed note.
struct Caption {
    QString hint;     // the text after "Viewer  - "
    QString caption;  // the whole window caption
};
Caption BuildCaption(const QString& heldBody, bool lockOn, const QString& target, bool targetIsHeld,
                     int speed);

}  // namespace ViewerInput
