#include "tours/TourScript.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSet>
#include <array>
#include <cmath>

#include "tours/SpeechText.h"

namespace {

enum class Argument { None, Window, Integer, Text, Number, OnOff, Page };

struct ActionInfo {
    TourAction action;
    const char* name;
    Argument argument;
};

constexpr std::array<ActionInfo, 16> kActions{{
    {TourAction::Restore, "restore", Argument::Window},
    {TourAction::Minimise, "minimise", Argument::Window},
    {TourAction::Open, "open", Argument::Window},
    {TourAction::Close, "close", Argument::Window},
    {TourAction::Speed, "speed", Argument::Integer},
    {TourAction::Target, "target", Argument::Text},
    {TourAction::Where, "where", Argument::Text},
    {TourAction::Radii, "radii", Argument::Number},
    {TourAction::CameraFieldDefault, "camera-field-default", Argument::None},
    {TourAction::MoveCamera, "move-camera", Argument::None},
    {TourAction::ViewerBaseInterval, "viewer-base-interval", Argument::None},
    {TourAction::RenderViewer, "render-viewer", Argument::None},
    {TourAction::Tab, "tab", Argument::Page},
    {TourAction::MapLabels, "map-labels", Argument::OnOff},
    {TourAction::MapPlanetOrbits, "map-planet-orbits", Argument::OnOff},
    {TourAction::MapZoomToCamera, "map-zoom-to-camera", Argument::None},
}};

struct AnchorInfo {
    TourAnchor anchor;
    const char* name;
};

constexpr std::array<AnchorInfo, 5> kAnchors{{
    {TourAnchor::WindowPoint, "window-point"},
    {TourAnchor::Centre, "centre"},
    {TourAnchor::Corner, "corner"},
    {TourAnchor::TopLeft, "top-left"},
    {TourAnchor::TopRight, "top-right"},
}};

constexpr int kMaxWaitSeconds = 600;
constexpr int kMaxSleepMs = 60000;
constexpr int kMaxSpeed = 86400;
constexpr int kMaxOffset = 10000;

// One line cut into its first word and the rest.
struct Line {
    QString word;
    QString rest;
};

Line Split(const QString& text) {
    const QString t = text.trimmed();
    const qsizetype space = t.indexOf(QRegularExpression(QStringLiteral("\\s")));
    if (space < 0) return {t, QString()};
    return {t.left(space), t.mid(space + 1).trimmed()};
}

QStringList Words(const QString& text) {
    return text.split(QRegularExpression(QStringLiteral("\\s+")), Qt::SkipEmptyParts);
}

class Parser {
  public:
    std::optional<TourScript> Run(const QString& text, TourError* error) {
        const QStringList lines = text.split(QLatin1Char('\n'));
        for (int n = 0; n < lines.size(); ++n) {
            line_ = n + 1;
            QString l = lines[n];
            if (l.endsWith(QLatin1Char('\r'))) l.chop(1);
            const QString trimmed = l.trimmed();
            if (trimmed.isEmpty() || trimmed.startsWith(QLatin1Char('#'))) continue;
            if (!ReadLine(Split(trimmed))) return Failed(error);
        }
        line_ = 0;
        if (script_.title.isEmpty()) {
            error_ = QStringLiteral("the file has no 'title' line");
            return Failed(error);
        }
        if (script_.steps.empty()) {
            error_ = QStringLiteral("the tour has no steps");
            return Failed(error);
        }
        return script_;
    }

  private:
    std::optional<TourScript> Failed(TourError* error) const {
        if (error) *error = {line_, error_};
        return std::nullopt;
    }
    bool Fail(const QString& why) {
        error_ = why;
        return false;
    }

