#pragma once

#include <QMainWindow>
#include <QPointer>
#include <QTimer>
#include <array>
#include <memory>

#include "core/SavedPosition.h"
#include "console/widgets/TConsole.h"
#include "diagnostics/widgets/TDebugWindow.h"
#include "maps/widgets/TJupiterMoon.h"
#include "shell/Session.h"
#include "shell/ShellLogic.h"

class QAction;
class QComboBox;
class QLabel;
class QMdiArea;
class QMdiSubWindow;
class QMenu;
class HelpBrowser;
class LogSink;
class TAboutOE;
class SimulationConsoleHost;
class TSolarSystemMap;
class TViewScreen;
class TViewScreenControls;
class Tutorials;
namespace sky {
class TSkyView;
}

// The main window: the frame round every other window, with the menus, the tool bar, the
// status clock and the recent files. It runs the start-up over the session it is given and
// wires the windows together; the session outlives it.
class TMDIContainer : public QMainWindow {
    Q_OBJECT
  public:
    explicit TMDIContainer(Session& session);
    ~TMDIContainer() override;

    // Runs the start-up; false when the program must end (exitCode() says how).
    bool Start();
    int exitCode() const { return exitCode_; }

    // The shared function keys: Esc, F7, F8, F9. True when the key was acted on.
    bool FunctionKey(int key);
    void OpenHelpTopic(const QString& topic);
    // Shows one of the program's HTML pages in the help window; false for anything else.
    bool ShowPageInside(const QString& path);
    HelpBrowser* helpBrowser() const { return help_.get(); }
    void SetDetailLevel(int level);
    void ChooseUpdateSpeed(int index);
    void AddRecentFile(const QString& path);
    bool LoadPosition(const QString& path);
    bool SavePositionTo(const QString& path);
    // The viewing state a saved position records, and applying a restored one.
    ViewState CurrentViewState() const;
    void ApplyViewState(const ViewState& state);
    // The picture --snapshot takes: the whole window, the viewer, the map, the sky view or the
    // Jupiter's moons window (opened for it).
    QImage Snapshot(const QString& view);

    Session& session() { return session_; }
    Simulation& simulation() { return session_.simulation(); }
    SettingsStore& settings() { return session_.settings(); }
    TViewScreen* viewer() const { return viewer_; }
    TViewScreenControls* controls() const { return controls_; }
    TSolarSystemMap* map() const { return map_; }
    QMdiSubWindow* mapWindow() const { return mapWindow_; }
    QAction* viewMapAction() const { return viewMap_; }
    QAction* windowViewer() const { return windowViewer_; }
    QAction* windowMapAction() const { return windowMap_; }
    sky::TSkyView* skyView() const { return skyView_; }
    QMdiSubWindow* skyViewWindow() const { return skyWindow_; }
    QAction* skyViewMenuItem() const { return viewSky_; }
    const ShellLogic::RecentFiles& recentFiles() const { return recent_; }
    QMenu* fileMenu() const { return fileMenu_; }
    QList<QAction*> recentActions() const { return recentActions_; }
    TDebugWindow* systemLogWindow() const { return systemLog_; }
    TJupiterMoon* jupiterMoons() const { return jupiter_; }
    // Shows the Jupiter's moons window, creating it the first time.
    void ShowJupiterMoons();
    // Shows the console, creating it the first time.
    void ShowConsole();
    TConsole* console() const { return console_; }
    QAction* consoleWindowMenuItem() const { return windowConsole_; }
    int tutorialStopRequests() const { return tutorialStops_; }
    Tutorials* tutorials() const { return tutorials_.get(); }
    QLabel* statusPanel(int panel) const { return panel == 0 ? status0_ : status1_; }
    QComboBox* updateSpeedBox() const { return updateSpeed_; }
    int UpdateSpeedIndex() const;
    int ResolutionIndex() const;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void BuildMenus();
    void BuildWindowMenu();
    void BuildHelpMenu();
    void BuildToolBar();
    void BuildStatusBar();
    void BuildRecentMenu();
    bool CheckOpenGl();
    bool CreateViewer();
    void CreateControls();
    void CreateMap();
    void CreateSkyView();
    void ShowSystemLog();
    void JupiterActivation(QMdiSubWindow* active);
    void SaveJupiterPlacement();
    void ConsoleActivation(QMdiSubWindow* active);
    void SaveConsolePlacement();
    void ShowAbout();
    // The options and system information dialogs, modal.
    void ShowOptions();
    void ShowSystemInformation();
    // The dialog pages --snapshot --view options-PAGE and sysinfo-PAGE picture.
    QImage DialogSnapshot(const QString& view);
    // The location chooser and the date and time dialog, modal.
    void ChooseLocation();
    void LocationApplied();
    void SetDateAndTime();
    void OpenPosition();
    void SavePositionAs();
    void TakePicture();
    void OpenRecent(int index);
    void BackgroundTick();
    void SubWindowActivated(QMdiSubWindow* window);
    enum class Arrangement { Rows, Columns, Cascade };
    void ArrangeChildren(Arrangement how);
    // Sizes a child so that the widget inside it is `wanted`, at the top left of the client
    // area (for pictures taken from the command line).
    void FitChild(QMdiSubWindow* window, QWidget* inside, QSize wanted);
    void ShowChild(QMdiSubWindow* window);
    // Shows the level in the menu and the tool bar and hands it to the models.
    void ShowDetailLevel(int level);
    void SetStatusText(int panel, const QString& text);
    void SavePlacements();
    QMdiSubWindow* AddChild(QWidget* widget, const QString& section, bool withSize, QRect defaults);
    // The folder the open and save dialogs start in.
    QString PositionFolder() const;
    // Runs a modal dialog with the viewer's timer off.
    template <typename F>
    auto Paused(F&& f) -> decltype(f());

