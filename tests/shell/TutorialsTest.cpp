#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QKeyEvent>
#include <QMdiSubWindow>
#include <QTimer>

#include "core/Body.h"
#include "core/SettingsStore.h"
#include "maps/widgets/TJupiterMoon.h"
#include "maps/widgets/TSolarSystemMap.h"
#include "shell/widgets/TMDIContainer.h"
#include "shell/widgets/Tutorials.h"
#include "sky/widgets/TSkyView.h"
#include "support/TestSupport.h"
#include "tours/TimerScheduler.h"
#include "tours/widgets/ScreenNarrator.h"
#include "viewer/widgets/TViewScreen.h"
#include "viewer/widgets/TViewScreenControls.h"

namespace {

// What the program looked like each time the narrator was asked something.
struct Moment {
    QString what;            // "speak <line>", "place", "gesture", "play <animation>"
    QPoint at;               // place and gesture
    double fromMercury = 0;  // km from the camera to Mercury's centre
    bool viewerMinimised = false;
    bool mapShown = false, mapMinimised = false;
    bool skyShown = false, skyMinimised = false;
    bool jupiterOpen = false;
    MapView map;
    QString target;
};

// A narrator that finishes everything at once and notes the program's state each time.
class FakeNarrator : public Narrator {
  public:
    explicit FakeNarrator(TMDIContainer& main) : main_(main) {}
    std::vector<Moment> moments;
    bool holdLines = false;  // lines never end by themselves
    StartResult result = StartResult::Started;

    StartResult Start() override {
        if (result == StartResult::Started) started_ = true;
        return result;
    }
    void Shutdown() override { started_ = false; }
    bool started() const override { return started_; }
    void PlaceAt(QPoint p) override { Note(QStringLiteral("place"), p); }
    int Play(TourAnimation a) override {
        Note(QStringLiteral("play ") + Tours::AnimationName(a), {});
        return Done();
    }
    int GestureAt(QPoint p) override {
        Note(QStringLiteral("gesture"), p);
        return Done();
    }
    int Speak(const QString& text) override {
        Note(QStringLiteral("speak ") + text, {});
        return holdLines ? ++next_ : Done();
    }
    std::vector<Moment> Lines() const {
        std::vector<Moment> out;
        for (const Moment& m : moments)
            if (m.what.startsWith(QLatin1String("speak "))) out.push_back(m);
        return out;
    }
    const Moment* Line(const QString& start) const {
        for (const Moment& m : moments)
            if (m.what.startsWith(QStringLiteral("speak ") + start)) return &m;
        return nullptr;
    }

  private:
    int Done() {
        const int id = ++next_;
        QTimer::singleShot(0, this, [this, id] { emit requestCompleted(id); });
        return id;
    }
    void Note(const QString& what, QPoint at) {
        Moment m;
        m.what = what;
        m.at = at;
        Simulation& sim = main_.simulation();
        if (Body* mercury = sim.FindBody(QStringLiteral("Mercury")))
            m.fromMercury = scene::Length(mercury->positionKm() - sim.camera().position);
        auto sub = [](QWidget* w) {
            return w ? qobject_cast<QMdiSubWindow*>(w->parentWidget()) : nullptr;
        };
        m.viewerMinimised = sub(main_.viewer())->isMinimized();
        m.mapShown = main_.mapWindow()->isVisible();
        m.mapMinimised = main_.mapWindow()->isMinimized();
        m.skyShown = main_.skyViewWindow()->isVisible();
        m.skyMinimised = main_.skyViewWindow()->isMinimized();
        m.jupiterOpen = main_.jupiterMoons() && main_.jupiterMoons()->isVisible();
        m.map = main_.map()->SavedView();
        Body* t = main_.controls()->SelectedTarget();
        m.target = t ? t->name() : QString();
        moments.push_back(m);
    }
    TMDIContainer& main_;
    bool started_ = false;
    int next_ = 0;
};

class TutorialsTest : public ServicesTest {
  protected:
    QTemporaryDir settingsDir;
    std::unique_ptr<Session> session;
    std::unique_ptr<TMDIContainer> main;
    std::unique_ptr<FakeNarrator> narrator;
    // Half a second of tour time is half a millisecond here.
    TimerScheduler fast{0.001};
    std::optional<TourRunner::End> end;

