#include <gtest/gtest.h>

#include <cmath>

#include "core/Body.h"
#include "core/SettingsStore.h"
#include "core/Simulation.h"
#include "sky/SkyBodies.h"
#include "sky/SkyMath.h"
#include "sky/SkyProjection.h"
#include "sky/SkyStarStyle.h"
#include "sky/SkyViewSettings.h"
#include "sky/SkyViewState.h"
#include "sky/SkyZoneMask.h"
#include "sky/StarCatalogue.h"
#include "sky/StarLabel.h"
#include "support/TestSupport.h"

using namespace sky;

namespace {

constexpr double kPi = 3.14159265358979323846;

double Hours(int h, int m, double s) {
    return h + m / 60.0 + s / 3600.0;
}

// Angle between two unit vectors, degrees.
double Between(const scene::Vec3& a, const scene::Vec3& b) {
    return std::acos(std::clamp(scene::Dot(a, b), -1.0, 1.0)) * 180 / kPi;
}

// Azimuth difference folded into 0..180.
double AzimuthError(double a, double b) {
    const double d = std::fmod(std::abs(a - b), 360.0);
    return d > 180 ? 360 - d : d;
}

// The solar system at an instant, with the clock frozen there.
class SolarSystemAt : public ServicesTest {
  protected:
    MemorySettingsStore store;
    std::unique_ptr<Simulation> Build(SimTime t) {
        Services::instance().setDataDirectory(dir.path());
        auto sim = std::make_unique<Simulation>(store, [t] { return t; });
        EXPECT_TRUE(sim->BuildSolarSystem());
        sim->SetClockSpeed(0);
        sim->SetSimTime(t);
        return sim;
    }
    static Ecliptic FromEarth(const Simulation& sim, const char* name) {
        return sim.FindBody(QString::fromLatin1(name))->heliocentric() -
               sim.earth()->heliocentric();
    }
};

}  // namespace

TEST(SiderealTime, AgreesWithPublishedMeanSiderealTimes) {
    // Greenwich mean sidereal time on 1987 April 10 (Meeus, Astronomical Algorithms, 2nd
    // ed., examples 12.a and 12.b): 13h 10m 46.3668s at 0h UT and 8h 34m 57.0896s at
    // 19h 21m 00s UT. The program's linear formula is good to a few seconds of time.
    EXPECT_NEAR(LocalSiderealTime(MakeSimTime(1987, 4, 10, 0, 0, 0), 0), Hours(13, 10, 46.3668),
                0.005);
    EXPECT_NEAR(LocalSiderealTime(MakeSimTime(1987, 4, 10, 19, 21, 0), 0), Hours(8, 34, 57.0896),
                0.005);
    // East longitude adds, and the result stays within a day.
    EXPECT_NEAR(LocalSiderealTime(MakeSimTime(1987, 4, 10, 19, 21, 0), 15), Hours(9, 34, 57.0896),
                0.005);
    const double west = LocalSiderealTime(MakeSimTime(1987, 4, 10, 0, 0, 0), -180);
    EXPECT_NEAR(west, Hours(13, 10, 46.3668) - 12, 0.005);
    for (int h = 0; h < 48; ++h) {
        const double lst = LocalSiderealTime(MakeSimTime(2026, 12, 20, 0, 0, 0) + h * 1800.0, 170);
        EXPECT_GE(lst, 0);
        EXPECT_LT(lst, 24);
    }
}

