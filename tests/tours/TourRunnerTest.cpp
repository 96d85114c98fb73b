#include <gtest/gtest.h>

#include <QStringList>
#include <map>

#include "tours/TourRunner.h"
#include "tours/TourScript.h"

namespace {

// Virtual time: callbacks run in time order as fast as the test asks.
class VirtualClock : public TourScheduler {
  public:
    qint64 now = 0;
    void After(int ms, std::function<void()> f) override {
        queue_.emplace(std::make_pair(now + ms, seq_++), std::move(f));
    }
    // Runs until nothing is due before `until`.
    void RunUntil(qint64 until) {
        while (!queue_.empty() && queue_.begin()->first.first <= until) {
            auto it = queue_.begin();
            now = it->first.first;
            auto f = std::move(it->second);
            queue_.erase(it);
            f();
        }
        now = std::max(now, until);
    }
    void RunAll() {
        while (!queue_.empty()) RunUntil(queue_.begin()->first.first);
    }

  private:
    std::map<std::pair<qint64, int>, std::function<void()>> queue_;
    int seq_ = 0;
};

// Everything the narrator and the program were asked, in order, with the virtual time.
struct Journal {
    VirtualClock* clock = nullptr;
    QStringList lines;
    std::vector<qint64> times;
    void Add(const QString& line) {
        lines << line;
        times.push_back(clock->now);
    }
    int IndexOf(const QString& start) const {
        for (int i = 0; i < lines.size(); ++i)
            if (lines[i].startsWith(start)) return i;
        return -1;
    }
};

Journal MakeJournal(VirtualClock& clock) {
    Journal j;
    j.clock = &clock;
    return j;
}

class FakeNarrator : public Narrator {
  public:
    FakeNarrator(Journal& j, VirtualClock& c) : journal(j), clock(c) {}
    StartResult startResult = StartResult::Started;
    int lineMs = 2000;    // how long each line takes
    bool answers = true;  // false: requests never complete
    bool isStarted = false;

    StartResult Start() override {
        if (startResult == StartResult::Started) isStarted = true;
        journal.Add(QStringLiteral("start"));
        return startResult;
    }
    void Shutdown() override {
        isStarted = false;
        journal.Add(QStringLiteral("shutdown"));
    }
    bool started() const override { return isStarted; }
    void PlaceAt(QPoint p) override {
        journal.Add(QStringLiteral("place %1,%2").arg(p.x()).arg(p.y()));
    }
    int Play(TourAnimation a) override {
        journal.Add(QStringLiteral("play ") + Tours::AnimationName(a));
        return Request(500);
    }
    int GestureAt(QPoint p) override {
        journal.Add(QStringLiteral("gesture %1,%2").arg(p.x()).arg(p.y()));
        return Request(500);
    }
    int Speak(const QString& text) override {
        journal.Add(QStringLiteral("speak ") + text);
        return Request(lineMs);
    }

  private:
    int Request(int ms) {
        const int id = ++next_;
        if (answers) clock.After(ms, [this, id] { emit requestCompleted(id); });
        return id;
    }
    Journal& journal;
    VirtualClock& clock;
    int next_ = 0;
};

class FakeHost : public TourHost {
  public:
    explicit FakeHost(Journal& j) : journal(j) {}
    int stops = 0;
    bool viewsRunning = true;
    int ended = 0;
    QStringList failures;
    std::optional<QPoint> ScreenPoint(TourAnchor anchor, const QString& target) override {
        if (target == QLatin1String("jupiter")) return std::nullopt;  // not open
        return QPoint(int(anchor) * 1000 + int(target.size()), 10);
    }
    bool RunAction(TourAction action, const QString& argument) override {
        journal.Add(QStringLiteral("do %1 %2").arg(Tours::ActionName(action), argument).trimmed());
        return argument != QLatin1String("nowhere");
    }
    void PauseViews() override {
        viewsRunning = false;
        journal.Add(QStringLiteral("pause"));
    }
    void ResumeViews() override {
        if (!viewsRunning) journal.Add(QStringLiteral("resume"));
        viewsRunning = true;
    }
    int StopRequests() const override { return stops; }
    void TourStarted() override { journal.Add(QStringLiteral("started")); }
    void TourEnded() override {
        ++ended;
        journal.Add(QStringLiteral("ended"));
    }
    void NarratorFailed(Narrator::StartResult why) override {
        failures << QString::number(int(why));
    }

  private:
    Journal& journal;
};

class TourRunnerTest : public ::testing::Test {
  protected:
    VirtualClock clock;
    Journal journal = MakeJournal(clock);
    FakeNarrator narrator{journal, clock};
    FakeHost host{journal};
    TourRunner runner{narrator, host, clock};
    std::optional<TourRunner::End> end;

    void SetUp() override {
        QObject::connect(&runner, &TourRunner::finished,
                         [this](TourRunner::End how) { end = how; });
    }
    TourScript Script(const char* text) {
        TourError error;
        auto s = Tours::Parse(QString::fromUtf8(text), &error);
        EXPECT_TRUE(s) << error.text().toStdString();
        return s ? *s : TourScript{};
    }
    qint64 TimeOf(const QString& start) const {
        const int i = journal.IndexOf(start);
        return i < 0 ? -1 : journal.times[std::size_t(i)];
    }
};

}  // namespace

