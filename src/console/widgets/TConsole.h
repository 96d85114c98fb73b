#pragma once

#include <QWidget>

#include "console/ConsoleInterpreter.h"

class QComboBox;
class QPlainTextEdit;

// The console window: the transcript above, the command line below with the entries made
// so far in its drop-down list. Return runs the entry, Escape empties the line.
class TConsole : public QWidget {
    Q_OBJECT
  public:
    static constexpr int kMargin = 8;

    explicit TConsole(ConsoleHost& host, QWidget* parent = nullptr);

    // Appends a line to the transcript and scrolls to it.
    void ConsolePrint(const QString& text);
    // Runs what the command line holds, as Return does.
    void EnterCommandLine();
    // The window became the active one: typing goes to the command line.
    void Activated();

    ConsoleInterpreter& interpreter() { return interpreter_; }
    QPlainTextEdit* history() const { return history_; }
    QComboBox* commandLine() const { return cmdLine_; }
    QString transcript() const;

    // The placement a console gets when none is stored, in the main window's client area.
    static QRect DefaultPlacement(QSize client);
    // Never narrower than 32 pixels nor lower than six command lines.
    QSize minimumSizeHint() const override;

  signals:
    void helpRequested(const QString& topic);
    // Keys released in the window other than F1, for the shared function keys.
    void functionKeyPressed(int key);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

  private:
    void KeyReleased(int key);
    void Layout();

    ConsoleInterpreter interpreter_;
    QPlainTextEdit* history_;
    QComboBox* cmdLine_;
};
