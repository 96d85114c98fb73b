#pragma once

#include <QWidget>
#include <array>

#include "viewer/Camera.h"

class QCalendarWidget;
class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QListWidget;
class QRadioButton;
class QScrollArea;
class QSlider;
class QStackedWidget;
class QStatusBar;
class QTabBar;
class QTabWidget;
class QToolButton;
class QTreeWidget;
class QTreeWidgetItem;
class SettingsStore;
class StarFieldView;
class TViewScreen;
namespace sky {
class StarCatalogue;
}

// The Viewer Controls: choosing a target and sending the camera to it, the throttle and the
// movement pads, the simulation's speed and date, the stars shown, the zoom and the input
// options, with the distances shown twice a second.
class TViewScreenControls : public QWidget {
    Q_OBJECT
  public:
    TViewScreenControls(Simulation& sim, Camera& camera, SettingsStore& settings,
                        TViewScreen& viewer, StarFieldView& stars,
                        const sky::StarCatalogue& catalogue, QWidget* parent = nullptr);
    ~TViewScreenControls() override;

    Body* SelectedTarget() const;
    void SelectTargetByName(const QString& name);
    // Clamped to +-86400; checks the matching speed button or "Custom"; sets the clock.
    void SetSpeedFactor(int n);
    void OpenEncyclopedia();
    // The first placement: the "InitialObject" body, or Mars, or the Earth.
    void PlaceInitialTarget();
    void SetCalendarDate(const QDate& date);
    void ClearInfo();
    void UpdateStats();
    void Activated();

    // For tests and the viewer.
    QTabWidget* pages() const { return pages_; }
    QSlider* throttleSlider() const { return throttle_; }
    QSlider* cameraField() const { return cameraField_; }
    QSlider* starMagnitude() const { return starMagnitude_; }
    QLineEdit* customSpeed() const { return customSpeed_; }
    QRadioButton* speedButton(int index) const { return speedButtons_[std::size_t(index)]; }
    QRadioButton* customButton() const { return custom_; }
    QLabel* infoText() const { return info_; }
    QScrollArea* infoScroll() const { return infoScroll_; }
    QCheckBox* lockOn() const { return lockOn_; }
    QPushButton* setDateTimeButton() const { return setDateTime_; }
    QString statusText(int panel) const;
    QString lookAtHint() const;
    QString lockOnCaption() const;
    void PressStick(int x, int y);
    void PressRoll(int x, int y);
    QTreeWidget* targetTree() const { return tree_; }
    QListWidget* bodyList() const { return list_; }
    void ShowAlphabetic(bool alphabetic);
    bool allowMouseLook() const;
    bool invertMouse() const;
    bool invertKeyboard() const;

  signals:
    // F1 in the window.
    void helpRequested(const QString& topic);
    // Keys the window leaves to the program: Esc, F7, F8, F9.
    void functionKeyPressed(int key);

  protected:
    void keyReleaseEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    QWidget* BuildNavigation();
    QWidget* BuildTargeting();
    QWidget* BuildMovement();
    QWidget* BuildGodLike();
    QWidget* BuildStars();
    QWidget* BuildCamera();
    QWidget* BuildControls();
    void FillTargets();
    void TargetChosen();
    void MoveTo();
    void ShowInfo(bool on);
    // The "Enable joystick" box was clicked.
    void JoystickTicked(bool on);
    void ApplyCustomSpeed();
    void DayChosen(const QDate& date);
    void ReadDistanceBoxes();
    // The viewer follows the input option boxes.
    void SyncViewerOptions();

    Simulation& sim_;
    Camera& camera_;
    CameraControls& controls_;
    SettingsStore& settings_;
    TViewScreen& viewer_;
    StarFieldView& stars_;
    QTabWidget* pages_ = nullptr;
    QTreeWidget* tree_ = nullptr;
    QListWidget* list_ = nullptr;
    QStackedWidget* targetViews_ = nullptr;
    QTabBar* targetOrder_ = nullptr;
    QToolButton *gotoEncyclo_ = nullptr, *moveTo_ = nullptr, *lookAt_ = nullptr;
    QListWidget* where_ = nullptr;
    QRadioButton *radii_ = nullptr, *km_ = nullptr;
    QLineEdit *distanceRadii_ = nullptr, *distanceKm_ = nullptr;
    QWidget *placementPanel_ = nullptr, *infoPanel_ = nullptr;
    QLabel *infoTitle_ = nullptr, *info_ = nullptr;
    QScrollArea* infoScroll_ = nullptr;
    bool toldNoJoystick_ = false;
    QTabBar* moveToTab_ = nullptr;
    QCheckBox* lockOn_ = nullptr;
    QLabel *stick_ = nullptr, *stickRoll_ = nullptr;
    std::array<QRadioButton*, 8> speedButtons_{};
    QRadioButton* custom_ = nullptr;
    QLineEdit* customSpeed_ = nullptr;
    QCalendarWidget* selectDay_ = nullptr;
    QPushButton* setDateTime_ = nullptr;
    QSlider* starMagnitude_ = nullptr;
    QLabel *maxMagLabel_ = nullptr, *starMagnitudeLabel_ = nullptr;
    QCheckBox* drawFigures_ = nullptr;
    QSlider* cameraField_ = nullptr;
    QCheckBox *allowMouseLook_ = nullptr, *invertMouse_ = nullptr, *invertKeyboard_ = nullptr,
              *enableJoystick_ = nullptr, *invertThrottle_ = nullptr, *showPointer_ = nullptr;
    QLabel* velocity_ = nullptr;
    QSlider* throttle_ = nullptr;
    QStatusBar* status_ = nullptr;
    QLabel *panel0_ = nullptr, *panel1_ = nullptr;
    QTimer* updateStats_ = nullptr;
};
