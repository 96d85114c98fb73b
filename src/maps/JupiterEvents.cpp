#include "maps/JupiterEvents.h"

#include <algorithm>
#include <cmath>
#include <functional>
#include <numbers>

namespace {

constexpr double kDegree = std::numbers::pi / 180.0;

// A moon's continuous path in time: the theory's angle with the radius unrounded, so that
// the functions below are smooth enough for root finding. Julian dates are taken as a
// fixed offset from the start, as the calendar is uniform over any search span.
class MoonPath {
  public:
    MoonPath(GalileanMoon moon, SimTime from)
        : moon_(moon), from_(from), julianFrom_(JulianDate(from)) {}

    double julianDate(SimTime t) const { return julianFrom_ + (t - from_) / kSecondsPerDay; }
    double theta(SimTime t) const {
        return GalileanTheory(julianDate(t)).theta[static_cast<std::size_t>(moon_)];
    }
    MoonPosition position(SimTime t) const {
        const double th = theta(t);
        const double r = OrbitRadiusKm(moon_, th);
        return {r * std::sin(th * kDegree), r * std::cos(th * kDegree)};
    }
    // |X| minus the planet's radius: negative while the moon is in line with the disc.
    double limbDistance(SimTime t) const { return std::fabs(position(t).x) - kJupiterRadiusKm; }
    // dX/dθ, whose sign is that of dX/dt as θ only grows: zero at the elongations.
    double xSlope(SimTime t) const {
        const double th = theta(t) * kDegree;
        const GalileanMoonData& data = MoonData(moon_);
        const double e = data.eccentricity;
        const double q = 1 + e * std::cos(th);
        const double r = (1 - e * e) * data.semiMajorAxisKm / q;
        const double dr = r * e * std::sin(th) / q;
        return dr * std::sin(th) + r * std::cos(th);
    }
    // Whether, allowing for the Earth's height above the orbital plane, the moon's path
    // meets the disc at all.
    bool meetsDisc(SimTime t) const {
        const double th = theta(t);
        const double across =
            OrbitRadiusKm(moon_, th) *
            std::fabs(std::sin(EarthJovicentricDeclination(julianDate(t)) * kDegree));
        return across < kJupiterPolarRadiusKm;
    }

  private:
    GalileanMoon moon_;
    SimTime from_;
    double julianFrom_;
};

// A sign change of f between a and b, narrowed by bisection.
SimTime Bisect(const std::function<double(SimTime)>& f, SimTime a, SimTime b) {
    double fa = f(a);
    while (b - a > JupiterEventFinder::kTimeTolerance) {
        const SimTime mid = 0.5 * (a + b);
        const double fm = f(mid);
        if ((fm < 0) == (fa < 0)) {
            a = mid;
            fa = fm;
        } else {
            b = mid;
        }
    }
    return 0.5 * (a + b);
}

void FindForMoon(GalileanMoon moon, SimTime from, double span, std::vector<JupiterEvent>& out) {
    const MoonPath path(moon, from);
    const auto limb = [&](SimTime t) { return path.limbDistance(t); };
    const auto slope = [&](SimTime t) { return path.xSlope(t); };
    const SimTime end = from + span;
    SimTime a = from;
    double limbA = limb(a);
    double slopeA = slope(a);
    while (a < end) {
        const SimTime b = std::min(a + JupiterEventFinder::kSampleStep, end);
        const double limbB = limb(b);
        const double slopeB = slope(b);
        if ((limbA < 0) != (limbB < 0)) {
            const SimTime t = Bisect(limb, a, b);
            if (path.meetsDisc(t)) {
                const bool entering = limbB < 0;
                const bool inFront = InFrontOfPlanet(path.position(t));
                JupiterEventKind kind;
                if (inFront)
                    kind =
                        entering ? JupiterEventKind::TransitBegins : JupiterEventKind::TransitEnds;
                else
                    kind = entering ? JupiterEventKind::OccultationBegins
                                    : JupiterEventKind::OccultationEnds;
                out.push_back({t, moon, kind});
            }
        }
        if ((slopeA < 0) != (slopeB < 0)) {
            const SimTime t = Bisect(slope, a, b);
            // X grows towards the east: where it stops growing it is greatest east.
            out.push_back({t, moon,
                           slopeA > 0 ? JupiterEventKind::GreatestElongationEast
                                      : JupiterEventKind::GreatestElongationWest});
        }
        a = b;
        limbA = limbB;
        slopeA = slopeB;
    }
}

}  // namespace

QString JupiterEventText(JupiterEventKind kind) {
    switch (kind) {
        case JupiterEventKind::TransitBegins:
            return QStringLiteral("Transit begins");
        case JupiterEventKind::TransitEnds:
            return QStringLiteral("Transit ends");
        case JupiterEventKind::OccultationBegins:
            return QStringLiteral("Occultation begins");
        case JupiterEventKind::OccultationEnds:
            return QStringLiteral("Occultation ends");
        case JupiterEventKind::GreatestElongationEast:
            return QStringLiteral("Greatest elongation east");
        case JupiterEventKind::GreatestElongationWest:
            return QStringLiteral("Greatest elongation west");
    }
    return QString();
}

std::vector<JupiterEvent> JupiterEventFinder::Find(SimTime from, double span) {
    std::vector<JupiterEvent> events;
    if (!std::isfinite(from) || !(span > 0)) return events;
    for (int i = 0; i < kGalileanMoonCount; ++i)
        FindForMoon(static_cast<GalileanMoon>(i), from, span, events);
    std::stable_sort(events.begin(), events.end(),
                     [](const JupiterEvent& a, const JupiterEvent& b) { return a.time < b.time; });
    return events;
}
