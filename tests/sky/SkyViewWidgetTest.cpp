#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QMouseEvent>
#include <QPushButton>
#include <QSlider>
#include <QTabWidget>
#include <QTimer>
#include <QToolButton>

#include "core/Body.h"
#include "core/SettingsStore.h"
#include "core/Simulation.h"
#include "sky/SkyData.h"
#include "sky/widgets/SkyPictureWidget.h"
#include "sky/widgets/TSkyView.h"
#include "sky/widgets/TSkyViewOptions.h"
#include "support/TestSupport.h"

using namespace sky;

namespace {

class SkyViewWindow : public ServicesTest {
  protected:
    MemorySettingsStore store;
    SkyData data;
    SimTime now = MakeSimTime(2026, 12, 20, 21, 0, 0);
    std::unique_ptr<Simulation> sim;
    std::unique_ptr<TSkyView> view;

    void SetUp() override {
        ServicesTest::SetUp();
        LoadStarData(data, store, QStringLiteral(ORBIVALE_DATA_DIR));
        Services::instance().setDataDirectory(dir.path());
        sim = std::make_unique<Simulation>(store, [this] { return now; });
        ASSERT_TRUE(sim->BuildSolarSystem());
        sim->SetClockSpeed(0);
        sim->SetSimTime(now);
    }
    void Open() {
        view = std::make_unique<TSkyView>(*sim, data, store);
        view->resize(900, 700);
        view->show();
        QCoreApplication::processEvents();
    }
    void TearDown() override {
        view.reset();
        sim.reset();
        ServicesTest::TearDown();
    }
    QToolButton* Button(const char* name) {
        auto* b = view->findChild<QToolButton*>(QString::fromLatin1(name));
        EXPECT_NE(b, nullptr) << name;
        return b;
    }
    SkyPictureWidget* Sky() { return view->findChild<SkyPictureWidget*>(QStringLiteral("Sky")); }
    void Type(const QString& text) {
        QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, text);
        QApplication::sendEvent(view.get(), &press);
    }
    void Release(int key) {
        QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier);
        QApplication::sendEvent(view.get(), &release);
    }
    void Click(Qt::MouseButton button, QPoint at) {
        QMouseEvent e(QEvent::MouseButtonRelease, at, Sky()->mapToGlobal(at), button, Qt::NoButton,
                      Qt::NoModifier);
        QApplication::sendEvent(Sky(), &e);
    }
    void Move(QPoint at) {
        QMouseEvent e(QEvent::MouseMove, at, Sky()->mapToGlobal(at), Qt::NoButton, Qt::NoButton,
                      Qt::NoModifier);
        QApplication::sendEvent(Sky(), &e);
    }
    QAction* Item(QMenu* menu, const char* text) {
        for (QAction* a : menu->actions())
            if (a->text() == QLatin1String(text)) return a;
        ADD_FAILURE() << text;
        return nullptr;
    }
    QString Stored(const char* key) {
        return store.read(QStringLiteral("SkyView"), QString::fromLatin1(key)).value_or(QString());
    }
    // Answers the next modal dialog with the given function.
    template <typename F>
    void WhenDialogOpens(F f) {
        QTimer::singleShot(0, [f] {
            for (QWidget* w : QApplication::topLevelWidgets())
                if (auto* d = qobject_cast<TSkyViewOptions*>(w); d && d->isVisible()) {
                    f(*d);
                    return;
                }
        });
    }
};

}  // namespace

