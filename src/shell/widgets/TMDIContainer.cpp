#include "shell/widgets/TMDIContainer.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDateTime>
#include <QDesktopServices>
#include <QFileDialog>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLabel>
#include <QLocale>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QStatusBar>
#include <QToolBar>
#include <QUrl>

#include "console/SimulationConsoleHost.h"
#include "console/widgets/TConsole.h"
#include "core/Body.h"
#include "core/Files.h"
#include "core/Log.h"
#include "core/Prompter.h"
#include "core/Services.h"
#include "core/Text.h"
#include "diagnostics/widgets/TAboutOE.h"
#include "diagnostics/widgets/TDebugWindow.h"
#include "diagnostics/widgets/TDisplaySettings.h"
#include "diagnostics/widgets/TSystemInformation.h"
#include "location/widgets/TChooseLocation.h"
#include "location/widgets/TSetDateTime.h"
#include "maps/JupiterViewGeometry.h"
#include "maps/widgets/TSolarSystemMap.h"
#include "render/ObjectDump.h"
#include "render/gl/GlProbe.h"
#include "shell/SystemInfoReport.h"
#include "shell/WindowArrangement.h"
#include "shell/widgets/HelpBrowser.h"
#include "shell/widgets/Tutorials.h"
#include "shell/widgets/WidgetPlacement.h"
#include "sky/StarCatalogue.h"
#include "sky/widgets/TSkyView.h"
#include "viewer/widgets/TViewScreen.h"
#include "viewer/widgets/TViewScreenControls.h"

namespace {

// The main status bar's first panel shows each line the system log receives.
class StatusSink : public LogSink {
  public:
    explicit StatusSink(QLabel* label) : label_(label) {}
    void logLine(const QString& line) override {
        label_->setText(line);
        label_->repaint();
    }

  private:
    QLabel* label_;
};

constexpr int kResolutionCount = 3;

}  // namespace

template <typename F>
auto TMDIContainer::Paused(F&& f) -> decltype(f()) {
    struct Resume {
        TViewScreen* v;
        ~Resume() {
            // Opened from another modal dialog (the sky view's options), the timer rests until
            // that one closes too.
            if (v && !QApplication::activeModalWidget()) v->ResumeTimer();
        }
    } resume{viewer_};
    if (viewer_) viewer_->PauseTimer();
    return f();
}

TMDIContainer::TMDIContainer(Session& session) : session_(session) {
    setWindowTitle(QStringLiteral("Orbivale"));
    resize(694, 490);
    mdi_ = new QMdiArea(this);
    mdi_->setBackground(QColor(60, 60, 70));
    setCentralWidget(mdi_);
    BuildMenus();
    BuildToolBar();
    BuildStatusBar();
    connect(mdi_, &QMdiArea::subWindowActivated, this, &TMDIContainer::SubWindowActivated);
    backgroundTick_.setInterval(1000);
    connect(&backgroundTick_, &QTimer::timeout, this, &TMDIContainer::BackgroundTick);
}

TMDIContainer::~TMDIContainer() {
    // The narrator goes first, while the windows it stands by are still there.
    tutorials_.reset();
    SavePlacements();
    // The child windows go while this window is still whole: their last signals (a closing
    // window's "destroyed") may still reach it.
    qApp->removeEventFilter(this);
    disconnect(mdi_, nullptr, this, nullptr);
    simulation().hooks().redrawSkyView = nullptr;
    delete mdi_;
    viewer_ = nullptr;
    controls_ = nullptr;
    skyView_ = nullptr;
    skyWindow_ = nullptr;
    Services& services = Services::instance();
    services.setLogSink(LogSinkSlot::StatusBar, nullptr);
    services.showHelpTopic = nullptr;
    delete splash_;
    session_.settings().sync();
}

void TMDIContainer::SavePlacements() {
    if (placementsSaved_) return;
    placementsSaved_ = true;
    SettingsStore& store = settings();
    WidgetPlacement main(*this);
    SaveWindowPlacement(main, store, QStringLiteral("MDIWindow"), true);
    if (viewerWindow_) {
        WidgetPlacement p(*viewerWindow_);
        SaveWindowPlacement(p, store, QStringLiteral("MainViewer"), true);
    }
    if (controlsWindow_) {
        WidgetPlacement p(*controlsWindow_);
        SaveWindowPlacement(p, store, QStringLiteral("MainViewerControls"), false);
    }
    if (mapWindow_) {
        WidgetPlacement p(*mapWindow_);
        SaveWindowPlacement(p, store, QStringLiteral("MapView"), true);
    }
    SaveJupiterPlacement();
    SaveConsolePlacement();
    if (skyWindow_) {
        WidgetPlacement p(*skyWindow_);
        SaveWindowPlacement(p, store, QStringLiteral("SkyView"), true);
    }
}

