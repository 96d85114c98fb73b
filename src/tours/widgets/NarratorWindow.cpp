#include "tours/widgets/NarratorWindow.h"

#include <QPainter>

namespace {
constexpr int kFrameMs = 50;
constexpr int kBobMs = 2400;
constexpr int kBlinkEveryMs = 3700;
constexpr int kBlinkMs = 160;
}  // namespace

NarratorWindow::NarratorWindow(QWidget* parent)
    : QWidget(parent, Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint |
                          Qt::WindowDoesNotAcceptFocus | Qt::NoDropShadowWindowHint) {
    setAttribute(Qt::WA_TranslucentBackground);
    setAttribute(Qt::WA_ShowWithoutActivating);
    setFocusPolicy(Qt::NoFocus);
    setWindowTitle(QStringLiteral("Narrator"));
    // A little see-through, so the window it stands on still shows.
    setWindowOpacity(0.94);
    setFixedSize(NarratorFigure::kSize);
    clock_.start();
    animation_.setInterval(kFrameMs);
    connect(&animation_, &QTimer::timeout, this, &NarratorWindow::Tick);
    Redraw();
}

void NarratorWindow::SetPose(NarratorPose::Kind kind, QPointF towards) {
    pose_.kind = kind;
    pose_.towards = towards;
    pose_.hidden = 0;
    hideMs_ = 0;
    if (!animation_.isActive()) animation_.start();
    Redraw();
}

void NarratorWindow::Hide(int ms) {
    pose_.kind = NarratorPose::Kind::Hiding;
    pose_.hidden = 0;
    hideStart_ = clock_.elapsed();
    hideMs_ = std::max(1, ms);
    if (!animation_.isActive()) animation_.start();
    Redraw();
}

void NarratorWindow::Tick() {
    const qint64 now = clock_.elapsed();
    pose_.phase = double(now % kBobMs) / kBobMs;
    // The first blink comes a few seconds in, not as it appears.
    pose_.blinking = now % kBlinkEveryMs >= kBlinkEveryMs - kBlinkMs;
    if (pose_.kind == NarratorPose::Kind::Hiding && hideMs_ > 0) {
        pose_.hidden = double(now - hideStart_) / hideMs_;
        if (pose_.hidden >= 1.0) {
            hideMs_ = 0;
            animation_.stop();
            hide();
            emit hidden();
            return;
        }
    }
    if (isVisible()) Redraw();
}

void NarratorWindow::Redraw() {
    picture_ = NarratorFigure::Draw(pose_, devicePixelRatioF());
    update();
}

void NarratorWindow::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setCompositionMode(QPainter::CompositionMode_Source);
    p.fillRect(rect(), Qt::transparent);
    p.setCompositionMode(QPainter::CompositionMode_SourceOver);
    p.drawImage(QPoint(0, 0), picture_);
}
