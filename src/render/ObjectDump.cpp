#include "render/ObjectDump.h"

#include "core/CheckedSaveFile.h"
#include "core/Services.h"
#include "core/Text.h"
#include "scene/Scene.h"

QString DumpObjects(const scene::Scene& scene) {
    const QString path = Services::instance().userDataDirectory() + QStringLiteral("/DXDump.txt");
    CheckedSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Text)) return {};
    for (const scene::SceneObject* object : scene.objects()) {
        const QString name = object->name().left(127);
        const QString cls = QString::fromLatin1(object->className()).left(127);
        if (!name.isEmpty())
            file.write(FormatText("%s (%s)\n", qUtf8Printable(name), qUtf8Printable(cls)));
        else if (!cls.isEmpty())
            file.write(FormatText("<No name> class: %s\n", qUtf8Printable(cls)));
    }
    return file.commit() ? path : QString();
}
