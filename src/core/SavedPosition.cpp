#include "core/SavedPosition.h"

#include <QDateTime>
#include <QFile>
#include <QLocale>
#include <QRegularExpression>
#include <QSaveFile>
#include <cmath>

#include "core/Body.h"
#include "core/Files.h"
#include "core/Prompter.h"
#include "core/Simulation.h"
#include "core/Text.h"

namespace {

void Write(QSaveFile& f, const QString& line) {
    f.write(line.toUtf8());
}

void SaveFailed(const QSaveFile& f) {
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

bool SavePosition(Simulation& sim, PositionWindows& windows, const QString& path) {
    QSaveFile f(path);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Text)) {
        SaveFailed(f);
        return false;
    }
    const CameraState& cam = sim.camera();
    Write(f, QStringLiteral("# This file contains a saved simulator position for Orbivale\n"));
    Write(f, QStringLiteral("# It is not recommended that you edit this file. Incorrect values\n"));
    Write(f, QStringLiteral("# could cause Orbivale to behave unpredictably.\n"));
    Write(f, FormatText("Version=%s\n", qUtf8Printable(FileVersionText())));
    Write(f, FormatText("SaveTime=%s\n", qUtf8Printable(QLocale::system().toString(
                                             QDateTime::currentDateTime(),
                                             QStringLiteral("d MMMM yyyy 'at' hh:mm:ss")))));
    Write(f, FormatText("UT=%.1f\n", cam.lastTickTime));
    Write(f, FormatText("Cx=%.1f\nCy=%.1f\nCz=%.1f\n", cam.position.x, cam.position.y,
                        cam.position.z));
    Write(f, FormatText("SimSpeed=%d\n", sim.ClockSpeed()));
    Write(f, FormatText(windows.LockOn() ? "LookingAt=%s\n" : "Select=%s\n",
                        qUtf8Printable(windows.SelectedName())));
    if (cam.mode == CameraMode::Holding) {
        Write(f, FormatText("Mode=%d\n", static_cast<int>(cam.mode)));
        Write(f, FormatText("ModeBody=%s\n",
                            cam.modeBody ? qUtf8Printable(cam.modeBody->name()) : ""));
        Write(f, FormatText("ModeCx=%.1f\nModeCy=%.1f\nModeCz=%.1f\n", cam.modeOffset.x,
                            cam.modeOffset.y, cam.modeOffset.z));
    }
    Write(f, FormatText("CameraSpeed=%.1f\n", cam.speed));
    const scene::Orientation o = sim.scene().camera()->orientation(sim.scene().root().get());
    Write(f, FormatText("DirX=%.7f\nDirY=%.7f\nDirZ=%.7f\n", o.direction.x, o.direction.y,
                        o.direction.z));
    Write(f, FormatText("UpX=%.7f\nUpY=%.7f\nUpZ=%.7f\n", o.up.x, o.up.y, o.up.z));
    Write(f, FormatText("FPS=%d\n", windows.UpdateSpeedIndex()));
    Write(f, FormatText("Res=%d\n", windows.ResolutionIndex()));
    const auto map = windows.MapView();
    Write(f, FormatText("MapX=%.1f\nMapY=%.1f\nMapW=%.1f\n", map[0], map[1], map[2]));
    Write(f, FormatText("Zoom=%.7f\n", cam.zoom));
    for (Body* b : sim.bodies())
        if (b->model.userModel)
            Write(f, FormatText("Body=%s,%s\n", qUtf8Printable(b->name()),
                                qUtf8Printable(b->model.userModelText)));
    if (!f.commit()) {
        SaveFailed(f);
        return false;
    }
    return true;
}

