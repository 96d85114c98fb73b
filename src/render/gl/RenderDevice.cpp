#include "render/gl/RenderDevice.h"

#include <QOffscreenSurface>
#include <QOpenGLContext>
#include <QOpenGLFramebufferObject>
#include <QOpenGLFunctions>

#include "core/Log.h"
#include "core/SettingsStore.h"
#include "render/ErrorTexts.h"
#include "render/TextureLoader.h"

namespace {
const char* kSoftwareFailed =
    "The software renderer could not be started.\nThis is a serious problem and Orbivale can not "
    "contine.";
const char* kNoSoftware =
    "The device you had selected could not be loaded and the software renderer could not be found "
    "Orbivale "
    "cannot be run with this problem.";
const char* kBothFailed =
    "The device you had selected could not be initialised and neither could\nthe software "
    "renderer. Orbivale "
    "cannot be run with this problem.";
const char* kFellBack =
    "The device you had selected could not be loaded so\nthe software renderer has been used "
    "instead. Please "
    "check system settings.\nThe error at the top of this window relates to the original device.";
}  // namespace

QSurfaceFormat ProgramSurfaceFormat(bool core) {
    QSurfaceFormat f;
    f.setDepthBufferSize(24);
    f.setRedBufferSize(8);
    f.setGreenBufferSize(8);
    f.setBlueBufferSize(8);
    if (core) {
        f.setVersion(3, 3);
        f.setProfile(QSurfaceFormat::CoreProfile);
    } else {
        f.setVersion(2, 1);
    }
    return f;
}

RenderDevice::RenderDevice(scene::Scene& scene) : scene_(scene) {}

RenderDevice::~RenderDevice() {
    if (context_ && surface_ && context_->makeCurrent(surface_.get())) {
        renderer_.releaseResources();
        target_.reset();
        context_->doneCurrent();
    }
}

bool RenderDevice::MakeContext() {
    for (bool core : {true, false}) {
        surface_ = std::make_unique<QOffscreenSurface>();
        surface_->setFormat(ProgramSurfaceFormat(core));
        surface_->create();
        context_ = std::make_unique<QOpenGLContext>();
        context_->setFormat(ProgramSurfaceFormat(core));
        if (!context_->create() || !context_->makeCurrent(surface_.get())) continue;
        auto* gl = context_->functions();
        glVendor_ = QString::fromLatin1(reinterpret_cast<const char*>(gl->glGetString(GL_VENDOR)));
        glRenderer_ =
            QString::fromLatin1(reinterpret_cast<const char*>(gl->glGetString(GL_RENDERER)));
        glVersion_ =
            QString::fromLatin1(reinterpret_cast<const char*>(gl->glGetString(GL_VERSION)));
        const auto v = context_->format().version();
        if (v >= qMakePair(2, 1)) return true;
        context_->doneCurrent();
    }
    context_.reset();
    return false;
}

void RenderDevice::ReadCapabilities(const SettingsStore& settings) {
    auto* gl = context_->functions();
    GLint maxTexture = 0;
    gl->glGetIntegerv(GL_MAX_TEXTURE_SIZE, &maxTexture);
    glMaxTexture_ = std::max(256, int(maxTexture));
    setTextureSizeCap(settings.get(settings::MaxTextureSize));
    const QSurfaceFormat f = context_->format();
    const int bits = f.redBufferSize() + f.greenBufferSize() + f.blueBufferSize();
    depthClass_ = bits >= 24 ? 6 : bits >= 15 ? 7 : bits == 8 ? 9 : 6;
    formats_ = OpenGlTextureFormats();
    settings_.quality = scene::Quality::GouraudLit;
    settings_.blendedTransparency = true;
    settings_.mipmapFiltering = settings.get(settings::MipmapAutoGenerate);
    useOurTextures_ = settings.get(settings::UseOurTextures);
}

void RenderDevice::setTextureSizeCap(int cap) {
    maxTextureSize_ = glMaxTexture_;
    // Only powers of two from 64 up make sense as tile sizes.
    if (cap >= 64)
        maxTextureSize_ = std::min(glMaxTexture_, 1 << (31 - __builtin_clz(unsigned(cap))));
}

RenderDevice::Result RenderDevice::Create(GraphicsSystem& system, scene::Scene& scene,
                                          const SettingsStore& settings) {
    Result result;
    std::unique_ptr<RenderDevice> device(new RenderDevice(scene));
    const bool haveDriver = system.selected() >= 0;
    if (!haveDriver || !device->MakeContext()) {
        const std::uint32_t code = haveDriver ? RenderError::NoContext : RenderError::NoDriver;
        if (haveDriver && system.selected() == system.software()) {
            ReportPlatformError(code, QString::fromLatin1(kSoftwareFailed));
            result.fatal = true;
            return result;
        }
        if (system.software() < 0) {
            ReportPlatformError(code, QString::fromLatin1(kNoSoftware));
            result.fatal = true;
            return result;
        }
        ForceSoftwareRenderer();
        if (!device->MakeContext()) {
            ReportPlatformError(RenderError::NoContext, QString::fromLatin1(kBothFailed));
            result.fatal = true;
            return result;
        }
        system.selectSoftware();
        ReportPlatformError(code, QString::fromLatin1(kFellBack));
    } else if (system.selectedIsHardware() && IsSoftwareRendererString(device->glRenderer_) &&
               system.software() >= 0) {
        // The GPU's driver did not load and OpenGL quietly gave the rasteriser instead.
        system.selectSoftware();
        ReportPlatformError(RenderError::NoContext, QString::fromLatin1(kFellBack));
    }
    device->hardware_ = system.selectedIsHardware();
    device->ReadCapabilities(settings);
    LogToFile("OpenGL renderer: %s, %s, %s", qUtf8Printable(device->glVendor_),
              qUtf8Printable(device->glRenderer_), qUtf8Printable(device->glVersion_));
    result.device = std::move(device);
    return result;
}

QImage RenderDevice::RenderToImage(int width, int height) {
    if (!context_ || !context_->makeCurrent(surface_.get())) return {};
    if (!target_ || target_->size() != QSize(width, height)) {
        target_.reset();
        QOpenGLFramebufferObjectFormat f;
        f.setAttachment(QOpenGLFramebufferObject::Depth);
        target_ = std::make_unique<QOpenGLFramebufferObject>(width, height, f);
        if (!target_->isValid()) {
            target_.reset();
            return {};
        }
    }
    target_->bind();
    scene_.viewport().setSize(width, height);
    if (!renderer_.clear()) {
        LogToFile("Failed to clear viewport: %s", qUtf8Printable(renderer_.error()));
        target_->release();
        return {};
    }
    if (drawBackground) {
        QImage background(width, height, QImage::Format_ARGB32_Premultiplied);
        background.fill(Qt::transparent);
        drawBackground(background);
        renderer_.drawBackground(background);
    }
    if (!renderer_.render(scene_, settings_)) {
        LogToFile("Failed to render universe: %s", qUtf8Printable(renderer_.error()));
    }
    QImage picture = target_->toImage().convertToFormat(QImage::Format_RGB32);
    target_->release();
    return picture;
}
