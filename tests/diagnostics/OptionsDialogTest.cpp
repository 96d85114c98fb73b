#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QSignalSpy>
#include <QSlider>
#include <QTemporaryDir>
#include <algorithm>
#include <deque>

#include "core/SettingsStore.h"
#include "diagnostics/widgets/TDisplaySettings.h"
#include "support/TestSupport.h"

namespace {

// A store that notes every write, in order.
class RecordingStore : public MemorySettingsStore {
  public:
    std::vector<QString>* events = nullptr;
    QStringList writes;
    void write(const QString& section, const QString& key, const QString& value) override {
        writes << section + QLatin1Char('/') + key;
        if (events) events->push_back(section + QLatin1Char('/') + key);
        MemorySettingsStore::write(section, key, value);
    }
};

// The dialog with its directory chooser answered by the test.
class ScriptedOptions : public TDisplaySettings {
  public:
    using TDisplaySettings::TDisplaySettings;
    std::deque<QString> picks;
    QStringList starts;

  protected:
    QString ChooseDirectory(const QString& start) override {
        starts << start;
        if (picks.empty()) return QString();
        const QString pick = picks.front();
        picks.pop_front();
        return pick;
    }
};

class OptionsDialogTest : public ServicesTest {
  protected:
    void SetUp() override {
        ServicesTest::SetUp();
        state.drivers = {QStringLiteral("OpenGL Hardware Acceleration"),
                         QStringLiteral("Mesa llvmpipe Software Rasteriser")};
        state.driver = 1;
        state.initialBodies = {QStringLiteral("Mercury"), QStringLiteral("Earth"),
                               QStringLiteral("Mars"), QStringLiteral("Io")};
        state.mipmaps = true;
        state.ourTextures = false;
        state.starsDrawPrim = true;
        state.detailLevel = 2;
        hooks.setMipmaps = [this](bool on) { Note("mipmaps", on); };
        hooks.setDetailLevel = [this](int level) { Note("detail", level); };
        hooks.setAmbientLight = [this](double level) {
            ambient = level;
            events.push_back(QStringLiteral("ambient"));
        };
        hooks.setOurTextures = [this](bool on) { Note("textures", on); };
        hooks.setStarsDrawPrim = [this](bool on) { Note("stars", on); };
        hooks.changeDriver = [this](int index) {
            Note("driver", index);
            return switchesLive;
        };
        hooks.skyViewChanged = [this] { events.push_back(QStringLiteral("sky")); };
        hooks.setPrecise = [this](bool on) { Note("precise", on); };
        store.events = &events;
    }
    void Note(const char* what, int value) {
        events.push_back(QString::fromLatin1(what) + QLatin1Char('=') + QString::number(value));
    }
    std::unique_ptr<ScriptedOptions> Open() {
        auto d = std::make_unique<ScriptedOptions>(store, state, hooks);
        store.writes.clear();
        events.clear();
        return d;
    }
    QStringList Notes() const {
        QStringList texts;
        for (const auto& c : prompter.calls) texts << c.caption + QLatin1Char('|') + c.text;
        return texts;
    }

    RecordingStore store;
    options::ProgramState state;
    options::ProgramHooks hooks;
    std::vector<QString> events;
    double ambient = -1;
    bool switchesLive = false;
};

const QString kStarNote = QStringLiteral(
    "Note|The change you made to the number of stars loaded\nwill take effect the next time you "
    "load Orbivale.");

}  // namespace

