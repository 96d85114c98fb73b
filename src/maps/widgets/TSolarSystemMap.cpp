#include "maps/widgets/TSolarSystemMap.h"

#include <QApplication>
#include <QCheckBox>
#include <QCursor>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QStatusBar>
#include <QStyle>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>
#include <QWheelEvent>
#include <cmath>

#include "core/Body.h"
#include "core/Prompter.h"
#include "core/Settings.h"
#include "core/SettingsStore.h"
#include "core/Simulation.h"
#include "core/Text.h"
#include "viewer/Camera.h"

namespace {

constexpr double kPlacementFraction = 0.66;
constexpr int kPlacementMargin = 16;
constexpr int kWheelNotch = 120;

// The picture the map draws into, shown as it is.
class MapViewPort : public QWidget {
  public:
    MapViewPort(const QImage& picture, QWidget* parent) : QWidget(parent), picture_(picture) {
        setAttribute(Qt::WA_OpaquePaintEvent);
        setMouseTracking(true);
        setMinimumSize(16, 16);
        setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    }

  protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        p.fillRect(rect(), Qt::black);
        p.drawImage(0, 0, picture_);
    }

  private:
    const QImage& picture_;
};

}  // namespace

TSolarSystemMap::TSolarSystemMap(Simulation& sim, Camera& camera, SettingsStore& settings,
                                 QWidget* parent)
    : QWidget(parent), sim_(sim), camera_(camera), settings_(settings), renderer_(sim, pictures_) {
    setWindowTitle(QStringLiteral("Solar System Map"));
    setFocusPolicy(Qt::StrongFocus);
    ticks_.start();
    renderer_.setFont(font());

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    auto* bar = new QToolBar(this);
    BuildToolBar(bar);
    layout->addWidget(bar);
    viewPort_ = new MapViewPort(picture_, this);
    viewPort_->installEventFilter(this);
    layout->addWidget(viewPort_, 1);
    status_ = new QStatusBar(this);
    status_->setSizeGripEnabled(false);
    statusPanel_ = new QLabel(status_);
    status_->addWidget(statusPanel_, 1);
    layout->addWidget(status_);
    BuildMenus();

    hint_ = new QLabel(this, Qt::ToolTip);
    hint_->setForegroundRole(QPalette::ToolTipText);
    hint_->setBackgroundRole(QPalette::ToolTipBase);
    hint_->setAutoFillBackground(true);
    hint_->setMargin(2);
    hint_->setWordWrap(true);
    hint_->setMaximumWidth(kHintWidth);
    hint_->hide();

    hintTimer_.setSingleShot(true);
    connect(&hintTimer_, &QTimer::timeout, this, &TSolarSystemMap::HintTimerFired);
    connect(&updateTimer_, &QTimer::timeout, this, &TSolarSystemMap::DrawMap);
    updateTimer_.start(kInactiveInterval);
    // Setting the clock redraws the map at once.
    sim_.hooks().redrawMap = [this] { DrawMap(); };
}

TSolarSystemMap::~TSolarSystemMap() {
    sim_.hooks().redrawMap = nullptr;
}

QRect TSolarSystemMap::DefaultPlacement(QSize client) {
    return {client.width() / 6 + kPlacementMargin, client.height() / 6 + kPlacementMargin,
            static_cast<int>(kPlacementFraction * client.width()),
            static_cast<int>(kPlacementFraction * client.height())};
}

