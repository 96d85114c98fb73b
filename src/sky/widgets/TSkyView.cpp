#include "sky/widgets/TSkyView.h"

#include <QAction>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QStatusBar>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

#include "core/SettingsStore.h"
#include "core/Simulation.h"
#include "sky/SkyData.h"
#include "sky/SkyIdentify.h"
#include "sky/widgets/SkyPictureWidget.h"
#include "sky/widgets/SkyViewIcons.h"
#include "sky/widgets/TSkyViewOptions.h"

namespace sky {

namespace {
constexpr int kButtonSize = 28;
constexpr int kDirectionHeight = 28;
constexpr int kTiltWidth = 31;
// The direction strip is this much narrower than the sky, the tilt scale this much shorter.
constexpr int kScaleInset = 4;
}  // namespace

TSkyView::TSkyView(Simulation& sim, SkyData& sky, SettingsStore& settings, QWidget* parent)
    : QWidget(parent),
      sim_(sim),
      sky_(sky),
      store_(settings),
      renderer_(sky),
      fonts_(SkyFonts::Make()) {
    setWindowTitle(QStringLiteral("Sky View"));
    setFocusPolicy(Qt::StrongFocus);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    BuildToolBar();
    layout->addWidget(toolBar_);

    auto* stripRow = new QHBoxLayout;
    stripRow->setSpacing(0);
    direction_ = new SkyPictureWidget;
    direction_->setObjectName(QStringLiteral("Direction"));
    direction_->setToolTip(QStringLiteral("Viewing direction"));
    direction_->setFixedHeight(kDirectionHeight);
    stripRow->addWidget(direction_, 1);
    stripRow->addSpacing(kTiltWidth);
    layout->addLayout(stripRow);

    auto* skyRow = new QHBoxLayout;
    skyRow->setSpacing(0);
    skyPicture_ = new SkyPictureWidget;
    skyPicture_->setObjectName(QStringLiteral("Sky"));
    skyPicture_->setMouseTracking(true);
    skyPicture_->setMinimumSize(64, 48);
    skyRow->addWidget(skyPicture_, 1);
    headTilt_ = new SkyPictureWidget;
    headTilt_->setObjectName(QStringLiteral("HeadTilt"));
    headTilt_->setToolTip(QStringLiteral("Viewing angle from horizon"));
    headTilt_->setFixedWidth(kTiltWidth);
    skyRow->addWidget(headTilt_);
    layout->addLayout(skyRow, 1);

    statusBar_ = new QStatusBar;
    statusBar_->setSizeGripEnabled(false);
    fieldLabel_ = new QLabel;
    statusBar_->addPermanentWidget(fieldLabel_);
    layout->addWidget(statusBar_);

    connect(skyPicture_, &SkyPictureWidget::mouseReleased, this, &TSkyView::SkyMouseReleased);
    connect(skyPicture_, &SkyPictureWidget::mouseMoved, this, &TSkyView::SkyMouseMoved);
    connect(skyPicture_, &SkyPictureWidget::wheelTurned, this, &TSkyView::Zoom);
    connect(skyPicture_, &SkyPictureWidget::resized, this, &TSkyView::Resized);
    connect(headTilt_, &SkyPictureWidget::resized, this, &TSkyView::Resized);
    connect(&redraw_, &QTimer::timeout, this, &TSkyView::RedrawTick);

    state_.skyTime = sim_.SimNow();
    ReadSettings();
    ShowFieldOfView();
    resize(640, 480);
}

TSkyView::~TSkyView() = default;

QToolButton* TSkyView::AddButton(const char* name, const QString& hint, const QIcon& icon) {
    auto* b = new QToolButton;
    b->setObjectName(QString::fromLatin1(name));
    b->setToolTip(hint);
    b->setIcon(icon);
    b->setFixedSize(kButtonSize, kButtonSize);
    b->setAutoRaise(true);
    toolBar_->addWidget(b);
    return b;
}

QToolButton* TSkyView::AddSwitch(const char* name, const QString& hint, const QIcon& icon,
                                 bool SkyViewSettings::*flag, const settings::Bool& key) {
    QToolButton* b = AddButton(name, hint, icon);
    b->setCheckable(true);
    switches_.push_back({b, nullptr, flag});
    connect(b, &QToolButton::clicked, this, [this, flag, &key](bool down) {
        settings_.*flag = down;
        store_.set(key, down);
        DrawSky(false);
    });
    return b;
}

void TSkyView::AddLevelOfDetailItem(const QString& text, bool SkyViewSettings::*flag,
                                    const settings::Bool& key) {
    QAction* a = lodPopup_->addAction(text);
    a->setCheckable(true);
    switches_.push_back({nullptr, a, flag});
    connect(a, &QAction::triggered, this, [this, flag, &key](bool checked) {
        settings_.*flag = checked;
        store_.set(key, checked);
        DrawSky(false);
    });
}

void TSkyView::BuildToolBar() {
    toolBar_ = new QToolBar;
    toolBar_->setIconSize(QSize(24, 24));
    AddSwitch("bGrid", QStringLiteral("Show/hide grid"), SkyViewIcon(SkyIcon::Grid),
              &SkyViewSettings::drawGrid, settings::SkyDrawGrid);
    AddSwitch("bConstellationFigures", QStringLiteral("Show/hide constellation figures"),
              SkyViewIcon(SkyIcon::Figures), &SkyViewSettings::drawConstellations,
              settings::SkyDrawConstellations);
    AddSwitch("bBoundaries", QStringLiteral("Show/hide constellation boundaries"),
              SkyViewIcon(SkyIcon::Boundaries), &SkyViewSettings::drawBoundaries,
              settings::SkyDrawBoundaries);

    QToolButton* lod = AddButton("LOD", QStringLiteral("Set level of detail visible"),
                                 SkyViewIcon(SkyIcon::LevelOfDetail));
    lodPopup_ = new QMenu(this);
    lodPopup_->setObjectName(QStringLiteral("LODPopup"));
    AddLevelOfDetailItem(QStringLiteral("Show &Proper Names"), &SkyViewSettings::drawStarNames,
                         settings::SkyDrawStarNames);
    AddLevelOfDetailItem(QStringLiteral("Show &Greek Letters"), &SkyViewSettings::drawGreekNames,
                         settings::SkyDrawGreekNames);
    AddLevelOfDetailItem(QStringLiteral("Show &Flamsteed Numbers"),
                         &SkyViewSettings::drawFlamsteedNames, settings::SkyDrawFlamsteedNames);
    lodPopup_->addSeparator();
    AddLevelOfDetailItem(QStringLiteral("Show &Constellation Names"),
                         &SkyViewSettings::drawConstellationNames,
                         settings::SkyDrawConstellationNames);
    AddLevelOfDetailItem(QStringLiteral("Show Pla&net Names"), &SkyViewSettings::drawPlanetNames,
                         settings::SkyDrawPlanetNames);
    AddLevelOfDetailItem(QStringLiteral("Show &Ecliptic"), &SkyViewSettings::drawEcliptic,
                         settings::SkyDrawEcliptic);
    lod->setMenu(lodPopup_);
    lod->setPopupMode(QToolButton::InstantPopup);

    connect(AddButton("Options", QStringLiteral("Display options"), SkyViewIcon(SkyIcon::Options)),
            &QToolButton::clicked, this, &TSkyView::OpenOptions);
    toolBar_->addSeparator();

    const struct {
        const char* name;
        const char* hint;
        const char* letter;
        Compass direction;
    } compass[] = {
        {"bNorth", "View north", "N", Compass::North},
        {"bEast", "View east", "E", Compass::East},
        {"bWest", "View west", "W", Compass::West},
        {"bSouth", "View south", "S", Compass::South},
    };
    for (const auto& c : compass) {
        QToolButton* b = AddButton(c.name, QString::fromLatin1(c.hint),
                                   CompassIcon(QString::fromLatin1(c.letter)));
        const Compass direction = c.direction;
        connect(b, &QToolButton::clicked, this, [this, direction] { FaceDirection(direction); });
    }
    connect(AddButton("bZenith", QStringLiteral("View directly above (zenith)"),
                      CompassIcon(QStringLiteral("Z"))),
            &QToolButton::clicked, this, &TSkyView::FaceZenith);
    toolBar_->addSeparator();

    const struct {
        const char* name;
        const char* hint;
        Qt::ArrowType arrow;
        double azimuth, altitude;
    } arrows[] = {
        {"bLeft", "Look left", Qt::LeftArrow, SkyViewState::kButtonStep, 0},
        {"bUp", "Look up", Qt::UpArrow, 0, SkyViewState::kButtonStep},
        {"bDown", "Look down", Qt::DownArrow, 0, -SkyViewState::kButtonStep},
        {"bRight", "Look right", Qt::RightArrow, -SkyViewState::kButtonStep, 0},
    };
    for (const auto& a : arrows) {
        QToolButton* b = AddButton(a.name, QString::fromLatin1(a.hint), QIcon());
        b->setArrowType(a.arrow);
        const double azimuth = a.azimuth, altitude = a.altitude;
        connect(b, &QToolButton::clicked, this,
                [this, azimuth, altitude] { Turn(azimuth, altitude); });
    }
    toolBar_->addSeparator();

    connect(AddButton("bEarth", QStringLiteral("Set location"), SkyViewIcon(SkyIcon::Earth)),
            &QToolButton::clicked, this, [this] {
                SetMouseLook(false);
                emit setLocationRequested();
            });
    QToolButton* speed = AddButton("bUpdateSpeed", QStringLiteral("Set sky update speed"),
                                   SkyViewIcon(SkyIcon::UpdateSpeed));
    BuildUpdateSpeedMenu();
    speed->setMenu(updateSpeedPopup_);
    speed->setPopupMode(QToolButton::InstantPopup);
    toolBar_->addSeparator();

    connect(AddButton("bZoomIn", QStringLiteral("Zoom in (+)"), SkyViewIcon(SkyIcon::ZoomIn)),
            &QToolButton::clicked, this, [this] { Zoom(1); });
    connect(AddButton("bZoomOut", QStringLiteral("Zoom out (-)"), SkyViewIcon(SkyIcon::ZoomOut)),
            &QToolButton::clicked, this, [this] { Zoom(-1); });
    connect(AddButton("bZoomDefault", QStringLiteral("Default field of view (45\u00B0)"),
                      SkyViewIcon(SkyIcon::ZoomDefault)),
            &QToolButton::clicked, this, &TSkyView::ResetZoom);
}

void TSkyView::BuildUpdateSpeedMenu() {
    updateSpeedPopup_ = new QMenu(this);
    updateSpeedPopup_->setObjectName(QStringLiteral("UpdateSpeedPopup"));
    for (const SkyUpdateSpeed& s : SkyUpdateSpeeds()) {
        QAction* a = updateSpeedPopup_->addAction(QString::fromLatin1(s.text));
        a->setCheckable(true);
        const int tag = s.tag;
        connect(a, &QAction::triggered, this, [this, tag] { ChooseUpdateSpeed(tag); });
    }
    connect(updateSpeedPopup_, &QMenu::aboutToShow, this, [this] {
        const int checked = CheckedUpdateSpeed(redraw_.interval());
        const auto actions = updateSpeedPopup_->actions();
        for (int i = 0; i < actions.size(); ++i) actions[i]->setChecked(i == checked);
    });
}

void TSkyView::ChooseUpdateSpeed(int tag) {
    redraw_.setInterval(tag * 10);
    if (tag != 0)
        redraw_.start();
    else
        redraw_.stop();
    settings_.redrawInterval = tag;
    store_.set(settings::SkyRedrawInterval, tag);
}

void TSkyView::ReadSettings() {
    settings_ = SkyViewSettings::Read(store_);
    SyncSwitches();
    redraw_.setInterval(settings_.redrawInterval * 10);
    if (settings_.redrawInterval > 0)
        redraw_.start();
    else
        redraw_.stop();
}

void TSkyView::ResumeRedraw() {
    if (settings_.redrawInterval > 0 && !redraw_.isActive()) redraw_.start();
}

void TSkyView::SyncSwitches() {
    for (const Switch& s : switches_) {
        const bool on = settings_.*(s.flag);
        if (s.button) s.button->setChecked(on);
        if (s.action) s.action->setChecked(on);
    }
}

bool TSkyView::minimised() const {
    return isMinimized() || (parentWidget() && parentWidget()->isMinimized());
}

void TSkyView::DrawSky(bool takeCurrentTime) {
    if (takeCurrentTime) state_.skyTime = sim_.SimNow();
    if (minimised() || drawing_) return;
    drawing_ = true;
    skyPicture_->FitPicture();
    direction_->FitPicture(kScaleInset, 0);
    headTilt_->FitPicture(0, kScaleInset);
    QImage& sky = skyPicture_->picture();
    const int dots = DotsPerMetre(logicalDpiY());
    sky.setDotsPerMeterX(dots);
    sky.setDotsPerMeterY(dots);
    solarSystem_ = CollectSkyBodies(sim_);
    const Observer& o = sim_.observer();
    renderer_.Draw(sky, state_, settings_, solarSystem_,
                   {o.latitude, o.longitude, sim_.ephemerisModel()}, fonts_);
    skyPicture_->update();
    DrawDirectionStrip(direction_->picture(), state_, sky.width(), fonts_.scale);
    direction_->update();
    DrawTiltScale(headTilt_->picture(), state_, sky.height(), fonts_.scale);
    headTilt_->update();
    drawing_ = false;
}

void TSkyView::FaceDirection(Compass direction) {
    state_.FaceDirection(direction);
    SetMouseLook(false);
    DrawSky(false);
}

void TSkyView::FaceZenith() {
    state_.FaceZenith();
    SetMouseLook(false);
    DrawSky(false);
}

void TSkyView::LocationApplied() {
    SetMouseLook(false);
    FaceDirection(sim_.observer().latitude > 0 ? Compass::South : Compass::North);
}

void TSkyView::Turn(double azimuthDelta, double altitudeDelta) {
    state_.Turn(azimuthDelta, altitudeDelta);
    DrawSky(false);
}

void TSkyView::Zoom(double steps) {
    state_.Zoom(steps);
    ShowFieldOfView();
    DrawSky(false);
}

void TSkyView::ResetZoom() {
    state_.ResetFieldOfView();
    ShowFieldOfView();
    DrawSky(false);
}

void TSkyView::ShowFieldOfView() {
    fieldLabel_->setText(QStringLiteral("Field of view %1\u00B0")
                             .arg(state_.fieldOfView, 0, 'f', state_.fieldOfView < 10 ? 1 : 0));
}

void TSkyView::SetMouseLook(bool on, QPoint at) {
    if (on)
        state_.StartMouseLook(at.x(), at.y());
    else
        state_.StopMouseLook();
    if (on)
        skyPicture_->setCursor(Qt::OpenHandCursor);
    else
        skyPicture_->unsetCursor();
}

void TSkyView::SkyMouseReleased(Qt::MouseButton button, QPoint at) {
    if (button == Qt::RightButton) {
        IdentifyAt(at);
        return;
    }
    if (state_.mouseLook)
        SetMouseLook(false);
    else if (settings_.allowMouseLook)
        SetMouseLook(true, at);
}

void TSkyView::SkyMouseMoved(QPoint at) {
    if (!state_.mouseLook) return;
    state_.MouseMoved(at.x(), at.y());
    DrawSky(false);
}

void TSkyView::IdentifyAt(QPoint at) {
    const auto id = sky::IdentifyAt(at.x(), at.y(), sky_.catalogue, solarSystem_,
                                    renderer_.drawnBodies(), renderer_.projection().basis());
    statusBar_->showMessage(id ? DescribeIdentity(*id) : QString());
}

QString TSkyView::statusText() const {
    return statusBar_->currentMessage();
}

void TSkyView::OpenOptions() {
    SetMouseLook(false);
    emit modalDialogOpened();
    TSkyViewOptions options(store_, sky_.catalogue.limitMagnitude(), this);
    connect(&options, &TSkyViewOptions::setLocationRequested, this,
            &TSkyView::setLocationRequested);
    connect(&options, &TSkyViewOptions::setDateTimeRequested, this,
            &TSkyView::setDateTimeRequested);
    connect(&options, &TSkyViewOptions::helpRequested, this, &TSkyView::helpRequested);
    const int result = options.exec();
    emit modalDialogClosed();
    if (result != QDialog::Accepted) return;
    ReadSettings();
    DrawSky(false);
}

void TSkyView::RedrawTick() {
    if (active_ && !minimised() && !state_.mouseLook) DrawSky(true);
}

void TSkyView::Resized() {
    DrawSky(false);
}

void TSkyView::Activated() {
    active_ = true;
    SetMouseLook(false);
    DrawSky(false);
}

void TSkyView::Deactivated() {
    active_ = false;
    SetMouseLook(false);
}

QImage TSkyView::Picture() {
    DrawSky(false);
    return grab().toImage();
}

const QImage& TSkyView::skyPicture() const {
    return skyPicture_->picture();
}
const QImage& TSkyView::directionPicture() const {
    return direction_->picture();
}
const QImage& TSkyView::tiltPicture() const {
    return headTilt_->picture();
}

void TSkyView::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    DrawSky(false);
}

