#pragma once

#include <vector>

#include "diagnostics/SystemInformation.h"

class GraphicsSystem;

// True when the application runs on a real screen (not the offscreen or minimal platform).
bool HaveDisplay();

// The primary screen's facts and those of an OpenGL context on the driver this process
// uses, with the texture formats the program's device accepts. Without a display only the
// chosen driver is filled in.
sysinfo::DisplayFacts ReadDisplayFacts(const GraphicsSystem& graphics,
                                       const std::vector<PixelFormat>& textureFormats);