    void Start() {
        CommandLine cl;
        cl.settingsDir = settingsDir.path();
        cl.utc = MakeSimTime(2026, 12, 8, 0, 0, 0);
        cl.width = 1280;
        cl.height = 900;
        session = std::make_unique<Session>(cl);
        main = std::make_unique<TMDIContainer>(*session);
        ASSERT_TRUE(main->Start());
        QCoreApplication::processEvents();
        narrator = std::make_unique<FakeNarrator>(*main);
        tutorials().UseNarrator(*narrator, fast);
        Watch();
    }
    void Watch() {
        QObject::connect(&tutorials().runner(), &TourRunner::finished,
                         [this](TourRunner::End how) { end = how; });
    }
    void TearDown() override {
        main.reset();
        narrator.reset();
        session.reset();
        ServicesTest::TearDown();
    }
    Tutorials& tutorials() { return *main->tutorials(); }
    QString TourPath(const QString& title) {
        for (const auto& t : tutorials().tours())
            if (t.title == title) return t.path;
        return QString();
    }
    // Runs the event loop until the tour ends; false if it has not ended in `limitMs`.
    bool RunToEnd(int limitMs) {
        QElapsedTimer t;
        t.start();
        while (!end && t.elapsed() < limitMs)
            QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
        return end.has_value();
    }
    QStringList LinesOf(const QString& title) {
        QStringList lines;
        const auto script = Tours::ReadFile(TourPath(title));
        if (!script) return lines;
        for (const TourStep& s : script->steps)
            if (s.kind == TourStepKind::Speak) lines << QStringLiteral("speak ") + s.text;
        return lines;
    }
};

}  // namespace

