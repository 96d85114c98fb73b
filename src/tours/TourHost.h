#pragma once

#include <QPoint>
#include <QString>
#include <functional>
#include <optional>

#include "tours/Narrator.h"
#include "tours/TourScript.h"

// The program a tour runs in: where its windows are on the screen and what a tour may ask
// of them.
class TourHost {
  public:
    virtual ~TourHost() = default;
    // The screen point, or nothing when the window or control is not there.
    virtual std::optional<QPoint> ScreenPoint(TourAnchor anchor, const QString& target) = 0;
    // False when the action could not be done; the tour goes on.
    virtual bool RunAction(TourAction action, const QString& argument) = 0;
    // The views' redraw timers stop while the narrator talks, so the pictures hold still.
    virtual void PauseViews() = 0;
    virtual void ResumeViews() = 0;
    // How many stop requests (Esc) the program has counted so far; a tour stops when the
    // number changes while it runs.
    virtual int StopRequests() const = 0;
    virtual void TourStarted() = 0;
    virtual void TourEnded() = 0;
    virtual void NarratorFailed(Narrator::StartResult why) = 0;
};

// Time for the tour: real timers in the program, a fast or a virtual clock in tests.
class TourScheduler {
  public:
    virtual ~TourScheduler() = default;
    // Calls `f` once, `ms` milliseconds from now, from the event loop.
    virtual void After(int ms, std::function<void()> f) = 0;
};