TEST_F(OptionsDialogTest, ControlsShowTheSettingsAndTheProgram) {
    store.writeText(QStringLiteral("Simulation"), QStringLiteral("ShowSmallMoons"),
                    QStringLiteral("0"));
    store.writeText(QStringLiteral("Simulation"), QStringLiteral("InitialObject"),
                    QStringLiteral("Io"));
    store.writeText(QStringLiteral("Simulation"), QStringLiteral("LoadLimitMag"),
                    QStringLiteral("45"));
    store.writeText(QStringLiteral("Simulation"), QStringLiteral("AmbientLight"),
                    QStringLiteral("20"));
    store.writeText(QStringLiteral("SkyView"), QStringLiteral("DrawHorizon"), QStringLiteral("0"));
    store.writeText(QStringLiteral("Encyclopedia"), QStringLiteral("Location"),
                    QStringLiteral("/srv/encyclopedia"));
    store.writeText(QStringLiteral("General"), QStringLiteral("SaveLocation"),
                    QStringLiteral("/srv/positions"));
    auto d = Open();
    EXPECT_EQ(d->windowTitle(), QStringLiteral("Options"));
    EXPECT_EQ(d->tabs()->currentIndex(), TDisplaySettings::DisplayPage);
    ASSERT_EQ(d->deviceList()->count(), 2);
    EXPECT_EQ(d->deviceList()->currentRow(), 1);
    EXPECT_TRUE(d->useMipmaps()->isChecked());
    EXPECT_FALSE(d->useOurTextureLoader()->isChecked());
    EXPECT_TRUE(d->starsCompatMode()->isChecked());
    EXPECT_FALSE(d->skyHorizon()->isChecked());
    EXPECT_FALSE(d->showSmallMoons()->isChecked());
    EXPECT_EQ(d->initialBodyList()->count(), 4);
    EXPECT_EQ(d->initialBodyList()->currentItem()->text(), QStringLiteral("Io"));
    EXPECT_EQ(d->memoryUsageBar()->value(), 2);
    EXPECT_EQ(d->limitingMagBar()->value(), 45);
    EXPECT_EQ(d->limitingMagBar()->maximum(), 50);
    EXPECT_EQ(d->backgroundLight()->value(), 20);
    EXPECT_EQ(d->encycDir()->text(), QStringLiteral("/srv/encyclopedia"));
    EXPECT_EQ(d->storedLocs()->text(), QStringLiteral("/srv/positions"));
    EXPECT_TRUE(store.writes.isEmpty());
}

TEST_F(OptionsDialogTest, UnknownAndUnreadableValuesShowDefaultsAndKeepTheStoredName) {
    store.writeText(QStringLiteral("Simulation"), QStringLiteral("InitialObject"),
                    QStringLiteral("Vulcan"));
    store.writeText(QStringLiteral("Simulation"), QStringLiteral("LoadLimitMag"),
                    QStringLiteral("lots"));
    store.writeText(QStringLiteral("Simulation"), QStringLiteral("AmbientLight"),
                    QStringLiteral("999"));
    store.writeText(QStringLiteral("Simulation"), QStringLiteral("ShowSmallMoons"),
                    QStringLiteral("maybe"));
    state.driver = -1;
    auto d = Open();
    EXPECT_EQ(d->values().driver, -1);
    EXPECT_EQ(d->values().initialBody, -1);
    EXPECT_EQ(d->limitingMagBar()->value(), 30);
    EXPECT_EQ(d->backgroundLight()->value(), 50);
    EXPECT_TRUE(d->showSmallMoons()->isChecked());
    // Nothing stored: the installed encyclopedia and "Saved Positions" in the per-user data
    // folder, where Open and Save As start.
    EXPECT_EQ(d->encycDir()->text(), options::DefaultEncyclopediaFolder());
    EXPECT_EQ(d->storedLocs()->text(), QDir(dir.path()).filePath(QStringLiteral("Saved Positions")));

    d->OKClick();
    EXPECT_EQ(store.get(settings::InitialObject), QStringLiteral("Vulcan"));
    EXPECT_FALSE(store.writes.contains(QStringLiteral("Simulation/InitialObject")));
    EXPECT_FALSE(store.writes.contains(QStringLiteral("DirectX/3DDevice")));
    // The unreadable limit read as 30 and the bar says 30: no note.
    EXPECT_TRUE(prompter.calls.empty());
}

