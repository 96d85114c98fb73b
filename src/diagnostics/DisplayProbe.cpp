#include "diagnostics/DisplayProbe.h"

#include <QGuiApplication>
#include <QOffscreenSurface>
#include <QOpenGLContext>
#include <QOpenGLFunctions>
#include <QScreen>
#include <cmath>

#include "render/GraphicsSystem.h"
#include "render/gl/GlProbe.h"

bool HaveDisplay() {
    if (!qobject_cast<QGuiApplication*>(QCoreApplication::instance())) return false;
    const QString platform = QGuiApplication::platformName();
    return QGuiApplication::primaryScreen() && platform != QLatin1String("offscreen") &&
           platform != QLatin1String("minimal");
}

namespace {

void ReadOpenGl(sysinfo::DisplayFacts& d) {
    WithProbeContext([&d](QOpenGLContext& context) {
        QOpenGLFunctions* gl = context.functions();
        auto text = [gl](GLenum name) {
            const auto* s = reinterpret_cast<const char*>(gl->glGetString(name));
            return s ? QString::fromLatin1(s) : QString();
        };
        d.openGl = true;
        d.vendor = text(GL_VENDOR);
        d.renderer = text(GL_RENDERER);
        d.version = text(GL_VERSION);
        GLint size = 0, units = 0;
        gl->glGetIntegerv(GL_MAX_TEXTURE_SIZE, &size);
        gl->glGetIntegerv(GL_MAX_TEXTURE_IMAGE_UNITS, &units);
        d.maxTextureWidth = d.maxTextureHeight = size;
        d.textureUnits = units;
        d.depthBits = context.format().depthBufferSize();
    });
}

}  // namespace

sysinfo::DisplayFacts ReadDisplayFacts(const GraphicsSystem& graphics,
                                       const std::vector<PixelFormat>& textureFormats) {
    sysinfo::DisplayFacts d;
    if (const DriverInfo* driver = graphics.selectedDriver()) {
        d.device = driver->description;
        d.hardware = driver->hardware;
    }
    d.textureFormats = textureFormats;
    if (!HaveDisplay()) return d;
    const QScreen* screen = QGuiApplication::primaryScreen();
    d.display = true;
    d.size = screen->geometry().size() * screen->devicePixelRatio();
    d.dpiX = int(std::lround(screen->logicalDotsPerInchX()));
    d.dpiY = int(std::lround(screen->logicalDotsPerInchY()));
    d.depth = screen->depth();
    d.refreshRate = int(std::lround(screen->refreshRate()));
    ReadOpenGl(d);
    return d;
}
