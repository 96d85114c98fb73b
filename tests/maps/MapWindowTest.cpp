#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QKeyEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QTemporaryDir>
#include <QToolButton>
#include <QWheelEvent>
#include <cmath>

#include "core/Moon.h"
#include "core/SavedPosition.h"
#include "maps/MapWorld.h"
#include "maps/widgets/TSolarSystemMap.h"

namespace {

QStringList Captions(const QMenu* menu) {
    QStringList captions;
    for (const QAction* a : menu->actions())
        captions << (a->isSeparator() ? QStringLiteral("-") : a->text());
    return captions;
}

QAction* ActionNamed(const QMenu* menu, const QString& text) {
    for (QAction* a : menu->actions())
        if (a->text() == text) return a;
    return nullptr;
}

class MapWindowTest : public MapWorldTest {
  protected:
    std::unique_ptr<TSolarSystemMap> map;

    void SetUp() override {
        MapWorldTest::SetUp();
        Create();
    }
    void TearDown() override {
        map.reset();
        MapWorldTest::TearDown();
    }
    void Create() {
        map.reset();
        map = std::make_unique<TSolarSystemMap>(*sim, *camera, store);
        map->viewPort()->setFixedSize(1024, 768);
        map->show();
        QApplication::processEvents();
    }
    void Choose(const char* preset) {
        QAction* a = ActionNamed(map->viewPopup(), QLatin1String(preset));
        ASSERT_TRUE(a) << preset;
        a->trigger();
    }
    const MapHit* HitOf(const Body* body) const {
        for (const MapHit& h : map->hitList())
            if (h.body == body) return &h;
        return nullptr;
    }
    void Send(QObject* to, QEvent* event) {
        QApplication::sendEvent(to, event);
        delete event;
    }
};

}  // namespace

TEST_F(MapWindowTest, FreshMapPresetsAndCameraView) {
    ASSERT_EQ(map->geometry().pictureWidth(), 1024);
    ASSERT_EQ(map->geometry().pictureHeight(), 768);
    EXPECT_EQ(map->windowTitle(), QStringLiteral("Solar System Map"));
    EXPECT_DOUBLE_EQ(map->geometry().Width(), 800000000.0);
    EXPECT_EQ(map->statusText(), QStringLiteral("Map width = 800000000 km"));
    EXPECT_EQ(Captions(map->viewPopup()),
              QStringList({"Camera Position", "Whole Solar System", "Inner Solar System", "Earth",
                           "Mars", "Jupiter System", "    Galilean Satellites", "Saturn System",
                           "    Inner Saturn System", "Uranus System", "Neptune System", "Pluto"}));

    Choose("Earth");
    const MapExtent& e = map->geometry().extent();
    EXPECT_NEAR(e.top - e.bottom, 800000.0, 1e-6);
    const Ecliptic earth = Find("Earth")->heliocentric();
    EXPECT_NEAR(map->SavedView().x, earth.x, 1e-3);
    EXPECT_NEAR(map->SavedView().y, earth.y, 1e-3);
    EXPECT_EQ(map->statusText(), QStringLiteral("Map width = 1066667 km"));

    Choose("Jupiter System");
    EXPECT_NEAR(e.top - e.bottom, 50000000.0, 1e-3);

    // The camera inside the Earth: ten Earth radii either side of it.
    camera->MoveCameraTo(Find("Earth"), Where::Centre);
    Choose("Camera Position");
    EXPECT_NEAR(map->geometry().Width(), 20 * 6378.15, 1e-6);
    EXPECT_NEAR(map->SavedView().x, earth.x, 1e-3);
    EXPECT_NEAR(map->SavedView().y, earth.y, 1e-3);
    // The cross marks the camera in the middle of the picture.
    EXPECT_EQ(map->picture().pixel(512 + 4, 384 + 4), qRgb(255, 255, 255));
}