void TMDIContainer::BuildMenus() {
    fileMenu_ = menuBar()->addMenu(QStringLiteral("&File"));
    fileMenu_->addAction(QStringLiteral("Open..."), QKeySequence(QStringLiteral("Ctrl+O")), this,
                         &TMDIContainer::OpenPosition);
    QAction* saveAs =
        fileMenu_->addAction(QStringLiteral("Save As..."), QKeySequence(QStringLiteral("Ctrl+A")),
                             this, &TMDIContainer::SavePositionAs);
    // The Save button's hint names Ctrl+S: both keys save.
    saveAs->setShortcuts(
        {QKeySequence(QStringLiteral("Ctrl+A")), QKeySequence(QStringLiteral("Ctrl+S"))});
    fileMenu_->addAction(QStringLiteral("Take Picture of View Screen"),
                         QKeySequence(QStringLiteral("Ctrl+T")), this, &TMDIContainer::TakePicture);
    fileMenu_->addSeparator();
    fileMenu_->addAction(QStringLiteral("E&xit"), this, &QWidget::close);
    recentSeparator_ = fileMenu_->addSeparator();
    for (int i = 0; i < ShellLogic::RecentFiles::kCount; ++i) {
        QAction* a = fileMenu_->addAction(QString());
        connect(a, &QAction::triggered, this, [this, i] { OpenRecent(i); });
        recentActions_ << a;
    }

    QMenu* edit = menuBar()->addMenu(QStringLiteral("&Edit"));
    edit->addAction(QStringLiteral("&Copy"), QKeySequence(QStringLiteral("Ctrl+C")), this, [this] {
        if (viewer_) Paused([this] { return viewer_->SavePicture(QString()); });
    });

    QMenu* view = menuBar()->addMenu(QStringLiteral("&View"));
    const char* resolutions[kResolutionCount] = {"High Resolution", "Medium Resolution",
                                                 "Low Resolution"};
    const char* keys[kResolutionCount] = {"F4", "F3", "F2"};
    for (int i = 0; i < kResolutionCount; ++i) {
        QAction* a = view->addAction(QString::fromLatin1(resolutions[i]),
                                     QKeySequence(QString::fromLatin1(keys[i])), this,
                                     [this, i] { SetDetailLevel(i); });
        a->setCheckable(true);
        resolutionActions_[std::size_t(i)] = a;
    }
    view->addSeparator();
    // Checked while the map is the active window.
    viewMap_ = view->addAction(QStringLiteral("Solar System Map"), this,
                               [this] { ShowChild(mapWindow_); });
    viewMap_->setCheckable(true);
    // Checked while the sky view is the active window.
    viewSky_ = view->addAction(QStringLiteral("Sky View"), this, [this] { ShowChild(skyWindow_); });
    viewSky_->setCheckable(true);
    view->addAction(QStringLiteral("Jupiter's Moons"), this, &TMDIContainer::ShowJupiterMoons);
    view->addAction(QStringLiteral("Console"), this, &TMDIContainer::ShowConsole);

    QMenu* tools = menuBar()->addMenu(QStringLiteral("&Tools"));
    tools->addAction(QStringLiteral("Choose &Location..."), this, &TMDIContainer::ChooseLocation);
    tools->addAction(QStringLiteral("Set &Date and Time..."), this, &TMDIContainer::SetDateAndTime);
    tools->addSeparator();
    tools->addAction(QStringLiteral("System Log"), QKeySequence(QStringLiteral("F12")), this,
                     &TMDIContainer::ShowSystemLog);
    tools->addAction(QStringLiteral("&Options..."), this, &TMDIContainer::ShowOptions);
    tools->addAction(QStringLiteral("System &Information"), this,
                     &TMDIContainer::ShowSystemInformation);
    QAction* output = tools->addAction(QStringLiteral("Output star data"), this, [] {
        sky::ExportStarData(Services::instance().userDataDirectory());
    });
    output->setVisible(false);
    QAction* test = tools->addAction(QStringLiteral("Test"), this, [this] {
        DumpObjects(simulation().scene());
        QApplication::beep();
    });
    test->setVisible(false);

    BuildWindowMenu();
    BuildHelpMenu();
}

void TMDIContainer::BuildWindowMenu() {
    QMenu* window = menuBar()->addMenu(QStringLiteral("&Window"));
    window->addAction(QStringLiteral("Tile &Horizontally"), this,
                      [this] { ArrangeChildren(Arrangement::Rows); });
    window->addAction(QStringLiteral("Tile &Vertically"), this,
                      [this] { ArrangeChildren(Arrangement::Columns); });
    window->addAction(QStringLiteral("&Cascade"), this,
                      [this] { ArrangeChildren(Arrangement::Cascade); });
    window->addAction(QStringLiteral("Arrange &Icons"), this, [this] {
        int x = 0;
        for (auto* w : mdi_->subWindowList())
            if (w->isMinimized()) {
                w->move(x, mdi_->viewport()->height() - w->height());
                x += w->width();
            }
    });
    window->addSeparator();
    windowViewer_ =
        window->addAction(QStringLiteral("Viewer"), this, [this] { ShowChild(viewerWindow_); });
    windowViewer_->setCheckable(true);
    windowControls_ = window->addAction(QStringLiteral("Viewer Controls"), this,
                                        [this] { ShowChild(controlsWindow_); });
    windowControls_->setCheckable(true);
    windowMap_ = window->addAction(QStringLiteral("Solar System Map"), this,
                                   [this] { ShowChild(mapWindow_); });
    window->addAction(QStringLiteral("Sky View"), this, [this] { ShowChild(skyWindow_); });
    windowJupiter_ = window->addAction(QStringLiteral("Jupiter's Moons"), this,
                                       [this] { ShowChild(jupiterWindow_); });
    windowJupiter_->setCheckable(true);
    windowJupiter_->setVisible(false);
    // Shown while the console exists, checked while it is the active window.
    windowConsole_ = window->addAction(QStringLiteral("Console"), this,
                                       [this] { ShowChild(consoleWindow_); });
    windowConsole_->setCheckable(true);
    windowConsole_->setVisible(false);
    windowSystemLog_ =
        window->addAction(QStringLiteral("System Log"), this, &TMDIContainer::ShowSystemLog);
    windowSystemLog_->setCheckable(true);
    windowSystemLog_->setVisible(false);
}

void TMDIContainer::BuildHelpMenu() {
    QMenu* help = menuBar()->addMenu(QStringLiteral("&Help"));
    help->addAction(QStringLiteral("Contents"), this,
                    [this] { OpenHelpTopic(QStringLiteral("index")); });
    help->addAction(QStringLiteral("Index"), this,
                    [this] { OpenHelpTopic(QStringLiteral("Intro")); });
    help->addAction(QStringLiteral("Encyclopedia"), QKeySequence(QStringLiteral("F6")), this,
                    [this] {
                        QString folder = settings().get(settings::EncyclopediaLocation);
                        if (folder.isEmpty() || !FileExists(folder))
                            folder = ResourceDirectory(QStringLiteral("Encyclopedia"));
                        OpenDocument(EnsureTrailingSlash(folder) + QStringLiteral("index.htm"));
                    });
    tutorials_ = std::make_unique<Tutorials>(*this, help->addMenu(QStringLiteral("&Tutorials")));
    help->addSeparator();
    help->addAction(QStringLiteral("System Information"), this,
                    &TMDIContainer::ShowSystemInformation);
    help->addAction(QStringLiteral("&About Orbivale..."), this, &TMDIContainer::ShowAbout);
}

