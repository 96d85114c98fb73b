#pragma once

#include <QElapsedTimer>
#include <QImage>
#include <QList>
#include <QTimer>
#include <QWidget>

#include "maps/MapGeometry.h"
#include "maps/MapHitList.h"
#include "maps/MapPresets.h"
#include "maps/MapRenderer.h"
#include "maps/SmallPictureCache.h"

class Body;
class Camera;
class QAction;
class QCheckBox;
class QLabel;
class QMenu;
class QStatusBar;
class QToolBar;
class QToolButton;
class Simulation;
class SettingsStore;

// The solar system map: the bodies seen from above the ecliptic with their orbits and
// names, and a cross where the camera is. The user pans, zooms, picks preset views, and
// sends the 3D camera to a body or a clicked point.
class TSolarSystemMap : public QWidget {
    Q_OBJECT
  public:
    static constexpr int kActiveInterval = 1000;     // ms between redraws while active
    static constexpr int kInactiveInterval = 10000;  // and otherwise
    static constexpr int kCursorSize = 32;           // the pointer's size the hint keeps clear of
    static constexpr int kHintWidth = 200;

    TSolarSystemMap(Simulation& sim, Camera& camera, SettingsStore& settings,
                    QWidget* parent = nullptr);
    ~TSolarSystemMap() override;

    // Where the window goes when no placement is stored, in the main window's client area.
    static QRect DefaultPlacement(QSize client);

    // The full redraw.
    void DrawMap();
    // Centres on the body with the picture's shorter side 2 x halfSize long.
    void SetMapView(const Body& body, double halfSize);
    void ShowPreset(MapPreset preset);
    void Pan(PanDirection direction);
    // Zooms about the picture point, which becomes the centre; the limits give a message.
    void Zoom(bool in, QPointF pixel);
    // Zooms keeping the world point under the picture point where it is.
    void ZoomAt(bool in, QPointF pixel);
    // The view saved positions keep, and restoring it (an unusable one is ignored).
    MapView SavedView() const { return geometry_.View(); }
    void RestoreView(const MapView& view);
    // The window gained or lost activation (losing it when it was not active does nothing).
    void Activated();
    void Deactivated();
    bool isActive() const { return active_; }
    // The map drawn at another size, for pictures of it.
    QImage Picture(QSize size);

    // Fills the camera submenus for a click at this picture point and opens the popup.
    void OpenMapPopup(QPoint pixel);
    // The hint for the pointer at this picture point, as the hint timer shows it.
    void ShowHintAt(QPoint pixel);

    // For tests and the main window.
    const MapGeometry& geometry() const { return geometry_; }
    const MapHitList& hitList() const { return hitList_; }
    const QImage& picture() const { return picture_; }
    QWidget* viewPort() const { return viewPort_; }
    QString statusText() const;
    QMenu* viewPopup() const { return viewPopup_; }
    QMenu* mapPopup() const { return mapPopup_; }
    QMenu* moveCameraMenu() const { return moveCameraTo_; }
    QMenu* pointCameraMenu() const { return pointCameraAt_; }
    QCheckBox* planetOrbitsBox() const { return showPlanetOrbit_; }
    QCheckBox* moonOrbitsBox() const { return showMoonOrbit_; }
    QCheckBox* labelsBox() const { return showLabels_; }
    QToolButton* panButton(PanDirection direction) const;
    const QTimer& updateTimer() const { return updateTimer_; }
    // The redraw timer rests while a tutorial's narrator talks.
    void PauseTimer() { updateTimer_.stop(); }
    void ResumeTimer() {
        if (!updateTimer_.isActive()) updateTimer_.start();
    }
    bool hintShowing() const;
    QString hintText() const;
    QPointF clickedPoint() const { return clickedWorld_; }

  signals:
    // The window became active (true) or stopped being so: the 3D viewer slows down and the
    // main window's menu item follows.
    void activeChanged(bool active);
    void helpRequested(const QString& topic);
    // A key the map does not use, for the keys every window shares.
    void functionKeyPressed(int key);

  protected:
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void BuildToolBar(QToolBar* bar);
    void BuildMenus();
    void FormResize();
    MapDrawOptions Options() const;
    void MouseMoved(QMouseEvent* event);
    void MouseReleased(QMouseEvent* event);
    void HintTimerFired();
    void HideHint();
    void MoveCameraToPoint();
    bool PointerInPicture(QPointF* at) const;
    void CentrePointer();
    bool ZoomRefused(ZoomResult result);

    Simulation& sim_;
    Camera& camera_;
    SettingsStore& settings_;
    MapGeometry geometry_;
    SmallPictureCache pictures_;
    MapRenderer renderer_;
    MapHitList hitList_;
    QImage picture_;
    QElapsedTimer ticks_;

    QToolButton* bSetView_ = nullptr;
    QCheckBox* showPlanetOrbit_ = nullptr;
    QCheckBox* showMoonOrbit_ = nullptr;
    QCheckBox* showLabels_ = nullptr;
    QToolButton* bLeft_ = nullptr;
    QToolButton* bUp_ = nullptr;
    QToolButton* bDown_ = nullptr;
    QToolButton* bRight_ = nullptr;
    QWidget* viewPort_ = nullptr;
    QStatusBar* status_ = nullptr;
    QLabel* statusPanel_ = nullptr;
    QTimer updateTimer_;
    QTimer hintTimer_;
    QMenu* viewPopup_ = nullptr;
    QMenu* mapPopup_ = nullptr;
    QMenu* moveCameraTo_ = nullptr;
    QMenu* pointCameraAt_ = nullptr;
    QList<QAction*> bodyActions_;  // the bodies added to the camera submenus last time

    QPointF clickedWorld_;
    QPoint clickedPixel_;
    QLabel* hint_ = nullptr;
    QPoint hintShownFor_;
    QPoint lastMouse_;
    bool dragging_ = false;
    QPoint dragFrom_;
    int wheelTurn_ = 0;
    bool active_ = false;
};