TEST(ViewBasis, FacesWhereTheButtonsSay) {
    const double lst = 3.0;
    // At latitude 53 facing south at the default altitude, west is on the right.
    const ViewBasis south = BuildViewBasis(lst, 53, 0, 30);
    const scene::Vec3 westPoint = RaDecToUnitVector(lst - 6 + 24, 0);  // hour angle +6h
    EXPECT_LT(Between(south.west, westPoint), 1e-5);
    EXPECT_LT(Between(south.right, westPoint), 1e-5);
    SkyProjection picture(south, 1024, 768, kDefaultFieldOfView);
    // An hour west of the meridian is right of the centre, an hour east is left of it.
    const Projected west = picture.ProjectDirection(RaDecToUnitVector(lst - 1 + 24, 0));
    EXPECT_TRUE(west.onPicture());
    EXPECT_GT(west.x, 512);
    const Projected east = picture.ProjectDirection(RaDecToUnitVector(lst + 1, 0));
    EXPECT_TRUE(east.onPicture());
    EXPECT_LT(east.x, 512);
    // A positive altitude raises the view: the horizon is below the centre.
    EXPECT_NEAR(south.HorizontalOf(south.forward).altitude, 30, 1e-5);
    EXPECT_GT(picture.ProjectDirection(south.south).y, 384);
    EXPECT_NEAR(Between(south.zenith, RaDecToUnitVector(lst, 53)), 0, 1e-5);

    // At azimuth 90 forward is the east point and the level right is the south point.
    const ViewBasis east90 = BuildViewBasis(lst, 53, 90, 0);
    EXPECT_LT(Between(east90.forward, RaDecToUnitVector(lst + 6, 0)), 1e-5);
    EXPECT_LT(Between(east90.right, east90.south), 1e-5);
    EXPECT_NEAR(east90.HorizontalOf(east90.forward).azimuth, 90, 1e-5);

    // Every basis is orthonormal, in either hemisphere, and facing south in the southern
    // hemisphere still puts west on the right, with the south celestial pole above the
    // south point.
    for (double latitude : {53.0, 0.0, -33.9}) {
        const ViewBasis b = BuildViewBasis(lst, latitude, 37, 20);
        for (const scene::Vec3* v : {&b.forward, &b.up, &b.right, &b.south, &b.zenith, &b.west})
            EXPECT_NEAR(scene::Length(*v), 1, 1e-12);
        EXPECT_NEAR(scene::Dot(b.forward, b.up), 0, 1e-12);
        EXPECT_NEAR(scene::Dot(b.forward, b.right), 0, 1e-12);
        EXPECT_NEAR(scene::Dot(b.up, b.right), 0, 1e-12);
        EXPECT_NEAR(scene::Dot(b.south, b.zenith), 0, 1e-12);
        EXPECT_NEAR(scene::Dot(b.right, b.zenith), 0, 1e-12);
    }
    const ViewBasis sydney = BuildViewBasis(lst, -33.9, 0, 20);
    EXPECT_LT(Between(sydney.west, RaDecToUnitVector(lst - 6 + 24, 0)), 1e-5);
    EXPECT_NEAR(sydney.HorizontalOf({0, -1, 0}).altitude, 33.9, 1e-5);
    EXPECT_NEAR(sydney.HorizontalOf({0, -1, 0}).azimuth, 0, 1e-5);
    // Over the zenith the view looks at the north horizon upside down.
    const ViewBasis back = BuildViewBasis(lst, 53, 0, 150);
    EXPECT_NEAR(back.HorizontalOf(back.forward).azimuth, 180, 1e-5);
    EXPECT_NEAR(back.HorizontalOf(back.forward).altitude, 30, 1e-5);
    EXPECT_LT(scene::Dot(back.up, back.zenith), 0);
}

TEST(ProjectDirection, BehindOnAndOffThePicture) {
    const ViewBasis b = BuildViewBasis(0, 53, 0, 30);
    const SkyProjection picture(b, 1024, 768, 45);
    EXPECT_NEAR(picture.scale(), 512 / std::sin(22.5 * kPi / 180), 1e-5);

    const Projected centre = picture.ProjectDirection(b.forward);
    EXPECT_EQ(centre.result, ProjectionResult::OnPicture);
    EXPECT_NEAR(centre.x, 512, 1);
    EXPECT_NEAR(centre.y, 384, 1);
    // Half the field to the right is the right edge, which still counts as on the picture.
    const scene::Vec3 edge = RotateAbout(b.up, 22.5, b.forward);
    const Projected atEdge = picture.ProjectDirection(edge);
    EXPECT_EQ(atEdge.result, ProjectionResult::OnPicture);
    EXPECT_NEAR(atEdge.x, 1024, 1);
    // In front but beyond the edge: drawn to, not drawn.
    const Projected beyond = picture.ProjectDirection(RotateAbout(b.up, 40, b.forward));
    EXPECT_EQ(beyond.result, ProjectionResult::OffPicture);
    EXPECT_GT(beyond.x, 1024);
    const Projected above = picture.ProjectDirection(RotateAbout(b.right, -30, b.forward));
    EXPECT_EQ(above.result, ProjectionResult::OffPicture);
    EXPECT_LT(above.y, 0);
    // Behind, and within 0.1 of the plane through the viewer.
    EXPECT_EQ(picture.ProjectDirection(b.forward * -1.0).result, ProjectionResult::Behind);
    EXPECT_EQ(picture.ProjectDirection(RotateAbout(b.up, 90, b.forward)).result,
              ProjectionResult::Behind);
    EXPECT_EQ(picture.ProjectDirection(RotateAbout(b.up, 84, b.forward)).result,
              ProjectionResult::OffPicture);
    // Orthographic: a point 10 degrees right of the centre lies sin(10) of the way out.
    const Projected ten = picture.ProjectDirection(RotateAbout(b.up, 10, b.forward));
    EXPECT_NEAR(ten.x, 512 + picture.scale() * std::sin(10 * kPi / 180), 1);
    // The picture point maps back to its direction.
    const auto back = picture.Unproject(ten.x, ten.y);
    ASSERT_TRUE(back.has_value());
    EXPECT_LT(Between(*back, RotateAbout(b.up, 10, b.forward)), 0.05);
    EXPECT_FALSE(picture.Unproject(512 + 2 * picture.scale(), 384).has_value());
}