void TMDIContainer::BuildToolBar() {
    QToolBar* bar = addToolBar(QStringLiteral("Tools"));
    bar->setMovable(false);
    bar->setIconSize(QSize(24, 24));
    QAction* open = bar->addAction(style()->standardIcon(QStyle::SP_DialogOpenButton),
                                   QStringLiteral("Open"), this, &TMDIContainer::OpenPosition);
    open->setToolTip(QStringLiteral("Open Stored Simulator Settings (Ctrl+O)"));
    QAction* save = bar->addAction(style()->standardIcon(QStyle::SP_DialogSaveButton),
                                   QStringLiteral("Save"), this, &TMDIContainer::SavePositionAs);
    save->setToolTip(QStringLiteral("Save Simulator Settings (Ctrl+S)"));
    QAction* picture = bar->addAction(style()->standardIcon(QStyle::SP_DesktopIcon),
                                      QStringLiteral("Picture"), this, &TMDIContainer::TakePicture);
    picture->setToolTip(QStringLiteral("Take a Picture of Viewer (Ctrl+T)"));
    bar->addSeparator();
    bar->addWidget(new QLabel(QStringLiteral(" View: ")));
    modelRes_ = new QComboBox;
    modelRes_->addItems({QStringLiteral("High Resolution"), QStringLiteral("Medium Resolution"),
                         QStringLiteral("Low Resolution")});
    modelRes_->setToolTip(QStringLiteral("Resolution of Objects in the View Screen"));
    bar->addWidget(modelRes_);
    bar->addWidget(new QLabel(QStringLiteral(" FPS: ")));
    updateSpeed_ = new QComboBox;
    for (const auto& s : ShellLogic::UpdateSpeeds())
        updateSpeed_->addItem(QString::fromLatin1(s.text));
    updateSpeed_->setToolTip(QStringLiteral("View Screen Update Rate"));
    bar->addWidget(updateSpeed_);
    tutorials_->AddStopButton(bar);
    connect(modelRes_, &QComboBox::activated, this, &TMDIContainer::SetDetailLevel);
    connect(updateSpeed_, &QComboBox::activated, this, &TMDIContainer::ChooseUpdateSpeed);
}

void TMDIContainer::BuildStatusBar() {
    status0_ = new QLabel;
    status0_->setMinimumWidth(200);
    status1_ = new QLabel;
    status1_->setMinimumWidth(50);
    statusBar()->addWidget(status0_, 1);
    statusBar()->addPermanentWidget(status1_);
}

void TMDIContainer::BuildRecentMenu() {
    const QStringList& paths = recent_.paths();
    for (int i = 0; i < recentActions_.size(); ++i) {
        const bool used = i < paths.size();
        recentActions_[i]->setText(used ? QStringLiteral("&%1. %2").arg(i + 1).arg(paths[i])
                                        : QString());
        recentActions_[i]->setVisible(used);
        recentActions_[i]->setEnabled(used);
    }
    recentSeparator_->setVisible(!paths.isEmpty());
}

void TMDIContainer::AddRecentFile(const QString& path) {
    recent_.Add(path);
    recent_.Write(settings());
    BuildRecentMenu();
}

void TMDIContainer::OpenRecent(int index) {
    if (index >= recent_.paths().size()) return;
    const QString path = recent_.paths()[index];
    if (!FileExists(path)) {
        ShowError(FormatText("The file %s could not be found.", qUtf8Printable(path)),
                  QStringLiteral("Error"));
        return;
    }
    if (LoadPosition(path)) AddRecentFile(path);
}

bool TMDIContainer::Start() {
    if (!session_.FindCommandLineLocation()) {
        exitCode_ = 2;
        return false;
    }
    SettingsStore& store = settings();
    help_ = std::make_unique<HelpBrowser>();
    Services::instance().showHelpTopic = [this](const QString& topic) { OpenHelpTopic(topic); };
    Services::instance().openDocument = [this](const QString& path) {
        const bool isUrl = path.contains(QStringLiteral("://"));
        if (QDesktopServices::openUrl(isUrl ? QUrl(path) : QUrl::fromLocalFile(path))) return true;
        // No desktop browser: our own pages (the encyclopedia's) still show in the help window.
        return !isUrl && ShowPageInside(path);
    };
    const QRect screen = this->screen() ? this->screen()->geometry() : QRect(0, 0, 1280, 1024);
    WidgetPlacement placement(*this);
    RestoreWindowPlacement(placement, store, QStringLiteral("MDIWindow"), screen.width() / 10,
                           screen.height() / 10, int(0.8 * screen.width()),
                           int(0.8 * screen.height()), 0);
    const CommandLine& cl = session_.commandLine();
    if (cl.width > 0) resize(cl.width, cl.height);
    show();
    statusSink_ = std::make_unique<StatusSink>(status0_);
    Services::instance().setLogSink(LogSinkSlot::StatusBar, statusSink_.get());

    Log("System log for: Orbivale version %s", qUtf8Printable(FileVersionText()));
    Log("Started: %s",
        qUtf8Printable(QLocale::system().toString(QDateTime::currentDateTime(),
                                                  QStringLiteral("d MMMM yyyy 'at' hh:mm:ss"))));
    ShellLogic::OfferSafeMode(store,
                              QGuiApplication::queryKeyboardModifiers() & Qt::ControlModifier);
    if (cl.snapshot.isEmpty()) {
        splash_ = new TAboutOE(true);
        splash_->show();
        QCoreApplication::processEvents();
    }
    ShowDetailLevel(store.get(settings::DetailLevel));

    // The 3D drivers, then a check that OpenGL can run at all.
    session_.graphics().CreateMasterObjects(store, GraphicsSystem::SystemProbe());
    if (!CheckOpenGl()) {
        exitCode_ = 1;
        return false;
    }

    Log("Loading star data");
    session_.LoadStars();
    updateSpeed_->setCurrentIndex(ShellLogic::StoredUpdateSpeed(store));
    recent_.Read(store);
    BuildRecentMenu();
    qApp->installEventFilter(this);

    if (!CreateViewer()) {
        exitCode_ = 1;
        return false;
    }
    CreateControls();
    CreateMap();
    CreateSkyView();
    mdi_->setActiveSubWindow(viewerWindow_);
    BackgroundTick();
    backgroundTick_.start();

    for (const QString& file : cl.files) {
        if (!FileExists(file)) {
            ReportError("Could not load %s", qUtf8Printable(file));
            continue;
        }
        if (LoadPosition(file)) AddRecentFile(file);
    }
    return true;
}

