#include <gtest/gtest.h>

#include <QCheckBox>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QTreeWidget>

#include "core/SettingsStore.h"
#include "core/Simulation.h"
#include "maps/widgets/TJupiterMoon.h"
#include "support/TestSupport.h"

namespace {

class JupiterWindowTest : public ServicesTest {
  protected:
    MemorySettingsStore store;
    Simulation sim{store, [] { return MakeSimTime(2026, 12, 8, 22, 0, 0); }};

    void SetUp() override {
        ServicesTest::SetUp();
        sim.SetSimTime(MakeSimTime(2026, 12, 8, 22, 0, 0));
        sim.SetClockSpeed(0);
    }
    void Release(QWidget& w, int key) {
        QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier);
        QCoreApplication::sendEvent(&w, &release);
    }
};

int CountColour(const QImage& image, Rgb c) {
    int n = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) n += image.pixel(x, y) == qRgb(c.r, c.g, c.b);
    return n;
}

}  // namespace

TEST_F(JupiterWindowTest, DrawsWhatTheOptionsSayAndRemembersThem) {
    auto w = std::make_unique<TJupiterMoon>(sim, store);
    EXPECT_EQ(w->windowTitle(), QStringLiteral("Jupiter and the Galilean Moons"));
    EXPECT_EQ(w->showMoonOrbit()->text(), QStringLiteral("Show moon orbits"));
    EXPECT_EQ(w->showLabels()->text(), QStringLiteral("Show labels"));
    EXPECT_TRUE(w->showMoonOrbit()->isChecked());  // fresh settings: orbits on, labels off
    EXPECT_FALSE(w->showLabels()->isChecked());
    w->resize(500, 640);
    w->show();
    QCoreApplication::processEvents();
    EXPECT_EQ(w->earthPicture().height(), TJupiterMoon::kEarthViewHeight);
    EXPECT_EQ(w->earthPicture().width(), w->planPicture().width());
    for (const GalileanMoonData& m : kGalileanMoons)
        EXPECT_GT(CountColour(w->planPicture(), m.moonColour), 8) << m.name;
    const Rgb ioOrbit = MoonData(GalileanMoon::Io).orbitColour;
    EXPECT_GT(CountColour(w->planPicture(), ioOrbit), 50);

    // Clicking a box redraws and writes both keys.
    w->showMoonOrbit()->click();
    EXPECT_EQ(CountColour(w->planPicture(), ioOrbit), 0);
    EXPECT_FALSE(store.get(settings::DrawMoonOrbits));
    EXPECT_EQ(store.readText(QStringLiteral("MapView"), QStringLiteral("ShowLabels"), {}),
              QStringLiteral("0"));
    w->showLabels()->click();
    EXPECT_TRUE(store.get(settings::JupiterShowLabels));
    // A new window reads them.
    w = std::make_unique<TJupiterMoon>(sim, store);
    EXPECT_FALSE(w->showMoonOrbit()->isChecked());
    EXPECT_TRUE(w->showLabels()->isChecked());
}

TEST_F(JupiterWindowTest, ListsTheComingEventsInLocalTime) {
    TJupiterMoon w(sim, store);
    w.resize(400, 500);
    w.show();
    w.DrawJupiterMoons();
    QTreeWidget* list = w.eventsList();
    ASSERT_GE(list->topLevelItemCount(), 8);
    ASSERT_EQ(list->topLevelItemCount(), int(w.events().size()));
    const JupiterEvent first = w.events()[0];
    const Locale& locale = Services::instance().locale();
    const CalendarRecord ut = ToCalendarRecord(std::round(first.time / 60) * 60);
    EXPECT_EQ(list->topLevelItem(0)->text(0), locale.FormatDate(ut));
    EXPECT_EQ(list->topLevelItem(0)->text(1), locale.FormatTime(ut, false));
    EXPECT_EQ(list->topLevelItem(0)->text(2), QString::fromLatin1(MoonData(first.moon).name));
    EXPECT_EQ(list->topLevelItem(0)->text(3), JupiterEventText(first.kind));
    // Two hours east of Greenwich: the same events two hours later on the clock.
    sim.SetTimeZone(4, 0);
    w.DrawJupiterMoons();
    const CalendarRecord local = ToCalendarRecord(std::round(first.time / 60) * 60 + 7200);
    EXPECT_EQ(list->topLevelItem(0)->text(1), locale.FormatTime(local, false));
}

TEST_F(JupiterWindowTest, TimersKeysAndMinimising) {
    TJupiterMoon w(sim, store);
    EXPECT_TRUE(w.updateTimer().isActive());
    EXPECT_EQ(w.updateTimer().interval(), 5000);
    w.SetActive(true);
    EXPECT_EQ(w.updateTimer().interval(), 500);
    w.SetActive(false);
    EXPECT_EQ(w.updateTimer().interval(), 5000);

    QString topic;
    QObject::connect(&w, &TJupiterMoon::helpRequested, [&](const QString& t) { topic = t; });
    std::vector<int> keys;
    QObject::connect(&w, &TJupiterMoon::functionKeyPressed, [&](int key) { keys.push_back(key); });
    Release(w, Qt::Key_F1);
    EXPECT_EQ(topic, QStringLiteral("JupiterMoons"));
    Release(w, Qt::Key_F7);
    Release(w, Qt::Key_Escape);
    EXPECT_EQ(keys, (std::vector<int>{Qt::Key_F7, Qt::Key_Escape}));

    // Minimised, the window leaves its pictures alone.
    w.resize(400, 500);
    w.show();
    w.DrawJupiterMoons();
    const QImage before = w.planPicture();
    sim.SetSimTime(MakeSimTime(2026, 12, 9, 3, 0, 0));
    w.showMinimized();
    w.DrawJupiterMoons();
    EXPECT_EQ(w.planPicture(), before);
    w.showNormal();
    w.DrawJupiterMoons();
    EXPECT_NE(w.planPicture(), before);
}