TEST_F(TutorialsTest, TheOverviewSaysEveryLineAndDrivesTheWindows) {
    Start();
    // Help > Tutorials lists the three tours, then the mute item.
    ASSERT_EQ(tutorials().tourItems().size(), 3);
    EXPECT_EQ(tutorials().tourItems()[0]->text(), QStringLiteral("General Overview"));
    EXPECT_EQ(tutorials().muteItem()->text(), QStringLiteral("Mute the Narrator's Voice"));
    const scene::Vec3 cameraAtStart = main->simulation().camera().position;

    tutorials().tourItems()[0]->trigger();
    EXPECT_TRUE(tutorials().stopButton()->isVisible());
    EXPECT_EQ(tutorials().stopButton()->toolTip(), QStringLiteral("Stop the Tutorial (Esc)"));
    ASSERT_TRUE(RunToEnd(60000));
    EXPECT_EQ(end, TourRunner::End::Finished);
    EXPECT_FALSE(tutorials().stopButton()->isVisible());

    QStringList said;
    for (const Moment& m : narrator->Lines()) said << m.what;
    EXPECT_EQ(said, LinesOf(QStringLiteral("General Overview")));
    ASSERT_EQ(said.size(), 15);

    const double mercuryRadius =
        main->simulation().FindBody(QStringLiteral("Mercury"))->largestRadius();
    // The first two lines are said where the camera started; the camera is at Mercury,
    // 10 radii out on its sunny side, by the line that says so.
    const auto lines = narrator->Lines();
    EXPECT_GT(lines[1].fromMercury, 1000 * mercuryRadius);
    const Moment* moved = narrator->Line(QStringLiteral("I have moved the camera to Mercury"));
    ASSERT_TRUE(moved);
    EXPECT_LT(moved->fromMercury, 12 * mercuryRadius);
    EXPECT_GT(moved->fromMercury, 9 * mercuryRadius);
    EXPECT_EQ(moved->target, QStringLiteral("Mercury"));
    EXPECT_EQ(main->simulation().ClockSpeed(), 1);
    EXPECT_NE(main->simulation().camera().position.x, cameraAtStart.x);

    // The map is shown with labels and orbits, then zoomed to the camera, then minimised.
    const Moment* overhead = narrator->Line(QStringLiteral("This window displays an overhead"));
    const Moment* zoomed = narrator->Line(QStringLiteral("Here I have zoomed the map"));
    ASSERT_TRUE(overhead && zoomed);
    EXPECT_TRUE(overhead->mapShown && !overhead->mapMinimised);
    EXPECT_TRUE(main->map()->labelsBox()->isChecked());
    EXPECT_TRUE(main->map()->planetOrbitsBox()->isChecked());
    EXPECT_NEAR(zoomed->map.x, main->simulation().camera().position.x, zoomed->map.width);
    EXPECT_NEAR(zoomed->map.y, main->simulation().camera().position.z, zoomed->map.width);
    EXPECT_LT(zoomed->map.width, 1.0e6);
    EXPECT_GT(overhead->map.width, 1.0e7);
    EXPECT_TRUE(main->mapWindow()->isMinimized());

    // The sky view is shown while it is talked about, then minimised.
    const Moment* sky = narrator->Line(QStringLiteral("You can view the sky"));
    ASSERT_TRUE(sky);
    EXPECT_TRUE(sky->skyShown && !sky->skyMinimised);
    EXPECT_TRUE(sky->mapMinimised);
    EXPECT_TRUE(main->skyViewWindow()->isMinimized());

    // Jupiter's moons open for their two lines and are closed afterwards.
    const Moment* telescope = narrator->Line(QStringLiteral("If you have access"));
    const Moment* galileo = narrator->Line(QStringLiteral("These four moons"));
    ASSERT_TRUE(telescope && galileo);
    EXPECT_TRUE(telescope->jupiterOpen && galileo->jupiterOpen);
    EXPECT_FALSE(narrator->Line(QStringLiteral("That concludes"))->jupiterOpen);
    EXPECT_FALSE(main->jupiterMoons());

    // The narrator stood by each window as it talked about it, and hid at the end.
    int placeBeforeHeart = -1;
    for (std::size_t i = 0; i < narrator->moments.size(); ++i) {
        if (narrator->moments[i].what.startsWith(QLatin1String("speak The heart"))) break;
        if (narrator->moments[i].what == QLatin1String("place")) placeBeforeHeart = int(i);
    }
    ASSERT_GE(placeBeforeHeart, 0);
    TViewScreen* v = main->viewer();
    EXPECT_EQ(narrator->moments[std::size_t(placeBeforeHeart)].at,
              v->mapToGlobal(QPoint(int(0.8 * v->width()), v->height() / 2)));
    EXPECT_EQ(narrator->moments[narrator->moments.size() - 1].what, QStringLiteral("play Hiding"));
}

