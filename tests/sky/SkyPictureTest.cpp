#include <gtest/gtest.h>

#include <QImage>
#include <cmath>

#include "core/Body.h"
#include "core/SettingsStore.h"
#include "core/Simulation.h"
#include "sky/SkyData.h"
#include "sky/SkyMath.h"
#include "sky/SkyRenderer.h"
#include "sky/SkyStarStyle.h"
#include "support/TestSupport.h"

using namespace sky;

namespace {

constexpr double kPi = 3.14159265358979323846;

// The real catalogue, the solar system on a winter evening and the default observer
// ("Manchester", 53 N 0 E), drawn at 1024 x 768.
class SkyPicture : public ServicesTest {
  protected:
    MemorySettingsStore store;
    SkyData data;
    std::unique_ptr<Simulation> sim;
    SkyRenderer renderer{data};
    SkyViewState state;
    SkyViewSettings settings;
    SkyObserver observer;
    SkyFonts fonts = SkyFonts::Make();
    QImage picture{1024, 768, QImage::Format_RGB32};
    SimTime evening = MakeSimTime(2026, 12, 20, 21, 0, 0);

    void SetUp() override {
        ServicesTest::SetUp();
        LoadStarData(data, store, QStringLiteral(ORBIVALE_DATA_DIR));
        ASSERT_GT(data.catalogue.starCount(), 10000);
        Services::instance().setDataDirectory(dir.path());
        sim = std::make_unique<Simulation>(store, [this] { return evening; });
        ASSERT_TRUE(sim->BuildSolarSystem());
        sim->SetClockSpeed(0);
        sim->SetSimTime(evening);
        observer = {sim->observer().latitude, sim->observer().longitude};
        state.skyTime = evening;
    }

    void Draw() {
        renderer.Draw(picture, state, settings, CollectSkyBodies(*sim), observer, fonts);
    }

    const StarRecord* Star(const char* proper) const {
        for (const auto& block : data.catalogue.blocks())
            for (const StarRecord& s : block->stars)
                if (s.names && s.names->proper == QLatin1String(proper)) return &s;
        ADD_FAILURE() << "no star " << proper;
        return nullptr;
    }

    // Faces the middle of a group of stars.
    void Face(std::initializer_list<const char*> names) {
        scene::Vec3 sum;
        for (const char* n : names) {
            const StarRecord* s = Star(n);
            sum += scene::Vec3{s->equatorial[0], s->equatorial[1], s->equatorial[2]};
        }
        const ViewBasis level =
            BuildViewBasis(LocalSiderealTime(evening, observer.longitude), observer.latitude, 0, 0);
        const Horizontal h = level.HorizontalOf(scene::Normalised(sum));
        state.azimuth = h.azimuth;
        state.altitude = h.altitude;
    }

    static scene::Vec3 Direction(const StarRecord* s) {
        return {s->equatorial[0], s->equatorial[1], s->equatorial[2]};
    }

