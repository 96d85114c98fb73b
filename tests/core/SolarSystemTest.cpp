#include <QFile>

#include "core/Atmosphere.h"
#include "core/Body.h"
#include "core/Moon.h"
#include "core/Rings.h"
#include "core/SettingsStore.h"
#include "core/Simulation.h"
#include "support/TestSupport.h"

namespace {

class SolarSystemTest : public ServicesTest {
  protected:
    MemorySettingsStore store;
    SimTime wall = MakeSimTime(2026, 12, 8, 0, 0, 0);

    std::unique_ptr<Simulation> Build() {
        Services::instance().setDataDirectory(dir.path());
        auto sim = std::make_unique<Simulation>(store, [this] { return wall; });
        EXPECT_TRUE(sim->BuildSolarSystem());
        return sim;
    }
    void WriteShorts(const QByteArray& text) {
        QFile f(dir.filePath(QStringLiteral("OVShorts.dat")));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(text);
    }
};

int IndexOf(const Simulation& sim, const char* name) {
    for (std::size_t i = 0; i < sim.bodies().size(); ++i)
        if (sim.bodies()[i]->name() == QLatin1String(name)) return static_cast<int>(i);
    return -1;
}

}  // namespace

TEST_F(SolarSystemTest, BodyListOrderAndNames) {
    auto sim = Build();
    const auto& bodies = sim->bodies();
    ASSERT_EQ(bodies.size(), 1u + 9 + 1 + 60 + 1 + 1);
    EXPECT_EQ(bodies[0]->name(), QStringLiteral("Sun"));
    EXPECT_EQ(bodies[0], sim->sun());
    const char* planets[] = {"Mercury", "Venus",  "Earth",   "Mars", "Jupiter",
                             "Saturn",  "Uranus", "Neptune", "Pluto"};
    for (int i = 0; i < 9; ++i) {
        EXPECT_EQ(bodies[i + 1]->name(), QLatin1String(planets[i]));
        EXPECT_EQ(bodies[i + 1]->Kind(), BodyKind::Planet);
        EXPECT_EQ(sim->planet(i), bodies[i + 1]);
    }
    EXPECT_EQ(bodies[10], sim->moon());
    EXPECT_LT(IndexOf(*sim, "Earth"), IndexOf(*sim, "Moon"));
    EXPECT_LT(IndexOf(*sim, "Moon"), IndexOf(*sim, "EarthAtmos"));
    EXPECT_EQ(bodies.back()->name(), QStringLiteral("EarthAtmos"));
    EXPECT_EQ(bodies[bodies.size() - 2], sim->rings());
    EXPECT_EQ(sim->rings()->Kind(), BodyKind::Rings);
    EXPECT_EQ(dynamic_cast<Rings*>(sim->rings())->innerRadius(), 74658.0);
    // Moons sit with their parents.
    auto parentOf = [&](const char* name) {
        return dynamic_cast<Moon*>(sim->FindBody(QLatin1String(name)))->Parent()->name();
    };
    EXPECT_EQ(parentOf("Phobos"), QStringLiteral("Mars"));
    EXPECT_EQ(parentOf("Sinope"), QStringLiteral("Jupiter"));
    EXPECT_EQ(parentOf("Phoebe"), QStringLiteral("Saturn"));
    EXPECT_EQ(parentOf("Oberon"), QStringLiteral("Uranus"));
    EXPECT_EQ(parentOf("Nereid"), QStringLiteral("Neptune"));
    EXPECT_EQ(parentOf("Charon"), QStringLiteral("Pluto"));
    EXPECT_EQ(parentOf("Moon"), QStringLiteral("Earth"));
    // Tethys and its companions share an orbit 60 degrees apart; so do Dione and Helene.
    auto* tethys = sim->FindBody(QStringLiteral("Tethys"));
    auto* telesto = sim->FindBody(QStringLiteral("Telesto"));
    const scene::Vec3 saturn = sim->planet(5)->positionKm();
    const scene::Vec3 a = tethys->positionKm() - saturn, b = telesto->positionKm() - saturn;
    EXPECT_NEAR(scene::Length(a), 294660, 1);
    EXPECT_NEAR(
        std::acos(scene::Dot(a, b) / (scene::Length(a) * scene::Length(b))) * 180 / 3.14159265, 60,
        0.01);
}