void TSolarSystemMap::BuildToolBar(QToolBar* bar) {
    bar->setFocusPolicy(Qt::NoFocus);
    bSetView_ = new QToolButton(bar);
    bSetView_->setText(QStringLiteral("Set Map to View..."));
    bSetView_->setFocusPolicy(Qt::NoFocus);
    bar->addWidget(bSetView_);
    connect(bSetView_, &QToolButton::clicked, this, [this] { viewPopup_->popup(QCursor::pos()); });

    auto addBox = [this, bar](const QString& caption, bool checked) {
        auto* box = new QCheckBox(caption, bar);
        box->setChecked(checked);
        box->setFocusPolicy(Qt::NoFocus);
        bar->addWidget(box);
        return box;
    };
    showPlanetOrbit_ =
        addBox(QStringLiteral("Show planetary orbits"), settings_.get(settings::DrawPlanetOrbits));
    showMoonOrbit_ =
        addBox(QStringLiteral("Show moon orbits"), settings_.get(settings::DrawMoonOrbits));
    showLabels_ = addBox(QStringLiteral("Show Labels"), true);
    connect(showPlanetOrbit_, &QCheckBox::clicked, this, [this](bool on) {
        settings_.set(settings::DrawPlanetOrbits, on);
        DrawMap();
    });
    connect(showMoonOrbit_, &QCheckBox::clicked, this, [this](bool on) {
        settings_.set(settings::DrawMoonOrbits, on);
        DrawMap();
    });
    connect(showLabels_, &QCheckBox::clicked, this, [this] {
        HideHint();
        DrawMap();
    });

    auto addPan = [this, bar](Qt::ArrowType arrow, const QString& hint, PanDirection direction) {
        auto* button = new QToolButton(bar);
        button->setArrowType(arrow);
        button->setToolTip(hint);
        button->setFocusPolicy(Qt::NoFocus);
        bar->addWidget(button);
        connect(button, &QToolButton::clicked, this, [this, direction] { Pan(direction); });
        return button;
    };
    bLeft_ = addPan(Qt::LeftArrow, QStringLiteral("Move left (Left)"), PanDirection::Left);
    bUp_ = addPan(Qt::UpArrow, QStringLiteral("Move up (Up)"), PanDirection::Up);
    bDown_ = addPan(Qt::DownArrow, QStringLiteral("Move down (Down)"), PanDirection::Down);
    bRight_ = addPan(Qt::RightArrow, QStringLiteral("Move right (Right)"), PanDirection::Right);
}

void TSolarSystemMap::BuildMenus() {
    viewPopup_ = new QMenu(this);
    for (const MapPresetInfo& info : MapPresets::All()) {
        const MapPreset preset = info.preset;
        viewPopup_->addAction(QString::fromLatin1(info.caption), this,
                              [this, preset] { ShowPreset(preset); });
    }

    mapPopup_ = new QMenu(this);
    moveCameraTo_ = mapPopup_->addMenu(QStringLiteral("Move Camera to"));
    pointCameraAt_ = mapPopup_->addMenu(QStringLiteral("Point Camera at"));
    for (QMenu* menu : {moveCameraTo_, pointCameraAt_}) {
        menu->addAction(QStringLiteral("Position Clicked"), this,
                        &TSolarSystemMap::MoveCameraToPoint);
        menu->addSeparator();
    }
    mapPopup_->addSeparator();
    mapPopup_->addAction(QStringLiteral("Zoom In\t+"), this, [this] { Zoom(true, clickedPixel_); });
    mapPopup_->addAction(QStringLiteral("Zoom Out\t-"), this,
                         [this] { Zoom(false, clickedPixel_); });
    mapPopup_->addSeparator();
    const std::pair<const char*, PanDirection> moves[] = {
        {"Move Left\t<Left>", PanDirection::Left},
        {"Move Right\t<Right>", PanDirection::Right},
        {"Move Up\t<Up>", PanDirection::Up},
        {"Move Down\t<Down>", PanDirection::Down}};
    for (const auto& [caption, direction] : moves) {
        const PanDirection d = direction;
        mapPopup_->addAction(QString::fromLatin1(caption), this, [this, d] { Pan(d); });
    }
}

QToolButton* TSolarSystemMap::panButton(PanDirection direction) const {
    switch (direction) {
        case PanDirection::Left:
            return bLeft_;
        case PanDirection::Right:
            return bRight_;
        case PanDirection::Up:
            return bUp_;
        case PanDirection::Down:
            return bDown_;
    }
    return nullptr;
}

void TSolarSystemMap::FormResize() {
    geometry_.Resize(viewPort_->width(), viewPort_->height());
    DrawMap();
}

void TSolarSystemMap::DrawMap() {
    if (parentWidget() && parentWidget()->isMinimized()) return;
    updateTimer_.stop();
    hitList_ =
        renderer_.Draw(picture_, geometry_, Options(), sim_.camera().position, ticks_.elapsed());
    viewPort_->update();
    statusPanel_->setText(FormatText("Map width = %.0f km", geometry_.Width()));
    updateTimer_.start();
}

MapDrawOptions TSolarSystemMap::Options() const {
    MapDrawOptions options;
    options.planetOrbits = showPlanetOrbit_->isChecked();
    options.moonOrbits = showMoonOrbit_->isChecked();
    options.labels = showLabels_->isChecked();
    return options;
}

QString TSolarSystemMap::statusText() const {
    return statusPanel_->text();
}

QImage TSolarSystemMap::Picture(QSize size) {
    MapGeometry sized = geometry_;
    sized.Resize(size.width(), size.height());
    QImage picture;
    renderer_.Draw(picture, sized, Options(), sim_.camera().position, ticks_.elapsed());
    return picture;
}

