#pragma once

// Descriptions and names of the two kinds of renderer, as stored in "DirectX"/"3DDevice".
#define ORBIVALE_SOFTWARE_RENDERER_DESCRIPTION "Mesa llvmpipe Software Rasteriser"
#define ORBIVALE_SOFTWARE_RENDERER_NAME "Software Rasteriser"
#define ORBIVALE_HARDWARE_RENDERER_DESCRIPTION "OpenGL Hardware Acceleration"
#define ORBIVALE_HARDWARE_RENDERER_NAME "Hardware OpenGL"
