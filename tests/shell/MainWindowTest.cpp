#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QDir>
#include <QImageReader>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QScrollArea>
#include <QSlider>
#include <QStatusBar>
#include <QTabBar>
#include <QThread>
#include <QTimer>
#include <QToolButton>
#include <QTreeWidget>
#include <QWheelEvent>

#include "console/widgets/TConsole.h"
#include "core/Body.h"
#include "core/Log.h"
#include "core/SettingsStore.h"
#include "diagnostics/widgets/TDebugWindow.h"
#include "diagnostics/widgets/TDisplaySettings.h"
#include "location/LocationList.h"
#include "location/widgets/TChooseLocation.h"
#include "maps/widgets/TSolarSystemMap.h"
#include "shell/SystemInfoReport.h"
#include "shell/widgets/HelpBrowser.h"
#include "shell/widgets/TMDIContainer.h"
#include "sky/widgets/TSkyView.h"
#include "support/TestSupport.h"
#include "viewer/widgets/TViewScreen.h"
#include "viewer/widgets/TViewScreenControls.h"

namespace {

class MainWindowTest : public ServicesTest {
  protected:
    QTemporaryDir settingsDir;
    std::unique_ptr<Session> session;
    std::unique_ptr<TMDIContainer> main;
    QString location;  // --location

    bool Start(const QByteArray& ini = QByteArray()) {
        if (!ini.isEmpty()) {
            QDir().mkpath(settingsDir.path() + QStringLiteral("/Tarnwick"));
            QFile f(settingsDir.path() + QStringLiteral("/Tarnwick/Orbivale.ini"));
            f.open(QIODevice::WriteOnly);
            f.write(ini);
        }
        CommandLine cl;
        cl.settingsDir = settingsDir.path();
        cl.utc = MakeSimTime(2026, 12, 8, 0, 0, 0);
        cl.width = 1280;
        cl.height = 900;
        cl.location = location;
        session = std::make_unique<Session>(cl);
        main = std::make_unique<TMDIContainer>(*session);
        const bool ok = main->Start();
        QCoreApplication::processEvents();
        return ok;
    }
    void TearDown() override {
        main.reset();
        session.reset();
        ServicesTest::TearDown();
    }
    // The item of a main-window menu, by the menu's title and the item's text.
    QAction* MenuAction(const QString& menu, const QString& text) const {
        for (QAction* m : main->menuBar()->actions())
            if (m->text().remove(QLatin1Char('&')) == menu)
                for (QAction* a : m->menu()->actions())
                    if (a->text() == text) return a;
        return nullptr;
    }
    void Key(QWidget* to, int key, const QString& text,
             Qt::KeyboardModifiers mods = Qt::NoModifier) {
        QKeyEvent press(QEvent::KeyPress, key, mods, text);
        QCoreApplication::sendEvent(to, &press);
        QKeyEvent release(QEvent::KeyRelease, key, mods, text);
        QCoreApplication::sendEvent(to, &release);
    }
};

}  // namespace

TEST_F(MainWindowTest, StartsWithEmptySettingsWithoutAnyMessage) {
    ASSERT_TRUE(Start());
    EXPECT_TRUE(prompter.calls.empty())
        << (prompter.calls.empty() ? "" : prompter.calls[0].text.toStdString());
    ASSERT_TRUE(main->viewer());
    ASSERT_TRUE(main->controls());
    EXPECT_EQ(main->controls()->SelectedTarget()->name(), QStringLiteral("Mars"));
    EXPECT_EQ(main->viewer()->windowTitle(), QStringLiteral("Viewer  -  (Time Frozen)"));
    EXPECT_EQ(main->updateSpeedBox()->currentIndex(), 4);
    EXPECT_TRUE(main->statusPanel(1)->text().startsWith(
        QStringLiteral("Manchester   8 Dec 2026,   00:00:00")))
        << main->statusPanel(1)->text().toStdString();
    const QStringList& log = Services::instance().systemLog();
    EXPECT_TRUE(log.first().startsWith(QStringLiteral("System log for: Orbivale version ")));
    EXPECT_TRUE(log.contains(QStringLiteral("Loading star data")));
    // The viewer shows Mars, textured and lit, in the middle of its picture.
    const QImage picture = main->viewer()->Picture();
    const QRgb centre = picture.pixel(picture.width() / 2, picture.height() / 2);
    EXPECT_GT(qRed(centre), qBlue(centre) + 30) << "Mars is not in the middle of the view";
}

TEST_F(MainWindowTest, StartsWithWrongSettingsWithoutAnyMessage) {
    ASSERT_TRUE(Start(
        "[Simulation]\nFPS=twelve\nDetailLevel=9\nLoadLimitMag=-40\nSpeed=fast\nLatitude=North\n"
        "AmbientLight=bright\nTimezone=999\nVisualCutOff=xyz\nInitialObject=Vulcan\nDST=x\n"
        "[DirectX]\n3DDevice=Voodoo "
        "Banshee\nMipmapAutoGenerate=maybe\nStarsUseDrawPrim=7\nMedia=/nowhere\n"
        "MaxTextureSize=-5\n[MDIWindow]\nLeft=abc\nWidth=-300\nWindowState=17\n"
        "[MainViewer]\nTop=99999999\n[General]\nFileList1=/no/such/file.ov\n"));
    EXPECT_TRUE(prompter.calls.empty())
        << (prompter.calls.empty() ? "" : prompter.calls[0].text.toStdString());
    EXPECT_EQ(main->updateSpeedBox()->currentIndex(), 4);
    EXPECT_EQ(main->controls()->SelectedTarget()->name(), QStringLiteral("Mars"));
}