TEST_F(OptionsDialogTest, OkWritesEveryKeyAndActsInItsOrder) {
    auto d = Open();
    d->memoryUsageBar()->setValue(0);
    d->backgroundLight()->setValue(25);
    d->useOurTextureLoader()->setChecked(true);
    d->initialBodyList()->setCurrentRow(1);
    QSignalSpy accepted(d.get(), &QDialog::accepted);
    d->OKClick();
    EXPECT_EQ(accepted.count(), 1);
    const std::vector<QString> expected = {
        QStringLiteral("mipmaps=1"),
        QStringLiteral("DirectX/MipmapAutoGenerate"),
        QStringLiteral("Simulation/ShowSmallMoons"),
        QStringLiteral("Simulation/InitialObject"),
        QStringLiteral("detail=0"),
        QStringLiteral("Simulation/DetailLevel"),
        QStringLiteral("Simulation/AmbientLight"),
        QStringLiteral("ambient"),
        QStringLiteral("Simulation/LoadLimitMag"),
        QStringLiteral("DirectX/3DDevice"),
        QStringLiteral("textures=1"),
        QStringLiteral("DirectX/UseOurTextures"),
        QStringLiteral("stars=1"),
        QStringLiteral("DirectX/StarsUseDrawPrim"),
        QStringLiteral("Encyclopedia/Location"),
        QStringLiteral("General/SaveLocation"),
    };
    EXPECT_EQ(events, expected);
    EXPECT_DOUBLE_EQ(ambient, 0.25);
    EXPECT_EQ(store.get(settings::InitialObject), QStringLiteral("Earth"));
    EXPECT_EQ(store.get(settings::DetailLevel), 0);
    EXPECT_EQ(store.get(settings::Device3D), QStringLiteral("Mesa llvmpipe Software Rasteriser"));
    EXPECT_TRUE(store.get(settings::UseOurTextures));
    EXPECT_EQ(store.readText(QStringLiteral("Simulation"), QStringLiteral("LoadLimitMag"), {}),
              QStringLiteral("30"));
    // Nothing changed the star limit or the driver: no boxes.
    EXPECT_TRUE(prompter.calls.empty());
}

TEST_F(OptionsDialogTest, CancelWritesNothingAndActsOnNothing) {
    auto d = Open();
    d->limitingMagBar()->setValue(10);
    d->deviceList()->setCurrentRow(0);
    d->skyHorizon()->setChecked(false);
    d->reject();
    EXPECT_TRUE(store.writes.isEmpty());
    EXPECT_TRUE(events.empty());
    EXPECT_TRUE(prompter.calls.empty());
}

TEST_F(OptionsDialogTest, StarLimitNoteAndDriverChange) {
    // Only the star bar moves: one note, and the new limit is stored.
    auto d = Open();
    d->limitingMagBar()->setValue(40);
    d->OKClick();
    EXPECT_EQ(Notes(), QStringList{kStarNote});
    EXPECT_EQ(store.get(settings::LoadLimitMag), 40);

    // Opened again with nothing changed: no box, and the driver is left alone.
    prompter.calls.clear();
    auto again = Open();
    again->OKClick();
    EXPECT_TRUE(prompter.calls.empty());
    EXPECT_TRUE(std::none_of(events.begin(), events.end(), [](const QString& e) {
        return e.startsWith(QLatin1String("driver"));
    }));

    // Another driver: stored, handed over, and the note says when it applies.
    auto other = Open();
    other->deviceList()->setCurrentRow(0);
    other->OKClick();
    EXPECT_EQ(store.get(settings::Device3D), QStringLiteral("OpenGL Hardware Acceleration"));
    ASSERT_NE(std::find(events.begin(), events.end(), QStringLiteral("driver=0")), events.end());
    ASSERT_EQ(prompter.calls.size(), 1u);
    EXPECT_EQ(prompter.calls[0].caption, QStringLiteral("Note"));
    EXPECT_TRUE(prompter.calls[0].text.contains(QStringLiteral("3D device")));
    // The driver switches after the other choices are stored, before the folders.
    const auto at = [this](const char* e) {
        return std::find(events.begin(), events.end(), QString::fromLatin1(e)) - events.begin();
    };
    EXPECT_GT(at("driver=0"), at("DirectX/StarsUseDrawPrim"));
    EXPECT_LT(at("driver=0"), at("Encyclopedia/Location"));

    // Where the picture can switch at once, no note.
    prompter.calls.clear();
    switchesLive = true;
    auto live = Open();
    live->deviceList()->setCurrentRow(0);
    live->OKClick();
    EXPECT_TRUE(prompter.calls.empty());
}

TEST_F(OptionsDialogTest, HorizonIsWrittenWhenChangedAndTheSkyViewTold) {
    auto d = Open();
    d->skyHorizon()->setChecked(false);
    d->OKClick();
    EXPECT_FALSE(store.get(settings::SkyDrawHorizon));
    EXPECT_NE(std::find(events.begin(), events.end(), QStringLiteral("sky")), events.end());
    auto same = Open();
    same->OKClick();
    EXPECT_FALSE(store.writes.contains(QStringLiteral("SkyView/DrawHorizon")));
    EXPECT_EQ(std::find(events.begin(), events.end(), QStringLiteral("sky")), events.end());
}