bool RestorePosition(Simulation& sim, PositionWindows& windows, const QString& path) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly | QIODevice::Text)) {
        ShowErrorText(
            QStringLiteral(
                "An error has prevented the position being restored.\nThe error returned to "
                "Orbivale was: ") +
            f.errorString());
        return false;
    }
    windows.SetLockOn(false);
    CameraState& cam = sim.camera();
    const scene::Orientation o = sim.scene().camera()->orientation(sim.scene().root().get());
    scene::Vec3 dir = o.direction, up = o.up, position = cam.position;
    SimTime ut = cam.lastTickTime;
    auto map = windows.MapView();
    for (Body* b : sim.bodies())
        if (b->model.userModel) sim.UnloadModel(*b);

    auto clampIndex = [](double n, int count) { return n < 0 ? 0 : std::min(int(n), count - 1); };
    while (!f.atEnd()) {
        const QString line = QString::fromUtf8(f.readLine())
                                 .left(255)
                                 .remove(QLatin1Char('\n'))
                                 .remove(QLatin1Char('\r'));
        const int eq = int(line.indexOf(QLatin1Char('=')));
        if (line.isEmpty() || !line[0].isLetter() || eq < 0) continue;
        const QString key = line.left(eq), value = line.mid(eq + 1);
        const double n = LeadingNumber(value);
        if (key == QLatin1String("UT")) {
            // Only times the calendar covers (1901 to 2099).
            if (n >= MakeSimTime(1901, 1, 1, 0, 0, 0) && n < MakeSimTime(2100, 1, 1, 0, 0, 0))
                ut = n;
        } else if (key == QLatin1String("Cx"))
            position.x = n;
        else if (key == QLatin1String("Cy"))
            position.y = n;
        else if (key == QLatin1String("Cz"))
            position.z = n;
        else if (key == QLatin1String("SimSpeed"))
            windows.SetSpeedFactor(int(std::clamp(std::trunc(n), -86400.0, 86400.0)));
        else if (key == QLatin1String("LookingAt") || key == QLatin1String("Select")) {
            if (Body* b = sim.FindBody(Trimmed(value))) {
                windows.SelectTargetByName(b->name());
                if (key == QLatin1String("LookingAt")) windows.SetLockOn(true);
            }
        } else if (key == QLatin1String("Mode"))
            // Holding is the only mode with a body; any other number flies freely.
            cam.mode = std::trunc(n) == static_cast<int>(CameraMode::Holding)
                           ? CameraMode::Holding
                           : CameraMode::FreeFlight;
        else if (key == QLatin1String("ModeBody")) {
            if (Body* b = sim.FindBody(Trimmed(value))) cam.modeBody = b;
        } else if (key == QLatin1String("ModeCx"))
            cam.modeOffset.x = n;
        else if (key == QLatin1String("ModeCy"))
            cam.modeOffset.y = n;
        else if (key == QLatin1String("ModeCz"))
            cam.modeOffset.z = n;
        else if (key == QLatin1String("CameraSpeed"))
            windows.SetCameraSpeed(n);
        else if (key == QLatin1String("DirX"))
            dir.x = n;
        else if (key == QLatin1String("DirY"))
            dir.y = n;
        else if (key == QLatin1String("DirZ"))
            dir.z = n;
        else if (key == QLatin1String("UpX"))
            up.x = n;
        else if (key == QLatin1String("UpY"))
            up.y = n;
        else if (key == QLatin1String("UpZ"))
            up.z = n;
        else if (key == QLatin1String("FPS"))
            windows.ChooseUpdateSpeed(clampIndex(n, windows.UpdateSpeedCount()));
        else if (key == QLatin1String("Res"))
            windows.ChooseResolution(clampIndex(n, windows.ResolutionCount()));
        else if (key == QLatin1String("MapX"))
            map[0] = n;
        else if (key == QLatin1String("MapY"))
            map[1] = n;
        else if (key == QLatin1String("MapW"))
            map[2] = n;
        else if (key == QLatin1String("Zoom"))
            windows.SetZoom(n);
        else if (key == QLatin1String("Body")) {
            const int comma = int(value.indexOf(QLatin1Char(',')));
            Body* b = sim.FindBody(comma < 0 ? value : value.left(comma));
            if (!b) continue;
            const QString rest = comma < 0 ? QString() : value.mid(comma + 1);
            QString file, text;
            if (rest.startsWith(QLatin1Char('"'))) {
                const int close = int(rest.indexOf(QLatin1Char('"'), 1));
                file = close < 0 ? rest.mid(1) : rest.mid(1, close - 1);
                text = QLatin1Char('"') + file + QLatin1Char('"');
            } else if (!rest.isEmpty()) {
                text = rest.left(1);
                file = b->name() + text + QStringLiteral(".bmp");
            } else {
                continue;
            }
            if (windows.LoadBodyModel(*b, file)) {
                b->model.userModel = true;
                b->model.userModelText = text;
            }
        }
    }
    // A file cannot make the camera's orientation degenerate.
    if (scene::Length(dir) > 0 && scene::Length(scene::Cross(dir, up)) > 0)
        sim.scene().camera()->setOrientation(sim.scene().root().get(), dir, up);
    windows.RefreshCaption();
    sim.SetSimTime(ut);
    windows.SetSceneOrigin(position);
    windows.SetMapView(map[0], map[1], map[2]);
    const SplitTime day = SplitSimTime(ut);
    windows.SetCalendarDate(day.year, day.month, day.day);
    return true;
}