TEST_F(MainWindowTest, ThrottleKeys) {
    ASSERT_TRUE(Start());
    TViewScreen* v = main->viewer();
    QSlider* throttle = main->controls()->throttleSlider();
    EXPECT_EQ(throttle->value(), 0);
    Key(v, Qt::Key_3, QStringLiteral("3"));
    EXPECT_EQ(throttle->value(), 3);
    Key(v, Qt::Key_0, QStringLiteral("0"));
    EXPECT_EQ(throttle->value(), 13);
    Key(v, Qt::Key_S, QStringLiteral("s"));
    EXPECT_EQ(throttle->value(), 0);
    Key(v, Qt::Key_3, QStringLiteral("3"));
    Key(v, Qt::Key_Percent, QStringLiteral("%"), Qt::ShiftModifier);
    EXPECT_EQ(throttle->value(), -2);
    EXPECT_NEAR(main->simulation().camera().speed, -1.047, 0.001);
}

TEST_F(MainWindowTest, SpeedButtonsAndCustomSpeed) {
    ASSERT_TRUE(Start());
    TViewScreenControls* c = main->controls();
    c->SetSpeedFactor(60);
    EXPECT_TRUE(c->speedButton(4)->isChecked());
    EXPECT_EQ(main->simulation().ClockSpeed(), 60);
    EXPECT_EQ(main->viewer()->windowTitle(), QStringLiteral("Viewer  -  (60x true time)"));
    c->SetSpeedFactor(7);
    EXPECT_TRUE(c->customButton()->isChecked());
    EXPECT_EQ(c->customSpeed()->text(), QStringLiteral("7"));
    c->customSpeed()->setText(QStringLiteral("99999"));
    Key(c->customSpeed(), Qt::Key_Return, QStringLiteral("\r"));
    EXPECT_EQ(c->customSpeed()->text(), QStringLiteral("86400"));
    EXPECT_EQ(main->simulation().ClockSpeed(), 86400);
    c->customSpeed()->setText(QStringLiteral("-9999"));
    Key(c->customSpeed(), Qt::Key_Return, QStringLiteral("\r"));
    EXPECT_EQ(main->simulation().ClockSpeed(), -9999);
    EXPECT_EQ(main->viewer()->windowTitle(), QStringLiteral("Viewer "));
    // F7 and F8 from anywhere.
    Key(main->viewer(), Qt::Key_F7, QString());
    EXPECT_EQ(main->simulation().ClockSpeed(), 0);
    EXPECT_TRUE(c->speedButton(0)->isChecked());
    Key(main->viewer(), Qt::Key_F8, QString());
    EXPECT_EQ(main->simulation().ClockSpeed(), 1);
}

TEST_F(MainWindowTest, HoldingAndLookingCaption) {
    ASSERT_TRUE(Start());
    TViewScreenControls* c = main->controls();
    c->SelectTargetByName(QStringLiteral("Earth"));
    EXPECT_EQ(c->lookAtHint(), QStringLiteral("Point the camera at Earth"));
    EXPECT_EQ(c->lockOnCaption(), QStringLiteral("Always Look at Earth"));
    main->simulation().camera().mode = CameraMode::Holding;
    main->simulation().camera().modeBody = main->simulation().FindBody(QStringLiteral("Earth"));
    c->SelectTargetByName(QStringLiteral("Mars"));
    c->lockOn()->setChecked(true);
    c->SetSpeedFactor(60);
    EXPECT_EQ(
        main->viewer()->windowTitle(),
        QStringLiteral("Viewer  - Holding Position on Earth and Looking at Mars (60x true time)"));
}

TEST_F(MainWindowTest, RecentFilesMenu) {
    ASSERT_TRUE(Start());
    for (QAction* a : main->recentActions()) EXPECT_FALSE(a->isVisible());
    for (const char* p : {"/x/d.ov", "/x/c.ov", "/x/b.ov", "/x/a.ov"})
        main->AddRecentFile(QString::fromLatin1(p));
    main->AddRecentFile(QStringLiteral("/x/c.ov"));
    const auto actions = main->recentActions();
    EXPECT_EQ(actions[0]->text(), QStringLiteral("&1. /x/c.ov"));
    EXPECT_EQ(actions[1]->text(), QStringLiteral("&2. /x/a.ov"));
    EXPECT_EQ(actions[3]->text(), QStringLiteral("&4. /x/d.ov"));
    EXPECT_TRUE(actions[3]->isVisible());
    EXPECT_EQ(main->settings().readText(QStringLiteral("General"), QStringLiteral("FileList1"),
                                        QString()),
              QStringLiteral("/x/c.ov"));
    // A recent file that has gone away is reported and the list stays.
    actions[0]->trigger();
    ASSERT_EQ(prompter.calls.size(), 1u);
    EXPECT_EQ(prompter.calls[0].text, QStringLiteral("The file /x/c.ov could not be found."));
}

TEST_F(MainWindowTest, SystemLogWindowFollowsTheLog) {
    ASSERT_TRUE(Start());
    for (QAction* a : main->findChildren<QAction*>())
        if (a->text() == QLatin1String("System Log") &&
            a->shortcut() == QKeySequence(QStringLiteral("F12")))
            a->trigger();
    ASSERT_TRUE(main->systemLogWindow());
    const QStringList before = main->systemLogWindow()->lines();
    EXPECT_EQ(before, Services::instance().systemLog());
    Log("A line after opening");
    EXPECT_EQ(main->systemLogWindow()->lines().last(), QStringLiteral("A line after opening"));
    const QString file = dir.filePath(QStringLiteral("saved.log"));
    ASSERT_TRUE(main->systemLogWindow()->SaveLog(file));
    QFile saved(file);
    ASSERT_TRUE(saved.open(QIODevice::ReadOnly));
    EXPECT_TRUE(saved.readAll().endsWith("A line after opening\n"));
    EXPECT_FALSE(main->systemLogWindow()->SaveLog(QStringLiteral("/proc/nowhere/x.log")));
    EXPECT_EQ(prompter.calls.back().text, QStringLiteral("The log file could not be written."));
}

