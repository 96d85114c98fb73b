#include "shell/CommandLine.h"

#include <QRegularExpression>

namespace {

bool ParseSize(const QString& text, int& w, int& h) {
    const QRegularExpressionMatch m =
        QRegularExpression(QStringLiteral(R"(^(\d{2,5})[xX](\d{2,5})$)")).match(text);
    if (!m.hasMatch()) return false;
    w = m.captured(1).toInt();
    h = m.captured(2).toInt();
    return w >= 64 && h >= 64 && w <= 16384 && h <= 16384;
}

}  // namespace

const QStringList& SnapshotViews() {
    static const QStringList views = {
        QStringLiteral("main"),
        QStringLiteral("viewer"),
        QStringLiteral("sky"),
        QStringLiteral("map"),
        QStringLiteral("jupiter"),
        QStringLiteral("narrator"),
        QStringLiteral("options-display"),
        QStringLiteral("options-simulation"),
        QStringLiteral("options-effects"),
        QStringLiteral("options-directories"),
        QStringLiteral("sysinfo-memory"),
        QStringLiteral("sysinfo-os"),
        QStringLiteral("sysinfo-display"),
        QStringLiteral("sysinfo-orbivale"),
    };
    return views;
}

std::optional<SimTime> ParseUtc(const QString& text) {
    const QRegularExpressionMatch m =
        QRegularExpression(
            QStringLiteral(R"(^(\d{4})-(\d{2})-(\d{2})[T ](\d{2}):(\d{2}):(\d{2}(?:\.\d+)?)$)"))
            .match(text.trimmed());
    if (!m.hasMatch()) return std::nullopt;
    const int year = m.captured(1).toInt(), month = m.captured(2).toInt(),
              day = m.captured(3).toInt();
    const int hour = m.captured(4).toInt(), minute = m.captured(5).toInt();
    const double second = m.captured(6).toDouble();
    if (year < 1901 || year > 2099 || month < 1 || month > 12 || day < 1 ||
        day > DaysInMonth(year, month) || hour > 23 || minute > 59 || second >= 60)
        return std::nullopt;
    return MakeSimTime(year, month, day, hour, minute, second);
}

CommandLine ParseCommandLine(const QStringList& arguments) {
    CommandLine cl;
    auto value = [&](int& i, const QString& option) -> std::optional<QString> {
        if (i + 1 >= arguments.size()) {
            cl.error = option + QStringLiteral(" needs a value");
            return std::nullopt;
        }
        return arguments[++i];
    };
    for (int i = 1; i < arguments.size() && cl.error.isEmpty(); ++i) {
        const QString a = arguments[i];
        if (a == QLatin1String("--settings-dir")) {
            if (auto v = value(i, a)) cl.settingsDir = *v;
        } else if (a == QLatin1String("--utc")) {
            if (auto v = value(i, a)) {
                cl.utc = ParseUtc(*v);
                if (!cl.utc)
                    cl.error = QStringLiteral(
                                   "--utc wants YYYY-MM-DDTHH:MM:SS between 1901 and 2099, not ") +
                               *v;
            }
        } else if (a == QLatin1String("--speed")) {
            if (auto v = value(i, a)) {
                bool ok = false;
                const int s = v->toInt(&ok);
                if (!ok || s < -86400 || s > 86400)
                    cl.error =
                        QStringLiteral("--speed wants a whole number from -86400 to 86400, not ") +
                        *v;
                else
                    cl.speed = s;
            }
        } else if (a == QLatin1String("--ephemeris")) {
            cl.ephemeris = true;
        } else if (a == QLatin1String("--system-info")) {
            cl.systemInfo = true;
        } else if (a == QLatin1String("--console-script")) {
            if (auto v = value(i, a)) cl.consoleScript = *v;
        } else if (a == QLatin1String("--snapshot")) {
            if (auto v = value(i, a)) cl.snapshot = *v;
        } else if (a == QLatin1String("--view")) {
            if (auto v = value(i, a)) {
                if (!SnapshotViews().contains(*v))
                    cl.error = QStringLiteral("--view wants one of ") +
                               SnapshotViews().join(QStringLiteral(", "));
                cl.view = *v;
            }
        } else if (a == QLatin1String("--size")) {
            if (auto v = value(i, a))
                if (!ParseSize(*v, cl.width, cl.height))
                    cl.error =
                        QStringLiteral("--size wants WIDTHxHEIGHT (64 to 16384 each), not ") + *v;
        } else if (a == QLatin1String("--location")) {
            if (auto v = value(i, a)) cl.location = *v;
        } else if (a == QLatin1String("--precise")) {
            cl.precise = true;
        } else if (a == QLatin1String("--version") || a == QLatin1String("-v")) {
            cl.version = true;
        } else if (a == QLatin1String("--help") || a == QLatin1String("-h")) {
            cl.help = true;
        } else if (a.startsWith(QLatin1Char('-')) && a.size() > 1) {
            cl.error = QStringLiteral("Unknown option ") + a;
        } else {
            cl.files << a;
        }
    }
    return cl;
}

QString CommandLineHelp() {
    return QStringLiteral(
        "Usage: orbivale [OPTIONS] [FILE.ov ...]\n"
        "Start the solar-system simulator, loading the saved positions given.\n"
        "\n"
        "  --settings-dir DIR     keep the settings file in DIR instead of the per-user one\n"
        "  --utc YYYY-MM-DDTHH:MM:SS   set simulated UT to this instant at start\n"
        "  --speed N              set the clock speed factor at start (0 freezes time)\n"
        "  --ephemeris            print every body's position at the simulated time as CSV\n"
        "                         and exit; needs no display\n"
        "  --console-script FILE  type each line of FILE into the console, print the\n"
        "                         transcript and exit; needs no display\n"
        "  --system-info          print the system information dump and exit (the display\n"
        "                         and OpenGL sections need a display)\n"
        "  --snapshot FILE.png    start, render, save a picture and exit\n"
        "  --view VIEW            what --snapshot captures (default main): a window, or a\n"
        "                         page of the options or system information dialog:\n"
        "  --view %1\n"
        "  --size WxH             size of the main window (or of the captured view)\n"
        "  --location NAME        observe from this entry of the locations list (this run\n"
        "                         only; the name's case does not matter)\n"
        "  --precise              place the planets and the Moon by ERFA's theories, good to\n"
        "                         arcseconds (this run only; the setting is left alone)\n"
        "  --version              print the version and exit\n"
        "  --help                 print this help and exit\n"
        "\n"
        "With --utc and no --speed, --ephemeris, --console-script and --snapshot freeze the\n"
        "clock so that their output is reproducible.\n")
        .arg(SnapshotViews().join(QLatin1Char('|')));
}
