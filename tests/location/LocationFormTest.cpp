#include <gtest/gtest.h>

#include "location/LocationForm.h"
#include "location/LocationFormat.h"
#include "location/LocationList.h"

TEST(LocationFormat, TimeZonesAndLabels) {
    EXPECT_EQ(FormatTimeZone(-7), QStringLiteral("GMT-03:30"));
    EXPECT_EQ(FormatTimeZone(0), QStringLiteral("GMT+00:00"));
    EXPECT_EQ(FormatTimeZone(11), QStringLiteral("GMT+05:30"));
    EXPECT_EQ(FormatTimeZone(-24), QStringLiteral("GMT-12:00"));
    EXPECT_EQ(LatitudeLabel(32.71), QStringLiteral("32.71N"));
    EXPECT_EQ(LatitudeLabel(-5.5), QStringLiteral("05.50S"));
    EXPECT_EQ(LatitudeLabel(0), QStringLiteral("00.00N"));
    EXPECT_EQ(LongitudeLabel(-81.28), QStringLiteral("081.28W"));
    EXPECT_EQ(LongitudeLabel(139.7), QStringLiteral("139.70E"));
    EXPECT_EQ(TimeZoneFromLongitude(-81.28), -10);
    EXPECT_EQ(TimeZoneFromLongitude(139.7), 18);
    EXPECT_EQ(TimeZoneFromLongitude(-14.9), 0);
}

TEST(LocationFormat, ParseCoordinate) {
    auto value = [](const char* text) { return ParseCoordinate(QString::fromUtf8(text)); };
    EXPECT_TRUE(value("32.71N").valid);
    EXPECT_DOUBLE_EQ(value("32.71N").value, 32.71);
    EXPECT_EQ(value("32.71N").letter, QLatin1Char('N'));
    EXPECT_DOUBLE_EQ(value("-32.71").value, -32.71);
    EXPECT_TRUE(value("-32.71").letter.isNull());
    EXPECT_DOUBLE_EQ(value("+.5").value, 0.5);
    EXPECT_EQ(value("32.71X").letter, QLatin1Char('X'));  // read; OK refuses the letter
    for (const char* bad : {"", "32.71NN", ".", "N", "-", "+.", "1.2.3", "12 N"})
        EXPECT_FALSE(value(bad).valid) << bad;
}

namespace {

struct Form {
    LocationList list{{{QStringLiteral("Manchester"), {53.48f, -2.25f, 0, QString()}},
                       {QStringLiteral("Paris"), {48.85f, 2.33f, 2, QString()}}}};

    LocationForm::Outcome Check(const char* name, const char* lat, const char* lon, int item,
                                bool editing = false, const char* selected = "") {
        LocationForm form;
        form.name = QString::fromUtf8(name);
        form.latitude = QString::fromUtf8(lat);
        form.longitude = QString::fromUtf8(lon);
        form.zoneItem = item;
        LocationEntry entry;
        if (editing) entry.timeZone = 0;
        entry.zoneName = QStringLiteral("Europe/London");
        return form.Check(list, editing, QString::fromUtf8(selected), entry);
    }
};

int Item(int halfHours) {
    return LocationForm::ItemOfHalfHours(halfHours);
}

}  // namespace

TEST(LocationForm, TimeZoneItemsReadTheirOffsetFromTheirText) {
    const QStringList& items = LocationForm::TimeZoneItems();
    ASSERT_EQ(items.size(), 29);
    const int expected[29] = {-24, -22, -20, -18, -16, -14, -12, -10, -8, -6, -4, -2, 0,  2, 4,
                              6,   7,   8,   9,   10,  11,  12,  14,  16, 18, 19, 20, 22, 24};
    for (int i = 0; i < 29; ++i) EXPECT_EQ(LocationForm::HalfHoursOfItem(items[i]), expected[i]);
    EXPECT_EQ(Item(-10), 7);
    EXPECT_EQ(items[Item(-10)], QStringLiteral("GMT-05:00  (Eastern Standard Time)"));
    EXPECT_EQ(Item(5), -1);
    // Enter in the longitude box: 81.28W suggests Eastern Standard Time.
    EXPECT_EQ(LocationForm::SuggestedItem(QStringLiteral("81.28W")), Item(-10));
    EXPECT_EQ(LocationForm::SuggestedItem(QStringLiteral("-81.28")), Item(-10));
    EXPECT_EQ(LocationForm::SuggestedItem(QStringLiteral("139.7E")), Item(18));
    EXPECT_EQ(LocationForm::SuggestedItem(QStringLiteral("180W")), Item(-24));
    EXPECT_EQ(LocationForm::SuggestedItem(QStringLiteral("181")), -1);
    EXPECT_EQ(LocationForm::SuggestedItem(QStringLiteral("east")), -1);
}

