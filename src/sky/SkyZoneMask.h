#pragma once

#include <array>
#include <cstdint>

#include "sky/SkyMath.h"

namespace sky {

class SkyProjection;

// Which sky zones (one hour by ten degrees) lie near the picture, so that every layer can
// skip the rest of the sky.
class SkyZoneMask {
  public:
    // Marks the four-hour by four-band block around every whole hour and every tenth degree
    // of declination that shows on the picture, and the polar caps when a pole shows. Zoomed
    // in closer than the default field, that grid is coarser than the picture, so points
    // sampled across the picture mark their own neighbourhoods too.
    void Build(const SkyProjection& projection);
    void Clear() { counts_.fill(0); }

    bool marked(int zone) const {
        return zone >= 0 && zone < kZoneCount && counts_[static_cast<std::size_t>(zone)] != 0;
    }
    int count(int zone) const {
        return (zone >= 0 && zone < kZoneCount) ? counts_[static_cast<std::size_t>(zone)] : 0;
    }
    // The zone of a point given in hours and degrees (each truncated towards zero).
    bool markedAt(double raHours, double decDegrees) const;
    int markedCount() const;

  private:
    void Add(int zone);
    void MarkGrid(const SkyProjection& projection);
    void MarkSamples(const SkyProjection& projection);

    std::array<std::uint16_t, kZoneCount> counts_{};
};

}  // namespace sky
