#include "sky/widgets/SkyPictureWidget.h"

#include <QMouseEvent>
#include <QPainter>
#include <QWheelEvent>

namespace sky {

SkyPictureWidget::SkyPictureWidget(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void SkyPictureWidget::FitPicture(int lessWidth, int lessHeight) {
    const QSize size(std::max(1, width() - lessWidth), std::max(1, height() - lessHeight));
    if (picture_.size() == size) return;
    picture_ = QImage(size, QImage::Format_RGB32);
    picture_.fill(Qt::black);
}

void SkyPictureWidget::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), palette().window());
    // Centred, so that a picture a few pixels smaller than the widget has an even margin.
    p.drawImage((width() - picture_.width()) / 2, (height() - picture_.height()) / 2, picture_);
}

void SkyPictureWidget::mouseReleaseEvent(QMouseEvent* event) {
    emit mouseReleased(event->button(), event->position().toPoint());
}

void SkyPictureWidget::mouseMoveEvent(QMouseEvent* event) {
    emit mouseMoved(event->position().toPoint());
}

void SkyPictureWidget::wheelEvent(QWheelEvent* event) {
    emit wheelTurned(event->angleDelta().y() / 120.0);
    event->accept();
}

void SkyPictureWidget::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    emit resized();
}

}  // namespace sky
