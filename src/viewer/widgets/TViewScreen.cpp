#include "viewer/widgets/TViewScreen.h"

#include <QApplication>
#include <QClipboard>
#include <QFileInfo>
#include <QKeyEvent>
#include <QVBoxLayout>
#include <QWheelEvent>
#include <cmath>

#include "core/Angles.h"
#include "core/Body.h"
#include "core/CheckedSaveFile.h"
#include "core/Log.h"
#include "core/Prompter.h"
#include "render/ErrorTexts.h"
#include "render/Surface.h"
#include "sky/StarFieldView.h"

namespace {

// A digit key by its place on the keyboard, whatever Shift makes of it.
int DigitOf(const QKeyEvent* e) {
    const int code = int(e->nativeScanCode());
    if (code >= 10 && code <= 19) return code == 19 ? 0 : code - 9;  // X keycodes of 1..9, 0
    static const QString shifted = QStringLiteral(")!@#$%^&*(");
    const int at = int(shifted.indexOf(e->text()));
    if (!e->text().isEmpty() && at >= 0) return at;
    if (e->key() >= Qt::Key_0 && e->key() <= Qt::Key_9) return e->key() - Qt::Key_0;
    return -1;
}

// A slim four-sided arrow along +z, in scene units.
std::shared_ptr<scene::Mesh> MakeArrow(scene::Scene& scene) {
    auto mesh = scene.createMesh();
    const scene::Vec3 tip{0, 0, 1}, a{-0.08, -0.08, 0}, b{0.08, -0.08, 0}, c{0.08, 0.08, 0},
        d{-0.08, 0.08, 0};
    const scene::Vec3 tris[][3] = {{a, tip, b}, {b, tip, c}, {c, tip, d},
                                   {d, tip, a}, {a, b, c},   {a, c, d}};
    std::vector<scene::Vertex> v;
    for (const auto& t : tris) {
        const scene::Vec3 n = scene::Normalised(scene::Cross(t[1] - t[0], t[2] - t[0]));
        for (const auto& p : t) {
            scene::Vertex x;
            x.x = float(p.x), x.y = float(p.y), x.z = float(p.z);
            x.nx = float(n.x), x.ny = float(n.y), x.nz = float(n.z);
            v.push_back(x);
        }
    }
    std::vector<unsigned> idx(v.size());
    for (unsigned i = 0; i < idx.size(); ++i) idx[i] = i;
    const int g = mesh->addGroup(int(v.size()), int(v.size() / 3), 3, idx.data());
    mesh->setVertices(g, 0, int(v.size()), v.data());
    mesh->setGroupQuality(g, scene::Quality::FlatLit);
    mesh->setName(QStringLiteral("Pointer"));
    return mesh;
}

}  // namespace

TViewScreen::TViewScreen(Simulation& sim, Camera& camera, StarFieldView& stars,
                         const RenderSettings& renderSettings, QWidget* parent)
    : QWidget(parent), sim_(sim), camera_(camera), stars_(stars) {
    setWindowTitle(QStringLiteral("View Screen"));
    setFocusPolicy(Qt::StrongFocus);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    viewport_ = new ViewportWidget(sim.scene(), this);
    viewport_->settings = renderSettings;
    viewport_->setFocusProxy(this);
    layout->addWidget(viewport_);
    viewport_->drawOverlay = [this](Surface& overlay) {
        stars_.SurfacePath(sim_.scene().viewport(), camera_.Forward(), overlay);
    };
    viewport_->overlayWanted = [this] { return !stars_.useDrawPrimitives(); };
    connect(viewport_, &ViewportWidget::mouseReleased, this, &TViewScreen::MouseReleased);
    connect(viewport_, &ViewportWidget::mouseMoved, this, &TViewScreen::MouseMoved);
    connect(viewport_, &ViewportWidget::resized, this, &TViewScreen::Resized);
    // Queued: a failure is reported once the window has finished showing the frame.
    connect(viewport_, &QOpenGLWidget::frameSwapped, this, &TViewScreen::CheckFrame,
            Qt::QueuedConnection);
    alarm_.setInterval(250);
    connect(&alarm_, &QTimer::timeout, this, [this] { RenderNow(); });
    pointerMaterial_ = sim.scene().createMaterial(0);
    pointerMaterial_->setName(
        scene::SceneName(QStringLiteral("Material:"), QStringLiteral("Pointer")));
    camera_.renderNow = [this] { RenderNow(); };
    camera_.refreshCaption = [this] { RefreshCaption(); };
    sim_.hooks().refreshCaption = [this] { RefreshCaption(); };
    RefreshCaption();
}

