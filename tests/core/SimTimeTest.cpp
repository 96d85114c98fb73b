#include <gtest/gtest.h>

#include "core/SimTime.h"

TEST(SimTime, MakeSimTimeWorkedExamples) {
    EXPECT_EQ(MakeSimTime(1980, 1, 1, 0, 0, 0), 0.0);
    EXPECT_EQ(MakeSimTime(2000, 1, 1, 12, 0, 0), 631195200.0);
    // 2000 is a leap year: 1 March comes 60 days after 1 January.
    EXPECT_EQ(MakeSimTime(2000, 3, 1, 0, 0, 0) - MakeSimTime(2000, 1, 1, 0, 0, 0), 60 * 86400.0);
    EXPECT_EQ(MakeSimTime(2001, 3, 1, 0, 0, 0) - MakeSimTime(2001, 1, 1, 0, 0, 0), 59 * 86400.0);
    EXPECT_DOUBLE_EQ(MakeSimTime(1980, 1, 1, 0, 0, 1.25), 1.25);
}

TEST(SimTime, SplitKeepsFractionAndRoundTrips) {
    const SplitTime s = SplitSimTime(86399.5);
    EXPECT_EQ(s.year, 1980);
    EXPECT_EQ(s.month, 1);
    EXPECT_EQ(s.day, 1);
    EXPECT_EQ(s.hour, 23);
    EXPECT_EQ(s.minute, 59);
    EXPECT_DOUBLE_EQ(s.seconds, 59.5);

    // Every day from 1901 to 2099 survives the round trip.
    for (int year = 1901; year <= 2099; year += 7) {
        for (int month = 1; month <= 12; ++month) {
            for (int day : {1, 15, DaysInMonth(year, month)}) {
                const SimTime t = MakeSimTime(year, month, day, 13, 27, 41.25);
                const SplitTime back = SplitSimTime(t);
                ASSERT_EQ(back.year, year);
                ASSERT_EQ(back.month, month);
                ASSERT_EQ(back.day, day);
                ASSERT_EQ(back.hour, 13);
                ASSERT_EQ(back.minute, 27);
                ASSERT_DOUBLE_EQ(back.seconds, 41.25);
            }
        }
    }
    const SplitTime leap = SplitSimTime(MakeSimTime(2024, 2, 29, 0, 0, 0));
    EXPECT_EQ(leap.month, 2);
    EXPECT_EQ(leap.day, 29);
}

TEST(SimTime, CalendarRecordAndJ2000) {
    const CalendarRecord r = ToCalendarRecord(MakeSimTime(2026, 12, 8, 10, 11, 12.345));
    EXPECT_EQ(r.year, 2026);
    EXPECT_EQ(r.month, 12);
    EXPECT_EQ(r.day, 8);
    EXPECT_EQ(r.second, 12);
    EXPECT_EQ(r.millisecond, 345);
    EXPECT_DOUBLE_EQ(DaysSinceJ2000(MakeSimTime(2000, 1, 1, 0, 0, 0)), -0.5);
    EXPECT_DOUBLE_EQ(DaysSinceJ2000(J2000() + 86400 * 10), 10.0);
}

TEST(SimTime, NowIsCurrent) {
    const SimTime now = NowSimTime();
    EXPECT_GT(now, MakeSimTime(2020, 1, 1, 0, 0, 0));
    EXPECT_LT(now, MakeSimTime(2099, 1, 1, 0, 0, 0));
}
