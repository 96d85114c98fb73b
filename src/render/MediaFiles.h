#pragma once

#include <QString>
#include <vector>

// Files in the media folder (textures and models).
QString MediaPath(const QString& name);
bool MediaFileExists(const QString& name);
std::vector<int> FindMediaNumberedFiles(const QString& stem, const QString& extension);