TEST_F(SkyViewWindow, ToolBarButtonsTurnTheView) {
    Open();
    EXPECT_EQ(view->windowTitle(), QStringLiteral("Sky View"));
    EXPECT_EQ(Button("bEarth")->toolTip(), QStringLiteral("Set location"));
    EXPECT_EQ(Button("bZenith")->toolTip(), QStringLiteral("View directly above (zenith)"));
    EXPECT_EQ(view->state().azimuth, 0);
    EXPECT_EQ(view->state().altitude, 30);
    EXPECT_EQ(view->state().fieldOfView, 45);

    // The strip is 4 pixels narrower than the sky, the scale 4 pixels shorter.
    EXPECT_EQ(view->directionPicture().width(), view->skyPicture().width() - 4);
    EXPECT_EQ(view->directionPicture().height(), 28);
    EXPECT_EQ(view->tiltPicture().height(), view->skyPicture().height() - 4);
    EXPECT_EQ(view->tiltPicture().width(), 31);

    Button("bEast")->click();
    EXPECT_EQ(view->state().azimuth, 90);
    EXPECT_DOUBLE_EQ(view->state().altitude, view->state().verticalFieldOfView / 2);
    EXPECT_DOUBLE_EQ(view->state().verticalFieldOfView,
                     45.0 * view->skyPicture().height() / view->skyPicture().width());
    Button("bLeft")->click();
    EXPECT_EQ(view->state().azimuth, 100);
    Button("bRight")->click();
    Button("bRight")->click();
    EXPECT_EQ(view->state().azimuth, 80);
    const double altitude = view->state().altitude;
    Button("bUp")->click();
    EXPECT_DOUBLE_EQ(view->state().altitude, altitude + 10);
    Button("bDown")->click();
    EXPECT_DOUBLE_EQ(view->state().altitude, altitude);
    Button("bZenith")->click();
    EXPECT_EQ(view->state().azimuth, 0);
    EXPECT_EQ(view->state().altitude, 90);
    Button("bWest")->click();
    EXPECT_EQ(view->state().azimuth, 270);
    Button("bNorth")->click();
    EXPECT_EQ(view->state().azimuth, 180);
    Button("bSouth")->click();
    EXPECT_EQ(view->state().azimuth, 0);

    // Zoom buttons, then the default again.
    Button("bZoomIn")->click();
    EXPECT_DOUBLE_EQ(view->state().fieldOfView, 36);
    Button("bZoomOut")->click();
    Button("bZoomOut")->click();
    EXPECT_DOUBLE_EQ(view->state().fieldOfView, 56.25);
    Button("bZoomDefault")->click();
    EXPECT_EQ(view->state().fieldOfView, 45);

    // The location button asks the main window; a location applied faces the equator.
    int asked = 0;
    QObject::connect(view.get(), &TSkyView::setLocationRequested, [&] { ++asked; });
    Button("bEarth")->click();
    EXPECT_EQ(asked, 1);
    sim->observer().latitude = -33.9;
    view->LocationApplied();
    EXPECT_EQ(view->state().azimuth, 180);
    sim->observer().latitude = 0;
    view->state().azimuth = 10;
    view->LocationApplied();
    EXPECT_EQ(view->state().azimuth, 180);
    sim->observer().latitude = 0.5;
    view->LocationApplied();
    EXPECT_EQ(view->state().azimuth, 0);
}

TEST_F(SkyViewWindow, KeysAndTypedCharacters) {
    Open();
    QString helpTopic;
    QObject::connect(view.get(), &TSkyView::helpRequested,
                     [&](const QString& t) { helpTopic = t; });
    int functionKey = 0;
    QObject::connect(view.get(), &TSkyView::functionKeyPressed, [&](int k) { functionKey = k; });

    Type(QStringLiteral("e"));
    EXPECT_EQ(view->state().azimuth, 90);
    Type(QStringLiteral("W"));
    EXPECT_EQ(view->state().azimuth, 270);
    Type(QStringLiteral("n"));
    EXPECT_EQ(view->state().azimuth, 180);
    Type(QStringLiteral("s"));
    EXPECT_EQ(view->state().azimuth, 0);
    Type(QStringLiteral("z"));
    EXPECT_EQ(view->state().altitude, 90);
    Release(Qt::Key_Left);
    EXPECT_EQ(view->state().azimuth, 10);
    Release(Qt::Key_Right);
    EXPECT_EQ(view->state().azimuth, 0);
    Release(Qt::Key_Down);
    EXPECT_EQ(view->state().altitude, 80);
    Release(Qt::Key_Up);
    EXPECT_EQ(view->state().altitude, 90);
    Type(QStringLiteral("+"));
    EXPECT_DOUBLE_EQ(view->state().fieldOfView, 36);
    Type(QStringLiteral("-"));
    EXPECT_DOUBLE_EQ(view->state().fieldOfView, 45);

    Release(Qt::Key_F1);
    EXPECT_EQ(helpTopic, QStringLiteral("SkyView"));
    Release(Qt::Key_F7);
    EXPECT_EQ(functionKey, int(Qt::Key_F7));

    // M toggles mouse-look even when clicking may not start it.
    store.set(settings::SkyAllowMouseLook, false);
    view->ReadSettings();
    Click(Qt::LeftButton, {100, 100});
    EXPECT_FALSE(view->state().mouseLook);
    Type(QStringLiteral("m"));
    EXPECT_TRUE(view->state().mouseLook);
    Type(QStringLiteral("M"));
    EXPECT_FALSE(view->state().mouseLook);
}

