#pragma once

#include <QDialog>

#include "core/Services.h"

class QLabel;
class QListWidget;
class QPushButton;

// The about box: product, version and memory. At start-up it is the splash and lists the
// start-up messages as they are logged, newest first.
class TAboutOE : public QDialog, public LogSink {
    Q_OBJECT
  public:
    explicit TAboutOE(bool startup, QWidget* parent = nullptr);
    ~TAboutOE() override;
    void logLine(const QString& line) override;
    QListWidget* actions() const { return actions_; }
    QString versionText() const;
    bool startup() const { return startup_; }

  protected:
    void keyReleaseEvent(QKeyEvent* event) override;

  private:
    bool startup_;
    QLabel* version_ = nullptr;
    QListWidget* actions_ = nullptr;
    QPushButton* okay_ = nullptr;
};

// The picture on the left of the about box: the Sun and the planets' orbits, drawn.
QImage AboutPicture();