TViewScreen::~TViewScreen() {
    camera_.renderNow = nullptr;
    camera_.refreshCaption = nullptr;
    sim_.hooks().refreshCaption = nullptr;
    SetPointer(false);
    joystick_.Close();
}

bool TViewScreen::RenderNow() {
    if (rendering_) return true;
    rendering_ = true;
    struct Clear {
        bool& flag;
        ~Clear() { flag = false; }
    } clear{rendering_};
    if (stopped_) return false;
    sim_.UpdateSimulation();
    if (isMinimized() || (parentWidget() && parentWidget()->isMinimized()) || !isVisible())
        return true;
    ReadJoystick();
    if (pointerShown_) UpdatePointer();
    // Asked for rather than painted at once: a frame forced out while windows are being moved
    // or resized leaves their old outlines on the screen. It is checked once it is shown.
    viewport_->update();
    return true;
}

void TViewScreen::CheckFrame() {
    if (stopped_) return;
    if (!viewport_->lastFrameOk()) {
        stopped_ = true;
        const QString what = viewport_->lastClearOk() ? QStringLiteral("Failed to render universe")
                                                      : QStringLiteral("Failed to clear viewport");
        ReportPlatformError(RenderError::ShaderFailed,
                            what + QLatin1Char('\n') + viewport_->lastError());
        return;
    }
    // A frame drawn without a framebuffer to hold it never reaches the window.
    if (viewport_->isValid() && viewport_->defaultFramebufferObject() == 0) {
        stopped_ = true;
        ReportPlatformError(RenderError::NoFramebuffer, QStringLiteral("Failed to update device"));
    }
}

void TViewScreen::SetBaseInterval(int ms) {
    base_ = std::max(1, ms);
    slow_ = 5 * base_;
    slowest_ = 100 * base_;
    alarm_.stop();
    alarm_.start(base_);
    RenderNow();
}

void TViewScreen::UseBaseInterval() {
    alarm_.start(base_);
}
void TViewScreen::UseSlowInterval() {
    alarm_.start(slow_);
}
void TViewScreen::UseSlowestInterval() {
    alarm_.start(slowest_);
}

void TViewScreen::RefreshCaption() {
    const CameraState& cam = sim_.camera();
    Body* target = camera_.controls().target;
    const bool holding = cam.mode == CameraMode::Holding && cam.modeBody;
    const auto c = ViewerInput::BuildCaption(
        holding ? cam.modeBody->name() : QString(), camera_.controls().lockOn && target,
        target ? target->name() : QString(),
        cam.mode == CameraMode::Holding && target && target == cam.modeBody, sim_.ClockSpeed());
    viewport_->setToolTip(c.hint);
    setWindowTitle(c.caption);
}

QImage TViewScreen::Picture() {
    return viewport_->grabFramebuffer();
}

const char* TViewScreen::PictureFormat(const QString& fileName) {
    const QString suffix = QFileInfo(fileName).suffix().toLower();
    if (suffix == QLatin1String("png")) return "PNG";
    if (suffix == QLatin1String("jpg") || suffix == QLatin1String("jpeg")) return "JPEG";
    if (suffix == QLatin1String("bmp")) return "BMP";
    return nullptr;
}

bool TViewScreen::SavePicture(const QString& fileName) {
    const QImage picture = Picture();
    if (picture.isNull()) {
        ReportError("I could not acquire access to the viewscreen.");
        return false;
    }
    const QImage bitmap = picture.convertToFormat(QImage::Format_RGB888);
    if (fileName.isEmpty()) {
        QApplication::clipboard()->setImage(bitmap);
        return true;
    }
    // The name's extension chooses the format; anything else is written as a bitmap.
    const char* format = PictureFormat(fileName);
    CheckedSaveFile file(fileName);
    if (file.open() && !bitmap.save(&file.device(), format ? format : "BMP", 92)) file.fail();
    if (!file.commit()) {
        ReportError("An unexpected error occurred whilst trying to save the image.");
        return false;
    }
    return true;
}