TEST_F(MapWindowTest, ZoomLimitsShowTheirMessagesAndChangeNothing) {
    const QPointF centre(512, 384);
    map->RestoreView({1.0e8, 2.0e7, 5000.0});
    const MapExtent before = map->geometry().extent();
    map->Zoom(true, centre);
    ASSERT_EQ(prompter.calls.size(), 1u);
    EXPECT_EQ(prompter.calls[0].caption, QStringLiteral("Zoom"));
    EXPECT_EQ(prompter.calls[0].text, QStringLiteral("You cannot zoom in any more."));
    EXPECT_EQ(map->geometry().extent(), before);
    // The wheel keeps the same limit.
    auto* wheel = new QWheelEvent(centre, map->viewPort()->mapToGlobal(centre), {}, {0, 120},
                                  Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
    Send(map->viewPort(), wheel);
    ASSERT_EQ(prompter.calls.size(), 2u);
    EXPECT_EQ(prompter.calls[1].text, QStringLiteral("You cannot zoom in any more."));
    EXPECT_EQ(map->geometry().extent(), before);

    map->RestoreView({1.0e8, 2.0e7, 5001});
    map->Zoom(true, centre);
    EXPECT_NEAR(map->geometry().Width(), 2500.5, 1e-6);
    EXPECT_EQ(prompter.calls.size(), 2u);

    map->RestoreView({0, 0, 24000000000.0});
    const MapExtent wide = map->geometry().extent();
    map->Zoom(false, centre);
    ASSERT_EQ(prompter.calls.size(), 3u);
    EXPECT_EQ(prompter.calls[2].caption, QStringLiteral("Zoom"));
    EXPECT_EQ(prompter.calls[2].text, QStringLiteral("You cannot zoom out any more."));
    EXPECT_EQ(map->geometry().extent(), wide);
    EXPECT_EQ(map->statusText(), QStringLiteral("Map width = 24000000000 km"));
}

TEST_F(MapWindowTest, WheelZoomsAboutThePointerAndTheMiddleButtonDrags) {
    const QPointF at(200, 600);
    const QPointF world = map->geometry().PixelToWorld(at.x(), at.y());
    Send(map->viewPort(), new QWheelEvent(at, map->viewPort()->mapToGlobal(at), {}, {0, 120},
                                          Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false));
    EXPECT_DOUBLE_EQ(map->geometry().Width(), 400000000.0);
    QPointF after = map->geometry().PixelToWorld(at.x(), at.y());
    EXPECT_NEAR(after.x(), world.x(), 1);
    EXPECT_NEAR(after.y(), world.y(), 1);
    // Half a notch does nothing; the second half completes it.
    Send(map->viewPort(), new QWheelEvent(at, map->viewPort()->mapToGlobal(at), {}, {0, -60},
                                          Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false));
    EXPECT_DOUBLE_EQ(map->geometry().Width(), 400000000.0);
    Send(map->viewPort(), new QWheelEvent(at, map->viewPort()->mapToGlobal(at), {}, {0, -60},
                                          Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false));
    EXPECT_DOUBLE_EQ(map->geometry().Width(), 800000000.0);

    // Dragging with the middle button carries the map with the pointer; no popup follows.
    const QPointF from(500, 400), to(600, 350);
    const QPointF grabbed = map->geometry().PixelToWorld(from.x(), from.y());
    auto mouse = [&](QEvent::Type type, QPointF p, Qt::MouseButton button, Qt::MouseButtons held) {
        Send(map->viewPort(), new QMouseEvent(type, p, map->viewPort()->mapToGlobal(p), button,
                                              held, Qt::NoModifier));
    };
    mouse(QEvent::MouseButtonPress, from, Qt::MiddleButton, Qt::MiddleButton);
    mouse(QEvent::MouseMove, to, Qt::NoButton, Qt::MiddleButton);
    mouse(QEvent::MouseButtonRelease, to, Qt::MiddleButton, Qt::NoButton);
    const QPointF under = map->geometry().PixelToWorld(to.x(), to.y());
    EXPECT_NEAR(under.x(), grabbed.x(), 1);
    EXPECT_NEAR(under.y(), grabbed.y(), 1);
    EXPECT_DOUBLE_EQ(map->geometry().Width(), 800000000.0);
    EXPECT_FALSE(map->mapPopup()->isVisible());
}

TEST_F(MapWindowTest, ArrowsButtonsAndMenuItemsPan) {
    const MapExtent start = map->geometry().extent();
    Send(map.get(), new QKeyEvent(QEvent::KeyPress, Qt::Key_Left, Qt::NoModifier));
    EXPECT_DOUBLE_EQ(map->geometry().extent().left, start.left - 160000000.0);
    map->panButton(PanDirection::Up)->click();
    EXPECT_DOUBLE_EQ(map->geometry().extent().top, start.top + 120000000.0);
    EXPECT_EQ(map->panButton(PanDirection::Up)->toolTip(), QStringLiteral("Move up (Up)"));
    ActionNamed(map->mapPopup(), QStringLiteral("Move Right\t<Right>"))->trigger();
    ActionNamed(map->mapPopup(), QStringLiteral("Move Down\t<Down>"))->trigger();
    EXPECT_NEAR(map->geometry().extent().left, start.left, 1e-3);
    EXPECT_NEAR(map->geometry().extent().top, start.top, 1e-3);
    EXPECT_TRUE(ActionNamed(map->mapPopup(), QStringLiteral("Zoom In\t+")));
    EXPECT_TRUE(ActionNamed(map->mapPopup(), QStringLiteral("Zoom Out\t-")));

    // F1 asks for the map's help page; other keys go to the shared handler.
    QString topic;
    int shared = 0;
    QObject::connect(map.get(), &TSolarSystemMap::helpRequested,
                     [&](const QString& t) { topic = t; });
    QObject::connect(map.get(), &TSolarSystemMap::functionKeyPressed,
                     [&](int key) { shared = key; });
    Send(map.get(), new QKeyEvent(QEvent::KeyRelease, Qt::Key_F1, Qt::NoModifier));
    EXPECT_EQ(topic, QStringLiteral("SolarSystemMap"));
    Send(map.get(), new QKeyEvent(QEvent::KeyRelease, Qt::Key_F7, Qt::NoModifier));
    EXPECT_EQ(shared, int(Qt::Key_F7));
}

TEST_F(MapWindowTest, PopupOffersEightNearestAndMovesTheCamera) {
    Choose("Whole Solar System");
    Body* jupiter = Find("Jupiter");
    const MapHit* hit = HitOf(jupiter);
    ASSERT_TRUE(hit);
    // Jupiter's moons fall on its marker at this scale: none is drawn or offered.
    for (const MapHit& h : map->hitList()) EXPECT_NE(h.body->Parent(), jupiter);

    for (int round = 0; round < 2; ++round) {  // opening it again does not pile items up
        map->OpenMapPopup({hit->x, hit->y});
        for (QMenu* menu : {map->moveCameraMenu(), map->pointCameraMenu()}) {
            const QStringList captions = Captions(menu);
            ASSERT_EQ(captions.size(), 10) << qPrintable(captions.join(QLatin1Char(',')));
            EXPECT_EQ(captions[0], QStringLiteral("Position Clicked"));
            EXPECT_EQ(captions[1], QStringLiteral("-"));
            EXPECT_EQ(captions[2], QStringLiteral("Jupiter"));
            const QPointF clicked = map->clickedPoint();
            double last = -1;
            for (int i = 2; i < captions.size(); ++i) {
                Body* b = sim->FindBody(captions[i]);
                ASSERT_TRUE(b);
                EXPECT_TRUE(b->Kind() == BodyKind::Planet || b->Kind() == BodyKind::Sun)
                    << qPrintable(captions[i]);
                const Ecliptic p = b->heliocentric();
                const double d = std::hypot(p.x - clicked.x(), p.y - clicked.y());
                EXPECT_GE(d, last);
                last = d;
            }
        }
        map->mapPopup()->hide();
    }

    // "Move Camera to" Jupiter: ten radii on its sunny side, as the controls choose.
    ActionNamed(map->moveCameraMenu(), QStringLiteral("Jupiter"))->trigger();
    EXPECT_NEAR(scene::Length(jupiter->positionKm() - sim->camera().position),
                10 * jupiter->largestRadius(), 1);
    // "Point Camera at" the Sun turns the camera to it.
    ActionNamed(map->pointCameraMenu(), QStringLiteral("Sun"))->trigger();
    const scene::Vec3 forward = camera->Forward();
    const scene::Vec3 toSun = scene::Normalised(sim->camera().position * -1.0);
    EXPECT_NEAR(scene::Dot(forward, toSun), 1.0, 1e-6);
    // "Position Clicked" puts the camera at the clicked point on the ecliptic.
    map->OpenMapPopup({700, 200});
    const QPointF clicked = map->clickedPoint();
    ActionNamed(map->pointCameraMenu(), QStringLiteral("Position Clicked"))->trigger();
    EXPECT_DOUBLE_EQ(sim->camera().position.x, clicked.x());
    EXPECT_DOUBLE_EQ(sim->camera().position.y, 0);
    EXPECT_DOUBLE_EQ(sim->camera().position.z, clicked.y());
    map->mapPopup()->hide();
}

TEST_F(MapWindowTest, MoonsUnderTheirPlanetAreNeitherListedNorHinted) {
    Choose("Inner Solar System");
    Body* earth = Find("Earth");
    ASSERT_TRUE(HitOf(earth));
    const MapHit* hit = new MapHit(*HitOf(earth));  // redraws replace the list
    std::unique_ptr<const MapHit> owned(hit);
    EXPECT_FALSE(HitOf(Find("Moon")));
    map->OpenMapPopup({hit->x, hit->y});
    EXPECT_TRUE(ActionNamed(map->moveCameraMenu(), QStringLiteral("Earth")));
    EXPECT_FALSE(ActionNamed(map->moveCameraMenu(), QStringLiteral("Moon")));
    map->mapPopup()->hide();

    // Hints name the body under the pointer when labels are off.
    map->labelsBox()->click();
    ASSERT_FALSE(map->labelsBox()->isChecked());
    map->ShowHintAt({hit->x + 3, hit->y + 2});
    EXPECT_TRUE(map->hintShowing());
    EXPECT_EQ(map->hintText(), QStringLiteral("Earth"));
    // A move of more than 8 pixels from where it was shown hides it.
    Send(map->viewPort(),
         new QMouseEvent(QEvent::MouseMove, QPointF(hit->x + 3, hit->y + 12),
                         map->viewPort()->mapToGlobal(QPointF(hit->x + 3, hit->y + 12)),
                         Qt::NoButton, Qt::NoButton, Qt::NoModifier));
    EXPECT_FALSE(map->hintShowing());
    map->ShowHintAt({hit->x, hit->y});
    EXPECT_TRUE(map->hintShowing());
    map->labelsBox()->click();  // and ticking the labels hides it
    EXPECT_FALSE(map->hintShowing());
    map->ShowHintAt({5, 5});  // nothing near
    EXPECT_FALSE(map->hintShowing());
}

TEST_F(MapWindowTest, OrbitOptionsAreStoredAndReadBack) {
    EXPECT_TRUE(map->planetOrbitsBox()->isChecked());
    EXPECT_TRUE(map->moonOrbitsBox()->isChecked());
    EXPECT_TRUE(map->labelsBox()->isChecked());
    map->planetOrbitsBox()->click();
    map->labelsBox()->click();
    EXPECT_FALSE(store.get(settings::DrawPlanetOrbits));
    EXPECT_TRUE(store.get(settings::DrawMoonOrbits));
    EXPECT_EQ(store.read(QStringLiteral("MapView"), QStringLiteral("DrawPlanetOrbits")),
              QStringLiteral("0"));
    Create();
    EXPECT_FALSE(map->planetOrbitsBox()->isChecked());
    EXPECT_TRUE(map->moonOrbitsBox()->isChecked());
    EXPECT_TRUE(map->labelsBox()->isChecked());  // labels are not kept
}

TEST_F(MapWindowTest, ActivationSetsTheRedrawIntervalAndTellsTheMainWindow) {
    std::vector<bool> told;
    QObject::connect(map.get(), &TSolarSystemMap::activeChanged,
                     [&](bool on) { told.push_back(on); });
    EXPECT_EQ(map->updateTimer().interval(), TSolarSystemMap::kInactiveInterval);
    map->Activated();
    EXPECT_EQ(map->updateTimer().interval(), 1000);
    EXPECT_TRUE(map->updateTimer().isActive());
    map->labelsBox()->click();
    map->ShowHintAt({512, 384});  // the Sun
    ASSERT_TRUE(map->hintShowing());
    map->Deactivated();
    EXPECT_EQ(map->updateTimer().interval(), 10000);
    EXPECT_TRUE(map->updateTimer().isActive());
    EXPECT_FALSE(map->hintShowing());
    EXPECT_EQ(told, (std::vector<bool>{true, false}));
    map->Deactivated();  // another window's turn: the map was not active
    EXPECT_EQ(told.size(), 2u);

    // Setting the clock redraws the map: Mars moves on a year.
    const MapHit before = *HitOf(Find("Mars"));
    sim->SetSimTime(MakeSimTime(2027, 12, 8, 0, 0, 0));
    ASSERT_TRUE(HitOf(Find("Mars")));
    EXPECT_NE(QPoint(HitOf(Find("Mars"))->x, HitOf(Find("Mars"))->y), QPoint(before.x, before.y));
    EXPECT_EQ(TSolarSystemMap::DefaultPlacement({1200, 900}), QRect(216, 166, 792, 594));
}

TEST_F(MapWindowTest, SavedPositionKeepsTheMapView) {
    Choose("Saturn System");
    map->Pan(PanDirection::Left);
    const MapView saved = map->SavedView();
    ViewState state;
    state.map = saved;
    QTemporaryDir files;
    const QString path = files.filePath(QStringLiteral("map.ov"));
    ASSERT_TRUE(SavePosition(state, path));
    QFile text(path);
    ASSERT_TRUE(text.open(QIODevice::ReadOnly));
    const QString written = QString::fromUtf8(text.readAll());
    EXPECT_TRUE(written.contains(QStringLiteral("MapW=%1\n").arg(saved.width, 0, 'f', 1)))
        << qPrintable(written);

    Choose("Whole Solar System");
    const PositionContext context{[](const QString&) { return true; }};
    ViewState restored;
    restored.map = map->SavedView();
    ASSERT_TRUE(RestorePosition(path, context, restored));
    map->RestoreView(restored.map);
    EXPECT_NEAR(map->SavedView().x, saved.x, 0.05);
    EXPECT_NEAR(map->SavedView().y, saved.y, 0.05);
    EXPECT_NEAR(map->SavedView().width, saved.width, 0.05);
    EXPECT_NEAR(map->geometry().extent().top - map->geometry().extent().bottom,
                saved.width * 768 / 1024, 1);

    // A file without the map's keys keeps the view; a zero width is not shown.
    QFile bare(path);
    ASSERT_TRUE(bare.open(QIODevice::WriteOnly | QIODevice::Truncate));
    bare.write("# comment\nMapX=1000\nMapY=-5\nMapW=0\n");
    bare.close();
    ViewState zero;
    zero.map = map->SavedView();
    ASSERT_TRUE(RestorePosition(path, context, zero));
    EXPECT_DOUBLE_EQ(zero.map.width, 0);
    map->RestoreView(zero.map);
    EXPECT_NEAR(map->SavedView().width, saved.width, 0.05);
    EXPECT_NEAR(map->SavedView().x, saved.x, 0.05);
}

TEST_F(MapWindowTest, PictureAtAnotherSizeKeepsTheWidth) {
    const QImage picture = map->Picture({640, 480});
    EXPECT_EQ(picture.size(), QSize(640, 480));
    // The Sun's marker in the middle, in its colour (the camera's cross is on it too).
    const QRgb sun = MapRenderer::MapColour(0xAFFDFD) & 0xFFFFFF;
    EXPECT_EQ(picture.pixel(319, 239) & sun, sun);
    EXPECT_DOUBLE_EQ(map->geometry().Width(), 800000000.0);
    EXPECT_EQ(map->geometry().pictureWidth(), 1024);
}
