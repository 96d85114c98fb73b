#pragma once

#include <QPointer>
#include <QTimer>
#include <QWidget>
#include <memory>
#include <vector>

#include "core/Settings.h"
#include "sky/SkyBodies.h"
#include "sky/SkyFonts.h"
#include "sky/SkyRenderer.h"
#include "sky/SkyViewSettings.h"
#include "sky/SkyViewState.h"

class QAbstractButton;
class QAction;
class QLabel;
class QMenu;
class QStatusBar;
class QToolBar;
class QToolButton;
class SettingsStore;
class Simulation;

namespace sky {

struct SkyData;
class SkyPictureWidget;

// The sky as seen from the observer's place at the simulated time: the grid, the stars and
// their names, the constellations, the Sun, the Moon and the planets, the ecliptic and the
// horizon, under a direction strip and beside a tilt scale. Turned with the compass and
// arrow buttons, the keys and mouse-look; zoomed with the wheel and the + and - keys.
class TSkyView : public QWidget {
    Q_OBJECT
  public:
    TSkyView(Simulation& sim, SkyData& sky, SettingsStore& settings, QWidget* parent = nullptr);
    ~TSkyView() override;

    // The whole redraw; with takeCurrentTime the picture's time becomes the simulated time.
    void DrawSky(bool takeCurrentTime);
    // A compass button: face the direction with the horizon near the lower edge.
    void FaceDirection(Compass direction);
    // A location was applied: mouse-look off, then face the equator (south from the northern
    // hemisphere, north otherwise) at the observer's new latitude.
    void LocationApplied();
    // The main window tells the view when it becomes, or stops being, the active child.
    void Activated();
    void Deactivated();
    // Reads the "SkyView" settings into the view, its buttons and its menus.
    void ReadSettings();
    // The whole window as it shows now.
    QImage Picture();

    const SkyViewState& state() const { return state_; }
    SkyViewState& state() { return state_; }
    const SkyViewSettings& viewSettings() const { return settings_; }
    const SkyRenderer& renderer() const { return renderer_; }
    const QImage& skyPicture() const;
    const QImage& directionPicture() const;
    const QImage& tiltPicture() const;
    const QTimer& redrawTimer() const { return redraw_; }
    // The redraw timer rests while a tutorial's narrator talks, then runs as chosen again.
    void PauseRedraw() { redraw_.stop(); }
    void ResumeRedraw();
    bool isActive() const { return active_; }
    QMenu* levelOfDetailMenu() const { return lodPopup_; }
    QMenu* updateSpeedMenu() const { return updateSpeedPopup_; }
    QString statusText() const;
    // Identifies what lies at a point of the sky picture, as a right click there does.
    void IdentifyAt(QPoint at);
    void SetMouseLook(bool on, QPoint at = {});

  signals:
    // "Set location": the main window opens the location chooser for this view.
    void setLocationRequested();
    // The options dialog's "Set Date and Time...".
    void setDateTimeRequested();
    // F1 in the window or its options dialog.
    void helpRequested(const QString& topic);
    // Keys the window leaves to the program: Esc, F7, F8, F9.
    void functionKeyPressed(int key);
    // A modal dialog of this window opens or closes (the viewer's timer pauses meanwhile).
    void modalDialogOpened();
    void modalDialogClosed();

  protected:
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void showEvent(QShowEvent* event) override;

  private:
    void BuildToolBar();
    QToolButton* AddButton(const char* name, const QString& hint, const QIcon& icon);
    QToolButton* AddSwitch(const char* name, const QString& hint, const QIcon& icon,
                           bool SkyViewSettings::*flag, const settings::Bool& key);
    void AddLevelOfDetailItem(const QString& text, bool SkyViewSettings::*flag,
                              const settings::Bool& key);
    void BuildUpdateSpeedMenu();
    void ChooseUpdateSpeed(int tag);
    void OpenOptions();
    void Turn(double azimuthDelta, double altitudeDelta);
    void FaceZenith();
    void Zoom(double steps);
    void ResetZoom();
    void SkyMouseReleased(Qt::MouseButton button, QPoint at);
    void SkyMouseMoved(QPoint at);
    void RedrawTick();
    void Resized();
    void SyncSwitches();
    void ShowFieldOfView();
    bool minimised() const;

    Simulation& sim_;
    SkyData& sky_;
    SettingsStore& store_;
    SkyViewState state_;
    SkyViewSettings settings_;
    SkyRenderer renderer_;
    SkyFonts fonts_;
    SkySolarSystem solarSystem_;
    QTimer redraw_;
    bool active_ = false;
    bool drawing_ = false;

    QToolBar* toolBar_ = nullptr;
    SkyPictureWidget* direction_ = nullptr;
    SkyPictureWidget* skyPicture_ = nullptr;
    SkyPictureWidget* headTilt_ = nullptr;
    QStatusBar* statusBar_ = nullptr;
    QLabel* fieldLabel_ = nullptr;
    QMenu* lodPopup_ = nullptr;
    QMenu* updateSpeedPopup_ = nullptr;
    struct Switch {
        QAbstractButton* button = nullptr;
        QAction* action = nullptr;
        bool SkyViewSettings::*flag = nullptr;
    };
    std::vector<Switch> switches_;
};

}  // namespace sky
