#include <cmath>
#include <limits>

#include "core/Angles.h"
#include "support/TestSupport.h"

class AnglesTest : public ServicesTest {};

TEST_F(AnglesTest, Normalise360) {
    EXPECT_DOUBLE_EQ(Normalise360(-725), 355);
    EXPECT_DOUBLE_EQ(Normalise360(720), 0);
    EXPECT_NEAR(Normalise360(1080.5), 0.5, 1e-9);
    EXPECT_DOUBLE_EQ(Normalise360(359.5), 359.5);
    // Huge angles, either way, come back without looping for ever.
    EXPECT_NEAR(Normalise360(3.6e12 + 10), 10, 1e-3);
    EXPECT_NEAR(Normalise360(-3.6e12 - 10), 350, 1e-3);
    EXPECT_TRUE(prompter.calls.empty());
    // Only NaN reports the assertion.
    EXPECT_TRUE(std::isnan(Normalise360(std::numeric_limits<double>::quiet_NaN())));
    ASSERT_EQ(prompter.calls.size(), 1u);
    EXPECT_TRUE(prompter.calls[0].text.contains(QStringLiteral("Expression=Degrees>-1000")));
    EXPECT_TRUE(prompter.calls[0].text.contains(QStringLiteral("file Utils at line 412")));
}

TEST_F(AnglesTest, NormaliseRange) {
    EXPECT_DOUBLE_EQ(NormaliseRange(-30, 24), 18);
    EXPECT_TRUE(prompter.calls.empty());
    EXPECT_DOUBLE_EQ(NormaliseRange(50, 24), 2);
    ASSERT_EQ(prompter.calls.size(), 1u);
    EXPECT_EQ(prompter.calls[0].caption, QStringLiteral("Assert"));
    EXPECT_TRUE(prompter.calls[0].text.contains(QStringLiteral("Value>-(2*Max) && Value<(2*Max)")));
}

TEST_F(AnglesTest, DifferencesAndTrigonometry) {
    EXPECT_DOUBLE_EQ(SignedAngleDifference(350, 10), 20);
    EXPECT_DOUBLE_EQ(SignedAngleDifference(10, 350), -20);
    EXPECT_DOUBLE_EQ(AngleDistance(350, 10), 20);
    EXPECT_DOUBLE_EQ(AngleDistance(10, 100), 90);
    EXPECT_EQ(Atan2(0, 0), 0.0);
    EXPECT_DOUBLE_EQ(Atan2(1, 0), kPi / 2);
    EXPECT_NEAR(SinDeg(30), 0.5, 1e-15);
    EXPECT_NEAR(CosDeg(60), 0.5, 1e-15);
    EXPECT_DOUBLE_EQ(RadToDeg(DegToRad(123.25)), 123.25);
}
