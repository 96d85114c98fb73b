#include "shell/widgets/TMDIContainer.h"

#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QDateTime>
#include <QDesktopServices>
#include <QFileDialog>
#include <QKeyEvent>
#include <QLabel>
#include <QLocale>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QStatusBar>
#include <QToolBar>
#include <QUrl>

#include "core/Body.h"
#include "core/Files.h"
#include "core/Log.h"
#include "core/Prompter.h"
#include "core/Services.h"
#include "core/SettingsStore.h"
#include "core/Text.h"
#include "diagnostics/widgets/TAboutOE.h"
#include "diagnostics/widgets/TDebugWindow.h"
#include "render/ObjectDump.h"
#include "render/gl/GlProbe.h"
#include "shell/Ephemeris.h"
#include "shell/StartupPaths.h"
#include "shell/widgets/HelpBrowser.h"
#include "shell/widgets/WidgetPlacement.h"
#include "sky/StarCatalogue.h"
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

std::unique_ptr<StatusSink> statusSink;

}  // namespace

template <typename F>
auto TMDIContainer::Paused(F&& f) -> decltype(f()) {
    struct Resume {
        TViewScreen* v;
        ~Resume() {
            if (v) v->ResumeTimer();
        }
    } resume{viewer_};
    if (viewer_) viewer_->PauseTimer();
    return f();
}

TMDIContainer::TMDIContainer(const CommandLine& commandLine) : commandLine_(commandLine) {
    setWindowTitle(QStringLiteral("Orbivale"));
    resize(694, 490);
    mdi_ = new QMdiArea(this);
    mdi_->setBackground(QColor(60, 60, 70));
    setCentralWidget(mdi_);
    BuildMenus();
    BuildToolBar();
    BuildStatusBar();
    connect(mdi_, &QMdiArea::subWindowActivated, this, [this](QMdiSubWindow* w) {
        if (viewer_) (w == viewerWindow_ ? viewer_->Activated() : viewer_->Deactivated());
        if (controls_ && w == controlsWindow_) controls_->Activated();
        CheckWindowItem(QStringLiteral("Viewer Controls"), w && w == controlsWindow_);
    });
    backgroundTick_.setInterval(1000);
    connect(&backgroundTick_, &QTimer::timeout, this, &TMDIContainer::BackgroundTick);
}

TMDIContainer::~TMDIContainer() {
    Shutdown();
}

SettingsStore& TMDIContainer::settings() {
    return *settings_;
}

void TMDIContainer::Shutdown() {
    if (shutDown_) return;
    shutDown_ = true;
    backgroundTick_.stop();
    if (settings_) {
        WidgetPlacement main(*this);
        SaveWindowPlacement(main, *settings_, QStringLiteral("MDIWindow"), true);
        if (viewerWindow_) {
            WidgetPlacement p(*viewerWindow_);
            SaveWindowPlacement(p, *settings_, QStringLiteral("MainViewer"), true);
        }
        if (controlsWindow_) {
            WidgetPlacement p(*controlsWindow_);
            SaveWindowPlacement(p, *settings_, QStringLiteral("MainViewerControls"), false);
        }
    }
    Services::instance().setLogSink(LogSinkSlot::StatusBar, nullptr);
    statusSink.reset();
    delete splash_;
    splash_ = nullptr;
    // Windows first (they hold the camera and the scene), then the scene and its bodies.
    if (mdi_) {
        disconnect(mdi_, nullptr, this, nullptr);
        viewer_ = nullptr;
        controls_ = nullptr;
        for (QMdiSubWindow* w : mdi_->subWindowList()) delete w;
    }
    viewer_ = nullptr;
    controls_ = nullptr;
    camera_.reset();
    if (sim_) sim_->DestroySolarSystem();
    models_.reset();
    meshes_.reset();
    stars_.reset();
    sim_.reset();
    device_.reset();
    if (settings_) settings_->sync();
}

