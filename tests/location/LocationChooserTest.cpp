#include <QFile>
#include <QSet>
#include <QTimeZone>

#include "core/SettingsStore.h"
#include "core/Simulation.h"
#include "location/CurrentLocation.h"
#include "location/LocationChooser.h"
#include "location/LocationFile.h"
#include "location/LocationFormat.h"
#include "support/TestSupport.h"

namespace {

const SimTime kJanuary = MakeSimTime(2026, 1, 15, 12, 0, 0);
const SimTime kJuly = MakeSimTime(2026, 7, 15, 12, 0, 0);

LocationList Places() {
    return LocationList(
        {{QStringLiteral("London"), {51.5f, -0.12f, 0, QStringLiteral("Europe/London")}},
         {QStringLiteral("Sydney"), {-33.92f, 151.28f, 20, QStringLiteral("Australia/Sydney")}},
         {QStringLiteral("Somewhere"), {10.0f, 20.0f, 2, QString()}}});
}

int Row(const LocationChooser& c, const char* name) {
    return c.list().FindExact(QString::fromLatin1(name));
}

}  // namespace

TEST(LocationChooser, ListChangesAndTheCopyOfTheCurrentLocation) {
    LocationChooser c(CurrentLocation{}, kJuly);
    c.SetList(Places());
    EXPECT_FALSE(c.listModified());
    EXPECT_EQ(c.CurrentCaption(), QStringLiteral("Current: Manchester"));
    EXPECT_FALSE(c.daylightSavingTicked());  // the default place has no zone and no shift

    const int added = c.Add(QStringLiteral("Athens"), {37.98f, 23.73f, 4, QString()});
    EXPECT_EQ(added, 0);
    EXPECT_TRUE(c.listModified());
    c.MarkSaved();
    const int moved = c.Edit(Row(c, "London"), QStringLiteral("Zanzibar"), {-6.16f, 39.2f, 6, {}});
    EXPECT_EQ(moved, c.list().size() - 1);
    EXPECT_TRUE(c.listModified());
    c.Delete(Row(c, "Athens"));
    EXPECT_EQ(Row(c, "Athens"), -1);

    // Set changes the copy only; a place without a zone leaves the box as it is.
    c.Set(Row(c, "Somewhere"));
    EXPECT_TRUE(c.currentChanged());
    EXPECT_EQ(c.CurrentCaption(), QStringLiteral("Current: Somewhere"));
    EXPECT_FALSE(c.daylightSavingTicked());
    c.ClickDaylightSaving(true);
    EXPECT_EQ(c.Applied().dstMinutes, 60);
    c.Set(Row(c, "Sydney"));  // a zone: the box shows its rules (winter in July)
    EXPECT_FALSE(c.daylightSavingTicked());
    EXPECT_EQ(c.Applied().zoneName, QStringLiteral("Australia/Sydney"));
}

TEST(LocationChooser, TheBoxShowsTheRulesAndOverridesThemByHand) {
    CurrentLocation london;
    london.name = QStringLiteral("London");
    london.zoneName = QStringLiteral("Europe/London");
    LocationChooser summer(london, kJuly);
    EXPECT_TRUE(summer.daylightSavingTicked());
    EXPECT_FALSE(summer.currentChanged());
    // Ticking and unticking counts as a change and keeps following the rules.
    summer.ClickDaylightSaving(false);
    summer.ClickDaylightSaving(true);
    EXPECT_TRUE(summer.currentChanged());
    EXPECT_EQ(summer.Applied().zoneName, QStringLiteral("Europe/London"));
    // Against the rules, the shift is fixed by hand and the zone no longer followed.
    summer.ClickDaylightSaving(false);
    EXPECT_TRUE(summer.Applied().zoneName.isEmpty());
    EXPECT_EQ(summer.Applied().dstMinutes, 0);

    LocationChooser winter(london, kJanuary);
    EXPECT_FALSE(winter.daylightSavingTicked());
}

class CurrentLocationTest : public ServicesTest {
  protected:
    MemorySettingsStore store;
    SimTime wall = kJuly;
    Simulation sim{store, [this] { return wall; }};
};

