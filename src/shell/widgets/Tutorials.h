#pragma once

#include <QImage>
#include <QObject>
#include <memory>
#include <vector>

#include "tours/TimerScheduler.h"
#include "tours/TourHost.h"
#include "tours/TourRunner.h"
#include "tours/TourScript.h"

class QAction;
class QMdiSubWindow;
class QMenu;
class QToolBar;
class ScreenNarrator;
class TMDIContainer;

// Help > Tutorials: the tours found in the tours folders, the narrator that tells them, the
// stop button, and the program's side of a tour (where its windows are, what it may do).
class Tutorials : public QObject, public TourHost {
    Q_OBJECT
  public:
    Tutorials(TMDIContainer& main, QMenu* menu);
    ~Tutorials() override;

    // The hidden "Stop the Tutorial (Esc)" button.
    void AddStopButton(QToolBar* bar);
    // Runs the tour in the file; false when it cannot be read or the narrator cannot start.
    bool StartTour(const QString& path);
    bool StartScript(const TourScript& script);
    void Stop() { runner_->RequestStop(); }

    // Tests run tours with another narrator and faster time.
    void UseNarrator(Narrator& narrator, TourScheduler& scheduler);
    TourRunner& runner() { return *runner_; }
    ScreenNarrator& screenNarrator() { return *screenNarrator_; }
    const std::vector<Tours::TourEntry>& tours() const { return tours_; }
    QAction* stopButton() const { return stopButton_; }
    QAction* muteItem() const { return mute_; }
    QList<QAction*> tourItems() const { return tourItems_; }

    // The folders tours are read from: the program's, then the user's own.
    static QStringList TourFolders();
    // The main window with the narrator pointing at the Viewer Controls, as a picture.
    QImage NarratorPicture();

    // TourHost
    std::optional<QPoint> ScreenPoint(TourAnchor anchor, const QString& target) override;
    bool RunAction(TourAction action, const QString& argument) override;
    void PauseViews() override;
    void ResumeViews() override;
    int StopRequests() const override;
    void TourStarted() override;
    void TourEnded() override;
    void NarratorFailed(Narrator::StartResult why) override;

    // The messages when the narrator cannot start.
    static QString NarratorFailureText(Narrator::StartResult why);

  private:
    void BuildMenu(QMenu* menu);
    QWidget* Target(const QString& name) const;
    QMdiSubWindow* SubWindow(const QString& name) const;

    TMDIContainer& main_;
    std::unique_ptr<ScreenNarrator> screenNarrator_;
    TimerScheduler timers_;
    std::unique_ptr<TourRunner> runner_;
    std::vector<Tours::TourEntry> tours_;
    QList<QAction*> tourItems_;
    QAction* mute_ = nullptr;
    QAction* stopButton_ = nullptr;
};
