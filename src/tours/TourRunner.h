#pragma once

#include <QHash>
#include <QObject>
#include <QSet>

#include "tours/TourHost.h"
#include "tours/TourScript.h"

// Runs a tour step by step from timers and the narrator's signals, never from a nested
// event loop, so the windows stay live while the narrator talks. A stop request (Esc or the
// stop button) ends the tour at its next speak, play or wait; whatever the tour changed so
// far stays changed.
class TourRunner : public QObject {
    Q_OBJECT
  public:
    enum class End { Finished, Stopped };

    // Waiting for a request is done in these steps, and given up after this many of them:
    // a narrator that never says it has finished cannot hold a tour for ever.
    static constexpr int kWaitStepMs = 500;
    static constexpr int kGiveUpSeconds = 20;

    TourRunner(Narrator& narrator, TourHost& host, TourScheduler& scheduler,
               QObject* parent = nullptr);
    ~TourRunner() override;

    // Starts the narrator and the tour; false (after the host has said why) when the
    // narrator cannot start, or when a tour is already running.
    bool Start(const TourScript& script);
    // The stop button.
    void RequestStop();
    // Ends a running tour at once (the program is closing).
    void Abort();
    bool running() const { return running_; }
    const QString& title() const { return script_.title; }
    // Requests given up on so far in this tour.
    int givenUp() const { return givenUp_; }

  signals:
    // Before each step runs: its index in the script.
    void stepStarted(int index);
    void finished(TourRunner::End how);

  private:
    void Schedule(int ms, void (TourRunner::*next)());
    void RunStep();
    void Advance();
    bool StopRequested() const;
    // Waits for the request, then goes on with `after`.
    void WaitFor(int id);
    void WaitTick();
    void SecondsTick();
    void SpeakDone();
    void Finish(End how);
    void Completed(int id);

    Narrator& narrator_;
    TourHost& host_;
    TourScheduler& scheduler_;
    TourScript script_;
    bool running_ = false;
    std::size_t step_ = 0;
    int generation_ = 0;  // timers from an earlier tour or step are ignored
    int stopBaseline_ = 0;
    int stopButton_ = 0;
    int awaited_ = -1;
    int ticks_ = 0;
    int givenUp_ = 0;
    bool speaking_ = false;
    QSet<int> completed_;
    QHash<QString, QPoint> remembered_;
};
