#include "viewer/widgets/Joystick.h"

#include <SDL2/SDL.h>

#include <cmath>

#include "core/Log.h"

namespace {
int Scale(Sint16 raw, int range) {
    const int v = int(std::lround(raw / 32767.0 * range));
    return std::abs(v) < range / 100 ? 0 : std::clamp(v, -range, range);
}
}  // namespace

Joystick::~Joystick() {
    Close();
}

bool Joystick::Open() {
    if (handle_) return true;
    if (!sdlStarted_) {
        if (SDL_InitSubSystem(SDL_INIT_JOYSTICK) != 0) {
            LogToFile("Could not start the joystick input: %s", SDL_GetError());
            return false;
        }
        sdlStarted_ = true;
    }
    for (int i = 0; i < SDL_NumJoysticks(); ++i) {
        if (SDL_Joystick* j = SDL_JoystickOpen(i)) {
            if (SDL_JoystickNumAxes(j) >= 2) {
                handle_ = j;
                return true;
            }
            SDL_JoystickClose(j);
        }
    }
    return false;
}

void Joystick::Close() {
    if (handle_) SDL_JoystickClose(static_cast<SDL_Joystick*>(handle_));
    handle_ = nullptr;
    if (sdlStarted_) SDL_QuitSubSystem(SDL_INIT_JOYSTICK);
    sdlStarted_ = false;
}

bool Joystick::Read(State& out) {
    if (!handle_) return false;
    SDL_JoystickUpdate();
    auto* j = static_cast<SDL_Joystick*>(handle_);
    if (!SDL_JoystickGetAttached(j)) {
        SDL_JoystickClose(j);
        handle_ = nullptr;
        if (!Open()) return false;
        j = static_cast<SDL_Joystick*>(handle_);
    }
    out.x = Scale(SDL_JoystickGetAxis(j, 0), 1000);
    out.y = Scale(SDL_JoystickGetAxis(j, 1), 1000);
    out.z = SDL_JoystickNumAxes(j) > 2 ? Scale(SDL_JoystickGetAxis(j, 2), 600) : 0;
    return true;
}