void TMDIContainer::BuildMenus() {
    fileMenu_ = menuBar()->addMenu(QStringLiteral("&File"));
    fileMenu_->addAction(QStringLiteral("Open..."), QKeySequence(QStringLiteral("Ctrl+O")), this,
                         &TMDIContainer::OpenPosition);
    fileMenu_->addAction(QStringLiteral("Save As..."), QKeySequence(QStringLiteral("Ctrl+A")), this,
                         &TMDIContainer::SavePositionAs);
    fileMenu_->addAction(QStringLiteral("Take Picture of View Screen"),
                         QKeySequence(QStringLiteral("Ctrl+T")), this, &TMDIContainer::TakePicture);
    fileMenu_->addSeparator();
    fileMenu_->addAction(QStringLiteral("E&xit"), this, &QWidget::close);
    recentSeparator_ = fileMenu_->addSeparator();
    for (int i = 0; i < ShellLogic::RecentFiles::kCount; ++i) {
        QAction* a = fileMenu_->addAction(QString());
        connect(a, &QAction::triggered, this, [this, i] {
            if (i >= recent_.paths().size()) return;
            const QString path = recent_.paths()[i];
            if (!FileExists(path)) {
                ShowError(FormatText("The file %s could not be found.", qUtf8Printable(path)),
                          QStringLiteral("Error"));
                return;
            }
            if (LoadPosition(path)) AddRecentFile(path);
        });
        recentActions_ << a;
    }

    QMenu* edit = menuBar()->addMenu(QStringLiteral("&Edit"));
    edit->addAction(QStringLiteral("&Copy"), QKeySequence(QStringLiteral("Ctrl+C")), this, [this] {
        if (viewer_) Paused([this] { return viewer_->SavePicture(QString()); });
    });

    QMenu* view = menuBar()->addMenu(QStringLiteral("&View"));
    const char* resolutions[3] = {"High Resolution", "Medium Resolution", "Low Resolution"};
    const char* keys[3] = {"F4", "F3", "F2"};
    for (int i = 0; i < 3; ++i) {
        resolutionActions_[std::size_t(i)] = view->addAction(
            QString::fromLatin1(resolutions[i]), QKeySequence(QString::fromLatin1(keys[i])), this,
            [this, i] { SetDetailLevel(i); });
        resolutionActions_[std::size_t(i)]->setCheckable(true);
    }

    QMenu* tools = menuBar()->addMenu(QStringLiteral("&Tools"));
    systemLogAction_ =
        tools->addAction(QStringLiteral("System Log"), QKeySequence(QStringLiteral("F12")), this,
                         &TMDIContainer::ShowSystemLog);
    QAction* output = tools->addAction(QStringLiteral("Output star data"), this, [] {
        sky::ExportStarData(Services::instance().userDataDirectory());
    });
    output->setVisible(false);
    QAction* test = tools->addAction(QStringLiteral("Test"), this, [this] {
        if (sim_) DumpObjects(sim_->scene());
        QApplication::beep();
    });
    test->setVisible(false);

    QMenu* window = menuBar()->addMenu(QStringLiteral("&Window"));
    window->addAction(QStringLiteral("Tile &Horizontally"), this,
                      [this] { mdi_->tileSubWindows(); });
    window->addAction(QStringLiteral("Tile &Vertically"), this, [this] {
        // Side by side: each visible window a full-height column.
        const auto windows = mdi_->subWindowList();
        int visible = 0;
        for (auto* w : windows) visible += w->isVisible() && !w->isMinimized();
        int x = 0;
        for (auto* w : windows) {
            if (!w->isVisible() || w->isMinimized()) continue;
            const int width = mdi_->viewport()->width() / std::max(1, visible);
            w->showNormal();
            w->setGeometry(x, 0, width, mdi_->viewport()->height());
            x += width;
        }
    });
    window->addAction(QStringLiteral("&Cascade"), mdi_, &QMdiArea::cascadeSubWindows);
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
    windowSystemLog_ =
        window->addAction(QStringLiteral("System Log"), this, &TMDIContainer::ShowSystemLog);
    windowSystemLog_->setCheckable(true);
    windowSystemLog_->setVisible(false);

    QMenu* help = menuBar()->addMenu(QStringLiteral("&Help"));
    help->addAction(QStringLiteral("Contents"), this,
                    [this] { OpenHelpTopic(QStringLiteral("index")); });
    help->addAction(QStringLiteral("Index"), this,
                    [this] { OpenHelpTopic(QStringLiteral("Intro")); });
    help->addAction(
        QStringLiteral("Encyclopedia"), QKeySequence(QStringLiteral("F6")), this, [this] {
            QString folder = settings_ ? settings_->get(settings::EncyclopediaLocation) : QString();
            if (folder.isEmpty() || !FileExists(folder))
                folder = ResourceDirectory(QStringLiteral("Encyclopedia"));
            OpenDocument(EnsureTrailingSlash(folder) + QStringLiteral("index.htm"));
        });
    help->addSeparator();
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
    if (settings_) recent_.Write(*settings_);
    BuildRecentMenu();
}