TEST_F(SolarSystemAt, SunAtTheEquinoxesLiesOnTheEquator) {
    // The equinoxes of 2026: March 20 14:46 UT and September 23 00:05 UT.
    auto sim = Build(MakeSimTime(2026, 3, 20, 14, 46, 0));
    RaDecPosition sun = EclipticToRaDec(FromEarth(*sim, "Sun"));
    EXPECT_LT(std::min(sun.raHours, 24 - sun.raHours), 0.1);
    EXPECT_NEAR(sun.decDegrees, 0, 0.5);
    sim->SetSimTime(MakeSimTime(2026, 9, 23, 0, 5, 0));
    sun = EclipticToRaDec(FromEarth(*sim, "Sun"));
    EXPECT_NEAR(sun.raHours, 12, 0.1);
    EXPECT_NEAR(sun.decDegrees, 0, 0.5);
    // Projected while facing where the Sun stands: at the centre of the picture.
    const double lst = LocalSiderealTime(sim->SimNow(), 0);
    const Horizontal h =
        BuildViewBasis(lst, 53, 0, 0).HorizontalOf(RaDecToUnitVector(sun.raHours, sun.decDegrees));
    const SkyProjection picture(BuildViewBasis(lst, 53, h.azimuth, h.altitude), 800, 600, 45);
    const Projected p = picture.ProjectEcliptic(FromEarth(*sim, "Sun"));
    EXPECT_EQ(p.result, ProjectionResult::OnPicture);
    EXPECT_NEAR(p.x, 400, 1);
    EXPECT_NEAR(p.y, 300, 1);
    // The Moon, a body of the list, projects the same way as its own right ascension.
    const RaDecPosition moon = EclipticToRaDec(FromEarth(*sim, "Moon"));
    const Projected m = picture.ProjectEcliptic(FromEarth(*sim, "Moon"));
    const Projected mr = picture.ProjectRaDec(moon.raHours, moon.decDegrees);
    EXPECT_EQ(m.result, mr.result);
    EXPECT_EQ(m.x, mr.x);
}

TEST_F(SolarSystemAt, SunAltitudeAtNoonOnTheJuneSolstice) {
    // 2026 June 21 at 12:00 UT is local noon at longitude 0 (the equation of time is under
    // two minutes then); at latitude 53 north the Sun stands 90 - 53 + 23.44 = 60.4 high.
    auto sim = Build(MakeSimTime(2026, 6, 21, 12, 0, 0));
    const Horizontal sun = ObserverHorizontal(FromEarth(*sim, "Sun"), sim->SimNow(), 53.0, 0.0);
    EXPECT_NEAR(sun.altitude, 60.4, 0.5);
    EXPECT_LT(AzimuthError(CompassBearing(sun.azimuth), 180), 1.5);
    // The Earth's own centre is straight down.
    EXPECT_EQ(ObserverHorizontal({}, sim->SimNow(), 53, 0).altitude, -90);
}

