#pragma once

#include <QString>
#include <memory>

// The first attached joystick, through SDL2: X and Y in -1000..1000 and the throttle (Z)
// in -600..600, each with a dead zone of 1 % of its range.
class Joystick {
  public:
    ~Joystick();
    // False (with a line in the log file) when there is no joystick to open.
    bool Open();
    void Close();
    bool isOpen() const { return handle_ != nullptr; }
    struct State {
        int x = 0, y = 0, z = 0;
    };
    // Reads the axes; reopens a joystick that was unplugged and plugged in again.
    bool Read(State& out);

  private:
    void* handle_ = nullptr;
    bool sdlStarted_ = false;
};
