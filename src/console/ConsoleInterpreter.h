#pragma once

#include <QString>
#include <QStringList>
#include <functional>
#include <memory>
#include <optional>

#include "console/ConsoleHost.h"
#include "console/Element.h"
#include "console/Node.h"

// The console's command interpreter: runs typed entries, prints their results and errors
// to the transcript, and keeps the list of entries made.
class ConsoleInterpreter {
  public:
    explicit ConsoleInterpreter(ConsoleHost& host);

    // Every line printed goes here (the window's transcript, or standard output).
    std::function<void(const QString&)> print;

    // One entry typed at the command line: echoed, run, "OK" when it ran; an entry that
    // begins with "help" opens the console's help page. Blank entries print nothing. The
    // viewer runs one frame afterwards in every case. Returns the trimmed entry.
    QString Enter(const QString& entry);
    // The entries made so far, the most recent first.
    const QStringList& history() const { return history_; }

    // Runs every line of the text; false after an error (which has been printed).
    bool ExecuteCommandText(const QString& text);

    // The next word of a line from a 1-based position, moving the position past it: a run
    // of letters and digits, "?", or empty (the position then stays on what is there).
    static QString ReadCommandWord(const QString& line, int& position);
    // The value of the expression that begins at the 1-based position, or none.
    static std::optional<script::Element> EvaluateAt(const QString& line, int position);
    // The same, as a number; "Expected number" when there is none.
    static double EvaluateNumberAt(const QString& line, int position);
    void PrintExpressionTree(const script::Node& node, int depth);

    void Print(const QString& text) {
        if (print) print(text);
    }

  private:
    // Runs one trimmed line; false at "end".
    bool RunLine(const QString& line);
    void MoveCamera(const scene::Vec3& by);
    void LoadBody(const QString& line, int position);

    ConsoleHost& host_;
    QStringList history_;
};

// The texts of the console's entry and error lines.
QString ConsoleBanner();