bool TMDIContainer::CheckOpenGl() {
    const int version = OpenGlVersionProbe();
    if (version == 0) {
        ShowError(
            QStringLiteral("You do not have OpenGL installed on this machine.\nOrbivale "
                           "requires that OpenGL 2.1 or above\nis installed. Mesa, which is "
                           "compatible\nwith Orbivale, is part of every Linux\ndistribution."),
            QStringLiteral("OpenGL 2.1 or above Required"));
        return false;
    }
    if (version < 0x201) {
        ShowError(FormatText("Orbivale requires OpenGL 2.1 or above\nto run correctly. OpenGL "
                             "%d.%d is installed on\nthis PC. Mesa, which is compatible with\n"
                             "Orbivale, is part of every Linux\ndistribution.",
                             version / 256, version % 256),
                  QStringLiteral("Upgrade Required"));
        return false;
    }
    return true;
}

QMdiSubWindow* TMDIContainer::AddChild(QWidget* widget, const QString& section, bool withSize,
                                       QRect defaults) {
    QMdiSubWindow* w = mdi_->addSubWindow(widget, Qt::SubWindow);
    w->setAttribute(Qt::WA_DeleteOnClose, false);
    w->resize(defaults.size());
    WidgetPlacement p(*w);
    RestoreWindowPlacement(p, settings(), section, defaults.x(), defaults.y(),
                           withSize ? defaults.width() : 0, withSize ? defaults.height() : 0, 0);
    w->show();
    return w;
}

bool TMDIContainer::CreateViewer() {
    Log("Initialising OpenGL Viewport for simulator");
    if (!session_.CreateDevice()) return false;
    session_.models()->detailLevel = modelRes_->currentIndex();
    Log("Loading initial solar system models");
    session_.BuildSolarSystem();
    viewer_ = new TViewScreen(simulation(), session_.camera(), *session_.stars(),
                              session_.device()->renderSettings());
    connect(viewer_, &TViewScreen::helpRequested, this, &TMDIContainer::OpenHelpTopic);
    simulation().UpdateSimulation();
    delete splash_;
    splash_ = nullptr;
    const QSize client = mdi_->viewport()->size();
    const int s = std::max(
        50, int(std::trunc(std::min(0.75 * client.height(), 0.9 * (client.width() - 372)))));
    viewerWindow_ = AddChild(viewer_, QStringLiteral("MainViewer"), true, QRect(4, 4, s, s));
    viewer_->RefreshCaption();
    return true;
}

void TMDIContainer::CreateControls() {
    controls_ = new TViewScreenControls(simulation(), session_.camera(), settings(), *viewer_,
                                        *session_.stars(), session_.sky().catalogue);
    connect(controls_, &TViewScreenControls::helpRequested, this, &TMDIContainer::OpenHelpTopic);
    const QSize size = controls_->sizeHint().expandedTo(QSize(372, 414));
    const int client = mdi_->viewport()->width();
    controlsWindow_ = AddChild(controls_, QStringLiteral("MainViewerControls"), false,
                               QRect(client - size.width() - 8, 4, size.width(), size.height()));
    controlsWindow_->setWindowFlags(Qt::SubWindow | Qt::WindowMinimizeButtonHint |
                                    Qt::WindowSystemMenuHint | Qt::WindowTitleHint);
    // Its panels are laid out for one size: neither the user nor the Window menu changes it.
    controlsWindow_->setFixedSize(size);
    controls_->PlaceInitialTarget();
    mdi_->setActiveSubWindow(viewerWindow_);
}

void TMDIContainer::CreateMap() {
    map_ = new TSolarSystemMap(simulation(), session_.camera(), settings());
    connect(map_, &TSolarSystemMap::helpRequested, this, &TMDIContainer::OpenHelpTopic);
    connect(map_, &TSolarSystemMap::activeChanged, this, [this](bool active) {
        viewMap_->setChecked(active);
        // The 3D view slows down while the map is in use.
        if (active && viewer_) viewer_->UseSlowInterval();
    });
    mapWindow_ = AddChild(map_, QStringLiteral("MapView"), true,
                          TSolarSystemMap::DefaultPlacement(mdi_->viewport()->size()));
}