    bool ReadLine(const Line& l) {
        const QString word = l.word.toLower();
        if (word == QLatin1String("title")) {
            if (!script_.title.isEmpty()) return Fail(QStringLiteral("a second 'title' line"));
            if (l.rest.isEmpty()) return Fail(QStringLiteral("'title' wants the tour's name"));
            script_.title = l.rest;
            return true;
        }
        TourStep step;
        step.line = line_;
        if (word == QLatin1String("place")) {
            step.kind = TourStepKind::Place;
            QStringList w = Words(l.rest);
            if (w.size() >= 2 && w[w.size() - 2].toLower() == QLatin1String("as")) {
                step.rememberAs = w.last().toLower();
                w.resize(w.size() - 2);
            }
            if (!ReadPoint(w, step.point)) return false;
            if (!step.rememberAs.isEmpty()) remembered_.insert(step.rememberAs);
        } else if (word == QLatin1String("gesture")) {
            step.kind = TourStepKind::Gesture;
            if (!ReadPoint(Words(l.rest), step.point)) return false;
        } else if (word == QLatin1String("play")) {
            step.kind = TourStepKind::Play;
            const QStringList w = Words(l.rest);
            if (w.isEmpty() || w.size() > 2)
                return Fail(
                    QStringLiteral("'play' wants an animation and, if it is not to be "
                                   "waited for, 'nowait'"));
            if (w[0].compare(QLatin1String("GestureRight"), Qt::CaseInsensitive) == 0)
                step.animation = TourAnimation::GestureRight;
            else if (w[0].compare(QLatin1String("Hiding"), Qt::CaseInsensitive) == 0)
                step.animation = TourAnimation::Hiding;
            else
                return Fail(
                    QStringLiteral("unknown animation '%1' (GestureRight or Hiding)").arg(w[0]));
            if (w.size() == 2) {
                if (w[1].toLower() != QLatin1String("nowait"))
                    return Fail(QStringLiteral("'%1' after the animation: only 'nowait' may "
                                               "follow it")
                                    .arg(w[1]));
                step.wait = false;
            }
        } else if (word == QLatin1String("speak")) {
            step.kind = TourStepKind::Speak;
            if (l.rest.isEmpty()) return Fail(QStringLiteral("'speak' wants the line to say"));
            QString why;
            if (!SpeechText::Parse(l.rest, &why)) return Fail(why);
            step.text = l.rest;
        } else if (word == QLatin1String("wait")) {
            step.kind = TourStepKind::Wait;
            bool ok = false;
            step.seconds = l.rest.toDouble(&ok);
            // Asked as "within", so that "nan" is refused as well.
            if (!ok || !(step.seconds >= 0 && step.seconds <= kMaxWaitSeconds))
                return Fail(
                    QStringLiteral("'wait' wants seconds from 0 to %1").arg(kMaxWaitSeconds));
        } else if (word == QLatin1String("sleep")) {
            step.kind = TourStepKind::Sleep;
            bool ok = false;
            step.milliseconds = l.rest.toInt(&ok);
            if (!ok || step.milliseconds < 0 || step.milliseconds > kMaxSleepMs)
                return Fail(
                    QStringLiteral("'sleep' wants milliseconds from 0 to %1").arg(kMaxSleepMs));
        } else if (word == QLatin1String("do")) {
            step.kind = TourStepKind::Do;
            if (!ReadAction(Split(l.rest), step)) return false;
        } else {
            return Fail(QStringLiteral("unknown step '%1'").arg(l.word));
        }
        script_.steps.push_back(step);
        return true;
    }

    bool ReadPoint(const QStringList& w, TourPoint& point) {
        if (w.size() == 1 && w[0].startsWith(QLatin1Char('@'))) {
            point.recalled = w[0].mid(1).toLower();
            if (!remembered_.contains(point.recalled))
                return Fail(QStringLiteral("no point was remembered as '%1' before this line")
                                .arg(point.recalled));
            return true;
        }
        if (w.size() != 2 && w.size() != 4)
            return Fail(
                QStringLiteral("a point is an anchor, a window or control, and "
                               "optionally an offset: 'centre viewer', "
                               "'top-right controls.moveto 0 -64'"));
        const QString anchor = w[0].toLower();
        bool found = false;
        for (const AnchorInfo& a : kAnchors)
            if (anchor == QLatin1String(a.name)) {
                point.anchor = a.anchor;
                found = true;
            }
        if (!found) return Fail(QStringLiteral("unknown anchor '%1'").arg(w[0]));
        point.target = w[1].toLower();
        if (!Tours::PointTargets().contains(point.target))
            return Fail(QStringLiteral("unknown window or control '%1'").arg(w[1]));
        if (w.size() == 4) {
            bool okX = false, okY = false;
            const int dx = w[2].toInt(&okX), dy = w[3].toInt(&okY);
            if (!okX || !okY || std::abs(dx) > kMaxOffset || std::abs(dy) > kMaxOffset)
                return Fail(QStringLiteral("the offset wants two whole numbers of pixels"));
            point.offset = QPoint(dx, dy);
        }
        return true;
    }