TEST_F(SkyViewWindow, MouseLookAndIdentify) {
    Open();
    Type(QStringLiteral("s"));
    // A click starts mouse-look; moving turns the view a quarter degree a pixel.
    Click(Qt::LeftButton, {200, 200});
    ASSERT_TRUE(view->state().mouseLook);
    const double azimuth = view->state().azimuth, altitude = view->state().altitude;
    Move({220, 192});
    EXPECT_DOUBLE_EQ(view->state().azimuth, azimuth + 5);
    EXPECT_DOUBLE_EQ(view->state().altitude, altitude - 2);
    Click(Qt::LeftButton, {220, 192});
    EXPECT_FALSE(view->state().mouseLook);
    Move({300, 300});
    EXPECT_DOUBLE_EQ(view->state().azimuth, azimuth + 5);

    // Deactivation stops it too.
    Click(Qt::LeftButton, {10, 10});
    view->Deactivated();
    EXPECT_FALSE(view->state().mouseLook);

    // A right click names what lies under it, and leaves mouse-look alone.
    view->state().azimuth = 45;
    view->state().altitude = 25;
    view->DrawSky(false);
    const sky::StarRecord* betelgeuse = data.catalogue.StarByNumber(10);
    ASSERT_TRUE(betelgeuse->flags & SkyOnScreen);
    Click(Qt::RightButton, {betelgeuse->skyX + 1, betelgeuse->skyY + 1});
    EXPECT_FALSE(view->state().mouseLook);
    EXPECT_TRUE(view->statusText().startsWith(QStringLiteral("Betelgeuse")))
        << view->statusText().toStdString();
    EXPECT_TRUE(view->statusText().contains(QStringLiteral("Alt ")));
}

TEST_F(SkyViewWindow, SwitchesMenusAndTheRedrawTimer) {
    store.set(settings::SkyRedrawInterval, 0);
    Open();
    EXPECT_FALSE(view->redrawTimer().isActive());  // 0 stops the timer

    EXPECT_TRUE(Button("bGrid")->isChecked());
    Button("bGrid")->click();
    EXPECT_FALSE(view->viewSettings().drawGrid);
    EXPECT_EQ(Stored("DrawGrid"), QStringLiteral("0"));

    QAction* flamsteed = Item(view->levelOfDetailMenu(), "Show &Flamsteed Numbers");
    EXPECT_FALSE(flamsteed->isChecked());
    flamsteed->trigger();
    EXPECT_TRUE(view->viewSettings().drawFlamsteedNames);
    EXPECT_EQ(Stored("DrawFlamsteedNames"), QStringLiteral("1"));
    Item(view->levelOfDetailMenu(), "Show &Ecliptic")->trigger();
    EXPECT_EQ(Stored("DrawEcliptic"), QStringLiteral("0"));

    QMenu* speeds = view->updateSpeedMenu();
    ASSERT_EQ(speeds->actions().size(), 8);
    Item(speeds, "1 Second")->trigger();
    EXPECT_TRUE(view->redrawTimer().isActive());
    EXPECT_EQ(view->redrawTimer().interval(), 1000);
    EXPECT_EQ(Stored("RedrawInterval"), QStringLiteral("100"));
    emit speeds->aboutToShow();
    EXPECT_TRUE(Item(speeds, "1 Second")->isChecked());
    EXPECT_FALSE(Item(speeds, "30 Seconds")->isChecked());

    // The timer takes the simulated time only while the view is the active window.
    Item(speeds, ".25 Second")->trigger();
    const SimTime before = view->state().skyTime;
    sim->SetSimTime(now + 3600);  // no redraw hook is installed here
    QElapsedTimer wait;
    wait.start();
    while (wait.elapsed() < 400) QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    EXPECT_EQ(view->state().skyTime, before);
    view->Activated();
    wait.restart();
    while (wait.elapsed() < 400 && view->state().skyTime == before)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    EXPECT_EQ(view->state().skyTime, now + 3600);

    Item(speeds, "Don't Update")->trigger();
    EXPECT_FALSE(view->redrawTimer().isActive());
    EXPECT_EQ(Stored("RedrawInterval"), QStringLiteral("0"));
}