void TMDIContainer::CreateSkyView() {
    skyView_ = new sky::TSkyView(simulation(), session_.sky(), settings());
    connect(skyView_, &sky::TSkyView::helpRequested, this, &TMDIContainer::OpenHelpTopic);
    connect(skyView_, &sky::TSkyView::setLocationRequested, this, &TMDIContainer::ChooseLocation);
    connect(skyView_, &sky::TSkyView::setDateTimeRequested, this, &TMDIContainer::SetDateAndTime);
    // Its options dialog is modal: the viewer's timer rests meanwhile.
    connect(skyView_, &sky::TSkyView::modalDialogOpened, this, [this] {
        if (viewer_) viewer_->PauseTimer();
    });
    connect(skyView_, &sky::TSkyView::modalDialogClosed, this, [this] {
        if (viewer_) viewer_->ResumeTimer();
    });
    simulation().hooks().redrawSkyView = [this] {
        if (skyView_) skyView_->DrawSky(true);
    };
    const QSize client = mdi_->viewport()->size();
    skyWindow_ = AddChild(skyView_, QStringLiteral("SkyView"), true,
                          QRect(client.width() / 10, client.height() / 6, int(0.8 * client.width()),
                                int(0.66 * client.height())));
}

void TMDIContainer::SubWindowActivated(QMdiSubWindow* w) {
    // Leaving the console, the viewer's pace returns to its base; a window that wants it
    // slower says so below.
    if (viewer_ && windowConsole_->isChecked() && w != consoleWindow_) viewer_->UseBaseInterval();
    if (viewer_) (w == viewerWindow_ ? viewer_->Activated() : viewer_->Deactivated());
    if (controls_ && w == controlsWindow_) controls_->Activated();
    if (skyView_) {
        if (w && w == skyWindow_) {
            skyView_->Activated();
            // The sky view is drawn in two dimensions; the 3D view can rest meanwhile.
            if (viewer_) viewer_->UseSlowestInterval();
        } else if (skyView_->isActive()) {
            skyView_->Deactivated();
            // Leaving the sky view, the viewer's pace returns to its base interval; a window
            // that wants it slower (the map) says so after this.
            if (viewer_ && w != viewerWindow_) viewer_->UseBaseInterval();
        }
    }
    viewSky_->setChecked(w && w == skyWindow_);
    if (map_) (w && w == mapWindow_ ? map_->Activated() : map_->Deactivated());
    windowViewer_->setChecked(w && w == viewerWindow_);
    windowControls_->setChecked(w && w == controlsWindow_);
    windowSystemLog_->setChecked(w && w == systemLogWindow_);
    JupiterActivation(w);
    ConsoleActivation(w);
}

void TMDIContainer::ArrangeChildren(Arrangement how) {
    // Cascading goes from the back of the pile to the front, so the active window stays on top
    // and its title stays visible; tiling keeps the order the windows were opened in.
    const auto order =
        how == Arrangement::Cascade ? QMdiArea::StackingOrder : QMdiArea::CreationOrder;
    std::vector<QMdiSubWindow*> windows;
    std::vector<WindowArrangement::Child> children;
    for (QMdiSubWindow* w : mdi_->subWindowList(order)) {
        if (!w->isVisible() || w->isMinimized()) continue;
        if (w->isMaximized()) w->showNormal();
        const bool fixed = w->minimumSize() == w->maximumSize();
        windows.push_back(w);
        children.push_back({w->size(), fixed, w->minimumSizeHint().expandedTo(w->minimumSize())});
    }
    const QSize area = mdi_->viewport()->size();
    const std::vector<QRect> places =
        how == Arrangement::Cascade
            ? WindowArrangement::Cascade(
                  area, children,
                  style()->pixelMetric(QStyle::PM_TitleBarHeight, nullptr, mdi_) + 4)
            : WindowArrangement::Tile(area, children,
                                      how == Arrangement::Rows
                                          ? WindowArrangement::Tiling::Rows
                                          : WindowArrangement::Tiling::Columns);
    for (std::size_t i = 0; i < windows.size(); ++i) windows[i]->setGeometry(places[i]);
}

void TMDIContainer::JupiterActivation(QMdiSubWindow* active) {
    const bool on = active && active == jupiterWindow_;
    if (jupiter_) jupiter_->SetActive(on);
    windowJupiter_->setChecked(on);
}

void TMDIContainer::ShowChild(QMdiSubWindow* window) {
    if (!window) return;
    if (window->isMinimized()) window->showNormal();
    window->show();
    mdi_->setActiveSubWindow(window);
}

bool TMDIContainer::FunctionKey(int key) {
    switch (key) {
        case Qt::Key_Escape:
            ++tutorialStops_;
            return false;
        case Qt::Key_F7:
            if (controls_) controls_->SetSpeedFactor(0);
            return true;
        case Qt::Key_F8:
            if (controls_) controls_->SetSpeedFactor(1);
            return true;
        case Qt::Key_F9:
            if (controls_) controls_->OpenEncyclopedia();
            return true;
        default:
            return false;
    }
}

bool TMDIContainer::eventFilter(QObject* watched, QEvent* event) {
    // The Jupiter's moons window is freed when closed: its placement is kept first.
    if (event->type() == QEvent::Close && watched == jupiterWindow_) SaveJupiterPlacement();
    if (event->type() == QEvent::Close && watched == consoleWindow_) SaveConsolePlacement();
    // The function keys act here, on the key going down, and nowhere else: one press, one
    // action, whichever window has the focus. A held key's repeats do nothing more.
    if (event->type() == QEvent::KeyPress && !static_cast<QKeyEvent*>(event)->isAutoRepeat()) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if ((key == Qt::Key_F7 || key == Qt::Key_F8 || key == Qt::Key_F9) &&
            QApplication::activeModalWidget() == nullptr)
            return FunctionKey(key);
        if (key == Qt::Key_Escape) ++tutorialStops_;
    }
    return QMainWindow::eventFilter(watched, event);
}

void TMDIContainer::OpenHelpTopic(const QString& topic) {
    if (!help_) return;
    help_->ShowTopic(topic);
    help_->show();
    help_->raise();
}

bool TMDIContainer::ShowPageInside(const QString& path) {
    const QString suffix = QFileInfo(path).suffix().toLower();
    if (!help_ || (suffix != QLatin1String("htm") && suffix != QLatin1String("html")) ||
        !help_->ShowDocument(path))
        return false;
    help_->show();
    help_->raise();
    return true;
}