void TViewScreen::SetPointer(bool shown) {
    if (shown == pointerShown_) return;
    pointerShown_ = shown;
    if (shown) {
        pointerFrame_ = sim_.scene().createFrame(sim_.scene().root().get());
        pointerFrame_->setName(
            scene::SceneName(QStringLiteral("Frame:"), QStringLiteral("Pointer")));
        pointer_ = MakeArrow(sim_.scene());
        pointer_->setGroupMaterial(0, pointerMaterial_);
        pointerFrame_->addVisual(pointer_);
        UpdatePointer();
    } else if (pointerFrame_) {
        pointerFrame_->detach();
        pointerFrame_.reset();
        pointer_.reset();
    }
}

void TViewScreen::UpdatePointer() {
    Body* target = camera_.controls().target;
    if (!pointerFrame_) return;
    if (!target) {
        pointerFrame_->deleteVisual(pointer_.get());
        return;
    }
    pointerFrame_->addVisual(pointer_);
    // Just beyond the front plane and below the centre of the view, pointing at the target;
    // its length is kept at a fixed share of that distance so it always looks the same size.
    const scene::Viewport& view = sim_.scene().viewport();
    const scene::Transform cam = sim_.scene().camera()->worldTransform();
    const double distance = view.front() * 3;
    pointerFrame_->setPosition(sim_.scene().root().get(),
                               cam.applyPoint({0, -view.field() * 2, distance}));
    pointerFrame_->lookAt(*target->frame(), scene::LookAtConstraint::NoRoll);
    const scene::Box box = pointer_->boundingBox();
    const double length = box.max.z - box.min.z, wanted = distance * 0.15;
    if (length > 0 && std::fabs(length - wanted) > 1e-6 * wanted)
        pointer_->scale(wanted / length, wanted / length, wanted / length);
    const bool inFront = view.transform(target->frame()->position(sim_.scene().root().get())).w > 0;
    const scene::Colour3 tint = inFront ? scene::Colour3{0, 0.5, 0} : scene::Colour3{0.5, 0, 0};
    pointer_->setColour(inFront ? 0xFF008000u : 0xFF800000u);
    pointerMaterial_->setAmbient(tint);
    pointerMaterial_->setEmissive(tint);
}

bool TViewScreen::EnableJoystick(bool on) {
    if (!on) {
        joystick_.Close();
        return true;
    }
    if (!joystick_.Open()) {
        Log("Joystick enabled, but no joystick was found");
        return false;
    }
    lastStickX_ = lastStickY_ = 0;
    Log("Joystick enabled");
    return true;
}

void TViewScreen::ReadJoystick() {
    Joystick::State s;
    if (!joystick_.isOpen() || !joystick_.Read(s)) return;
    const int ax = ViewerInput::StickAxis(s.x), ay = ViewerInput::StickAxis(s.y);
    if (std::abs(s.x) >= 100 || std::abs(s.y) >= 100 || std::abs(lastStickX_) >= 100 ||
        std::abs(lastStickY_) >= 100) {
        lastStickX_ = ax;
        lastStickY_ = ay;
        camera_.StopPadRotation();
        camera_.Roll(ax * 0.1 / 900);
        const double pitch = ay * 0.1 / 900;
        camera_.Pitch(options_.invertKeyboard ? -pitch : pitch);
    }
    camera_.SetThrottle(ViewerInput::JoystickThrottle(s.z, invertThrottle_));
}

void TViewScreen::CharacterKey(QChar c) {
    const QChar k = c.toUpper();
    if (c.isDigit()) {
        camera_.SetThrottle(
            ViewerInput::ThrottleAfterDigit(camera_.controls().throttle, c.digitValue(), false));
    } else if (c == QLatin1Char('+')) {
        camera_.Faster();
    } else if (c == QLatin1Char('-')) {
        camera_.Slower();
    } else if (k == QLatin1Char('L')) {
        camera_.LookAtTarget(camera_.controls().target);
    } else if (k == QLatin1Char('M')) {
        if (!camera_.controls().lockOn)
            SetMouseLook(!mouseLook_, viewport_->mapFromGlobal(QCursor::pos()));
    } else if (k == QLatin1Char('N')) {
        camera_.LookAtNearest();
    } else if (k == QLatin1Char('P')) {
        SetPointer(!pointerShown_);
    } else if (k == QLatin1Char('R')) {
        camera_.Yaw(kPi);  // turn round
    } else if (k == QLatin1Char('S')) {
        camera_.StopCamera();
    } else {
        return;
    }
    RenderNow();
}

void TViewScreen::SetMouseLook(bool on, const QPoint& at) {
    mouseLook_ = on;
    if (on) {
        camera_.StopPadRotation();
        lastMouse_ = at;
        viewport_->setCursor(Qt::OpenHandCursor);
    } else {
        viewport_->unsetCursor();
    }
}