TEST_F(OptionsDialogTest, PrecisePositionsShowTheRunningModelAndStoreOnlyAChange) {
    // Chosen with --precise for this run: the box shows it, and OK leaves the setting alone.
    state.precise = true;
    auto d = Open();
    EXPECT_TRUE(d->precise()->isChecked());
    d->OKClick();
    EXPECT_FALSE(store.writes.contains(QStringLiteral("Simulation/PreciseEphemeris")));
    EXPECT_EQ(std::find(events.begin(), events.end(), QStringLiteral("precise=1")), events.end());

    state.precise = false;
    auto off = Open();
    EXPECT_FALSE(off->precise()->isChecked());
    off->precise()->setChecked(true);
    off->OKClick();
    EXPECT_TRUE(store.get(settings::PreciseEphemeris));
    EXPECT_NE(std::find(events.begin(), events.end(), QStringLiteral("precise=1")), events.end());
}

TEST_F(OptionsDialogTest, NarratorVoiceIsReadAndWrittenOnlyWhenChanged) {
    store.writeText(QStringLiteral("Tutorials"), QStringLiteral("MuteNarrator"),
                    QStringLiteral("1"));
    auto d = Open();
    EXPECT_TRUE(d->muteNarrator()->isChecked());
    d->OKClick();
    EXPECT_FALSE(store.writes.contains(QStringLiteral("Tutorials/MuteNarrator")));
    auto again = Open();
    again->muteNarrator()->setChecked(false);
    again->OKClick();
    EXPECT_FALSE(store.get(settings::MuteNarrator));
}

TEST_F(OptionsDialogTest, EncyclopediaBrowserChecksForTheFrontPage) {
    QTemporaryDir good, bad;
    QFile page(good.filePath(QStringLiteral("SolFrame.htm")));
    ASSERT_TRUE(page.open(QIODevice::WriteOnly));
    page.close();
    store.writeText(QStringLiteral("Encyclopedia"), QStringLiteral("Location"),
                    QStringLiteral("/start"));
    auto d = Open();

    // A folder with the front page is taken without a question.
    d->picks = {good.path()};
    d->BrowseEncycClick();
    EXPECT_EQ(d->encycDir()->text(), good.path());
    EXPECT_EQ(d->starts, QStringList{QStringLiteral("/start")});
    EXPECT_TRUE(prompter.calls.empty());

    // Without it, Yes asks again (from the folder in the box) and the first pick is dropped.
    d->starts.clear();
    prompter.answer = MessageResult::Yes;
    d->picks = {bad.path(), good.path()};
    d->encycDir()->setText(QStringLiteral("/before"));
    d->BrowseEncycClick();
    EXPECT_EQ(d->encycDir()->text(), good.path());
    EXPECT_EQ(d->starts, QStringList({QStringLiteral("/before"), QStringLiteral("/before")}));
    ASSERT_EQ(prompter.calls.size(), 1u);
    EXPECT_EQ(prompter.calls[0].caption, QStringLiteral("Files not Found"));
    EXPECT_EQ(prompter.calls[0].text,
              QStringLiteral("The directory you chose does not contain the Orbivale\n"
                             "encyclopedia. Would you like to choose again?"));
    EXPECT_EQ(prompter.calls[0].buttons, MessageButtons::YesNo);

    // No keeps the folder all the same, and OK stores it.
    prompter.answer = MessageResult::No;
    d->picks = {bad.path()};
    d->BrowseEncycClick();
    EXPECT_EQ(d->encycDir()->text(), bad.path());

    // Cancelling the chooser leaves the box as it was.
    d->BrowseEncycClick();
    EXPECT_EQ(d->encycDir()->text(), bad.path());

    // The positions folder is taken as picked.
    d->picks = {bad.path()};
    d->BrowseLocsClick();
    EXPECT_EQ(d->storedLocs()->text(), bad.path());
    d->OKClick();
    EXPECT_EQ(store.get(settings::EncyclopediaLocation), bad.path());
    EXPECT_EQ(store.get(settings::SaveLocation), bad.path());
}

TEST_F(OptionsDialogTest, F1AndHelpOpenTheOptionsTopic) {
    auto d = Open();
    QSignalSpy help(d.get(), &TDisplaySettings::helpRequested);
    QKeyEvent release(QEvent::KeyRelease, Qt::Key_F1, Qt::NoModifier);
    QApplication::sendEvent(d->encycDir(), &release);
    ASSERT_EQ(help.count(), 1);
    EXPECT_EQ(help[0][0].toString(), QStringLiteral("Options"));
}
