#pragma once

#include <QImage>
#include <QString>
#include <functional>
#include <memory>

#include "render/GraphicsSystem.h"
#include "render/TextureDevice.h"
#include "render/gl/GlSceneRenderer.h"

class QOffscreenSurface;
class QOpenGLContext;
class QOpenGLFramebufferObject;
class SettingsStore;

// The viewer's render device on OpenGL: the checked renderer, its limits and render
// settings, and an offscreen target for pictures made without a window.
class RenderDevice : public TextureDevice {
  public:
    struct Result {
        std::unique_ptr<RenderDevice> device;
        bool fatal = false;  // a message was shown and the program must end
    };
    // Makes a context on the selected driver, falling back to the software rasteriser with
    // the usual messages when the selected one cannot start.
    static Result Create(GraphicsSystem& system, scene::Scene& scene,
                         const SettingsStore& settings);
    ~RenderDevice() override;

    int maxTextureSize() const override { return maxTextureSize_; }
    const std::vector<PixelFormat>& textureFormats() const override { return formats_; }
    int displayDepthClass() const override { return depthClass_; }
    bool useOurTextures() const override { return useOurTextures_; }
    bool mipmapAutoGenerate() const override { return settings_.mipmapFiltering; }
    scene::Scene& scene() override { return scene_; }

    const RenderSettings& renderSettings() const { return settings_; }
    const QString& glVendor() const { return glVendor_; }
    const QString& glRenderer() const { return glRenderer_; }
    const QString& glVersion() const { return glVersion_; }
    bool hardware() const { return hardware_; }
    void setUseOurTextures(bool on) { useOurTextures_ = on; }
    void setMipmapFiltering(bool on) { settings_.mipmapFiltering = on; }
    // Caps the largest texture (0: the OpenGL limit), so that the split paths can be used.
    void setTextureSizeCap(int cap);

    // Renders the scene at this size offscreen and returns the picture (null on failure).
    QImage RenderToImage(int width, int height);
    // Draws onto the rendered picture before it is handed out (the star field's surface path).
    std::function<void(QImage&)> afterRender;

  private:
    explicit RenderDevice(scene::Scene& scene);
    bool MakeContext();
    void ReadCapabilities(const SettingsStore& settings);

    scene::Scene& scene_;
    std::unique_ptr<QOffscreenSurface> surface_;
    std::unique_ptr<QOpenGLContext> context_;
    std::unique_ptr<QOpenGLFramebufferObject> target_;
    GlSceneRenderer renderer_;
    RenderSettings settings_;
    std::vector<PixelFormat> formats_;
    int glMaxTexture_ = 2048;
    int maxTextureSize_ = 2048;
    int depthClass_ = 6;
    bool useOurTextures_ = false;
    bool hardware_ = false;
    QString glVendor_, glRenderer_, glVersion_;
};

// The surface format every OpenGL surface of the program uses (depth buffer, 3.3 core).
QSurfaceFormat ProgramSurfaceFormat(bool core = true);
