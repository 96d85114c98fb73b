#include "core/Clock.h"
#include "core/SettingsStore.h"
#include "core/Simulation.h"
#include "support/TestSupport.h"

TEST(Clock, SpeedChangesKeepTimeContinuous) {
    SimTime wall = 1000.25;
    Clock clock([&] { return wall; });
    clock.setTime(5000.75);
    EXPECT_DOUBLE_EQ(clock.SimNow(), 5000.75);
    wall += 2.5;
    EXPECT_DOUBLE_EQ(clock.SimNow(), 5003.25);
    clock.setSpeed(1000);
    EXPECT_DOUBLE_EQ(clock.SimNow(), 5003.25);  // no jump
    wall += 0.5;
    EXPECT_DOUBLE_EQ(clock.SimNow(), 5503.25);
    clock.setSpeed(0);
    const SimTime frozen = clock.SimNow();
    wall += 100;
    EXPECT_DOUBLE_EQ(clock.SimNow(), frozen);
    clock.setSpeed(-3600);
    wall += 1;
    EXPECT_DOUBLE_EQ(clock.SimNow(), frozen - 3600);
}

TEST(Clock, ZoneTexts) {
    Observer o;
    o.SetTimeZone(-11, 60);
    EXPECT_EQ(o.zoneText, QStringLiteral("GMT-05:30 +60 minutes DST"));
    EXPECT_EQ(o.zoneOffset, -16200);
    o.SetTimeZone(3, 0);
    EXPECT_EQ(o.zoneText, QStringLiteral("GMT+01:30"));
    EXPECT_EQ(o.zoneOffset, 5400);
    o.SetTimeZone(0, -60);
    EXPECT_EQ(o.zoneText, QStringLiteral("GMT+00:00 -60 minutes DST"));
}

class ClockSimulationTest : public ServicesTest {
  protected:
    MemorySettingsStore store;
    SimTime wall = MakeSimTime(2026, 12, 8, 12, 0, 0);
    Simulation sim{store, [this] { return wall; }};
};

TEST_F(ClockSimulationTest, LocalTimeAndHooks) {
    int skyRedraws = 0, mapRedraws = 0, infoClears = 0, captions = 0;
    sim.hooks().redrawSkyView = [&] { ++skyRedraws; };
    sim.hooks().redrawMap = [&] { ++mapRedraws; };
    sim.hooks().clearControlsInfo = [&] { ++infoClears; };
    sim.hooks().refreshCaption = [&] { ++captions; };
    sim.SetTimeZone(2, 0);
    sim.SetLocalTime(MakeSimTime(2000, 1, 1, 0, 0, 0));
    EXPECT_EQ(sim.SimNow(), MakeSimTime(1999, 12, 31, 23, 0, 0));
    EXPECT_EQ(sim.LocalNow(), MakeSimTime(2000, 1, 1, 0, 0, 0));
    EXPECT_EQ(skyRedraws, 1);
    EXPECT_EQ(mapRedraws, 1);
    EXPECT_EQ(infoClears, 1);
    sim.SetClockSpeed(60);
    EXPECT_EQ(infoClears, 2);
    EXPECT_EQ(captions, 1);
    EXPECT_EQ(sim.SimNow(), MakeSimTime(1999, 12, 31, 23, 0, 0));
    sim.observer().locationName = QStringLiteral("Manchester");
    const QString text = sim.ClockDisplayText();
    EXPECT_TRUE(text.startsWith(QStringLiteral("Manchester   1 ")));
    EXPECT_TRUE(text.contains(QStringLiteral("2000,   00:00:00    GMT+01:00")));

    // A name of ten thousand characters is cut; the clock itself still shows.
    sim.observer().locationName = QString(10000, QLatin1Char('x'));
    const QString cut = sim.ClockDisplayText();
    EXPECT_LT(cut.size(), 100);
    EXPECT_TRUE(cut.startsWith(QString(39, QLatin1Char('x')) + QChar(0x2026)));
    EXPECT_TRUE(cut.contains(QStringLiteral("00:00:00")));
}

