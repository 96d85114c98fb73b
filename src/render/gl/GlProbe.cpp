#include "render/gl/GlProbe.h"

#include <QOffscreenSurface>
#include <QOpenGLContext>

#include "render/gl/RenderDevice.h"

bool WithProbeContext(const std::function<void(QOpenGLContext&)>& use) {
    for (bool core : {true, false}) {
        QOffscreenSurface surface;
        surface.setFormat(ProgramSurfaceFormat(core));
        surface.create();
        QOpenGLContext context;
        context.setFormat(ProgramSurfaceFormat(core));
        if (!context.create() || !context.makeCurrent(&surface)) continue;
        use(context);
        context.doneCurrent();
        return true;
    }
    return false;
}

int OpenGlVersionProbe() {
    int version = 0;
    WithProbeContext([&](QOpenGLContext& context) {
        const auto v = context.format().version();
        version = v.first * 256 + v.second;
    });
    return version;
}
