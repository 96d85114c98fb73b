#include "support/TestSupport.h"

#include <sys/resource.h>

#include <QDir>
#include <QProcess>
#include <csignal>
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

FileSizeCap::FileSizeCap(long bytes) {
    rlimit limit{};
    getrlimit(RLIMIT_FSIZE, &limit);
    oldSoft_ = static_cast<long>(limit.rlim_cur);
    oldHandler_ = std::signal(SIGXFSZ, SIG_IGN);
    limit.rlim_cur = static_cast<rlim_t>(bytes);
    setrlimit(RLIMIT_FSIZE, &limit);
}

FileSizeCap::~FileSizeCap() {
    rlimit limit{};
    getrlimit(RLIMIT_FSIZE, &limit);
    limit.rlim_cur = static_cast<rlim_t>(oldSoft_);
    setrlimit(RLIMIT_FSIZE, &limit);
    std::signal(SIGXFSZ, oldHandler_);
}

QStringList FolderEntries(const QString& path) {
    return QDir(path).entryList(QDir::Files | QDir::Hidden | QDir::NoDotAndDotDot, QDir::Name);
}

ProgramRun RunBinary(const QString& binary, const QStringList& args, int timeoutMs) {
    QProcess p;
    p.start(binary, args);
    p.waitForFinished(timeoutMs);
    return {p.exitCode(), QString::fromUtf8(p.readAllStandardOutput()),
            QString::fromUtf8(p.readAllStandardError())};
}
