#pragma once

#include "core/Planetoid.h"

// The Earth: a planet whose spin starts from a known orientation, so that the right side
// faces the Sun at any time.
class PlanetEarth : public Planetoid {
  public:
    using Planetoid::Planetoid;
    void Initialise(SimTime now) override;
};