TEST(LocationForm, EveryCheckAndMessage) {
    Form f;
    struct Case {
        const char *name, *lat, *lon;
        int item;
        const char *caption, *message;
    } cases[] = {
        {"", "1", "1", 12, "Location", "You must complete all fields."},
        {"X", "  ", "1", 12, "Location", "You must complete all fields."},
        {"X", "1", "", 12, "Location", "You must complete all fields."},
        {"X", "1", "1", -1, "Location", "You must complete all fields."},
        {"X", ".", "1", 12, "Latitude", "The latitude value is not valid."},
        {"X", "N", "1", 12, "Latitude", "The latitude value is not valid."},
        {"X", "32.71NN", "1", 12, "Latitude", "The latitude value is not valid."},
        {"X", "32.71X", "1", 12, "Latitude",
         "The latitude value has an unrecognised character after the value."},
        {"X", "32.71E", "1", 12, "Latitude",
         "The latitude value has an unrecognised character after the value."},
        {"X", "90.01", "1", 12, "Latitude", "Latitude must be in the range -90 to +90."},
        {"X", "-90.01S", "1", 12, "Latitude", "Latitude must be in the range -90 to +90."},
        {"X", "1", "1.1.", 12, "Longitude", "The longitude value is not valid."},
        {"X", "1", "12N", 12, "Longitude",
         "The longitude value has an unrecognised character after the value."},
        {"X", "1", "180.5W", 12, "Longitude", "Longitude must be in the range -180 to +180."},
        {"Paris", "1", "1", 12, "Name", "Another entry exists with this name."},
        {"Pa\"ris", "1", "1", 12, "Name", "A name cannot contain the \" character."},
    };
    for (const Case& c : cases) {
        const auto outcome = f.Check(c.name, c.lat, c.lon, c.item);
        EXPECT_FALSE(outcome.ok) << c.message;
        EXPECT_EQ(outcome.caption, QString::fromLatin1(c.caption)) << c.message;
        EXPECT_EQ(outcome.message, QString::fromUtf8(c.message));
    }
    EXPECT_EQ(f.Check("Paris", "1", "1", 12).clashRow, 1);
    EXPECT_FALSE(f.Check(QByteArray(300, 'n').constData(), "1", "1", 12).ok);
}

TEST(LocationForm, ValuesStoredOnSuccess) {
    Form f;
    auto ok = f.Check("  San Diego ", " 32.71n ", "117.16W", Item(-16));
    ASSERT_TRUE(ok.ok) << qPrintable(ok.message);
    EXPECT_FLOAT_EQ(ok.entry.latitude, 32.71f);  // a lower-case letter counts as its capital
    EXPECT_FLOAT_EQ(ok.entry.longitude, -117.16f);
    EXPECT_EQ(ok.entry.timeZone, -16);
    EXPECT_EQ(ok.entry.zoneName, QStringLiteral("Europe/London"));  // other fields kept
    EXPECT_FLOAT_EQ(f.Check("X", "32.71S", "0", 12).entry.latitude, -32.71f);
    EXPECT_FLOAT_EQ(f.Check("X", "-32.71", "0", 12).entry.latitude, -32.71f);
    EXPECT_FLOAT_EQ(f.Check("X", "-32.71S", "0", 12).entry.latitude, -32.71f);
    EXPECT_FLOAT_EQ(f.Check("X", "90", "0", 12).entry.latitude, 90.0f);
    EXPECT_FLOAT_EQ(f.Check("X", "1", "180W", 12).entry.longitude, -180.0f);
    EXPECT_FLOAT_EQ(f.Check("X", "1", "-2.5E", 12).entry.longitude, -2.5f);
    // Editing keeps its own name; renaming onto another place's name is refused.
    EXPECT_TRUE(f.Check("Paris", "1", "1", 12, true, "Paris").ok);
    EXPECT_FALSE(f.Check("Paris", "1", "1", 12, true, "Manchester").ok);
    EXPECT_FALSE(f.Check("paris", "1", "1", 12, true, "Paris").clashRow >= 0);  // case counts

    // OK puts the trimmed texts back into the boxes.
    LocationForm form;
    form.name = QStringLiteral("  Lima ");
    form.latitude = QStringLiteral(" 12.05S");
    form.longitude = QStringLiteral("77.04W ");
    form.zoneItem = Item(-10);
    EXPECT_TRUE(form.Check(f.list, false, QString(), LocationEntry{}).ok);
    EXPECT_EQ(form.name, QStringLiteral("Lima"));
    EXPECT_EQ(form.latitude, QStringLiteral("12.05S"));
    EXPECT_EQ(form.longitude, QStringLiteral("77.04W"));
}