TEST_F(SolarSystemAt, PlanetsAgreeWithAnAlmanac) {
    // From 53.48 N, 2.25 W on 2026 December 20 at 21:00 UT. The reference altitudes and
    // azimuths (from north through east, no refraction) were computed with the IAU's SOFA
    // algorithms as packaged in ERFA: eraPlan94 (Simon et al. 1994) for the planets and
    // eraEpv00 for the Earth, light time included, then eraAtco13 for precession, nutation,
    // aberration and the Earth's rotation. The orbit model's Saturn, from elements of 1997
    // carried forward without the pull of Jupiter, is 1.7 degrees off in right ascension then.
    struct Almanac {
        const char* name;
        double altitude, azimuth;
        double tolerance = 1.0;
    };
    const Almanac almanac[] = {
        {"Mercury", -48.31, 299.30}, {"Venus", -49.24, 1.17},        {"Mars", -6.98, 60.25},
        {"Jupiter", 0.82, 68.33},    {"Saturn", 30.43, 220.24, 2.0}, {"Uranus", 54.17, 149.62},
        {"Neptune", 26.49, 226.10},  {"Sun", -43.96, 291.96},
    };
    auto sim = Build(MakeSimTime(2026, 12, 20, 21, 0, 0));
    for (const Almanac& a : almanac) {
        const Horizontal h =
            ObserverHorizontal(FromEarth(*sim, a.name), sim->SimNow(), 53.48, -2.25);
        EXPECT_NEAR(h.altitude, a.altitude, a.tolerance) << a.name;
        // Azimuth differences shrink towards the zenith; compare them along the sky.
        EXPECT_LT(
            AzimuthError(CompassBearing(h.azimuth), a.azimuth) * std::cos(a.altitude * kPi / 180),
            a.tolerance)
            << a.name;
    }
}

TEST(ZoneMask, MarksTheZonesNearThePicture) {
    const double lst = 3.0;
    const ViewBasis b = BuildViewBasis(lst, 53, 0, 30);
    const SkyProjection picture(b, 1024, 768, 45);
    SkyZoneMask mask;
    mask.Build(picture);
    // The view centre's zone and its neighbours are marked, the far side of the sky is not.
    const RaDec centre = UnitVectorToRaDec(b.forward);
    const double centreHours = std::fmod(centre.ra * 12 / kPi + 24, 24);
    EXPECT_TRUE(mask.markedAt(centreHours, centre.dec * 180 / kPi));
    EXPECT_FALSE(mask.markedAt(std::fmod(centreHours + 12, 24), 40));
    EXPECT_FALSE(mask.markedAt(centreHours, 85));
    // Each marked grid point adds one to a block of four hours by four bands: the zone of a
    // grid point near the centre is counted by several of its neighbours.
    EXPECT_GE(mask.count(SkyZoneOf(int(centreHours), 0)), 2);
    // Every star that shows on the picture lies in a marked zone, whatever the zoom and
    // wherever the view looks.
    const auto everyStarMarked = [](const SkyProjection& view) {
        SkyZoneMask m;
        m.Build(view);
        int missed = 0;
        for (int h = 0; h < 24 * 8; ++h)
            for (int d = -179; d <= 179; ++d)
                missed += view.ProjectRaDec(h / 8.0, d / 2.0).onPicture() &&
                          !m.markedAt(h / 8.0, d / 2.0);
        return missed;
    };
    for (double fov : {45.0, 120.0, 20.0, 5.0})
        for (double altitude : {10.0, 50.0, 85.0})
            for (double azimuth : {0.0, 100.0, 200.0}) {
                const SkyProjection view(BuildViewBasis(lst, 53, azimuth, altitude), 1024, 768,
                                         fov);
                EXPECT_EQ(everyStarMarked(view), 0) << fov << " " << altitude << " " << azimuth;
            }

    // A pole on the picture marks the whole cap around it.
    const SkyProjection north(BuildViewBasis(lst, 53, 180, 53), 1024, 768, 45);
    mask.Build(north);
    for (int h = 0; h < 24; ++h) EXPECT_TRUE(mask.marked(SkyZoneOf(h, 81))) << h;

    // Zoomed in between the grid's points, the picture's own zones are still marked.
    const scene::Vec3 betelgeuse = RaDecToUnitVector(5.91953, 7.40706);
    const Horizontal h = b.HorizontalOf(betelgeuse);
    const SkyProjection zoomed(BuildViewBasis(lst, 53, h.azimuth, h.altitude), 1024, 768, 1.0);
    EXPECT_TRUE(zoomed.ProjectDirection(betelgeuse).onPicture());
    mask.Build(zoomed);
    EXPECT_TRUE(mask.markedAt(5.91953, 7.40706));
    for (int i = 0; i < 24; ++i)
        for (int t = -80; t <= 80; t += 10) EXPECT_FALSE(zoomed.ProjectRaDec(i, t).onPicture());
}

