#include "viewer/ViewerInput.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "core/Angles.h"
#include "core/Text.h"
#include "viewer/CameraControls.h"

namespace ViewerInput {

int ThrottleAfterDigit(int position, int digit, bool shift) {
    const int n = digit == 0 ? 10 : digit;
    int p;
    if (!shift)
        p = position >= 0 ? position + n : position - n;
    else
        p = position > 0 ? position - n : position + n;  // from 0 Shift goes backwards
    if (shift && position == 0) p = -n;
    return std::clamp(p, -500, 500);
}

int FieldAfterWheel(int position, int notches) {
    // The magnification is 30 / position, so zooming in divides the position.
    constexpr double kNotch = 1.15;
    const int lowest = CameraControls::kFieldMin, highest = CameraControls::kFieldMax;
    int p = std::clamp(position, lowest, highest);
    for (int i = 0; i < std::abs(notches) && p >= lowest && p <= highest; ++i) {
        if (notches > 0)
            p = std::min(p - 1, int(std::lround(p / kNotch)));
        else
            p = std::max(p + 1, int(std::lround(p * kNotch)));
    }
    return std::clamp(p, lowest, highest);
}

Turn KeyRotation::press(int key, Axis axis, int sign, bool invertY) {
    std::array<float, 3> angles{};
    if (key == lastKey_) {
        angles = rates_;
    } else {
        rates_ = {0, 0, 0};
        angles[std::size_t(axis)] = sign * kKeyStep;
    }
    Turn turn{angles[0], invertY ? -angles[1] : angles[1], angles[2]};
    if (!turn.any()) return turn;
    for (std::size_t i = 0; i < 3; ++i) {
        const float grown = angles[i] * kKeyGrowth;
        if (std::fabs(grown) < kKeyLimit) rates_[i] = grown;
    }
    lastKey_ = key;
    return turn;
}

void KeyRotation::release() {
    lastKey_ = 0;
    rates_[0] = rates_[1] = 0;
}

Turn MouseLook(int referenceX, int referenceY, int x, int y, bool invertY) {
    Turn t;
    t.yaw = float((referenceX - x) / 720.0 * kPi);
    t.pitch = float((invertY ? 1 : -1) * (y - referenceY) / 720.0 * kPi);
    return t;
}

int StickAxis(int v) {
    if (std::abs(v) < 100) return 0;
    return v > 0 ? v - 100 : v + 100;
}

int JoystickThrottle(int z, bool invert) {
    if (invert) z = -z;
    if (std::abs(z) <= 99) return 0;
    return std::clamp(z > 0 ? z - 100 : z + 100, -500, 500);
}

Caption BuildCaption(const QString& heldBody, bool lockOn, const QString& target, bool targetIsHeld,
                     int speed) {
    QString text;
    if (!heldBody.isEmpty()) text = QStringLiteral("Holding Position on ") + heldBody;
    if (lockOn) {
        if (!text.isEmpty()) text += QStringLiteral(" and ");
        text +=
            targetIsHeld ? QStringLiteral("Looking at it") : QStringLiteral("Looking at ") + target;
    }
    if (speed == 0)
        text += QStringLiteral(" (Time Frozen)");
    else if (speed > 1)
        text += FormatText(" (%dx true time)", speed);
    Caption c;
    c.hint = text;
    c.caption =
        QStringLiteral("Viewer ") + (text.isEmpty() ? QString() : QStringLiteral(" - ") + text);
    return c;
}

}  // namespace ViewerInput
