#include <gtest/gtest.h>

#include <cmath>

#include "core/BodyPoints.h"
#include "core/Magnitude.h"

namespace {

constexpr double kAu = Magnitude::kKmPerAu;
constexpr double kPi = 3.14159265358979323846;

}  // namespace

TEST(MagnitudeTest, KnownBrightnessesFromSizeAlbedoAndDistances) {
    // The Sun: -26.74 from the Earth, 5 log10(30) fainter from Neptune's distance.
    EXPECT_NEAR(Magnitude::SunApparent({kAu, 0, 0}), -26.74, 1e-9);
    EXPECT_NEAR(Magnitude::SunApparent({0, 0, 30 * kAu}), -19.35, 0.01);

    // Jupiter's absolute magnitude is about -9.4; at opposition (5.2 AU from the Sun, 4.2 AU
    // from us, fully lit) it shines near -2.8, brighter than any star.
    const double jupiter =
        Magnitude::Absolute(2 * 71492.0, Magnitude::GeometricAlbedo(QStringLiteral("Jupiter")));
    EXPECT_NEAR(jupiter, -9.4, 0.15);
    const double opposition = Magnitude::Apparent(jupiter, {5.2 * kAu, 0, 0}, {1.0 * kAu, 0, 0});
    EXPECT_NEAR(opposition, -2.8, 0.15);
    // Near conjunction (6.2 AU away, still nearly full) it is fainter, by the distance alone.
    const double conjunction = Magnitude::Apparent(jupiter, {5.2 * kAu, 0, 0}, {-1.0 * kAu, 0, 0});
    EXPECT_NEAR(conjunction - opposition, 5 * std::log10(6.2 / 4.2), 0.01);

    // Mars at a close opposition (1.38 AU from the Sun, 0.38 from us) is about -2.8.
    const double mars =
        Magnitude::Absolute(2 * 3396.2, Magnitude::GeometricAlbedo(QStringLiteral("Mars")));
    EXPECT_NEAR(Magnitude::Apparent(mars, {1.38 * kAu, 0, 0}, {1.0 * kAu, 0, 0}), -2.8, 0.3);
    // An unknown small moon gets a typical albedo rather than nothing.
    EXPECT_GT(Magnitude::GeometricAlbedo(QStringLiteral("Nobody")), 0.0);
}

TEST(MagnitudeTest, PhaseDimsAndTheNightSideShowsNothing) {
    EXPECT_DOUBLE_EQ(Magnitude::PhaseFactor(0), 1.0);
    EXPECT_NEAR(Magnitude::PhaseFactor(kPi), 0.0, 1e-12);
    EXPECT_NEAR(Magnitude::PhaseFactor(kPi / 2), 1 / kPi, 1e-12);  // half lit: a third
    double last = 2;
    for (double a = 0; a <= kPi; a += 0.05) {
        const double f = Magnitude::PhaseFactor(a);
        EXPECT_LT(f, last) << a;
        last = f;
    }
    // Venus seen at the same distance fully lit and half lit: half lit is about 1.2 fainter.
    const double h = -4.4;
    const double full = Magnitude::Apparent(h, {0.72 * kAu, 0, 0}, {-0.28 * kAu, 0, 0});
    const double half = Magnitude::Apparent(h, {0.72 * kAu, 0, 0}, {0.72 * kAu, 1 * kAu, 0});
    EXPECT_NEAR(half - full, 2.5 * std::log10(kPi), 0.01);
    // Seen from straight behind, with the Sun beyond it, nothing of the lit side shows.
    const double night = Magnitude::Apparent(h, {0.72 * kAu, 0, 0}, {1.0 * kAu, 0, 0});
    EXPECT_EQ(BodyPoints::Brightness(night), 0);
}

TEST(MagnitudeTest, PointBrightnessAndSizeFollowMagnitude) {
    // Brighter never draws dimmer or smaller; too faint draws nothing.
    int lastBrightness = 256, lastSpread = 4;
    for (double m = -27; m <= BodyPoints::kFaintest + 1; m += 0.25) {
        const int b = BodyPoints::Brightness(m), s = BodyPoints::Spread(m);
        EXPECT_LE(b, lastBrightness) << m;
        EXPECT_LE(s, lastSpread) << m;
        lastBrightness = b, lastSpread = s;
    }
    EXPECT_EQ(BodyPoints::Brightness(-2.8), 255);
    EXPECT_GE(BodyPoints::Spread(-2.8), 2) << "Jupiter must stand out from single-pixel stars";
    EXPECT_GT(BodyPoints::Brightness(BodyPoints::kFaintest - 0.1), 0);
    EXPECT_EQ(BodyPoints::Brightness(BodyPoints::kFaintest + 0.1), 0);
    EXPECT_EQ(BodyPoints::Brightness(std::nan("")), 0);

    // The tint keeps the body's hue: Jupiter's tan (0x00BBGGRR 0x9DCAD8) stays red over blue,
    // and the Earth's pure blue gives a bright bluish point, not a dark one.
    const std::uint32_t tan = BodyPoints::Tint(0x9DCAD8, 255);
    EXPECT_EQ(tan >> 24, 0xFFu);
    EXPECT_EQ((tan >> 16) & 0xFF, 255u);
    EXPECT_GT((tan >> 16) & 0xFF, tan & 0xFF);
    const std::uint32_t blue = BodyPoints::Tint(0xFF0000, 200);
    EXPECT_EQ(blue & 0xFF, 200u);
    EXPECT_LT((blue >> 16) & 0xFF, 200u);
    EXPECT_GT((blue >> 16) & 0xFF, 60u);
}