    Session& session_;
    int exitCode_ = 0;
    ShellLogic::RecentFiles recent_;
    MapView mapView_;

    QMdiArea* mdi_ = nullptr;
    TViewScreen* viewer_ = nullptr;
    TViewScreenControls* controls_ = nullptr;
    QMdiSubWindow* viewerWindow_ = nullptr;
    QMdiSubWindow* controlsWindow_ = nullptr;
    TSolarSystemMap* map_ = nullptr;
    QMdiSubWindow* mapWindow_ = nullptr;
    sky::TSkyView* skyView_ = nullptr;
    QMdiSubWindow* skyWindow_ = nullptr;
    QMdiSubWindow* systemLogWindow_ = nullptr;
    QPointer<TDebugWindow> systemLog_;
    QMdiSubWindow* jupiterWindow_ = nullptr;
    QPointer<TJupiterMoon> jupiter_;
    QMdiSubWindow* consoleWindow_ = nullptr;
    QPointer<TConsole> console_;
    std::unique_ptr<SimulationConsoleHost> consoleHost_;
    std::unique_ptr<HelpBrowser> help_;
    std::unique_ptr<Tutorials> tutorials_;
    std::unique_ptr<LogSink> statusSink_;
    TAboutOE* splash_ = nullptr;
    QMenu* fileMenu_ = nullptr;
    QAction* recentSeparator_ = nullptr;
    QList<QAction*> recentActions_;
    std::array<QAction*, 3> resolutionActions_{};
    QAction* windowViewer_ = nullptr;
    QAction* windowControls_ = nullptr;
    QAction* viewMap_ = nullptr;
    QAction* windowMap_ = nullptr;
    QAction* windowSystemLog_ = nullptr;
    QAction* windowJupiter_ = nullptr;
    QAction* windowConsole_ = nullptr;
    QAction* viewSky_ = nullptr;
    QComboBox* modelRes_ = nullptr;
    QComboBox* updateSpeed_ = nullptr;
    QLabel* status0_ = nullptr;
    QLabel* status1_ = nullptr;
    QTimer backgroundTick_;
    int lastDateKey_ = -1;
    int tutorialStops_ = 0;
    bool placementsSaved_ = false;
};
