#pragma once

#include <QWidget>

#include "core/Services.h"

class QPlainTextEdit;

// The system log window: everything logged so far and every line logged while it is open.
class TDebugWindow : public QWidget, public LogSink {
    Q_OBJECT
  public:
    explicit TDebugWindow(QWidget* parent = nullptr);
    ~TDebugWindow() override;
    void logLine(const QString& line) override;
    QStringList lines() const;
    // Writes every line to the file; false (after an error box) when it cannot be written.
    bool SaveLog(const QString& path);

  signals:
    // Keys the window leaves to the program: Esc, F7, F8, F9.
    void functionKeyPressed(int key);

  protected:
    void keyReleaseEvent(QKeyEvent* event) override;

  private:
    QPlainTextEdit* output_;
};