TEST_F(TourRunnerTest, RunsTheStepsInOrderWithTheViewsStillWhileALineIsSaid) {
    ASSERT_TRUE(
        runner.Start(Script("title T\n"
                            "place window-point viewer as home\n"
                            "play GestureRight nowait\n"
                            "speak One\n"
                            "do target Mercury\n"
                            "do where nowhere\n"
                            "gesture centre controls\n"
                            "wait 9\n"
                            "sleep 1500\n"
                            "place window-point jupiter\n"
                            "place @home\n"
                            "play Hiding\n"
                            "speak Two\n")));
    EXPECT_TRUE(runner.running());
    clock.RunAll();
    ASSERT_EQ(end, TourRunner::End::Finished);
    EXPECT_EQ(journal.lines,
              (QStringList{"start", "started", "place 6,10", "play GestureRight", "pause",
                           "speak One", "resume", "do target Mercury", "do where nowhere",
                           "gesture 1008,10", "place 6,10", "play Hiding", "pause", "speak Two",
                           "resume", "shutdown", "ended"}));
    // A line is waited for in half-second steps: a 2 s line holds the tour 2 s.
    EXPECT_EQ(TimeOf("do target") - TimeOf("speak One"), 2000);
    // The 9 s wait and the 1.5 s sleep come between the gesture (0.5 s) and the place that
    // follows them; the place at Jupiter's window, which is not open, is passed over.
    EXPECT_EQ(TimeOf("place 6,10"), 0);
    const int secondPlace = journal.lines.lastIndexOf(QStringLiteral("place 6,10"));
    EXPECT_EQ(journal.times[std::size_t(secondPlace)] - TimeOf("gesture"), 500 + 9000 + 1500);
    EXPECT_FALSE(runner.running());
    EXPECT_TRUE(host.viewsRunning);
    EXPECT_EQ(runner.givenUp(), 0);
}

TEST_F(TourRunnerTest, AStopEndsTheTourAtTheNextSpeakPlayOrWait) {
    const char* text = "title T\nspeak One\ndo move-camera\nsleep 3000\nspeak Two\nwait 5\n";
    // Esc while the first line is said: the tour ends within half a second, before the
    // camera moves.
    ASSERT_TRUE(runner.Start(Script(text)));
    clock.RunUntil(700);
    ++host.stops;
    clock.RunAll();
    EXPECT_EQ(end, TourRunner::End::Stopped);
    EXPECT_EQ(journal.IndexOf("do move-camera"), -1);
    EXPECT_LE(TimeOf("shutdown"), 1000);
    EXPECT_TRUE(host.viewsRunning);
    EXPECT_EQ(host.ended, 1);

    // The stop button during a sleep: the sleep runs out, and the next line is never said.
    journal.lines.clear();
    journal.times.clear();
    end.reset();
    const qint64 t0 = clock.now;
    ASSERT_TRUE(runner.Start(Script(text)));
    clock.RunUntil(t0 + 3000);
    ASSERT_GE(journal.IndexOf("do move-camera"), 0);
    runner.RequestStop();
    clock.RunAll();
    EXPECT_EQ(end, TourRunner::End::Stopped);
    EXPECT_EQ(journal.IndexOf("speak Two"), -1);
    EXPECT_EQ(TimeOf("shutdown") - TimeOf("do move-camera"), 3000);

    // During a wait; and stop requests made before a tour starts do not count.
    journal.lines.clear();
    journal.times.clear();
    end.reset();
    runner.RequestStop();  // nothing running: ignored
    ++host.stops;          // Esc long before
    const qint64 t1 = clock.now;
    ASSERT_TRUE(runner.Start(Script("title T\nwait 5\nspeak After\n")));
    clock.RunUntil(t1 + 2200);
    EXPECT_TRUE(runner.running());
    ++host.stops;
    clock.RunAll();
    EXPECT_EQ(end, TourRunner::End::Stopped);
    EXPECT_EQ(TimeOf("shutdown") - t1, 2500);
    EXPECT_EQ(journal.IndexOf("speak After"), -1);
}

TEST_F(TourRunnerTest, ALineThatNeverEndsIsGivenUpAfterTwentySeconds) {
    narrator.answers = false;
    ASSERT_TRUE(
        runner.Start(Script("title T\nspeak Stuck\ndo speed 1\nplay Hiding\nspeak Next\n")));
    clock.RunUntil(19999);
    EXPECT_EQ(journal.IndexOf("do speed"), -1);
    EXPECT_FALSE(host.viewsRunning);
    clock.RunUntil(20000);
    EXPECT_EQ(TimeOf("do speed"), 20000);
    EXPECT_EQ(journal.lines[journal.IndexOf("do speed") - 1], QStringLiteral("resume"));
    clock.RunAll();
    EXPECT_EQ(end, TourRunner::End::Finished);
    EXPECT_EQ(runner.givenUp(), 3);
    EXPECT_EQ(TimeOf("speak Next"), 40000);
    EXPECT_EQ(TimeOf("shutdown"), 60000);
}

TEST_F(TourRunnerTest, ANarratorThatCannotStartIsReportedAndNothingRuns) {
    narrator.startResult = Narrator::StartResult::NoCharacter;
    EXPECT_FALSE(runner.Start(Script("title T\ndo speed 5\nspeak x\n")));
    clock.RunAll();
    EXPECT_EQ(host.failures, QStringList{QString::number(int(Narrator::StartResult::NoCharacter))});
    EXPECT_EQ(journal.lines, QStringList{"start"});
    EXPECT_FALSE(end);

    // One tour at a time; the one running goes on.
    narrator.startResult = Narrator::StartResult::Started;
    ASSERT_TRUE(runner.Start(Script("title A\nspeak first\n")));
    EXPECT_FALSE(runner.Start(Script("title B\nspeak second\n")));
    EXPECT_EQ(runner.title(), QStringLiteral("A"));
    // Closing the program mid-tour ends it at once, with the narrator gone.
    runner.Abort();
    EXPECT_EQ(end, TourRunner::End::Stopped);
    EXPECT_FALSE(narrator.isStarted);
    clock.RunAll();
    EXPECT_EQ(journal.IndexOf("speak second"), -1);
}