TEST_F(MainWindowTest, SavedPositionRoundTrip) {
    ASSERT_TRUE(Start());
    TViewScreenControls* c = main->controls();
    c->SelectTargetByName(QStringLiteral("Saturn"));
    c->lockOn()->setChecked(true);
    c->SetSpeedFactor(0);  // frozen, so that the saved instant is the restored one
    main->simulation().SetSimTime(MakeSimTime(2011, 4, 5, 6, 7, 8.25));
    const SimTime ut = main->simulation().camera().lastTickTime;
    const scene::Vec3 position = main->simulation().camera().position;
    const QString file = dir.filePath(QStringLiteral("view.ov"));
    ASSERT_TRUE(main->SavePositionTo(file));
    c->lockOn()->setChecked(false);
    c->SelectTargetByName(QStringLiteral("Venus"));
    c->SetSpeedFactor(1);
    main->simulation().SetSimTime(MakeSimTime(2020, 1, 1, 0, 0, 0));
    ASSERT_TRUE(main->LoadPosition(file));
    EXPECT_EQ(c->SelectedTarget()->name(), QStringLiteral("Saturn"));
    EXPECT_TRUE(c->lockOn()->isChecked());
    EXPECT_EQ(main->simulation().ClockSpeed(), 0);
    EXPECT_TRUE(c->speedButton(0)->isChecked());
    EXPECT_NEAR(main->simulation().camera().lastTickTime, ut, 0.1);
    EXPECT_LT(scene::Length(main->simulation().camera().position - position), 1.0);
    // Only the comment lines: the state stays, but lock-on goes; out-of-range values are held in.
    QFile small(dir.filePath(QStringLiteral("small.ov")));
    ASSERT_TRUE(small.open(QIODevice::WriteOnly));
    small.write("# one\n# two\n# three\nSimSpeed=100000\nselect=Mars\nFPS=44\nRes=-3\n");
    small.close();
    ASSERT_TRUE(main->LoadPosition(small.fileName()));
    EXPECT_FALSE(c->lockOn()->isChecked());
    EXPECT_EQ(c->SelectedTarget()->name(), QStringLiteral("Saturn"));  // "select" is not "Select"
    EXPECT_EQ(main->simulation().ClockSpeed(), 86400);
    EXPECT_EQ(main->UpdateSpeedIndex(), 9);
    EXPECT_EQ(main->ResolutionIndex(), 0);
    EXPECT_FALSE(main->LoadPosition(dir.filePath(QStringLiteral("missing.ov"))));
    EXPECT_TRUE(prompter.calls.back().text.startsWith(
        QStringLiteral("An error has prevented the position being restored.\nThe error returned to "
                       "Orbivale was: ")));
}

TEST_F(MainWindowTest, JupiterMoonsWindowIsMadeOnDemandAndKeepsItsPlace) {
    ASSERT_TRUE(Start());
    QAction* view = MenuAction(QStringLiteral("View"), QStringLiteral("Jupiter's Moons"));
    QAction* window = MenuAction(QStringLiteral("Window"), QStringLiteral("Jupiter's Moons"));
    ASSERT_TRUE(view && window);
    EXPECT_TRUE(view->isVisible());
    EXPECT_FALSE(window->isVisible());
    EXPECT_FALSE(main->jupiterMoons());

    view->trigger();
    QCoreApplication::processEvents();
    TJupiterMoon* jupiter = main->jupiterMoons();
    ASSERT_TRUE(jupiter);
    EXPECT_TRUE(window->isVisible());
    EXPECT_TRUE(window->isChecked());
    EXPECT_EQ(jupiter->updateTimer().interval(), TJupiterMoon::kActiveIntervalMs);
    EXPECT_FALSE(jupiter->events().empty());
    // A second time shows the same window.
    view->trigger();
    EXPECT_EQ(main->jupiterMoons(), jupiter);
    // Keys it does not handle reach the shared function keys: F7 freezes time.
    main->simulation().SetClockSpeed(1);
    Key(jupiter, Qt::Key_F7, QString());
    EXPECT_EQ(main->simulation().ClockSpeed(), 0);
    // Another window active: the window slows down and its item is unchecked.
    main->findChild<QMdiArea*>()->setActiveSubWindow(
        qobject_cast<QMdiSubWindow*>(main->viewer()->parentWidget()));
    EXPECT_EQ(jupiter->updateTimer().interval(), TJupiterMoon::kInactiveIntervalMs);
    EXPECT_FALSE(window->isChecked());

    // The picture --snapshot --view jupiter takes is the window's.
    const QImage picture = main->Snapshot(QStringLiteral("jupiter"));
    EXPECT_EQ(picture.size(), jupiter->size() * jupiter->devicePixelRatio());

    // Closing frees it, hides its Window item and keeps its placement for next time.
    QMdiSubWindow* sub = qobject_cast<QMdiSubWindow*>(jupiter->parentWidget());
    ASSERT_TRUE(sub);
    sub->setGeometry(30, 40, 350, 420);
    sub->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_FALSE(main->jupiterMoons());
    EXPECT_FALSE(window->isVisible());
    EXPECT_EQ(main->settings().readInt(QStringLiteral("JupiterView"), QStringLiteral("Width"), 0),
              350);
    view->trigger();
    QCoreApplication::processEvents();
    ASSERT_TRUE(main->jupiterMoons());
    EXPECT_EQ(main->jupiterMoons()->parentWidget()->geometry(), QRect(30, 40, 350, 420));
}

