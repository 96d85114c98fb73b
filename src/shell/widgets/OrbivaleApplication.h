#pragma once

#include <QApplication>

// The application: an operation the user cancels in an assertion report unwinds to here and
// the program carries on; any other escaped error is shown and the program carries on too.
class OrbivaleApplication : public QApplication {
  public:
    OrbivaleApplication(int& argc, char** argv);
    bool notify(QObject* receiver, QEvent* event) override;
};
