#include "console/ConsoleInterpreter.h"

#include <QFileInfo>
#include <algorithm>

#include "console/Evaluator.h"
#include "console/ExpressionParser.h"
#include "console/ScriptError.h"
#include "console/Tokenizer.h"
#include "core/Files.h"
#include "core/Text.h"

using script::Element;
using script::Error;

namespace {

// Blanks and control characters, which an entry is trimmed of at both ends.
bool IsBlankOrControl(QChar c) {
    return c.unicode() <= ' ';
}

QString TrimBlanks(const QString& text) {
    int start = 0, end = int(text.size());
    while (start < end && IsBlankOrControl(text[start])) ++start;
    while (end > start && IsBlankOrControl(text[end - 1])) --end;
    return text.mid(start, end - start);
}

// A text's lines, split at CR, LF or CR LF; a final line break ends the last line rather
// than starting an empty one.
QStringList SplitLines(const QString& text) {
    QStringList lines;
    qsizetype start = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] != QLatin1Char('\r') && text[i] != QLatin1Char('\n')) continue;
        lines << text.mid(start, i - start);
        if (text[i] == QLatin1Char('\r') && i + 1 < text.size() && text[i + 1] == QLatin1Char('\n'))
            ++i;
        start = i + 1;
    }
    if (start < text.size() || lines.isEmpty()) lines << text.mid(start);
    return lines;
}

Error ExpectedNumber() {
    return Error(QStringLiteral("Expected number"));
}

}  // namespace

QString ConsoleBanner() {
    return QStringLiteral("Orbivale version ") + FileVersionText();
}

ConsoleInterpreter::ConsoleInterpreter(ConsoleHost& host) : host_(host) {}

QString ConsoleInterpreter::Enter(const QString& entry) {
    const QString text = TrimBlanks(entry);
    if (!text.isEmpty()) {
        Print(QStringLiteral("> ") + text);
        if (text.left(4).compare(QLatin1String("help"), Qt::CaseInsensitive) == 0) {
            host_.OpenHelpTopic(QStringLiteral("Console"));
            Print(QStringLiteral("OK"));
        } else if (ExecuteCommandText(text)) {
            Print(QStringLiteral("OK"));
        }
        history_.prepend(text);
    }
    host_.ViewerTick();
    return text;
}

bool ConsoleInterpreter::ExecuteCommandText(const QString& text) {
    const QStringList lines = SplitLines(text);
    int lineNumber = 0;
    for (const QString& raw : lines) {
        ++lineNumber;
        const QString line = TrimBlanks(raw);
        if (line.isEmpty() || line[0] == QLatin1Char(';') || line[0] == QLatin1Char('\'') ||
            line[0] == QLatin1Char('/'))
            continue;
        try {
            if (!RunLine(line)) return true;
        } catch (const Error& e) {
            if (lines.size() < 2)
                Print(FormatText("Error: %s.", qUtf8Printable(e.message())));
            else
                Print(FormatText("Error at line %d: %s.", lineNumber, qUtf8Printable(e.message())));
            return false;
        }
    }
    return true;
}

QString ConsoleInterpreter::ReadCommandWord(const QString& line, int& position) {
    int i = std::max(position, 1) - 1;
    while (i < line.size() && line[i].unicode() <= ' ') ++i;
    position = i + 1;
    if (i >= line.size()) return QString();
    const QChar c = line[i];
    if (script::IsAsciiLetter(c)) {
        const int start = i;
        while (i < line.size() && (script::IsAsciiLetter(line[i]) || script::IsAsciiDigit(line[i])))
            ++i;
        position = i + 1;
        return line.mid(start, i - start);
    }
    if (c == QLatin1Char('?')) {
        position = i + 2;
        return QStringLiteral("?");
    }
    return QString();
}

std::optional<Element> ConsoleInterpreter::EvaluateAt(const QString& line, int position) {
    script::Tokenizer tokenizer(line, position - 1);
    const std::unique_ptr<script::Node> root = script::ParseExpression(tokenizer);
    return script::Evaluate(*root);
}