TEST_F(MainWindowTest, ConsoleIsMadeOnDemandMovesTheCameraAndKeepsItsPlace) {
    ASSERT_TRUE(Start());
    QAction* view = MenuAction(QStringLiteral("View"), QStringLiteral("Console"));
    QAction* window = MenuAction(QStringLiteral("Window"), QStringLiteral("Console"));
    ASSERT_TRUE(view && window);
    EXPECT_FALSE(window->isVisible());
    view->trigger();
    QCoreApplication::processEvents();
    TConsole* console = main->console();
    ASSERT_TRUE(console);
    EXPECT_TRUE(window->isVisible());
    EXPECT_TRUE(window->isChecked());
    // Typing at the console leaves the viewer at its slowest pace.
    EXPECT_EQ(main->viewer()->currentInterval(), 100 * main->viewer()->baseInterval());
    // With no placement stored it takes the lower middle of the main window.
    const QSize client = main->findChild<QMdiArea*>()->viewport()->size();
    EXPECT_EQ(console->parentWidget()->geometry(), TConsole::DefaultPlacement(client));

    const double x = main->simulation().camera().position.x;
    console->commandLine()->setEditText(QStringLiteral("cx 12345"));
    console->EnterCommandLine();
    EXPECT_NEAR(main->simulation().camera().position.x, x + 12345, 1e-3);
    EXPECT_TRUE(console->transcript().endsWith(QStringLiteral("> cx 12345\nOK")));

    main->findChild<QMdiArea*>()->setActiveSubWindow(
        qobject_cast<QMdiSubWindow*>(main->viewer()->parentWidget()));
    EXPECT_FALSE(window->isChecked());
    EXPECT_EQ(main->viewer()->currentInterval(), main->viewer()->baseInterval());

    QMdiSubWindow* sub = qobject_cast<QMdiSubWindow*>(console->parentWidget());
    sub->setGeometry(20, 30, 400, 250);
    sub->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_FALSE(main->console());
    EXPECT_FALSE(window->isVisible());
    EXPECT_EQ(main->settings().readInt(QStringLiteral("Console"), QStringLiteral("Width"), 0), 400);
    view->trigger();
    QCoreApplication::processEvents();
    ASSERT_TRUE(main->console());
    EXPECT_EQ(main->console()->parentWidget()->geometry(), QRect(20, 30, 400, 250));
}

TEST_F(MainWindowTest, SolarSystemMapWindow) {
    ASSERT_TRUE(Start());
    TSolarSystemMap* map = main->map();
    ASSERT_TRUE(map);
    EXPECT_TRUE(main->mapWindow()->isVisible());
    EXPECT_EQ(main->viewMapAction()->text(), QStringLiteral("Solar System Map"));
    EXPECT_EQ(main->windowMapAction()->text(), QStringLiteral("Solar System Map"));
    EXPECT_EQ(map->statusText(), QStringLiteral("Map width = 800000000 km"));
    EXPECT_FALSE(main->viewMapAction()->isChecked());  // the viewer is active at start
    // --snapshot --view map: the map alone at the size asked for, the Sun in the middle.
    const QImage picture = main->Snapshot(QStringLiteral("map"));
    ASSERT_EQ(picture.size(), QSize(1280, 900));
    EXPECT_EQ(picture.pixel(639, 449) & 0xFFFFFF, 0xFDFDAFu);

    // Choosing the map from the menu makes it active: the menu item is checked and the 3D
    // view runs at a fifth of its rate.
    main->ChooseUpdateSpeed(4);
    const int base = main->viewer()->baseInterval();
    main->windowMapAction()->trigger();
    QCoreApplication::processEvents();
    EXPECT_TRUE(map->isActive());
    EXPECT_TRUE(main->viewMapAction()->isChecked());
    EXPECT_EQ(main->viewer()->currentInterval(), 5 * base);
    EXPECT_EQ(map->updateTimer().interval(), 1000);
    main->windowViewer()->trigger();
    QCoreApplication::processEvents();
    EXPECT_FALSE(main->viewMapAction()->isChecked());
    EXPECT_EQ(main->viewer()->currentInterval(), base);
    EXPECT_EQ(map->updateTimer().interval(), 10000);

    // A saved position carries the map's view.
    map->ShowPreset(MapPreset::JupiterSystem);
    const MapView jupiter = map->SavedView();
    const QString file = dir.filePath(QStringLiteral("map.ov"));
    ASSERT_TRUE(main->SavePositionTo(file));
    map->ShowPreset(MapPreset::Pluto);
    ASSERT_TRUE(main->LoadPosition(file));
    EXPECT_NEAR(map->SavedView().x, jupiter.x, 0.1);
    EXPECT_NEAR(map->SavedView().y, jupiter.y, 0.1);
    EXPECT_NEAR(map->SavedView().width, jupiter.width, 0.1);

    // Its placement is kept.
    main->mapWindow()->setGeometry(40, 50, 500, 400);
    const QRect placed = main->mapWindow()->geometry();
    main.reset();
    EXPECT_EQ(session->settings().read(QStringLiteral("MapView"), QStringLiteral("Left")),
              QString::number(placed.left()));
    EXPECT_EQ(session->settings().read(QStringLiteral("MapView"), QStringLiteral("Width")),
              QString::number(placed.width()));
}

