#include "core/Tweener.h"

bool Tweener::lookup(SimTime t, Ecliptic& out) const {
    if (!(t0_ <= t && t <= t1_) || t1_ == t0_) return false;
    out = start_ + (end_ - start_) * ((t - t0_) / (t1_ - t0_));
    return true;
}

void Tweener::reset(SimTime t, const Ecliptic& start, const Ecliptic& end) {
    start_ = start;
    end_ = end;
    t0_ = t;
    t1_ = t + kWindow;
}