bool TMDIContainer::Start() {
    // The settings store, the folders and this window's placement.
    settings_ = std::make_unique<IniSettingsStore>(commandLine_.settingsDir);
    SetUpFolders(*settings_);
    help_ = std::make_unique<HelpBrowser>();
    Services::instance().showHelpTopic = [this](const QString& topic) { OpenHelpTopic(topic); };
    Services::instance().openDocument = [](const QString& path) {
        return QDesktopServices::openUrl(
            path.contains(QStringLiteral("://")) ? QUrl(path) : QUrl::fromLocalFile(path));
    };
    const QRect screen = this->screen() ? this->screen()->geometry() : QRect(0, 0, 1280, 1024);
    WidgetPlacement placement(*this);
    RestoreWindowPlacement(placement, *settings_, QStringLiteral("MDIWindow"), screen.width() / 10,
                           screen.height() / 10, int(0.8 * screen.width()),
                           int(0.8 * screen.height()), 0);
    if (commandLine_.width > 0) resize(commandLine_.width, commandLine_.height);
    show();
    statusSink = std::make_unique<StatusSink>(status0_);
    Services::instance().setLogSink(LogSinkSlot::StatusBar, statusSink.get());

    Log("System log for: Orbivale version %s", qUtf8Printable(FileVersionText()));
    Log("Started: %s",
        qUtf8Printable(QLocale::system().toString(QDateTime::currentDateTime(),
                                                  QStringLiteral("d MMMM yyyy 'at' hh:mm:ss"))));
    ShellLogic::OfferSafeMode(*settings_,
                              QGuiApplication::queryKeyboardModifiers() & Qt::ControlModifier);
    if (commandLine_.snapshot.isEmpty()) {
        splash_ = new TAboutOE(true);
        splash_->show();
        QCoreApplication::processEvents();
    }
    SetDetailLevel(settings_->get(settings::DetailLevel));

    // The 3D drivers, then a check that OpenGL can run at all.
    graphics_.CreateMasterObjects(*settings_, GraphicsSystem::SystemProbe());
    const int version = OpenGlVersionProbe();
    if (version == 0) {
        ShowError(QStringLiteral("You do not have OpenGL installed on this machine.\nOrbivale "
                                 "requires that OpenGL 2.1 "
                                 "or above\nis installed. Mesa, which is compatible\nwith "
                                 "Orbivale, is part of every "
                                 "Linux\ndistribution."),
                  QStringLiteral("OpenGL 2.1 or above Required"));
        exitCode_ = 1;
        return false;
    }
    if (version < 0x201) {
        ShowError(FormatText("Orbivale requires OpenGL 2.1 or above\nto run correctly. OpenGL "
                             "%d.%d is installed on\n"
                             "this PC. Mesa, which is compatible with\nOrbivale, is part of every "
                             "Linux\ndistribution.",
                             version / 256, version % 256),
                  QStringLiteral("Upgrade Required"));
        exitCode_ = 1;
        return false;
    }

    Log("Loading star data");
    sky::LoadStarData(sky_, *settings_, Services::instance().dataDirectory());
    updateSpeed_->setCurrentIndex(ShellLogic::StoredUpdateSpeed(*settings_));
    recent_.Read(*settings_);
    BuildRecentMenu();
    qApp->installEventFilter(this);

    if (!CreateViewer()) {
        exitCode_ = 1;
        return false;
    }
    CreateControls();
    BackgroundTick();
    backgroundTick_.start();

    for (const QString& file : commandLine_.files) {
        if (!FileExists(file)) {
            ReportError("Could not load %s", qUtf8Printable(file));
            continue;
        }
        if (LoadPosition(file)) AddRecentFile(file);
    }
    return true;
}

QMdiSubWindow* TMDIContainer::AddChild(QWidget* widget, const QString& section, bool withSize,
                                       QRect defaults) {
    QMdiSubWindow* w = mdi_->addSubWindow(widget, Qt::SubWindow);
    w->setAttribute(Qt::WA_DeleteOnClose, false);
    w->resize(defaults.size());
    WidgetPlacement p(*w);
    RestoreWindowPlacement(p, *settings_, section, defaults.x(), defaults.y(),
                           withSize ? defaults.width() : 0, withSize ? defaults.height() : 0, 0);
    w->show();
    return w;
}