void TSkyView::keyPressEvent(QKeyEvent* e) {
    const QString text = e->text();
    if (text.isEmpty() || (e->modifiers() & (Qt::ControlModifier | Qt::AltModifier))) {
        QWidget::keyPressEvent(e);
        return;
    }
    switch (text.at(0).toUpper().unicode()) {
        case 'N':
            FaceDirection(Compass::North);
            break;
        case 'E':
            FaceDirection(Compass::East);
            break;
        case 'S':
            FaceDirection(Compass::South);
            break;
        case 'W':
            FaceDirection(Compass::West);
            break;
        case 'Z':
            FaceZenith();
            break;
        case 'M': {
            // Even when clicking does not start it, M does.
            const bool on = !state_.mouseLook;
            SetMouseLook(on, skyPicture_->mapFromGlobal(QCursor::pos()));
            break;
        }
        case '+':
        case '=':
            Zoom(1);
            break;
        case '-':
            Zoom(-1);
            break;
        default:
            QWidget::keyPressEvent(e);
    }
}

void TSkyView::keyReleaseEvent(QKeyEvent* e) {
    if (e->isAutoRepeat()) return;
    switch (e->key()) {
        case Qt::Key_Left:
            Turn(SkyViewState::kButtonStep, 0);
            break;
        case Qt::Key_Right:
            Turn(-SkyViewState::kButtonStep, 0);
            break;
        case Qt::Key_Up:
            Turn(0, SkyViewState::kButtonStep);
            break;
        case Qt::Key_Down:
            Turn(0, -SkyViewState::kButtonStep);
            break;
        case Qt::Key_F1:
            emit helpRequested(QStringLiteral("SkyView"));
            break;
        default:
            emit functionKeyPressed(e->key());
    }
}

}  // namespace sky
