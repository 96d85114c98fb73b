#pragma once

#include "core/Moon.h"

// The Earth's Moon, placed by its own analytic theory (in the ecliptic, not the Earth's
// equator) or by ERFA's, and always facing the Earth.
class Luna : public Moon {
  public:
    using Moon::Moon;
    Ecliptic PositionFromElements(SimTime t, SimTime epoch,
                                  const OrbitalElements& elements) override;
    Ecliptic CalculatePosition(SimTime t) override;
    void Update(SimTime t) override;
    void SetEphemerisModel(EphemerisModel model) override;
};