TEST_F(SkyViewWindow, OptionsDialog) {
    Open();
    {
        // OK without changes stores every key the dialog shows, each as the view uses it.
        TSkyViewOptions options(store, data.catalogue.limitMagnitude());
        EXPECT_EQ(options.windowTitle(), QStringLiteral("Sky View Options"));
        EXPECT_EQ(options.tabs()->count(), 5);
        EXPECT_EQ(options.tabs()->tabText(3), QStringLiteral("Where && When"));
        EXPECT_EQ(options.tabs()->currentIndex(), 0);
        EXPECT_TRUE(
            options.displayText()->text().endsWith(QStringLiteral("visual magnitude 7.0.")));
        auto* label = options.findChild<QLabel*>(QStringLiteral("FaintestNameLabel"));
        EXPECT_EQ(label->text(), QStringLiteral("3.0"));
        options.findChild<QSlider*>(QStringLiteral("FaintestName"))->setValue(45);
        EXPECT_EQ(label->text(), QStringLiteral("4.5"));
        options.findChild<QSlider*>(QStringLiteral("FaintestName"))->setValue(30);
        EXPECT_EQ(options.findChild<QLabel*>(QStringLiteral("FaintestLabel"))->text(),
                  QStringLiteral("6.5"));
        EXPECT_TRUE(options.findChild<QCheckBox*>(QStringLiteral("AllowMouseLook"))->isChecked());
        int location = 0, date = 0;
        QObject::connect(&options, &TSkyViewOptions::setLocationRequested, [&] { ++location; });
        QObject::connect(&options, &TSkyViewOptions::setDateTimeRequested, [&] { ++date; });
        options.findChild<QToolButton*>(QStringLiteral("bEarth"))->click();
        options.findChild<QPushButton*>(QStringLiteral("SetTimeDate"))->click();
        EXPECT_EQ(location, 1);
        EXPECT_EQ(date, 1);
        QString topic;
        QObject::connect(&options, &TSkyViewOptions::helpRequested,
                         [&](const QString& t) { topic = t; });
        QKeyEvent f1(QEvent::KeyPress, Qt::Key_F1, Qt::NoModifier);
        QApplication::sendEvent(&options, &f1);
        EXPECT_EQ(topic, QStringLiteral("SkyViewOptions"));
        options.WriteSettings();
    }
    for (const char* key :
         {"DrawStarNames", "DrawGreekNames", "DrawFlamsteedNames", "FaintestStarName",
          "FaintestStarShow", "DrawConstellations", "DrawBoundaries", "DrawConstellationNames",
          "DrawPlanetNames", "DrawEcliptic", "AllowMouseLook", "DrawHorizon"})
        EXPECT_FALSE(Stored(key).isEmpty()) << key;
    EXPECT_EQ(Stored("AllowMouseLook"), QStringLiteral("1"));
    EXPECT_EQ(Stored("FaintestStarName"), QStringLiteral("30"));
    EXPECT_EQ(Stored("DrawFlamsteedNames"), QStringLiteral("0"));

    // Through the view's button: Cancel writes nothing, OK writes and the view re-reads.
    WhenDialogOpens([](TSkyViewOptions& d) {
        d.findChild<QCheckBox*>(QStringLiteral("ShowPlanets"))->setChecked(false);
        d.reject();
    });
    Button("Options")->click();
    EXPECT_EQ(Stored("DrawPlanetNames"), QStringLiteral("1"));
    EXPECT_TRUE(view->viewSettings().drawPlanetNames);

    int opened = 0, closed = 0;
    QObject::connect(view.get(), &TSkyView::modalDialogOpened, [&] { ++opened; });
    QObject::connect(view.get(), &TSkyView::modalDialogClosed, [&] { ++closed; });
    WhenDialogOpens([](TSkyViewOptions& d) {
        d.findChild<QCheckBox*>(QStringLiteral("DrawHorizon"))->setChecked(false);
        d.findChild<QSlider*>(QStringLiteral("FaintestBar"))->setValue(40);
        d.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->click();
    });
    Button("Options")->click();
    EXPECT_EQ(opened, 1);
    EXPECT_EQ(closed, 1);
    EXPECT_EQ(Stored("DrawHorizon"), QStringLiteral("0"));
    EXPECT_FALSE(view->viewSettings().drawHorizon);
    EXPECT_EQ(view->viewSettings().faintestStarShow, 40);
}
