#pragma once

#include "core/Ecliptic.h"
#include "core/SimTime.h"

// A short-lived linear interpolation of a body's orbit over a 100-second window, so that
// frame-by-frame positions cost an interpolation instead of a full orbit computation.
class Tweener {
  public:
    static constexpr double kWindow = 100.0;

    // The interpolated position when t0 <= t <= t1 (closed at both ends).
    bool lookup(SimTime t, Ecliptic& out) const;
    void reset(SimTime t, const Ecliptic& start, const Ecliptic& end);
    // Forgets the window, so the next lookup misses.
    void clear() { t0_ = t1_ = 0; }
    SimTime t0() const { return t0_; }
    SimTime t1() const { return t1_; }

  private:
    Ecliptic start_, end_;
    SimTime t0_ = 0, t1_ = 0;
};
