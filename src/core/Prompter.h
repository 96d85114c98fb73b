#pragma once

#include <QString>

enum class MessageIcon { Information, Stop, Question, Exclamation };
enum class MessageButtons { Ok, OkCancel, YesNo };
enum class MessageResult { Ok, Cancel, Yes, No };

// Shows message boxes. The GUI installs a prompter with real dialogs; without one, messages
// go to standard error and every question takes its safe answer.
class Prompter {
  public:
    virtual ~Prompter() = default;
    virtual MessageResult show(const QString& caption, const QString& text, MessageButtons buttons,
                               MessageIcon icon) = 0;
};

class ConsolePrompter : public Prompter {
  public:
    MessageResult show(const QString& caption, const QString& text, MessageButtons buttons,
                       MessageIcon icon) override;
    // How many messages were shown: a command-line run that showed any was not clean.
    int shown() const { return shown_; }

  private:
    int shown_ = 0;
};

// Thrown when the user cancels an assertion report: it unwinds the current operation back to
// the event loop, which catches it and carries on.
struct SilentAbort {};

void ReportError(const char* format, ...) __attribute__((format(printf, 1, 2)));
void ShowError(const QString& text, const QString& caption);
void ShowErrorText(const QString& text);
void ShowInfo(const QString& text, const QString& caption);
bool AskYesNo(const QString& text, const QString& caption);
// OK continues; Cancel throws SilentAbort.
void AssertReport(const char* expression, const char* reason, const char* file, int line);