TEST_F(SolarSystemTest, FindBodyIgnoresCase) {
    auto sim = Build();
    EXPECT_EQ(sim->FindBody(QStringLiteral("moon")), sim->moon());
    EXPECT_EQ(sim->FindBody(QStringLiteral("SATURNRINGS")), sim->rings());
    EXPECT_EQ(sim->FindBody(QStringLiteral("Vulcan")), nullptr);
}

TEST_F(SolarSystemTest, AssemblyLogsItsStepsAndNamesItsObjects) {
    auto sim = Build();
    const QStringList& log = Services::instance().systemLog();
    const QStringList steps = {QStringLiteral("Loading default models"),
                               QStringLiteral("Initialising Sun"),
                               QStringLiteral("Moving sun to centre of Solar System"),
                               QStringLiteral("Scaling Sun to correct size"),
                               QStringLiteral("Turning on Sun - let there be light"),
                               QStringLiteral("Initialising planets"),
                               QStringLiteral("Initialising Moon"),
                               QStringLiteral("Initialising Martian moons"),
                               QStringLiteral("Adding Atmospheres"),
                               QStringLiteral("Adding Sunshine"),
                               QStringLiteral("Adding some ambient light")};
    int last = -1;
    for (const QString& step : steps) {
        const int at = static_cast<int>(log.indexOf(step));
        EXPECT_GT(at, last) << step.toStdString();
        last = at;
    }
    QStringList names;
    for (const auto* o : sim->scene().objects()) names << o->name();
    for (const char* n : {"UV: Stars", "Frame: Stars", "Frame:  Sun", "Material: Sunsurface",
                          "Light: Sunshine", "Light: Ambient", "Frame:  EarthAtmos"})
        EXPECT_TRUE(names.contains(QLatin1String(n))) << n;
    EXPECT_EQ(sim->sun()->material()->emissive(), (scene::Colour3{0.99, 0.99, 0.7}));
    EXPECT_EQ(sim->sunshine()->type(), scene::LightType::ParallelPoint);
    EXPECT_EQ(sim->sunshine()->range(), 24534400.0);
    EXPECT_EQ(sim->sun()->frame()->lights().size(), 2u);
    auto* atmos = sim->FindBody(QStringLiteral("EarthAtmos"));
    EXPECT_FLOAT_EQ(atmos->radii()[0], 6378.15f + 125);
    EXPECT_EQ(sim->camera().lastTickTime, wall);
    sim.reset();
    EXPECT_TRUE(Services::instance().systemLog().contains(QStringLiteral("Body Killed: Charon")));
}

TEST_F(SolarSystemTest, SmallMoonsCanBeLeftOut) {
    store.writeBool(QStringLiteral("Simulation"), QStringLiteral("ShowSmallMoons"), false);
    auto sim = Build();
    EXPECT_EQ(sim->FindBody(QStringLiteral("Phobos")), nullptr);
    EXPECT_EQ(sim->FindBody(QStringLiteral("Leda")), nullptr);
    EXPECT_NE(sim->FindBody(QStringLiteral("Amalthea")), nullptr);
    EXPECT_NE(sim->FindBody(QStringLiteral("Titan")), nullptr);
    EXPECT_EQ(sim->bodies().size(), 73u - 27u);  // 27 moons under 50 km
}

TEST_F(SolarSystemTest, ShortTextsFollowTheFileRules) {
    WriteShorts(
        "% not a name line\n"
        "Earth is not read: no percent first\n"
        "%Earth%The third planet.\n"
        "%Vulcan%No such body.\n"
        "%Mars has no second percent\n"
        "%EARTH%Home.\n"
        "%Moon%Our satellite.");
    auto sim = Build();
    EXPECT_EQ(sim->earth()->shortText(), QStringLiteral("The third planet.\nHome.\n"));
    EXPECT_EQ(sim->moon()->shortText(), QStringLiteral("Our satellite."));
    EXPECT_TRUE(sim->FindBody(QStringLiteral("Mars"))->shortText().isEmpty());
}

TEST_F(SolarSystemTest, ManyShortTextLinesJoinInOrderForEachBody) {
    // Lines for several bodies interleaved, mixed case; each body's lines keep their order.
    QByteArray text;
    for (int i = 0; i < 20000; ++i)
        text += "%" + QByteArray(i % 2 ? "earth" : "Mars") + "%" + QByteArray::number(i) + "\n";
    WriteShorts(text);
    auto sim = Build();
    const QStringList earth =
        sim->earth()->shortText().split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    const QStringList mars = sim->FindBody(QStringLiteral("Mars"))
                                 ->shortText()
                                 .split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    ASSERT_EQ(earth.size(), 10000);
    ASSERT_EQ(mars.size(), 10000);
    EXPECT_EQ(earth.first(), QStringLiteral("1"));
    EXPECT_EQ(earth.last(), QStringLiteral("19999"));
    EXPECT_EQ(mars[4321], QStringLiteral("8642"));
}

