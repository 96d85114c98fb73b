#include "render/gl/GlProbe.h"

#include <QOffscreenSurface>
#include <QOpenGLContext>

#include "render/gl/RenderDevice.h"

int OpenGlVersionProbe() {
    for (bool core : {true, false}) {
        QOffscreenSurface surface;
        surface.setFormat(ProgramSurfaceFormat(core));
        surface.create();
        QOpenGLContext context;
        context.setFormat(ProgramSurfaceFormat(core));
        if (!context.create() || !context.makeCurrent(&surface)) continue;
        const auto v = context.format().version();
        context.doneCurrent();
        return v.first * 256 + v.second;
    }
    return 0;
}
