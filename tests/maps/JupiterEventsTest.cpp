#include <gtest/gtest.h>

#include <cmath>
#include <map>

#include "maps/JupiterEvents.h"

namespace {

bool IsLimbEvent(JupiterEventKind k) {
    return k != JupiterEventKind::GreatestElongationEast &&
           k != JupiterEventKind::GreatestElongationWest;
}

MoonPosition At(SimTime t, GalileanMoon m) {
    return GalileanPositions(t)[static_cast<std::size_t>(m)];
}

}  // namespace

TEST(JupiterEvents, EachListedEventIsWhereThePositionsPutIt) {
    const SimTime from = MakeSimTime(2026, 12, 8, 22, 0, 0);
    const std::vector<JupiterEvent> events = JupiterEventFinder::Find(from);
    ASSERT_GE(events.size(), 8u);
    std::map<GalileanMoon, std::map<JupiterEventKind, int>> counts;
    std::map<GalileanMoon, JupiterEventKind> lastLimb;
    for (std::size_t i = 0; i < events.size(); ++i) {
        const JupiterEvent& e = events[i];
        const char* name = MoonData(e.moon).name;
        EXPECT_GT(e.time, from);
        EXPECT_LE(e.time, from + 48 * 3600.0);
        if (i > 0) {
            EXPECT_GE(e.time, events[i - 1].time);
        }
        ++counts[e.moon][e.kind];
        const MoonPosition p = At(e.time, e.moon);
        // How far X moves in a minute either side of the event.
        const double minute = std::max(std::fabs(At(e.time + 60, e.moon).x - p.x),
                                       std::fabs(At(e.time - 60, e.moon).x - p.x));
        if (IsLimbEvent(e.kind)) {
            EXPECT_NEAR(std::fabs(p.x), kJupiterRadiusKm, minute)
                << name << " " << JupiterEventText(e.kind).toStdString();
            const bool transit = e.kind == JupiterEventKind::TransitBegins ||
                                 e.kind == JupiterEventKind::TransitEnds;
            EXPECT_EQ(transit, p.y <= 0) << name << ": a transit is in front, else behind";
            // Begins and ends alternate, and an end follows the same kind's beginning.
            if (lastLimb.count(e.moon)) {
                const JupiterEventKind before = lastLimb[e.moon];
                const bool begins = e.kind == JupiterEventKind::TransitBegins ||
                                    e.kind == JupiterEventKind::OccultationBegins;
                const JupiterEventKind expected = e.kind == JupiterEventKind::TransitEnds
                                                      ? JupiterEventKind::TransitBegins
                                                  : e.kind == JupiterEventKind::OccultationEnds
                                                      ? JupiterEventKind::OccultationBegins
                                                      : before;
                EXPECT_EQ(before, expected) << name;
                if (begins) {
                    EXPECT_TRUE(before == JupiterEventKind::TransitEnds ||
                                before == JupiterEventKind::OccultationEnds)
                        << name;
                }
            }
            lastLimb[e.moon] = e.kind;
        } else {
            // Greatest: farther out than ten minutes either side, on the side named.
            const bool east = e.kind == JupiterEventKind::GreatestElongationEast;
            EXPECT_EQ(east, p.x > 0) << name;
            EXPECT_GE(std::fabs(p.x), std::fabs(At(e.time - 600, e.moon).x)) << name;
            EXPECT_GE(std::fabs(p.x), std::fabs(At(e.time + 600, e.moon).x)) << name;
            EXPECT_NEAR(std::fabs(p.x), MoonData(e.moon).semiMajorAxisKm,
                        MoonData(e.moon).semiMajorAxisKm * 0.011)
                << name;
        }
    }
    // Io goes round in 42.5 hours: in 48 hours it does everything at least once.
    for (int k = 0; k < 6; ++k)
        EXPECT_GE(counts[GalileanMoon::Io][static_cast<JupiterEventKind>(k)], 1)
            << JupiterEventText(static_cast<JupiterEventKind>(k)).toStdString();
    EXPECT_LE(events.size(), 20u);
}

// J. Meeus, Astronomical Algorithms (1991), exercise of chapter 44: on 1988 November 23
// Ganymede was in conjunction with Jupiter at 7h28m UT and Callisto at 5h15m UT; at those
// moments the book's north-south offsets are Y = -0.84 and +1.48 Jupiter radii. Ganymede
// therefore crossed the disc (its polar radius is 0.935), while Callisto passed clear of
// the north pole: no transit or occultation of Callisto may be listed.
TEST(JupiterEvents, PublishedConjunctionsOf1988November23) {
    const SimTime day = MakeSimTime(1988, 11, 23, 0, 0, 0);
    const std::vector<JupiterEvent> events = JupiterEventFinder::Find(day, 24 * 3600.0);
    SimTime begins = 0, ends = 0;
    for (const JupiterEvent& e : events) {
        if (e.moon == GalileanMoon::Ganymede && e.kind == JupiterEventKind::TransitBegins)
            begins = e.time;
        if (e.moon == GalileanMoon::Ganymede && e.kind == JupiterEventKind::TransitEnds)
            ends = e.time;
        EXPECT_FALSE(e.moon == GalileanMoon::Callisto && IsLimbEvent(e.kind))
            << JupiterEventText(e.kind).toStdString();
    }
    ASSERT_GT(begins, 0) << "Ganymede's transit is missing";
    ASSERT_GT(ends, begins);
    // Mid-transit within the short theory's accuracy for Ganymede (about 25 minutes).
    EXPECT_NEAR(0.5 * (begins + ends), day + 7 * 3600 + 28 * 60, 25 * 60.0);
    // Callisto's X still passes through zero, within the theory's accuracy for it (about
    // an hour and three quarters).
    const double before = At(day + 5 * 3600 + 15 * 60 - 6300, GalileanMoon::Callisto).x;
    const double after = At(day + 5 * 3600 + 15 * 60 + 6300, GalileanMoon::Callisto).x;
    EXPECT_LT(before * after, 0);
}

TEST(JupiterEvents, CallistoMissesTheDiscInSomeYearsOnly) {
    // Callisto takes 16.7 days round; in 17 days it passes the planet's line twice.
    auto callistoLimbEvents = [](SimTime from) {
        int limb = 0, elongations = 0;
        for (const JupiterEvent& e : JupiterEventFinder::Find(from, 17 * 86400.0))
            if (e.moon == GalileanMoon::Callisto) (IsLimbEvent(e.kind) ? limb : elongations)++;
        EXPECT_GE(elongations, 2);
        return limb;
    };
    // Mid-2024: the Earth 2.9 degrees north of Jupiter's equator, Callisto 1.3 radii off.
    EXPECT_EQ(callistoLimbEvents(MakeSimTime(2024, 6, 1, 0, 0, 0)), 0);
    // December 2026: the Earth 0.4 degrees south; a transit and an occultation.
    EXPECT_EQ(callistoLimbEvents(MakeSimTime(2026, 12, 1, 0, 0, 0)), 4);
}

TEST(JupiterEvents, EmptySpansAndUnusableTimesGiveNothing) {
    const SimTime t = MakeSimTime(2026, 12, 8, 22, 0, 0);
    EXPECT_TRUE(JupiterEventFinder::Find(t, 0).empty());
    EXPECT_TRUE(JupiterEventFinder::Find(t, -3600).empty());
    EXPECT_TRUE(JupiterEventFinder::Find(std::nan(""), 3600).empty());
    EXPECT_TRUE(JupiterEventFinder::Find(t, std::nan("")).empty());
}