TEST(StarLabel, PriorityProperGreekFlamsteed) {
    StarNames all;
    all.proper = QStringLiteral("Betelgeuse");
    all.greek = 'a';
    all.flamsteed = 58;
    StarLabelSwitches on;
    on.flamsteedNumbers = true;
    EXPECT_EQ(ChooseStarLabel(&all, on).kind, StarLabelKind::Proper);
    EXPECT_EQ(ChooseStarLabel(&all, on).text, QStringLiteral("Betelgeuse"));
    on.properNames = false;
    StarLabel greek = ChooseStarLabel(&all, on);
    EXPECT_EQ(greek.kind, StarLabelKind::Greek);
    EXPECT_EQ(greek.text, QString(QChar(0x03B1)));
    EXPECT_TRUE(greek.superscript.isEmpty());
    on.greekLetters = false;
    EXPECT_EQ(ChooseStarLabel(&all, on).kind, StarLabelKind::Flamsteed);
    EXPECT_EQ(ChooseStarLabel(&all, on).text, QStringLiteral("58"));
    on.flamsteedNumbers = false;
    EXPECT_EQ(ChooseStarLabel(&all, on).kind, StarLabelKind::None);

    // A name that is missing passes to the next kind; the superscript digit comes along.
    StarNames alpha1;
    alpha1.greek = 'a';
    alpha1.superscript = '1';
    alpha1.flamsteed = 8;
    const StarLabel withDigit = ChooseStarLabel(&alpha1, StarLabelSwitches{});
    EXPECT_EQ(withDigit.kind, StarLabelKind::Greek);
    EXPECT_EQ(withDigit.superscript, QStringLiteral("1"));
    StarNames omega;
    omega.greek = 'w';
    EXPECT_EQ(ChooseStarLabel(&omega, StarLabelSwitches{}).text, QString(QChar(0x03C9)));
    StarNames numberOnly;
    numberOnly.flamsteed = 12;
    EXPECT_EQ(ChooseStarLabel(&numberOnly, StarLabelSwitches{}).kind, StarLabelKind::None);
    EXPECT_EQ(ChooseStarLabel(&numberOnly, StarLabelSwitches{true, true, true}).text,
              QStringLiteral("12"));
    EXPECT_EQ(ChooseStarLabel(nullptr, StarLabelSwitches{true, true, true}).kind,
              StarLabelKind::None);
}

TEST(StarStyle, ShapesColoursAndZoom) {
    // Sirius (-1.46, index 10): a plus with diagonals; magnitude 4.0 (index 114): one pixel.
    EXPECT_EQ(StarShapeOf(MagIndex(-1.46)), StarShape::CrossWithDiagonals);
    EXPECT_EQ(StarShapeOf(MagIndex(4.0)), StarShape::Pixel);
    EXPECT_EQ(StarShapeOf(28), StarShape::FullCross);
    EXPECT_EQ(StarShapeOf(46), StarShape::FullCross);
    EXPECT_EQ(StarShapeOf(47), StarShape::HalfCross);
    EXPECT_EQ(StarShapeOf(90), StarShape::HalfCross);
    EXPECT_EQ(StarShapeOf(91), StarShape::Pixel);
    EXPECT_EQ(StarColour(255, 3), 0xFFFFFFu);  // A: white
    EXPECT_EQ(StarColour(255, 7), 0xFFCCCCu);  // M: reddish
    EXPECT_EQ(StarColour(255, 1), 0xB2B2FFu);  // O: bluish
    EXPECT_EQ(StarColour(10, 3), 0x202020u);   // at least 32
    EXPECT_EQ(HalfColour(StarColour(255, 3)), 0x7F7F7Fu);
    EXPECT_EQ(ZoomIndexShift(kDefaultFieldOfView), 0);
    EXPECT_GT(ZoomIndexShift(10), 0);
    EXPECT_LT(ZoomIndexShift(120), 0);
}