void TSolarSystemMap::SetMapView(const Body& body, double halfSize) {
    const Ecliptic at = body.heliocentric();
    geometry_.SetMapView(at.x, at.y, halfSize);
    DrawMap();
}

void TSolarSystemMap::ShowPreset(MapPreset preset) {
    const MapPresetInfo& info = MapPresets::Info(preset);
    if (info.centre == PresetCentre::Camera) {
        const CameraState& camera = sim_.camera();
        geometry_.CentreOn(camera.position.x, camera.position.z,
                           MapPresets::CameraHalfWidth(camera, sim_));
        DrawMap();
        return;
    }
    if (const Body* body = MapPresets::CentreBody(sim_, info.centre))
        SetMapView(*body, info.halfSize);
}

void TSolarSystemMap::Pan(PanDirection direction) {
    geometry_.Pan(direction);
    DrawMap();
}

bool TSolarSystemMap::ZoomRefused(ZoomResult result) {
    if (result == ZoomResult::Zoomed) return false;
    ShowInfo(QString::fromLatin1(result == ZoomResult::TooFarIn ? kZoomInRefused : kZoomOutRefused),
             QString::fromLatin1(kZoomCaption));
    return true;
}

void TSolarSystemMap::Zoom(bool in, QPointF pixel) {
    if (ZoomRefused(in ? geometry_.ZoomIn(pixel) : geometry_.ZoomOut(pixel))) return;
    DrawMap();
    CentrePointer();
}

void TSolarSystemMap::ZoomAt(bool in, QPointF pixel) {
    if (ZoomRefused(geometry_.ZoomAt(pixel, in))) return;
    DrawMap();
}

void TSolarSystemMap::CentrePointer() {
    QCursor::setPos(
        viewPort_->mapToGlobal(QPoint(viewPort_->width() / 2, viewPort_->height() / 2)));
}

void TSolarSystemMap::RestoreView(const MapView& view) {
    if (geometry_.SetView(view)) DrawMap();
}

void TSolarSystemMap::Activated() {
    active_ = true;
    updateTimer_.start(kActiveInterval);
    emit activeChanged(true);
}

void TSolarSystemMap::Deactivated() {
    if (!active_) return;
    active_ = false;
    HideHint();
    updateTimer_.start(kInactiveInterval);
    emit activeChanged(false);
}

bool TSolarSystemMap::PointerInPicture(QPointF* at) const {
    const QPoint p = viewPort_->mapFromGlobal(QCursor::pos());
    if (p.x() <= 0 || p.y() <= 0 || p.x() >= viewPort_->width() || p.y() >= viewPort_->height())
        return false;
    *at = p;
    return true;
}

void TSolarSystemMap::keyPressEvent(QKeyEvent* event) {
    QPointF at;
    switch (event->key()) {
        case Qt::Key_Left:
            Pan(PanDirection::Left);
            break;
        case Qt::Key_Right:
            Pan(PanDirection::Right);
            break;
        case Qt::Key_Up:
            Pan(PanDirection::Up);
            break;
        case Qt::Key_Down:
            Pan(PanDirection::Down);
            break;
        case Qt::Key_Plus:
            if (PointerInPicture(&at)) Zoom(true, at);
            break;
        case Qt::Key_Minus:
            if (PointerInPicture(&at)) Zoom(false, at);
            break;
        default:
            QWidget::keyPressEvent(event);
    }
}

void TSolarSystemMap::keyReleaseEvent(QKeyEvent* event) {
    switch (event->key()) {
        case Qt::Key_Left:
        case Qt::Key_Right:
        case Qt::Key_Up:
        case Qt::Key_Down:
        case Qt::Key_Plus:
        case Qt::Key_Minus:
            break;
        case Qt::Key_F1:
            emit helpRequested(QStringLiteral("SolarSystemMap"));
            break;
        default:
            emit functionKeyPressed(event->key());
    }
}