    // Every star of the group shows on the picture, its shape is the sky's (distances in
    // proportion to the angles between the stars, within the projection's own squeeze
    // towards the edges) and it is not
    // mirrored: each turn from one star to the next two goes the same way as on a star
    // chart seen from below, with north up and east to the left.
    void ExpectTrueShape(std::initializer_list<const char*> names) {
        std::vector<const StarRecord*> stars;
        for (const char* n : names) {
            stars.push_back(Star(n));
            ASSERT_TRUE(stars.back()->flags & SkyOnScreen) << n;
        }
        const auto raDec = [](const StarRecord* s) {
            const RaDec r =
                UnitVectorToRaDec({s->equatorial[0], s->equatorial[1], s->equatorial[2]});
            return std::pair<double, double>(r.ra, r.dec);
        };
        const auto [ra0, dec0] = raDec(stars[0]);
        // Star chart coordinates: gnomonic about the first star, x to the west, y north.
        const auto chart = [&](const StarRecord* s) {
            const auto [ra, dec] = raDec(s);
            const double c = std::sin(dec0) * std::sin(dec) +
                             std::cos(dec0) * std::cos(dec) * std::cos(ra - ra0);
            const double east = std::cos(dec) * std::sin(ra - ra0) / c;
            const double north = (std::cos(dec0) * std::sin(dec) -
                                  std::sin(dec0) * std::cos(dec) * std::cos(ra - ra0)) /
                                 c;
            return std::pair<double, double>(-east, north);
        };
        const auto screen = [](const StarRecord* s) {
            return std::pair<double, double>(s->skyX, -double(s->skyY));
        };
        const auto turn = [](auto a, auto b, auto c) {
            return (b.first - a.first) * (c.second - a.second) -
                   (b.second - a.second) * (c.first - a.first);
        };
        std::vector<double> ratios;
        for (std::size_t i = 0; i < stars.size(); ++i)
            for (std::size_t j = i + 1; j < stars.size(); ++j) {
                const auto a = chart(stars[i]), b = chart(stars[j]);
                const auto p = screen(stars[i]), q = screen(stars[j]);
                const double separation = std::acos(
                    std::clamp(scene::Dot(Direction(stars[i]), Direction(stars[j])), -1.0, 1.0));
                ratios.push_back(std::hypot(q.first - p.first, q.second - p.second) / separation);
                for (std::size_t k = j + 1; k < stars.size(); ++k) {
                    const double sky = turn(a, b, chart(stars[k]));
                    const double seen = turn(p, q, screen(stars[k]));
                    if (std::abs(sky) > 1e-4) {
                        EXPECT_GT(sky * seen, 0) << i << j << k;
                    }
                }
            }
        std::sort(ratios.begin(), ratios.end());
        const double median = ratios[ratios.size() / 2];
        for (double r : ratios) EXPECT_NEAR(r / median, 1.0, 0.1);
    }
};

}  // namespace

TEST_F(SkyPicture, WinterEveningFromManchester) {
    // Facing south-east, Orion is up: Betelgeuse above and to the left of Rigel, the belt
    // between them.
    state.azimuth = static_cast<double>(Compass::South) + 45;
    state.altitude = 25;
    Draw();
    const StarRecord* betelgeuse = Star("Betelgeuse");
    const StarRecord* rigel = Star("Rigel");
    ASSERT_TRUE(betelgeuse->flags & SkyOnScreen);
    ASSERT_TRUE(rigel->flags & SkyOnScreen);
    EXPECT_LT(betelgeuse->skyX, rigel->skyX);
    EXPECT_LT(betelgeuse->skyY, rigel->skyY);
    for (const char* belt : {"Alnitak", "Alnilam", "Mintaka"}) {
        const StarRecord* s = Star(belt);
        ASSERT_TRUE(s->flags & SkyOnScreen) << belt;
        EXPECT_GT(s->skyX, std::min(betelgeuse->skyX, rigel->skyX)) << belt;
        EXPECT_LT(s->skyX, std::max(betelgeuse->skyX, rigel->skyX)) << belt;
        EXPECT_GT(s->skyY, betelgeuse->skyY) << belt;
        EXPECT_LT(s->skyY, rigel->skyY) << belt;
    }
    ExpectTrueShape({"Betelgeuse", "Rigel", "Bellatrix", "Saiph", "Alnitak", "Mintaka"});
    EXPECT_GT(renderer.stats().figureSegments, 10);
    EXPECT_GT(renderer.stats().starLabels, 5);
    EXPECT_GT(renderer.stats().starsDrawn, 300);

    // The Plough, low in the north-east, and Cassiopeia, high in the north-west.
    Face({"Dubhe", "Merak", "Phecda", "Megrez", "Alioth", "Mizar", "Alkaid"});
    EXPECT_GT(CompassBearing(state.azimuth), 0);
    EXPECT_LT(CompassBearing(state.azimuth), 90);
    Draw();
    ExpectTrueShape({"Dubhe", "Merak", "Phecda", "Megrez", "Alioth", "Mizar", "Alkaid"});
    // The pointers, Merak to Dubhe, point up towards the pole star.
    const StarRecord* dubhe = Star("Dubhe");
    const StarRecord* merak = Star("Merak");
    EXPECT_LT(dubhe->skyY, merak->skyY);

    Face({"Schedar", "Caph", "Ruchbah", "Segin"});
    EXPECT_GT(CompassBearing(state.azimuth), 180);
    EXPECT_GT(state.altitude, 50);
    Draw();
    ExpectTrueShape({"Caph", "Schedar", "Ruchbah", "Segin"});
}