TEST_F(MainWindowTest, SkyViewWindowAndMenus) {
    ASSERT_TRUE(Start());
    sky::TSkyView* sky = main->skyView();
    ASSERT_TRUE(sky);
    EXPECT_EQ(sky->windowTitle(), QStringLiteral("Sky View"));
    // Placed at a tenth of the client width and a sixth of its height, 0.8 x 0.66 of it.
    QMdiSubWindow* window = main->skyViewWindow();
    const QSize client = window->mdiArea()->viewport()->size();
    EXPECT_EQ(window->pos(), QPoint(client.width() / 10, client.height() / 6));
    EXPECT_EQ(window->width(), int(0.8 * client.width()));
    EXPECT_FALSE(main->skyViewMenuItem()->isChecked());

    // View > Sky View brings it forward: the viewer slows to a hundred times its interval.
    const int base = main->viewer()->baseInterval();
    main->skyViewMenuItem()->trigger();
    QCoreApplication::processEvents();
    EXPECT_TRUE(sky->isActive());
    EXPECT_TRUE(main->skyViewMenuItem()->isChecked());
    EXPECT_EQ(main->viewer()->currentInterval(), 100 * base);
    // The sky shows the stars of the frozen instant.
    EXPECT_EQ(sky->state().skyTime, MakeSimTime(2026, 12, 8, 0, 0, 0));
    int lit = 0;
    const QImage& picture = sky->skyPicture();
    for (int y = 0; y < picture.height(); y += 2)
        for (int x = 0; x < picture.width(); x += 2) lit += (picture.pixel(x, y) & 0xFFFFFF) != 0;
    EXPECT_GT(lit, 200);

    // Setting the time redraws it at once.
    main->simulation().SetSimTime(MakeSimTime(2026, 12, 8, 6, 0, 0));
    EXPECT_EQ(sky->state().skyTime, MakeSimTime(2026, 12, 8, 6, 0, 0));

    // Back to the Viewer Controls: the sky view is no longer active, the viewer at its pace.
    main->controls()->parentWidget()->setFocus();
    window->mdiArea()->setActiveSubWindow(
        qobject_cast<QMdiSubWindow*>(main->controls()->parentWidget()));
    QCoreApplication::processEvents();
    EXPECT_FALSE(sky->isActive());
    EXPECT_FALSE(main->skyViewMenuItem()->isChecked());
    EXPECT_EQ(main->viewer()->currentInterval(), base);

    // --snapshot --view sky: the sky view's window at the size asked for, in front again.
    const QImage shot = main->Snapshot(QStringLiteral("sky"));
    EXPECT_EQ(shot.size(), QSize(1280, 900));
    EXPECT_TRUE(sky->isActive());
}

namespace {

// Triggers something that opens a modal dialog, closes the dialog from the event loop and
// returns its caption.
template <typename F>
QString ModalCaption(F&& open) {
    QString caption;
    QTimer::singleShot(0, [&caption] {
        if (auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
            caption = dialog->windowTitle();
            dialog->reject();
        }
    });
    open();
    return caption;
}

QAction* Action(QWidget& window, const QString& text) {
    for (QAction* a : window.findChildren<QAction*>())
        if (a->text() == text) return a;
    return nullptr;
}

}  // namespace

TEST_F(MainWindowTest, LocationAndDateDialogsOpenFromTheMenuAndTheControls) {
    ASSERT_TRUE(Start());
    QAction* choose = Action(*main, QStringLiteral("Choose &Location..."));
    QAction* date = Action(*main, QStringLiteral("Set &Date and Time..."));
    ASSERT_TRUE(choose && date);
    EXPECT_EQ(ModalCaption([&] { choose->trigger(); }), QStringLiteral("Choose Location"));
    EXPECT_EQ(ModalCaption([&] { date->trigger(); }), QStringLiteral("Set Date and Time"));
    QPushButton* button = main->controls()->setDateTimeButton();
    ASSERT_TRUE(button);
    EXPECT_EQ(button->text(), QStringLiteral("Set Date and Time..."));
    EXPECT_EQ(button->toolTip(), QStringLiteral("Set simulator date and time via separate window"));
    EXPECT_EQ(ModalCaption([&] { button->click(); }), QStringLiteral("Set Date and Time"));
    EXPECT_TRUE(prompter.calls.empty());
}

// The sky view's "Set location" opens the chooser; a location applied there turns the view to
// face the equator: north from the southern hemisphere, south from the northern.
TEST_F(MainWindowTest, SkyViewSetsTheLocationAndFacesTheEquator) {
    ASSERT_TRUE(Start());
    sky::TSkyView* sky = main->skyView();
    ASSERT_TRUE(sky);
    auto* earth = sky->findChild<QToolButton*>(QStringLiteral("bEarth"));
    ASSERT_TRUE(earth);
    auto choose = [&](const QString& place) {
        QTimer::singleShot(0, [place] {
            auto* dialog = qobject_cast<TChooseLocation*>(QApplication::activeModalWidget());
            if (!dialog) return;
            dialog->list()->setCurrentRow(dialog->chooser().list().FindExact(place));
            dialog->SetClick();
            dialog->OkClick();
        });
        earth->click();
    };
    choose(QStringLiteral("Sydney"));
    EXPECT_EQ(main->simulation().observer().locationName, QStringLiteral("Sydney"));
    EXPECT_EQ(sky->state().azimuth, double(sky::Compass::North));
    EXPECT_TRUE(
        main->statusPanel(1)->text().startsWith(QStringLiteral("Sydney   8 Dec 2026,   11:00:00")))
        << main->statusPanel(1)->text().toStdString();
    choose(QStringLiteral("Paris"));
    EXPECT_EQ(sky->state().azimuth, double(sky::Compass::South));
    EXPECT_EQ(main->settings().get(settings::Location), QStringLiteral("Paris"));
}

TEST_F(MainWindowTest, LocationOnTheCommandLineHoldsForThisRunOnly) {
    location = QStringLiteral("paris");
    ASSERT_TRUE(Start());
    EXPECT_TRUE(main->statusPanel(1)->text().startsWith(
        QStringLiteral("Paris   8 Dec 2026,   01:00:00    GMT+01:00")))
        << main->statusPanel(1)->text().toStdString();
    EXPECT_FALSE(main->settings().read(QStringLiteral("Simulation"), QStringLiteral("Location")));
    main.reset();

    location = QStringLiteral("Nowhere");
    EXPECT_FALSE(Start());
    EXPECT_EQ(main->exitCode(), 2);
}

