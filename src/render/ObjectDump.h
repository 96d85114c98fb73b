#pragma once

#include <QString>

namespace scene {
class Scene;
}

// Writes "DXDump.txt" in the per-user data folder: every scene object by name and class.
// Returns the file written, or an empty text when it could not be written.
QString DumpObjects(const scene::Scene& scene);