void TMDIContainer::SetStatusText(int panel, const QString& text) {
    QLabel* label = panel == 0 ? status0_ : status1_;
    label->setText(text);
    label->setToolTip(panel == 1 ? simulation().observer().locationName : QString());
    label->repaint();
}

void TMDIContainer::ShowDetailLevel(int level) {
    level = std::clamp(level, 0, kResolutionCount - 1);
    if (BodyModels* models = session_.models()) models->detailLevel = level;
    for (int i = 0; i < kResolutionCount; ++i)
        resolutionActions_[std::size_t(i)]->setChecked(i == level);
    if (modelRes_->currentIndex() != level) modelRes_->setCurrentIndex(level);
}

void TMDIContainer::SetDetailLevel(int level) {
    ShowDetailLevel(level);
    settings().set(settings::DetailLevel, modelRes_->currentIndex());
}

void TMDIContainer::BackgroundTick() {
    SetStatusText(1, simulation().ClockDisplayText());
    const CalendarRecord r = ToCalendarRecord(simulation().LocalNow());
    const int key = r.year * 366 + r.month * 31 + r.day;
    if (key != lastDateKey_ && controls_) {
        lastDateKey_ = key;
        controls_->SetCalendarDate(QDate(r.year, r.month, r.day));
    }
}

void TMDIContainer::ShowSystemLog() {
    if (!systemLog_) {
        systemLog_ = new TDebugWindow;
        systemLogWindow_ = mdi_->addSubWindow(systemLog_);
        // In the lower middle of the client area and wholly inside it, whatever its size.
        const QSize area = mdi_->viewport()->size();
        const QSize size = QSize(480, 300).boundedTo(area);
        systemLogWindow_->setGeometry(QRect(QPoint((area.width() - size.width()) / 2,
                                                   std::max(0, area.height() - size.height() - 8)),
                                            size));
        windowSystemLog_->setVisible(true);
        connect(systemLog_, &QObject::destroyed, this, [this] {
            windowSystemLog_->setChecked(false);
            windowSystemLog_->setVisible(false);
            systemLogWindow_ = nullptr;
        });
        systemLogWindow_->setAttribute(Qt::WA_DeleteOnClose, true);
    }
    ShowChild(systemLogWindow_);
}

void TMDIContainer::ShowJupiterMoons() {
    if (!jupiter_) {
        jupiter_ = new TJupiterMoon(simulation(), settings());
        connect(jupiter_, &TJupiterMoon::helpRequested, this, &TMDIContainer::OpenHelpTopic);
        jupiterWindow_ = AddChild(jupiter_, QStringLiteral("JupiterView"), true,
                                  DefaultJupiterWindowPlacement(mdi_->viewport()->size()));
        jupiterWindow_->setAttribute(Qt::WA_DeleteOnClose, true);
        windowJupiter_->setVisible(true);
        connect(jupiter_, &QObject::destroyed, this, [this] {
            windowJupiter_->setChecked(false);
            windowJupiter_->setVisible(false);
            jupiterWindow_ = nullptr;
        });
    }
    ShowChild(jupiterWindow_);
    // It became active while being added, before it was known as this window.
    JupiterActivation(mdi_->activeSubWindow());
    jupiter_->DrawJupiterMoons();
}

void TMDIContainer::SaveJupiterPlacement() {
    if (!jupiterWindow_) return;
    WidgetPlacement p(*jupiterWindow_);
    SaveWindowPlacement(p, settings(), QStringLiteral("JupiterView"), true);
}

void TMDIContainer::ShowConsole() {
    if (!console_) {
        if (!consoleHost_) {
            consoleHost_ = std::make_unique<SimulationConsoleHost>(simulation(), session_.camera());
            consoleHost_->viewerTick = [this] {
                if (viewer_)
                    viewer_->RenderNow();
                else
                    simulation().UpdateSimulation();
            };
            consoleHost_->openHelp = [this](const QString& topic) { OpenHelpTopic(topic); };
        }
        console_ = new TConsole(*consoleHost_);
        connect(console_, &TConsole::helpRequested, this, &TMDIContainer::OpenHelpTopic);
        connect(console_, &TConsole::functionKeyPressed, this, &TMDIContainer::FunctionKey);
        consoleWindow_ = AddChild(console_, QStringLiteral("Console"), true,
                                  TConsole::DefaultPlacement(mdi_->viewport()->size()));
        consoleWindow_->setMinimumSize(consoleWindow_->size() - console_->size() +
                                       console_->minimumSizeHint());
        consoleWindow_->setAttribute(Qt::WA_DeleteOnClose, true);
        windowConsole_->setVisible(true);
        connect(console_, &QObject::destroyed, this, [this] {
            windowConsole_->setChecked(false);
            windowConsole_->setVisible(false);
            consoleWindow_ = nullptr;
        });
    }
    ShowChild(consoleWindow_);
    // It became active while being added, before it was known as this window.
    ConsoleActivation(mdi_->activeSubWindow());
}

void TMDIContainer::ConsoleActivation(QMdiSubWindow* active) {
    const bool on = active && active == consoleWindow_;
    if (on && console_) {
        // Typing needs no animation behind it: the viewer slows to its slowest pace.
        if (viewer_) viewer_->UseSlowestInterval();
        console_->Activated();
    }
    windowConsole_->setChecked(on);
}

void TMDIContainer::SaveConsolePlacement() {
    if (!consoleWindow_) return;
    WidgetPlacement p(*consoleWindow_);
    SaveWindowPlacement(p, settings(), QStringLiteral("Console"), true);
}

void TMDIContainer::ChooseLocation() {
    Paused([this] {
        TChooseLocation dialog(simulation(), settings(), this);
        connect(&dialog, &TChooseLocation::locationApplied, this, &TMDIContainer::LocationApplied);
        return dialog.exec();
    });
}