TEST(SkyViewState, ButtonsMouseLookAndZoom) {
    SkyViewState s;
    s.UpdateVerticalField(1000, 600);
    EXPECT_DOUBLE_EQ(s.verticalFieldOfView, 27);
    s.mouseLook = true;
    s.FaceDirection(Compass::East);
    EXPECT_EQ(s.azimuth, 90);
    EXPECT_DOUBLE_EQ(s.altitude, 13.5);
    EXPECT_FALSE(s.mouseLook);
    s.FaceZenith();
    EXPECT_EQ(s.azimuth, 0);
    EXPECT_EQ(s.altitude, 90);
    s.Turn(-SkyViewState::kButtonStep, SkyViewState::kButtonStep);  // right, then up
    EXPECT_EQ(s.azimuth, -10);                                      // no limits
    EXPECT_EQ(s.altitude, 100);

    s.azimuth = 359;
    s.altitude = 30;
    s.MouseMoved(50, 50);  // ignored while mouse-look is off
    EXPECT_EQ(s.azimuth, 359);
    s.StartMouseLook(100, 100);
    s.MouseMoved(108, 96);
    EXPECT_DOUBLE_EQ(s.azimuth, 1);  // brought back by one step of 360
    EXPECT_DOUBLE_EQ(s.altitude, 29);
    EXPECT_EQ(s.lastMouseX, 108);

    s.Zoom(1);
    EXPECT_DOUBLE_EQ(s.fieldOfView, 36);
    EXPECT_DOUBLE_EQ(s.verticalFieldOfView, 36 * 0.6);
    s.Zoom(100);
    EXPECT_EQ(s.fieldOfView, kMinFieldOfView);
    s.Zoom(-100);
    EXPECT_EQ(s.fieldOfView, kMaxFieldOfView);
    s.ResetFieldOfView();
    EXPECT_EQ(s.fieldOfView, 45);
    s.SetFieldOfView(std::nan(""));
    EXPECT_EQ(s.fieldOfView, 45);
}

TEST(SkyViewSettings, DefaultsLimitsAndTheUpdateSpeedMenu) {
    MemorySettingsStore store;
    SkyViewSettings s = SkyViewSettings::Read(store);
    EXPECT_TRUE(s.drawGrid && s.drawConstellations && s.drawBoundaries && s.drawEcliptic);
    EXPECT_TRUE(s.drawStarNames && s.drawGreekNames && !s.drawFlamsteedNames);
    EXPECT_TRUE(s.drawConstellationNames && s.drawPlanetNames && s.drawHorizon);
    EXPECT_TRUE(s.allowMouseLook);
    EXPECT_EQ(s.nameLimit(), 95);   // magnitude 3.0
    EXPECT_EQ(s.showLimit(), 161);  // magnitude 6.5
    EXPECT_EQ(s.redrawInterval, 3000);

    // Values beyond the dialog's ranges are held to them: a magnitude index never wraps.
    store.writeText(QStringLiteral("SkyView"), QStringLiteral("FaintestStarName"),
                    QStringLiteral("500"));
    store.writeText(QStringLiteral("SkyView"), QStringLiteral("RedrawInterval"),
                    QStringLiteral("-5"));
    store.writeText(QStringLiteral("SkyView"), QStringLiteral("DrawGrid"), QStringLiteral("0"));
    s = SkyViewSettings::Read(store);
    EXPECT_EQ(s.faintestStarName, 70);
    EXPECT_EQ(s.nameLimit(), MagIndex(7.0));
    EXPECT_EQ(s.redrawInterval, 0);
    EXPECT_FALSE(s.drawGrid);

    s.drawFlamsteedNames = true;
    s.faintestStarShow = 20;
    s.Write(store);
    const SkyViewSettings again = SkyViewSettings::Read(store);
    EXPECT_TRUE(again.drawFlamsteedNames);
    EXPECT_EQ(again.faintestStarShow, 20);

    ASSERT_EQ(SkyUpdateSpeeds().size(), 8u);
    EXPECT_STREQ(SkyUpdateSpeeds()[0].text, "Don't Update");
    EXPECT_EQ(SkyUpdateSpeeds()[7].tag, 6000);
    EXPECT_EQ(CheckedUpdateSpeed(30000), 6);
    EXPECT_EQ(CheckedUpdateSpeed(250), 1);
    EXPECT_EQ(CheckedUpdateSpeed(0), 0);
    EXPECT_EQ(CheckedUpdateSpeed(1234), -1);
}
