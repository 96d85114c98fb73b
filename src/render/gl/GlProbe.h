#pragma once

#include <functional>

class QOpenGLContext;

// Makes a throw-away context in the program's surface format (core profile first, then
// compatibility), current on an offscreen surface, and hands it to use; false when none can be
// made.
bool WithProbeContext(const std::function<void(QOpenGLContext&)>& use);

// The OpenGL version this process gets, as major x 256 + minor; 0 when no context can be made.
int OpenGlVersionProbe();