bool TSolarSystemMap::eventFilter(QObject* watched, QEvent* event) {
    if (watched != viewPort_) return QWidget::eventFilter(watched, event);
    switch (event->type()) {
        case QEvent::Resize:
            FormResize();
            break;
        case QEvent::MouseMove:
            MouseMoved(static_cast<QMouseEvent*>(event));
            break;
        case QEvent::MouseButtonPress: {
            auto* mouse = static_cast<QMouseEvent*>(event);
            HideHint();
            if (mouse->button() == Qt::MiddleButton) {
                dragging_ = true;
                dragFrom_ = mouse->position().toPoint();
            }
            break;
        }
        case QEvent::MouseButtonRelease:
            MouseReleased(static_cast<QMouseEvent*>(event));
            break;
        case QEvent::Wheel: {
            auto* wheel = static_cast<QWheelEvent*>(event);
            wheelTurn_ += wheel->angleDelta().y();
            while (std::abs(wheelTurn_) >= kWheelNotch) {
                const bool in = wheelTurn_ > 0;
                wheelTurn_ += in ? -kWheelNotch : kWheelNotch;
                ZoomAt(in, wheel->position());
            }
            return true;
        }
        case QEvent::Leave:
            hintTimer_.stop();
            break;
        default:
            break;
    }
    return QWidget::eventFilter(watched, event);
}

void TSolarSystemMap::MouseMoved(QMouseEvent* event) {
    const QPoint at = event->position().toPoint();
    if (dragging_ && (event->buttons() & Qt::MiddleButton)) {
        // The map follows the pointer.
        const MapExtent& e = geometry_.extent();
        const double kx = geometry_.KmPerPixel();
        const double kz = viewPort_->height() > 0 ? (e.top - e.bottom) / viewPort_->height() : kx;
        const double dx = (at.x() - dragFrom_.x()) * kx;
        const double dz = (at.y() - dragFrom_.y()) * kz;
        geometry_.SetExtent({e.left - dx, e.right - dx, e.top + dz, e.bottom + dz});
        dragFrom_ = at;
        DrawMap();
        return;
    }
    if (event->buttons() != Qt::NoButton) return;
    if (hint_->isVisible() && (std::abs(at.x() - hintShownFor_.x()) > MapHits::kHintRadius ||
                               std::abs(at.y() - hintShownFor_.y()) > MapHits::kHintRadius))
        HideHint();
    lastMouse_ = at;
    hintTimer_.start(style()->styleHint(QStyle::SH_ToolTip_WakeUpDelay));
}

void TSolarSystemMap::MouseReleased(QMouseEvent* event) {
    if (event->button() == Qt::MiddleButton) {
        dragging_ = false;
        return;
    }
    if (event->button() != Qt::LeftButton && event->button() != Qt::RightButton) return;
    OpenMapPopup(event->position().toPoint());
}

void TSolarSystemMap::OpenMapPopup(QPoint pixel) {
    HideHint();
    clickedPixel_ = pixel;
    clickedWorld_ = geometry_.PixelToWorld(pixel.x(), pixel.y());
    for (QAction* action : bodyActions_) delete action;
    bodyActions_.clear();
    for (Body* body : MapHits::NearestBodies(hitList_, clickedWorld_.x(), clickedWorld_.y())) {
        bodyActions_ << moveCameraTo_->addAction(body->name(), this, [this, body] {
            camera_.MoveCameraTo(body, camera_.controls().where);
            DrawMap();
        });
        bodyActions_ << pointCameraAt_->addAction(body->name(), this, [this, body] {
            camera_.LookAtTarget(body);
            if (camera_.renderNow) camera_.renderNow();
        });
    }
    mapPopup_->popup(viewPort_->mapToGlobal(pixel));
}

void TSolarSystemMap::MoveCameraToPoint() {
    camera_.SetSceneOrigin(clickedWorld_.x(), 0, clickedWorld_.y());
    if (camera_.renderNow) camera_.renderNow();
    DrawMap();
}

void TSolarSystemMap::HintTimerFired() {
    hintTimer_.stop();
    if (showLabels_->isChecked()) return;
    const QPoint pointer = viewPort_->mapFromGlobal(QCursor::pos());
    if (pointer != lastMouse_) return;
    ShowHintAt(pointer);
}

void TSolarSystemMap::ShowHintAt(QPoint pixel) {
    const MapHit* hit = MapHits::HintAt(hitList_, pixel);
    if (!hit) {
        HideHint();
        return;
    }
    hint_->setText(hit->body->name());
    hint_->adjustSize();
    hint_->move(viewPort_->mapToGlobal(pixel) + QPoint(kCursorSize / 4, kCursorSize));
    hint_->show();
    hintShownFor_ = pixel;
}

void TSolarSystemMap::HideHint() {
    hint_->hide();
}

bool TSolarSystemMap::hintShowing() const {
    return hint_->isVisible();
}

QString TSolarSystemMap::hintText() const {
    return hint_->text();
}
