#pragma once

#include <QElapsedTimer>
#include <QPointer>
#include <QTimer>
#include <functional>
#include <memory>

#include "tours/Narrator.h"
#include "tours/SpeechText.h"

class NarratorWindow;
class SettingsStore;
class SpeechBalloon;
class SpeechOutput;

// The narrator on the screen: the figure in its own window, the speech balloon, and the voice
// when one can be heard (and the user has not muted it). Without a voice each line stays in
// the balloon for as long as it takes to read.
class ScreenNarrator : public Narrator {
    Q_OBJECT
  public:
    static constexpr int kGestureMs = 900;
    static constexpr int kHidingMs = 800;
    // The balloon stays this long after a line, unless the next one comes first.
    static constexpr int kBalloonLingerMs = 1200;

    explicit ScreenNarrator(SettingsStore& settings, QObject* parent = nullptr);
    ~ScreenNarrator() override;

    // 1 is real time; smaller runs every animation and reading time faster.
    void setPace(double pace) { pace_ = pace; }
    // Shows lines without ever speaking them (pictures of the program).
    void setSilent(bool silent) { silent_ = silent; }

    StartResult Start() override;
    void Shutdown() override;
    bool started() const override { return started_; }
    void PlaceAt(QPoint screen) override;
    int Play(TourAnimation animation) override;
    int GestureAt(QPoint screen) override;
    int Speak(const QString& tagged) override;

    NarratorWindow* window() const { return window_.get(); }
    SpeechBalloon* balloon() const { return balloon_.get(); }
    // Whether the last line was heard, not only shown.
    bool lastLineHeard() const { return lastHeard_; }

  private:
    int Paced(int ms) const;
    // Completes the request after `ms` (paced), unless the narrator is shut down first.
    void CompleteAfter(int id, int ms, std::function<void()> also = nullptr);
    void LineOver(int id);
    QRect ScreenAround(QPoint p) const;

    SettingsStore& settings_;
    std::unique_ptr<NarratorWindow> window_;
    std::unique_ptr<SpeechBalloon> balloon_;
    std::unique_ptr<SpeechOutput> voice_;
    QTimer balloonLinger_;
    QElapsedTimer lineClock_;
    SpeechText line_;
    double pace_ = 1.0;
    bool started_ = false;
    bool silent_ = false;
    bool lastHeard_ = false;
    int nextId_ = 0;
    int speaking_ = -1;  // the request of the line being said
    int generation_ = 0;
};
