#pragma once

#include <QElapsedTimer>
#include <QImage>
#include <QTimer>
#include <QWidget>

#include "tours/widgets/NarratorFigure.h"

// The narrator's own window: frameless, with a see-through background, always above the
// program, never taking the keyboard. It shows the figure in its current pose and animates
// the idle bob, the blink and the hiding.
class NarratorWindow : public QWidget {
    Q_OBJECT
  public:
    explicit NarratorWindow(QWidget* parent = nullptr);

    void SetPose(NarratorPose::Kind kind, QPointF towards = {});
    NarratorPose::Kind pose() const { return pose_.kind; }
    // Shrinks away over `ms`, then hides; hidden() is emitted at the end.
    void Hide(int ms);
    // The picture as it is now, for tests and pictures of the program.
    const QImage& picture() const { return picture_; }

  signals:
    void hidden();

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    void Tick();
    void Redraw();

    NarratorPose pose_;
    QImage picture_;
    QTimer animation_;
    QElapsedTimer clock_;
    qint64 hideStart_ = 0;
    int hideMs_ = 0;
};
