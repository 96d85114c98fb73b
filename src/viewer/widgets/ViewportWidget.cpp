#include "viewer/widgets/ViewportWidget.h"

#include "render/Surface.h"

ViewportWidget::ViewportWidget(scene::Scene& scene, QWidget* parent)
    : QOpenGLWidget(parent), scene_(scene) {
    setMouseTracking(true);
    setMinimumSize(32, 32);
}

ViewportWidget::~ViewportWidget() {
    makeCurrent();
    renderer_.releaseResources();
    doneCurrent();
}

void ViewportWidget::initializeGL() {
    if (!renderer_.initialise()) {
        ok_ = false;
        error_ = renderer_.error();
    }
}

void ViewportWidget::resizeGL(int, int) {
    emit resized();
}

void ViewportWidget::paintGL() {
    const qreal ratio = devicePixelRatioF();
    scene_.viewport().setSize(int(width() * ratio), int(height() * ratio));
    clearOk_ = renderer_.clear();
    if (!clearOk_) {
        ok_ = false;
        error_ = renderer_.error();
        return;
    }
    if (drawOverlay && (!overlayWanted || overlayWanted())) {
        Surface sky(QImage(scene_.viewport().width(), scene_.viewport().height(),
                           QImage::Format_ARGB32_Premultiplied));
        sky.image().fill(Qt::transparent);
        drawOverlay(sky);
        renderer_.drawBackground(sky.image());
    }
    ok_ = renderer_.render(scene_, settings);
    if (!ok_)
        error_ = renderer_.error();
    else
        ++frames_;
}