void TViewScreen::RotationKey(int key, ViewerInput::Axis axis, int sign) {
    const ViewerInput::Turn t = keys_.press(key, axis, sign, options_.invertKeyboard);
    if (!t.any()) return;
    camera_.StopPadRotation();
    if (t.yaw != 0) camera_.Yaw(t.yaw);
    if (t.pitch != 0) camera_.Pitch(t.pitch);
    if (t.roll != 0) camera_.Roll(t.roll);
    RenderNow();
}

void TViewScreen::keyPressEvent(QKeyEvent* e) {
    alarm_.setInterval(base_);
    const bool shift = e->modifiers() & Qt::ShiftModifier;
    const int digit = DigitOf(e);
    if (shift && digit >= 0 && !(e->modifiers() & Qt::KeypadModifier)) {
        camera_.SetThrottle(
            ViewerInput::ThrottleAfterDigit(camera_.controls().throttle, digit, true));
        RenderNow();
        return;
    }
    switch (e->key()) {
        case Qt::Key_Left:
            RotationKey(e->key(), ViewerInput::Axis::Yaw, -1);
            return;
        case Qt::Key_Right:
            RotationKey(e->key(), ViewerInput::Axis::Yaw, 1);
            return;
        case Qt::Key_Up:
            RotationKey(e->key(), ViewerInput::Axis::Pitch, 1);
            return;
        case Qt::Key_Down:
            RotationKey(e->key(), ViewerInput::Axis::Pitch, -1);
            return;
        case Qt::Key_Comma:
            RotationKey(e->key(), ViewerInput::Axis::Roll, -1);
            return;
        case Qt::Key_Period:
            RotationKey(e->key(), ViewerInput::Axis::Roll, 1);
            return;
        default:
            break;
    }
    if (!e->text().isEmpty() && !(e->modifiers() & (Qt::ControlModifier | Qt::AltModifier))) {
        CharacterKey(e->text().at(0));
        return;
    }
    QWidget::keyPressEvent(e);
}

void TViewScreen::keyReleaseEvent(QKeyEvent* e) {
    if (e->isAutoRepeat()) return;  // a held key's repeats are not releases
    keys_.release();
    if (e->key() == Qt::Key_F1) {
        emit helpRequested(QStringLiteral("Viewer"));
    } else if (e->key() == Qt::Key_F5 && (e->modifiers() & Qt::ControlModifier)) {
        stopped_ = false;
        Resized();
    } else {
        emit functionKeyPressed(e->key());
    }
}

void TViewScreen::wheelEvent(QWheelEvent* e) {
    // Fine-grained wheels send parts of a notch; they add up to whole ones.
    wheelAngle_ += e->angleDelta().y();
    const int notches = wheelAngle_ / 120;
    wheelAngle_ -= notches * 120;
    e->accept();
    if (notches == 0) return;
    // Through the camera, so the Viewer Controls' zoom slider follows.
    camera_.SetCameraField(ViewerInput::FieldAfterWheel(camera_.controls().cameraField, notches));
    RenderNow();
}

void TViewScreen::MouseReleased(QMouseEvent* e) {
    alarm_.setInterval(base_);
    if (e->button() != Qt::LeftButton) return;
    if (camera_.controls().lockOn) return;
    if (mouseLook_)
        SetMouseLook(false, {});
    else if (options_.allowMouseLook)
        SetMouseLook(true, e->position().toPoint());
}

void TViewScreen::MouseMoved(QMouseEvent* e) {
    if (!mouseLook_) return;
    const QPoint p = e->position().toPoint();
    const ViewerInput::Turn t =
        ViewerInput::MouseLook(lastMouse_.x(), lastMouse_.y(), p.x(), p.y(), options_.invertMouse);
    camera_.Yaw(t.yaw);
    camera_.Pitch(t.pitch);
    lastMouse_ = p;
    RenderNow();
}

void TViewScreen::Resized() {
    // The viewport takes the new size at the next frame; the field follows the zoom again.
    sim_.camera().lastClipStep = -1;
    if (isVisible()) RenderNow();
}

void TViewScreen::Activated() {
    if (!alarm_.isActive()) alarm_.start(base_);
    SetMouseLook(false, {});
    UseBaseInterval();
}

void TViewScreen::Deactivated() {
    mouseLook_ = false;
    if (!camera_.controls().lockOn) viewport_->unsetCursor();
}
