#pragma once

#include <QImage>
#include <QTimer>
#include <QWidget>
#include <vector>

#include "maps/JupiterEvents.h"
#include "maps/JupiterMoonsPainter.h"
#include "maps/JupiterPicture.h"

class QCheckBox;
class QLabel;
class QSplitter;
class QTreeWidget;
class SettingsStore;
class Simulation;

// The Jupiter's moons window: where Io, Europa, Ganymede and Callisto stand at the simulated
// time, in a plan view from above their orbits and an Earth view of the four strung out
// beside the planet, with the moons' coming transits, occultations and elongations below.
class TJupiterMoon : public QWidget {
    Q_OBJECT
  public:
    static constexpr int kEarthViewHeight = 64;
    static constexpr int kActiveIntervalMs = 500;
    static constexpr int kInactiveIntervalMs = 5000;

    TJupiterMoon(Simulation& sim, SettingsStore& settings, QWidget* parent = nullptr);

    // Redraws both views and brings the events list up to date; nothing while minimised.
    void DrawJupiterMoons();
    // The window became the active one (redraws twice a second) or stopped being it.
    void SetActive(bool active);

    const QImage& planPicture() const { return plan_; }
    const QImage& earthPicture() const { return earth_; }
    QCheckBox* showMoonOrbit() const { return showMoonOrbit_; }
    QCheckBox* showLabels() const { return showLabels_; }
    QTreeWidget* eventsList() const { return events_; }
    const std::vector<JupiterEvent>& events() const { return shownEvents_; }
    const QTimer& updateTimer() const { return updateTimer_; }

  signals:
    // F1 in the window.
    void helpRequested(const QString& topic);
    // Keys the window leaves to the program: Esc, F7, F8, F9.
    void functionKeyPressed(int key);

  protected:
    void keyReleaseEvent(QKeyEvent* event) override;
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void OptionClicked();
    void UpdateTimerTick();
    void ShowEvents(SimTime now);
    bool Minimised() const;

    Simulation& sim_;
    SettingsStore& settings_;
    JupiterPicture planet_;
    JupiterMoonsPainter painter_;
    QCheckBox* showMoonOrbit_ = nullptr;
    QCheckBox* showLabels_ = nullptr;
    QWidget* earthView_ = nullptr;
    QWidget* planView_ = nullptr;
    QSplitter* split_ = nullptr;
    bool splitPlaced_ = false;
    QLabel* eventsTitle_ = nullptr;
    QTreeWidget* events_ = nullptr;
    QImage plan_;
    QImage earth_;
    QTimer updateTimer_;
    std::vector<JupiterEvent> shownEvents_;
    int shownZoneOffset_ = 0;
};