// Daylight saving that follows the place's zone: London's clocks go forward at 01:00 UT on
// the last Sunday of March and back at 01:00 UT on the last Sunday of October.
TEST_F(ClockSimulationTest, DaylightSavingFollowsTheZone) {
    sim.observer().zone = ZoneRules(QStringLiteral("Europe/London"));
    ASSERT_TRUE(sim.observer().FollowsZone()) << "no time-zone data for Europe/London";
    sim.SetTimeZone(0, 0);
    sim.SetClockSpeed(0);

    sim.SetSimTime(MakeSimTime(2026, 1, 15, 12, 0, 0));
    EXPECT_EQ(sim.observer().dstMinutes, 0);
    EXPECT_EQ(sim.LocalNow(), MakeSimTime(2026, 1, 15, 12, 0, 0));
    sim.SetSimTime(MakeSimTime(2026, 7, 15, 12, 0, 0));
    EXPECT_EQ(sim.observer().dstMinutes, 60);
    EXPECT_EQ(sim.observer().zoneOffset, 3600);
    EXPECT_EQ(sim.LocalNow(), MakeSimTime(2026, 7, 15, 13, 0, 0));
    EXPECT_TRUE(sim.ClockDisplayText().endsWith(QStringLiteral("GMT+00:00 +60 minutes DST")));

    const Observer& o = sim.observer();
    EXPECT_EQ(o.DstMinutesAt(MakeSimTime(2026, 3, 29, 0, 59, 59)), 0);
    EXPECT_EQ(o.DstMinutesAt(MakeSimTime(2026, 3, 29, 1, 0, 0)), 60);
    EXPECT_EQ(o.DstMinutesAt(MakeSimTime(2026, 10, 25, 0, 59, 59)), 60);
    EXPECT_EQ(o.DstMinutesAt(MakeSimTime(2026, 10, 25, 1, 0, 0)), 0);
    // Another year's switch dates come from the rules too (2027: 28 March, 31 October).
    EXPECT_EQ(o.DstMinutesAt(MakeSimTime(2027, 3, 28, 0, 59, 0)), 0);
    EXPECT_EQ(o.DstMinutesAt(MakeSimTime(2027, 3, 28, 1, 0, 0)), 60);
    EXPECT_EQ(o.DstMinutesAt(MakeSimTime(2027, 10, 31, 1, 0, 0)), 0);
}

TEST_F(ClockSimulationTest, RunningClockCrossesTheSwitch) {
    sim.observer().zone = ZoneRules(QStringLiteral("Europe/London"));
    ASSERT_TRUE(sim.observer().FollowsZone());
    sim.SetClockSpeed(3600);  // an hour a second
    sim.SetSimTime(MakeSimTime(2026, 3, 29, 0, 30, 0));
    EXPECT_EQ(sim.observer().dstMinutes, 0);
    EXPECT_EQ(sim.ClockDisplayText().right(9), QStringLiteral("GMT+00:00"));
    wall += 1.0;  // 01:30 UT, after the switch
    // Local time and the clock's text are right even before the next update step...
    EXPECT_EQ(sim.LocalNow(), MakeSimTime(2026, 3, 29, 2, 30, 0));
    EXPECT_TRUE(sim.ClockDisplayText().endsWith(QStringLiteral("+60 minutes DST")));
    // ...and the step brings the observer's fields along.
    sim.UpdateSimulation();
    EXPECT_EQ(sim.observer().dstMinutes, 60);
    EXPECT_EQ(sim.observer().zoneText, QStringLiteral("GMT+00:00 +60 minutes DST"));

    // Local times on either side of the switch map back to the right instants.
    sim.SetClockSpeed(0);
    sim.SetLocalTime(MakeSimTime(2026, 7, 1, 12, 0, 0));
    EXPECT_EQ(sim.SimNow(), MakeSimTime(2026, 7, 1, 11, 0, 0));
    sim.SetLocalTime(MakeSimTime(2026, 12, 1, 12, 0, 0));
    EXPECT_EQ(sim.SimNow(), MakeSimTime(2026, 12, 1, 12, 0, 0));
    // 01:30 on the spring morning does not exist on the clocks; it reads as 02:30 BST.
    sim.SetLocalTime(MakeSimTime(2026, 3, 29, 1, 30, 0));
    EXPECT_EQ(sim.SimNow(), MakeSimTime(2026, 3, 29, 1, 30, 0));
}

