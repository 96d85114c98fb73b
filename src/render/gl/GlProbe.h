#pragma once

// The OpenGL version this process gets, as major x 256 + minor; 0 when no context can be made.
int OpenGlVersionProbe();
