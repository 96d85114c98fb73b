#pragma once

#include <QMainWindow>
#include <QPointer>
#include <QTimer>
#include <memory>

#include "core/SavedPosition.h"
#include "core/Simulation.h"
#include "diagnostics/widgets/TDebugWindow.h"
#include "models/BodyModels.h"
#include "models/DefaultMeshes.h"
#include "render/GraphicsSystem.h"
#include "render/gl/RenderDevice.h"
#include "shell/CommandLine.h"
#include "shell/ShellLogic.h"
#include "sky/SkyData.h"
#include "sky/StarFieldView.h"
#include "viewer/Camera.h"
#include "viewer/widgets/ViewerHost.h"

class QAction;
class QComboBox;
class QLabel;
class QMdiArea;
class QMdiSubWindow;
class QMenu;
class HelpBrowser;
class IniSettingsStore;
class TAboutOE;
class TViewScreen;
class TViewScreenControls;

// The main window: the frame round every other window, with the menus, the tool bar, the
// status clock and the recent files; it starts the program and owns what it is made of.
class TMDIContainer : public QMainWindow, public ViewerHost, public PositionWindows {
    Q_OBJECT
  public:
    explicit TMDIContainer(const CommandLine& commandLine);
    ~TMDIContainer() override;

    // Runs the start-up; false when the program must end (exitCode() says how).
    bool Start();
    int exitCode() const { return exitCode_; }

    // ViewerHost
    bool FunctionKey(int key) override;
    void OpenHelpTopic(const QString& topic) override;
    void CheckWindowItem(const QString& window, bool on) override;
    void SetStatusText(int panel, const QString& text) override;

    // PositionWindows
    QString SelectedName() const override;
    bool LockOn() const override;
    void SetLockOn(bool on) override;
    void SelectTargetByName(const QString& name) override;
    void SetSpeedFactor(int factor) override;
    int UpdateSpeedIndex() const override;
    int UpdateSpeedCount() const override;
    void ChooseUpdateSpeed(int index) override;
    int ResolutionIndex() const override;
    int ResolutionCount() const override { return 3; }
    void ChooseResolution(int index) override;
    std::array<double, 3> MapView() const override { return mapView_; }
    void SetMapView(double x, double y, double width) override { mapView_ = {x, y, width}; }
    void SetCameraSpeed(double v) override { camera_->SetCameraSpeed(v); }
    void SetZoom(double z) override { camera_->SetZoom(z); }
    void SetSceneOrigin(const scene::Vec3& p) override { camera_->SetSceneOrigin(p.x, p.y, p.z); }
    void RefreshCaption() override;
    void SetCalendarDate(int year, int month, int day) override;
    bool LoadBodyModel(Body& body, const QString& file) override;

    void SetDetailLevel(int level);
    void AddRecentFile(const QString& path);
    bool LoadPosition(const QString& path);
    // The picture --snapshot takes: the whole window or the viewer.
    QImage Snapshot(const QString& view);

    TViewScreen* viewer() const { return viewer_; }
    TViewScreenControls* controls() const { return controls_; }
    Simulation& simulation() { return *sim_; }
    SettingsStore& settings();
    const ShellLogic::RecentFiles& recentFiles() const { return recent_; }
    QMenu* fileMenu() const { return fileMenu_; }
    QList<QAction*> recentActions() const { return recentActions_; }
    TDebugWindow* systemLogWindow() const { return systemLog_; }
    int tutorialStopRequests() const { return tutorialStops_; }
    QLabel* statusPanel(int panel) const { return panel == 0 ? status0_ : status1_; }
    QComboBox* updateSpeedBox() const { return updateSpeed_; }

  protected:
    void closeEvent(QCloseEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void BuildMenus();
    void BuildToolBar();
    void BuildStatusBar();
    void BuildRecentMenu();
    bool CreateViewer();
    void CreateControls();
    void ShowSystemLog();
    void ShowAbout();
    void OpenPosition();
    void SavePositionAs();
    void TakePicture();
    void BackgroundTick();
    void ShowChild(QMdiSubWindow* window);
    QMdiSubWindow* AddChild(QWidget* widget, const QString& section, bool withSize, QRect defaults);
    void Shutdown();
    // Runs a modal dialog with the viewer's timer off.
    template <typename F>
    auto Paused(F&& f) -> decltype(f());

    CommandLine commandLine_;
    int exitCode_ = 0;
    std::unique_ptr<IniSettingsStore> settings_;
    GraphicsSystem graphics_;
    sky::SkyData sky_;
    std::unique_ptr<Simulation> sim_;
    std::unique_ptr<RenderDevice> device_;
    std::unique_ptr<DefaultMeshes> meshes_;
    std::unique_ptr<BodyModels> models_;
    CameraControls cameraControls_;
    std::unique_ptr<Camera> camera_;
    std::unique_ptr<StarFieldView> stars_;
    ShellLogic::RecentFiles recent_;
    std::array<double, 3> mapView_{0, 0, 500000000.0};

    QMdiArea* mdi_ = nullptr;
    TViewScreen* viewer_ = nullptr;
    TViewScreenControls* controls_ = nullptr;
    QMdiSubWindow* viewerWindow_ = nullptr;
    QMdiSubWindow* controlsWindow_ = nullptr;
    QMdiSubWindow* systemLogWindow_ = nullptr;
    QPointer<TDebugWindow> systemLog_;
    std::unique_ptr<HelpBrowser> help_;
    TAboutOE* splash_ = nullptr;
    QMenu* fileMenu_ = nullptr;
    QAction* recentSeparator_ = nullptr;
    QList<QAction*> recentActions_;
    std::array<QAction*, 3> resolutionActions_{};
    QAction* windowViewer_ = nullptr;
    QAction* windowControls_ = nullptr;
    QAction* windowSystemLog_ = nullptr;
    QAction* systemLogAction_ = nullptr;
    QComboBox* modelRes_ = nullptr;
    QComboBox* updateSpeed_ = nullptr;
    QLabel* status0_ = nullptr;
    QLabel* status1_ = nullptr;
    QTimer backgroundTick_;
    int lastDateKey_ = -1;
    int tutorialStops_ = 0;
    bool shutDown_ = false;
};