TEST_F(ClockSimulationTest, ZonelessPlaceKeepsTheManualShift) {
    sim.SetTimeZone(-10, 60);
    sim.SetClockSpeed(0);
    sim.SetSimTime(MakeSimTime(2026, 1, 15, 12, 0, 0));
    EXPECT_FALSE(sim.observer().FollowsZone());
    EXPECT_EQ(sim.observer().dstMinutes, 60);
    EXPECT_EQ(sim.LocalNow(), MakeSimTime(2026, 1, 15, 8, 0, 0));
    // An unknown zone name is no zone at all.
    sim.observer().zone = ZoneRules(QStringLiteral("Nowhere/Atlantis"));
    sim.UpdateSimulation();
    EXPECT_EQ(sim.observer().dstMinutes, 60);
}

TEST(ZoneRules, WinterCountsAsNoShift) {
    // The zone data counts Irish winter time as a negative shift from summer time; the clock
    // wants 0 in winter and 60 in summer, as for London.
    ZoneRules dublin(QStringLiteral("Europe/Dublin"));
    ASSERT_TRUE(dublin.isValid());
    EXPECT_EQ(dublin.DaylightMinutes(MakeSimTime(2026, 1, 15, 12, 0, 0)), 0);
    EXPECT_EQ(dublin.DaylightMinutes(MakeSimTime(2026, 7, 15, 12, 0, 0)), 60);
    // Southern summer, and a zone without daylight saving.
    ZoneRules sydney(QStringLiteral("Australia/Sydney"));
    EXPECT_EQ(sydney.DaylightMinutes(MakeSimTime(2026, 1, 15, 0, 0, 0)), 60);
    EXPECT_EQ(sydney.DaylightMinutes(MakeSimTime(2026, 7, 15, 0, 0, 0)), 0);
    ZoneRules phoenix(QStringLiteral("America/Phoenix"));
    EXPECT_EQ(phoenix.DaylightMinutes(MakeSimTime(2026, 7, 15, 0, 0, 0)), 0);
    // Rules change over the years: Indiana kept no summer time before 2006.
    ZoneRules indianapolis(QStringLiteral("America/Indiana/Indianapolis"));
    EXPECT_EQ(indianapolis.DaylightMinutes(MakeSimTime(2000, 7, 1, 0, 0, 0)), 0);
    EXPECT_EQ(indianapolis.DaylightMinutes(MakeSimTime(2010, 7, 1, 0, 0, 0)), 60);
    EXPECT_FALSE(ZoneRules(QString()).isValid());
    EXPECT_EQ(ZoneRules(QString()).DaylightMinutes(0), 0);
}

TEST_F(ClockSimulationTest, ZoneNameReadAtStartUp) {
    store.set(settings::TimezoneName, QStringLiteral("Europe/London"));
    store.set(settings::Timezone, 0);
    store.set(settings::DST, 0);
    store.set(settings::TimeOffset, MakeSimTime(2026, 7, 15, 12, 0, 0) - wall);
    store.set(settings::Speed, 0);
    sim.BuildSolarSystem();
    EXPECT_TRUE(sim.observer().FollowsZone());
    EXPECT_EQ(sim.observer().dstMinutes, 60);
}

TEST_F(ClockSimulationTest, AStoredOffsetBeyondTheCalendarIsIgnored) {
    // 3.9e9 s from 2026 is in 2150: the clock stays at the present instead.
    store.set(settings::Speed, 0);
    store.set(settings::TimeOffset, 3.9e9);
    sim.BuildSolarSystem();
    EXPECT_DOUBLE_EQ(sim.SimNow(), wall);
    sim.DestroySolarSystem();
    store.set(settings::TimeOffset, -3.9e9);  // 1903: inside, kept
    sim.BuildSolarSystem();
    EXPECT_EQ(SplitSimTime(sim.SimNow()).year, 1903);
    sim.DestroySolarSystem();
    store.set(settings::TimeOffset, MakeSimTime(2100, 1, 1, 0, 0, 0) - wall);  // just past 2099
    sim.BuildSolarSystem();
    EXPECT_DOUBLE_EQ(sim.SimNow(), wall);
}
