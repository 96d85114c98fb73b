#pragma once

#include <QImage>
#include <QWidget>

namespace sky {

// Shows a picture drawn elsewhere (the sky, the direction strip, the tilt scale) and passes
// the mouse on.
class SkyPictureWidget : public QWidget {
    Q_OBJECT
  public:
    explicit SkyPictureWidget(QWidget* parent = nullptr);

    QImage& picture() { return picture_; }
    const QImage& picture() const { return picture_; }
    // A picture of the widget's size (less the margins), black until drawn into.
    void FitPicture(int lessWidth = 0, int lessHeight = 0);

  signals:
    void mouseReleased(Qt::MouseButton button, QPoint at);
    void mouseMoved(QPoint at);
    void wheelTurned(double notches);
    void resized();

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

  private:
    QImage picture_;
};

}  // namespace sky