TEST_F(CurrentLocationTest, AppliedToTheClockAndTheSettings) {
    sim.SetClockSpeed(0);
    CurrentLocation paris;
    paris.name = QStringLiteral("Paris, France");
    paris.latitude = 48.85f;
    paris.longitude = 2.33f;
    paris.timeZone = 2;
    paris.zoneName = QStringLiteral("Europe/Paris");
    SetCurrentLocation(sim, paris, &store);
    const Observer& o = sim.observer();
    EXPECT_EQ(o.locationName, QStringLiteral("Paris, France"));
    EXPECT_NEAR(o.latitude, 48.85, 1e-5);
    EXPECT_TRUE(o.FollowsZone());
    EXPECT_EQ(o.dstMinutes, 60);
    EXPECT_EQ(o.zoneText, QStringLiteral("GMT+01:00 +60 minutes DST"));
    EXPECT_EQ(sim.LocalNow(), kJuly + 7200);
    EXPECT_EQ(store.get(settings::Location), QStringLiteral("Paris, France"));
    EXPECT_EQ(store.readText(QStringLiteral("Simulation"), QStringLiteral("Latitude"), {}),
              QStringLiteral("48.85"));
    EXPECT_EQ(store.readText(QStringLiteral("Simulation"), QStringLiteral("Longitude"), {}),
              QStringLiteral("2.33"));
    EXPECT_EQ(store.get(settings::Timezone), 2);
    EXPECT_EQ(store.get(settings::DST), 60);
    EXPECT_EQ(store.get(settings::TimezoneName), QStringLiteral("Europe/Paris"));

    // The next start reads the same place back, still following its rules.
    Simulation again(store, [this] { return wall; });
    again.BuildSolarSystem();
    EXPECT_EQ(again.observer().locationName, QStringLiteral("Paris, France"));
    EXPECT_TRUE(again.observer().FollowsZone());

    // A place without a zone keeps the shift it is given, and clears the stored zone.
    CurrentLocation fixed = paris;
    fixed.zoneName.clear();
    fixed.dstMinutes = 0;
    SetCurrentLocation(sim, fixed, &store);
    EXPECT_FALSE(sim.observer().FollowsZone());
    EXPECT_EQ(sim.observer().dstMinutes, 0);
    EXPECT_EQ(store.get(settings::TimezoneName), QString());
    EXPECT_EQ(store.get(settings::DST), 0);

    // Without settings, nothing is written.
    MemorySettingsStore untouched;
    const QStringList before = store.keys(QStringLiteral("Simulation"));
    SetCurrentLocation(sim, paris, nullptr);
    EXPECT_EQ(store.get(settings::TimezoneName), QString());
    EXPECT_EQ(store.keys(QStringLiteral("Simulation")), before);
}

TEST_F(CurrentLocationTest, FindLocationIgnoresCase) {
    QFile f(UserLocationsPath());
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("\"Paris, France\",48.85,2.33,2,Europe/Paris\n\"Lima\",-12.05,-77.04,-10\n");
    f.close();
    const auto paris = FindLocation(QStringLiteral("paris, FRANCE"));
    ASSERT_TRUE(paris.has_value());
    EXPECT_EQ(paris->name, QStringLiteral("Paris, France"));
    EXPECT_FALSE(FindLocation(QStringLiteral("Nowhere")).has_value());
    EXPECT_FALSE(FindLocation(QStringLiteral("Paris")).has_value());
}

// The list the program ships.
TEST(ShippedLocations, AtLeastThreeThousandUniquePlacesWithWorkingZones) {
    const auto places = LoadLocations(QStringLiteral(ORBIVALE_DATA_DIR "Locations.dat"));
    ASSERT_TRUE(places.has_value());
    EXPECT_GE(places->size(), 3000u);
    QSet<QString> names;
    int zoned = 0, unknownZones = 0;
    for (const NamedLocation& p : *places) {
        EXPECT_FALSE(names.contains(p.name.toCaseFolded())) << qPrintable(p.name);
        names.insert(p.name.toCaseFolded());
        if (!p.entry.zoneName.isEmpty()) {
            ++zoned;
            unknownZones += !QTimeZone::isTimeZoneIdAvailable(p.entry.zoneName.toUtf8());
        }
    }
    EXPECT_GE(zoned, 3000);
    EXPECT_EQ(unknownZones, 0);
    // Sorted as the chooser sorts, with the default place under its plain name.
    const LocationList sorted{std::vector<NamedLocation>(*places)};
    for (int i = 0; i < sorted.size(); ++i)
        ASSERT_EQ(sorted.at(i).name, (*places)[std::size_t(i)].name) << i;
    const int manchester = sorted.FindExact(QStringLiteral("Manchester"));
    ASSERT_GE(manchester, 0);
    EXPECT_EQ(LatitudeLabel(sorted.at(manchester).entry.latitude), QStringLiteral("53.47N"));
    EXPECT_EQ(sorted.at(manchester).entry.zoneName, QStringLiteral("Europe/London"));
    EXPECT_GE(sorted.FindExact(QStringLiteral("Paris")), 0);
    EXPECT_GE(sorted.FindExact(QStringLiteral("Paris, USA")), 0);
}
