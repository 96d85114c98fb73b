#include <cmath>

#include "core/Body.h"
#include "core/SettingsStore.h"
#include "core/Simulation.h"
#include "support/TestSupport.h"
#include "viewer/CameraControls.h"
#include "viewer/ControlsLogic.h"
#include "viewer/ViewerInput.h"

using namespace ViewerInput;

TEST(ViewerInput, ThrottleDigits) {
    EXPECT_EQ(ThrottleAfterDigit(0, 3, false), 3);
    EXPECT_EQ(ThrottleAfterDigit(3, 0, false), 13);  // '0' counts as ten
    EXPECT_EQ(ThrottleAfterDigit(3, 5, true), -2);   // Shift goes towards zero and past it
    EXPECT_EQ(ThrottleAfterDigit(-20, 4, false), -24);
    EXPECT_EQ(ThrottleAfterDigit(-20, 4, true), -16);
    EXPECT_EQ(ThrottleAfterDigit(495, 9, false), 500);
    EXPECT_EQ(ThrottleAfterDigit(-498, 0, false), -500);
}

TEST(ViewerInput, HeldRotationKeysSpeedUp) {
    KeyRotation keys;
    const float expected[] = {0.0013633f, 0.00163596f, 0.00196315f, 0.00235578f};
    for (float e : expected) {
        const Turn t = keys.press(Qt::Key_Right, Axis::Yaw, 1, false);
        EXPECT_NEAR(t.yaw, e, 1e-8);
        EXPECT_EQ(t.pitch, 0);
    }
    float last = 0;
    for (int i = 0; i < 100; ++i) last = keys.press(Qt::Key_Right, Axis::Yaw, 1, false).yaw;
    EXPECT_LT(last, 0.08f);
    EXPECT_GT(last, 0.08f / 1.2f);
    // Another key starts afresh; a release forgets the yaw and pitch rates.
    EXPECT_NEAR(keys.press(Qt::Key_Left, Axis::Yaw, -1, false).yaw, -0.0013633f, 1e-9);
    keys.release();
    EXPECT_EQ(keys.rates()[0], 0);
    // Inverted, Up pitches the other way.
    EXPECT_NEAR(keys.press(Qt::Key_Up, Axis::Pitch, 1, true).pitch, -0.0013633f, 1e-9);
    EXPECT_NEAR(keys.rates()[1], 0.0013633f * 1.2f, 1e-9);
}

TEST(ViewerInput, MouseAndJoystick) {
    const Turn t = MouseLook(100, 100, 100 - 720, 100, false);
    EXPECT_NEAR(t.yaw, 3.14159265, 1e-6);  // 720 pixels: half a turn
    EXPECT_NEAR(MouseLook(0, 0, 0, 360, false).pitch, -3.14159265 / 2, 1e-6);
    EXPECT_NEAR(MouseLook(0, 0, 0, 360, true).pitch, 3.14159265 / 2, 1e-6);
    EXPECT_EQ(StickAxis(99), 0);
    EXPECT_EQ(StickAxis(-350), -250);
    EXPECT_EQ(JoystickThrottle(99, false), 0);
    EXPECT_EQ(JoystickThrottle(600, false), 500);
    EXPECT_EQ(JoystickThrottle(300, true), -200);
}

TEST(ViewerInput, Captions) {
    auto c = BuildCaption(QString(), false, QStringLiteral("Mars"), false, 1);
    EXPECT_EQ(c.caption, QStringLiteral("Viewer "));
    EXPECT_EQ(c.hint, QString());
    c = BuildCaption(QStringLiteral("Earth"), true, QStringLiteral("Mars"), false, 60);
    EXPECT_EQ(c.hint,
              QStringLiteral("Holding Position on Earth and Looking at Mars (60x true time)"));
    EXPECT_EQ(
        c.caption,
        QStringLiteral("Viewer  - Holding Position on Earth and Looking at Mars (60x true time)"));
    EXPECT_EQ(BuildCaption(QStringLiteral("Earth"), true, QStringLiteral("Earth"), true, 1).hint,
              QStringLiteral("Holding Position on Earth and Looking at it"));
    EXPECT_EQ(BuildCaption(QString(), false, QString(), false, 0).caption,
              QStringLiteral("Viewer  -  (Time Frozen)"));
    EXPECT_EQ(BuildCaption(QString(), false, QString(), false, -9999).caption,
              QStringLiteral("Viewer "));
}

