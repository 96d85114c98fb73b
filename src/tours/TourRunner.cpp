#include "tours/TourRunner.h"

#include <cmath>

#include "core/Log.h"

TourRunner::TourRunner(Narrator& narrator, TourHost& host, TourScheduler& scheduler,
                       QObject* parent)
    : QObject(parent), narrator_(narrator), host_(host), scheduler_(scheduler) {
    connect(&narrator_, &Narrator::requestCompleted, this, &TourRunner::Completed);
}

TourRunner::~TourRunner() {
    Abort();
}

bool TourRunner::Start(const TourScript& script) {
    if (running_) return false;
    stopButton_ = 0;
    stopBaseline_ = host_.StopRequests();
    const Narrator::StartResult started = narrator_.Start();
    if (started != Narrator::StartResult::Started) {
        host_.NarratorFailed(started);
        return false;
    }
    script_ = script;
    running_ = true;
    step_ = 0;
    givenUp_ = 0;
    awaited_ = -1;
    speaking_ = false;
    completed_.clear();
    remembered_.clear();
    host_.TourStarted();
    Schedule(0, &TourRunner::RunStep);
    return true;
}

void TourRunner::RequestStop() {
    if (running_) ++stopButton_;
}

void TourRunner::Abort() {
    if (running_) Finish(End::Stopped);
}

bool TourRunner::StopRequested() const {
    return stopButton_ > 0 || host_.StopRequests() != stopBaseline_;
}

void TourRunner::Schedule(int ms, void (TourRunner::*next)()) {
    const int generation = generation_;
    scheduler_.After(ms, [this, generation, next] {
        if (running_ && generation == generation_) (this->*next)();
    });
}

void TourRunner::Completed(int id) {
    completed_.insert(id);
}

void TourRunner::Advance() {
    ++step_;
    ++generation_;
    // Pending window messages run between steps.
    Schedule(0, &TourRunner::RunStep);
}

void TourRunner::RunStep() {
    if (step_ >= script_.steps.size()) {
        Finish(End::Finished);
        return;
    }
    const TourStep& step = script_.steps[step_];
    emit stepStarted(int(step_));
    switch (step.kind) {
        case TourStepKind::Place:
        case TourStepKind::Gesture: {
            std::optional<QPoint> at;
            if (!step.point.recalled.isEmpty()) {
                if (remembered_.contains(step.point.recalled))
                    at = remembered_.value(step.point.recalled);
            } else {
                at = host_.ScreenPoint(step.point.anchor, step.point.target);
                if (at) *at += step.point.offset;
            }
            if (!at) {
                // A window the tour talks about is gone: the narrator stays where it is.
                Advance();
                return;
            }
            if (!step.rememberAs.isEmpty()) remembered_.insert(step.rememberAs, *at);
            if (step.kind == TourStepKind::Place) {
                narrator_.PlaceAt(*at);
                Advance();
            } else {
                WaitFor(narrator_.GestureAt(*at));
            }
            return;
        }
        case TourStepKind::Play: {
            if (StopRequested()) return Finish(End::Stopped);
            const int id = narrator_.Play(step.animation);
            if (step.wait)
                WaitFor(id);
            else
                Advance();
            return;
        }
        case TourStepKind::Speak:
            host_.PauseViews();
            if (StopRequested()) return Finish(End::Stopped);
            speaking_ = true;
            WaitFor(narrator_.Speak(step.text));
            return;
        case TourStepKind::Wait:
            if (StopRequested()) return Finish(End::Stopped);
            ticks_ = int(std::ceil(step.seconds * 1000.0 / kWaitStepMs));
            if (ticks_ <= 0) return Advance();
            Schedule(kWaitStepMs, &TourRunner::SecondsTick);
            return;
        case TourStepKind::Sleep:
            ++generation_;
            ++step_;
            Schedule(step.milliseconds, &TourRunner::RunStep);
            return;
        case TourStepKind::Do:
            if (!host_.RunAction(step.action, step.text))
                Log("Tutorial: line %d: '%s %s' could not be done", step.line,
                    qUtf8Printable(Tours::ActionName(step.action)), qUtf8Printable(step.text));
            Advance();
            return;
    }
}

void TourRunner::SecondsTick() {
    if (StopRequested()) return Finish(End::Stopped);
    if (--ticks_ <= 0) return Advance();
    Schedule(kWaitStepMs, &TourRunner::SecondsTick);
}

void TourRunner::WaitFor(int id) {
    if (completed_.contains(id)) return SpeakDone();
    awaited_ = id;
    ticks_ = 0;
    if (StopRequested()) return Finish(End::Stopped);
    Schedule(kWaitStepMs, &TourRunner::WaitTick);
}

void TourRunner::WaitTick() {
    if (StopRequested()) return Finish(End::Stopped);
    if (!completed_.contains(awaited_)) {
        if (++ticks_ < kGiveUpSeconds * 1000 / kWaitStepMs) {
            Schedule(kWaitStepMs, &TourRunner::WaitTick);
            return;
        }
        ++givenUp_;
        Log("Tutorial: the narrator did not finish request %d; going on", awaited_);
    }
    awaited_ = -1;
    SpeakDone();
}

void TourRunner::SpeakDone() {
    if (speaking_) {
        speaking_ = false;
        host_.ResumeViews();
    }
    Advance();
}

void TourRunner::Finish(End how) {
    ++generation_;
    running_ = false;
    speaking_ = false;
    awaited_ = -1;
    narrator_.Shutdown();
    host_.TourEnded();
    host_.ResumeViews();
    emit finished(how);
}
