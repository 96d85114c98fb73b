#include "shell/widgets/Tutorials.h"

#include <QAction>
#include <QCheckBox>
#include <QGridLayout>
#include <QGuiApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QMdiSubWindow>
#include <QMenu>
#include <QPainter>
#include <QRadioButton>
#include <QScreen>
#include <QSlider>
#include <QStyle>
#include <QTabWidget>
#include <QToolBar>
#include <QToolButton>
#include <QTreeWidget>

#include "core/Log.h"
#include "core/Prompter.h"
#include "core/Services.h"
#include "core/Settings.h"
#include "core/SettingsStore.h"
#include "maps/widgets/TJupiterMoon.h"
#include "maps/widgets/TSolarSystemMap.h"
#include "shell/widgets/TMDIContainer.h"
#include "sky/widgets/TSkyView.h"
#include "tours/widgets/NarratorWindow.h"
#include "tours/widgets/ScreenNarrator.h"
#include "tours/widgets/SpeechBalloon.h"
#include "viewer/CameraControls.h"
#include "viewer/widgets/TViewScreen.h"
#include "viewer/widgets/TViewScreenControls.h"

namespace {

template <typename W>
W* FindWith(QWidget* root, const std::function<bool(W*)>& match) {
    if (!root) return nullptr;
    for (W* w : root->findChildren<W*>())
        if (match(w)) return w;
    return nullptr;
}

QToolButton* ButtonByHint(QWidget* root, const char* hintStart) {
    return FindWith<QToolButton>(root, [hintStart](QToolButton* b) {
        return b->toolTip().startsWith(QLatin1String(hintStart));
    });
}

QListWidget* WhereList(QWidget* controls) {
    return FindWith<QListWidget>(controls, [](QListWidget* l) {
        return !l->findItems(QStringLiteral("Sunny Side"), Qt::MatchExactly).isEmpty();
    });
}

QRadioButton* RadiiButton(QWidget* controls) {
    return FindWith<QRadioButton>(
        controls, [](QRadioButton* b) { return b->text() == QLatin1String("radii"); });
}

// The distance box beside the "radii" button, in the same row of its grid.
QLineEdit* RadiiBox(QRadioButton* radii) {
    if (!radii || !radii->parentWidget()) return nullptr;
    auto* grid = qobject_cast<QGridLayout*>(radii->parentWidget()->layout());
    if (!grid) return nullptr;
    const int index = grid->indexOf(radii);
    if (index < 0) return nullptr;
    int row = 0, column = 0, rows = 0, columns = 0;
    grid->getItemPosition(index, &row, &column, &rows, &columns);
    for (int c = 0; c < grid->columnCount(); ++c)
        if (QLayoutItem* item = grid->itemAtPosition(row, c))
            if (auto* edit = qobject_cast<QLineEdit*>(item->widget())) return edit;
    return nullptr;
}

QPoint Anchored(TourAnchor anchor, QSize size) {
    const int w = size.width(), h = size.height();
    switch (anchor) {
        case TourAnchor::WindowPoint:
            return QPoint(int(0.8 * w), h / 2);
        case TourAnchor::Centre:
            return QPoint(w / 2, h / 2);
        case TourAnchor::Corner:
            return QPoint(w, h);
        case TourAnchor::TopLeft:
            return QPoint(0, 0);
        case TourAnchor::TopRight:
            return QPoint(w, 0);
    }
    return QPoint();
}

}  // namespace

Tutorials::Tutorials(TMDIContainer& main, QMenu* menu)
    : QObject(),
      main_(main),
      screenNarrator_(std::make_unique<ScreenNarrator>(main.settings())),
      runner_(std::make_unique<TourRunner>(*screenNarrator_, *this, timers_)) {
    BuildMenu(menu);
}

Tutorials::~Tutorials() {
    // The narrator goes before the windows it talks about.
    runner_.reset();
    screenNarrator_.reset();
}

QStringList Tutorials::TourFolders() {
    return {ResourceDirectory(QStringLiteral("tours")),
            Services::instance().userDataDirectory() + QStringLiteral("/tours")};
}

void Tutorials::BuildMenu(QMenu* menu) {
    QStringList problems;
    tours_ = Tours::FindTours(TourFolders(), &problems);
    for (const QString& p : problems) Log("Tutorial not offered: %s", qUtf8Printable(p));
    for (const Tours::TourEntry& tour : tours_) {
        QAction* a = menu->addAction(tour.title);
        const QString path = tour.path;
        connect(a, &QAction::triggered, this, [this, path] { StartTour(path); });
        tourItems_ << a;
    }
    menu->addSeparator();
    mute_ = menu->addAction(QStringLiteral("Mute the Narrator's Voice"));
    mute_->setCheckable(true);
    mute_->setChecked(main_.settings().get(settings::MuteNarrator));
    connect(mute_, &QAction::toggled, this,
            [this](bool on) { main_.settings().set(settings::MuteNarrator, on); });
    // The options dialog may change the setting meanwhile.
    connect(menu, &QMenu::aboutToShow, this,
            [this] { mute_->setChecked(main_.settings().get(settings::MuteNarrator)); });
}

