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
}