TEST_F(MainWindowTest, OptionsActAtOnceAndSystemInformationDescribesTheRunningProgram) {
    ASSERT_TRUE(Start());
    QAction* options = Action(*main, QStringLiteral("&Options..."));
    QAction* info = Action(*main, QStringLiteral("System &Information"));
    ASSERT_TRUE(options && info);
    EXPECT_EQ(ModalCaption([&] { info->trigger(); }), QStringLiteral("System Information"));

    const int pace = main->viewer()->currentInterval();
    // OK in the options: the background light and the resolution change at once, the star
    // limit waits for the next start with its note, and the running driver stays.
    QTimer::singleShot(0, [] {
        if (auto* d = qobject_cast<TDisplaySettings*>(QApplication::activeModalWidget())) {
            d->backgroundLight()->setValue(30);
            d->memoryUsageBar()->setValue(2);
            d->limitingMagBar()->setValue(20);
            d->OKClick();
        }
    });
    options->trigger();
    EXPECT_DOUBLE_EQ(session->simulation().ambient()->colour().r, 0.3);
    EXPECT_EQ(main->ResolutionIndex(), 2);
    EXPECT_EQ(session->settings().get(settings::LoadLimitMag), 20);
    ASSERT_EQ(prompter.calls.size(), 1u);
    EXPECT_EQ(prompter.calls[0].caption, QStringLiteral("Note"));
    EXPECT_EQ(session->graphics().nextStart(), session->graphics().selected());
    // The viewer is back at the pace it had.
    EXPECT_EQ(main->viewer()->currentInterval(), pace);

    const sysinfo::Dump dump =
        CollectSystemInformation(*session, main->viewer()->viewport().frames());
    const QString text = sysinfo::DumpText(dump, QDateTime::currentDateTime());
    EXPECT_TRUE(text.contains(QStringLiteral("\nOpenGL Renderer:\t"))) << qPrintable(text);
    EXPECT_TRUE(text.contains(QStringLiteral("\nReduction Factor:\t2\n")));
    EXPECT_FALSE(text.contains(QStringLiteral("\nStars Loaded:\t0\n")));
    EXPECT_FALSE(text.contains(QStringLiteral("\nFrames:\t0\n")));

    // Every page of both dialogs can be pictured.
    for (const QString& view : SnapshotViews()) {
        if (!view.contains(QLatin1Char('-'))) continue;
        const QImage shot = main->Snapshot(view);
        EXPECT_GT(shot.width(), 200) << qPrintable(view);
        EXPECT_GT(shot.height(), 200) << qPrintable(view);
    }
}

namespace {

QAction* MenuItem(QMainWindow& window, const QString& menu, const QString& text) {
    for (QAction* m : window.menuBar()->actions())
        if (m->text().remove(QLatin1Char('&')) == menu)
            for (QAction* a : m->menu()->actions())
                if (a->text() == text) return a;
    return nullptr;
}

// A saved position without the time of saving, and without the camera's orientation, whose
// last decimal may move as the frame makes the saved axes square again.
std::string WithoutSaveTimeAndAxes(const QString& path) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) return {};
    std::string out;
    while (!f.atEnd()) {
        const QByteArray line = f.readLine();
        if (!line.startsWith("SaveTime=") && !line.startsWith("Dir") && !line.startsWith("Up"))
            out += line.toStdString();
    }
    return out;
}

}  // namespace

TEST_F(MainWindowTest, FunctionKeysActOncePerPressFromEveryWindow) {
    ASSERT_TRUE(Start());
    int pages = 0;
    QString page;
    Services::instance().openDocument = [&](const QString& path) {
        ++pages;
        page = path;
        return true;
    };
    main->controls()->SelectTargetByName(QStringLiteral("Jupiter"));
    Key(main->viewer(), Qt::Key_F9, QString());
    EXPECT_EQ(pages, 1);
    EXPECT_TRUE(page.endsWith(QStringLiteral("JupiterFrame.htm"))) << page.toStdString();
    Key(main->controls(), Qt::Key_F9, QString());
    EXPECT_EQ(pages, 2);
    Key(main.get(), Qt::Key_F9, QString());
    EXPECT_EQ(pages, 3);
    Key(main->map(), Qt::Key_F9, QString());
    EXPECT_EQ(pages, 4);
    // A held key's repeats do not open the page again.
    QKeyEvent repeat(QEvent::KeyPress, Qt::Key_F9, Qt::NoModifier, QString(), true);
    QCoreApplication::sendEvent(main->viewer(), &repeat);
    EXPECT_EQ(pages, 4);
    Key(main->controls(), Qt::Key_F7, QString());
    EXPECT_EQ(main->simulation().ClockSpeed(), 0);
}

TEST_F(MainWindowTest, WindowMenuArrangementsStayInsideAndKeepTheControlsSize) {
    ASSERT_TRUE(Start());
    QMdiSubWindow* controls = qobject_cast<QMdiSubWindow*>(main->controls()->parentWidget());
    QMdiSubWindow* viewer = qobject_cast<QMdiSubWindow*>(main->viewer()->parentWidget());
    ASSERT_TRUE(controls && viewer);
    QMdiArea* area = controls->mdiArea();
    const QSize controlsSize = controls->size();
    const QSize mainSize = main->size();
    QRect viewerIn[3];
    const char* items[3] = {"Tile &Horizontally", "Tile &Vertically", "&Cascade"};
    for (int i = 0; i < 3; ++i) {
        QAction* item = MenuItem(*main, QStringLiteral("Window"), QString::fromLatin1(items[i]));
        ASSERT_TRUE(item) << items[i];
        item->trigger();
        QCoreApplication::processEvents();
        const QRect client(QPoint(0, 0), area->viewport()->size());
        for (QMdiSubWindow* w : area->subWindowList()) {
            if (!w->isVisible()) continue;
            EXPECT_TRUE(client.contains(w->geometry()))
                << items[i] << " " << w->windowTitle().toStdString();
        }
        EXPECT_EQ(controls->size(), controlsSize) << items[i];
        EXPECT_EQ(main->size(), mainSize) << items[i];
        EXPECT_TRUE(main->statusBar()->isVisible());
        viewerIn[i] = viewer->geometry();
        // A usable Viewer, never a sliver.
        EXPECT_GE(viewer->width(), 200) << items[i];
        EXPECT_GE(viewer->height(), 150) << items[i];
    }
    // Rows are as wide as the space beside the controls; columns as tall as the client area.
    EXPECT_NE(viewerIn[0], viewerIn[1]);
    EXPECT_EQ(viewerIn[0].width(), area->viewport()->width() - controlsSize.width());
    EXPECT_EQ(viewerIn[1].height(), area->viewport()->height());
    EXPECT_GE(viewerIn[2].width(), area->viewport()->width() / 2);
    // The user cannot resize the controls either.
    controls->resize(controlsSize + QSize(100, 100));
    EXPECT_EQ(controls->size(), controlsSize);
}