void Tutorials::AddStopButton(QToolBar* bar) {
    stopButton_ = bar->addAction(QStringLiteral("Stop"), this, [this] { Stop(); });
    stopButton_->setIcon(bar->style()->standardIcon(QStyle::SP_MediaStop));
    stopButton_->setToolTip(QStringLiteral("Stop the Tutorial (Esc)"));
    stopButton_->setVisible(false);
}

void Tutorials::UseNarrator(Narrator& narrator, TourScheduler& scheduler) {
    runner_ = std::make_unique<TourRunner>(narrator, *this, scheduler);
}

bool Tutorials::StartTour(const QString& path) {
    TourError error;
    const auto script = Tours::ReadFile(path, &error);
    if (!script) {
        ShowError(
            QStringLiteral("The tutorial in %1 could not be read: %2").arg(path, error.text()),
            QStringLiteral("Tutorial"));
        return false;
    }
    return StartScript(*script);
}

bool Tutorials::StartScript(const TourScript& script) {
    if (runner_->running()) return false;
    return runner_->Start(script);
}

QString Tutorials::NarratorFailureText(Narrator::StartResult why) {
    const QString help = QStringLiteral(
        " Please ensure that Orbivale is running on a desktop that can show the narrator's "
        "window. The narrator and its speech balloon are part of Orbivale; a speech engine is "
        "only needed to hear its voice.");
    return why == Narrator::StartResult::NoCharacter
               ? QStringLiteral("The narrator's character could not be drawn.") + help
               : QStringLiteral("The narrator could not be started.") + help;
}

void Tutorials::NarratorFailed(Narrator::StartResult why) {
    ShowError(NarratorFailureText(why), QStringLiteral("Tutorial"));
}

void Tutorials::TourStarted() {
    if (stopButton_) stopButton_->setVisible(true);
    for (QAction* a : tourItems_) a->setEnabled(false);
}

void Tutorials::TourEnded() {
    if (stopButton_) stopButton_->setVisible(false);
    for (QAction* a : tourItems_) a->setEnabled(true);
}

int Tutorials::StopRequests() const {
    return main_.tutorialStopRequests();
}

void Tutorials::PauseViews() {
    if (main_.viewer()) main_.viewer()->PauseTimer();
    if (main_.map()) main_.map()->PauseTimer();
    if (main_.skyView()) main_.skyView()->PauseRedraw();
}

void Tutorials::ResumeViews() {
    if (main_.viewer()) main_.viewer()->ResumeTimer();
    if (main_.map()) main_.map()->ResumeTimer();
    if (main_.skyView()) main_.skyView()->ResumeRedraw();
}

QWidget* Tutorials::Target(const QString& name) const {
    TViewScreenControls* controls = main_.controls();
    if (name == QLatin1String("viewer")) return main_.viewer();
    if (name == QLatin1String("controls")) return controls;
    if (name == QLatin1String("map")) return main_.map();
    if (name == QLatin1String("sky")) return main_.skyView();
    if (name == QLatin1String("jupiter")) return main_.jupiterMoons();
    if (!controls) return nullptr;
    if (name == QLatin1String("controls.targets")) {
        // The list in the order shown: from the Sun or alphabetic.
        QWidget* tree = controls->targetTree();
        return tree->isVisibleTo(controls) ? tree : controls->bodyList();
    }
    if (name == QLatin1String("controls.moveto")) return ButtonByHint(controls, "Move the camera");
    if (name == QLatin1String("controls.lookat")) return ButtonByHint(controls, "Point the camera");
    if (name == QLatin1String("controls.encyclopedia"))
        return ButtonByHint(controls, "Open Encyclopedia");
    if (name == QLatin1String("controls.always-look")) return controls->lockOn();
    if (name == QLatin1String("controls.where")) return WhereList(controls);
    if (name == QLatin1String("controls.throttle")) return controls->throttleSlider();
    if (name == QLatin1String("controls.joystick"))
        return FindWith<QCheckBox>(
            controls, [](QCheckBox* c) { return c->text() == QLatin1String("Enable joystick"); });
    return nullptr;
}

QMdiSubWindow* Tutorials::SubWindow(const QString& name) const {
    QWidget* w = Target(name);
    return w ? qobject_cast<QMdiSubWindow*>(w->parentWidget()) : nullptr;
}

std::optional<QPoint> Tutorials::ScreenPoint(TourAnchor anchor, const QString& target) {
    if (target == QLatin1String("screen")) {
        QScreen* screen = main_.screen() ? main_.screen() : QGuiApplication::primaryScreen();
        if (!screen) return std::nullopt;
        const QRect g = screen->geometry();
        return g.topLeft() + Anchored(anchor, g.size());
    }
    QWidget* w = Target(target);
    if (!w) return std::nullopt;
    return w->mapToGlobal(Anchored(anchor, w->size()));
}

