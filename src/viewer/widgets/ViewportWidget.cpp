#include "viewer/widgets/ViewportWidget.h"

#include <QPainter>

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
    renderer_.clear();
    ok_ = renderer_.render(scene_, settings);
    if (!ok_)
        error_ = renderer_.error();
    else
        ++frames_;
    if (drawOverlay && (!overlayWanted || overlayWanted())) {
        Surface overlay(QImage(scene_.viewport().width(), scene_.viewport().height(),
                               QImage::Format_ARGB32_Premultiplied));
        overlay.image().fill(Qt::transparent);
        drawOverlay(overlay);
        QPainter painter(this);
        painter.drawImage(QRectF(0, 0, width(), height()), overlay.image());
    }
}