TEST_F(TutorialsTest, EscDuringTheFirstLineEndsTheOverviewBeforeTheCameraMoves) {
    Start();
    narrator->holdLines = true;
    const scene::Vec3 cameraAtStart = main->simulation().camera().position;
    ASSERT_TRUE(tutorials().StartTour(TourPath(QStringLiteral("General Overview"))));
    QElapsedTimer t;
    t.start();
    while (narrator->Lines().empty() && t.elapsed() < 5000) QCoreApplication::processEvents();
    ASSERT_EQ(narrator->Lines().size(), 1u);
    QKeyEvent esc(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
    QApplication::sendEvent(main->viewer(), &esc);
    ASSERT_TRUE(RunToEnd(10000));
    EXPECT_EQ(end, TourRunner::End::Stopped);
    EXPECT_EQ(narrator->Lines().size(), 1u);
    EXPECT_EQ(main->controls()->SelectedTarget()->name(), QStringLiteral("Mars"));
    EXPECT_EQ(main->simulation().camera().position.x, cameraAtStart.x);
    EXPECT_FALSE(narrator->started());
    EXPECT_FALSE(tutorials().stopButton()->isVisible());

    // The stop button works the same way, and the next tour starts afresh.
    end.reset();
    ASSERT_TRUE(tutorials().StartTour(TourPath(QStringLiteral("Viewer"))));
    QCoreApplication::processEvents();
    tutorials().stopButton()->trigger();
    ASSERT_TRUE(RunToEnd(10000));
    EXPECT_EQ(end, TourRunner::End::Stopped);
}

TEST_F(TutorialsTest, AMinimisedViewerIsRestoredBeforeTheNarratorPointsAtIt) {
    Start();
    auto* viewerWindow = qobject_cast<QMdiSubWindow*>(main->viewer()->parentWidget());
    for (const QString& title : {QStringLiteral("Viewer"), QStringLiteral("General Overview")}) {
        narrator->moments.clear();
        end.reset();
        viewerWindow->showMinimized();
        QCoreApplication::processEvents();
        ASSERT_TRUE(viewerWindow->isMinimized());
        ASSERT_TRUE(tutorials().StartTour(TourPath(title)));
        ASSERT_TRUE(RunToEnd(60000)) << title.toStdString();
        EXPECT_EQ(end, TourRunner::End::Finished);
        // Every time the narrator stood by a window or pointed, the Viewer was open (the
        // overview's greeting stands in the middle of the screen first).
        const QRect screen = main->screen()->geometry();
        const QPoint middle = screen.topLeft() + QPoint(screen.width() / 2, screen.height() / 2);
        int checked = 0;
        for (const Moment& m : narrator->moments)
            if ((m.what == QLatin1String("place") && m.at != middle) ||
                m.what == QLatin1String("gesture")) {
                EXPECT_FALSE(m.viewerMinimised) << title.toStdString();
                ++checked;
            }
        EXPECT_GT(checked, 2);
    }
}

TEST_F(TutorialsTest, ANarratorThatCannotStartSaysSoAndTheTourDoesNotRun) {
    Start();
    narrator->result = Narrator::StartResult::CannotStart;
    EXPECT_FALSE(tutorials().StartTour(TourPath(QStringLiteral("Viewer"))));
    ASSERT_EQ(prompter.calls.size(), 1u);
    EXPECT_EQ(prompter.calls[0].caption, QStringLiteral("Tutorial"));
    EXPECT_TRUE(
        prompter.calls[0].text.startsWith(QStringLiteral("The narrator could not be started.")));
    EXPECT_EQ(prompter.calls[0].icon, MessageIcon::Stop);
    EXPECT_TRUE(narrator->moments.empty());
    narrator->result = Narrator::StartResult::NoCharacter;
    EXPECT_FALSE(tutorials().StartTour(TourPath(QStringLiteral("Viewer"))));
    ASSERT_EQ(prompter.calls.size(), 2u);
    EXPECT_TRUE(prompter.calls[1].text.startsWith(QStringLiteral("The narrator's character")));
    // A tour file that is not one says why.
    EXPECT_FALSE(tutorials().StartTour(QStringLiteral("/no/such.tour")));
    ASSERT_EQ(prompter.calls.size(), 3u);
    EXPECT_TRUE(prompter.calls[2].text.contains(QStringLiteral("could not be read")));
}

// The real narrator on this display, which has no sound: every tour runs to its end with the
// balloon only. The limit is on the tour (at fifty times its pace), not a timing.
TEST_F(TutorialsTest, EveryTourRunsToItsEndWithTheBalloonOnly) {
    Start();
    ScreenNarrator& real = tutorials().screenNarrator();
    real.setPace(0.02);
    TimerScheduler quick(0.02);
    tutorials().UseNarrator(real, quick);
    Watch();
    for (QAction* tour : tutorials().tourItems()) {
        end.reset();
        tour->trigger();
        ASSERT_TRUE(tutorials().runner().running()) << tour->text().toStdString();
        ASSERT_TRUE(RunToEnd(120000)) << tour->text().toStdString() << " did not end";
        EXPECT_EQ(end, TourRunner::End::Finished) << tour->text().toStdString();
        EXPECT_EQ(tutorials().runner().givenUp(), 0) << tour->text().toStdString();
        EXPECT_FALSE(real.lastLineHeard());
        EXPECT_FALSE(real.started());
    }
    // The muted voice is a setting the menu writes.
    tutorials().muteItem()->trigger();
    EXPECT_TRUE(main->settings().get(settings::MuteNarrator));
}
