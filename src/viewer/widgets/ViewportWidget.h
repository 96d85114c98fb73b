#pragma once

#include <QOpenGLWidget>
#include <functional>

#include "render/gl/GlSceneRenderer.h"
#include "scene/Scene.h"

class Surface;

// The viewer's drawing area: renders the scene with OpenGL over a picture the star field's
// surface path draws first, so that the bodies cover the sky.
class ViewportWidget : public QOpenGLWidget {
    Q_OBJECT
  public:
    ViewportWidget(scene::Scene& scene, QWidget* parent = nullptr);
    ~ViewportWidget() override;

    RenderSettings settings;
    // Draws on a transparent picture laid under the scene (behind every body), when
    // overlayWanted says so (the picture is only made then).
    std::function<void(Surface&)> drawOverlay;
    std::function<bool()> overlayWanted;
    // False when the last frame failed.
    bool lastFrameOk() const { return ok_; }
    // False when the last frame failed already at clearing the picture.
    bool lastClearOk() const { return clearOk_; }
    const QString& lastError() const { return error_; }
    // Frames rendered so far.
    int frames() const { return frames_; }

  signals:
    void mouseReleased(QMouseEvent* event);
    void mouseMoved(QMouseEvent* event);
    void resized();

  protected:
    void initializeGL() override;
    void paintGL() override;
    void resizeGL(int w, int h) override;
    void mouseReleaseEvent(QMouseEvent* event) override { emit mouseReleased(event); }
    void mouseMoveEvent(QMouseEvent* event) override { emit mouseMoved(event); }

  private:
    scene::Scene& scene_;
    GlSceneRenderer renderer_;
    bool ok_ = true;
    bool clearOk_ = true;
    QString error_;
    int frames_ = 0;
};
