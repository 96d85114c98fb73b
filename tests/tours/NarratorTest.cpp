#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <QGuiApplication>
#include <QScreen>
#include <QSignalSpy>

#include "core/Settings.h"
#include "core/SettingsStore.h"
#include "tours/widgets/NarratorFigure.h"
#include "tours/widgets/NarratorWindow.h"
#include "tours/widgets/ScreenNarrator.h"
#include "tours/widgets/SpeechBalloon.h"

namespace {

int Opaque(const QImage& image, QRect area) {
    int n = 0;
    area &= image.rect();
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x) n += qAlpha(image.pixel(x, y)) > 128;
    return n;
}

// Runs the event loop until the request completes or `ms` pass; true when it completed.
bool WaitForRequest(QSignalSpy& spy, int id, int ms) {
    QElapsedTimer t;
    t.start();
    while (t.elapsed() < ms) {
        for (const auto& args : spy)
            if (args.at(0).toInt() == id) return true;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    }
    return false;
}

}  // namespace

TEST(NarratorFigure, PosesPointWhereTheyShould) {
    const QRect leftStrip(0, 40, 22, 50);
    const QRect rightStrip(NarratorFigure::kSize.width() - 22, 0, 22, 60);
    const QImage idle = NarratorFigure::Draw({});
    ASSERT_FALSE(idle.isNull());
    EXPECT_EQ(idle.size(), NarratorFigure::kSize);
    // The corners stay see-through: the window shows only the figure.
    EXPECT_EQ(qAlpha(idle.pixel(0, 0)), 0);
    EXPECT_EQ(qAlpha(idle.pixel(idle.width() - 1, idle.height() - 1)), 0);
    // Its right arm (on the left of the screen) reaches out only when it gestures.
    NarratorPose gesture;
    gesture.kind = NarratorPose::Kind::GestureRight;
    const QImage right = NarratorFigure::Draw(gesture);
    EXPECT_GT(Opaque(right, leftStrip), Opaque(idle, leftStrip) + 20);
    // Pointing up and to the right uses the other arm, raised.
    NarratorPose at;
    at.kind = NarratorPose::Kind::GestureAt;
    at.towards = QPointF(NarratorFigure::kSize.width() + 200, -200);
    const QImage upRight = NarratorFigure::Draw(at);
    EXPECT_GT(Opaque(upRight, rightStrip), Opaque(idle, rightStrip) + 10);
    EXPECT_LE(Opaque(upRight, leftStrip), Opaque(idle, leftStrip));
    // Hiding, it shrinks away to nothing.
    NarratorPose hiding;
    hiding.kind = NarratorPose::Kind::Hiding;
    hiding.hidden = 0.9;
    const QRect all(QPoint(0, 0), NarratorFigure::kSize);
    EXPECT_LT(Opaque(NarratorFigure::Draw(hiding), all), Opaque(idle, all) / 20);
}

TEST(ScreenNarrator, ShowsEachLineForItsReadingTimeWhenNothingIsHeard) {
    MemorySettingsStore settings;
    ScreenNarrator narrator(settings);
    narrator.setPace(0.02);
    QSignalSpy done(&narrator, &Narrator::requestCompleted);
    // Nothing happens before it is started, but every request still ends.
    const int early = narrator.Speak(QStringLiteral("Too soon"));
    EXPECT_TRUE(WaitForRequest(done, early, 1000));
    EXPECT_FALSE(narrator.window());

    ASSERT_EQ(narrator.Start(), Narrator::StartResult::Started);
    EXPECT_EQ(narrator.Start(), Narrator::StartResult::Started);  // already there
    ASSERT_TRUE(narrator.window());
    EXPECT_TRUE(narrator.window()->isVisible());
    EXPECT_TRUE(narrator.window()->windowFlags() & Qt::FramelessWindowHint);
    EXPECT_TRUE(narrator.window()->testAttribute(Qt::WA_TranslucentBackground));

    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    narrator.PlaceAt(screen.center());
    EXPECT_EQ(narrator.window()->pos(), screen.center());
    const int gesture = narrator.Play(TourAnimation::GestureRight);
    EXPECT_EQ(narrator.window()->pose(), NarratorPose::Kind::GestureRight);
    EXPECT_TRUE(WaitForRequest(done, gesture, 2000));

    const int line = narrator.Speak(
        QStringLiteral("Press the \\Map=\"efF 1\"=\"F1\"\\ key for the \\Emp\\help."));
    SpeechBalloon* balloon = narrator.balloon();
    ASSERT_TRUE(balloon);
    EXPECT_TRUE(balloon->isVisible());
    EXPECT_EQ(balloon->text(), QStringLiteral("Press the F1 key for the help."));
    // Above the narrator, with room to spare.
    EXPECT_TRUE(balloon->tailDown());
    EXPECT_LE(balloon->geometry().bottom(), narrator.window()->geometry().top());
    // The gesture lasts while the line is said.
    EXPECT_EQ(narrator.window()->pose(), NarratorPose::Kind::GestureRight);
    QElapsedTimer said;
    said.start();
    EXPECT_TRUE(WaitForRequest(done, line, 5000));
    const SpeechText text = *SpeechText::Parse(QStringLiteral("Press the F1 key for the help."));
    EXPECT_GE(said.elapsed() + 5, qint64(text.ReadingTimeMs() * 0.02));
    EXPECT_FALSE(narrator.lastLineHeard());
    EXPECT_EQ(narrator.window()->pose(), NarratorPose::Kind::Idle);

    // At the top of the screen the balloon goes under the narrator; off the screen's edge the
    // narrator is kept on it.
    narrator.PlaceAt(screen.topLeft() + QPoint(10, 0));
    narrator.Speak(QStringLiteral("Down here."));
    EXPECT_FALSE(balloon->tailDown());
    EXPECT_GE(balloon->geometry().top(), narrator.window()->geometry().bottom());
    narrator.PlaceAt(screen.bottomRight() + QPoint(500, 500));
    EXPECT_TRUE(screen.contains(narrator.window()->geometry()));
    EXPECT_TRUE(screen.contains(balloon->geometry()));

    // Hiding takes it away; shutting down drops what was pending.
    const int hide = narrator.Play(TourAnimation::Hiding);
    EXPECT_FALSE(balloon->isVisible());
    EXPECT_TRUE(WaitForRequest(done, hide, 3000));
    const int dropped = narrator.Speak(QStringLiteral("Never finished"));
    narrator.Shutdown();
    EXPECT_FALSE(narrator.started());
    EXPECT_FALSE(narrator.window()->isVisible());
    EXPECT_FALSE(balloon->isVisible());
    EXPECT_FALSE(WaitForRequest(done, dropped, 300));
}