TEST_F(MainWindowTest, ShrinkingTheViewerRepaintsTheUncoveredArea) {
    ASSERT_TRUE(Start());
    QMdiSubWindow* viewer = qobject_cast<QMdiSubWindow*>(main->viewer()->parentWidget());
    QMdiArea* area = viewer->mdiArea();
    const QRect before(0, 0, 700, 600), after(0, 0, 200, 150);
    auto settle = [] {
        for (int i = 0; i < 10; ++i) {
            QCoreApplication::processEvents();
            QThread::msleep(20);
        }
    };
    viewer->setGeometry(before);
    viewer->raise();
    main->viewer()->RenderNow();
    settle();
    viewer->setGeometry(after);
    main->viewer()->RenderNow();
    settle();
    // What the display shows, not what the widgets would paint now: every point the Viewer
    // left that no other window covers shows the background.
    const QImage shown = main->screen()->grabWindow(main->winId()).toImage();
    ASSERT_FALSE(shown.isNull());
    int checked = 0, ghosts = 0;
    for (int y = before.top(); y < before.bottom(); y += 10) {
        for (int x = before.left(); x < before.right(); x += 10) {
            const QPoint p(x, y);
            bool covered = after.adjusted(-2, -2, 2, 2).contains(p);
            for (QMdiSubWindow* w : area->subWindowList())
                covered |= w != viewer && w->isVisible() &&
                           w->geometry().adjusted(-2, -2, 2, 2).contains(p);
            if (covered) continue;
            ++checked;
            ghosts +=
                shown.pixelColor(area->viewport()->mapTo(main.get(), p)) != QColor(60, 60, 70);
        }
    }
    EXPECT_GT(checked, 100);
    EXPECT_EQ(ghosts, 0);
    // Where the Viewer left another window, that window shows again.
    const QImage fresh = main->grab().toImage();
    int differ = 0, compared = 0;
    for (int y = before.top(); y < before.bottom(); y += 10) {
        for (int x = before.left(); x < before.right(); x += 10) {
            if (after.adjusted(-2, -2, 2, 2).contains(QPoint(x, y))) continue;
            const QPoint at = area->viewport()->mapTo(main.get(), QPoint(x, y));
            ++compared;
            differ += shown.pixel(at) != fresh.pixel(at);
        }
    }
    EXPECT_LT(differ, compared / 50) << differ << " of " << compared;
}

TEST_F(MainWindowTest, SavedSpeedsIndicesAndPictures) {
    ASSERT_TRUE(Start());
    // A camera speed comes back at the same throttle position, and the file saves the same.
    QSlider* throttle = main->controls()->throttleSlider();
    throttle->setValue(26);  // 1.82 km/s
    const QString first = dir.filePath(QStringLiteral("first.ov"));
    const QString second = dir.filePath(QStringLiteral("second.ov"));
    ASSERT_TRUE(main->SavePositionTo(first));
    throttle->setValue(-300);
    ASSERT_TRUE(main->LoadPosition(first));
    EXPECT_EQ(throttle->value(), 26);
    ASSERT_TRUE(main->SavePositionTo(second));
    EXPECT_EQ(WithoutSaveTimeAndAxes(first), WithoutSaveTimeAndAxes(second));
    // '+' at about 1 km/s flies faster, '-' slows down but never reverses.
    throttle->setValue(1);
    Key(main->viewer(), Qt::Key_Plus, QStringLiteral("+"));
    EXPECT_GT(main->simulation().camera().speed, 1.03);
    for (int i = 0; i < 60; ++i) Key(main->viewer(), Qt::Key_Minus, QStringLiteral("-"));
    EXPECT_EQ(main->simulation().camera().speed, 0);

    // Indices of two thousand million and more pick the last entry.
    QFile big(dir.filePath(QStringLiteral("big.ov")));
    ASSERT_TRUE(big.open(QIODevice::WriteOnly));
    big.write("FPS=3000000000\nRes=3000000000\n");
    big.close();
    ASSERT_TRUE(main->LoadPosition(big.fileName()));
    EXPECT_EQ(main->UpdateSpeedIndex(), 9);
    EXPECT_EQ(main->ResolutionIndex(), 2);
    EXPECT_EQ(main->updateSpeedBox()->itemText(6), QStringLiteral("1 Frame a Second"));

    // Pictures take the format the name's extension names.
    const struct {
        const char* name;
        const char* format;
    } pictures[] = {{"a.png", "png"}, {"b.JPG", "jpeg"}, {"c.jpeg", "jpeg"}, {"d.bmp", "bmp"}};
    for (const auto& p : pictures) {
        const QString path = dir.filePath(QString::fromLatin1(p.name));
        ASSERT_TRUE(main->viewer()->SavePicture(path)) << p.name;
        QImageReader reader(path);
        reader.setDecideFormatFromContent(true);
        EXPECT_EQ(reader.format(), QByteArray(p.format)) << p.name;
        EXPECT_EQ(reader.size(), main->viewer()->Picture().size()) << p.name;
    }
    EXPECT_EQ(TViewScreen::PictureFormat(QStringLiteral("x.gif")), nullptr);
    EXPECT_TRUE(prompter.calls.empty());
}