double ConsoleInterpreter::EvaluateNumberAt(const QString& line, int position) {
    std::optional<Element> value;
    try {
        value = EvaluateAt(line, position);
    } catch (const script::SyntaxError&) {
        // A missing or malformed number reads as what the command wanted.
        throw ExpectedNumber();
    }
    if (!value || !value->IsNumeric()) throw ExpectedNumber();
    return value->ToDouble();
}

void ConsoleInterpreter::PrintExpressionTree(const script::Node& node, int depth) {
    Print(QString(2 * depth, QLatin1Char(' ')) + script::Describe(node));
    for (const auto& child : node.children()) PrintExpressionTree(*child, depth + 1);
}

void ConsoleInterpreter::MoveCamera(const scene::Vec3& by) {
    host_.SetCameraPosition(host_.CameraPosition() + by);
    host_.ViewerTick();
}

bool ConsoleInterpreter::RunLine(const QString& line) {
    int position = 1;
    const QString word = ReadCommandWord(line, position);
    auto is = [&word](const char* command) {
        return word.compare(QLatin1String(command), Qt::CaseInsensitive) == 0;
    };
    if (is("end")) return false;
    if (is("print") || word == QLatin1String("?")) {
        if (const std::optional<Element> value = EvaluateAt(line, position)) Print(value->ToText());
    } else if (is("tree")) {
        script::Tokenizer tokenizer(line, position - 1);
        PrintExpressionTree(*script::ParseExpression(tokenizer), 0);
    } else if (is("cx")) {
        MoveCamera({EvaluateNumberAt(line, position), 0, 0});
    } else if (is("cy")) {
        MoveCamera({0, EvaluateNumberAt(line, position), 0});
    } else if (is("cz")) {
        MoveCamera({0, 0, EvaluateNumberAt(line, position)});
    } else if (is("forward") || is("up") || is("right")) {
        const double n = EvaluateNumberAt(line, position);
        const scene::Vec3 d = host_.CameraDirection(), u = host_.CameraUp();
        const scene::Vec3 axis = is("forward") ? d : is("up") ? u : scene::Cross(u, d);
        MoveCamera(axis * n);
    } else if (is("loadbody")) {
        LoadBody(line, position);
    } else if (is("unloadbody")) {
        const QString name = ReadCommandWord(line, position);
        const std::optional<QString> body = host_.FindBody(name);
        if (!body)
            throw Error(FormatText("Expected solar system body name: '%s'", qUtf8Printable(name)));
        host_.UnloadModel(*body);
    } else if (is("help")) {
        // Reached from a text of several lines; a typed entry opens help before this.
        host_.OpenHelpTopic(QStringLiteral("Console"));
    } else {
        throw Error(FormatText("Unrecognised command: '%s'", qUtf8Printable(word)));
    }
    return true;
}

void ConsoleInterpreter::LoadBody(const QString& line, int position) {
    const QString name = ReadCommandWord(line, position);
    const std::optional<QString> body = host_.FindBody(name);
    if (!body)
        throw Error(FormatText("Expected solar system body name: '%s'", qUtf8Printable(name)));
    // The comma must follow the name at once.
    if (position > line.size() || line[position - 1] != QLatin1Char(','))
        throw Error(QStringLiteral("Only one argument supplied, expected more."));
    ++position;
    const std::optional<Element> value = EvaluateAt(line, position);
    if (!value) throw script::SyntaxError();
    const QString media = host_.MediaDirectory();
    QString file, choice;
    if (value->IsNumeric()) {
        const std::int64_t number = value->ToInt64();
        file = *body + QString::number(number) + QStringLiteral(".bmp");
        if (!QFileInfo::exists(media + QLatin1Char('/') + file))
            throw Error(QStringLiteral("Could not find ") + file);
        choice = QString::number(number);
    } else {
        file = value->ToText() + QStringLiteral(".bmp");
        const QString path = media + QLatin1Char('/') + file;
        if (!QFileInfo::exists(path)) throw Error(QStringLiteral("Could not find ") + path);
        choice = QLatin1Char('"') + file + QLatin1Char('"');
    }
    if (!host_.LoadUserModel(*body, file, choice))
        throw Error(QStringLiteral("Could not load ") + file);
}