    bool ReadAction(const Line& l, TourStep& step) {
        const ActionInfo* info = nullptr;
        for (const ActionInfo& a : kActions)
            if (l.word.toLower() == QLatin1String(a.name)) info = &a;
        if (!info) return Fail(QStringLiteral("unknown action '%1'").arg(l.word));
        step.action = info->action;
        const QString arg = l.rest;
        const QString name = QString::fromLatin1(info->name);
        switch (info->argument) {
            case Argument::None:
                if (!arg.isEmpty())
                    return Fail(QStringLiteral("'%1' takes nothing after it").arg(name));
                break;
            case Argument::Window:
                if (!Tours::Windows().contains(arg.toLower()))
                    return Fail(QStringLiteral("'%1' wants a window: %2")
                                    .arg(name, Tours::Windows().join(QStringLiteral(", "))));
                step.text = arg.toLower();
                break;
            case Argument::Integer: {
                bool ok = false;
                const int n = arg.toInt(&ok);
                if (!ok || std::abs(n) > kMaxSpeed)
                    return Fail(QStringLiteral("'%1' wants a whole number from -%2 to %2")
                                    .arg(name)
                                    .arg(kMaxSpeed));
                step.text = QString::number(n);
                break;
            }
            case Argument::Number: {
                bool ok = false;
                const double x = arg.toDouble(&ok);
                if (!ok || !std::isfinite(x) || x <= 0)
                    return Fail(QStringLiteral("'%1' wants a positive number").arg(name));
                step.text = arg;
                break;
            }
            case Argument::Text:
                if (arg.isEmpty()) return Fail(QStringLiteral("'%1' wants a name").arg(name));
                step.text = arg;
                break;
            case Argument::OnOff:
                if (arg.toLower() != QLatin1String("on") && arg.toLower() != QLatin1String("off"))
                    return Fail(QStringLiteral("'%1' wants on or off").arg(name));
                step.text = arg.toLower();
                break;
            case Argument::Page: {
                const QStringList& pages = Tours::ControlPages();
                const auto it = std::find_if(pages.begin(), pages.end(), [&](const QString& p) {
                    return p.compare(arg, Qt::CaseInsensitive) == 0;
                });
                if (it == pages.end())
                    return Fail(QStringLiteral("'%1' wants a page of the Viewer Controls: %2")
                                    .arg(name, pages.join(QStringLiteral(", "))));
                step.text = *it;
                break;
            }
        }
        return true;
    }

    TourScript script_;
    QSet<QString> remembered_;
    int line_ = 0;
    QString error_;
};

}  // namespace

QString TourError::text() const {
    return line > 0 ? QStringLiteral("line %1: %2").arg(line).arg(message) : message;
}

namespace Tours {

const QStringList& PointTargets() {
    static const QStringList targets = {
        QStringLiteral("screen"),
        QStringLiteral("viewer"),
        QStringLiteral("controls"),
        QStringLiteral("map"),
        QStringLiteral("sky"),
        QStringLiteral("jupiter"),
        QStringLiteral("controls.targets"),
        QStringLiteral("controls.moveto"),
        QStringLiteral("controls.lookat"),
        QStringLiteral("controls.encyclopedia"),
        QStringLiteral("controls.always-look"),
        QStringLiteral("controls.where"),
        QStringLiteral("controls.throttle"),
        QStringLiteral("controls.joystick"),
    };
    return targets;
}

const QStringList& Windows() {
    static const QStringList windows = {QStringLiteral("viewer"), QStringLiteral("controls"),
                                        QStringLiteral("map"), QStringLiteral("sky"),
                                        QStringLiteral("jupiter")};
    return windows;
}

const QStringList& ControlPages() {
    static const QStringList pages = {QStringLiteral("Navigation"), QStringLiteral("God-like"),
                                      QStringLiteral("Stars"), QStringLiteral("Camera"),
                                      QStringLiteral("Controls")};
    return pages;
}

QString AnimationName(TourAnimation animation) {
    return animation == TourAnimation::Hiding ? QStringLiteral("Hiding")
                                              : QStringLiteral("GestureRight");
}

QString ActionName(TourAction action) {
    for (const ActionInfo& a : kActions)
        if (a.action == action) return QString::fromLatin1(a.name);
    return QString();
}

std::optional<TourScript> Parse(const QString& text, TourError* error) {
    return Parser().Run(text, error);
}

std::optional<TourScript> ReadFile(const QString& path, TourError* error) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) {
        if (error) *error = {0, QStringLiteral("the file cannot be read")};
        return std::nullopt;
    }
    // Tours are short; anything this big is not one.
    constexpr qint64 kMaxBytes = 1 << 20;
    if (f.size() > kMaxBytes) {
        if (error) *error = {0, QStringLiteral("the file is too big for a tour")};
        return std::nullopt;
    }
    auto script = Parse(QString::fromUtf8(f.readAll()), error);
    if (script) script->fileName = path;
    return script;
}

std::vector<TourEntry> FindTours(const QStringList& folders, QStringList* problems) {
    std::vector<TourEntry> tours;
    QSet<QString> names;
    for (const QString& folder : folders) {
        const QFileInfoList files = QDir(folder).entryInfoList(
            {QStringLiteral("*.tour")}, QDir::Files | QDir::Readable, QDir::Name);
        for (const QFileInfo& file : files) {
            if (names.contains(file.fileName())) continue;
            TourError error;
            const auto script = ReadFile(file.filePath(), &error);
            if (!script) {
                if (problems) *problems << file.fileName() + QStringLiteral(": ") + error.text();
                continue;
            }
            names.insert(file.fileName());
            tours.push_back({script->title, file.filePath()});
        }
    }
    return tours;
}

}  // namespace Tours