void TMDIContainer::LocationApplied() {
    // The status clock shows the new place at once; the sky view turns to face the equator.
    BackgroundTick();
    if (skyView_) skyView_->LocationApplied();
}

void TMDIContainer::SetDateAndTime() {
    Paused([this] {
        TSetDateTime dialog(simulation(), this);
        return dialog.exec();
    });
}

void TMDIContainer::ShowAbout() {
    Paused([this] {
        TAboutOE about(false, this);
        return about.exec();
    });
}

namespace {

options::ProgramState OptionsState(Session& session, int detailLevel) {
    options::ProgramState state;
    const GraphicsSystem& graphics = session.graphics();
    for (const DriverInfo& d : graphics.drivers()) state.drivers << d.description;
    state.driver = graphics.nextStart();
    for (const Body* b : session.simulation().bodies())
        if (b->Kind() == BodyKind::Planet || b->Kind() == BodyKind::Moon)
            state.initialBodies << b->name();
    const SettingsStore& store = session.settings();
    const RenderDevice* device = session.device();
    state.mipmaps = device ? device->mipmapAutoGenerate() : store.get(settings::MipmapAutoGenerate);
    state.ourTextures = device ? device->useOurTextures() : store.get(settings::UseOurTextures);
    state.starsDrawPrim = session.stars() ? session.stars()->useDrawPrimitives()
                                          : store.get(settings::StarsUseDrawPrim);
    state.detailLevel = detailLevel;
    state.precise = session.simulation().ephemerisModel() == EphemerisModel::Precise;
    return state;
}

}  // namespace

void TMDIContainer::ShowOptions() {
    options::ProgramHooks hooks;
    hooks.setMipmaps = [this](bool on) {
        if (session_.device()) session_.device()->setMipmapFiltering(on);
        if (viewer_) viewer_->viewport().settings.mipmapFiltering = on;
    };
    hooks.setDetailLevel = [this](int level) { ShowDetailLevel(level); };
    hooks.setAmbientLight = [this](double level) {
        if (const auto& light = simulation().ambient()) light->setColour({level, level, level});
    };
    hooks.setOurTextures = [this](bool on) {
        if (session_.device()) session_.device()->setUseOurTextures(on);
    };
    hooks.setStarsDrawPrim = [this](bool on) {
        if (session_.stars()) session_.stars()->setUseDrawPrimitives(on);
    };
    // OpenGL keeps the driver the process started with: another one waits for the next start.
    hooks.changeDriver = [this](int index) {
        GraphicsSystem& graphics = session_.graphics();
        graphics.setNextStart(index);
        return index == graphics.selected();
    };
    hooks.setPrecise = [this](bool on) {
        simulation().SetEphemerisModel(on ? EphemerisModel::Precise : EphemerisModel::Elements);
    };
    hooks.skyViewChanged = [this] {
        if (skyView_) {
            skyView_->ReadSettings();
            skyView_->DrawSky(false);
        }
    };
    // The 3D view runs at its medium pace behind the dialog, and at its own pace again after.
    const int interval = viewer_ ? viewer_->currentInterval() : 0;
    if (viewer_) viewer_->UseSlowInterval();
    {
        TDisplaySettings dialog(settings(), OptionsState(session_, ResolutionIndex()), hooks, this);
        connect(&dialog, &TDisplaySettings::helpRequested, this, &TMDIContainer::OpenHelpTopic);
        dialog.exec();
    }
    if (viewer_) {
        if (interval == viewer_->baseInterval() * 100)
            viewer_->UseSlowestInterval();
        else if (interval == viewer_->baseInterval() * 5)
            viewer_->UseSlowInterval();
        else
            viewer_->UseBaseInterval();
        viewer_->RenderNow();
    }
}

void TMDIContainer::ShowSystemInformation() {
    Paused([this] {
        TSystemInformation dialog(
            CollectSystemInformation(session_, viewer_ ? viewer_->viewport().frames() : 0), this);
        connect(&dialog, &TSystemInformation::helpRequested, this, &TMDIContainer::OpenHelpTopic);
        return dialog.exec();
    });
}

QImage TMDIContainer::DialogSnapshot(const QString& view) {
    const QString page = view.section(QLatin1Char('-'), 1);
    std::unique_ptr<QDialog> dialog;
    if (view.startsWith(QLatin1String("options-"))) {
        auto options = std::make_unique<TDisplaySettings>(
            settings(), OptionsState(session_, ResolutionIndex()), options::ProgramHooks{}, this);
        const QStringList pages = {QStringLiteral("display"), QStringLiteral("simulation"),
                                   QStringLiteral("effects"), QStringLiteral("directories")};
        options->showPage(TDisplaySettings::Page(std::max(0, int(pages.indexOf(page)))));
        dialog = std::move(options);
    } else {
        auto info = std::make_unique<TSystemInformation>(
            CollectSystemInformation(session_, viewer_ ? viewer_->viewport().frames() : 0), this);
        const QStringList pages = {QStringLiteral("memory"), QStringLiteral("os"),
                                   QStringLiteral("display"), QStringLiteral("orbivale")};
        info->showPage(TSystemInformation::Page(std::max(0, int(pages.indexOf(page)))));
        dialog = std::move(info);
    }
    dialog->show();
    for (int i = 0; i < 5; ++i) QCoreApplication::processEvents();
    const QImage picture = dialog->grab().toImage();
    dialog->hide();
    return picture;
}

QString TMDIContainer::PositionFolder() const {
    return ShellLogic::PositionFolder(session_.settings(),
                                      Services::instance().userDataDirectory());
}

void TMDIContainer::OpenPosition() {
    const QString folder = PositionFolder();
    const QString path = Paused([&] {
        return QFileDialog::getOpenFileName(this, QString(), folder,
                                            QStringLiteral("Orbivale Files (*.ov)"));
    });
    if (!path.isEmpty() && LoadPosition(path)) AddRecentFile(path);
}

