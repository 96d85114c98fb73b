#include "sky/SkyViewState.h"

#include <algorithm>
#include <cmath>

namespace sky {

void SkyViewState::UpdateVerticalField(int width, int height) {
    if (width > 0) verticalFieldOfView = fieldOfView * height / width;
}

void SkyViewState::FaceDirection(Compass direction) {
    azimuth = static_cast<double>(static_cast<int>(direction));
    altitude = verticalFieldOfView / 2;
    mouseLook = false;
}

void SkyViewState::FaceZenith() {
    azimuth = 0;
    altitude = 90;
    mouseLook = false;
}

void SkyViewState::Turn(double azimuthDelta, double altitudeDelta) {
    azimuth += azimuthDelta;
    altitude += altitudeDelta;
}

void SkyViewState::StartMouseLook(int x, int y) {
    mouseLook = true;
    lastMouseX = x;
    lastMouseY = y;
}

void SkyViewState::MouseMoved(int x, int y) {
    if (!mouseLook) return;
    altitude += (y - lastMouseY) * kMouseLookStep;
    azimuth += (x - lastMouseX) * kMouseLookStep;
    if (azimuth < 0)
        azimuth += 360;
    else if (azimuth > 360)
        azimuth -= 360;
    lastMouseX = x;
    lastMouseY = y;
}

void SkyViewState::Zoom(double steps) {
    SetFieldOfView(fieldOfView * std::pow(kZoomStep, -steps));
}

void SkyViewState::SetFieldOfView(double degrees) {
    if (!std::isfinite(degrees)) return;
    const double ratio = fieldOfView > 0 ? verticalFieldOfView / fieldOfView : 0.75;
    fieldOfView = std::clamp(degrees, kMinFieldOfView, kMaxFieldOfView);
    verticalFieldOfView = fieldOfView * ratio;
}

}  // namespace sky
