#include "FuzzSupport.h"

#include <QDir>
#include <QTemporaryDir>
#include <cstdio>
#include <cstdlib>
#include <memory>

#include "core/Prompter.h"
#include "core/Services.h"
#include "core/SettingsStore.h"
#include "core/Simulation.h"

namespace {

class SilentPrompter : public Prompter {
  public:
    int count = 0;
    MessageResult show(const QString&, const QString&, MessageButtons buttons,
                       MessageIcon) override {
        ++count;
        // The answers a person would most likely give: go on, and never overwrite.
        return buttons == MessageButtons::YesNo ? MessageResult::No : MessageResult::Ok;
    }
};

SilentPrompter& Silent() {
    static SilentPrompter prompter;
    return prompter;
}

QTemporaryDir& Scratch() {
    static QTemporaryDir dir(QDir::tempPath() + QStringLiteral("/orbivale-fuzz-XXXXXX"));
    return dir;
}

}  // namespace

void PrepareFuzzing() {
    static bool done = false;
    if (done) return;
    done = true;
    if (!Scratch().isValid()) {
        std::fprintf(stderr, "cannot create a scratch folder for the fuzz inputs\n");
        std::abort();
    }
    Services::instance().setPrompter(&Silent());
    Services::instance().setUserDataDirectory(Scratch().path());
}

QString FuzzScratchDirectory() {
    return Scratch().path();
}

QString WriteFuzzInput(const std::uint8_t* data, std::size_t size, const char* name) {
    const QString path = Scratch().filePath(QString::fromLatin1(name));
    std::unique_ptr<std::FILE, int (*)(std::FILE*)> f(std::fopen(qPrintable(path), "wb"),
                                                      &std::fclose);
    if (!f || (size > 0 && std::fwrite(data, 1, size, f.get()) != size)) {
        std::fprintf(stderr, "cannot write the fuzz input to %s\n", qPrintable(path));
        std::abort();
    }
    return path;
}

int TakeFuzzMessageCount() {
    const int n = Silent().count;
    Silent().count = 0;
    return n;
}

void FuzzFailure(const char* expression, const char* file, int line) {
    std::fprintf(stderr, "%s:%d: invariant broken: %s\n", file, line, expression);
    std::abort();
}

SimTime FuzzWallClock() {
    return MakeSimTime(2010, 6, 1, 0, 0, 0);
}

Simulation& FuzzSolarSystem() {
    struct World {
        MemorySettingsStore settings;
        Simulation sim{settings, [] { return FuzzWallClock(); }};
        World() { sim.BuildSolarSystem(); }
    };
    static World world;
    return world.sim;
}
