#include "support/TestSupport.h"

#include <QDir>
#include <cstdlib>

void PrepareTestEnvironment(const QString& root) {
    for (const char* name :
         {"XDG_CONFIG_HOME", "XDG_DATA_HOME", "XDG_CACHE_HOME", "XDG_RUNTIME_DIR"}) {
        const QString path = root + QLatin1Char('/') + QString::fromLatin1(name);
        QDir().mkpath(path);
        QFile::setPermissions(
            path, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
        setenv(name, qPrintable(path), 1);
    }
    if (!getenv("QT_QPA_PLATFORM") && !getenv("DISPLAY")) setenv("QT_QPA_PLATFORM", "offscreen", 1);
}

void ServicesTest::SetUp() {
    Services::instance().reset();
    Services::instance().setPrompter(&prompter);
    Services::instance().setUserDataDirectory(dir.path());
}

void ServicesTest::TearDown() {
    Services::instance().reset();
}