TEST_F(SkyPicture, StarsLabelsAndGrid) {
    // Only the stars: Sirius is a white plus with half-bright diagonals.
    settings.drawGrid = settings.drawConstellations = settings.drawBoundaries = false;
    settings.drawEcliptic = settings.drawHorizon = settings.drawStarNames = false;
    settings.drawGreekNames = settings.drawPlanetNames = false;
    Face({"Sirius"});
    Draw();
    const StarRecord* sirius = Star("Sirius");
    ASSERT_TRUE(sirius->flags & SkyOnScreen);
    const int x = sirius->skyX, y = sirius->skyY;
    EXPECT_NEAR(x, 512, 1);
    EXPECT_NEAR(y, 384, 1);
    for (auto [dx, dy] : {std::pair{0, 0}, {1, 0}, {0, 1}, {-1, 0}, {0, -1}})
        EXPECT_EQ(picture.pixel(x + dx, y + dy), 0xFFFFFFFFu);
    for (auto [dx, dy] : {std::pair{1, 1}, {-1, 1}, {-1, -1}, {1, -1}})
        EXPECT_EQ(picture.pixel(x + dx, y + dy), 0xFF7F7F7Fu);
    EXPECT_EQ(renderer.stats().starLabels, 0);

    // Stars fainter than the limit are neither drawn nor flagged, even those of a block the
    // draw skips as a whole.
    settings.faintestStarShow = 20;
    Draw();
    int flagged = 0;
    for (const auto& block : data.catalogue.blocks())
        for (const StarRecord& s : block->stars) {
            if (s.flags & SkyOnScreen) {
                ++flagged;
                EXPECT_LE(s.magIndex, MagIndex(2.0));
            }
        }
    EXPECT_GT(flagged, 0);

    // Names down to magnitude 3 by default: Sirius is named, in silver under the star.
    settings = SkyViewSettings{};
    settings.drawGrid = settings.drawHorizon = false;
    Draw();
    EXPECT_GT(renderer.stats().starLabels, 0);
    int grey = 0;
    for (int dy = 2; dy < 20; ++dy)
        for (int dx = 0; dx < 40; ++dx) {
            const QRgb c = picture.pixel(x + dx, y + dy);
            grey += qRed(c) == qGreen(c) && qGreen(c) == qBlue(c) && qRed(c) > 96;
        }
    EXPECT_GT(grey, 10);

    // The grid's labels: the centre's whole hour, its declination towards zero by tens.
    state.altitude = 90 - 53 - 17.5;  // the meridian at declination -17.5
    state.azimuth = 0;
    Draw();
    EXPECT_EQ(renderer.labelDec(), -10);
    const double centreHours = LocalSiderealTime(evening, 0);
    EXPECT_EQ(renderer.labelHour(), int(centreHours * 15) / 15);
}

