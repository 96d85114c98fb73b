#include <gtest/gtest.h>

#include "core/Locale.h"

TEST(Locale, FormatsWithFixedPicturesAndTheLocalesNames) {
    const Locale english{QLocale(QLocale::English, QLocale::UnitedKingdom)};
    CalendarRecord r;
    r.year = 2026, r.month = 12, r.day = 8, r.hour = 7, r.minute = 5, r.second = 9;
    EXPECT_EQ(english.FormatDate(r), QStringLiteral("8 Dec 2026"));
    EXPECT_EQ(english.FormatTime(r, true), QStringLiteral("07:05:09"));
    EXPECT_EQ(english.FormatTime(r, false), QStringLiteral("07:05"));
    EXPECT_EQ(english.monthNames().size(), 12);
    EXPECT_EQ(english.monthNames()[0], QStringLiteral("January"));

    const Locale german{QLocale(QLocale::German, QLocale::Germany)};
    r.month = 3;
    EXPECT_EQ(german.FormatDate(r), QStringLiteral("8 März 2026"));
    EXPECT_EQ(german.FormatThousands(1234567), QStringLiteral("1.234.567"));
}

TEST(Locale, GroupsThousandsOnlyForNonNegativeValuesFromAThousand) {
    const Locale english{QLocale(QLocale::English, QLocale::UnitedStates)};
    EXPECT_EQ(english.FormatThousands(999), QStringLiteral("999"));
    EXPECT_EQ(english.FormatThousands(1000), QStringLiteral("1,000"));
    EXPECT_EQ(english.FormatThousands(1234567), QStringLiteral("1,234,567"));
    EXPECT_EQ(english.FormatThousands(-5000), QStringLiteral("-5000"));
    EXPECT_EQ(english.FormatThousands(INT64_MAX), QStringLiteral("9,223,372,036,854,775,807"));
}