bool TMDIContainer::CreateViewer() {
    Log("Initialising OpenGL Viewport for simulator");
    const bool useOurTextures = settings_->get(settings::UseOurTextures);
    const bool drawPrimitives = settings_->get(settings::StarsUseDrawPrim);
    sim_ = std::make_unique<Simulation>(*settings_);
    auto result = RenderDevice::Create(graphics_, sim_->scene(), *settings_);
    if (result.fatal || !result.device) return false;
    device_ = std::move(result.device);
    device_->setUseOurTextures(useOurTextures);
    meshes_ = std::make_unique<DefaultMeshes>(sim_->scene());
    models_ = std::make_unique<BodyModels>(*sim_, *device_, *meshes_);
    sim_->createDefaultMeshes = [this] { meshes_->Create(); };
    sim_->releaseDefaultMeshes = [this] { meshes_->Release(); };
    sim_->setModelManager(models_.get());
    camera_ = std::make_unique<Camera>(*sim_, cameraControls_);
    stars_ = std::make_unique<StarFieldView>(sky_, Services::instance().mediaDirectory());
    stars_->setUseDrawPrimitives(drawPrimitives);
    sim_->starFieldCallback = [this](scene::UserVisualContext& context) {
        return stars_->DevicePath(context, camera_->Forward());
    };
    Log("Loading initial solar system models");
    sim_->BuildSolarSystem();
    ApplyCommandLineClock(*sim_, commandLine_);
    viewer_ =
        new TViewScreen(*sim_, *camera_, *settings_, *stars_, device_->renderSettings(), *this);
    sim_->UpdateSimulation();
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
    controls_ = new TViewScreenControls(*sim_, *camera_, cameraControls_, *settings_, *viewer_,
                                        *stars_, sky_.catalogue, *this);
    viewer_->lockOnTicked = [this] { return cameraControls_.lockOn; };
    viewer_->allowMouseLook = [this] { return controls_ && controls_->allowMouseLook(); };
    viewer_->invertMouse = [this] { return controls_ && controls_->invertMouse(); };
    viewer_->invertKeyboard = [this] { return controls_ && controls_->invertKeyboard(); };
    viewer_->selectedTarget = [this] { return controls_ ? controls_->SelectedTarget() : nullptr; };
    viewer_->lookAtTarget = [this] { camera_->LookAtTarget(cameraControls_.target); };
    viewer_->setThrottle = [this](int p) { camera_->SetThrottle(p); };
    viewer_->throttle = [this] { return cameraControls_.throttle; };
    const QSize size = controls_->sizeHint().expandedTo(QSize(372, 414));
    const int client = mdi_->viewport()->width();
    controlsWindow_ = AddChild(controls_, QStringLiteral("MainViewerControls"), false,
                               QRect(client - size.width() - 8, 4, size.width(), size.height()));
    controlsWindow_->setWindowFlags(Qt::SubWindow | Qt::WindowMinimizeButtonHint |
                                    Qt::WindowSystemMenuHint | Qt::WindowTitleHint);
    controls_->PlaceInitialTarget();
    mdi_->setActiveSubWindow(viewerWindow_);
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
    if (event->type() == QEvent::KeyPress && !shutDown_) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if ((key == Qt::Key_F7 || key == Qt::Key_F8 || key == Qt::Key_F9) &&
            QApplication::activeModalWidget() == nullptr)
            return FunctionKey(key);
        if (key == Qt::Key_Escape) ++tutorialStops_;
    }
    return QMainWindow::eventFilter(watched, event);
}

void TMDIContainer::keyReleaseEvent(QKeyEvent* event) {
    FunctionKey(event->key());
}

void TMDIContainer::OpenHelpTopic(const QString& topic) {
    if (!help_) return;
    help_->ShowTopic(topic);
    help_->show();
    help_->raise();
}

void TMDIContainer::CheckWindowItem(const QString& window, bool on) {
    if (window == QLatin1String("Viewer") && windowViewer_) windowViewer_->setChecked(on);
    if (window == QLatin1String("Viewer Controls") && windowControls_)
        windowControls_->setChecked(on);
    if (window == QLatin1String("System Log") && windowSystemLog_) windowSystemLog_->setChecked(on);
}

void TMDIContainer::SetStatusText(int panel, const QString& text) {
    QLabel* label = panel == 0 ? status0_ : status1_;
    label->setText(text);
    label->repaint();
}

void TMDIContainer::SetDetailLevel(int level) {
    level = std::clamp(level, 0, 2);
    if (models_) models_->detailLevel = level;
    if (settings_) settings_->set(settings::DetailLevel, level);
    for (int i = 0; i < 3; ++i) resolutionActions_[std::size_t(i)]->setChecked(i == level);
    if (modelRes_->currentIndex() != level) modelRes_->setCurrentIndex(level);
}

void TMDIContainer::BackgroundTick() {
    if (!sim_) return;
    SetStatusText(1, sim_->ClockDisplayText());
    const CalendarRecord r = ToCalendarRecord(sim_->LocalNow());
    const int key = r.year * 366 + r.month * 31 + r.day;
    if (key != lastDateKey_ && controls_) {
        lastDateKey_ = key;
        controls_->SetCalendarDate(QDate(r.year, r.month, r.day));
    }
}