bool Tutorials::RunAction(TourAction action, const QString& argument) {
    TViewScreenControls* controls = main_.controls();
    switch (action) {
        case TourAction::Restore:
        case TourAction::Open: {
            if (action == TourAction::Open && argument == QLatin1String("jupiter"))
                main_.ShowJupiterMoons();
            QMdiSubWindow* sub = SubWindow(argument);
            if (!sub) return false;
            if (sub->isMinimized()) sub->showNormal();
            sub->show();
            sub->raise();
            return true;
        }
        case TourAction::Minimise: {
            QMdiSubWindow* sub = SubWindow(argument);
            if (!sub) return false;
            sub->showMinimized();
            return true;
        }
        case TourAction::Close: {
            QMdiSubWindow* sub = SubWindow(argument);
            if (!sub) return false;
            sub->close();
            return true;
        }
        case TourAction::Speed:
            if (!controls) return false;
            controls->SetSpeedFactor(argument.toInt());
            return true;
        case TourAction::Target: {
            if (!controls) return false;
            controls->SelectTargetByName(argument);
            Body* chosen = controls->SelectedTarget();
            return chosen != nullptr;
        }
        case TourAction::Where: {
            QListWidget* where = controls ? WhereList(controls) : nullptr;
            if (!where) return false;
            const auto found = where->findItems(argument, Qt::MatchFixedString);
            if (found.isEmpty()) return false;
            where->setCurrentItem(found.first());
            return true;
        }
        case TourAction::Radii: {
            QRadioButton* radii = controls ? RadiiButton(controls) : nullptr;
            QLineEdit* box = RadiiBox(radii);
            if (!box) return false;
            radii->setChecked(true);
            box->setText(argument);
            return true;
        }
        case TourAction::CameraFieldDefault:
            if (!controls) return false;
            controls->cameraField()->setValue(CameraControls::kFieldDefault);
            return true;
        case TourAction::MoveCamera: {
            QToolButton* move = controls ? ButtonByHint(controls, "Move the camera") : nullptr;
            if (!move) return false;
            move->click();
            return true;
        }
        case TourAction::ViewerBaseInterval:
            if (!main_.viewer()) return false;
            main_.viewer()->UseBaseInterval();
            return true;
        case TourAction::RenderViewer:
            return main_.viewer() && main_.viewer()->RenderNow();
        case TourAction::Tab: {
            if (!controls) return false;
            QTabWidget* pages = controls->pages();
            for (int i = 0; i < pages->count(); ++i)
                if (pages->tabText(i) == argument) {
                    pages->setCurrentIndex(i);
                    // The target list is on the first page inside Navigation.
                    if (auto* inner = qobject_cast<QTabWidget*>(pages->widget(i)))
                        inner->setCurrentIndex(0);
                    return true;
                }
            return false;
        }
        case TourAction::MapLabels:
        case TourAction::MapPlanetOrbits: {
            TSolarSystemMap* map = main_.map();
            if (!map) return false;
            QCheckBox* box =
                action == TourAction::MapLabels ? map->labelsBox() : map->planetOrbitsBox();
            // Clicked as the user would, so the setting is written and the map redrawn.
            if (box->isChecked() != (argument == QLatin1String("on"))) box->click();
            return true;
        }
        case TourAction::MapZoomToCamera:
            if (!main_.map()) return false;
            main_.map()->ShowPreset(MapPreset::CameraPosition);
            return true;
    }
    return false;
}

QImage Tutorials::NarratorPicture() {
    ScreenNarrator& narrator = *screenNarrator_;
    narrator.setSilent(true);
    if (narrator.Start() != Narrator::StartResult::Started) return QImage();
    // As the overview does it: the Viewer Controls in front, the narrator by them, pointing.
    RunAction(TourAction::Restore, QStringLiteral("controls"));
    QCoreApplication::processEvents();
    if (const auto at = ScreenPoint(TourAnchor::WindowPoint, QStringLiteral("controls")))
        narrator.PlaceAt(*at);
    narrator.Play(TourAnimation::GestureRight);
    narrator.Speak(QStringLiteral(
        "The main functions of the camera are controlled by this, the Viewer Controls window."));
    QCoreApplication::processEvents();
    // The narrator and its balloon may stand beyond the main window: the picture takes in all
    // three, on the desktop's colour.
    const QRect frame(main_.mapToGlobal(QPoint(0, 0)), main_.size());
    QRect all = frame;
    std::vector<QWidget*> shown;
    for (QWidget* w :
         {static_cast<QWidget*>(narrator.balloon()), static_cast<QWidget*>(narrator.window())})
        if (w && w->isVisible()) {
            all |= w->geometry();
            shown.push_back(w);
        }
    QImage picture(all.size(), QImage::Format_ARGB32_Premultiplied);
    picture.fill(QColor(40, 44, 52));
    {
        QPainter p(&picture);
        p.drawPixmap(frame.topLeft() - all.topLeft(), main_.grab());
        for (QWidget* w : shown) p.drawPixmap(w->pos() - all.topLeft(), w->grab());
    }
    narrator.Shutdown();
    narrator.setSilent(false);
    return picture;
}
