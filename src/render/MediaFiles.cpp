#include "render/MediaFiles.h"

#include "core/Files.h"
#include "core/Services.h"

QString MediaPath(const QString& name) {
    return Services::instance().mediaDirectory() + name;
}

bool MediaFileExists(const QString& name) {
    return FileExists(MediaPath(name));
}

std::vector<int> FindMediaNumberedFiles(const QString& stem, const QString& extension) {
    return FindNumberedFiles(Services::instance().mediaDirectory(), stem, extension);
}