void TMDIContainer::ShowSystemLog() {
    if (!systemLog_) {
        systemLog_ = new TDebugWindow;
        systemLog_->functionKey = [this](int key) { FunctionKey(key); };
        systemLogWindow_ = mdi_->addSubWindow(systemLog_);
        systemLogWindow_->resize(480, 300);
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

void TMDIContainer::ShowAbout() {
    Paused([this] {
        TAboutOE about(false, this);
        return about.exec();
    });
}

void TMDIContainer::OpenPosition() {
    const QString folder = settings_->get(settings::SaveLocation);
    const QString path = Paused([&] {
        return QFileDialog::getOpenFileName(this, QString(), folder,
                                            QStringLiteral("Orbivale Files (*.ov)"));
    });
    if (!path.isEmpty() && LoadPosition(path)) AddRecentFile(path);
}

void TMDIContainer::SavePositionAs() {
    const QString folder = settings_->get(settings::SaveLocation);
    QString path = Paused([&] {
        return QFileDialog::getSaveFileName(this, QString(), folder,
                                            QStringLiteral("Orbivale Files (*.ov)"));
    });
    if (path.isEmpty()) return;
    if (!path.endsWith(QStringLiteral(".ov"), Qt::CaseInsensitive)) path += QStringLiteral(".ov");
    if (SavePosition(*sim_, *this, path)) AddRecentFile(path);
}

void TMDIContainer::TakePicture() {
    const QString path = Paused([&] {
        return QFileDialog::getSaveFileName(this, QStringLiteral("Save Picture"), QString(),
                                            QStringLiteral("Windows Bitmaps (*.bmp)"));
    });
    if (path.isEmpty() || !viewer_) return;
    viewer_->SavePicture(path.endsWith(QStringLiteral(".bmp"), Qt::CaseInsensitive)
                             ? path
                             : path + QStringLiteral(".bmp"));
}

bool TMDIContainer::LoadPosition(const QString& path) {
    if (!sim_) return false;
    return RestorePosition(*sim_, *this, path);
}

QString TMDIContainer::SelectedName() const {
    Body* b = controls_ ? controls_->SelectedTarget() : nullptr;
    return b ? b->name() : QString();
}

bool TMDIContainer::LockOn() const {
    return cameraControls_.lockOn;
}

void TMDIContainer::SetLockOn(bool on) {
    if (controls_) controls_->lockOn()->setChecked(on);
    cameraControls_.lockOn = on;
}

void TMDIContainer::SelectTargetByName(const QString& name) {
    if (controls_) controls_->SelectTargetByName(name);
}

void TMDIContainer::SetSpeedFactor(int factor) {
    if (controls_)
        controls_->SetSpeedFactor(factor);
    else if (sim_)
        sim_->SetClockSpeed(factor);
}

int TMDIContainer::UpdateSpeedIndex() const {
    return updateSpeed_->currentIndex();
}
int TMDIContainer::UpdateSpeedCount() const {
    return updateSpeed_->count();
}

void TMDIContainer::ChooseUpdateSpeed(int index) {
    index = std::clamp(index, 0, updateSpeed_->count() - 1);
    updateSpeed_->setCurrentIndex(index);
    if (viewer_)
        viewer_->SetBaseInterval(ShellLogic::UpdateSpeeds()[std::size_t(index)].intervalMs);
    if (settings_) settings_->set(settings::FPS, index);
}

int TMDIContainer::ResolutionIndex() const {
    return modelRes_->currentIndex();
}

void TMDIContainer::ChooseResolution(int index) {
    SetDetailLevel(index);
}

void TMDIContainer::RefreshCaption() {
    if (viewer_) viewer_->RefreshCaption();
}

void TMDIContainer::SetCalendarDate(int year, int month, int day) {
    if (controls_) controls_->SetCalendarDate(QDate(year, month, day));
}

bool TMDIContainer::LoadBodyModel(Body& body, const QString& file) {
    return models_ && models_->LoadUserModel(body, 0, file);
}

QImage TMDIContainer::Snapshot(const QString& view) {
    if (viewer_) viewer_->RenderNow();
    QCoreApplication::processEvents();
    if (view == QLatin1String("viewer") && viewer_) return viewer_->Picture();
    return grab().toImage();
}

void TMDIContainer::closeEvent(QCloseEvent* event) {
    Shutdown();
    event->accept();
}