TEST_F(MainWindowTest, CustomSpeedBoxWheelZoomAndViewerSnapshot) {
    ASSERT_TRUE(Start());
    TViewScreenControls* c = main->controls();
    // The box takes typing whatever button is checked, and typing chooses Custom.
    c->SetSpeedFactor(60);
    EXPECT_TRUE(c->customSpeed()->isEnabled());
    QKeyEvent five(QEvent::KeyPress, Qt::Key_5, Qt::NoModifier, QStringLiteral("5"));
    QCoreApplication::sendEvent(c->customSpeed(), &five);
    EXPECT_TRUE(c->customButton()->isChecked());
    // Clicking Custom keeps the present speed rather than a stale number in the box.
    c->speedButton(4)->click();
    c->customSpeed()->setText(QStringLiteral("-500"));
    c->customButton()->click();
    EXPECT_EQ(main->simulation().ClockSpeed(), 60);
    EXPECT_EQ(c->customSpeed()->text(), QStringLiteral("60"));

    // The wheel zooms the Viewer and moves the zoom slider with it.
    QSlider* zoom = c->cameraField();
    const int before = zoom->value();
    const QPointF at(50, 50);
    QWheelEvent in(at, main->viewer()->mapToGlobal(at), QPoint(), QPoint(0, 120), Qt::NoButton,
                   Qt::NoModifier, Qt::NoScrollPhase, false);
    QCoreApplication::sendEvent(main->viewer(), &in);
    EXPECT_LT(zoom->value(), before);
    EXPECT_NEAR(main->simulation().camera().zoom, 30.0 / zoom->value(), 1e-9);
    QWheelEvent out(at, main->viewer()->mapToGlobal(at), QPoint(), QPoint(0, -240), Qt::NoButton,
                    Qt::NoModifier, Qt::NoScrollPhase, false);
    QCoreApplication::sendEvent(main->viewer(), &out);
    EXPECT_GT(zoom->value(), before);

    // --snapshot --view viewer --size: the picture is the size asked for.
    EXPECT_EQ(main->Snapshot(QStringLiteral("viewer")).size(), QSize(1280, 900));
}

TEST_F(MainWindowTest, TextsPanelsAndTheSystemLog) {
    ASSERT_TRUE(Start());
    TViewScreenControls* c = main->controls();
    // Ctrl+S saves, as the Save button's hint says.
    QAction* saveAs = MenuItem(*main, QStringLiteral("File"), QStringLiteral("Save As..."));
    ASSERT_TRUE(saveAs);
    EXPECT_TRUE(saveAs->shortcuts().contains(QKeySequence(QStringLiteral("Ctrl+S"))));

    // Nearest to Saturn's rings, the panel names Saturn, with the distance to its centre.
    Body* rings = main->simulation().FindBody(QStringLiteral("SaturnRings"));
    ASSERT_TRUE(rings);
    CameraState& camera = main->simulation().camera();
    camera.position = rings->positionKm() + scene::Vec3{0, 0, 150000};
    camera.nearestBody = rings;
    camera.nearestDistance = 10000;
    c->UpdateStats();
    EXPECT_TRUE(c->statusText(1).startsWith(QStringLiteral("Nearest: Saturn, 150")))
        << c->statusText(1).toStdString();

    // The Info tab scrolls a long text, and a change of speed empties it.
    c->SelectTargetByName(QStringLiteral("Saturn"));
    const auto tabs = c->findChildren<QTabBar*>();
    for (QTabBar* t : tabs)
        if (t->count() == 2 && t->tabText(1) == QLatin1String("Info")) t->setCurrentIndex(1);
    EXPECT_FALSE(c->infoText()->text().isEmpty());
    EXPECT_EQ(c->infoScroll()->widget(), c->infoText());
    c->SetSpeedFactor(10);
    EXPECT_TRUE(c->infoText()->text().isEmpty());

    // The System Log opens wholly inside the client area and is ticked in the Window menu.
    QAction* log = MenuItem(*main, QStringLiteral("Tools"), QStringLiteral("System Log"));
    ASSERT_TRUE(log);
    log->trigger();
    QCoreApplication::processEvents();
    QMdiSubWindow* logWindow =
        qobject_cast<QMdiSubWindow*>(main->systemLogWindow()->parentWidget());
    ASSERT_TRUE(logWindow);
    const QRect client(QPoint(0, 0), logWindow->mdiArea()->viewport()->size());
    EXPECT_TRUE(client.contains(logWindow->geometry()));
    QAction* ticked = MenuItem(*main, QStringLiteral("Window"), QStringLiteral("System Log"));
    ASSERT_TRUE(ticked);
    EXPECT_TRUE(ticked->isChecked());
    main->windowViewer()->trigger();
    QCoreApplication::processEvents();
    EXPECT_FALSE(ticked->isChecked());

    // The joystick with none attached: a line in the log every time, a message the first time.
    QCheckBox* joystick = nullptr;
    for (QCheckBox* b : c->findChildren<QCheckBox*>())
        if (b->text() == QLatin1String("Enable joystick")) joystick = b;
    ASSERT_TRUE(joystick);
    prompter.calls.clear();
    joystick->click();
    joystick->click();
    EXPECT_FALSE(joystick->isChecked());
    ASSERT_EQ(prompter.calls.size(), 1u);
    EXPECT_TRUE(prompter.calls[0].text.startsWith(QStringLiteral("No joystick was found.")));
    EXPECT_EQ(Services::instance().systemLog().count(
                  QStringLiteral("Joystick enabled, but no joystick was found")),
              2);

    // Without a desktop browser the encyclopedia shows in the help window.
    ASSERT_TRUE(main->ShowPageInside(ResourceDirectory(QStringLiteral("Encyclopedia")) +
                                     QStringLiteral("/JupiterFrame.htm")));
    EXPECT_TRUE(main->helpBrowser()->isVisible());
    EXPECT_EQ(main->helpBrowser()->currentTopic(), QStringLiteral("JupiterFrame"));
    EXPECT_FALSE(main->ShowPageInside(QStringLiteral("/nowhere/page.htm")));
}