TEST_F(SolarSystemTest, MissingShortTextsFileIsSkipped) {
    auto sim = Build();
    EXPECT_TRUE(sim->earth()->shortText().isEmpty());
}

TEST_F(SolarSystemTest, AmbientLightAndObserverSettings) {
    store.writeInt(QStringLiteral("Simulation"), QStringLiteral("AmbientLight"), 0);
    store.writeText(QStringLiteral("Simulation"), QStringLiteral("Latitude"),
                    QStringLiteral("North"));
    store.writeText(QStringLiteral("Simulation"), QStringLiteral("Longitude"),
                    QStringLiteral("-2.25"));
    store.writeInt(QStringLiteral("Simulation"), QStringLiteral("Timezone"), 3);
    store.writeText(QStringLiteral("Simulation"), QStringLiteral("Location"),
                    QStringLiteral("Oslo"));
    auto sim = Build();
    EXPECT_EQ(sim->ambient()->colour(), (scene::Colour3{0, 0, 0}));
    EXPECT_EQ(sim->observer().latitude, 53.0);
    EXPECT_EQ(sim->observer().longitude, -2.25);
    EXPECT_EQ(sim->observer().zoneText, QStringLiteral("GMT+01:30"));
    EXPECT_EQ(sim->observer().locationName, QStringLiteral("Oslo"));
    sim.reset();
    store.writeInt(QStringLiteral("Simulation"), QStringLiteral("AmbientLight"), 100);
    EXPECT_EQ(Build()->ambient()->colour(), (scene::Colour3{1, 1, 1}));
    store.writeInt(QStringLiteral("Simulation"), QStringLiteral("AmbientLight"), 5000);
    EXPECT_EQ(Build()->ambient()->colour(), (scene::Colour3{1, 1, 1}));  // held to 100 %
}

TEST_F(SolarSystemTest, ClockStartsFromSettings) {
    store.writeText(QStringLiteral("Simulation"), QStringLiteral("TimeOffset"),
                    QStringLiteral("3600.9"));
    store.writeInt(QStringLiteral("Simulation"), QStringLiteral("Speed"), 60);
    auto sim = Build();
    EXPECT_EQ(sim->SimNow(), wall + 3600);
    EXPECT_EQ(sim->ClockSpeed(), 60);
    wall += 10;
    EXPECT_EQ(sim->SimNow(), wall - 10 + 3600 + 600);
}

TEST_F(SolarSystemTest, EveryBodyStaysFiniteOverTheCalendar) {
    // Every 23 days from 1901 to 2099 by both theories: a position or spin that is not
    // finite anywhere in the calendar would lose a body from the picture for good.
    auto sim = Build();
    const SimTime first = MakeSimTime(1901, 1, 1, 0, 0, 0);
    const SimTime last = MakeSimTime(2099, 12, 31, 23, 59, 59);
    auto finite = [](const scene::Vec3& v) {
        return std::isfinite(v.x) && std::isfinite(v.y) && std::isfinite(v.z);
    };
    for (EphemerisModel model : {EphemerisModel::Elements, EphemerisModel::Precise}) {
        sim->SetEphemerisModel(model);
        int bad = 0;
        for (SimTime t = first; t <= last; t += 23 * 86400.0 + 3671) {
            sim->UpdateBodies(t);
            for (const Body* body : sim->bodies())
                if (!finite(body->positionKm()) || !finite(body->up()) ||
                    !finite(body->direction())) {
                    if (++bad < 5) ADD_FAILURE() << qPrintable(body->name()) << " at " << t;
                }
        }
        sim->UpdateBodies(last);
        EXPECT_EQ(bad, 0);
        // The far end is still a solar system: Earth about 1 AU out, Neptune about 30.
        const double au = 1.495978707e8;
        const scene::Vec3 e = sim->earth()->positionKm();
        EXPECT_NEAR(std::hypot(e.x, e.y, e.z) / au, 1.0, 0.02);
        const scene::Vec3 n = sim->planet(7)->positionKm();
        EXPECT_NEAR(std::hypot(n.x, n.y, n.z) / au, 30.0, 0.6);
    }
}
