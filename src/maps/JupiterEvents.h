#pragma once

#include <QString>
#include <vector>

#include "core/SimTime.h"
#include "maps/GalileanPositions.h"

// What a moon does that a telescope user watches for.
enum class JupiterEventKind {
    TransitBegins,      // its centre crosses the planet's limb onto the disc, in front
    TransitEnds,        // ... and leaves it
    OccultationBegins,  // its centre goes behind the limb
    OccultationEnds,    // ... and comes out again
    GreatestElongationEast,
    GreatestElongationWest,
};

struct JupiterEvent {
    SimTime time = 0;  // UT
    GalileanMoon moon = GalileanMoon::Io;
    JupiterEventKind kind = JupiterEventKind::TransitBegins;

    bool operator==(const JupiterEvent&) const = default;
};

// "Transit begins", "Greatest elongation east", ...
QString JupiterEventText(JupiterEventKind kind);

// Finds the events of the four moons in a span of simulated time, from the same theory as
// the positions: transits and occultations begin and end where a moon's |X| equals the
// planet's radius, elongations are greatest where X stops growing or shrinking. Each time
// is found to within kTimeTolerance. A passage that, with the Earth's small height above
// Jupiter's equator, takes the moon clear of the planet's poles is not listed; in some
// years that happens to every passage of Callisto.
class JupiterEventFinder {
  public:
    static constexpr double kLookAheadSeconds = 48 * 3600.0;
    static constexpr double kTimeTolerance = 1.0;  // seconds
    // Samples are this far apart while searching: well inside the shortest time between
    // two events of one moon (Io's passage across the disc, over two hours).
    static constexpr double kSampleStep = 300.0;

    // The events after `from` and up to `from + span`, in time order.
    static std::vector<JupiterEvent> Find(SimTime from, double span = kLookAheadSeconds);
};
