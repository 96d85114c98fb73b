#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include "core/SettingsStore.h"
#include "core/Simulation.h"
#include "location/LocationFile.h"
#include "location/LocationList.h"
#include "location/widgets/TAddEditLocation.h"
#include "location/widgets/TChooseLocation.h"
#include "location/widgets/TSetDateTime.h"
#include "support/TestSupport.h"

namespace {

const QByteArray kShipped =
    "\"London\",51.50,-0.12,0,Europe/London\n"
    "\"Lima\",-12.05,-77.04,-10\n"
    "\"Adelaide\",-34.93,138.60,19,Australia/Adelaide\n";

QByteArray Read(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void Focus(QWidget* w) {
    QFocusEvent in(QEvent::FocusIn);
    QApplication::sendEvent(w, &in);
}

class DialogTest : public ServicesTest {
  protected:
    void SetUp() override {
        ServicesTest::SetUp();
        Services::instance().setDataDirectory(shipped.path());
        QFile f(shipped.filePath(QStringLiteral("Locations.dat")));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(kShipped);
        f.close();
        sim.SetClockSpeed(0);
        sim.SetSimTime(wall);
    }
    QTemporaryDir shipped;
    MemorySettingsStore store;
    SimTime wall = MakeSimTime(2026, 7, 15, 12, 0, 0);
    Simulation sim{store, [this] { return wall; }};
};

// The chooser with the add and edit dialog answered by the test.
class ScriptedChooser : public TChooseLocation {
  public:
    using TChooseLocation::TChooseLocation;
    NamedLocation answer;
    bool accept = true;
    int entryDialogs = 0;

  protected:
    bool RunEntryDialog(LocationEntry& entry, QString& name) override {
        ++entryDialogs;
        if (!accept) return false;
        entry = answer.entry;
        name = answer.name;
        return true;
    }
};

int RowOf(const TChooseLocation& d, const char* name) {
    const auto items = d.list()->findItems(QString::fromLatin1(name), Qt::MatchExactly);
    return items.isEmpty() ? -1 : d.list()->row(items.first());
}

}  // namespace

TEST_F(DialogTest, ChooserOpensWithTheListAndTheCurrentLocation) {
    TChooseLocation d(sim, store);
    EXPECT_EQ(d.windowTitle(), QStringLiteral("Choose Location"));
    ASSERT_EQ(d.list()->count(), 3);
    EXPECT_EQ(d.list()->item(0)->text(), QStringLiteral("Adelaide"));  // sorted
    EXPECT_EQ(d.currentBox()->title(), QStringLiteral("Current: Manchester"));
    EXPECT_EQ(d.currentLabels()[0]->text(), QStringLiteral("53.00N"));
    EXPECT_EQ(d.currentLabels()[1]->text(), QStringLiteral("000.00E"));
    EXPECT_EQ(d.currentLabels()[2]->text(), QStringLiteral("GMT+00:00"));
    EXPECT_FALSE(d.daylightSavingBox()->isChecked());
    EXPECT_FALSE(d.editButton()->isEnabled());
    EXPECT_FALSE(d.deleteButton()->isEnabled());
    EXPECT_FALSE(d.setButton()->isEnabled());
    EXPECT_TRUE(d.detailsBox()->title().isEmpty());

    d.list()->setCurrentRow(RowOf(d, "Lima"));
    EXPECT_EQ(d.detailsBox()->title(), QStringLiteral("Lima"));
    EXPECT_EQ(d.detailLabels()[0]->text(), QStringLiteral("12.05S"));
    EXPECT_EQ(d.detailLabels()[1]->text(), QStringLiteral("077.04W"));
    EXPECT_EQ(d.detailLabels()[2]->text(), QStringLiteral("GMT-05:00"));
    EXPECT_TRUE(d.setButton()->isEnabled());

    // Set changes the current box only; Cancel keeps the previous location.
    d.SetClick();
    EXPECT_EQ(d.currentBox()->title(), QStringLiteral("Current: Lima"));
    d.reject();
    EXPECT_EQ(d.result(), QDialog::Rejected);
    EXPECT_EQ(sim.observer().locationName, QStringLiteral("Manchester"));
    EXPECT_TRUE(prompter.calls.empty());  // the list was not changed: no question
    EXPECT_FALSE(store.read(QStringLiteral("Simulation"), QStringLiteral("Location")));
}

TEST_F(DialogTest, OkAppliesTheLocationWithItsDaylightSaving) {
    TChooseLocation d(sim, store);
    QSignalSpy applied(&d, &TChooseLocation::locationApplied);
    d.list()->setCurrentRow(RowOf(d, "London"));
    d.SetClick();
    EXPECT_TRUE(d.daylightSavingBox()->isChecked());  // London's rules in July
    d.OkClick();
    EXPECT_EQ(d.result(), QDialog::Accepted);
    EXPECT_EQ(sim.observer().locationName, QStringLiteral("London"));
    EXPECT_TRUE(sim.observer().FollowsZone());
    EXPECT_EQ(sim.observer().zoneText, QStringLiteral("GMT+00:00 +60 minutes DST"));
    EXPECT_EQ(store.get(settings::Location), QStringLiteral("London"));
    EXPECT_EQ(store.get(settings::DST), 60);
    ASSERT_EQ(applied.count(), 1);
    EXPECT_NEAR(applied.at(0).at(0).toDouble(), 51.5, 1e-4);
    EXPECT_FALSE(QFile::exists(UserLocationsPath()));  // the list was not changed

    // Ticking and unticking the box re-applies the location although nothing else changed.
    store.remove(QStringLiteral("Simulation"), QStringLiteral("Location"));
    TChooseLocation again(sim, store);
    QSignalSpy appliedAgain(&again, &TChooseLocation::locationApplied);
    EXPECT_TRUE(again.daylightSavingBox()->isChecked());
    again.daylightSavingBox()->click();
    again.daylightSavingBox()->click();
    again.OkClick();
    EXPECT_EQ(appliedAgain.count(), 1);
    EXPECT_EQ(store.get(settings::Location), QStringLiteral("London"));
    EXPECT_TRUE(sim.observer().FollowsZone());

    // Unticked against the rules, the shift is fixed by hand.
    TChooseLocation manual(sim, store);
    manual.daylightSavingBox()->click();
    manual.OkClick();
    EXPECT_FALSE(sim.observer().FollowsZone());
    EXPECT_EQ(sim.observer().dstMinutes, 0);
    EXPECT_EQ(store.get(settings::TimezoneName), QString());
}

TEST_F(DialogTest, ListChangesAreSavedToTheUsersCopy) {
    ScriptedChooser d(sim, store);
    d.answer = {QStringLiteral("Berlin"), {52.52f, 13.40f, 2, QString()}};
    d.AddClick();
    EXPECT_EQ(d.list()->count(), 4);
    EXPECT_EQ(d.list()->currentItem()->text(), QStringLiteral("Berlin"));
    EXPECT_EQ(d.detailsBox()->title(), QStringLiteral("Berlin"));

    d.list()->setCurrentRow(RowOf(d, "Lima"));
    d.answer = {QStringLiteral("Zanzibar"), {-6.16f, 39.20f, 6, QString()}};
    d.EditClick();
    EXPECT_EQ(RowOf(d, "Lima"), -1);
    EXPECT_EQ(RowOf(d, "Zanzibar"), 3);
    EXPECT_EQ(d.list()->currentRow(), 3);

    prompter.answer = MessageResult::Yes;
    d.list()->setCurrentRow(RowOf(d, "Adelaide"));
    d.DeleteClick();
    ASSERT_EQ(prompter.calls.size(), 1u);
    EXPECT_EQ(prompter.calls[0].text,
              QStringLiteral("Are you sure you want to delete this location?"));
    EXPECT_EQ(prompter.calls[0].caption, QStringLiteral("Delete"));
    EXPECT_EQ(RowOf(d, "Adelaide"), -1);
    EXPECT_FALSE(d.setButton()->isEnabled());

    d.OkClick();
    EXPECT_EQ(Read(UserLocationsPath()), QByteArray("\"Berlin\",52.52,13.40,2\n"
                                                    "\"London\",51.50,-0.12,0,Europe/London\n"
                                                    "\"Zanzibar\",-6.16,39.20,6\n"));
    EXPECT_EQ(Read(shipped.filePath(QStringLiteral("Locations.dat"))), kShipped);

    // The next opening reads the user's copy.
    TChooseLocation next(sim, store);
    EXPECT_EQ(next.list()->count(), 3);
    EXPECT_EQ(next.list()->item(0)->text(), QStringLiteral("Berlin"));
}

TEST_F(DialogTest, CancelAsksBeforeDroppingChanges) {
    ScriptedChooser d(sim, store);
    d.accept = false;
    d.AddClick();
    EXPECT_EQ(d.entryDialogs, 1);
    EXPECT_EQ(d.list()->count(), 3);
    EXPECT_FALSE(d.chooser().listModified());

    d.accept = true;
    d.answer = {QStringLiteral("Oslo"), {59.91f, 10.75f, 2, QString()}};
    d.AddClick();
    prompter.answer = MessageResult::No;
    d.reject();
    ASSERT_EQ(prompter.calls.size(), 1u);
    EXPECT_EQ(prompter.calls[0].text,
              QStringLiteral("Do you to save the changes you made to the location list?"));
    EXPECT_EQ(prompter.calls[0].caption, QStringLiteral("Cancel"));
    EXPECT_FALSE(QFile::exists(UserLocationsPath()));

    ScriptedChooser yes(sim, store);
    yes.answer = d.answer;
    yes.AddClick();
    prompter.answer = MessageResult::Yes;
    yes.reject();
    EXPECT_TRUE(Read(UserLocationsPath()).contains("\"Oslo\",59.91,10.75,2\n"));
}

TEST_F(DialogTest, FailedSaveIsReportedAndTheDialogStillCloses) {
    // The per-user folder is a file, so the copy cannot be written.
    QFile blocker(dir.filePath(QStringLiteral("blocked")));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    Services::instance().setUserDataDirectory(blocker.fileName());
    ScriptedChooser d(sim, store);
    d.answer = {QStringLiteral("Oslo"), {59.91f, 10.75f, 2, QString()}};
    d.AddClick();
    d.OkClick();
    EXPECT_EQ(d.result(), QDialog::Accepted);
    ASSERT_EQ(prompter.calls.size(), 1u);
    EXPECT_TRUE(prompter.calls[0].text.startsWith(
        QStringLiteral("Could not save locations, because of error: ")));
    EXPECT_EQ(Read(shipped.filePath(QStringLiteral("Locations.dat"))), kShipped);
}

TEST_F(DialogTest, AddDialogFieldsKeysAndChecks) {
    const LocationList list({{QStringLiteral("Lima"), {-12.05f, -77.04f, -10, QString()}}});
    TAddEditLocation d(list, QString(), LocationEntry{});
    EXPECT_EQ(d.windowTitle(), QStringLiteral("Add New Location"));
    EXPECT_TRUE(d.nameBox()->text().isEmpty());
    EXPECT_TRUE(d.timeZoneList()->selectedItems().isEmpty());
    EXPECT_TRUE(d.fieldNote()->text().startsWith(QStringLiteral("All locations must have")));
    Focus(d.latitudeBox());
    EXPECT_TRUE(d.fieldNote()->text().startsWith(QStringLiteral("The latitude of a location")));
    Focus(d.timeZoneList());
    EXPECT_TRUE(d.fieldNote()->text().startsWith(QStringLiteral("The time-zone a location")));

    // OK with a field missing: the message, and the dialog stays open.
    d.OkClick();
    ASSERT_EQ(prompter.calls.size(), 1u);
    EXPECT_EQ(prompter.calls[0].text, QStringLiteral("You must complete all fields."));
    EXPECT_EQ(prompter.calls[0].caption, QStringLiteral("Location"));
    EXPECT_EQ(prompter.calls[0].icon, MessageIcon::Stop);
    EXPECT_NE(d.result(), QDialog::Accepted);

    // Letters turn into capitals as they are typed; Enter in the longitude box picks the zone
    // the longitude suggests.
    QTest::keyClicks(d.nameBox(), QStringLiteral("Sanford"));
    QTest::keyClicks(d.latitudeBox(), QStringLiteral("28.80n"));
    EXPECT_EQ(d.latitudeBox()->text(), QStringLiteral("28.80N"));
    QTest::keyClicks(d.longitudeBox(), QStringLiteral("81.28w"));
    EXPECT_EQ(d.longitudeBox()->text(), QStringLiteral("81.28W"));
    QTest::keyClick(d.longitudeBox(), Qt::Key_Return);
    ASSERT_EQ(d.timeZoneList()->selectedItems().size(), 1);
    EXPECT_EQ(d.timeZoneList()->currentItem()->text(),
              QStringLiteral("GMT-05:00  (Eastern Standard Time)"));
    // Enter in the list is OK.
    QTest::keyClick(d.timeZoneList(), Qt::Key_Return);
    EXPECT_EQ(d.result(), QDialog::Accepted);
    EXPECT_EQ(d.LocationName(), QStringLiteral("Sanford"));
    EXPECT_FLOAT_EQ(d.entry().latitude, 28.80f);
    EXPECT_FLOAT_EQ(d.entry().longitude, -81.28f);
    EXPECT_EQ(d.entry().timeZone, -10);
}

TEST_F(DialogTest, EditDialogShowsTheEntryAndRefusesAnotherPlacesName) {
    const LocationList list({{QStringLiteral("Lima"), {-12.05f, -77.04f, -10, QString()}},
                             {QStringLiteral("Quito"), {-0.22f, -78.5f, -10, QString()}}});
    TAddEditLocation d(list, QStringLiteral("Quito"), list.at(1).entry);
    QSignalSpy clash(&d, &TAddEditLocation::nameClash);
    EXPECT_EQ(d.windowTitle(), QStringLiteral("Edit Location"));
    EXPECT_EQ(d.nameBox()->text(), QStringLiteral("Quito"));
    EXPECT_EQ(d.latitudeBox()->text(), QStringLiteral("00.22S"));
    EXPECT_EQ(d.longitudeBox()->text(), QStringLiteral("078.50W"));
    EXPECT_EQ(d.timeZoneList()->currentRow(), 7);

    d.nameBox()->setText(QStringLiteral(" Lima "));
    d.OkClick();
    ASSERT_EQ(prompter.calls.size(), 1u);
    EXPECT_EQ(prompter.calls[0].text, QStringLiteral("Another entry exists with this name."));
    EXPECT_EQ(prompter.calls[0].caption, QStringLiteral("Name"));
    EXPECT_EQ(d.nameBox()->text(), QStringLiteral("Lima"));  // trimmed in the box
    ASSERT_EQ(clash.count(), 1);
    EXPECT_EQ(clash.at(0).at(0).toInt(), 0);
    EXPECT_NE(d.result(), QDialog::Accepted);

    // Its own name passes; the labels it opened with read back as the same place.
    d.nameBox()->setText(QStringLiteral("Quito"));
    d.OkClick();
    EXPECT_EQ(d.result(), QDialog::Accepted);
    EXPECT_FLOAT_EQ(d.entry().latitude, -0.22f);
    EXPECT_FLOAT_EQ(d.entry().longitude, -78.5f);
}

TEST_F(DialogTest, DateDialogOpensAtTheLocalTimeAndChecksTheDate) {
    sim.SetTimeZone(2, 0);
    sim.SetLocalTime(MakeSimTime(2026, 12, 8, 14, 37, 0));
    sim.observer().locationName = QStringLiteral("Cairo");
    TSetDateTime d(sim);
    EXPECT_EQ(d.windowTitle(), QStringLiteral("Set Date and Time"));
    EXPECT_EQ(d.day()->currentText(), QStringLiteral("8"));
    EXPECT_EQ(d.month()->currentText(), QStringLiteral("December"));
    EXPECT_EQ(d.year()->currentText(), QStringLiteral("2026"));
    EXPECT_EQ(d.hour()->currentText(), QStringLiteral("14"));
    EXPECT_EQ(d.minute()->currentText(), QStringLiteral("35"));
    EXPECT_EQ(d.year()->count(), 199);
    EXPECT_EQ(d.tipLabel()->text(),
              QStringLiteral("Remember this is the date and time of the current locality. The "
                             "current locality is Cairo (GMT+01:00)."));

    auto choose = [&](int day, const char* month, int year) {
        d.day()->setCurrentIndex(day - 1);
        d.month()->setCurrentText(QString::fromLatin1(month));
        d.year()->setCurrentText(QString::number(year));
        prompter.calls.clear();
        d.OkayClick();
        return prompter.calls.empty() ? QString() : prompter.calls.back().text;
    };
    EXPECT_EQ(choose(31, "September", 2026), QStringLiteral("September only has 30 days."));
    EXPECT_EQ(prompter.calls.back().caption, QStringLiteral("Set Date"));
    EXPECT_EQ(prompter.calls.back().icon, MessageIcon::Information);
    EXPECT_EQ(choose(30, "February", 2000), QStringLiteral("February does not have 30 days."));
    EXPECT_EQ(choose(29, "February", 1900 + 101), QStringLiteral("2001 is not a leap year."));
    EXPECT_NE(d.result(), QDialog::Accepted);
    EXPECT_EQ(sim.LocalNow(), MakeSimTime(2026, 12, 8, 14, 37, 0));  // untouched so far

    EXPECT_EQ(choose(29, "February", 2000), QString());
    EXPECT_EQ(d.result(), QDialog::Accepted);
    EXPECT_EQ(sim.LocalNow(), MakeSimTime(2000, 2, 29, 14, 35, 0));
    EXPECT_EQ(sim.SimNow(), MakeSimTime(2000, 2, 29, 13, 35, 0));
}

TEST_F(DialogTest, DateDialogBeyondTheCalendarKeepsTheLeapYearRule) {
    sim.SetSimTime(MakeSimTime(2100, 3, 10, 9, 0, 0));
    TSetDateTime d(sim);
    EXPECT_EQ(d.year()->itemText(d.year()->count() - 1), QStringLiteral("2100"));
    EXPECT_EQ(d.year()->currentText(), QStringLiteral("2100"));
    d.day()->setCurrentIndex(28);
    d.month()->setCurrentIndex(1);
    d.OkayClick();
    ASSERT_EQ(prompter.calls.size(), 1u);
    EXPECT_EQ(prompter.calls[0].text, QStringLiteral("2100 is not a leap year."));
}
