#include "core/SavedPosition.h"

#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <QRegularExpression>
#include <algorithm>
#include <cmath>
#include <optional>

#include "core/CheckedSaveFile.h"
#include "core/Files.h"
#include "core/Prompter.h"
#include "core/Services.h"
#include "core/Text.h"

namespace {

void Write(CheckedSaveFile& f, const QString& line) {
    f.write(line);
}

void SaveFailed(const CheckedSaveFile& f) {
    ShowErrorText(
        QStringLiteral("An error has prevented the position being saved.\nThe error returned to "
                       "Orbivale was: ") +
        f.errorString());
}

QString Trimmed(const QString& value) {
    return value.trimmed();
}

}  // namespace

double LeadingNumber(const QString& value) {
    if (value.isEmpty() ||
        !(value[0].isDigit() || value[0] == QLatin1Char('-') || value[0] == QLatin1Char('.')))
        return 0;
    static const QRegularExpression number(QStringLiteral(R"(^-?\d*\.?\d*(?:[eE][-+]?\d+)?)"));
    const QString digits = number.match(value).captured(0);
    bool ok = false;
    const double v = digits.toDouble(&ok);
    return ok && std::isfinite(v) ? v : 0;
}

bool SavePosition(const ViewState& state, const QString& path) {
    CheckedSaveFile f(path);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Text)) {
        SaveFailed(f);
        return false;
    }
    Write(f, QStringLiteral("# This file contains a saved simulator position for Orbivale\n"));
    Write(f, QStringLiteral("# It is not recommended that you edit this file. Incorrect values\n"));
    Write(f, QStringLiteral("# could cause Orbivale to behave unpredictably.\n"));
    Write(f, FormatText("Version=%s\n", qUtf8Printable(FileVersionText())));
    Write(f, FormatText("SaveTime=%s\n", qUtf8Printable(QLocale::system().toString(
                                             QDateTime::currentDateTime(),
                                             QStringLiteral("d MMMM yyyy 'at' hh:mm:ss")))));
    Write(f, FormatText("UT=%.1f\n", state.ut));
    const scene::Vec3& c = state.cameraPosition;
    Write(f, FormatText("Cx=%.1f\nCy=%.1f\nCz=%.1f\n", c.x, c.y, c.z));
    Write(f, FormatText("SimSpeed=%d\n", state.simSpeed));
    Write(f, FormatText(state.lockOn ? "LookingAt=%s\n" : "Select=%s\n",
                        qUtf8Printable(state.selected)));
    if (state.mode == CameraMode::Holding) {
        Write(f, FormatText("Mode=%d\n", static_cast<int>(state.mode)));
        Write(f, FormatText("ModeBody=%s\n", qUtf8Printable(state.modeBody)));
        const scene::Vec3& m = state.modeOffset;
        Write(f, FormatText("ModeCx=%.1f\nModeCy=%.1f\nModeCz=%.1f\n", m.x, m.y, m.z));
    }
    Write(f, FormatText("CameraSpeed=%.1f\n", state.cameraSpeed));
    const scene::Vec3 &d = state.direction, &u = state.up;
    Write(f, FormatText("DirX=%.7f\nDirY=%.7f\nDirZ=%.7f\n", d.x, d.y, d.z));
    Write(f, FormatText("UpX=%.7f\nUpY=%.7f\nUpZ=%.7f\n", u.x, u.y, u.z));
    Write(f, FormatText("FPS=%d\n", state.updateSpeedIndex));
    Write(f, FormatText("Res=%d\n", state.resolutionIndex));
    Write(f, FormatText("MapX=%.1f\nMapY=%.1f\nMapW=%.1f\n", state.map.x, state.map.y,
                        state.map.width));
    Write(f, FormatText("Zoom=%.7f\n", state.zoom));
    for (const UserModelChoice& m : state.userModels)
        Write(f, FormatText("Body=%s,%s\n", qUtf8Printable(m.body), qUtf8Printable(m.text)));
    if (!f.commit()) {
        SaveFailed(f);
        return false;
    }
    return true;
}

namespace {

// A "Body=" value: the body, then a quoted path or the digit completing "<name><digit>.bmp".
std::optional<UserModelChoice> ParseUserModel(const QString& value,
                                              const PositionContext& context) {
    const int comma = int(value.indexOf(QLatin1Char(',')));
    UserModelChoice choice;
    choice.body = comma < 0 ? value : value.left(comma);
    if (!context.isBody || !context.isBody(choice.body)) return std::nullopt;
    const QString rest = comma < 0 ? QString() : value.mid(comma + 1);
    if (rest.startsWith(QLatin1Char('"'))) {
        const int close = int(rest.indexOf(QLatin1Char('"'), 1));
        choice.file = close < 0 ? rest.mid(1) : rest.mid(1, close - 1);
        choice.text = QLatin1Char('"') + choice.file + QLatin1Char('"');
        // Model files are named within the media folder: a name may not climb out of it.
        static const QRegularExpression parent(QStringLiteral(R"((^|[/\\])\.\.([/\\]|$))"));
        if (parent.match(choice.file).hasMatch()) return std::nullopt;
    } else if (!rest.isEmpty()) {
        choice.text = rest.left(1);
        choice.file = choice.body + choice.text + QStringLiteral(".bmp");
    } else {
        return std::nullopt;
    }
    // Something there that is not a file (a pipe, a folder) would block or fail the load.
    const QString inMedia = Services::instance().mediaDirectory() + choice.file;
    if (QFileInfo::exists(inMedia) && !IsRegularFile(inMedia)) return std::nullopt;
    return choice;
}

// A restored orientation replaces the current one only when both vectors can be made unit
// and are not parallel; otherwise the view keeps facing where it did.
void TakeOrientation(const scene::Vec3& direction, const scene::Vec3& up, ViewState& state) {
    const scene::Vec3 d = scene::Normalised(direction), u = scene::Normalised(up);
    constexpr double kUnit = 1e-6, kParallel = 1e-9;
    if (std::abs(scene::Length(d) - 1) > kUnit || std::abs(scene::Length(u) - 1) > kUnit ||
        scene::Length(scene::Cross(d, u)) < kParallel)
        return;
    state.direction = d;
    state.up = u;
}

// Up to the first kLineCharacters characters of a line (at most four bytes each) are read;
// the rest of a longer line is passed over in pieces, so a file without line breaks never
// sits in memory whole.
constexpr int kLineCharacters = 255;
constexpr qint64 kSkipPiece = 64 * 1024;

QByteArray ReadLimitedLine(QFile& f) {
    QByteArray line = f.readLine(4 * kLineCharacters + 1);
    if (!line.endsWith('\n'))
        while (!f.atEnd() && !f.readLine(kSkipPiece).endsWith('\n')) {
        }
    return line;
}

int ClampIndex(double n, int count) {
    return n < 0 ? 0 : int(std::min(n, double(count - 1)));
}

}  // namespace