TEST_F(SkyPicture, BodiesEclipticHorizonAndIdentify) {
    // Jupiter, just risen in the east-north-east, a few degrees above the shaded ground.
    const Ecliptic jupiter =
        sim->FindBody(QStringLiteral("Jupiter"))->heliocentric() - sim->earth()->heliocentric();
    const Horizontal where =
        ObserverHorizontal(jupiter, evening, observer.latitude, observer.longitude);
    state.azimuth = where.azimuth;
    state.altitude = where.altitude + 8;
    Draw();
    const auto& drawn = renderer.drawnBodies();
    const auto found = std::find_if(drawn.begin(), drawn.end(), [](const DrawnBody& d) {
        return d.bodyIndex == 5;  // Jupiter's place in the body list
    });
    ASSERT_NE(found, drawn.end());
    EXPECT_NEAR(found->x, 512, 2);
    const SkySolarSystem bodies = CollectSkyBodies(*sim);
    auto id = IdentifyAt(found->x + 2, found->y + 1, data.catalogue, bodies, drawn,
                         renderer.projection().basis());
    ASSERT_TRUE(id.has_value());
    EXPECT_EQ(id->name, QStringLiteral("Jupiter"));
    ASSERT_TRUE(id->magnitude.has_value());
    EXPECT_NEAR(*id->magnitude, -2.6, 0.3);  // close to opposition
    EXPECT_NEAR(id->horizontal.altitude, where.altitude, 0.01);
    const QString text = DescribeIdentity(*id);
    EXPECT_TRUE(text.startsWith(QStringLiteral("Jupiter"))) << text.toStdString();
    EXPECT_TRUE(text.contains(QStringLiteral("RA 9h"))) << text.toStdString();
    EXPECT_FALSE(
        IdentifyAt(-100, -100, data.catalogue, bodies, drawn, renderer.projection().basis())
            .has_value());

    // The horizon runs across the picture below Jupiter: the ground under it is shaded, the
    // sky over it mostly black.
    const ViewBasis& basis = renderer.projection().basis();
    const Projected horizon = renderer.projection().ProjectDirection(
        RotateAbout(basis.zenith, -where.azimuth, basis.south));
    ASSERT_TRUE(horizon.onPicture());
    EXPECT_GT(horizon.y, found->y);
    int groundShaded = 0, skyBlack = 0;
    for (int x = 0; x < 1024; ++x) {
        groundShaded += (picture.pixel(x, horizon.y + 40) & 0xFFFFFF) != 0;
        skyBlack += (picture.pixel(x, horizon.y - 40) & 0xFFFFFF) == 0;
    }
    EXPECT_EQ(groundShaded, 1024);
    EXPECT_GT(skyBlack, 900);

    // A right click on Betelgeuse names it, with its magnitude and place.
    Face({"Betelgeuse"});
    Draw();
    const StarRecord* betelgeuse = Star("Betelgeuse");
    id = IdentifyAt(betelgeuse->skyX + 1, betelgeuse->skyY - 2, data.catalogue,
                    CollectSkyBodies(*sim), renderer.drawnBodies(), renderer.projection().basis());
    ASSERT_TRUE(id.has_value());
    EXPECT_TRUE(id->name.startsWith(QStringLiteral("Betelgeuse"))) << id->name.toStdString();
    EXPECT_NEAR(*id->magnitude, 0.50, 1e-6);
    EXPECT_NEAR(id->position.raHours, 5.91953, 1e-4);
    EXPECT_NEAR(id->position.decDegrees, 7.40706, 1e-3);
    EXPECT_NEAR(id->horizontal.altitude, state.altitude, 0.1);

    // Zoomed in to a degree on Alnitak, between the grid's points, the stars still show and
    // the figure's lines still reach Betelgeuse and Saiph, thousands of pixels away.
    Face({"Alnitak"});
    state.SetFieldOfView(1.0);
    Draw();
    EXPECT_TRUE(Star("Alnitak")->flags & SkyOnScreen);
    EXPECT_GE(renderer.stats().starsDrawn, 1);
    EXPECT_EQ(renderer.stats().figureSegments, 2);
    EXPECT_LT(Star("Betelgeuse")->skyY, -5000);
    EXPECT_GT(Star("Saiph")->skyY, 5000);
}

TEST(SkyScales, DirectionStripAndTiltScale) {
    QImage strip(1020, 28, QImage::Format_RGB32);
    SkyViewState state;
    state.fieldOfView = 90;
    state.azimuth = 20;
    state.altitude = 30;
    const QFont font = SkyFonts::Make().scale;
    // Red ticks: south 20 degrees to the right of the centre, south-east 25 to the left.
    const auto redAt = [&](int x) { return strip.pixel(x, 20) == 0xFFFF0000u; };
    DrawDirectionStrip(strip, state, 1024, font);
    const int south = 510 + int(20.0 / 90 * 1024), southEast = 510 - int(25.0 / 90 * 1024);
    EXPECT_TRUE(redAt(south));
    EXPECT_TRUE(redAt(southEast));
    EXPECT_FALSE(redAt(510));
    // Over the zenith the strip turns round and runs the other way: north, 20 degrees the
    // other side of the back of the view, now lies to the left.
    state.altitude = 100;
    DrawDirectionStrip(strip, state, 1024, font);
    EXPECT_TRUE(redAt(510 - int(20.0 / 90 * 1024)));
    EXPECT_TRUE(redAt(510 + int(25.0 / 90 * 1024)));

    // The tilt scale: H at the horizon and Z at the zenith, in red.
    QImage scale(31, 700, QImage::Format_RGB32);
    state.altitude = 30;
    state.verticalFieldOfView = 70;
    DrawTiltScale(scale, state, 704, font);
    const int horizon = 350 + int(30.0 / 70 * 704);
    EXPECT_EQ(scale.pixel(3, horizon), 0xFFFF0000u);
    EXPECT_NE(scale.pixel(3, 350), 0xFFFF0000u);
}
