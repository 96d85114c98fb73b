#pragma once

#include <QObject>
#include <QTimer>
#include <algorithm>

#include "tours/TourHost.h"

// Tour time from Qt's timers. A pace under 1 runs every wait faster (tests watch whole tours
// this way); the order of events stays the same.
class TimerScheduler : public QObject, public TourScheduler {
  public:
    explicit TimerScheduler(double pace = 1.0, QObject* parent = nullptr)
        : QObject(parent), pace_(pace) {}
    void After(int ms, std::function<void()> f) override {
        QTimer::singleShot(std::max(0, int(ms * pace_)), this, std::move(f));
    }
    double pace() const { return pace_; }

  private:
    double pace_;
};