TEST(ControlsLogic, SpeedsPadsAndDates) {
    EXPECT_EQ(ControlsLogic::CustomSpeed(QStringLiteral("99999")), 86400);
    EXPECT_EQ(ControlsLogic::CustomSpeed(QStringLiteral("-9999")), -9999);
    EXPECT_EQ(ControlsLogic::CustomSpeed(QStringLiteral("fast")), 1);
    EXPECT_EQ(*ControlsLogic::SpeedButtonFor(60), 4);
    EXPECT_FALSE(ControlsLogic::SpeedButtonFor(7));
    const auto stop = ControlsLogic::StickPad(64 + 10, 64, 128, 128);
    EXPECT_EQ(stop.yaw, 0);
    EXPECT_EQ(stop.pitch, 0);
    const auto right = ControlsLogic::StickPad(64 + 50, 64, 128, 128);
    EXPECT_NEAR(right.yaw, (50 - 19) / 120.0 * 3.14159265358979 / 180,
                1e-9);  // 0.2583 degrees a tick
    EXPECT_NEAR(right.pitch, 0, 1e-9);
    EXPECT_NEAR(*ControlsLogic::RollPad(64, 4, 128, 79, 0x000000), 0, 1e-6);
    EXPECT_GT(*ControlsLogic::RollPad(10, 60, 128, 79, 0x000000), 0);
    EXPECT_EQ(*ControlsLogic::RollPad(64, 66, 128, 79, 0xFF0000), 0);
    EXPECT_EQ(*ControlsLogic::RollPad(5, 5, 128, 79, 0xFFFFFF), 0);
    EXPECT_FALSE(ControlsLogic::RollPad(5, 5, 128, 79, 0x808080));
    EXPECT_EQ(ControlsLogic::YearStep(QDate(2024, 2, 29), 1), QDate(2025, 2, 28));
    EXPECT_EQ(ControlsLogic::YearStep(QDate(2024, 2, 29), -1), QDate(2023, 2, 28));
    EXPECT_EQ(ControlsLogic::YearStep(QDate(2023, 7, 14), 1), QDate(2024, 7, 14));
    EXPECT_EQ(ControlsLogic::MagnitudeSliderMaximum(6.5f), 65);
    EXPECT_EQ(ControlsLogic::MagnitudeSliderPosition(70, 65), 65);
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedKingdom));
    EXPECT_EQ(ControlsLogic::DistanceText(QStringLiteral("Mars"), 1234567.9),
              QStringLiteral("To Mars: 1,234,567 km"));
    EXPECT_EQ(ControlsLogic::NearestText(QStringLiteral("Phobos"), 9376.5),
              QStringLiteral("Nearest: Phobos, 9,376 km"));
}

class EncyclopediaTest : public ServicesTest {};

TEST_F(EncyclopediaTest, PageNames) {
    MemorySettingsStore store;
    Services::instance().setDataDirectory(dir.path());
    Simulation sim(store);
    sim.BuildSolarSystem();
    auto page = [&](const char* name) {
        return ControlsLogic::EncyclopediaPage(sim.FindBody(QLatin1String(name)));
    };
    EXPECT_EQ(page("Jupiter"), QStringLiteral("JupiterFrame"));
    EXPECT_EQ(page("Sun"), QStringLiteral("SolFrame"));
    EXPECT_EQ(page("Moon"), QStringLiteral("MoonFrame"));
    EXPECT_EQ(page("Callisto"), QStringLiteral("CallistoFrame"));
    EXPECT_EQ(page("Phobos"), QStringLiteral("Phobos"));
    EXPECT_EQ(ControlsLogic::EncyclopediaPage(nullptr), QStringLiteral("index"));
    // Every body has its page among the shipped ones.
    for (Body* b : sim.bodies())
        EXPECT_TRUE(QFile::exists(QStringLiteral(ORBIVALE_SOURCE_DIR "/encyclopedia/") +
                                  ControlsLogic::EncyclopediaPage(b) + QStringLiteral(".htm")))
            << b->name().toStdString();
}

TEST(ViewerInput, WheelZoomStepsTheSliderAndStaysInRange) {
    using ViewerInput::FieldAfterWheel;
    // Away from the user zooms in (a smaller slider position), towards zooms out.
    EXPECT_LT(FieldAfterWheel(30, 1), 30);
    EXPECT_GT(FieldAfterWheel(30, -1), 30);
    EXPECT_EQ(FieldAfterWheel(30, 0), 30);
    // About 15 per cent a notch where the slider is coarse, one step where it is fine.
    EXPECT_EQ(FieldAfterWheel(100, 1), 87);
    EXPECT_EQ(FieldAfterWheel(3, 1), 2);
    EXPECT_EQ(FieldAfterWheel(2, -1), 3);
    // Many notches stop at the ends; a notch back always moves off them.
    EXPECT_EQ(FieldAfterWheel(30, 100), CameraControls::kFieldMin);
    EXPECT_EQ(FieldAfterWheel(30, -100), CameraControls::kFieldMax);
    EXPECT_GT(FieldAfterWheel(CameraControls::kFieldMin, -1), CameraControls::kFieldMin);
    // Two notches at once go as far as two single ones.
    EXPECT_EQ(FieldAfterWheel(50, 2), FieldAfterWheel(FieldAfterWheel(50, 1), 1));
}
