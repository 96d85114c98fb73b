#include <gtest/gtest.h>

#include "location/DateEntry.h"

TEST(DateEntry, YearListCoversTheCalendarAndTheCurrentYears) {
    const DateEntry usual(2026, 2026);
    EXPECT_EQ(usual.firstYear(), 1901);
    EXPECT_EQ(usual.lastYear(), 2099);
    EXPECT_EQ(usual.YearItems().front(), QStringLiteral("1901"));
    EXPECT_EQ(usual.YearItems().size(), 199);
    // A clock beyond the calendar still finds its year in the list.
    const DateEntry late(2101, 2026);
    EXPECT_EQ(late.lastYear(), 2101);
    EXPECT_EQ(DateEntry(2026, 2150).lastYear(), 2150);
    EXPECT_EQ(DateEntry(1890, 2026).firstYear(), 1890);
    EXPECT_EQ(DateEntry::MinuteItems().size(), 12);
    EXPECT_EQ(DateEntry::MinuteItems()[1], QStringLiteral("05"));
    EXPECT_EQ(DateEntry::HourItems()[7], QStringLiteral("07"));
    EXPECT_EQ(DateEntry::DayItems().back(), QStringLiteral("31"));
}

TEST(DateEntry, OpensAtTheLocalTimeRoundedDownToFiveMinutes) {
    const DateEntry entry(2026, 2026);
    CalendarRecord r;
    r.year = 2026, r.month = 12, r.day = 8, r.hour = 14, r.minute = 37;
    const DateEntry::Selection s = entry.SelectionFor(r);
    EXPECT_EQ(s.day, 7);
    EXPECT_EQ(s.month, 11);
    EXPECT_EQ(s.year, 2026 - 1901);
    EXPECT_EQ(s.hour, 14);
    EXPECT_EQ(DateEntry::MinuteItems()[s.minute], QStringLiteral("35"));
    EXPECT_EQ(entry.LocalTimeOf(s), MakeSimTime(2026, 12, 8, 14, 35, 0));
}

TEST(DateEntry, DateChecks) {
    for (int month : {4, 6, 9, 11})
        EXPECT_EQ(DateEntry::CheckDate(31, month, 2026),
                  DateEntry::MonthItems()[month - 1] + QStringLiteral(" only has 30 days."));
    EXPECT_EQ(DateEntry::CheckDate(31, 4, 2026), QStringLiteral("April only has 30 days."));
    EXPECT_EQ(DateEntry::CheckDate(30, 2, 2000), QStringLiteral("February does not have 30 days."));
    EXPECT_EQ(DateEntry::CheckDate(31, 2, 2001), QStringLiteral("February does not have 31 days."));
    EXPECT_EQ(DateEntry::CheckDate(29, 2, 2001), QStringLiteral("2001 is not a leap year."));
    for (int month : {1, 3, 5, 7, 8, 10, 12})
        EXPECT_TRUE(DateEntry::CheckDate(31, month, 2026).isEmpty());
    EXPECT_TRUE(DateEntry::CheckDate(30, 4, 2026).isEmpty());
    EXPECT_TRUE(DateEntry::CheckDate(28, 2, 2026).isEmpty());

    // 29 February across the whole widened list, by the Gregorian rule.
    const DateEntry wide(2101, 2026);
    for (int year = wide.firstYear(); year <= wide.lastYear(); ++year) {
        const bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
        EXPECT_EQ(DateEntry::CheckDate(29, 2, year).isEmpty(), leap) << year;
    }
    EXPECT_TRUE(DateEntry::CheckDate(29, 2, 2000).isEmpty());
    EXPECT_EQ(DateEntry::CheckDate(29, 2, 2100), QStringLiteral("2100 is not a leap year."));
    EXPECT_EQ(DateEntry::CheckDate(29, 2, 1901), QStringLiteral("1901 is not a leap year."));
    EXPECT_TRUE(DateEntry::CheckDate(29, 2, 1904).isEmpty());
}