void TMDIContainer::SavePositionAs() {
    const QString folder = PositionFolder();
    QString path = Paused([&] {
        return QFileDialog::getSaveFileName(this, QString(), folder,
                                            QStringLiteral("Orbivale Files (*.ov)"));
    });
    if (path.isEmpty()) return;
    if (!path.endsWith(QStringLiteral(".ov"), Qt::CaseInsensitive)) path += QStringLiteral(".ov");
    if (SavePositionTo(path)) AddRecentFile(path);
}

void TMDIContainer::TakePicture() {
    QString filter;
    QString path = Paused([&] {
        return QFileDialog::getSaveFileName(
            this, QStringLiteral("Save Picture"), QString(),
            QStringLiteral("PNG Pictures (*.png);;JPEG Pictures (*.jpg *.jpeg);;Windows Bitmaps "
                           "(*.bmp)"),
            &filter);
    });
    if (path.isEmpty() || !viewer_) return;
    // A name without a picture extension takes the one of the chosen file type.
    if (!TViewScreen::PictureFormat(path))
        path += filter.startsWith(QLatin1String("PNG"))    ? QStringLiteral(".png")
                : filter.startsWith(QLatin1String("JPEG")) ? QStringLiteral(".jpg")
                                                           : QStringLiteral(".bmp");
    viewer_->SavePicture(path);
}

ViewState TMDIContainer::CurrentViewState() const {
    ViewState state;
    session_.FillViewState(state);
    const CameraControls& controls = session_.cameraControls();
    state.selected = controls.target ? controls.target->name() : QString();
    state.lockOn = controls.lockOn;
    state.updateSpeedIndex = UpdateSpeedIndex();
    state.resolutionIndex = ResolutionIndex();
    state.map = map_ ? map_->SavedView() : mapView_;
    return state;
}

void TMDIContainer::ApplyViewState(const ViewState& state) {
    if (controls_) {
        controls_->lockOn()->setChecked(false);
        controls_->SetSpeedFactor(state.simSpeed);
        if (!state.selected.isEmpty()) controls_->SelectTargetByName(state.selected);
        controls_->lockOn()->setChecked(state.lockOn);
    } else {
        simulation().SetClockSpeed(state.simSpeed);
    }
    session_.cameraControls().lockOn = state.lockOn;
    ChooseUpdateSpeed(state.updateSpeedIndex);
    SetDetailLevel(state.resolutionIndex);
    session_.ApplyViewState(state);
    if (viewer_) viewer_->RefreshCaption();
    mapView_ = state.map;
    if (map_) map_->RestoreView(state.map);
    const SplitTime day = SplitSimTime(state.ut);
    if (controls_) controls_->SetCalendarDate(QDate(day.year, day.month, day.day));
}

bool TMDIContainer::LoadPosition(const QString& path) {
    ViewState state = CurrentViewState();
    const PositionContext context =
        session_.positionContext(updateSpeed_->count(), kResolutionCount);
    if (!RestorePosition(path, context, state)) return false;
    ApplyViewState(state);
    return true;
}

bool TMDIContainer::SavePositionTo(const QString& path) {
    return SavePosition(CurrentViewState(), path);
}

int TMDIContainer::UpdateSpeedIndex() const {
    return updateSpeed_->currentIndex();
}

void TMDIContainer::ChooseUpdateSpeed(int index) {
    index = std::clamp(index, 0, updateSpeed_->count() - 1);
    updateSpeed_->setCurrentIndex(index);
    if (viewer_)
        viewer_->SetBaseInterval(ShellLogic::UpdateSpeeds()[std::size_t(index)].intervalMs);
    settings().set(settings::FPS, index);
}

int TMDIContainer::ResolutionIndex() const {
    return modelRes_->currentIndex();
}

void TMDIContainer::FitChild(QMdiSubWindow* window, QWidget* inside, QSize wanted) {
    const QSize outer = window->size() - inside->size() + wanted;
    const QSize area = mdi_->viewport()->size();
    // The main window grows when the client area cannot hold the child whole.
    const QSize grow = (outer - area).expandedTo(QSize(0, 0));
    if (grow.width() > 0 || grow.height() > 0) resize(size() + grow);
    QCoreApplication::processEvents();
    window->setGeometry(QRect(QPoint(0, 0), outer));
    QCoreApplication::processEvents();
}

QImage TMDIContainer::Snapshot(const QString& view) {
    if (viewer_) viewer_->RenderNow();
    QCoreApplication::processEvents();
    if (view.startsWith(QLatin1String("options-")) || view.startsWith(QLatin1String("sysinfo-")))
        return DialogSnapshot(view);
    const CommandLine& asked = session_.commandLine();
    if (view == QLatin1String("viewer") && viewer_) {
        // The viewer in front, its picture the size asked for.
        ShowChild(viewerWindow_);
        if (asked.width > 0) FitChild(viewerWindow_, viewer_, QSize(asked.width, asked.height));
        viewer_->RenderNow();
        return viewer_->Picture();
    }
    if (view == QLatin1String("narrator")) return tutorials_->NarratorPicture();
    if (view == QLatin1String("map") && map_) {
        // The map's picture alone, at the size asked for.
        return map_->Picture(asked.width > 0 ? QSize(asked.width, asked.height)
                                             : map_->picture().size());
    }
    if (view == QLatin1String("jupiter")) {
        ShowJupiterMoons();
        QCoreApplication::processEvents();
        jupiter_->DrawJupiterMoons();
        return jupiter_->grab().toImage();
    }
    if (view == QLatin1String("sky") && skyView_) {
        // The sky view in front, its window the size asked for (frame aside).
        ShowChild(skyWindow_);
        if (asked.width > 0) FitChild(skyWindow_, skyView_, QSize(asked.width, asked.height));
        skyView_->DrawSky(true);
        return skyView_->Picture();
    }
    return grab().toImage();
}
