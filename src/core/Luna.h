#pragma once

#include "core/Moon.h"

// The Earth's Moon, placed by its own analytic theory and always facing the Earth.
class Luna : public Moon {
  public:
    using Moon::Moon;
    void PositionFromElements(SimTime t, SimTime epoch, const OrbitalElements& elements,
                              BodyPosition& out) override;
    void Update(SimTime t) override;
};
