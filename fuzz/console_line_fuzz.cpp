// Types arbitrary lines into the console, as a user at the command line would, against a
// camera and viewer that only record what they are asked. Every failure must be an error
// message in the transcript: no crash, no sanitizer report, no hang.
#include <QString>
#include <cstddef>
#include <cstdint>

#include "FuzzSupport.h"
#include "console/ConsoleHost.h"
#include "console/ConsoleInterpreter.h"

namespace {

class FuzzHost : public ConsoleHost {
  public:
    scene::Vec3 CameraPosition() const override { return position_; }
    void SetCameraPosition(const scene::Vec3& p) override { position_ = p; }
    scene::Vec3 CameraDirection() const override { return {0, 0, 1}; }
    scene::Vec3 CameraUp() const override { return {0, 1, 0}; }
    void ViewerTick() override { ++ticks_; }
    std::optional<QString> FindBody(const QString& name) const override {
        for (const char* body : {"Sun", "Earth", "Moon", "Io"})
            if (name.compare(QLatin1String(body), Qt::CaseInsensitive) == 0)
                return QString::fromLatin1(body);
        return std::nullopt;
    }
    bool LoadUserModel(const QString&, const QString&, const QString&) override { return true; }
    void UnloadModel(const QString&) override {}
    // A folder that does not exist: every texture is "not found", nothing is read.
    QString MediaDirectory() const override {
        return QStringLiteral("/nonexistent-orbivale-fuzz-media");
    }
    void OpenHelpTopic(const QString&) override {}

  private:
    scene::Vec3 position_;
    long ticks_ = 0;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const bool prepared = (PrepareFuzzing(), true);
    (void)prepared;
    static FuzzHost host;
    ConsoleInterpreter console(host);
    QString last;
    int lines = 0;
    console.print = [&](const QString& line) {
        last = line;
        ++lines;
    };
    const QString text = QString::fromUtf8(reinterpret_cast<const char*>(data), qsizetype(size));
    // One entry as typed: anything but blanks is echoed and answered with "OK" or an error.
    console.Enter(text);
    if (lines > 0)
        FUZZ_CHECK(last == QLatin1String("OK") || last.startsWith(QLatin1String("Error: ")) ||
                   last.startsWith(QLatin1String("Error at line ")));
    // The same text run as a text of several lines.
    console.ExecuteCommandText(text);
    return 0;
}