bool RestorePosition(const QString& path, const PositionContext& context, ViewState& state) {
    QFile f(path);
    const QFileInfo info(path);
    // A pipe or device named as a position would block here for good.
    const bool regular = info.isFile();
    if (!regular || !f.open(QIODevice::ReadOnly | QIODevice::Text)) {
        const QString reason = !info.exists() || regular
                                   ? f.errorString()
                                   : QStringLiteral("It is not an ordinary file.");
        ShowErrorText(
            QStringLiteral(
                "An error has prevented the position being restored.\nThe error returned to "
                "Orbivale was: ") +
            reason);
        return false;
    }
    state.lockOn = false;
    state.userModels.clear();
    auto known = [&](const QString& name) { return context.isBody && context.isBody(name); };
    scene::Vec3 direction = state.direction, up = state.up;
    while (!f.atEnd()) {
        const QString line = QString::fromUtf8(ReadLimitedLine(f))
                                 .left(kLineCharacters)
                                 .remove(QLatin1Char('\n'))
                                 .remove(QLatin1Char('\r'));
        const int eq = int(line.indexOf(QLatin1Char('=')));
        if (line.isEmpty() || !line[0].isLetter() || eq < 0) continue;
        const QString key = line.left(eq), value = line.mid(eq + 1);
        const double n = LeadingNumber(value);
        if (key == QLatin1String("UT")) {
            // Only times the calendar covers (1901 to 2099).
            if (n >= MakeSimTime(1901, 1, 1, 0, 0, 0) && n < MakeSimTime(2100, 1, 1, 0, 0, 0))
                state.ut = n;
        } else if (key == QLatin1String("Cx"))
            state.cameraPosition.x = n;
        else if (key == QLatin1String("Cy"))
            state.cameraPosition.y = n;
        else if (key == QLatin1String("Cz"))
            state.cameraPosition.z = n;
        else if (key == QLatin1String("SimSpeed"))
            state.simSpeed = int(std::clamp(std::trunc(n), -86400.0, 86400.0));
        else if (key == QLatin1String("LookingAt") || key == QLatin1String("Select")) {
            if (known(Trimmed(value))) {
                state.selected = Trimmed(value);
                if (key == QLatin1String("LookingAt")) state.lockOn = true;
            }
        } else if (key == QLatin1String("Mode"))
            // Holding is the only mode with a body; any other number flies freely.
            state.mode = std::trunc(n) == static_cast<int>(CameraMode::Holding)
                             ? CameraMode::Holding
                             : CameraMode::FreeFlight;
        else if (key == QLatin1String("ModeBody")) {
            if (known(Trimmed(value))) state.modeBody = Trimmed(value);
        } else if (key == QLatin1String("ModeCx"))
            state.modeOffset.x = n;
        else if (key == QLatin1String("ModeCy"))
            state.modeOffset.y = n;
        else if (key == QLatin1String("ModeCz"))
            state.modeOffset.z = n;
        else if (key == QLatin1String("CameraSpeed"))
            state.cameraSpeed = n;
        else if (key == QLatin1String("DirX"))
            direction.x = n;
        else if (key == QLatin1String("DirY"))
            direction.y = n;
        else if (key == QLatin1String("DirZ"))
            direction.z = n;
        else if (key == QLatin1String("UpX"))
            up.x = n;
        else if (key == QLatin1String("UpY"))
            up.y = n;
        else if (key == QLatin1String("UpZ"))
            up.z = n;
        else if (key == QLatin1String("FPS"))
            state.updateSpeedIndex = ClampIndex(n, context.updateSpeedCount);
        else if (key == QLatin1String("Res"))
            state.resolutionIndex = ClampIndex(n, context.resolutionCount);
        else if (key == QLatin1String("MapX"))
            state.map.x = n;
        else if (key == QLatin1String("MapY"))
            state.map.y = n;
        else if (key == QLatin1String("MapW"))
            state.map.width = n;
        else if (key == QLatin1String("Zoom"))
            state.zoom = n;
        else if (key == QLatin1String("Body")) {
            // The last line for a body wins, so a long file loads each model once.
            if (auto choice = ParseUserModel(value, context)) {
                auto same = std::find_if(
                    state.userModels.begin(), state.userModels.end(), [&](const auto& m) {
                        return m.body.compare(choice->body, Qt::CaseInsensitive) == 0;
                    });
                if (same != state.userModels.end())
                    *same = *choice;
                else
                    state.userModels.push_back(*choice);
            }
        }
    }
    TakeOrientation(direction, up, state);
    return true;
}
